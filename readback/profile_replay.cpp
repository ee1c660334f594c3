#include "readback/profile_replay.h"

#include "platform/profile/profile_machine.h"
#include "run/analysis_run.h"

namespace vornak {

namespace {
// No status bar: the texts are only remembered, as the run restores them.
class QuietShell : public Shell {
 public:
  void SetStatusText(const std::string& text) override { status_ = text; }
  std::string StatusText() override { return status_; }

 private:
  std::string status_ = "Ready";
};
}  // namespace

void ReplayProfile(profile::Profile profile, MemoryOutline& outline, ReportLog* log) {
  ProfileMachine machine(std::move(profile));
  QuietShell shell;
  ReportHost host(machine, shell);
  host.CreateTree(outline, 0, 0, 0);
  host.ClearTree();
  if (log) host.RunAnalysis(*log);
  else host.RunAnalysis(nullptr);
}

}  // namespace vornak

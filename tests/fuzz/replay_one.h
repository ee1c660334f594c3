// One profile through the reader and the whole replay, as vornak-report runs
// it: the fuzz target's body, and what the unit tests replay the inputs it
// found with. A profile the reader refuses ends at its ProfileError.
#pragma once

#include <string>

#include "app/analysis_run.h"
#include "app/memory_outline.h"
#include "platform/profile/profile_machine.h"

namespace vornak::fuzz {

class QuietShell : public Shell {
 public:
  void SetStatusText(const std::string& text) override { status_ = text; }
  std::string StatusText() override { return status_; }

 private:
  std::string status_ = "Ready";
};

struct Replayed {
  bool parsed = false;
  std::string error;    // the reader's message when it refused the profile
  std::string log;      // the VORNAK95.LOG bytes
  std::string outline;  // the tree, indented
};

inline Replayed ReplayOne(const std::string& text) {
  Replayed r;
  profile::Profile p;
  try {
    p = profile::Profile::Parse(text, "fuzz.profile");
  } catch (const profile::ProfileError& e) {
    r.error = e.what();
    return r;
  }
  r.parsed = true;
  ProfileMachine machine(std::move(p));
  QuietShell shell;
  MemoryOutline tree;
  ReportHost host(machine, shell);
  host.CreateTree(tree, 0, 0, 0);
  MemoryLog log;
  host.RunAnalysis(log);
  r.log = log.Bytes();
  r.outline = tree.Dump();
  return r;
}

}  // namespace vornak::fuzz

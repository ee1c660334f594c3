// --log and --outline: the report bytes of each machine, one after the other.
// A log's run is given as the file has it (its line ends too); a profile's
// replay as "&S)ave LOG" writes it. Several machines make a log of several
// runs, which reads back as the same machines.
#include "vornak-report/report_output.h"

namespace vornak {

namespace {

class LogOutput : public ReportOutput {
 public:
  explicit LogOutput(bool outline) : outline_(outline) {}
  bool NeedsSummary() const override { return false; }
  std::string Add(const MachineView& m) override { return outline_ ? m.machine.outline.Dump() : m.machine.log; }

 private:
  bool outline_;
};

}  // namespace

std::unique_ptr<ReportOutput> MakeLogOutput(bool outline) { return std::make_unique<LogOutput>(outline); }

}  // namespace vornak

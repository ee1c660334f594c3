// The outputs of vornak-report: each takes the machines one by one, in the
// order of the command line, and gives the bytes to append to its file.
// Nothing of a machine is kept beyond what its output needs (the page keeps
// its few machines; the others keep nothing), so reading a thousand files
// takes no more memory than reading one, beside the output itself.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "readback/report_input.h"
#include "vornak-report/html_report.h"
#include "vornak-report/machine_summary.h"

namespace vornak {

// One machine as the outputs see it, valid during Add().
struct MachineView {
  const ReportMachine& machine;  // the log bytes and the outline
  const MachineSource& source;
  const std::vector<html::ReportLine>& report;  // empty unless NeedsSummary()
  const html::MachineFacts& facts;
  const SummaryValues& summary;
};

class ReportOutput {
 public:
  virtual ~ReportOutput() = default;
  // Whether Add() reads the report lines, facts and summary.
  virtual bool NeedsSummary() const { return true; }
  virtual std::string Begin() { return {}; }
  virtual std::string Add(const MachineView& m) = 0;
  virtual std::string End() { return {}; }
};

// The VORNAK95.LOG bytes of each machine, one after the other (a log of
// several runs), or with `outline` each machine's tree.
std::unique_ptr<ReportOutput> MakeLogOutput(bool outline);
// json_output.cpp, csv_output.cpp, html_output.cpp.
std::unique_ptr<ReportOutput> MakeJsonOutput();
std::unique_ptr<ReportOutput> MakeCsvOutput();
std::unique_ptr<ReportOutput> MakeHtmlOutput(Language lang);

}  // namespace vornak

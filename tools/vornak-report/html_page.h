// The HTML page of one or more replayed reports: a summary of each machine,
// the processor and memory benchmarks as charts, and each whole report as a
// collapsible outline. The page is self-contained (inline CSS and SVG, no
// script) and its Content-Security-Policy forbids every outside load.
#pragma once

#include <string>
#include <vector>

#include "tools/vornak-report/html_report.h"

namespace vornak::html {

struct PageMachine {
  MachineFacts facts;
  std::vector<ReportLine> report;
};

// For each report, one flag per line in preorder: true where no line with
// the same text under parents of the same texts is in some other report.
// With a single report nothing is marked.
std::vector<std::vector<bool>> DifferenceMarks(const std::vector<const std::vector<ReportLine>*>& reports);

std::string BuildPage(const std::vector<PageMachine>& machines);

}  // namespace vornak::html

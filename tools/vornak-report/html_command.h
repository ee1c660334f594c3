// vornak-report PROFILE [PROFILE...] --html FILE: replays each profile and
// writes one page with them all.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "platform/profile/profile_format.h"
#include "tools/vornak-report/html_report.h"

namespace vornak::html {

inline constexpr size_t kMaxProfiles = 8;

// The report of a profile as "&S)tart Analyz" builds it. No log is written:
// the page reads the tree, whose lines are the log's lines.
std::vector<ReportLine> ReplayReport(profile::Profile profile);

// Returns the exit status: 0 when the page is written; 2 when there are no
// or too many profiles or one cannot be read (FILE:LINE: message), and then
// no page is written; 1 when FILE cannot be written (an old FILE stays as
// it was). Messages go to `err`.
int WriteHtmlReport(const std::vector<std::string>& profilePaths, const std::string& outputPath, std::FILE* err);

}  // namespace vornak::html

// The HTML page of one or more reports, replayed from profiles or read from
// logs alike: a summary of each machine,
// the processor and memory benchmarks as charts, and each whole report as a
// collapsible outline. The page is self-contained (inline CSS and SVG, no
// script) and its Content-Security-Policy forbids every outside load.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "vornak-report/html_report.h"
#include "vornak-report/machine_summary.h"
#include "vornak-report/page_texts.h"

namespace vornak::html {

// The page's limit: beyond it the charts' colours and markers repeat.
inline constexpr size_t kMaxPageMachines = 8;

struct PageMachine {
  MachineSource source;  // its truncation is noted on the page
  MachineFacts facts;
  std::vector<ReportLine> report;
};

// For each report, one flag per line in preorder: true where no line with
// the same text under parents of the same texts is in some other report.
// With a single report nothing is marked.
std::vector<std::vector<bool>> DifferenceMarks(const std::vector<const std::vector<ReportLine>*>& reports);

// A page of a site (--site) links back to its index, shares the reference
// machines' bars with the other pages as images (`assets` the folder's
// href, ending in '/'), and holds kCollectionMark where the site puts the
// machine's place in the collection. No log text can make the mark: every
// '<' of one is escaped.
struct SiteLinks {
  std::string index, assets;
};
inline constexpr char kCollectionMark[] = "<!--vornak:collection-->\n";

// The page in `lang`: its own texts, never the report's lines.
std::string BuildPage(const std::vector<PageMachine>& machines, const SiteLinks* site = nullptr,
                      Language lang = Language::kEnglish);

// The images of the reference bars a site's pages share: file name and SVG.
std::vector<std::pair<std::string, std::string>> SharedRankingImages(Language lang = Language::kEnglish);

}  // namespace vornak::html

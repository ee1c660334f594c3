// The pages of a site that only a collection has: its index (one table of
// every machine, a scatter chart of their points) and, on each machine's
// page, its place among the others. All texts are UTF-8 and escaped here.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "vornak-report/machine_summary.h"
#include "vornak-report/page_texts.h"
#include "vornak-report/site_collection.h"

namespace vornak::site {

// A file a machine's run was found in: its name as given (the system's
// spelling), and which of its runs.
struct FoundIn {
  FoundIn(std::string file, int run = 1, int runs = 1) : file(std::move(file)), run(run), runs(runs) {}
  std::string file;
  int run, runs;
};

struct SiteEntry {
  std::string name;             // the machine's name, as its page has it (UTF-8)
  std::vector<FoundIn> files;   // where its run was found
  SummaryValues summary;
  Figures figures;
  bool truncated = false;
  std::string page;                // its page's href from the index: "m/12.html"
};

// What the site was made from, for the index's header.
struct SiteCounts {
  size_t files = 0;       // logs and profiles read
  size_t duplicates = 0;  // runs found again
  size_t skipped = 0;     // files that are no log or profile
  size_t unreadable = 0;  // logs and profiles that could not be read
};

// The index's inline script in `lang` (its count of rows shown), which the
// policy allows by its hash.
std::string IndexScript(Language lang);

std::string BuildIndex(const std::vector<SiteEntry>& machines, const SiteCounts& counts,
                       Language lang = Language::kEnglish);

// The section of machine `self`'s page placing it in the collection. The
// machines' pages are one folder below the index.
std::string CollectionSection(const std::vector<SiteEntry>& machines, const std::vector<Standing>& standings,
                              size_t self, Language lang = Language::kEnglish);

}  // namespace vornak::site

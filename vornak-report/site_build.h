// vornak-report --site OUTDIR INPUT...: a static site of every machine found
// in the inputs (files, or folders searched through), built in a new folder
// beside OUTDIR and put in its place only once complete, so an interrupted
// or failed run leaves the old site whole.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "vornak-report/page_texts.h"

namespace vornak::site {

// The file in a site's folder that marks it as one: a folder without it is
// never replaced (it may be anything of the user's).
inline constexpr char kMarker[] = ".vornak-site";

// Writes the site, its pages in `lang`; returns the exit status
// (report_run.h's). Messages, and what was skipped, go to `err`.
int RunSite(const std::string& outdir, const std::vector<std::string>& inputs, std::FILE* err, Language lang);

}  // namespace vornak::site

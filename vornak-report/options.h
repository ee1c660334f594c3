// vornak-report's command line: what it asks for, or why it cannot be read.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "vornak-report/page_texts.h"

namespace vornak {

extern const char kUsage[];

struct Options {
  std::vector<std::string> inputs;  // logs and profiles, in order
  // Where each output goes: a file, "-" for standard output, or nothing.
  std::optional<std::string> log, html, json, csv;
  std::optional<std::string> site;  // a folder: the site of every machine found
  std::optional<Language> lang;     // the page's and the site's; none: the system's
  bool outline = false;
  bool help = false, version = false;
};

// The options in `args` (argv without the program's name). Returns nothing
// and the reason in `error` for a command line that asks for nothing sound.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);

}  // namespace vornak

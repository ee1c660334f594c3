#include "vornak-report/options.h"

#include <set>

namespace vornak {

const char kUsage[] =
    "usage: vornak-report INPUT... [--log FILE] [--outline]\n"
    "       vornak-report INPUT... [--html FILE] [--json FILE] [--csv FILE]\n"
    "                              [--lang en|ja]\n"
    "       vornak-report --site OUTDIR [--lang en|ja] INPUT...\n"
    "       vornak-report --help | --version\n"
    "\n"
    "Reads VORNAK95.LOG files and machine profiles (VORNAK95.EXE /RECORD), told\n"
    "apart by their content; a log holds one machine per run of the program\n"
    "(named \"FILE (run 2 of 3)\"), a profile one machine, whose report is replayed.\n"
    "Without --html, --json or --csv it writes each machine's VORNAK95.LOG bytes,\n"
    "one machine after the other.\n"
    "\n"
    "  --log FILE   the log bytes to FILE instead of standard output\n"
    "  --outline    the report tree instead, two blanks of indent per level\n"
    "  --html FILE  a self-contained HTML page of up to 8 machines: summaries,\n"
    "               benchmark charts, the reports as outlines\n"
    "  --json FILE  one JSON document of every machine: source, summary, report\n"
    "  --csv FILE   one CSV row per machine with its summary (UTF-8, RFC 4180)\n"
    "  --site OUTDIR  a static site of every machine in the inputs, files or\n"
    "               folders searched through (logs and profiles by content; other\n"
    "               files skipped and counted; the same run found twice shown\n"
    "               once): OUTDIR/index.html and a page per machine. OUTDIR is\n"
    "               replaced whole once the new site is complete; a folder that\n"
    "               is no earlier site is never replaced, nor a site holding an\n"
    "               input; OUTDIR in a folder searched is left out\n"
    "  --lang en|ja the language of the page and the site: English or Japanese;\n"
    "               without it the system's (LC_ALL, LC_MESSAGES or LANG\n"
    "               starting with \"ja\"; on Windows the user's language).\n"
    "               The report's lines, the JSON, the CSV and these messages\n"
    "               stay as they are\n"
    "  --           what follows is an input, even if it starts with '-'\n"
    "\n"
    "FILE - is standard output. --html, --json and --csv may be given together.\n"
    "A file is replaced whole, only once it is complete, and never when it is\n"
    "an input (under any name: ./A.LOG, a link) or, for --html, --json and\n"
    "--csv, a log or profile: that is status 2. A run the machine did not\n"
    "finish is marked truncated in the page, the JSON and the CSV, and for\n"
    "--log and --outline by a note on standard error.\n"
    "\n"
    "Exit status: 0 done; 1 an output could not be written; 2 a bad command\n"
    "line or an input that cannot be read (FILE:LINE: what was wrong), and then\n"
    "nothing is written; 3 an internal error (out of memory).\n";

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
  Options o;
  bool inputsOnly = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (inputsOnly || arg.empty() || arg[0] != '-') {
      o.inputs.push_back(arg);
      continue;
    }
    if (arg == "--") {
      inputsOnly = true;
    } else if (arg == "--help" || arg == "-h") {
      o.help = true;
      return o;
    } else if (arg == "--version") {
      o.version = true;
      return o;
    } else if (arg == "--outline") {
      o.outline = true;
    } else if (arg == "--lang") {
      if (o.lang) {
        error = "--lang is given twice";
        return std::nullopt;
      }
      const std::string value = i + 1 < args.size() ? args[++i] : "";
      if (value != "en" && value != "ja") {
        error = "--lang needs en or ja" + (value.empty() ? std::string() : ", not " + value);
        return std::nullopt;
      }
      o.lang = value == "ja" ? Language::kJapanese : Language::kEnglish;
    } else if (arg == "--log" || arg == "--html" || arg == "--json" || arg == "--csv" || arg == "--site") {
      std::optional<std::string>& target = arg == "--log"    ? o.log
                                           : arg == "--html" ? o.html
                                           : arg == "--json" ? o.json
                                           : arg == "--csv"  ? o.csv
                                                             : o.site;
      if (i + 1 == args.size() || args[i + 1].empty() || (arg == "--site" && args[i + 1] == "-")) {
        error = arg == "--site" ? "--site needs a folder" : arg + " needs a file name, or - for standard output";
        return std::nullopt;
      }
      if (target) {
        error = arg + " is given twice";
        return std::nullopt;
      }
      target = args[++i];
    } else {
      error = "unknown option " + arg;
      return std::nullopt;
    }
  }
  if (o.inputs.empty()) {
    error = "no log or profile given";
    return std::nullopt;
  }
  if (o.site && (o.html || o.json || o.csv || o.log || o.outline)) {
    error = "--site writes a site alone: not with --html, --json, --csv, --log or --outline";
    return std::nullopt;
  }
  const bool documents = o.html || o.json || o.csv;
  if (documents && (o.log || o.outline)) {
    error = "--log and --outline write the report itself: not with --html, --json or --csv";
    return std::nullopt;
  }
  // Two outputs in one file would leave only the last.
  std::set<std::string> targets;
  for (const std::optional<std::string>* t : {&o.html, &o.json, &o.csv})
    if (*t && !targets.insert(**t).second) {
      error = **t == "-" ? "only one output can go to standard output" : "two outputs to " + **t;
      return std::nullopt;
    }
  return o;
}

}  // namespace vornak

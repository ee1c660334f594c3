// One machine as the outputs take it: where it came from, and the summary's
// values as the JSON and the CSV write them. The values are read from the
// report's own lines (html::ReadFacts), never recomputed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "readback/report_input.h"
#include "vornak-report/html_report.h"
#include "vornak-report/page_texts.h"
#include "vornak-report/text_converter.h"

namespace vornak {

struct MachineSource {
  std::string file;        // as given on the command line
  std::string kind;        // "log" or "profile"
  int run = 1, runs = 1;   // which run of the file, of how many
  bool truncated = false;  // a log's run that stops before the report's end
  int lastLineNumber = 0;  // a log's last whole line, counted from 1; 0: none
  std::string lastLine;    // its text, Shift-JIS

  // "FILE", or "FILE (run 2 of 3)" for a file of several runs, as the
  // messages name it.
  std::string Name() const { return RunName(file, run, runs); }
  // The same without the file's folders.
  std::string ShortName() const;
  // As a page in `lang` names it, without the folders, in UTF-8 (the file's
  // name through `fileNames`, then the run in the page's words).
  std::string ShortName(Language lang, TextConverter& fileNames) const;
  // lastLine without its line end, for a note.
  std::string LastLineText() const;
};

MachineSource SourceOf(const ReportMachine& machine);

// "FILE (run 2 of 3)" in `lang`, `fileUtf8` as it is; "FILE" for one run.
std::string RunNameIn(const std::string& fileUtf8, int run, int runs, Language lang);

// The summary: texts in UTF-8, an empty value where the report does not hold
// it. A benchmark figure is empty where its line is missing or shows no
// measurement (no time, or a block that could not be obtained).
struct SummaryValues {
  std::optional<std::string> processor, vendor, signature, windows, platform;
  std::optional<int64_t> clockMHz, fsbMHz, multiplierTenths, l1DataKB, l2KB;
  std::optional<int64_t> physicalKB, physicalAvailableKB;
  std::optional<std::string> section;  // "time-stamp" or "speed"
  std::optional<int64_t> integerPoints, integerMs, floatPoints, floatMs;
  struct Memory {
    uint32_t blockKB = 0;
    std::optional<int64_t> points, ms;
  };
  std::vector<Memory> memory;  // the blocks the report lists, in its order
  std::vector<std::string> directX;
};

SummaryValues SummaryOf(const html::MachineFacts& facts, TextConverter& sjis);

// "4.5" for 45 tenths, as the report prints a multiplier.
std::string Tenths(int64_t tenths);

}  // namespace vornak

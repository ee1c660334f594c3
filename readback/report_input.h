// What vornak-report reads: machine profiles and VORNAK95.LOG files, told
// apart by their content, never by their names. A profile is one machine,
// replayed; a log holds one machine per run of the program.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "readback/input_error.h"
#include "report/memory_outline.h"

namespace vornak {

// Inputs past this size are refused, logs as profiles (kMaxProfileBytes).
extern const size_t kMaxReportInputBytes;

// What a file's first bytes make it: "log", "profile" or "" (another kind).
// kKindStartBytes of them are enough to tell.
inline constexpr size_t kKindStartBytes = 64;
std::string KindOfStart(std::string_view start);

// A machine as messages and pages name it (ReportMachine::Name and the
// outputs' copy of it).
std::string RunName(const std::string& file, int run, int runs);

struct ReportMachine {
  std::string file;           // the name the caller gave
  std::string kind;           // "log" or "profile"
  int run = 1, runs = 1;      // which run of the file this is, of how many
  bool truncated = false;     // a log's run that stops before the report's end
  int lastLineNumber = 0;     // a log's last whole line, counted from 1; 0: none
  std::string lastLine;       // its text (Shift-JIS, as the log has it)
  std::string log;            // the VORNAK95.LOG bytes: the run's lines, or the replay's
  MemoryOutline outline;      // the report, as --outline prints it

  // "FILE", or "FILE (run 2 of 3)" for a file of several runs.
  std::string Name() const { return RunName(file, run, runs); }
};

// The machines in the file at `path`. Throws InputError ("FILE: message" or
// "FILE:LINE: message"): a file that cannot be read, is past the size cap,
// is a profile that does not parse, a log of binary data, or neither
// ("FILE: not a VORNAK95 log or profile"). Neither, past the cap or not,
// is a ForeignFileError: the first bytes of a file past it are still read
// to tell.
std::vector<ReportMachine> ReadReportFile(const std::string& path);

// The same for bytes already read; `name` stands for the file in messages.
std::vector<ReportMachine> ReadReportBytes(const std::string& bytes, const std::string& name);

}  // namespace vornak

// VORNAK95.LOG read back into the report's outline. The log is the report's
// lines in the order they were added, each ended by CR LF (or by LF, once an
// editor or a mail program has converted it); the nesting is rebuilt from
// the rules of readback/log_rules.h. docs/log-format.md says what the reader
// infers, what counts as a truncated run and where a log is ambiguous.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/memory_outline.h"

namespace vornak {

// Longer lines are refused as binary data: no report line is longer than
// 1023 bytes but the CPUID vendor's, which a processor makes 12.
inline constexpr size_t kMaxLogLineBytes = 64 * 1024;

// One run of the program in the log: the writer appends, so a file may hold
// several, and a run may have been cut short by a hang or a reset.
struct LogRun {
  MemoryOutline outline;
  std::string log;            // the run's whole lines, with their line ends
  bool truncated = false;     // it stops before the report's end (docs/log-format.md)
  int lastLineNumber = 0;     // its last whole line, counted from 1 in the file (0: none)
  std::string lastLine;       // that line's text
};

// Whether the bytes start as a log: with kLogRootPrefix, or with a run cut
// inside that text and then appended to (the text's first bytes, then it).
bool StartsAsLog(std::string_view bytes);

// The runs of a log, in file order. `bytes` must start as a log does;
// `name` names the file in errors. A NUL byte, other than in the zeros a
// reset leaves after the last line, and a line over kMaxLogLineBytes throw
// InputError with the line's number.
std::vector<LogRun> ReadLog(std::string_view bytes, const std::string& name);

}  // namespace vornak

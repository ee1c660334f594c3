// One call of vornak-report: every input read, file by file, and each of its
// machines handed to every output before the next file is read.
#pragma once

#include <cstdio>

#include "vornak-report/options.h"

namespace vornak {

inline constexpr int kExitOk = 0, kExitOutput = 1, kExitInput = 2, kExitInternal = 3;

// The outputs `options` asks for, written; returns the exit status. An
// input that cannot be read stops the run (status 2) before any output is
// replaced or anything is written to standard output; so does a page of more
// than kMaxPageMachines machines. Messages, and the notes on truncated runs
// of --log and --outline, go to `err`.
int RunReport(const Options& options, std::FILE* err);

}  // namespace vornak

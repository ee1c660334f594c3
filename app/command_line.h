// The program's command-line switches.
//
//   /LOG          run "&S)ave LOG" at start-up, then exit (batch mode)
//   /RECORD file  record the machine's answers into a profile, then exit
//   /ANALYZE      run "&S)tart Analyz" at start-up and stay open
//
// Switches are case-insensitive and may start with "-" as well as "/".
#pragma once

#include <string>

namespace vornak {

struct CommandLine {
  bool log = false;
  bool analyze = false;
  bool record = false;
  std::string recordPath;
  std::string error;  // non-empty when the line could not be understood
  bool Batch() const { return log || record; }
};

// Parses the arguments after the program name (WinMain's lpCmdLine).
CommandLine ParseCommandLine(const std::string& arguments);

}  // namespace vornak

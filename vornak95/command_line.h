// The program's command-line switches.
//
//   /LOG          run "&S)ave LOG" at start-up, then exit (batch mode)
//   /RECORD file  record the machine's answers into a profile, then exit
//   /ANALYZE      run "&S)tart Analyz" at start-up and stay open
//
// Switches are case-insensitive and may start with "-" as well as "/".
// Words that are not switches (a file dropped on the program, "Open with")
// are ignored when the window opens; in batch mode they are an error.
#pragma once

#include <string>
#include <vector>

namespace vornak {

struct CommandLine {
  bool log = false;
  bool analyze = false;
  bool record = false;
  std::string recordPath;
  std::vector<std::string> ignored;  // words that are not switches
  // The first thing not understood (an unknown switch, /RECORD without a
  // file, and in batch mode any other word); "" when all was understood.
  std::string error;
  bool Batch() const { return log || record; }
};

// Parses the arguments after the program name (WinMain's lpCmdLine).
CommandLine ParseCommandLine(const std::string& arguments);

}  // namespace vornak

// ProgramStarter on the live system: WinExec, the Windows folder and an OK
// box owned by the main window.
#pragma once

#include <windows.h>

#include <string>

#include "vornak95/outside_programs.h"

namespace vornak {

class LiveProgramStarter : public ProgramStarter {
 public:
  LiveProgramStarter(HWND owner, std::string caption) : owner_(owner), caption_(std::move(caption)) {}

  uint32_t WinExec(const std::string& commandLine, int showCommand) override {
    return ::WinExec(commandLine.c_str(), showCommand);
  }
  std::string WindowsDirectory() override {
    char buffer[256] = {0};
    const UINT n = GetWindowsDirectoryA(buffer, sizeof buffer);
    return n > 0 && n < sizeof buffer ? buffer : "";
  }
  void ShowMessage(const std::string& text) override {
    MessageBoxA(owner_, text.c_str(), caption_.c_str(), MB_OK);
  }

 private:
  HWND owner_;
  std::string caption_;
};

}  // namespace vornak

#include "vornak95/outside_programs.h"

namespace vornak {

namespace {

constexpr int kShowNormal = 1;

// WinExec results: above 31 started, 0 out of resources, otherwise an error.
bool Started(uint32_t r) { return r > 31; }

// The paths below contain "program files" and the Windows folder may contain
// blanks as well: unquoted, the system would try "D:\program.exe" first.
std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

}  // namespace

std::string DirectXSetupSecondPath(const std::string& windowsDirectory) {
  return windowsDirectory.substr(0, 1) + ":\\program files\\directx\\setup\\DxSETUP.EXE";
}

std::string ControlPanelPath(const std::string& windowsDirectory) {
  return windowsDirectory + "\\Control.EXE";
}

const char* DirectXSetupMessage(uint32_t result) {
  switch (result) {
    case 2:  // file not found
    case 3:  // path not found
      return "'DXSetup.EXE' File not Found";
    case 11:  // not a Win32 program
      return "Error BAD Format";
  }
  return nullptr;
}

void DirectXSetupCommand(ProgramStarter& starter) {
  uint32_t r = starter.WinExec("DxSETUP.EXE", kShowNormal);
  if (Started(r) || r == 0) return;
  const std::string windows = starter.WindowsDirectory();
  // Without the Windows folder there is no drive to look on; the first
  // attempt's own result is the one to report.
  if (!windows.empty()) r = starter.WinExec(Quoted(DirectXSetupSecondPath(windows)), kShowNormal);
  if (const char* text = DirectXSetupMessage(r)) starter.ShowMessage(text);
}

void ControlPanelCommand(ProgramStarter& starter) {
  const std::string windows = starter.WindowsDirectory();
  if (windows.empty()) return;
  starter.WinExec(Quoted(ControlPanelPath(windows)), kShowNormal);
}

}  // namespace vornak

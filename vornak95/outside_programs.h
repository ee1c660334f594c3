// The two commands that start programs outside VORNAK95: the DirectX setup
// program and the Control Panel. The system calls go through ProgramStarter
// so the decisions are tested without starting anything.
#pragma once

#include <cstdint>
#include <string>

namespace vornak {

class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  virtual uint32_t WinExec(const std::string& commandLine, int showCommand) = 0;
  virtual std::string WindowsDirectory() = 0;  // "" when it cannot be read
  // An OK box owned by the main window, captioned with the application title.
  virtual void ShowMessage(const std::string& text) = 0;
};

// DxSETUP.EXE on the program path; else the copy under "program files" on
// the Windows drive; a box when neither starts for want of the file or
// because it is no program.
void DirectXSetupCommand(ProgramStarter& starter);
void ControlPanelCommand(ProgramStarter& starter);

// "D:\program files\directx\setup\DxSETUP.EXE" for a Windows folder on D.
std::string DirectXSetupSecondPath(const std::string& windowsDirectory);
std::string ControlPanelPath(const std::string& windowsDirectory);

// The words DirectXSetupCommand shows for a WinExec result, or nullptr.
const char* DirectXSetupMessage(uint32_t result);

}  // namespace vornak

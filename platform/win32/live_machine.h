// The running Win32 system as a Machine. Each area's answers live in a file
// of their own (live_<area>.cpp); this class only gathers them.
#pragma once

#include <windows.h>

#include "platform/machine.h"

namespace vornak {

class LiveMachine : public Machine {
 public:
  // The report tree's window: device capabilities, fonts and DirectDraw's
  // cooperative level are taken on it.
  void SetTreeWindow(HWND window) { treeWindow_ = window; }
  HWND TreeWindow() const { return treeWindow_; }

  // --- Operating system (live_system.cpp)
  uint32_t GetVersion() override;
  uint32_t Nuvash32Version() override;

  // --- Processor probes and kernels (live_harlix.cpp)

  // --- PC-98 BIOS work area and ports (live_pc98.cpp)
  std::optional<uint16_t> BiosWord(uint32_t offset) override;
  std::optional<uint8_t> BiosByte(uint32_t offset) override;
  std::optional<uint16_t> ReadPortWord(uint32_t port) override;
  bool WritePortWord(uint32_t port, uint16_t value) override;

  // --- Windows, initialisation files, drives (live_files.cpp)

  // --- DirectX and joysticks (live_directx.cpp)

 private:
  HWND treeWindow_ = nullptr;
};

}  // namespace vornak

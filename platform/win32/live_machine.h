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
  SystemInfo GetSystemInfo() override;
  MemoryStatus GetMemoryStatus() override;
  int32_t GetSystemMetric(int32_t index) override;
  int32_t GetDeviceCaps(int32_t index) override;      // on TreeWindow()'s DC
  std::vector<FontFamily> FontFamilies() override;   // on TreeWindow()'s DC

  // --- Processor probes and kernels (live_harlix.cpp)
  uint32_t CheckCpuid() override;
  CpuidRegs Cpuid(uint32_t leaf) override;
  std::string CpuidVendor() override;
  uint32_t CheckCyrix() override;
  uint32_t ReadCyrixReg(uint32_t index) override;
  uint32_t FDivDetect() override;
  uint32_t RunKernel(Kernel kernel) override;
  uint32_t Convert2Point(uint32_t time) override;
  uint32_t Convert2PointMem(uint32_t time) override;

  // --- PC-98 BIOS work area and ports (live_pc98.cpp)
  std::optional<uint16_t> BiosWord(uint32_t offset) override;
  std::optional<uint8_t> BiosByte(uint32_t offset) override;
  std::optional<uint16_t> ReadPortWord(uint32_t port) override;
  bool WritePortWord(uint32_t port, uint16_t value) override;

  // --- Windows, initialisation files, drives (live_files.cpp)
  std::vector<PaintedWindow> BroadcastPaint() override;
  std::optional<std::string> WindowsDirectory() override;
  std::optional<std::string> SystemDirectory() override;
  std::optional<std::string> TempPath() override;
  std::optional<std::string> ReadFileBytes(const std::string& path) override;
  bool VolumePresent(const std::string& root) override;
  std::optional<VolumeInfo> VolumeInformation(const std::string& root) override;
  uint32_t DriveType(const std::string& root) override;
  std::optional<DiskFreeSpace> DiskFree(const std::string& root) override;

  // --- DirectX and joysticks (live_directx.cpp)
  Direct3DAnswer ProbeDirect3D() override;
  DirectDrawAnswer ProbeDirectDraw(bool directDraw2) override;
  DirectSoundAnswer ProbeDirectSound() override;
  DirectPlayAnswer ProbeDirectPlay() override;
  uint32_t JoyGetNumDevs() override;
  JoyCaps JoyGetDevCaps(uint32_t device) override;

 private:
  HWND treeWindow_ = nullptr;
};

}  // namespace vornak

// The machine as a run asks it: every question passed on unchanged, and the
// run's log committed to the disk before each question that can hang the
// machine: one that waits on a driver (display, sound, game port), a port or
// BIOS-area access on the wrong kind of PC, a drive or a file on it (a floppy
// drive without a disk, a network drive that went away), or another
// program's window. After the reset the log then ends with the last line
// logged before the question, most often the one that names it (a drive's
// "--- C ---"). The list of those questions is here and nowhere else; a new
// question of the Machine seam must be passed on here too.
//
// Not on the list, because the system answers them from its own tables
// without waiting on anything: the version, system, memory and metrics
// questions, GetDeviceCaps (kept with the device context), the Windows,
// system and temporary folders (kept strings and the environment; nothing
// is opened), and NUVASH32's version, the processor probes and the kernels
// (this program's own libraries).
#pragma once

#include "platform/machine.h"
#include "report/report_tree.h"

namespace vornak {

class CommittingMachine : public Machine {
 public:
  CommittingMachine(Machine& machine, ReportTree& tree) : m_(machine), tree_(tree) {}

  uint32_t GetVersion() override { return m_.GetVersion(); }
  uint32_t Nuvash32Version() override { return m_.Nuvash32Version(); }
  SystemInfo GetSystemInfo() override { return m_.GetSystemInfo(); }
  MemoryStatus GetMemoryStatus() override { return m_.GetMemoryStatus(); }
  int32_t GetSystemMetric(int32_t index) override { return m_.GetSystemMetric(index); }
  int32_t GetDeviceCaps(int32_t index) override { return m_.GetDeviceCaps(index); }
  std::vector<FontFamily> FontFamilies() override;

  uint32_t CheckCpuid() override { return m_.CheckCpuid(); }
  CpuidRegs Cpuid(uint32_t leaf) override { return m_.Cpuid(leaf); }
  std::string CpuidVendor() override { return m_.CpuidVendor(); }
  uint32_t CheckCyrix() override { return m_.CheckCyrix(); }
  uint32_t ReadCyrixReg(uint32_t index) override;
  uint32_t FDivDetect() override { return m_.FDivDetect(); }

  uint32_t RunKernel(Kernel kernel) override { return m_.RunKernel(kernel); }
  uint32_t Convert2Point(uint32_t time) override { return m_.Convert2Point(time); }
  uint32_t Convert2PointMem(uint32_t time) override { return m_.Convert2PointMem(time); }

  std::optional<uint16_t> BiosWord(uint32_t offset) override;
  std::optional<uint8_t> BiosByte(uint32_t offset) override;
  std::optional<uint16_t> ReadPortWord(uint32_t port) override;
  bool WritePortWord(uint32_t port, uint16_t value) override;

  std::vector<PaintedWindow> BroadcastPaint() override;
  std::optional<std::string> WindowsDirectory() override { return m_.WindowsDirectory(); }
  std::optional<std::string> SystemDirectory() override { return m_.SystemDirectory(); }
  std::optional<std::string> TempPath() override { return m_.TempPath(); }
  std::optional<std::string> ReadFileBytes(const std::string& path) override;
  bool VolumePresent(const std::string& root) override;
  std::optional<VolumeInfo> VolumeInformation(const std::string& root) override;
  uint32_t DriveType(const std::string& root) override;
  std::optional<DiskFreeSpace> DiskFree(const std::string& root) override;

  Direct3DAnswer ProbeDirect3D() override;
  DirectDrawAnswer ProbeDirectDraw(bool directDraw2) override;
  DirectSoundAnswer ProbeDirectSound() override;
  DirectPlayAnswer ProbeDirectPlay() override;
  uint32_t JoyGetNumDevs() override;
  JoyCaps JoyGetDevCaps(uint32_t device) override;

 private:
  Machine& m_;
  ReportTree& tree_;
};

}  // namespace vornak

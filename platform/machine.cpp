// Default answers: what a machine without the feature in question gives.
// A profile that lacks an answer replays these (docs/profile-format.md).
#include "platform/machine.h"

namespace vornak {

const char* KernelName(Kernel k) {
  static const char* const kNames[] = {
      "MemClr",    "MemChk16K", "MemChk32K", "MemChk64K",   "MemChk128K",
      "MemChk256K", "MemChk512K", "MemChk1M", "MemChk2M",   "MemChk4M",
      "MemChk8M",  "MemChk12M", "MemChk16M", "MemChk24M",   "MemChk32M",
      "SpeedInt",  "SpeedFloat", "Base",     "Int",         "Float",
      "FloatNoWait", "FloatMix", "FloatMixNoWait"};
  static_assert(sizeof kNames / sizeof kNames[0] == static_cast<size_t>(Kernel::Count),
                "one name per kernel");
  auto i = static_cast<size_t>(k);
  return i < static_cast<size_t>(Kernel::Count) ? kNames[i] : "?";
}

// Windows NT 4.0, build 1381: the plainest 32-bit Windows of the family.
uint32_t Machine::GetVersion() { return 0x05650004; }
uint32_t Machine::Nuvash32Version() { return 0; }
SystemInfo Machine::GetSystemInfo() { return {}; }
MemoryStatus Machine::GetMemoryStatus() { return {}; }
int32_t Machine::GetSystemMetric(int32_t) { return 0; }
int32_t Machine::GetDeviceCaps(int32_t) { return 0; }
std::vector<FontFamily> Machine::FontFamilies() { return {}; }

uint32_t Machine::CheckCpuid() { return 0; }
CpuidRegs Machine::Cpuid(uint32_t) { return {}; }
std::string Machine::CpuidVendor() { return std::string(); }
uint32_t Machine::CheckCyrix() { return 0; }
// What Harlix.dll answers where port access is refused.
uint32_t Machine::ReadCyrixReg(uint32_t index) { return (index & 0xFFFFFF00u) | 0xFF; }
uint32_t Machine::FDivDetect() { return 1; }

uint32_t Machine::RunKernel(Kernel) { return 0; }
// The conversions are pure arithmetic; a replay computes them the same way.
uint32_t Machine::Convert2Point(uint32_t t) { return t == 0 ? 0 : 50000000u / t; }
uint32_t Machine::Convert2PointMem(uint32_t t) { return t == 0 ? 0 : 50000000u / t; }

std::optional<uint16_t> Machine::BiosWord(uint32_t) { return std::nullopt; }
std::optional<uint8_t> Machine::BiosByte(uint32_t) { return std::nullopt; }
std::optional<uint16_t> Machine::ReadPortWord(uint32_t) { return std::nullopt; }
bool Machine::WritePortWord(uint32_t, uint16_t) { return false; }

std::vector<PaintedWindow> Machine::BroadcastPaint() { return {}; }
std::optional<std::string> Machine::WindowsDirectory() { return std::nullopt; }
std::optional<std::string> Machine::SystemDirectory() { return std::nullopt; }
std::optional<std::string> Machine::TempPath() { return std::nullopt; }
std::optional<std::string> Machine::ReadFileBytes(const std::string&) { return std::nullopt; }
bool Machine::VolumePresent(const std::string&) { return false; }
std::optional<VolumeInfo> Machine::VolumeInformation(const std::string&) { return std::nullopt; }
uint32_t Machine::DriveType(const std::string&) { return 1; }  // DRIVE_NO_ROOT_DIR
std::optional<DiskFreeSpace> Machine::DiskFree(const std::string&) { return std::nullopt; }

Direct3DAnswer Machine::ProbeDirect3D() { return {}; }
DirectDrawAnswer Machine::ProbeDirectDraw(bool) { return {}; }
DirectSoundAnswer Machine::ProbeDirectSound() { return {}; }
DirectPlayAnswer Machine::ProbeDirectPlay() { return {}; }
uint32_t Machine::JoyGetNumDevs() { return 0; }
JoyCaps Machine::JoyGetDevCaps(uint32_t) { return {}; }

}  // namespace vornak

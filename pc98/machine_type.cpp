#include "pc98/machine_type.h"

#include "pc98/pc98_tables.h"
#include "report/wsformat.h"

namespace vornak {

namespace {

// BIOS work-area offsets from selector 0x40 (linear 0x400 + offset).
constexpr uint32_t kBiosCpuId = 0x86;
constexpr uint32_t kBiosDisplayMode = 0x101;
constexpr uint32_t kBiosGraphicsCharger = 0x14C;
constexpr uint32_t kBiosGraphicsBoard = 0x14D;
constexpr uint32_t kBiosDiskUnits = 0x15C;

constexpr uint32_t kPortSoundId = 0xA460;
constexpr uint32_t kPortScsiSelect = 0xCC0;
constexpr uint32_t kPortScsiData = 0xCC2;
constexpr uint32_t kPortDiskStatus = 0x82;

// A port nobody answers reads as all ones on the PC-98 bus; a refused read is
// reported the same way, so it shows as "no such board" rather than as a
// board made up from zeros.
constexpr uint16_t kFloatingBus = 0xFFFF;

uint16_t Port(Machine& m, uint32_t port) { return m.ReadPortWord(port).value_or(kFloatingBus); }

// The hardware groups run only after the type probe has read the work area,
// so a refusal here is not expected; zero reads as "nothing fitted".
uint16_t Bios(Machine& m, uint32_t offset) { return m.BiosWord(offset).value_or(0); }

const char* Connection(uint32_t bits) { return (bits & 1) ? "Connect device" : "Not connect device"; }

// The processor family the BIOS records at 0x486 must match the one Windows
// reports; 0 when Windows reports no x86 class we know.
uint32_t ExpectedFamily(uint32_t processorType) {
  switch (processorType) {
    case 386: return 3;
    case 486: return 4;
    case 586: return 5;
    case 686: return 6;
    default: return 0;
  }
}

}  // namespace

uint16_t DetectMachineType(Machine& m) {
  if (!(m.GetVersion() & 0x80000000u)) return kMachineUnknown;
  std::optional<uint16_t> cpuWord = m.BiosWord(kBiosCpuId);
  if (!cpuWord) return kMachineUnknown;
  uint32_t family = ExpectedFamily(m.GetSystemInfo().processorType);
  if (family == 0 || (*cpuWord & 0x0F00u) != family << 8) return kMachineIbmPc;
  std::optional<uint8_t> mode = m.BiosByte(kBiosDisplayMode);
  if (!mode) return kMachineUnknown;
  uint32_t model = *mode & 7u;
  return (model >= 1 && model <= 5) ? kMachinePc98 : kMachineIbmPc;
}

uint16_t MachineTypeSection(Analysis& a, Item parent) {
  uint16_t type = DetectMachineType(a.machine);
  if (type == kMachinePc98) {
    Item m = a.Add(parent, "MACHINE:PC-9801 / EPSON");
    Pc98HardwareSection(a, m);
    a.tree.Expand(m);
  } else if (type == kMachineIbmPc) {
    a.Add(parent, "MACHINE:IBM-PC or AT compatible");
  }
  return type;
}

void Pc98HardwareSection(Analysis& a, Item machine) {
  Pc98GraphicsLines(a, a.Add(machine, "Graphics"));
  Pc98SoundBoardLines(a, a.Add(machine, "Sound Board"));
  Pc98ScsiLines(a, a.Add(machine, "SCSI Board"));
  Pc98FixedDiskLines(a, a.Add(machine, "SASI/IDE Drive"));
  Pc98FloppyLines(a, a.Add(machine, "Floppy Disk"));
}

void Pc98GraphicsLines(Analysis& a, Item group) {
  uint16_t words[3];
  words[kDisplayMode] = Bios(a.machine, kBiosDisplayMode);
  words[kGraphicsBoard] = Bios(a.machine, kBiosGraphicsBoard);
  words[kGraphicsCharger] = Bios(a.machine, kBiosGraphicsCharger);
  bool highResolution = words[kDisplayMode] & kHighResolutionBit;
  for (size_t i = 0; i < kGraphicsLineCount; ++i) {
    const GraphicsLine& l = kGraphicsLines[i];
    if (l.normalResolutionOnly && highResolution) continue;
    a.Add(group, WsFormat(l.format, (words[l.word] & l.bit) ? l.set : l.clear));
  }
}

void Pc98SoundBoardLines(Analysis& a, Item group) {
  uint32_t id = Port(a.machine, kPortSoundId) & 0xFFu;
  uint32_t board = id != 0xFF ? id >> 4 : 0xFF;
  std::string line = WsFormat(kUnknownSoundBoard, board);
  for (size_t i = 0; i < kSoundBoardCount; ++i)
    if (kSoundBoards[i].id == board) line = kSoundBoards[i].text;
  a.Add(group, line);
  if (board == 15) return;  // the 26K has no selectable FM mode
  uint32_t mode = Port(a.machine, kPortSoundId) & 0xFu;
  if (mode == 0) a.Add(group, "FM-Sound Mode:YM-2203");
  if (mode == 1) a.Add(group, "FM-Sound Mode:YM-2608");
}

void Pc98ScsiLines(Analysis& a, Item group) {
  Machine& m = a.machine;
  if (Port(m, kPortScsiData) == 0xFFFF) {
    a.Add(group, "SCSI I/F not found");
    return;
  }
  m.WritePortWord(kPortScsiSelect, 0x33);
  a.Add(group, WsFormat("I/F ID:%.1x", Port(m, kPortScsiData) & 7u));
  Port(m, kPortScsiData);  // the interface expects this read before the reselect
  m.WritePortWord(kPortScsiSelect, 0x33);
  a.Add(group, WsFormat("I/F ILV: %.1x", (Port(m, kPortScsiData) >> 3) & 7u));
  m.WritePortWord(kPortScsiSelect, 0x30);
  a.Add(group, WsFormat("Rom Bank:%s", (Port(m, kPortScsiData) & 0x40) ? "High" : "Low"));
  a.Add(group, WsFormat("System Local-Mem Access:%s", (Port(m, kPortScsiData) & 0x08) ? "Yes" : "No"));
  a.Add(group, WsFormat("Interface Int to System:%s", (Port(m, kPortScsiData) & 0x04) ? "Yes" : "No"));
}

void Pc98FixedDiskLines(Analysis& a, Item group) {
  uint32_t units = Bios(a.machine, kBiosDiskUnits) >> 8;
  for (int32_t i = 0; i < 4; ++i) {
    uint32_t status = Port(a.machine, kPortDiskStatus);
    if (i == 0) status >>= 3;  // unit 0 reports in bits 3-5, the others in bits 0-2
    const char* format = (status & 7) == 7 ? "IDE (%1d): %s" : "SASI (%1d): %s";
    std::string line = WsFormat(format, i, Connection(units));
    units >>= 1;
    a.Add(group, line);
  }
}

void Pc98FloppyLines(Analysis& a, Item group) {
  uint32_t units = Bios(a.machine, kBiosDiskUnits);
  // Bits 8-11 between the 320 KB and the 640 KB drives are the SASI/IDE units.
  static const struct {
    const char* format;
    uint32_t firstBit;
  } kKinds[] = {{"1M   FDD (%1d): %s", 0}, {"320K FDD (%1d): %s", 4}, {"640K FDD (%1d): %s", 12}};
  for (const auto& kind : kKinds)
    for (int32_t i = 0; i < 4; ++i)
      a.Add(group, WsFormat(kind.format, i, Connection(units >> (kind.firstBit + i))));
}

}  // namespace vornak

// Which family of PC the program runs on (IBM PC/AT or NEC PC-98), and on a
// PC-98 the machine-specific hardware found in its BIOS work area and ports.
#pragma once

#include <cstdint>

#include "report/analysis.h"

namespace vornak {

enum MachineType : uint16_t {
  kMachinePc98 = 0x00,     // PC-9801 family or EPSON compatible
  kMachineIbmPc = 0x10,    // IBM PC/AT compatible
  kMachineUnknown = 0xFF,  // the BIOS work area cannot be read (NT family)
};

uint16_t DetectMachineType(Machine& m);

// Adds the "MACHINE:" line (none when the type is unknown) and, on a PC-98,
// the hardware groups under it. Returns the machine type.
uint16_t MachineTypeSection(Analysis& a, Item parent);

void Pc98HardwareSection(Analysis& a, Item machine);
void Pc98GraphicsLines(Analysis& a, Item group);
void Pc98SoundBoardLines(Analysis& a, Item group);
void Pc98ScsiLines(Analysis& a, Item group);
void Pc98FixedDiskLines(Analysis& a, Item group);
void Pc98FloppyLines(Analysis& a, Item group);

}  // namespace vornak

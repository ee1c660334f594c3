#include "cpu/processor_signature.h"

#include <string>

#include "report/wsformat.h"

namespace vornak {

namespace {

// Bits 16-31 of leaf-3 EDX on a part whose vendor starts with G and that
// has leaf 3; empty otherwise.
std::optional<uint32_t> BusStrapWord(Machine& m) {
  std::string vendor = m.CpuidVendor();
  if (vendor.empty() || vendor[0] != 'G') return std::nullopt;
  if (m.Cpuid(0).eax < 3) return std::nullopt;
  return m.Cpuid(3).edx >> 16;
}

}  // namespace

int32_t FrontSideBusMHz(Machine& m) {
  std::optional<uint32_t> h = BusStrapWord(m);
  if (!h) return 0;
  return (*h & 0xFFF8u) ? 133 : 100;
}

double ClockMultiplier(Machine& m) {
  std::optional<uint32_t> h = BusStrapWord(m);
  if (!h) return 0.0;
  uint32_t n = *h & 0xFu;
  uint32_t model = m.Cpuid(1).eax & 0xFF8u;
  if (model == 0x670) return 4.5 + 0.5 * n;
  if (model == 0x680) return 5.0 + 0.5 * n;
  return 0.0;
}

void ProcessorSignature(Analysis& a, Item parent) {
  CpuidRegs serial = a.machine.Cpuid(3);
  Item block = a.Add(parent, "----- Pentium III/ Pentium III Xeon Processor Signiture -----");
  uint32_t signature = a.machine.Cpuid(1).eax;
  a.Add(block, WsFormat("Spec:%.4x-%.4x-%.4x-%.4x-%.4x-%.4x", signature >> 16, signature & 0xFFFFu,
                        serial.edx >> 16, serial.edx & 0xFFFFu, serial.ecx >> 16,
                        serial.ecx & 0xFFFFu));
  int32_t bus = FrontSideBusMHz(a.machine);
  double multiplier = ClockMultiplier(a.machine);
  auto tenths = static_cast<int32_t>(multiplier * 10);
  a.Add(block, WsFormat("FSB      : %.3d MHz", bus));
  a.Add(block, WsFormat("Multiple : %d.%d Times", tenths / 10, tenths % 10));
  a.Add(block, WsFormat("Clock    : %4d MHz", static_cast<int32_t>(bus * multiplier)));
  a.tree.Expand(block);
}

}  // namespace vornak

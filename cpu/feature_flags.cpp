#include "cpu/feature_flags.h"

#include "cpu/feature_flag_tables.h"
#include "report/wsformat.h"

namespace vornak {

namespace {

void ListFlags(Analysis& a, Item parent, const FlagTable& table, uint32_t leaf) {
  uint32_t flags = a.machine.Cpuid(leaf).edx;
  Item header = a.Add(parent, table.header);
  a.Add(header, WsFormat("Spec:%.8lx", static_cast<unsigned long>(flags)));
  for (size_t i = 0; i < table.count; ++i) {
    const FlagLine& l = table.lines[i];
    bool on = (flags >> l.bit) & 1u;
    Item line = a.Add(header, on ? l.set : l.clear);
    if (l.bit == 0 && on) FpuCheck(a, line);
  }
}

}  // namespace

void IntelFeatures(Analysis& a, Item parent) { ListFlags(a, parent, kIntelFlagTable, 1); }
void AmdK5Features(Analysis& a, Item parent) { ListFlags(a, parent, kAmdK5FlagTable, 1); }
void AmdFeatures(Analysis& a, Item parent) { ListFlags(a, parent, kAmdFlagTable, 1); }
void AmdExtendedFeatures(Analysis& a, Item parent) {
  ListFlags(a, parent, kAmdExtendedFlagTable, 0x80000001u);
}

void FpuCheck(Analysis& a, Item item) {
  auto result = static_cast<int16_t>(a.machine.FDivDetect() & 0xFFFFu);
  if (result == 1)
    a.Add(item, "FPU Check : FPU OK!");
  else if (result == -1)
    a.Add(item, "FPU Check : FPU ok (with Bug)");
  else
    a.Add(item, "FPU Check : FPU has flow(Bug's in)");
}

}  // namespace vornak

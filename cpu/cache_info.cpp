#include "cpu/cache_info.h"

#include "cpu/cache_tables.h"
#include "report/wsformat.h"

namespace vornak {

void AmdCacheInfo(Analysis& a, Item parent) {
  CpuidRegs r = a.machine.Cpuid(0x80000005u);
  Item header = a.Add(parent, "----- AMD Cache Infomation -----");
  const uint32_t regs[] = {r.ebx, r.ecx, r.edx};  // in AmdCacheRegister order
  for (size_t i = 0; i < kAmdCacheLineCount; ++i) {
    const AmdCacheLine& l = kAmdCacheLines[i];
    auto value = static_cast<int32_t>((regs[l.reg] >> (8 * l.byte)) & 0xFFu);
    a.Add(header, WsFormat(l.format, value));
  }
}

void ProcessorConfiguration(Analysis& a, Item parent) {
  // One read: the iteration count in AL and the reserved bit 31 of each
  // register are left alone.
  CpuidRegs r = a.machine.Cpuid(2);
  Item header = a.Add(parent, "----- Processor configuration parameters -----");
  a.Add(header, WsFormat("Spec:%.8lx:%.8lx:%.8lx:%.8lx", static_cast<unsigned long>(r.eax),
                         static_cast<unsigned long>(r.ebx), static_cast<unsigned long>(r.ecx),
                         static_cast<unsigned long>(r.edx)));
  for (int shift = 8; shift < 32; shift += 8)  // AL is the count, not a descriptor
    CacheDescriptorLine(a, header, static_cast<uint8_t>(r.eax >> shift));
  for (uint32_t reg : {r.ebx, r.ecx, r.edx})
    for (int shift = 0; shift < 32; shift += 8)
      CacheDescriptorLine(a, header, static_cast<uint8_t>(reg >> shift));
}

void CacheDescriptorLine(Analysis& a, Item header, uint8_t descriptor) {
  for (size_t i = 0; i < kCacheDescriptorCount; ++i)
    if (kCacheDescriptors[i].code == descriptor) a.Add(header, kCacheDescriptors[i].text);
}

}  // namespace vornak

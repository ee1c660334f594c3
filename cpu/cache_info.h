// Cache and TLB sections of the CPU report.
#pragma once

#include <cstdint>

#include "report/analysis.h"

namespace vornak {

// AMD's TLB and L1 figures from CPUID 0x80000005.
void AmdCacheInfo(Analysis& a, Item parent);

// The raw CPUID 2 registers with their descriptor bytes decoded.
void ProcessorConfiguration(Analysis& a, Item parent);

// One line under `header` for a known descriptor byte; nothing otherwise.
void CacheDescriptorLine(Analysis& a, Item header, uint8_t descriptor);

}  // namespace vornak

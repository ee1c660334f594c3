// The CPU part of the report: what CPUID and the library say about the
// processor, its name, and the benchmark sections.
#pragma once

#include <cstdint>

#include "report/analysis.h"

namespace vornak {

// Adds the CPU lines under `parent` (the system's processor-type line).
void CpuSection(Analysis& a, Item parent);

// The name line(s) for `signature`, then "----- VORNAK Harlix -----" with the
// time-stamp section (families 5 and 6 with a time-stamp counter) or the
// speed section, and the memory section.
void CpuFamilyDispatch(Analysis& a, Item parent, uint32_t signature);

// The on-chip L2 size in KB from CPUID leaf 2; the caller makes sure the
// leaf exists.
int32_t L2CacheSizeKB(Machine& m);

}  // namespace vornak

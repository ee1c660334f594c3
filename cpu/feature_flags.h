// The feature-flag listings of the CPU section and the FDIV check.
#pragma once

#include "report/analysis.h"

namespace vornak {

// Each adds its header under `parent`, the raw flag word and one line per
// listed bit; a present FPU gets the FDIV check under its line.
void IntelFeatures(Analysis& a, Item parent);        // CPUID 1
void AmdK5Features(Analysis& a, Item parent);        // CPUID 1
void AmdFeatures(Analysis& a, Item parent);          // CPUID 1
void AmdExtendedFeatures(Analysis& a, Item parent);  // CPUID 0x80000001

// Adds the FDIV result under `item`.
void FpuCheck(Analysis& a, Item item);

}  // namespace vornak

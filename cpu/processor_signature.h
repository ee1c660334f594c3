// The processor serial-number block (CPUID 3) with the bus speed, multiplier
// and clock derived from it.
#pragma once

#include <cstdint>

#include "report/analysis.h"

namespace vornak {

void ProcessorSignature(Analysis& a, Item parent);

// 100 or 133 on an Intel part with leaf 3; 0 elsewhere.
int32_t FrontSideBusMHz(Machine& m);
// Core/bus ratio of a Pentium III (models 7 and 8); 0.0 elsewhere.
double ClockMultiplier(Machine& m);

}  // namespace vornak

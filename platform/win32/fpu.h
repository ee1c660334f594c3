// The x87 unit's precision for the whole program.
#pragma once

#include <float.h>

namespace vornak {

// The compare lines compute in double precision. The runtime starts the x87
// unit at 64-bit precision, whose intermediates can truncate to another digit
// ("18.700" against "18.699") than a replay on a processor that computes in
// doubles; 53 bits gives the double results everywhere.
inline void UseDoublePrecision() { _controlfp(_PC_53, _MCW_PC); }

}  // namespace vornak

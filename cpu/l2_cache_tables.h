// The on-chip L2 size as the low nibble of CPUID leaf 2 EDX gives it, and the
// suffix a family-6 name carries for each size.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vornak {

// Indexed by the nibble; 0 and 8-15 mean no L2 we know of.
extern const int32_t kL2SizeKBByNibble[16];

struct L2Suffix {
  int32_t sizeKB;
  const char* text;
};
extern const L2Suffix kL2Suffixes[];
extern const size_t kL2SuffixCount;

}  // namespace vornak

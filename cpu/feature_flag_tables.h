// The feature-flag listings: one line per CPUID EDX bit, in bit order, with
// the vendor's own wording and spacing.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vornak {

struct FlagLine {
  uint8_t bit;
  const char* set;
  const char* clear;
};

struct FlagTable {
  const char* header;
  const FlagLine* lines;  // bit 0 (the FPU) first
  size_t count;
};

extern const FlagTable kIntelFlagTable;        // leaf 1, every vendor but AMD
extern const FlagTable kAmdK5FlagTable;        // leaf 1, AMD K5 model 0
extern const FlagTable kAmdFlagTable;          // leaf 1, later AMD parts
extern const FlagTable kAmdExtendedFlagTable;  // leaf 0x80000001

}  // namespace vornak

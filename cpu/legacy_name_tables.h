// Names of the processors before the Pentium: family-4 and older CPUID
// signatures, and Cyrix parts identified by their DIR0 register.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cpu/signature_table.h"

namespace vornak {

extern const SignatureTable kName486Table;
inline constexpr const char* kUnknown486 = "Unknown Intel 486 Based Processor or Compatible";

// Names appended to "CPU Type : "; an empty name leaves the line bare.
extern const SignatureTable kName386Table;
inline constexpr const char* kCpuTypePrefix = "CPU Type : ";
inline constexpr const char* kUnknown386 = "Unknown Intel 80386 Based Processor";

struct CyrixName {
  uint8_t dir0;
  const char* name;
};
extern const CyrixName kCyrixNames[];
extern const size_t kCyrixNameCount;
inline constexpr const char* kUnknownCyrix = "UnKnown Cyrix CPU ";

}  // namespace vornak

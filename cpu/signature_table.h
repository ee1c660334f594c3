// The shape of the processor naming tables: rows tried in order, the first
// whose masked signature equals its value names the processor.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vornak {

// Signature masks (CPUID 1 EAX).
inline constexpr uint32_t kWholeSignature = 0xFFFFFFFFu;
inline constexpr uint32_t kTypeFamilyModel = 0xFFF0u;
inline constexpr uint32_t kTypeFamily = 0xFF00u;
inline constexpr uint32_t kLow12Bits = 0xFFFu;
inline constexpr uint32_t kFamilyModel = 0xFF0u;
inline constexpr uint32_t kModelBits = 0xF0u;
// A row with this mask and value 0 matches every signature: a table's catch-all.
inline constexpr uint32_t kAnySignature = 0u;

struct SignatureName {
  uint32_t mask;
  uint32_t value;
  const char* name;
};

struct SignatureTable {
  const SignatureName* rows;
  size_t count;
};

// The first matching row's name, or null when no row matches.
const char* FindSignatureName(const SignatureTable& table, uint32_t signature);

// Follows the line naming an unrecognised processor class.
inline constexpr const char* kPleaseReport = "Please report to me about your system.";

}  // namespace vornak

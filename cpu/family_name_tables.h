// Names of family-5 and family-6 processors. The family-5 tables end in a
// catch-all row, so a processor of a known type always gets a name there.
#pragma once

#include <climits>
#include <cstddef>
#include <cstdint>

#include "cpu/signature_table.h"

namespace vornak {

// Family 5, processor type 0, by vendor; then the OverDrive (type 1) and
// dual-system (type 2) parts.
extern const SignatureTable kPentiumAmdTable;
extern const SignatureTable kPentiumCyrixTable;
extern const SignatureTable kPentiumTable;
extern const SignatureTable kPentiumOverDriveTable;
extern const SignatureTable kPentiumDualTable;
inline constexpr const char* kUnknownPentium = "Unknown Pentium Processor";

// Family 6, type 0, vendor other than AMD: a row names the processor when its
// masked signature matches and the on-chip L2 size lies in [minL2, maxL2].
// Models without a row get no name and no L2 suffix.
inline constexpr int32_t kAnyL2Max = INT32_MAX;
struct P6Name {
  uint32_t mask;
  uint32_t value;
  int32_t minL2;
  int32_t maxL2;
  const char* name;
};
extern const P6Name kP6Names[];
extern const size_t kP6NameCount;
// Family 6 OverDrive (type 1): no L2 suffix.
extern const SignatureTable kP6OverDriveTable;
inline constexpr const char* kUnknownP6 =
    "Unknown Intel Pentium Pro(P6) Based Processor or Compatible";

// Family 6, type 0, AMD: only model 1 is named; other models stay blank.
extern const SignatureTable kK7Table;
inline constexpr const char* kUnknownK7 = "Unknown AMD K7 Based Processor or Compatible";

}  // namespace vornak

// The words of the DirectX report: flag texts and the record fields shown as
// numbers, kept apart from the code that walks them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/machine.h"

namespace vornak {

struct FlagText {
  uint32_t mask;
  const char* text;
};

struct FlagTable {
  const FlagText* rows;
  size_t count;
};

// DirectDraw caps, shown with "YES" or "NO" after each text.
extern const FlagTable kDdGeneralFlags;   // dwCaps, under "General Support"
extern const FlagTable kDdBlitFlags;      // dwCaps, under "Hardware Blit function supports"
extern const FlagTable kDdOverlayFlags;   // dwCaps, under "Hardware Overlay"
extern const FlagTable kDdCaps2Flags;     // dwCaps2

// Shown only when set.
extern const FlagTable kDpCapsFlags;      // DPCAPS dwFlags
extern const FlagTable kJoyCapsFlags;     // JOYCAPS wCaps

template <typename Record>
struct FieldLine {
  const char* format;  // one number directive
  uint32_t Record::*field;
};

template <typename Record>
struct FieldTable {
  const FieldLine<Record>* rows;
  size_t count;
  bool signedNumbers;  // the formats take %d rather than %u
};

extern const FieldTable<DdCaps> kDdAlphaLines;        // "%d", under "Alpha"
extern const FieldTable<DsCaps> kDsGeneralLines;      // "%u", under the sound item
extern const FieldTable<DsCaps> kDsMixingLines;       // "%u", under "Hardware Mixing"
extern const FieldTable<DsCaps> kDs3DLines;           // "%u", under "Hardware 3D Sound"
extern const FieldTable<DpCaps> kDpCapsLines;         // "%d" of the low 16 bits

}  // namespace vornak

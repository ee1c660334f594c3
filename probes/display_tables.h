// What the display device's capability words mean, and the device figures
// shown as numbers, kept apart from the code that reads them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vornak {

// The words a capability line shows for a set / clear bit.
enum CapabilityWords : uint8_t { kYesNo, kSupportNotSupport };

struct CapabilityLine {
  uint32_t bit;
  const char* format;  // one %s
  CapabilityWords words;
  bool underSubHeader;  // under the group's sub-header, else under the group
};

struct CapabilityGroup {
  const char* title;
  int32_t index;          // GetDeviceCaps index of the capability word
  const char* summary;    // "Yes" when the word is non-zero; null for none
  const char* subHeader;  // null for none
  const CapabilityLine* lines;
  size_t count;
};
extern const CapabilityGroup kCapabilityGroups[];
extern const size_t kCapabilityGroupCount;

// A line of up to three GetDeviceCaps values, in format order.
struct DeviceFigure {
  const char* format;
  size_t count;
  int32_t index[3];
};
extern const DeviceFigure kDeviceFigures[];
extern const size_t kDeviceFigureCount;

inline constexpr int32_t kDriverVersionIndex = 0;  // DRIVERVERSION
inline constexpr int32_t kClipCapsIndex = 36;      // CLIPCAPS

}  // namespace vornak

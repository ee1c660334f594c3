// The DirectX lines of the report: which components start, what their
// capability records say, the DirectPlay providers and the joysticks.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "report/analysis.h"

namespace vornak {

// Adds "DirectX" under the root and its six sub-sections, in order.
void DirectXSection(Analysis& a, Item root);

// Each adds its own heading under the "DirectX" item.
void Direct3DSection(Analysis& a, Item directX);
void DirectDrawSection(Analysis& a, Item directX);
void DirectDraw2Section(Analysis& a, Item directX);
void DirectSoundSection(Analysis& a, Item directX);
void DirectPlaySection(Analysis& a, Item directX);
void JoystickSection(Analysis& a, Item directX);

// The decoded lines of one DirectDraw capability record.
void DirectDrawCapsLines(Analysis& a, Item device, const DdCaps& caps);

using ProviderGuid = std::array<uint8_t, 16>;

struct ProviderEntry {
  uint16_t inUse = 0;
  ProviderGuid guid{};
  std::array<char, 128> name{};  // always terminated; longer names are cut
  uint32_t major = 0, minor = 0;
};

// The DirectPlay providers of one report, in a table of ten slots, and the
// capabilities of the first one. The machine creates, asks and releases the
// DirectPlay object in its own probe, so nothing is held here beyond the
// answers.
class DirectPlayProbe {
 public:
  static constexpr size_t kSlots = 10;

  explicit DirectPlayProbe(Machine& machine);  // enumerates the providers

  size_t Count() const { return count_; }  // leading slots in use
  const ProviderEntry& Slot(size_t i) const { return slots_[i]; }

  // 0 when the object was created for `guid` and answered its caps,
  // otherwise the failing result code.
  uint32_t CreateAndGetCaps(const ProviderGuid& guid);
  bool Created() const { return created_; }
  const DpCaps& Caps() const { return caps_; }

 private:
  // The enumeration callback: fills the first free slot, drops a provider
  // beyond the tenth, and always asks for more.
  static bool OnProvider(const DirectPlayProvider& p, void* context);

  std::array<ProviderEntry, kSlots> slots_{};
  size_t count_ = 0;
  DirectPlayAnswer answer_;
  ProviderGuid guid_{};
  bool created_ = false;
  DpCaps caps_;
};

}  // namespace vornak

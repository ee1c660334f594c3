#include <algorithm>

#include "probes/directx_section.h"

namespace vornak {

namespace {
constexpr uint32_t kDpErrGeneric = 0x80004005;  // E_FAIL
}

DirectPlayProbe::DirectPlayProbe(Machine& machine) : answer_(machine.ProbeDirectPlay()) {
  for (const DirectPlayProvider& p : answer_.providers)
    if (!OnProvider(p, this)) break;
  while (count_ < kSlots && slots_[count_].inUse) ++count_;
}

bool DirectPlayProbe::OnProvider(const DirectPlayProvider& p, void* context) {
  auto* self = static_cast<DirectPlayProbe*>(context);
  for (ProviderEntry& slot : self->slots_) {
    if (slot.inUse) continue;
    slot.inUse = 1;
    // A recording may hold a GUID of another length: take what fits.
    slot.guid.fill(0);
    std::copy_n(p.guid.begin(), std::min(p.guid.size(), slot.guid.size()), slot.guid.begin());
    const size_t n = std::min(p.name.size(), slot.name.size() - 1);
    std::copy_n(p.name.begin(), n, slot.name.begin());
    slot.name[n] = '\0';
    slot.major = p.major;
    slot.minor = p.minor;
    break;
  }
  return true;
}

uint32_t DirectPlayProbe::CreateAndGetCaps(const ProviderGuid& guid) {
  guid_ = guid;
  created_ = false;
  // The machine creates the object only for the first provider it reported;
  // for any other GUID there is no answer to give.
  const bool first = count_ > 0 && guid == slots_[0].guid;
  if (!first || !answer_.attempted) return kDpErrGeneric;
  if (answer_.create != 0) return answer_.create;
  created_ = true;
  caps_ = answer_.caps;
  return answer_.getCaps;
}

}  // namespace vornak

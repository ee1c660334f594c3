// Cache and TLB texts: the CPUID leaf-2 descriptor bytes and the lines of
// AMD's extended leaf 0x80000005.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vornak {

struct CacheDescriptor {
  uint8_t code;
  const char* text;
};
extern const CacheDescriptor kCacheDescriptors[];
extern const size_t kCacheDescriptorCount;

// One line per byte of leaf 0x80000005: which register, which byte (0-3) and
// a format taking the byte with %.2d.
enum AmdCacheRegister : uint8_t { kAmdEbx, kAmdEcx, kAmdEdx };
struct AmdCacheLine {
  AmdCacheRegister reg;
  uint8_t byte;
  const char* format;
};
extern const AmdCacheLine kAmdCacheLines[];
extern const size_t kAmdCacheLineCount;

}  // namespace vornak

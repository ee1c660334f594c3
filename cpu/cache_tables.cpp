#include "cpu/cache_tables.h"

namespace vornak {

// clang-format off
const CacheDescriptor kCacheDescriptors[] = {
  {0x01, "Instruction TLB 4Kbyte pages,4-way set associative 64 entries"},
  {0x02, "Instruction TLB 4Mbyte pages,4-way set associative 4 entries"},
  {0x03, "Data TLB, 4Kbyte pages, 4-way set associative, 64 entries"},
  {0x04, "Data TLB, 4Mbyte pages, 4-way set associative, 8 entries"},
  {0x06, "Instruction cache, 32 byte line size, 4-way set associative, 8 Kbytes"},
  {0x08, "Instruction cache, 32 byte line size, 4-way set associative, 16 Kbytes"},
  {0x0A, "Data cache,32 byte line size, 2-way set associative, 8 Kbytes "},
  {0x0C, "Data cache,32 byte line size, 2-way set associative, 16 Kbytes "},
  {0x40, "No L2 cache"},
  {0x41, "Unified cache,32 byte cache line,4-way set associative,128 Kbytes"},
  {0x42, "Unified cache,32 byte cache line,4-way set associative,256 Kbytes"},
  {0x43, "Unified cache,32 byte cache line,4-way set associative,512 Kbytes"},
  {0x44, "Unified cache,32 byte cache line,4-way set associative,1Mbyte"},
  {0x45, "Unified cache,32 byte cache line,4-way set associative,2Mbyte"},
  {0x46, "Unified cache,32 byte cache line,4-way set associative,4Mbyte"},
  {0x80, "No L2 caache"},
  {0x81, "32 byte cache line,8-way set associative,128 Kbytes"},
  {0x82, "32 byte cache line,8-way set associative,256 Kbytes"},
  {0x83, "32 byte cache line,8-way set associative,512 Kbytes"},
  {0x84, "32 byte cache line,8-way set associative,1MBytes"},
  {0x85, "32 byte cache line,8-way set associative,2MBytes"},
  {0x86, "32 byte cache line,8-way set associative,4MBytes"},
};
const size_t kCacheDescriptorCount = sizeof kCacheDescriptors / sizeof kCacheDescriptors[0];

// EBX: the 4-KB-page TLBs; EDX: the L1 instruction cache; ECX: the L1 data cache.
const AmdCacheLine kAmdCacheLines[] = {
  {kAmdEbx, 0, "Instruction TLB # of Entries  : %.2d "},
  {kAmdEbx, 1, "Instruction TLB Assosiativity : %.2d "},
  {kAmdEbx, 2, "DATA TLB # of Entries  : %.2d "},
  {kAmdEbx, 3, "DATA TLB Assosiativity : %.2d "},
  {kAmdEdx, 3, "L1 Instruction Cache Size : %.2d KB"},
  {kAmdEdx, 0, "L1 Instruction Cache Line Size : %.2d Bytes"},
  {kAmdEdx, 1, "L1 Instruction Cache Lines per Tag : %.2d "},
  {kAmdEdx, 2, "L1 Instruction Cache Associativity : %.2d "},
  {kAmdEcx, 3, "L1 Data Cache Size : %.2d KB"},
  {kAmdEcx, 0, "L1 Data Cache Line Size : %.2d Bytes"},
  {kAmdEcx, 1, "L1 Data Cache Lines per Tag : %.2d "},
  {kAmdEcx, 2, "L1 Data Cache Associativity : %.2d "},
};
const size_t kAmdCacheLineCount = sizeof kAmdCacheLines / sizeof kAmdCacheLines[0];
// clang-format on

}  // namespace vornak

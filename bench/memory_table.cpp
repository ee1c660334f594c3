// The memory section's benchmarks, in print order. The shift brings the
// block-copy times to the 16 KB scale, one bit per doubling; it stops at 8
// (4 MB), so the larger blocks read as if they were 4 MB blocks. The three
// blanks before every colon are the report's, whatever the size's length.
#include "bench/bench_tables.h"

namespace vornak {

// clang-format off
const BenchLine kMemoryBenchLines[kMemoryBenchLineCount] = {
  // progress                                runs kernel               shift line
  {"Harlix Memory Clear %d/%d",               1, Kernel::MemClr,     0, "MemCls   : %6d Point [%5u(%.4xH)]"},
  {"Harlix Memory Copy 16KByte %d/%d",        2, Kernel::MemChk16K,  0, "MemCopy 16K   : %6d Point [%5u(%.4xH)]"},
  {"Harlix Memory Copy 32KByte %d/%d",        2, Kernel::MemChk32K,  1, "MemCopy 32K   : %6d Point [%5u(%.4xH)]"},
  {"Harlix Memory Copy 64KByte %d/%d",        2, Kernel::MemChk64K,  2, "MemCopy 64K   : %6d Point [%5u(%.4xH)]"},
  {"Harlix Memory Copy 128KByte %d/%d",       1, Kernel::MemChk128K, 3, "MemCopy 128K   : %6d Point [%5u(%.4xH)]"},
  {"Harlix Memory Copy 256KByte %d/%d",       1, Kernel::MemChk256K, 4, "MemCopy 256K   : %6d Point [%5u(%.4xH)]"},
  {"Harlix Memory Copy 512KByte %d/%d",       1, Kernel::MemChk512K, 5, "MemCopy 512K   : %6d Point [%5u(%.4xH)]"},
  {"Harlix Memory Copy 1MByte %d/%d",         1, Kernel::MemChk1M,   6, "MemCopy 1MB   : %6d Point [%5u(%.4xH)]"},
  {"Harlix Memory Copy 2MByte %d/%d",         1, Kernel::MemChk2M,   7, "MemCopy 2MB   : %6d Point [%5u(%.4xH)]"},
  {"Harlix Memory Copy 4MByte %d/%d",         1, Kernel::MemChk4M,   8, "MemCopy 4MB   : %6d Point [%5u(%.4xH)]"},
  {"Harlix Memory Copy 8MByte %d/%d",         1, Kernel::MemChk8M,   8, "MemCopy 8MB   : %6d Point [%5u(%.4xH)]"},
  {"Harlix Memory Copy 12MByte %d/%d",        1, Kernel::MemChk12M,  8, "MemCopy 12MB   : %6d Point [%5u(%.4xH)]"},
  {"Harlix Memory Copy 16MByte %d/%d",        1, Kernel::MemChk16M,  8, "MemCopy 16MB   : %6d Point [%5u(%.4xH)]"},
  {"Harlix Memory Copy 24MByte %d/%d",        1, Kernel::MemChk24M,  8, "MemCopy 24MB   : %6d Point [%5u(%.4xH)]"},
  {"Harlix Memory Copy 32MByte %d/%d",        1, Kernel::MemChk32M,  8, "MemCopy 32MB   : %6d Point [%5u(%.4xH)]"},
};
// clang-format on

}  // namespace vornak

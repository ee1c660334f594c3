// The processor benchmarks of the speed and time-stamp sections, each run
// once and unshifted: their times are milliseconds, as the reference times.
#include "bench/bench_tables.h"

namespace vornak {

// clang-format off
// progress, runs, kernel, shift, line
const BenchLine kSpeedIntLine =
  {"Harlix Integer Speed %d/%d", 1, Kernel::SpeedInt,   0, "Integer   : %6d Point [%5u(%.4xH)]"};
const BenchLine kSpeedFloatLine =
  {"Harlix Float Speed %d/%d",   1, Kernel::SpeedFloat, 0, "Float   : %6d Point [%5u(%.4xH)]"};

// The first two times are compared with the tables; the last three are shown only.
const BenchLine kTimeStampBenchLines[kTimeStampBenchLineCount] = {
  {"Harlix Integer %d/%d",              1, Kernel::Int,            0, "Integer : %6d Point [%5u(%.4xH)]"},
  {"Harlix Float %d/%d",                1, Kernel::Float,          0, "Float   : %6d Point [%5u(%.4xH)]"},
  {"Harlix Float (NoWait) %d/%d",       1, Kernel::FloatNoWait,    0, "Float   : %6d Point [%5u(%.4xH)] NoWait"},
  {"Harlix Float (Mixed) %d/%d",        1, Kernel::FloatMix,       0, "Float   : %6d Point [%5u(%.4xH)] Mix"},
  {"Harlix Float (Mixed NoWait) %d/%d", 1, Kernel::FloatMixNoWait, 0, "Float   : %6d Point [%5u(%.4xH)] Mix NoWait"},
};
// clang-format on

}  // namespace vornak

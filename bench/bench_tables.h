// The constant tables of the benchmark sections; each lives in its own file.
#pragma once

#include <cstddef>

#include "bench/bench_line.h"
#include "bench/compare_row.h"

namespace vornak {

// memory_table.cpp: the memory clear and the fourteen block copies.
inline constexpr size_t kMemoryBenchLineCount = 15;
extern const BenchLine kMemoryBenchLines[kMemoryBenchLineCount];

// processor_bench_lines.cpp: the lines of the speed and time-stamp sections.
extern const BenchLine kSpeedIntLine;
extern const BenchLine kSpeedFloatLine;
inline constexpr size_t kTimeStampBenchLineCount = 5;
extern const BenchLine kTimeStampBenchLines[kTimeStampBenchLineCount];  // int, float, 3 shown only

// speed_compare_table.cpp: "Socket 5･7 Compare table", its groups and rows.
extern const CompareListing kSpeedCompareListing;
// timestamp_compare_tables.cpp: the eleven tables of the time-stamp section.
extern const CompareListing kTimeStampCompareListing;

}  // namespace vornak

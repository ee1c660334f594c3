// One benchmark line: run a kernel a few times, keep the best time, print it
// with its points.
#pragma once

#include <cstdint>

#include "report/analysis.h"

namespace vornak {

struct BenchLine {
  const char* progress;  // status text, formatted with (run, runs)
  int32_t runs;
  Kernel kernel;
  uint32_t shift;        // brings the time to the scale of the reference times
  const char* format;    // the line, formatted with (points, time, time)
};

// The memory and speed sections convert with HLX_Convert2PointMem, the
// time-stamp section with HLX_Convert2Point; both exports are kept apart.
enum class Points { Memory, Processor };

// Adds the line under `section` and returns the time it shows.
uint32_t AddBenchLine(Analysis& a, Item section, const BenchLine& line, Points points);

}  // namespace vornak

#include "bench/bench_line.h"

#include "bench/best_of_runs.h"
#include "platform/x87_precision.h"
#include "report/wsformat.h"

namespace vornak {

uint32_t AddBenchLine(Analysis& a, Item section, const BenchLine& line, Points points) {
  // The float kernels' divisions take as long as the precision asks: time
  // them at the one the program starts with, whatever DirectX left.
  DoublePrecisionScope precision;
  BestOfRuns best;
  for (int32_t run = 1; run <= line.runs; ++run) {
    // The status bar is the only sign of life while a kernel holds the thread.
    a.Status(WsFormat(line.progress, run, line.runs));
    best.Add(a.machine.RunKernel(line.kernel));
  }
  uint32_t time = best.Time() >> line.shift;
  uint32_t score = points == Points::Memory ? a.machine.Convert2PointMem(time)
                                            : a.machine.Convert2Point(time);
  a.Add(section, WsFormat(line.format, static_cast<int32_t>(score), time, time));
  return time;
}

}  // namespace vornak

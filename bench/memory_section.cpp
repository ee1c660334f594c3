#include "bench/bench_sections.h"
#include "bench/bench_tables.h"

namespace vornak {

void AddBenchHeaderSection(Analysis& a, Item parent) {
  Item header = a.Add(parent, "----- VORNAK Harlix -----");
  AddMemoryPerformanceSection(a, header);
  a.tree.Expand(header);
}

void AddMemoryPerformanceSection(Analysis& a, Item parent) {
  Item section = a.Add(parent, "----- VORNAK Harlix Memory Performance -----");
  for (const BenchLine& line : kMemoryBenchLines) {
    AddBenchLine(a, section, line, Points::Memory);
    // Shown before the largest blocks are timed, so the user sees results
    // during the longest runs.
    if (line.kernel == Kernel::MemChk16M || line.kernel == Kernel::MemChk24M ||
        line.kernel == Kernel::MemChk32M)
      a.tree.Expand(section);
  }
}

}  // namespace vornak

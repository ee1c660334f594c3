// The benchmark sections of the report. The CPU section runs the time-stamp
// section (processor families 5 and 6 with a time-stamp counter) or the speed
// section, then the memory section, under its "----- VORNAK Harlix -----" line; where no processor
// benchmark can run, AddBenchHeaderSection adds that line with the memory
// section alone.
#pragma once

#include "report/analysis.h"

namespace vornak {

void AddBenchHeaderSection(Analysis& a, Item parent);
void AddMemoryPerformanceSection(Analysis& a, Item parent);
void AddSpeedPerformanceSection(Analysis& a, Item parent);
// Needs a processor with the time-stamp counter: its kernels execute RDTSC.
void AddTimeStampPerformanceSection(Analysis& a, Item parent);

}  // namespace vornak

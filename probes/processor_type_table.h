// The processor classes the system reports in SYSTEM_INFO dwProcessorType,
// with the line each gets and whether the CPU analysis runs for it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vornak {

struct ProcessorTypeRow {
  uint32_t type;
  const char* line;
  bool cpuAnalysis;  // else the memory benchmark alone
};
extern const ProcessorTypeRow kProcessorTypes[];
extern const size_t kProcessorTypeCount;
// Any type not in the table: the memory benchmark alone.
extern const ProcessorTypeRow kUnknownProcessorType;

}  // namespace vornak

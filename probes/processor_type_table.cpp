#include "probes/processor_type_table.h"

namespace vornak {

// An Intel 386 gets the memory benchmark alone: the CPU analysis starts at
// the 486.
// clang-format off
const ProcessorTypeRow kProcessorTypes[] = {
  {386,   "CPU TYPE : Intel 386",                    false},
  {486,   "CPU TYPE : Intel 486 or Compatible",      true},
  {586,   "CPU TYPE : Intel Pentium or Pentium Pro", true},
  {686,   "CPU TYPE : Intel Pentium Pro",            true},
  {601,   "CPU TYPE : PPC 601",                      false},
  {602,   "CPU TYPE : PPC 602",                      false},
  {603,   "CPU TYPE : PPC 603",                      false},
  {604,   "CPU TYPE : PPC 604",                      false},
  {620,   "CPU TYPE : PPC 620",                      false},
  {860,   "CPU TYPE : Intel 860",                    false},
  {2000,  "CPU TYPE : MIPS R2000",                   false},
  {3000,  "CPU TYPE : MIPS R3000",                   false},
  {4000,  "CPU TYPE : MIPS R4000",                   false},
  {21064, "CPU TYPE : Alpha 21064",                  false},
};
// clang-format on
const size_t kProcessorTypeCount = sizeof kProcessorTypes / sizeof kProcessorTypes[0];

const ProcessorTypeRow kUnknownProcessorType = {0, "CPUTYPE : unKnown", false};

}  // namespace vornak

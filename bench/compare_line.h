// A compare line: this machine's integer and floating-point times against a
// reference machine's, as a speed ratio and the clock at which the reference
// processor would match this machine.
//
//   label (45 columns) I = <MHz>MHz [<ratio> Times] : F = <MHz>MHz [<ratio> Times] ...
//
// A measured time of 0 (a kernel that finished within one tick) makes that
// half read "I = 0MHz [ 0.000 Times]" (or the F form); the other half is
// computed normally.
#pragma once

#include <cstdint>

#include "report/analysis.h"

namespace vornak {

// Ends in the note (the speed table's board or machine).
void AddCompareLineNote(Analysis& a, Item parent, const char* label, uint32_t measuredInt,
                        uint32_t refInt, uint32_t measuredFloat, uint32_t refFloat,
                        int32_t refMHz, const char* note);
// Ends in one blank after the F half.
void AddCompareLine(Analysis& a, Item parent, const char* label, uint32_t measuredInt,
                    uint32_t refInt, uint32_t measuredFloat, uint32_t refFloat, int32_t refMHz);
// Ends in OsCodeName(osCode).
void AddCompareLineOs(Analysis& a, Item parent, const char* label, uint32_t measuredInt,
                      uint32_t refInt, uint32_t measuredFloat, uint32_t refFloat, int32_t refMHz,
                      int32_t osCode);

}  // namespace vornak

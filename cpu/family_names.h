// Naming of family-5 and family-6 processors with CPUID. Each adds its name
// line under `parent`; an unknown processor type gets a line saying so and
// the request for a report instead.
#pragma once

#include <cstdint>

#include "report/analysis.h"

namespace vornak {

// "CPU Type : " and the name; the only naming routine that also unfolds
// `parent`.
void NamePentium(Analysis& a, Item parent, uint32_t signature);
// The name followed by the on-chip L2 size; an empty line for an unnamed model.
void NameP6(Analysis& a, Item parent, uint32_t signature);
// AMD's family 6; an empty line for an unnamed model.
void NameK7(Analysis& a, Item parent, uint32_t signature);

}  // namespace vornak

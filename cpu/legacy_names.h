// Naming of family-4 and older processors, and of Cyrix parts without CPUID.
#pragma once

#include <cstdint>

#include "report/analysis.h"

namespace vornak {

// Each adds the name line under `parent`; an unrecognised type and family
// adds a line saying so and the request for a report instead.
void Name486(Analysis& a, Item parent, uint32_t signature);
void Name386(Analysis& a, Item parent, uint32_t signature);

// `model` is DIR0 + 256 * DIR1; the name depends on DIR0 alone.
void NameCyrix(Analysis& a, Item item, uint32_t model);

}  // namespace vornak

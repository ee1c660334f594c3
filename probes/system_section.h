// The System part of the report: what Windows says about the machine, the
// processor-type line with the CPU analysis under it, the memory figures, the
// display device and its fonts.
#pragma once

#include "report/analysis.h"

namespace vornak {

// Adds "Systen Info", "Memory Info" and "Display Info" under `system`, the
// processor-type line (with the CPU analysis or the memory benchmark) and
// the machine-type line under `root`.
void SystemSection(Analysis& a, Item system, Item root);

// The three GlobalMemoryStatus lines.
void MemorySection(Analysis& a, Item memory);

// The font list, the five capability groups and the device figures of the
// display device.
void DisplaySection(Analysis& a, Item display);

// One font family's line under `fontList`; returns 1 to go on enumerating.
int OnFontFamily(Analysis& a, const FontFamily& font, Item fontList);

}  // namespace vornak

// The raw lines of the two Windows initialisation files, each section's
// lines under its header line.
#pragma once

#include "report/analysis.h"

namespace vornak {

void WinIniSection(Analysis& a, Item file);
void SystemIniSection(Analysis& a, Item file);

}  // namespace vornak

// The system directories and every drive that holds a readable volume.
#pragma once

#include "report/analysis.h"

namespace vornak {

void DriveSection(Analysis& a, Item driveInfo);
// The lines of one drive, index 0-25 for A: to Z:; other indexes add nothing.
void VolumeSection(Analysis& a, int drive, Item driveItem);

}  // namespace vornak

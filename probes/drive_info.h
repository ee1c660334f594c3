// The system directories and every drive that holds a readable volume.
#pragma once

#include <cstdint>

#include "app/analysis.h"

namespace vornak {

void DriveSection(Analysis& a, Item driveInfo);
// The lines of one drive, index 0-25 for A: to Z:; other indexes add nothing.
void VolumeSection(Analysis& a, int drive, Item driveItem);

// Free kilobytes of free clusters × sectors per cluster × bytes per sector,
// rounded down; saturates instead of wrapping on answers no disk gives.
uint64_t FreeKilobytes(const DiskFreeSpace& d);

}  // namespace vornak

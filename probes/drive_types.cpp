#include "probes/volume_tables.h"

namespace vornak {

const char* DriveTypeWord(uint32_t type) {
  static const char* const kWords[] = {
      "UnKnown",            // DRIVE_UNKNOWN
      "No root directory",  // DRIVE_NO_ROOT_DIR
      "Removable Disk",     // DRIVE_REMOVABLE
      "Hard Disk",          // DRIVE_FIXED
      "Network",            // DRIVE_REMOTE
      "CDRom",              // DRIVE_CDROM
      "RAM DISK",           // DRIVE_RAMDISK
  };
  return type < sizeof kWords / sizeof kWords[0] ? kWords[type] : kWords[0];
}

}  // namespace vornak

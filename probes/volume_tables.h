// The words and flag lines a drive's report is made of.
#pragma once

#include <cstdint>

namespace vornak {

// GetDriveTypeA value → word; "UnKnown" for 0 and anything unlisted.
const char* DriveTypeWord(uint32_t type);

struct FileSystemFlagLine {
  uint32_t bit;
  const char* set;
  const char* clear;
};
// In report order.
extern const FileSystemFlagLine kFileSystemFlagLines[3];

}  // namespace vornak

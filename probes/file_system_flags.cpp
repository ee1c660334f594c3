#include "probes/volume_tables.h"

namespace vornak {

const FileSystemFlagLine kFileSystemFlagLines[3] = {
    {0x4, "Unicode Support", "Unicode not Support"},      // FS_UNICODE_STORED_ON_DISK
    {0x2, "Case is Preserved", "Case is NOT Preserved"},  // FS_CASE_IS_PRESERVED
    {0x1, "Case is Sensitive", "Case is NOT Sensitive"},  // FS_CASE_SENSITIVE
};

}  // namespace vornak

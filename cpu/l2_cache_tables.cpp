#include "cpu/l2_cache_tables.h"

namespace vornak {

const int32_t kL2SizeKBByNibble[16] = {0,    128, 256, 512, 1024, 2048, 4096, 8192,
                                       0,    0,   0,   0,   0,    0,    0,    0};

// 8192 KB has no suffix: the name stands alone.
const L2Suffix kL2Suffixes[] = {
    {0, "L2-Cash none"}, {128, "L2-128KB"},   {256, "L2-256KB"},   {512, "L2-512KB"},
    {1024, "L2-1024KB"}, {2048, "L2-2048KB"}, {4096, "L2-4096KB"}, {8192, ""},
};
const size_t kL2SuffixCount = sizeof kL2Suffixes / sizeof kL2Suffixes[0];

}  // namespace vornak

// The Windows a reference machine was measured under, as printed.
#pragma once

#include <cstdint>

namespace vornak {

// osCode reads 4000 NT 4.0 Workstation (+3/+5 service pack, +100 Server, +10
// Enterprise), 5100 NT 5.0 Server (+1..3 beta, +10 Enterprise), 9500
// Windows 95, 9800 Windows 98 (+3 beta 3, +10 Second Edition). Any other
// code gives "UnKnown OS type".
const char* OsCodeName(int32_t osCode);

}  // namespace vornak

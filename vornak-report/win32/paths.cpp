#include "vornak-report/paths.h"

#include <windows.h>

namespace vornak {

size_t FileNameStart(std::string_view path) {
  size_t start = 0;
  for (size_t i = 0; i < path.size(); ++i) {
    const char c = path[i];
    if (c == '\\' || c == '/' || c == ':') start = i + 1;
    else if (IsDBCSLeadByte(static_cast<BYTE>(c)) && i + 1 < path.size()) ++i;  // its trail byte is no separator
  }
  return start;
}

}  // namespace vornak

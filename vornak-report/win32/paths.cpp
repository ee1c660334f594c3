#include "vornak-report/paths.h"

#include <windows.h>

namespace vornak {

const char kFolderSeparator = '\\';

size_t FileNameStart(std::string_view path) {
  size_t start = 0;
  for (size_t i = 0; i < path.size(); ++i) {
    const char c = path[i];
    if (c == '\\' || c == '/' || c == ':') start = i + 1;
    else if (IsDBCSLeadByte(static_cast<BYTE>(c)) && i + 1 < path.size()) ++i;  // its trail byte is no separator
  }
  return start;
}

// `head` ends in a separator found by characters, so its last byte and a
// drive's ':' (no trail byte) are what they seem.
bool IsRoot(std::string_view head) {
  return head.size() == 1 || head.back() == ':' || (head.size() == 3 && head[1] == ':');
}

}  // namespace vornak

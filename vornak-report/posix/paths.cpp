#include "vornak-report/paths.h"

namespace vornak {

const char kFolderSeparator = '/';

size_t FileNameStart(std::string_view path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string_view::npos ? 0 : slash + 1;
}

bool IsRoot(std::string_view head) { return head.size() == 1; }

}  // namespace vornak

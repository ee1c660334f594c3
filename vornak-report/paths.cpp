#include "vornak-report/paths.h"

namespace vornak {

bool EndsInSeparator(std::string_view path) { return !path.empty() && FileNameStart(path) == path.size(); }

std::string FolderOf(const std::string& path) {
  const size_t start = FileNameStart(path);
  if (start == 0) return ".";
  return IsRoot(std::string_view(path).substr(0, start)) ? path.substr(0, start) : path.substr(0, start - 1);
}

std::string WithoutTrailingSeparators(const std::string& path) {
  std::string p = path;
  while (p.size() > 1 && EndsInSeparator(p) && !IsRoot(p)) p.pop_back();
  return p;
}

std::string Parent(const std::string& path) { return FolderOf(WithoutTrailingSeparators(path)); }

std::string Base(const std::string& path) {
  const std::string p = WithoutTrailingSeparators(path);
  return p.substr(FileNameStart(p));
}

std::string Join(const std::string& folder, const std::string& name) {
  return EndsInSeparator(folder) ? folder + name : folder + kFolderSeparator + name;
}

}  // namespace vornak

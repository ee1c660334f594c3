// KnownFolder alike on every system: a path resolved, then it and each
// folder above it compared with the folder, up to the root.
#include "vornak-report/file_identity.h"

#include <vector>

#include "vornak-report/paths.h"

namespace vornak {

KnownFolder::KnownFolder(const std::string& path, const std::string& marker)
    : marker_(marker), identity_(FolderIdentityOf(path, marker)) {}

bool KnownFolder::Is(const std::string& path) const {
  return identity_ && FolderIdentityOf(path, marker_) == identity_;
}

bool KnownFolder::Holds(const std::string& path) {
  if (!identity_) return false;
  std::string p = ResolvedPath(path);
  if (p.empty()) return false;
  std::vector<std::string> seen;
  while (!outside_.count(p)) {
    if (FolderIdentityOf(p, marker_) == identity_) return true;
    seen.push_back(p);
    const std::string up = FolderOf(p);
    if (up == p) break;
    p = up;
  }
  outside_.insert(seen.begin(), seen.end());
  return false;
}

}  // namespace vornak

// Files and folders known by device and inode (stat follows links, so a
// link and the file it names are one).
#include "vornak-report/file_identity.h"

#include <sys/stat.h>

#include <climits>
#include <cstdlib>

namespace vornak {

namespace {

std::optional<FileIdentity> Identity(const std::string& path, bool folder) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return std::nullopt;
  if (folder ? !S_ISDIR(st.st_mode) : !S_ISREG(st.st_mode)) return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

}  // namespace

std::optional<FileIdentity> IdentityOf(const std::string& path) { return Identity(path, false); }

std::optional<FileIdentity> FolderIdentityOf(const std::string& path, const std::string&) {
  return Identity(path, true);
}

std::string ResolvedPath(const std::string& path) {
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) ? resolved : "";
}

}  // namespace vornak

// Files known by their volume's serial number and their index on it
// (GetFileInformationByHandle), which every Windows from 95 on gives. A
// folder cannot be opened on Windows 95, so a folder is known by the
// identity of the file it holds (the site's marker); names are made whole
// with GetFullPathName, which resolves "." and ".." by their text, as the
// system itself does.
#include "vornak-report/file_identity.h"

#include <windows.h>

#include <vector>

#include "vornak-report/paths.h"

namespace vornak {

std::optional<FileIdentity> IdentityOf(const std::string& path) {
  // FILE_SHARE_DELETE would make Windows 95 refuse the call.
  const HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info;
  const bool known = GetFileType(h) == FILE_TYPE_DISK && GetFileInformationByHandle(h, &info) &&
                     !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
  CloseHandle(h);
  if (!known) return std::nullopt;
  return FileIdentity{info.dwVolumeSerialNumber, (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

std::optional<FileIdentity> FolderIdentityOf(const std::string& path, const std::string& marker) {
  return IdentityOf(Join(path, marker));
}

std::string ResolvedPath(const std::string& path) {
  std::vector<char> buf(MAX_PATH + 1);
  char* name = nullptr;
  DWORD n = GetFullPathNameA(path.c_str(), static_cast<DWORD>(buf.size()), buf.data(), &name);
  if (n >= buf.size()) {
    buf.resize(n + 1);
    n = GetFullPathNameA(path.c_str(), static_cast<DWORD>(buf.size()), buf.data(), &name);
  }
  if (n == 0 || n >= buf.size()) return "";
  const std::string full(buf.data(), n);
  return GetFileAttributesA(full.c_str()) == INVALID_FILE_ATTRIBUTES ? "" : full;
}

}  // namespace vornak

#include "vornak-report/win32/replace_file.h"

#include "vornak-report/paths.h"

namespace vornak {

bool NewName(const std::string& folder, bool keep, std::string& name, DWORD& error) {
  char buf[MAX_PATH + 16];
  if (GetTempFileNameA(folder.c_str(), "vrp", 0, buf) == 0) {
    error = GetLastError();
    return false;
  }
  name = buf;
  if (!keep) DeleteFileA(buf);
  return true;
}

DWORD PutInPlace(const std::string& from, const std::string& to, MoveFileExFunction moveFileEx) {
  if (moveFileEx(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 0;
  const DWORD error = GetLastError();
  if (error != ERROR_CALL_NOT_IMPLEMENTED) return error;
  if (GetFileAttributesA(to.c_str()) == INVALID_FILE_ATTRIBUTES) return MoveFileA(from.c_str(), to.c_str()) ? 0 : GetLastError();
  std::string aside;
  DWORD e = 0;
  if (!NewName(FolderOf(to), false, aside, e)) return e;
  if (!MoveFileA(to.c_str(), aside.c_str())) return GetLastError();
  if (!MoveFileA(from.c_str(), to.c_str())) {
    e = GetLastError();
    MoveFileA(aside.c_str(), to.c_str());
    return e;
  }
  DeleteFileA(aside.c_str());
  return 0;
}

}  // namespace vornak

#include "vornak-report/win32/replace_file.h"

#include "vornak-report/paths.h"

namespace vornak {

std::string FolderOf(const std::string& path) {
  const size_t start = FileNameStart(path);
  if (start == 0) return ".";
  // "C:" and "C:\" stand for folders as they are; "a\b" is "a".
  if (path[start - 1] == ':' || start == 1) return path.substr(0, start);
  if (start == 3 && path[1] == ':') return path.substr(0, 3);
  return path.substr(0, start - 1);
}

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

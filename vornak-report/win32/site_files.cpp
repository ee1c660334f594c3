// The site's file system on Windows, through the ANSI calls every Windows
// from 95 on exports. Errors read as the native build's, through the C
// library's texts (system_error.h).
#include "vornak-report/site_files.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <functional>

#include "vornak-report/paths.h"
#include "vornak-report/win32/system_error.h"

namespace vornak::site {

namespace {

bool Fail(std::string& error, DWORD code) {
  error = SystemErrorText(code);
  return false;
}

// Names in a folder but "." and "..", sorted, each with whether it is a
// folder; false and the system's error if it cannot be read.
struct Entry {
  std::string name;
  DWORD attributes;
  bool operator<(const Entry& o) const { return name < o.name; }
};

bool Entries(const std::string& folder, std::vector<Entry>& entries, DWORD& error) {
  WIN32_FIND_DATAA found;
  const HANDLE h = FindFirstFileA(Join(folder, "*").c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) {
    error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES;
  }
  do {
    if (std::strcmp(found.cFileName, ".") != 0 && std::strcmp(found.cFileName, "..") != 0)
      entries.push_back({found.cFileName, found.dwFileAttributes});
  } while (FindNextFileA(h, &found));
  error = GetLastError();
  FindClose(h);
  std::sort(entries.begin(), entries.end());
  return error == ERROR_NO_MORE_FILES;
}

// Junctions and folder links are not followed, as links to folders are not
// on POSIX: one pointing back up would never end.
bool IsLinkedFolder(DWORD attributes) {
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

using LeaveOut = std::function<bool(const std::string&)>;

void Walk(const std::string& path, bool top, std::vector<std::string>& files, std::vector<std::string>& errors,
          const LeaveOut& leaveOut) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return errors.push_back(path + ": " + SystemErrorText(GetLastError()));
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return files.push_back(path);
  if (!top && (IsLinkedFolder(attributes) || (leaveOut && leaveOut(path)))) return;
  std::vector<Entry> entries;
  DWORD error = 0;
  if (!Entries(path, entries, error)) errors.push_back(path + ": " + SystemErrorText(error));
  for (const Entry& e : entries)
    if (!IsLinkedFolder(e.attributes)) Walk(Join(path, e.name), false, files, errors, leaveOut);
}

std::string Hex(unsigned long n) {
  std::string digits;
  do digits.insert(digits.begin(), "0123456789abcdef"[n % 16]); while (n /= 16);
  return digits;
}

// A name beside `target` that nothing has yet: hidden by its leading dot,
// made unique by the process and a counter, as mkdtemp's pattern would be.
std::string NameBeside(const std::string& target, const char* kind, unsigned attempt) {
  return Join(Parent(target), "." + Base(target) + "." + kind + "-" + Hex(GetCurrentProcessId()) + "-" + Hex(attempt));
}

}  // namespace

void ListFiles(const std::string& path, std::vector<std::string>& files, std::vector<std::string>& errors,
               const LeaveOut& leaveOut) {
  Walk(path, true, files, errors, leaveOut);
}

Place InspectPlace(const std::string& path, const std::string& marker) {
  const DWORD attributes = GetFileAttributesA(WithoutTrailingSeparators(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD e = GetLastError();
    return e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND ? Place::kMissing : Place::kOther;
  }
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY) || IsLinkedFolder(attributes)) return Place::kOther;
  std::vector<Entry> entries;
  DWORD error = 0;
  if (!Entries(path, entries, error)) return Place::kOther;
  if (entries.empty()) return Place::kEmptyFolder;
  const bool marked = std::any_of(entries.begin(), entries.end(), [&](const Entry& e) { return e.name == marker; });
  return marked ? Place::kSite : Place::kOther;
}

std::string MakeFolderBeside(const std::string& target, std::string& error) {
  for (unsigned attempt = 0; attempt < 1000; ++attempt) {
    const std::string name = NameBeside(target, "new", attempt);
    if (CreateDirectoryA(name.c_str(), nullptr)) return name;
    if (GetLastError() != ERROR_ALREADY_EXISTS) return Fail(error, GetLastError()), std::string();
  }
  return Fail(error, ERROR_ALREADY_EXISTS), std::string();
}

bool MakeFolder(const std::string& path, std::string& error) {
  return CreateDirectoryA(path.c_str(), nullptr) || Fail(error, GetLastError());
}

bool WriteNewFile(const std::string& path, std::string_view bytes, std::string& error) {
  const HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return Fail(error, GetLastError());
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
    DWORD written = 0;
    if (!WriteFile(h, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
      const DWORD e = written == 0 && GetLastError() == 0 ? ERROR_DISK_FULL : GetLastError();
      CloseHandle(h);
      return Fail(error, e);
    }
    done += written;
  }
  return CloseHandle(h) || Fail(error, GetLastError());
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error) {
  const HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return Fail(error, GetLastError());
  bytes.clear();
  char buf[65536];
  for (;;) {
    DWORD n = 0;
    if (!ReadFile(h, buf, sizeof buf, &n, nullptr)) {
      const DWORD e = GetLastError();
      CloseHandle(h);
      return Fail(error, e);
    }
    if (n == 0) break;
    bytes.append(buf, n);
  }
  CloseHandle(h);
  return true;
}

namespace {

Replaced Failed(DWORD code, std::string movedTo = "") {
  return {Replaced::kFailed, SystemErrorText(code), std::move(movedTo)};
}

}  // namespace

// Windows has no step that swaps two folders.
Replaced ReplaceFolder(const std::string& fresh, const std::string& target, const std::string& marker) {
  return ReplaceFolderInTwoSteps(fresh, target, marker);
}

Replaced ReplaceFolderInTwoSteps(const std::string& fresh, const std::string& target, const std::string& marker) {
  const std::string to = WithoutTrailingSeparators(target);
  std::string aside;
  for (unsigned attempt = 0;; ++attempt) {
    aside = NameBeside(to, "old", attempt);
    if (MoveFileA(to.c_str(), aside.c_str())) break;
    const DWORD e = GetLastError();
    if (e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND)  // nothing there
      return MoveFileA(fresh.c_str(), to.c_str()) ? Replaced{} : Failed(GetLastError());
    if (e != ERROR_ALREADY_EXISTS || attempt == 999) return Failed(e);
  }
  return ReplaceFromAside(fresh, to, aside, marker);
}

bool MoveFolder(const std::string& from, const std::string& to, std::string& error) {
  return MoveFileA(from.c_str(), to.c_str()) || Fail(error, GetLastError());
}

void RemoveTree(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !IsLinkedFolder(attributes)) {
    std::vector<Entry> entries;
    DWORD error = 0;
    Entries(path, entries, error);
    for (const Entry& e : entries) RemoveTree(Join(path, e.name));
    RemoveDirectoryA(path.c_str());
  } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    RemoveDirectoryA(path.c_str());  // a junction: the link goes, not what it points to
  } else {
    if (attributes & FILE_ATTRIBUTE_READONLY) SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
  }
}

}  // namespace vornak::site

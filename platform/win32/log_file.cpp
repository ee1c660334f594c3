// The log file on a handle of our own: one WriteFile per line, so no line is
// ever split across writes, and FlushFileBuffers for a commit, which on
// Windows 9x with FAT is also what writes the file's size into its directory
// entry. Compiled into the core of the Windows build (see CMakeLists.txt).
#include <windows.h>

#include "platform/log_file.h"

namespace vornak {

namespace {

// The system's text for the error, in the system's language, and its number.
// (No printf here: the runtime's formatter brings in code the 486 lacks.)
std::string Reason(DWORD error) {
  char text[256] = "";
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                           error, 0, text, sizeof text, nullptr);
  while (n > 0 && (text[n - 1] == '\r' || text[n - 1] == '\n' || text[n - 1] == ' ' ||
                   text[n - 1] == '.'))
    --n;
  std::string digits;
  do digits.insert(digits.begin(), static_cast<char>('0' + error % 10));
  while (error /= 10);
  return n ? std::string(text, n) + " (error " + digits + ")" : "error " + digits;
}

class Win32LogFile : public LogFile {
 public:
  explicit Win32LogFile(HANDLE file) : file_(file) {}
  ~Win32LogFile() override { Close(); }

  std::string Write(const std::string& bytes) override {
    DWORD written = 0;
    if (!WriteFile(file_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
      return Reason(GetLastError());
    if (written != bytes.size()) return Reason(ERROR_DISK_FULL);
    return "";
  }
  std::string Commit() override { return FlushFileBuffers(file_) ? "" : Reason(GetLastError()); }
  std::string Close() override {
    if (file_ == INVALID_HANDLE_VALUE) return "";
    const BOOL closed = CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
    return closed ? "" : Reason(GetLastError());
  }

 private:
  HANDLE file_;
};

class Win32LogFiles : public LogFiles {
 public:
  std::unique_ptr<LogFile> Open(const std::string& path, std::string& reason) override {
    // Others may read the log while it grows, not write or delete it.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      reason = Reason(GetLastError());
      return nullptr;
    }
    if (SetFilePointer(file, 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER &&
        GetLastError() != NO_ERROR) {
      reason = Reason(GetLastError());
      CloseHandle(file);
      return nullptr;
    }
    return std::make_unique<Win32LogFile>(file);
  }
  RemoveResult Remove(const std::string& path, std::string& reason) override {
    if (DeleteFileA(path.c_str())) return RemoveResult::kRemoved;
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return RemoveResult::kMissing;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
      return RemoveResult::kDirectory;
    reason = Reason(error);
    return RemoveResult::kFailed;
  }
};

Win32LogFiles files;

}  // namespace

LogFiles& SystemLogFiles() { return files; }

}  // namespace vornak

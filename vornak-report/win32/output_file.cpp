// The output files on Windows: the new file is made in the target's folder
// (GetTempFileName, which creates it, so no other program can have put a
// file there first), written through the C runtime, flushed, and put in the
// target's place (replace_file.h).
//
// Failures are reported with the C library's texts for the matching errno,
// so that the messages read as the native build's.
#include "vornak-report/output_file.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <cstring>

#include "vornak-report/win32/replace_file.h"
#include "vornak-report/win32/system_error.h"

namespace vornak {

OutputFile::OutputFile(std::string path) : path_(std::move(path)) {
  if (const int error = Open()) Fail(error);
}

int OutputFile::Open() {
  const DWORD attributes = GetFileAttributesA(path_.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return EISDIR;
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return EACCES;
  // A device (CON, NUL, a printer port) is written in place.
  HANDLE h = CreateFileA(path_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h != INVALID_HANDLE_VALUE) {
    const bool device = GetFileType(h) != FILE_TYPE_DISK;
    CloseHandle(h);
    if (device) {
      errno = 0;
      file_ = std::fopen(path_.c_str(), "wb");
      return file_ ? 0 : (errno ? errno : EIO);
    }
  } else if (attributes != INVALID_FILE_ATTRIBUTES) {
    return ErrnoOf(GetLastError());  // there, but not to be written (held open, no rights)
  }
  DWORD error = 0;
  const std::string folder = FolderOf(path_);
  if (!NewName(folder, true, temp_, error)) {
    temp_.clear();
    // ERROR_DIRECTORY stands for a folder that is missing as for a file in
    // a folder's place.
    if (error == ERROR_DIRECTORY && GetFileAttributesA(folder.c_str()) == INVALID_FILE_ATTRIBUTES) return ENOENT;
    return ErrnoOf(error);
  }
  errno = 0;
  file_ = std::fopen(temp_.c_str(), "wb");
  return file_ ? 0 : (errno ? errno : EIO);
}

OutputFile::~OutputFile() { Discard(); }

void OutputFile::Fail(int error) {
  if (error_.empty()) error_ = std::strerror(error ? error : EIO);
  Discard();
}

void OutputFile::Discard() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
  if (!temp_.empty()) DeleteFileA(temp_.c_str());
  temp_.clear();
}

bool OutputFile::Write(std::string_view bytes) {
  if (!file_) return false;
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
    Fail(errno);
    return false;
  }
  return true;
}

bool OutputFile::Commit() {
  if (!file_) return false;
  errno = 0;
  if (std::fflush(file_) != 0) {
    Fail(errno);
    return false;
  }
  // Only the new file's bytes are flushed to the disk; a device has none.
  if (!temp_.empty() && !FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file_))))) {
    Fail(ErrnoOf(GetLastError()));
    return false;
  }
  std::FILE* f = file_;
  file_ = nullptr;
  if (std::fclose(f) != 0) {
    Fail(errno);
    return false;
  }
  if (temp_.empty()) return true;
  const DWORD oldAttributes = GetFileAttributesA(path_.c_str());
  if (const DWORD error = PutInPlace(temp_, path_)) {
    Fail(ErrnoOf(error));
    return false;
  }
  temp_.clear();
  // The old file's hidden or system mark stays with the name.
  constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  if (oldAttributes != INVALID_FILE_ATTRIBUTES && (oldAttributes & kKept))
    SetFileAttributesA(path_.c_str(), oldAttributes & (kKept | FILE_ATTRIBUTE_ARCHIVE));
  return true;
}

bool WriteOutputFile(const std::string& path, std::string_view bytes, std::string& error) {
  OutputFile out(path);
  const bool ok = out.Write(bytes) && out.Commit();
  error = out.Error();
  return ok;
}

// Standard output in binary mode: the report's CR LF stay as they are, and
// no LF becomes CR LF.
bool WriteStandardOutput(std::string_view bytes, std::string& error) {
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0) return true;
  error = errno ? std::strerror(errno) : "write failed";
  return false;
}

void InitOutputFiles() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace vornak

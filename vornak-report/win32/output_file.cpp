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

#include "vornak-report/paths.h"
#include "vornak-report/win32/replace_file.h"
#include "vornak-report/win32/system_error.h"

namespace vornak {

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

int OutputFile::SyncNewFile() {
  return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file_)))) ? 0 : ErrnoOf(GetLastError());
}

int OutputFile::PutNewInPlace() {
  const DWORD oldAttributes = GetFileAttributesA(path_.c_str());
  if (const DWORD error = PutInPlace(temp_, path_)) return ErrnoOf(error);
  // The old file's hidden or system mark stays with the name.
  constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  if (oldAttributes != INVALID_FILE_ATTRIBUTES && (oldAttributes & kKept))
    SetFileAttributesA(path_.c_str(), oldAttributes & (kKept | FILE_ATTRIBUTE_ARCHIVE));
  return 0;
}

void OutputFile::RemoveNewFile() { DeleteFileA(temp_.c_str()); }

// Standard output in binary mode: the report's CR LF stay as they are, and
// no LF becomes CR LF.
void InitOutputFiles() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace vornak

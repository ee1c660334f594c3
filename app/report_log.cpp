#include "app/report_log.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace vornak {

void FileLog::Fail(const char* what, int error) {
  if (!failure_.empty()) return;
  failure_ = path_ + ": " + what + (error ? std::string(": ") + std::strerror(error) : "");
  if (file_) {
    std::fclose(file_);
    file_ = nullptr;
  }
}

void FileLog::Append(const std::string& text) {
  // After a failure the log is incomplete anyway; do not write past a gap.
  if (!failure_.empty()) return;
  if (!file_) {
    if (path_.empty()) return Fail("cannot create the log: it has no file name", 0);
    errno = 0;
    file_ = std::fopen(path_.c_str(), "ab");
    if (!file_) return Fail("cannot create the log", errno);
    std::setvbuf(file_, nullptr, _IONBF, 0);
  }
  const std::string line = text + "\r\n";
  errno = 0;
  if (std::fwrite(line.data(), 1, line.size(), file_) != line.size())
    Fail("cannot write the log", errno);
}

void FileLog::Close() {
  if (!file_) return;
  errno = 0;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (!closed) Fail("cannot close the log", errno);
}

void RemoveOldLog(const std::string& path) {
  // unlink, not remove: remove would also take an empty directory.
  if (!path.empty()) unlink(path.c_str());
}

}  // namespace vornak

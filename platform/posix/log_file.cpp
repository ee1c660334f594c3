// The log file through POSIX calls, for the native build (tests, replays).
#include "platform/log_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vornak {

namespace {

std::string Reason(int error) { return std::strerror(error ? error : EIO); }

class PosixLogFile : public LogFile {
 public:
  explicit PosixLogFile(int fd) : fd_(fd) {}
  ~PosixLogFile() override { Close(); }

  std::string Write(const std::string& bytes) override {
    // A regular file takes the whole line at once; a short count comes only
    // at a limit, and the next write then says which.
    size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return Reason(n < 0 ? errno : 0);
      done += static_cast<size_t>(n);
    }
    return "";
  }
  std::string Commit() override { return ::fsync(fd_) == 0 ? "" : Reason(errno); }
  std::string Close() override {
    if (fd_ < 0) return "";
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? "" : Reason(errno);
  }

 private:
  int fd_;
};

class PosixLogFiles : public LogFiles {
 public:
  std::unique_ptr<LogFile> Open(const std::string& path, std::string& reason) override {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (fd < 0) {
      reason = Reason(errno);
      return nullptr;
    }
    return std::make_unique<PosixLogFile>(fd);
  }
  RemoveResult Remove(const std::string& path, std::string& reason) override {
    // unlink, not remove: remove would also take an empty directory.
    if (::unlink(path.c_str()) == 0) return RemoveResult::kRemoved;
    const int error = errno;
    if (error == ENOENT) return RemoveResult::kMissing;
    struct stat s;
    if (::stat(path.c_str(), &s) == 0 && S_ISDIR(s.st_mode)) return RemoveResult::kDirectory;
    reason = Reason(error);
    return RemoveResult::kFailed;
  }
};

PosixLogFiles files;

}  // namespace

LogFiles& SystemLogFiles() { return files; }

}  // namespace vornak

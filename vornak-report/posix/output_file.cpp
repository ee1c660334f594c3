#include "vornak-report/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "vornak-report/paths.h"

namespace vornak {

namespace {

// The rename made durable: the folder's entry is on the disk too. A folder
// that cannot be synced costs nothing but that.
void SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

// The name at the end of a chain of links whose last file is missing, where
// realpath gives up; a relative link is read from its own folder. A loop,
// or a chain longer than the system follows, is ELOOP.
int FollowDanglingLinks(std::string& path) {
  for (int links = 0;; ++links) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return 0;
    if (links == 40) return ELOOP;
    std::vector<char> target(static_cast<size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1);
    const ssize_t n = readlink(path.c_str(), target.data(), target.size());
    if (n < 0) return errno;
    if (static_cast<size_t>(n) >= target.size()) continue;  // the link changed under us: read it again
    const std::string to(target.data(), static_cast<size_t>(n));
    if (to.empty()) return ENOENT;
    path = to[0] == '/' ? to : Join(FolderOf(path), to);
  }
}

}  // namespace

int OutputFile::Open() {
  struct stat st;
  bool exists = stat(path_.c_str(), &st) == 0;
  // A link is followed, so the file it names gets the bytes and the link
  // stays; a dangling one too, so its file is made where it points. (Only
  // then by hand: the system's own links, such as /dev/stdout to a pipe,
  // name no file a path could reach.)
  if (!exists && (errno == ENOENT || errno == ELOOP)) {
    if (const int error = FollowDanglingLinks(path_)) return error;
    exists = stat(path_.c_str(), &st) == 0;
  }
  if (exists && S_ISDIR(st.st_mode)) return EISDIR;
  if (exists && !S_ISREG(st.st_mode)) {
    file_ = std::fopen(path_.c_str(), "wb");
    return file_ ? 0 : errno;
  }
  if (exists) {
    // A file that may not be written is not replaced either.
    if (access(path_.c_str(), W_OK) != 0) return errno;
    struct stat link;
    if (lstat(path_.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
      char resolved[PATH_MAX];
      if (!realpath(path_.c_str(), resolved)) return errno;
      path_ = resolved;
    }
  }
  const std::string name = Join(FolderOf(path_), "." + path_.substr(FileNameStart(path_)) + ".XXXXXX");
  std::vector<char> buf(name.begin(), name.end());
  buf.push_back('\0');
  const int fd = mkstemp(buf.data());
  if (fd < 0) return errno;
  temp_ = buf.data();
  // The mode an existing file has, or the one a new file gets (mkstemp's
  // is 0600); the owner too where the system lets us.
  if (exists) {
    fchmod(fd, st.st_mode & 0777);
    if (fchown(fd, st.st_uid, st.st_gid) != 0) errno = 0;  // only root may give it away
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
  }
  file_ = fdopen(fd, "wb");
  if (file_) return 0;
  const int error = errno;
  close(fd);
  return error;
}

// A file system without sync (EINVAL) has nothing to sync.
int OutputFile::SyncNewFile() { return fsync(fileno(file_)) != 0 && errno != EINVAL ? errno : 0; }

int OutputFile::PutNewInPlace() {
  if (std::rename(temp_.c_str(), path_.c_str()) != 0) return errno;
  SyncFolder(FolderOf(path_));
  return 0;
}

void OutputFile::RemoveNewFile() { unlink(temp_.c_str()); }

void InitOutputFiles() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace vornak

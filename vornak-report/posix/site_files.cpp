#include "vornak-report/site_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>

#include "vornak-report/paths.h"

namespace vornak::site {

namespace {

bool Fail(std::string& error, int e) {
  error = std::strerror(e);
  return false;
}

// Names in a folder but "." and "..", sorted; false if it cannot be read.
bool Names(const std::string& folder, std::vector<std::string>& names, int& err) {
  DIR* d = opendir(folder.c_str());
  if (!d) return err = errno, false;
  errno = 0;
  while (const dirent* e = readdir(d)) {
    if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) names.push_back(e->d_name);
    errno = 0;
  }
  err = errno;
  closedir(d);
  std::sort(names.begin(), names.end());
  return err == 0;
}

using LeaveOut = std::function<bool(const std::string&)>;

void Walk(const std::string& path, bool top, std::vector<std::string>& files, std::vector<std::string>& errors,
          const LeaveOut& leaveOut) {
  struct stat st;
  // The command line's own names are followed, links found inside are not
  // followed to folders.
  if ((top ? stat(path.c_str(), &st) : lstat(path.c_str(), &st)) != 0) {
    errors.push_back(path + ": " + std::strerror(errno));
    return;
  }
  if (S_ISLNK(st.st_mode)) {
    if (stat(path.c_str(), &st) != 0) return errors.push_back(path + ": " + std::strerror(errno));
    if (S_ISREG(st.st_mode)) files.push_back(path);
    return;
  }
  // A pipe is read when named on the command line (`<(zcat old.LOG.gz)`),
  // as the tool reads one elsewhere; found in a folder, it could wait
  // forever, and is not.
  if (S_ISREG(st.st_mode) || (top && S_ISFIFO(st.st_mode))) return files.push_back(path);
  if (!S_ISDIR(st.st_mode)) return errors.push_back(path + ": not a file or a folder");
  if (!top && leaveOut && leaveOut(path)) return;
  std::vector<std::string> names;
  int err = 0;
  if (!Names(path, names, err)) errors.push_back(path + ": " + std::strerror(err));
  for (const std::string& n : names) Walk(Join(path, n), false, files, errors, leaveOut);
}

}  // namespace

void ListFiles(const std::string& path, std::vector<std::string>& files, std::vector<std::string>& errors,
               const LeaveOut& leaveOut) {
  Walk(path, true, files, errors, leaveOut);
}

Place InspectPlace(const std::string& path, const std::string& marker) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) return errno == ENOENT ? Place::kMissing : Place::kOther;
  if (!S_ISDIR(st.st_mode)) return Place::kOther;
  std::vector<std::string> names;
  int err = 0;
  if (!Names(path, names, err)) return Place::kOther;
  if (names.empty()) return Place::kEmptyFolder;
  return std::binary_search(names.begin(), names.end(), marker) ? Place::kSite : Place::kOther;
}

std::string MakeFolderBeside(const std::string& target, std::string& error) {
  std::string pattern = Join(Parent(target), "." + Base(target) + ".new-XXXXXX");
  if (!mkdtemp(pattern.data())) return Fail(error, errno), std::string();
  // mkdtemp makes it 0700, for its owner alone; the site is to be read by
  // others too. The old folder's mode (its owner still writes the new
  // site), else what mkdir would give (the umask applied, a set-group-ID bit
  // inherited from the parent kept).
  struct stat old, made;
  mode_t mode;
  if (lstat(target.c_str(), &old) == 0 && S_ISDIR(old.st_mode)) {
    mode = (old.st_mode & 07777) | S_IRWXU;
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    mode = (0777 & ~mask) | (stat(pattern.c_str(), &made) == 0 ? made.st_mode & S_ISGID : 0);
  }
  if (chmod(pattern.c_str(), mode) != 0) {
    const int e = errno;
    rmdir(pattern.c_str());
    return Fail(error, e), std::string();
  }
  return pattern;
}

bool MakeFolder(const std::string& path, std::string& error) {
  return mkdir(path.c_str(), 0777) == 0 || Fail(error, errno);
}

bool WriteNewFile(const std::string& path, std::string_view bytes, std::string& error) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return Fail(error, errno);
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const int e = n < 0 ? errno : ENOSPC;
      close(fd);
      return Fail(error, e);
    }
    done += static_cast<size_t>(n);
  }
  return close(fd) == 0 || Fail(error, errno);
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Fail(error, errno);
  bytes.clear();
  char buf[65536];
  for (;;) {
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int e = errno;
      close(fd);
      return Fail(error, e);
    }
    if (n == 0) break;
    bytes.append(buf, static_cast<size_t>(n));
  }
  close(fd);
  return true;
}

namespace {

// Not put back when `movedTo` is set, and why.
Replaced Refused(std::string error = "", std::string movedTo = "") {
  return {Replaced::kRefused, std::move(error), std::move(movedTo)};
}

Replaced Failed(int e, std::string movedTo = "") { return {Replaced::kFailed, std::strerror(e), std::move(movedTo)}; }

// Where nothing stands: a plain rename. Should something have come there
// since, it replaces an empty folder only and fails on anything else.
Replaced MoveIn(const std::string& fresh, const std::string& target) {
  return std::rename(fresh.c_str(), target.c_str()) == 0 ? Replaced{} : Failed(errno);
}

}  // namespace

Replaced ReplaceFolder(const std::string& fresh, const std::string& target, const std::string& marker) {
#ifdef RENAME_EXCHANGE
  // One step: the old folder or the new one is there at every moment, and
  // what the exchange took is looked at afterwards, where nothing can
  // change it unseen.
  if (renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) == 0) {
    if (InspectPlace(fresh, marker) != Place::kOther) {
      RemoveTree(fresh);
      return {};
    }
    if (renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) == 0) return Refused();
    return Refused(std::strerror(errno), fresh);
  }
  if (errno == ENOENT) return MoveIn(fresh, target);
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return Failed(errno);
#endif
  return ReplaceFolderInTwoSteps(fresh, target, marker);
}

Replaced ReplaceFolderInTwoSteps(const std::string& fresh, const std::string& target, const std::string& marker) {
  std::string aside = Join(Parent(target), "." + Base(target) + ".old-XXXXXX");
  if (!mkdtemp(aside.data())) return Failed(errno);
  // mkdtemp's folder only reserves the name; a folder at target moves onto
  // it. A file or a link cannot (EISDIR): no site, left where it is.
  if (std::rename(target.c_str(), aside.c_str()) != 0) {
    const int e = errno;
    rmdir(aside.c_str());
    if (e == ENOENT) return MoveIn(fresh, target);
    return e == EISDIR ? Refused() : Failed(e);
  }
  return ReplaceFromAside(fresh, target, aside, marker);
}

bool MoveFolder(const std::string& from, const std::string& to, std::string& error) {
  return std::rename(from.c_str(), to.c_str()) == 0 || Fail(error, errno);
}

void RemoveTree(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) return;
  if (S_ISDIR(st.st_mode)) {
    std::vector<std::string> names;
    int err = 0;
    Names(path, names, err);
    for (const std::string& n : names) RemoveTree(Join(path, n));
    rmdir(path.c_str());
  } else {
    unlink(path.c_str());
  }
}

}  // namespace vornak::site

// Whether two names reach one file, and whether a name lies in a folder,
// however either is spelled ("./A.LOG" and "A.LOG", a hard link, a symbolic
// link, ".."; on Windows also another case or the short name): an output
// never replaces one of its own inputs (report_run.cpp, site_build.cpp).
//
// The system's side is posix/file_identity.cpp (device and inode) and
// win32/file_identity.cpp (volume serial number and file index).
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>

namespace vornak {

// What the system tells a file by, whatever name reaches it.
struct FileIdentity {
  std::uint64_t volume = 0, index = 0;
  bool operator==(const FileIdentity& o) const { return volume == o.volume && index == o.index; }
};

// The identity of the regular file `path` names, links followed; nothing
// for a name that is missing or cannot be looked at, a folder, a device or
// a pipe. An output to a device or pipe is written in place and replaces
// nothing, so a terminal that is standard input and output alike is no
// conflict.
std::optional<FileIdentity> IdentityOf(const std::string& path);

// A folder known under any of its names. Windows 95 cannot open a folder,
// so there it is known by the file `marker` it holds, and a folder without
// that file by no name at all; POSIX knows it by its own identity.
class KnownFolder {
 public:
  KnownFolder(const std::string& path, const std::string& marker);
  // Whether `path` names this folder.
  bool Is(const std::string& path) const;
  // Whether `path`, a file or a folder, is this folder or lies in it, with
  // links and ".." resolved. Folders found outside are remembered, so that
  // asking for every file of a walk costs one look per folder.
  bool Holds(const std::string& path);

 private:
  std::string marker_;
  std::optional<FileIdentity> identity_;
  std::set<std::string> outside_;
};

// The system's side of KnownFolder.
// The identity by which the folder `path` is known (see KnownFolder).
std::optional<FileIdentity> FolderIdentityOf(const std::string& path, const std::string& marker);
// `path` as an absolute name, without "." or "..", links resolved where the
// system has them; "" if it cannot be resolved (it is missing). The folder
// holding one is its FolderOf (paths.h); the root's is the root.
std::string ResolvedPath(const std::string& path);

}  // namespace vornak

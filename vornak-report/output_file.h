// The files vornak-report writes: each is replaced whole or not at all.
//
// The bytes go to a new file beside the target under a temporary name, are
// flushed to the disk, and the new file is renamed over the target only
// once it is complete. Any failure (a full disk, a size limit, a target
// that is a folder) leaves the old file as it was and removes the new one,
// so neither half a file nor a stray temporary file remains. A link is
// followed, even one whose file does not exist yet: that file gets the
// bytes, and the link stays. A target that
// exists and is no regular file (a device, a pipe) is written in place:
// there is nothing to replace, and a rename would put a file where the
// device node was.
//
// output_file.cpp is the stream, shared; the system calls behind it are
// posix/output_file.cpp and win32/output_file.cpp.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace vornak {

class OutputFile {
 public:
  // Creates the temporary file for `path`; a failure shows in Error().
  explicit OutputFile(std::string path);
  // Without a successful Commit(), discards the new file.
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Appends; false from the first failure on. Pieces may be small: they
  // are buffered.
  bool Write(std::string_view bytes);
  // Puts the new file in the target's place; false on any failure, and then
  // the target is as it was.
  bool Commit();
  // The first failure's reason ("No space left on device"); "" if none.
  const std::string& Error() const { return error_; }

 private:
  // The system's side; each returns 0 or the errno of the failure.
  int Open();
  int SyncNewFile();     // the new file's bytes on the disk
  int PutNewInPlace();   // the closed new file renamed over the target
  void RemoveNewFile();  // best effort
  void Fail(int error);
  void Discard();

  std::string path_;    // the target, a link resolved
  std::string temp_;    // the new file; "" when writing in place
  std::FILE* file_ = nullptr;
  std::string error_;
};

// The whole of `bytes` as the file `path`, through an OutputFile. On failure
// returns false with the reason in `error`.
bool WriteOutputFile(const std::string& path, std::string_view bytes, std::string& error);

// All of `bytes` to standard output, flushed, as they are (no line end
// translation). On failure returns false with the reason in `error`.
bool WriteStandardOutput(std::string_view bytes, std::string& error);

// Once, before the first output: a write past a file size limit is to fail
// and be reported like a full disk, not end the process mid-file.
void InitOutputFiles();

}  // namespace vornak

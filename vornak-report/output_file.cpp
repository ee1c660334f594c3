// What OutputFile does alike on every system: the bytes through the C
// library's stream, the first failure kept as its errno's text, the new file
// discarded unless committed. The system's side is posix/output_file.cpp and
// win32/output_file.cpp.
#include "vornak-report/output_file.h"

#include <cerrno>
#include <cstring>

namespace vornak {

OutputFile::OutputFile(std::string path) : path_(std::move(path)) {
  if (const int error = Open()) Fail(error);
}

OutputFile::~OutputFile() { Discard(); }

void OutputFile::Fail(int error) {
  if (error_.empty()) error_ = std::strerror(error ? error : EIO);
  Discard();
}

void OutputFile::Discard() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
  if (!temp_.empty()) RemoveNewFile();
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
  // Only the new file's bytes are synced; a device written in place has none.
  if (!temp_.empty()) {
    if (const int error = SyncNewFile()) {
      Fail(error);
      return false;
    }
  }
  std::FILE* f = file_;
  file_ = nullptr;
  if (std::fclose(f) != 0) {
    Fail(errno);
    return false;
  }
  if (temp_.empty()) return true;
  if (const int error = PutNewInPlace()) {
    Fail(error);
    return false;
  }
  temp_.clear();
  return true;
}

bool WriteOutputFile(const std::string& path, std::string_view bytes, std::string& error) {
  OutputFile out(path);
  const bool ok = out.Write(bytes) && out.Commit();
  error = out.Error();
  return ok;
}

bool WriteStandardOutput(std::string_view bytes, std::string& error) {
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0) return true;
  error = errno ? std::strerror(errno) : "write failed";
  return false;
}

}  // namespace vornak

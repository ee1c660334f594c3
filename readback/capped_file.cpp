#include "readback/capped_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "readback/input_error.h"

namespace vornak {

std::string ReadFileCapped(const std::string& path, size_t cap, const std::string& what) {
  const std::string tooBig = "expected " + what + " of at most " + std::to_string(cap >> 20) +
                             " MB, the file is larger";
  struct stat st;
  const bool found = stat(path.c_str(), &st) == 0;
  // A folder: Windows' fopen refuses it, a POSIX read fails on it; one
  // message for both.
  if (found && S_ISDIR(st.st_mode)) throw InputError(path, 0, std::string("cannot read the file: ") + std::strerror(EISDIR));
  const bool sized = found && S_ISREG(st.st_mode);
  const bool tooLarge = sized && static_cast<unsigned long long>(st.st_size) > cap;
  errno = 0;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) throw InputError(path, 0, std::string("cannot open the file: ") + std::strerror(errno));
  std::string bytes;
  if (sized && !tooLarge) bytes.reserve(static_cast<size_t>(st.st_size));
  char buffer[65536];
  size_t n;
  if (tooLarge) {
    bytes.append(buffer, std::fread(buffer, 1, TooLargeError::kStartBytes, f));  // to tell its kind
  } else {
    // The cap holds for what stat cannot size, and for a file that grows.
    while (bytes.size() <= cap && (n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
  }
  const bool failed = std::ferror(f) != 0;
  const int error = failed ? errno : 0;
  std::fclose(f);
  if (failed)
    throw InputError(path, 0, std::string("cannot read the file") +
                                  (error ? std::string(": ") + std::strerror(error) : ""));
  if (tooLarge || bytes.size() > cap) throw TooLargeError(path, tooBig, bytes.substr(0, TooLargeError::kStartBytes));
  return bytes;
}

}  // namespace vornak

// A whole file read into memory, up to a size cap: what vornak-report's
// inputs are read with. A file past the cap is refused before it is read
// when its size is known, and after at most one buffer more when it is not
// (a pipe, a device), so a huge input never takes more memory than the cap.
#pragma once

#include <cstddef>
#include <string>

#include "readback/input_error.h"

namespace vornak {

// A file past the cap. Its first bytes (up to kStartBytes) are read all the
// same, to tell what kind of file it is: a log grows by appending, and one
// of ours past the cap is worth a word where another large file is not.
class TooLargeError : public InputError {
 public:
  TooLargeError(const std::string& file, const std::string& message, std::string start)
      : InputError(file, 0, message), start(std::move(start)) {}
  static constexpr size_t kStartBytes = 64;
  std::string start;
};

// The bytes of the file at `path`; throws InputError naming the file when it
// cannot be opened or read, or TooLargeError when it holds more than `cap`
// bytes (`what` names the expected content in that message: "a log or
// profile").
std::string ReadFileCapped(const std::string& path, size_t cap, const std::string& what);

}  // namespace vornak

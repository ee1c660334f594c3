// A whole file read into memory, up to a size cap: what vornak-report's
// inputs are read with. A file past the cap is refused before it is read
// when its size is known, and after at most one buffer more when it is not
// (a pipe, a device), so a huge input never takes more memory than the cap.
#pragma once

#include <cstddef>
#include <string>

namespace vornak {

// The bytes of the file at `path`; throws InputError naming the file when it
// cannot be opened or read, or holds more than `cap` bytes (`what` names the
// expected content in that message: "a log or profile").
std::string ReadFileCapped(const std::string& path, size_t cap, const std::string& what);

}  // namespace vornak

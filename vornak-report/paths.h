// Where a path's last part, the file's own name, starts: after the last
// folder separator the system knows ('/'; on Windows also '\' and a drive's
// ':', read character by character, since a trail byte of the ANSI code page
// 932 may be 0x5C, the backslash). 0 for a bare name.
#pragma once

#include <cstddef>
#include <string_view>

namespace vornak {

size_t FileNameStart(std::string_view path);

}  // namespace vornak

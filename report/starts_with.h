// Whether a text starts with another, for every folder from here up: the log
// reader, its rules and the input's detection test line and file starts by
// it, rather than each spelling the comparison its own way.
#pragma once

#include <string_view>

namespace vornak {

inline bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace vornak

// The Shift-JIS lead-byte rule, the one place the portable core decides where
// a double-byte character starts. A trail byte can look like an ASCII letter
// (0x40-0x7E) or a backslash (0x5C, the second byte of many kanji), so code
// that folds case or looks for path separators steps over whole characters.
#pragma once

#include <string>

namespace vornak {

inline bool IsSjisLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Whether the text's last character is a backslash, scanning from the start
// so that a trail byte 0x5C is not taken for one. The live shell passes the
// system's own rule (IsDBCSLeadByte of the code page in use).
inline bool EndsWithBackslash(const std::string& text,
                              bool (*isLead)(unsigned char) = IsSjisLeadByte) {
  bool last = false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (isLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) {
      ++i;
      last = false;
    } else {
      last = text[i] == '\\';
    }
  }
  return last;
}

}  // namespace vornak

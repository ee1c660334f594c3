// What the page tests ask of a text in either language.
#pragma once

#include <string_view>

#include "vornak-report/messages.h"

namespace vornak {

// Whether `s` holds a Japanese character: kana, kanji, full-width forms.
inline bool HasJapanese(std::string_view s) {
  for (size_t i = 0; i < s.size();) {
    const TextCharacter c = ReadUtf8(s.substr(i));
    if (c.codePoint >= 0x3000 && c.codePoint <= 0xFFEF) return true;
    i += c.length;
  }
  return false;
}

}  // namespace vornak

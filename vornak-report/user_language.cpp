#include "vornak-report/user_language.h"

#include <cstring>

namespace vornak {

Language LanguageOfLocale(const char* lcAll, const char* lcMessages, const char* lang) {
  for (const char* locale : {lcAll, lcMessages, lang}) {
    if (!locale || !*locale) continue;
    // "ja", "ja_JP.UTF-8", and the old alias "japanese" alike.
    return std::strncmp(locale, "ja", 2) == 0 ? Language::kJapanese : Language::kEnglish;
  }
  return Language::kEnglish;
}

Language LanguageOfLangId(unsigned langId) {
  constexpr unsigned kPrimaryMask = 0x3FF, kJapanese = 0x11;
  return (langId & kPrimaryMask) == kJapanese ? Language::kJapanese : Language::kEnglish;
}

}  // namespace vornak

// The language the user's system speaks, for the page and the site when the
// command line names none (--lang). The system's side asks its own
// setting: the locale variables (posix/user_language.cpp), the user's
// default language (win32/user_language.cpp, GetUserDefaultLangID, which
// Windows 95 has). The rules are here, so that both are tested natively.
#pragma once

#include "vornak-report/page_texts.h"

namespace vornak {

// The system's side.
Language UserLanguage();

// LC_ALL, then LC_MESSAGES, then LANG: the first set and not empty decides
// (null for one not set). Japanese when it starts with "ja" ("ja",
// "ja_JP.UTF-8", glibc's alias "japanese"); English for any other, "C" and
// none at all.
Language LanguageOfLocale(const char* lcAll, const char* lcMessages, const char* lang);

// Japanese for a language identifier whose primary language (its low ten
// bits) is LANG_JAPANESE (0x11), whatever its sublanguage; else English.
Language LanguageOfLangId(unsigned langId);

}  // namespace vornak

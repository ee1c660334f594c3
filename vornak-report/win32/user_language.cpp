// The user's default language, which Windows 95 keeps too: a Japanese
// Windows gives 0x0411. The locale variables are not Windows' setting and
// are not read.
#include <windows.h>

#include "vornak-report/user_language.h"

namespace vornak {

Language UserLanguage() { return LanguageOfLangId(GetUserDefaultLangID()); }

}  // namespace vornak

// The locale variables, as the C library's setlocale reads them for
// messages.
#include <cstdlib>

#include "vornak-report/user_language.h"

namespace vornak {

Language UserLanguage() {
  return LanguageOfLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

}  // namespace vornak

// Messages are read as UTF-8, the encoding of the converted texts in them.
#include "vornak-report/messages.h"

namespace vornak {

TextCharacter ReadSystemText(std::string_view rest) { return ReadUtf8(rest); }

}  // namespace vornak

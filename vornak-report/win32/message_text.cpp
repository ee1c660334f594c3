// Messages are read as the console reads them: in the ANSI code page, whose
// lead bytes and table the system knows (code page 932's lead bytes are
// 0x81-0x9F and 0xE0-0xFC; 1252 has letters at 0x80-0x9F and C1 controls at
// its five unused places).
#include <windows.h>

#include "vornak-report/messages.h"

namespace vornak {

namespace {

bool IsLead(unsigned char c) { return IsDBCSLeadByte(c) != 0; }

// Systems before Windows 2000 SP4 may refuse MB_ERR_INVALID_CHARS; there the
// table is asked without it (its default character is no control either).
long Character(std::string_view bytes) {
  WCHAR w[2];
  const int n = static_cast<int>(bytes.size());
  int got = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), n, w, 2);
  if (got == 0 && GetLastError() == ERROR_INVALID_FLAGS) got = MultiByteToWideChar(CP_ACP, 0, bytes.data(), n, w, 2);
  return got == 1 ? static_cast<long>(w[0]) : kNoCharacter;
}

}  // namespace

TextCharacter ReadSystemText(std::string_view rest) { return ReadCodePage(rest, {IsLead, Character}); }

}  // namespace vornak

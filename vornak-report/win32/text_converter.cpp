// The text conversion through the system: MultiByteToWideChar from code page
// 932 (or the ANSI code page, for file names) to UTF-16, then UTF-16 to UTF-8
// here, since Windows 95 has no CP_UTF8.
//
// Report text is cut into characters here, one call each, so that a byte
// which starts no character becomes U+FFFD and the next byte is read afresh,
// as iconv does in the native build. The few bytes iconv calls no character
// but Windows' table maps (0x80, 0xA0, 0xFD-0xFF) are U+FFFD in both builds
// (docs/log-format.md).
#include <windows.h>

#include "vornak-report/text_converter.h"

namespace vornak {

namespace {

constexpr UINT kShiftJis = 932;
// The marker handle_ holds: there is no state to keep.
char kSystemTable;

bool IsLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
bool IsNoCharacter(unsigned char c) { return c == 0x80 || c == 0xA0 || c >= 0xFD; }

// UTF-16 to UTF-8; a lone surrogate is U+FFFD.
void AppendUtf16(std::string& out, const WCHAR* w, int n) {
  for (int i = 0; i < n; ++i) {
    const unsigned c = w[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < n && w[i + 1] >= 0xDC00 && w[i + 1] <= 0xDFFF) {
      AppendUtf8(out, 0x10000 + ((c - 0xD800) << 10) + (w[++i] - 0xDC00));
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      out += kReplacementUtf8;
    } else {
      AppendUtf8(out, c);
    }
  }
}

// One character of 932 (`n` bytes) as UTF-16, or false when the table has
// none. Systems before Windows 2000 SP4 may refuse MB_ERR_INVALID_CHARS, or
// ignore it and give the code page's default character, the middle dot
// U+30FB, for a sequence without one: only 0x81 0x45 really is that dot.
bool Character(const char* bytes, int n, WCHAR& w) {
  WCHAR buf[2];
  int got = MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, bytes, n, buf, 2);
  if (got == 0 && GetLastError() == ERROR_INVALID_FLAGS) got = MultiByteToWideChar(kShiftJis, 0, bytes, n, buf, 2);
  if (got != 1 || (buf[0] == 0x30FB && !(n == 2 && bytes[0] == '\x81' && bytes[1] == '\x45'))) return false;
  w = buf[0];
  return true;
}

}  // namespace

void TextConverter::Open() {
  if (from_ == From::kFileName || IsValidCodePage(kShiftJis)) handle_ = &kSystemTable;
}

void TextConverter::Close() { handle_ = nullptr; }

void TextConverter::Convert(std::string_view bytes, std::string& out) {
  if (from_ == From::kFileName) {
    // A name from the command line is in the ANSI code page, whole.
    const int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0 && MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), &w[0], n) == n)
      AppendUtf16(out, w.data(), n);
    else
      out += kReplacementUtf8;
    return;
  }
  size_t i = 0;
  while (i < bytes.size()) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    WCHAR w;
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
    } else if (IsLead(c) && i + 1 < bytes.size() && Character(bytes.data() + i, 2, w)) {
      AppendUtf16(out, &w, 1);
      i += 2;
    } else if (!IsLead(c) && !IsNoCharacter(c) && Character(bytes.data() + i, 1, w)) {
      AppendUtf16(out, &w, 1);
      ++i;
    } else {
      out += kReplacementUtf8;  // the byte alone; the next one starts afresh
      ++i;
    }
  }
}

}  // namespace vornak

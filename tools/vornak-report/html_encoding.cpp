#include "tools/vornak-report/html_encoding.h"

#include <iconv.h>

#include <cerrno>

namespace vornak::html {

namespace {

constexpr const char* kReplacement = "\xEF\xBF\xBD";  // U+FFFD

void AppendUtf8(std::string& out, unsigned cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Without iconv's table: what code page 932 gives for single bytes.
void FallbackByte(std::string& out, unsigned char c, bool cp932) {
  if (c < 0x80) out += static_cast<char>(c);
  else if (cp932 && c >= 0xA1 && c <= 0xDF) AppendUtf8(out, 0xFF61 + (c - 0xA1));
  else out += kReplacement;
}

}  // namespace

TextConverter::TextConverter(const char* fromCode)
    : cd_(nullptr), cp932_(std::string_view(fromCode) == "CP932") {
  iconv_t cd = iconv_open("UTF-8", fromCode);
  if (cd != reinterpret_cast<iconv_t>(-1)) cd_ = cd;
}

TextConverter::~TextConverter() {
  if (cd_) iconv_close(static_cast<iconv_t>(cd_));
}

std::string TextConverter::ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  if (!cd_) {
    for (char c : bytes) FallbackByte(out, static_cast<unsigned char>(c), cp932_);
    return out;
  }
  iconv_t cd = static_cast<iconv_t>(cd_);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);  // a line starts in the initial state
  char* in = const_cast<char*>(bytes.data());
  size_t inLeft = bytes.size();
  char buf[1024];
  while (inLeft > 0) {
    char* o = buf;
    size_t oLeft = sizeof buf;
    const size_t r = iconv(cd, &in, &inLeft, &o, &oLeft);
    out.append(buf, static_cast<size_t>(o - buf));
    if (r != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // EILSEQ (no such character) or EINVAL (cut off at the end): one byte
    // is replaced and the rest converted.
    out += kReplacement;
    ++in;
    --inLeft;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  return out;
}

std::string Escape(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size() + 16);
  for (char ch : utf8) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\t': out += '\t'; break;
      default:
        if (c < 0x20) AppendUtf8(out, 0x2400 + c);
        else if (c == 0x7F) AppendUtf8(out, 0x2421);
        else out += ch;
    }
  }
  return out;
}

}  // namespace vornak::html

#include "vornak-report/text_converter.h"

namespace vornak {

void AppendUtf8(std::string& out, unsigned cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

TextConverter::TextConverter(From from) : from_(from) { Open(); }

TextConverter::~TextConverter() { Close(); }

std::string TextConverter::ToUtf8(std::string_view bytes) {
  bool ascii = true;
  for (char c : bytes) ascii &= static_cast<unsigned char>(c) < 0x80;
  if (ascii) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  if (handle_) {
    Convert(bytes, out);
    return out;
  }
  // Without the system's table: what code page 932 gives for single bytes.
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) out += ch;
    else if (from_ == From::kReportText && c >= 0xA1 && c <= 0xDF) AppendUtf8(out, 0xFF61 + (c - 0xA1));
    else out += kReplacementUtf8;
  }
  return out;
}

}  // namespace vornak

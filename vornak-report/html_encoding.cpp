#include "vornak-report/html_encoding.h"

#include "vornak-report/text_converter.h"

namespace vornak::html {

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

// Report texts on the page: Shift-JIS bytes to UTF-8, and HTML escaping.
#pragma once

#include <string>
#include <string_view>

namespace vornak::html {

// Converts the bytes of one code page to UTF-8 with iconv: report texts are
// code page 932, so 0xA5 reads "･" and a Japanese font name reads as
// Japanese. A byte that starts no character of the code page (or a lead byte
// cut off at the end) becomes U+FFFD and the conversion goes on after it: a
// line is never lost for one bad byte. Where iconv lacks the code page, ASCII
// and the half-width katakana still convert and other bytes become U+FFFD.
class TextConverter {
 public:
  explicit TextConverter(const char* fromCode = "CP932");
  ~TextConverter();
  TextConverter(const TextConverter&) = delete;
  TextConverter& operator=(const TextConverter&) = delete;

  std::string ToUtf8(std::string_view bytes);

 private:
  void* cd_;  // iconv_t, or null when iconv_open failed
  bool cp932_;
};

// Escapes UTF-8 text for element content and quoted attribute values. The
// controls HTML forbids as text (C0 but tab, DEL) show as their control
// pictures (U+2400 + c, U+2421), so a stray byte in a file line stays visible
// and the page stays valid.
std::string Escape(std::string_view utf8);

}  // namespace vornak::html

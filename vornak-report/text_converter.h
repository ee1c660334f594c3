// Report texts and file names as UTF-8, for the page, the JSON and the CSV.
//
// Report texts are code page 932 (Shift-JIS), so 0xA5 reads "･" and a
// Japanese font name reads as Japanese. A byte that starts no character of
// the code page (or a lead byte cut off at the end) becomes U+FFFD and the
// conversion goes on after it: a line is never lost for one bad byte. ASCII
// is the same in every code page here and is taken as it is; the rest goes
// through the system's converter (posix/text_converter.cpp: iconv;
// win32/text_converter.cpp: MultiByteToWideChar). Without one (a Windows
// without the code page 932 table), the half-width katakana still convert
// and other bytes become U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace vornak {

class TextConverter {
 public:
  enum class From {
    kReportText,  // code page 932
    kFileName,    // a file name as the system spells it (UTF-8 here)
  };
  explicit TextConverter(From from = From::kReportText);
  ~TextConverter();
  TextConverter(const TextConverter&) = delete;
  TextConverter& operator=(const TextConverter&) = delete;

  std::string ToUtf8(std::string_view bytes);

 private:
  // The system's part: open and close its converter (handle_ stays null
  // when there is none), and convert bytes that are not all ASCII.
  void Open();
  void Close();
  void Convert(std::string_view bytes, std::string& out);

  From from_;
  void* handle_ = nullptr;
};

inline constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";  // U+FFFD

// A code point as UTF-8.
void AppendUtf8(std::string& out, unsigned codePoint);

}  // namespace vornak

// The text conversion through iconv.
#include <iconv.h>

#include <cerrno>

#include "vornak-report/text_converter.h"

namespace vornak {

void TextConverter::Open() {
  iconv_t cd = iconv_open("UTF-8", from_ == From::kReportText ? "CP932" : "UTF-8");
  if (cd != reinterpret_cast<iconv_t>(-1)) handle_ = cd;
}

void TextConverter::Close() {
  if (handle_) iconv_close(static_cast<iconv_t>(handle_));
  handle_ = nullptr;
}

void TextConverter::Convert(std::string_view bytes, std::string& out) {
  iconv_t cd = static_cast<iconv_t>(handle_);
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
    out += kReplacementUtf8;
    ++in;
    --inLeft;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
}

}  // namespace vornak

#include "vornak-report/messages.h"

#include <algorithm>
#include <cstring>

namespace vornak {

namespace {

bool IsControl(long codePoint) {
  return codePoint == kNoCharacter || (codePoint < 0x20 && codePoint != '\t') || (codePoint >= 0x7F && codePoint <= 0x9F);
}

// Hands `put` the text in pieces: runs of bytes as they are, and an escape
// for each byte of a control.
template <typename Put>
void Escape(std::string_view text, CharacterReader read, Put put) {
  constexpr char kHex[] = "0123456789ABCDEF";
  size_t plain = 0, i = 0;
  while (i < text.size()) {
    const TextCharacter c = read(text.substr(i));
    const size_t n = std::min(std::max<size_t>(c.length, 1), text.size() - i);
    if (IsControl(c.codePoint)) {
      put(text.substr(plain, i - plain));
      for (size_t k = i; k < i + n; ++k) {
        const auto b = static_cast<unsigned char>(text[k]);
        const char escape[4] = {'\\', 'x', kHex[b >> 4], kHex[b & 15]};
        put(std::string_view(escape, sizeof escape));
      }
      plain = i + n;
    }
    i += n;
  }
  put(text.substr(plain));
}

// A message's bytes gathered on the stack and written in few calls.
class LineWriter {
 public:
  explicit LineWriter(std::FILE* f) : file_(f) {}
  ~LineWriter() { Flush(); }
  void Put(std::string_view s) {
    while (!s.empty()) {
      if (used_ == sizeof buffer_) Flush();
      const size_t n = std::min(s.size(), sizeof buffer_ - used_);
      std::memcpy(buffer_ + used_, s.data(), n);
      used_ += n;
      s.remove_prefix(n);
    }
  }

 private:
  void Flush() {
    if (used_) std::fwrite(buffer_, 1, used_, file_);
    used_ = 0;
  }
  std::FILE* file_;
  char buffer_[512];
  size_t used_ = 0;
};

}  // namespace

TextCharacter ReadUtf8(std::string_view rest) {
  const auto c = static_cast<unsigned char>(rest[0]);
  if (c < 0x80) return {1, c};
  // The sequence's length, its lead byte's bits, and the range of its second
  // byte, which rules out overlong forms, surrogates and what is past U+10FFFF.
  size_t n;
  long codePoint;
  unsigned char low = 0x80, high = 0xBF;
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2, codePoint = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3, codePoint = c & 0x0F;
    if (c == 0xE0) low = 0xA0;
    if (c == 0xED) high = 0x9F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4, codePoint = c & 0x07;
    if (c == 0xF0) low = 0x90;
    if (c == 0xF4) high = 0x8F;
  } else {
    return {1, kNoCharacter};
  }
  if (rest.size() < n) return {1, kNoCharacter};
  for (size_t i = 1; i < n; ++i) {
    const auto t = static_cast<unsigned char>(rest[i]);
    if (t < (i == 1 ? low : 0x80) || t > (i == 1 ? high : 0xBF)) return {1, kNoCharacter};
    codePoint = codePoint << 6 | (t & 0x3F);
  }
  return {n, codePoint};
}

TextCharacter ReadCodePage(std::string_view rest, const CodePage& page) {
  const auto c = static_cast<unsigned char>(rest[0]);
  if (c < 0x80) return {1, c};
  if (!page.isLeadByte(c)) return {1, page.character(rest.substr(0, 1))};
  // A lead byte without its trail stands alone: the byte after it (a
  // control, say) is read afresh, never swallowed.
  if (rest.size() < 2) return {1, kNoCharacter};
  const auto t = static_cast<unsigned char>(rest[1]);
  if (t < 0x40 || t == 0x7F || t == 0xFF) return {1, kNoCharacter};
  const long codePoint = page.character(rest.substr(0, 2));
  return codePoint == kNoCharacter ? TextCharacter{1, kNoCharacter} : TextCharacter{2, codePoint};
}

std::string TerminalText(std::string_view text, CharacterReader read) {
  std::string out;
  Escape(text, read, [&out](std::string_view s) { out += s; });
  return out;
}

void WriteMessage(std::FILE* err, std::string_view text, std::string_view utf8) {
  LineWriter line(err);
  line.Put("vornak-report: ");
  Escape(text, ReadSystemText, [&line](std::string_view s) { line.Put(s); });
  Escape(utf8, ReadUtf8, [&line](std::string_view s) { line.Put(s); });
  line.Put("\n");
}

}  // namespace vornak

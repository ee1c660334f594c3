#include "probes/text_mode_file.h"

#include <algorithm>
#include <cstring>

namespace vornak {

namespace {
constexpr char kCtrlZ = 0x1A;
constexpr size_t kPieceMax = 255;  // fgets into 256 bytes leaves room for the NUL
}  // namespace

TextModeFile::TextModeFile(const std::string& bytes) {
  text_.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == kCtrlZ) break;
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;  // the LF follows
    text_.push_back(c);
  }
}

bool TextModeFile::Gets(std::string& piece) {
  if (pos_ >= text_.size()) return false;
  const size_t room = std::min(kPieceMax, text_.size() - pos_);
  const char* start = text_.data() + pos_;
  const void* lf = std::memchr(start, '\n', room);
  const size_t length = lf ? static_cast<const char*>(lf) - start + 1 : room;
  piece.assign(start, length);
  pos_ += length;
  return true;
}

}  // namespace vornak

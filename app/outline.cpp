#include "app/outline.h"

namespace vornak {

namespace {
bool IsSjisLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
unsigned char FoldAscii(unsigned char c) { return (c >= 'a' && c <= 'z') ? c - 32 : c; }
}  // namespace

bool SjisTextEqualIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (IsSjisLead(x) && i + 1 < a.size()) {
      // A double-byte character matches only byte for byte.
      if (x != y || a[i + 1] != b[i + 1]) return false;
      ++i;
      continue;
    }
    if (FoldAscii(x) != FoldAscii(y)) return false;
  }
  return true;
}

bool Outline::TextEqual(const std::string& a, const std::string& b) const {
  return SjisTextEqualIgnoringCase(a, b);
}

std::string Outline::EqualityKey(const std::string& text) const {
  std::string key = text;
  for (char& c : key)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return key;
}

}  // namespace vornak

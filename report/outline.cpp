#include "report/outline.h"

#include "report/sjis.h"

namespace vornak {

namespace {
unsigned char FoldAscii(unsigned char c) { return (c >= 'a' && c <= 'z') ? c - 32 : c; }
}  // namespace

bool SjisTextEqualIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (IsSjisLeadByte(x) && i + 1 < a.size()) {
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

// Folded by the same rule as the equality: a double-byte character is kept
// whole, so lines that differ in a trail byte's "case" are not equal and do
// not share a key either (a shared key would make every AddItem scan them).
std::string Outline::EqualityKey(const std::string& text) const {
  std::string key = text;
  for (size_t i = 0; i < key.size(); ++i) {
    const auto c = static_cast<unsigned char>(key[i]);
    if (IsSjisLeadByte(c) && i + 1 < key.size()) ++i;
    else key[i] = static_cast<char>(FoldAscii(c));
  }
  return key;
}

}  // namespace vornak

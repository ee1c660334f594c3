#include "readback/line_shape.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vornak {

namespace {

bool IsDigit(char c, bool hex) {
  if (c >= '0' && c <= '9') return true;
  return hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

// One piece of a format: a byte printed as itself ("%%" is a '%', and so is
// an unknown conversion its letter), a %s, a %c or a number.
struct Piece {
  enum Kind : uint8_t { kByte, kText, kChar, kNumber, kEnd } kind;
  char byte = 0;      // kByte
  bool hex = false;   // kNumber: x X
  bool sign = false;  // kNumber: d i, which print a '-'
};

// The piece at `f`, and `f` past it. Flags, width, precision and size are
// skipped: widths are not counted. A '%' that ends the format ends it.
Piece NextPiece(const char*& f) {
  if (!*f) return {Piece::kEnd};
  if (*f != '%' || f[1] == '%') {
    const char c = *f;
    f += c == '%' ? 2 : 1;
    return {Piece::kByte, c};
  }
  ++f;
  while (*f == '-' || *f == '#' || *f == '0' || *f == '.' || (*f >= '1' && *f <= '9') || *f == 'l' || *f == 'h')
    ++f;
  const char conv = *f;
  if (!conv) return {Piece::kEnd};
  ++f;
  switch (conv) {
    case 's':
    case 'S':
      return {Piece::kText};
    case 'c':
    case 'C':
      return {Piece::kChar};
    case 'd':
    case 'i':
      return {Piece::kNumber, 0, false, true};
    case 'u':
      return {Piece::kNumber};
    case 'x':
    case 'X':
      return {Piece::kNumber, 0, true, false};
    default:
      return {Piece::kByte, conv};
  }
}

// A number as WsFormat prints one: blanks of padding, a '-' (d, i), then
// every digit there is; the next piece starts at a byte that is none. Read
// a byte at a time for every start at once, each flag telling whether some
// start is in that part of it.
struct NumberReader {
  bool hex, sign;
  bool blanks = false, minus = false, digits = false;

  void Start() { blanks = true; }
  bool EndsBefore(const char* t, const char* end) const { return digits && (t == end || !IsDigit(*t, hex)); }
  void Read(char c) {
    const bool digit = IsDigit(c, hex);
    digits = digit && (blanks || minus || digits);
    minus = sign && c == '-' && blanks;
    blanks = blanks && c == ' ';
  }
  bool Reading() const { return blanks || minus || digits; }
};

// Where a piece other than %s ends when it starts at t, or null: each of
// them fits one way or not at all.
const char* Take(const Piece& p, const char* t, const char* end) {
  switch (p.kind) {
    case Piece::kByte:
      return t != end && *t == p.byte ? t + 1 : nullptr;
    case Piece::kChar:
      return t != end ? t + 1 : nullptr;
    case Piece::kNumber: {
      NumberReader number{p.hex, p.sign};
      number.Start();
      for (;; ++t) {
        if (number.EndsBefore(t, end)) return t;
        if (t == end) return nullptr;
        number.Read(*t);
        if (!number.Reading()) return nullptr;
      }
    }
    case Piece::kText:
    case Piece::kEnd:
      break;
  }
  return nullptr;
}

// The format's rest `f`, after a %s that may end anywhere from t on, fitted
// from all those places at once: `at` marks where the line may go on after
// each piece. One pass over the line a piece, where trying every end of
// each %s in turn costs the line's length to the power of their number.
bool FitsAfterText(const char* begin, const char* end, const char* t, const char* f) {
  const size_t n = static_cast<size_t>(end - begin);
  std::vector<char> at(n + 1, 0), next(n + 1);
  std::fill(at.begin() + (t - begin), at.end(), 1);
  for (Piece p = NextPiece(f); p.kind != Piece::kEnd; p = NextPiece(f)) {
    std::fill(next.begin(), next.end(), 0);
    switch (p.kind) {
      case Piece::kText: {  // any end from the first place on
        char any = 0;
        for (size_t i = 0; i <= n; ++i) next[i] = any |= at[i];
        break;
      }
      case Piece::kByte:
        for (size_t i = 0; i < n; ++i) next[i + 1] = at[i] && begin[i] == p.byte;
        break;
      case Piece::kChar:
        for (size_t i = 0; i < n; ++i) next[i + 1] = at[i];
        break;
      case Piece::kNumber: {
        NumberReader number{p.hex, p.sign};
        for (size_t i = 0; i <= n; ++i) {
          if (at[i]) number.Start();
          if (number.EndsBefore(begin + i, end)) next[i] = 1;
          if (i < n) number.Read(begin[i]);
        }
        break;
      }
      case Piece::kEnd:
        break;
    }
    at.swap(next);
  }
  return at[n];
}

}  // namespace

bool FitsFormat(std::string_view line, const char* format) {
  const char *t = line.data(), *end = line.data() + line.size();
  while (*format) {
    // Plain bytes compared here: most rules fail a line at their first.
    if (*format != '%') {
      if (t == end || *t++ != *format++) return false;
      continue;
    }
    const Piece p = NextPiece(format);
    if (p.kind == Piece::kEnd) break;
    // A %s at the end fits any rest; one inside needs every end it may have.
    if (p.kind == Piece::kText) return !*format || FitsAfterText(line.data(), end, t, format);
    if (!(t = Take(p, t, end))) return false;
  }
  return t == end;
}

}  // namespace vornak

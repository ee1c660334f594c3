#include "readback/line_shape.h"

namespace vornak {

namespace {

bool IsDigit(char c, bool hex) {
  if (c >= '0' && c <= '9') return true;
  return hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

bool Fits(const char* t, const char* end, const char* f) {
  while (*f) {
    if (*f != '%' || f[1] == '%') {
      if (t == end || *t != *f) return false;
      f += *f == '%' ? 2 : 1;
      ++t;
      continue;
    }
    ++f;
    while (*f == '-' || *f == '#' || *f == '0' || *f == '.' || (*f >= '1' && *f <= '9') ||
           *f == 'l' || *f == 'h')
      ++f;
    const char conv = *f ? *f++ : '\0';
    switch (conv) {
      case 's':
      case 'S':
        // The shortest run first; the formats have one %s or two at most.
        if (!*f) return true;
        for (const char* p = t;; ++p) {
          if (Fits(p, end, f)) return true;
          if (p == end) return false;
        }
      case 'c':
      case 'C':
        if (t == end) return false;
        ++t;
        break;
      case 'd':
      case 'i':
      case 'u':
      case 'x':
      case 'X': {
        const bool hex = conv == 'x' || conv == 'X';
        while (t != end && *t == ' ') ++t;
        if ((conv == 'd' || conv == 'i') && t != end && *t == '-') ++t;
        const char* digits = t;
        while (t != end && IsDigit(*t, hex)) ++t;
        if (t == digits) return false;
        break;
      }
      case '\0':
        return t == end;
      default:  // printed as itself
        if (t == end || *t != conv) return false;
        ++t;
        break;
    }
  }
  return t == end;
}

}  // namespace

bool FitsFormat(std::string_view line, const char* format) {
  return Fits(line.data(), line.data() + line.size(), format);
}

}  // namespace vornak

#include "report/wsformat.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vornak {
namespace {

// wsprintfA writes into a 1024-byte buffer, NUL included.
constexpr std::size_t kMaxChars = 1023;
// Widths and precisions past the limit all behave alike; saturating keeps a
// long digit run in a format from overflowing.
constexpr unsigned kSaturate = 1024;

struct Directive {
  bool left = false;
  bool alt = false;
  bool zero = false;
  unsigned width = 0;
  unsigned precision = 0;  // 0 also stands for "none"
  char size = 0;           // 'l', 'h' or 0
};

unsigned ParseNumber(const char*& p) {
  unsigned n = 0;
  for (; *p >= '0' && *p <= '9'; ++p) n = std::min(n * 10 + unsigned(*p - '0'), kSaturate);
  return n;
}

// Reads the directive after '%' and leaves p on the conversion character.
Directive Parse(const char*& p) {
  Directive d;
  if (*p == '-') { d.left = true; ++p; }
  if (*p == '#') { d.alt = true; ++p; }
  if (*p == '0') { d.zero = true; ++p; }
  d.width = ParseNumber(p);
  if (*p == '.') {
    ++p;
    d.precision = ParseNumber(p);
  }
  if (*p == 'l' || *p == 'h') d.size = *p++;
  if (d.left) d.zero = false;
  return d;
}

void Pad(std::string& out, std::size_t width, std::size_t used) {
  if (width > used) out.append(width - used, ' ');
}

void AppendText(std::string& out, const Directive& d, std::size_t room, const char* s) {
  if (s == nullptr) s = "(null)";
  std::size_t limit = d.precision != 0 ? std::min<std::size_t>(d.precision, room) : room;
  std::size_t len = 0;
  while (len < limit && s[len] != '\0') ++len;  // never reads past the limit
  std::size_t width = std::min<std::size_t>(d.width, room);
  if (!d.left) Pad(out, width, len);
  out.append(s, len);
  if (d.left) Pad(out, width, len);
}

void AppendNumber(std::string& out, const Directive& d, std::size_t room, bool negative,
                  std::uint32_t magnitude, unsigned base, bool upper) {
  const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
  char text[12];  // sign and up to 10 decimal digits
  char* end = text + sizeof text;
  char* p = end;
  do {
    *--p = digits[magnitude % base];
    magnitude /= base;
  } while (magnitude != 0);
  if (negative) *--p = '-';

  // wsprintfA's arithmetic: the sign counts towards the precision, the digits
  // are kept before the padding when the buffer runs out.
  std::size_t width = std::min<std::size_t>(d.width, room);
  std::size_t len = std::min<std::size_t>(end - p, room);
  std::size_t filled = std::min<std::size_t>(std::max<std::size_t>(d.precision, len), room);
  if (d.zero && width > filled) filled = width;

  const std::size_t start = out.size();
  if (!d.left) Pad(out, width, filled);
  // wsprintfA writes the prefix only while three characters still fit.
  if (d.alt && base == 16 && room - (out.size() - start) >= 3) out += upper ? "0X" : "0x";
  std::size_t sign = negative ? 1 : 0;
  out.append(p, std::min(sign, len));
  out.append(filled - len, '0');
  out.append(p + sign, len - std::min(sign, len));
  if (d.left) Pad(out, width, filled);
}

}  // namespace

std::string WsFormat(const char* fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  std::string out = WsFormatV(fmt, ap);
  va_end(ap);
  return out;
}

std::string WsFormatV(const char* fmt, va_list ap) {
  std::string out;
  if (fmt == nullptr) return out;
  const char* p = fmt;
  while (*p != '\0' && out.size() < kMaxChars) {
    if (*p != '%') {
      out += *p++;
      continue;
    }
    ++p;
    if (*p == '%') {
      out += *p++;
      continue;
    }
    Directive d = Parse(p);
    const std::size_t room = kMaxChars - out.size();
    const char conv = *p;
    switch (conv) {
      case 'c':
      case 'C': {
        char c = static_cast<char>(va_arg(ap, int));
        std::size_t width = std::min<std::size_t>(d.width, room);
        if (!d.left) Pad(out, width, 1);
        out += c;
        if (d.left) Pad(out, width, 1);
        break;
      }
      case 's':
      case 'S':
        AppendText(out, d, room, va_arg(ap, const char*));
        break;
      case 'd':
      case 'i': {
        std::int32_t v;
        if (d.size == 'l') {
          v = static_cast<std::int32_t>(static_cast<std::uint32_t>(va_arg(ap, long)));
        } else {
          v = va_arg(ap, int);
          if (d.size == 'h') v = static_cast<std::int16_t>(v);
        }
        std::uint32_t magnitude = static_cast<std::uint32_t>(v);
        if (v < 0) magnitude = 0u - magnitude;
        AppendNumber(out, d, room, v < 0, magnitude, 10, false);
        break;
      }
      case 'u':
      case 'x':
      case 'X': {
        std::uint32_t v;
        if (d.size == 'l') {
          v = static_cast<std::uint32_t>(va_arg(ap, unsigned long));
        } else {
          v = va_arg(ap, unsigned int);
          if (d.size == 'h') v = static_cast<std::uint16_t>(v);
        }
        AppendNumber(out, d, room, false, v, conv == 'u' ? 10 : 16, conv == 'X');
        break;
      }
      default:
        // Not a conversion: wsprintfA pads the field, then reads the
        // character again as ordinary text (a '%' there starts a directive).
        if (!d.left) Pad(out, std::min<std::size_t>(d.width, room), d.precision);
        continue;
    }
    ++p;
  }
  // The '0x' prefix is the one part that can overrun the room it was given.
  if (out.size() > kMaxChars) out.resize(kMaxChars);
  // A %c of 0 ends the string a wsprintfA caller would see.
  out.resize(std::strlen(out.c_str()));
  return out;
}

}  // namespace vornak

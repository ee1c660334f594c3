// Our own wsprintfA: report lines must read the same whether user32 formats
// them on a live machine or the native core formats them during a replay.
#ifndef VORNAK_REPORT_WSFORMAT_H
#define VORNAK_REPORT_WSFORMAT_H

#include <cstdarg>
#include <string>

#if defined(__GNUC__)
#define VORNAK_WSFORMAT_CHECK(fmt_index, first_arg) \
  __attribute__((format(printf, fmt_index, first_arg)))
#else
#define VORNAK_WSFORMAT_CHECK(fmt_index, first_arg)
#endif

namespace vornak {

// Formats like wsprintfA into its 1024-byte buffer: at most 1023 characters.
//
// Directive: %[-][#][0][width][.precision][l|h]conv, flags in exactly that
// order as wsprintfA parses them (no '*', no '+', no ' ', no floating point).
//   conv     c C (int, one byte), d i (int), u (unsigned), x X (unsigned),
//            s S (const char*; NULL prints "(null)"), %% prints '%'.
//            %C and %S are narrow here: the program has no wide text.
//   width    pads with spaces; '0' pads numbers with zeros even when a
//            precision is given; '-' pads on the right and cancels '0'.
//   precision  a bare '.' means 0, and 0 means "none", as in wsprintfA:
//            "%.d" of 0 prints "0" and "%.0s" prints the whole string.
//            Numbers: the minimum length, counting the '-' ("%.3d" of -5 is
//            "-05"). Strings: the maximum number of characters.
//   '#'      x/X only: "0x"/"0X" in front, outside the width, even for 0
//            ("%#x" of 0 is "0x0"). Ignored elsewhere.
//   l        reads a long / unsigned long and keeps its low 32 bits (long
//            is 64-bit on LP64 hosts). Callers pass int32_t/uint32_t to
//            plain %d/%u/%x and long/unsigned long to %ld/%lu/%lx.
//   h        keeps the low 16 bits of the int: signed for d/i, unsigned for
//            u/x/X. (Wine's wsprintfA prints the whole int; the two agree on
//            any real short except a negative one under %hu/%hx.)
// An unknown conversion character is printed as text after the field's
// padding and consumes no argument. %c of 0 ends the text, as a caller of
// wsprintfA reading its buffer as a string sees it. Close to the limit the
// padding gives way before the digits or text, as in wsprintfA.
std::string WsFormat(const char* fmt, ...) VORNAK_WSFORMAT_CHECK(1, 2);
std::string WsFormatV(const char* fmt, va_list ap) VORNAK_WSFORMAT_CHECK(1, 0);

}  // namespace vornak

#endif  // VORNAK_REPORT_WSFORMAT_H

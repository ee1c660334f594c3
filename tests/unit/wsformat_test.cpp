// Expected strings are what user32's wsprintfA produced for the same calls.
#include "report/wsformat.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

using vornak::WsFormat;

// For calls -Wformat flags because C printf differs there; wsprintfA does not.
std::string Unchecked(const char* fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  std::string out = vornak::WsFormatV(fmt, ap);
  va_end(ap);
  return out;
}

struct Case {
  const char* what;
  std::string got, want;
};

void ExpectAll(const std::vector<Case>& cases) {
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
}

TEST(WsFormat, FormatsTheProgramUses) {
  const unsigned word = 0x0102;
  const std::string l44(44, 'L'), l45(45, 'L'), l60(60, 'L');
  ExpectAll({{"%.d.%d", WsFormat("%.d.%d", 4, 0), "4.0"},
             {"bytes of 0x0102", WsFormat("%.2x.%.2x", word >> 8, word & 0xff), "01.02"},
             {"%.ld of 0 still prints 0", WsFormat("%.ld|%.ld", 0L, -123456L), "0|-123456"},
             {"%c%c and %%", WsFormat("%c%c%%", 'O', 'K'), "OK%"},
             {"%6d", WsFormat("%6d|%6d", 640, -5), "   640|    -5"},
             {"%5u(%.4xH)", WsFormat("%5u(%.4xH)", 640u, 0xA000u), "  640(a000H)"},
             {"%2d.%.3d", WsFormat("%2d.%.3d", 4, 7), " 4.007"},
             {"%.4lx %.8lx", WsFormat("%.4lx %.8lx", 0x1fUL, 0xdeadbeefUL), "001f deadbeef"},
             {"%.8x %.1x %x", WsFormat("%.8x %.1x %x", 0xA0000u, 0u, ~0u), "000a0000 0 ffffffff"},
             {"%3s", WsFormat("%3s|%3s", "a", "abcd"), "  a|abcd"},
             {"%1d %ld", WsFormat("%1d %ld", 123, -2147483647L - 1), "123 -2147483648"},
             {"label 44", WsFormat("%-45s %s %s %s", l44.c_str(), "a", "b", "c"), l44 + "  a b c"},
             {"label 45", WsFormat("%-45s %s %s %s", l45.c_str(), "a", "b", "c"), l45 + " a b c"},
             {"label 60", WsFormat("%-45s %s %s %s", l60.c_str(), "a", "b", "c"), l60 + " a b c"}});
}

TEST(WsFormat, NumbersFollowWsprintfArithmetic) {
  ExpectAll({{"%-6d", WsFormat("%-6d|%06d", -5, -5), "-5    |-00005"},
             {"the sign counts in the precision", WsFormat("%.3d|%5.3d", -5, -5), "-05|  -05"},
             {"'0' pads past a precision", Unchecked("%08.5d|%-08.5d|", 42, -42), "00000042|-0042   |"},
             {"INT_MIN", WsFormat("%d", INT_MIN), "-2147483648"},
             {"%hd", WsFormat("%hd %hd", 70000, 0x18000), "4464 -32768"},
             {"%hu %hx %hX", WsFormat("%hu %hx %hX", ~0u, 0x12345678u, ~0u), "65535 5678 FFFF"},
             {"%l keeps 32 bits", WsFormat("%lx %lu", static_cast<unsigned long>(0x123456789ULL), ULONG_MAX),
              "23456789 4294967295"},
             {"%#x, '#' ignored by %u", Unchecked("%#x|%#X|%#u", 0u, 255u, 5u), "0x0|0XFF|5"},
             {"0x lies outside the width", WsFormat("%#6x|%#06x", 255u, 255u), "    0xff|0x0000ff"}});
}

TEST(WsFormat, TextAndOddDirectives) {
  const char unterminated[3] = {'a', 'b', 'c'};
  const char* const null = nullptr;
  ExpectAll({{"'%' in an argument", WsFormat("%s|%%d", "100% %d %s"), "100% %d %s|%d"},
             {"NULL", Unchecked("%s|%.3s|%8s", null, null, null), "(null)|(nu|  (null)"},
             {"precision bounds the read", WsFormat("%.3s", unterminated), "abc"},
             {"precision 0 is no limit", WsFormat("%.0s|%-5.2s|", "abc", "abc"), "abc|ab   |"},
             {"narrow %S, spaces for %05s", Unchecked("%S|%05s", "xy", "ab"), "xy|   ab"},
             {"%5c", WsFormat("%5c|%-3c|", 'A', 'B'), "    A|B  |"},
             {"%c of 0 ends the text", WsFormat("a%cb", 0), "a"},
             {"unknown conversion", Unchecked("a%qb%d|[%5y]", 5), "aqb5|[     y]"},
             {"'%' read again as text", Unchecked("[%5%]"), "[     ]"},
             {"flags out of order", Unchecked("%0#6x|%lld|abc%"), "#6x|ld|abc"}});
}

TEST(WsFormat, StopsAt1023Characters) {
  const std::string long_text(2000, 'a'), near(1020, 'a');
  EXPECT_EQ(WsFormat("%s", long_text.c_str()), long_text.substr(0, 1023));
  EXPECT_EQ(WsFormat("xy%s", long_text.c_str()), "xy" + long_text.substr(0, 1021));
  // Close to the end the padding gives way before the digits and text.
  ExpectAll({{"%06d", WsFormat("%s%06d", near.c_str(), -7), near + "-07"},
             {"%d", WsFormat("%s%d", near.c_str(), 123456), near + "123"},
             {"%10s", WsFormat("%s%10s|", near.c_str(), "bc"), near + " bc"},
             {"%#x", WsFormat("%s%#x", near.c_str(), 0x1234u), near + "0x1"},
             {"%#x, no room for 0x", WsFormat("%s%#x", (near + "a").c_str(), 0x1234u), near + "a12"},
             {"%1100d", WsFormat("%1100d", 5), std::string(1022, ' ') + "5"}});
}

}  // namespace

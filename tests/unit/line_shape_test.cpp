// Line shapes: which lines a WsFormat format could have printed, read as the
// log reader reads them, and at a cost linear in the line.
#include "readback/line_shape.h"

#include <gtest/gtest.h>

#include <string>

#include "report/wsformat.h"

namespace vornak {
namespace {

// Each case is also fitted after a %s that can end only before the line
// ("%s|" before the format, "|" before the line): there every piece is
// read from a set of places at once rather than from one.
TEST(LineShape, FitsAsFromOnePlaceSoFromMany) {
  const struct {
    std::string line;
    const char* format;
    bool fits;
  } kCases[] = {
      // Numbers as WsFormat pads and signs them; widths are not counted.
      {WsFormat("Clock    : %4d MHz", 5), "Clock    : %4d MHz", true},
      {WsFormat("%5d", -42), "%5d", true},
      {WsFormat("%05d", -42), "%05d", true},
      {WsFormat("%.3d", -5), "%.3d", true},
      {WsFormat("Spec:%.8lx", 0xabcdeful), "Spec:%.8lx", true},
      {WsFormat("Caps : %X", 0xF5408660u), "Caps : %X", true},
      {"-5", "%u", false},  // only d and i print a '-'
      {"-5", "%x", false},
      {"12g", "%x", false},
      {"1 2", "%d", false},
      {" ", "%d", false},  // a number has a digit
      {"-", "%d", false},
      {"--1", "%d", false},
      {"- 1", "%d", false},
      // A number takes every digit there is, whatever follows it.
      {"12", "%d%d", false},
      {"ff12", "%x%d", false},
      {"1.5", "%d.%d", true},
      {"12x", "%d%c", true},
      // %c is one byte, any.
      {"--- C ---", "--- %c ---", true},
      {"---  ---", "--- %c ---", false},
      {"--- CD ---", "--- %c ---", false},
      {"ab", "%c%c", true},
      {"a", "%c%c", false},
      {"", "%c", false},
      // %s at the start, inside, at the end; beside other conversions.
      {"", "%s", true},
      {"[", "[%s", true},
      {"windows]", "[%s", false},
      {"VORNAK for Windows95 [Win32s mode]", "%s mode]", true},
      {"AMD (K6)", "%s (%s)", true},
      {" ()", "%s (%s)", true},
      {"a (b) (c)", "%s (%s)", true},
      {"a (b", "%s (%s)", false},
      {"a(b)", "%s (%s)", false},
      {"a : b : c ", "%s : %s ", true},
      {"", "%s%s", true},
      {"ab12", "%s%d", true},
      {"ab", "%s%d", false},
      {"12 34", "%s%d", true},
      {"1x2x", "%s%dx", true},
      {"ab12", "%s%dx", false},
      {"ab12x", "%s%dx", true},
      {"ab", "%s%c", true},
      {"", "%s%c", false},
      {"12ab", "%d%s", true},
      // Bytes: "%%", an unknown conversion's letter, a '%' ending the format.
      {"100% Used", "%d%% Used", true},
      {"100 Used", "%d%% Used", false},
      {"q", "%q", true},
      {"abc", "abc%", true},
      {"abcd", "abc%", false},
      {"", "", true},
      {"a", "", false},
      {"Version : 4.10 ", "Version : %d.%.2d", false},  // whole line: a font's trailing blank
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE("\"" + c.line + "\" / \"" + c.format + "\"");
    EXPECT_EQ(FitsFormat(c.line, c.format), c.fits);
    EXPECT_EQ(FitsFormat("|" + c.line, ("%s|" + std::string(c.format)).c_str()), c.fits);
  }
}

// Lines of 64 KB, the longest the log reader takes, against formats with
// several %s inside and a number after one. No timing is asserted: ctest
// gives each case five minutes (cmake/native.cmake); trying every end of
// each %s in turn takes the line's length to the power of their number
// (64 KB cubed here), one pass a piece well under a second.
TEST(LineShape, CostLinearInTheLine) {
  const size_t kLine = 64 * 1024;
  std::string opens, ones;
  while (opens.size() < kLine) opens += " (", ones += "1 ";
  const struct {
    std::string line;
    const char* format;
    bool fits;
  } kCases[] = {
      {opens, "%s (%s (%s)", false},
      {opens + ")", "%s (%s (%s)", true},
      {opens, "%s (%s)", false},
      {ones, "%s%d%s%d%s%d)", false},
      {ones + "1)", "%s%d%s%d%s%d)", true},
  };
  for (const auto& c : kCases) EXPECT_EQ(FitsFormat(c.line, c.format), c.fits) << c.format;
}

}  // namespace
}  // namespace vornak

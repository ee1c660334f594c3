// The log reader at its limits: the longest line it takes, and files up to
// the size cap crossed once, whatever they hold.
#include <gtest/gtest.h>

#include <string>

#include "readback/input_error.h"
#include "readback/log_reader.h"
#include "readback/log_rules.h"
#include "readback/report_input.h"

namespace vornak {
namespace {

std::string Repeated(std::string_view text, size_t bytes) {
  std::string out;
  out.reserve(bytes);
  while (out.size() + text.size() <= bytes) out += text;
  return out;
}

// A line of 64 KB is read, one byte more is binary data: with its line
// end, in a log converted to LF, and cut at the end of the file.
TEST(LogReaderLimits, ALineOf64KBAndNotOneByteMore) {
  const std::string root = std::string(kLogRootPrefix) + "Win32s mode]";
  for (const char* lineEnd : {"\r\n", "\n", ""}) {
    for (const size_t size : {kMaxLogLineBytes, kMaxLogLineBytes + 1}) {
      SCOPED_TRACE(std::to_string(size) + " bytes, line end \"" + lineEnd + "\"");
      const std::string line(size, 'x'), bytes = root + (*lineEnd ? lineEnd : "\r\n") + line + lineEnd;
      try {
        const std::vector<LogRun> runs = ReadLog(bytes, "x.LOG");
        EXPECT_EQ(size, kMaxLogLineBytes);
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0].log.size(), bytes.size() - (*lineEnd ? 0 : size));  // a cut line is no line of the run
      } catch (const InputError& e) {
        EXPECT_EQ(size, kMaxLogLineBytes + 1);
        EXPECT_EQ(e.line, 2);
      }
    }
  }
}

// Each case is refused as binary data, at its line, once that line has
// grown past 64 KB; every root text on the way is a candidate run. No timing
// is asserted: ctest gives each case five minutes (cmake/native.cmake), and
// a reader that searched the rest of a line again from each root text in it
// took tens of minutes over each of these files, where one pass takes a
// second.
TEST(LogReaderCost, RootTextsInOneLineCrossedOnce) {
  const std::string root(kLogRootPrefix);
  const struct {
    const char* name;
    std::string bytes;
    int line;
  } kCases[] = {
      // Root texts, no line end: each one's line end was searched for anew.
      {"root texts up to the cap", Repeated(root, kMaxReportInputBytes), 1},
      // Root lines, each cut by the next: each starts a run, and its line
      // end was searched for across the text after them.
      {"cut root lines, then 60 MB in the same line",
       root + "x mode]\r\n" + Repeated(root, 100000 * root.size()) + std::string(60 << 20, 'x') + " mode]\r\n", 2},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    try {
      ReadLog(c.bytes, "x.LOG");
      ADD_FAILURE() << "read";
    } catch (const InputError& e) {
      EXPECT_EQ(e.line, c.line);
      EXPECT_EQ(e.message, "a line longer than 64 KB, which no log holds: binary data");
    }
  }
}

}  // namespace
}  // namespace vornak

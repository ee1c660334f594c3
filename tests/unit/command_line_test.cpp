#include "vornak95/command_line.h"

#include <gtest/gtest.h>

namespace vornak {
namespace {

TEST(CommandLine, Switches) {
  struct Case {
    const char* line;
    bool log, analyze, record;
    const char* path;
    const char* error;  // part of the message; "" for none
    size_t ignored;
  } cases[] = {
      {"", false, false, false, "", "", 0},
      {"/LOG", true, false, false, "", "", 0},
      {"-log", true, false, false, "", "", 0},
      {"/Analyze", false, true, false, "", "", 0},
      {"/RECORD m.profile /LOG", true, false, true, "m.profile", "", 0},
      {"/record \"C:\\My Files\\m.profile\"", false, false, true, "C:\\My Files\\m.profile", "", 0},
      {"/RECORD", false, false, false, "", "/RECORD needs", 0},
      {"/LOG /BOGUS", true, false, false, "", "\"/BOGUS\"", 0},
      // A file dropped on the program, or "Open with": the window opens.
      {"\"C:\\My Files\\report.txt\"", false, false, false, "", "", 1},
      {"stray /ANALYZE", false, true, false, "", "", 1},
      // Batch mode is run by scripts: a stray word is their mistake.
      {"/LOG stray", true, false, false, "", "unknown argument \"stray\"", 1},
      // Every switch is read even after an unknown one, so the window knows
      // what was asked besides the mistake.
      {"/BOGUS /ANALYZE", false, true, false, "", "unknown switch \"/BOGUS\"", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    CommandLine cl = ParseCommandLine(c.line);
    if (*c.error) EXPECT_NE(cl.error.find(c.error), std::string::npos) << cl.error;
    else EXPECT_EQ(cl.error, "");
    EXPECT_EQ(cl.log, c.log);
    EXPECT_EQ(cl.analyze, c.analyze);
    EXPECT_EQ(cl.record, c.record);
    EXPECT_EQ(cl.recordPath, c.path);
    EXPECT_EQ(cl.ignored.size(), c.ignored);
  }
}

}  // namespace
}  // namespace vornak

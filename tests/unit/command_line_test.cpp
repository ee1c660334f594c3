#include "app/command_line.h"

#include <gtest/gtest.h>

namespace vornak {
namespace {

TEST(CommandLine, Switches) {
  struct Case {
    const char* line;
    bool log, analyze, record;
    const char* path;
    bool error;
  } cases[] = {
      {"", false, false, false, "", false},
      {"/LOG", true, false, false, "", false},
      {"-log", true, false, false, "", false},
      {"/Analyze", false, true, false, "", false},
      {"/RECORD m.profile /LOG", true, false, true, "m.profile", false},
      {"/record \"C:\\My Files\\m.profile\"", false, false, true, "C:\\My Files\\m.profile", false},
      {"/RECORD", false, false, false, "", true},
      {"/LOG /BOGUS", true, false, false, "", true},
      {"stray", false, false, false, "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    CommandLine cl = ParseCommandLine(c.line);
    EXPECT_EQ(cl.error.empty(), !c.error) << cl.error;
    if (c.error) continue;
    EXPECT_EQ(cl.log, c.log);
    EXPECT_EQ(cl.analyze, c.analyze);
    EXPECT_EQ(cl.record, c.record);
    EXPECT_EQ(cl.recordPath, c.path);
  }
}

}  // namespace
}  // namespace vornak

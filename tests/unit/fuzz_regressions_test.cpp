// The inputs the profile fuzzer found (tests/fuzz/regressions/), replayed as
// the fuzz target does: each must be refused with its line number or replay
// to the end of the report, and none may run away.
#include <filesystem>

#include "test_support.h"
#include "tests/fuzz/replay_one.h"

namespace vornak {
namespace {

// What each found input must give: a refusal naming this line and text, or
// (line 0) a complete replay.
struct Regression {
  const char* file;
  int line;
  const char* message;
};

const Regression kRegressions[] = {
    // A count of windows far above the window lines: the last line repeated
    // until memory ran out, or for minutes.
    {"windows-count-oom-1.profile", 3, "expected 3221228036 \"window\" line(s)"},
    {"windows-count-oom-2.profile", 3, "expected 10488217 \"window\" line(s)"},
    {"windows-count-timeout.profile", 3, "expected 2415921561 \"window\" line(s)"},
    {"windows-count-three-lines.profile", 2, "expected 2147483648 \"window\" line(s)"},
    {"fonts-count-three-lines.profile", 2, "expected 2147483648 \"font\" line(s)"},
};

std::string RegressionPath(const std::string& file) {
  return std::string(VORNAK_SOURCE_DIR) + "/tests/fuzz/regressions/" + file;
}

TEST(FuzzRegressions, EachGivesItsRefusalOrAWholeReport) {
  for (const Regression& r : kRegressions) {
    SCOPED_TRACE(r.file);
    const fuzz::Replayed got = fuzz::ReplayOne(test::ReadFile(RegressionPath(r.file)));
    if (r.line == 0) {
      EXPECT_TRUE(got.parsed) << got.error;
      EXPECT_NE(got.log.find("\r\nDrive Info\r\n"), std::string::npos);
      continue;
    }
    EXPECT_FALSE(got.parsed);
    EXPECT_EQ(got.error.rfind("fuzz.profile:" + std::to_string(r.line) + ": ", 0), 0u) << got.error;
    EXPECT_NE(got.error.find(r.message), std::string::npos) << got.error;
  }
}

// Every file kept there has its row above, so none is kept without a check.
TEST(FuzzRegressions, EveryKeptInputIsListed) {
  for (const auto& e : std::filesystem::directory_iterator(RegressionPath(""))) {
    const std::string name = e.path().filename().string();
    bool listed = false;
    for (const Regression& r : kRegressions) listed = listed || name == r.file;
    EXPECT_TRUE(listed) << name << " has no row in kRegressions";
  }
}

}  // namespace
}  // namespace vornak

// The log file's rules over any file system (the first failure kept and
// nothing written after it, commits only for new lines, no handle left open).
#include "fake_log_files.h"
#include "report/report_log.h"
#include "test_support.h"

namespace vornak {
namespace {

using test::FakeLogFiles;
using Journal = std::vector<std::string>;

struct FileLogCase {
  const char* name;
  const char* steps;  // a: append the next line, c: commit, x: close
  const char* failOn;
  Journal journal;
  const char* failure;  // after "P: "
};

class FileLogSteps : public ::testing::TestWithParam<FileLogCase> {};

TEST_P(FileLogSteps, FollowTheRules) {
  const FileLogCase& c = GetParam();
  FakeLogFiles files;
  files.failOn = c.failOn;
  {
    FileLog log("P", files);
    int line = 0;
    for (const char* s = c.steps; *s; ++s) {
      if (*s == 'a') log.Append("L" + std::to_string(++line));
      if (*s == 'c') log.Commit();
      if (*s == 'x') log.Close();
    }
    log.Close();
    EXPECT_EQ(log.Failure(), *c.failure ? std::string("P: ") + c.failure : "");
    EXPECT_EQ(log.Commits(), files.Count("commit"));
  }
  EXPECT_EQ(files.journal, c.journal);
  EXPECT_EQ(files.open, 0) << "a handle left open";
}

INSTANTIATE_TEST_SUITE_P(
    All, FileLogSteps,
    ::testing::Values(
        // Nothing to commit before the first line, nor twice for the same lines.
        FileLogCase{"CommitsOnlyNewLines", "ccaaccac", "",
                    {"open", "write L1\r\n", "write L2\r\n", "commit", "write L3\r\n", "commit", "close"}, ""},
        FileLogCase{"WriteFailureStopsTheLog", "aaaca", "write 2",
                    {"open", "write L1\r\n", "write failed", "close"}, "cannot write the log: Sharing violation"},
        FileLogCase{"FailedOpenIsNotRetried", "aca", "open 1", {"open failed"},
                    "cannot create the log: Sharing violation"},
        FileLogCase{"CommitFailureStopsTheLog", "acaca", "commit 1",
                    {"open", "write L1\r\n", "commit failed", "close"}, "cannot commit the log: Sharing violation"},
        FileLogCase{"CloseFailureIsKept", "aax", "close 1",
                    {"open", "write L1\r\n", "write L2\r\n", "close failed"}, "cannot close the log: Sharing violation"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vornak

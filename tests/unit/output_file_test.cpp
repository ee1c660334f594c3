// vornak-report's output files: replaced whole or not at all, whatever fails
// and wherever the writer stops. The per-output failures run through the
// tool itself in tests/tools/vornak-report.test.sh.
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <optional>

#include "test_support.h"
#include "tools/vornak-report/output_file.h"

namespace vornak {
namespace {

std::vector<std::string> Listing(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A file size limit for the scope, its signal ignored: the next write past
// it fails with EFBIG, as on a full disk.
class SizeLimit {
 public:
  explicit SizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    signal_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit r = saved_;
    r.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &r);
  }
  ~SizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, signal_);
  }

 private:
  rlimit saved_;
  void (*signal_)(int);
};

TEST(OutputFile, ReplacedWholeOrNotAtAll) {
  const std::string piece(3000, 'n');
  struct Case {
    const char* name;
    int pieces;
    bool commit;
    rlim_t limit;  // 0: none
    bool replaced;
    const char* error;
  };
  const Case cases[] = {
      {"pieces then commit", 4, true, 0, true, ""},
      {"nothing then commit", 0, true, 0, true, ""},
      {"dropped before commit", 4, false, 0, false, ""},
      {"limit hit while writing", 4, true, 5000, false, "File too large"},
      {"limit hit in the last flush", 1, true, 2000, false, "File too large"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::ScratchDir dir;
    const std::string target = dir.Path("page.html");
    std::ofstream(target, std::ios::binary) << "old";
    bool committed = false;
    std::string error;
    {
      std::optional<SizeLimit> limit;
      if (c.limit) limit.emplace(c.limit);
      OutputFile out(target);
      for (int i = 0; i < c.pieces; ++i) out.Write(piece);
      if (c.commit) committed = out.Commit();
      error = out.Error();
    }
    EXPECT_EQ(committed, c.replaced);
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(test::ReadFile(target), c.replaced ? std::string(piece.size() * c.pieces, 'n') : "old");
    EXPECT_EQ(Listing(dir.Path("")), std::vector<std::string>{"page.html"});
  }
}

TEST(OutputFile, ANewFileGetsTheUsualModeAnOldOneKeepsItsOwn) {
  test::ScratchDir dir;
  const mode_t saved = umask(022);
  std::string error;
  EXPECT_TRUE(WriteOutputFile(dir.Path("new.log"), "x", error)) << error;
  umask(saved);
  struct stat st;
  ASSERT_EQ(stat(dir.Path("new.log").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0644u) << "not the temporary file's 0600";
  chmod(dir.Path("new.log").c_str(), 0604);
  EXPECT_TRUE(WriteOutputFile(dir.Path("new.log"), "y", error)) << error;
  ASSERT_EQ(stat(dir.Path("new.log").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0604u);
}

}  // namespace
}  // namespace vornak

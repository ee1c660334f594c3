// vornak-report's output files, written piece by piece: replaced whole or
// not at all wherever the writer stops. tests/vornak-report/tool.test.sh
// runs the same failures through each output of the tool.
#include <sys/resource.h>

#include <csignal>

#include "test_support.h"
#include "vornak-report/output_file.h"

namespace vornak {
namespace {

TEST(OutputFile, ReplacedWholeOrNotAtAll) {
  const struct {
    const char* name;
    bool commit;
    rlim_t limit;  // a file size limit (its signal ignored): the write past it fails
    bool replaced;
  } cases[] = {
      {"committed", true, RLIM_INFINITY, true},
      {"dropped before the commit", false, RLIM_INFINITY, false},
      {"a write fails", true, 1000, false},
      {"the commit's flush fails", true, 5000, false},
  };
  const std::string piece(1500, 'n');
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::ScratchDir dir;
    std::ofstream(dir.Path("page.html"), std::ios::binary) << "old";
    rlimit saved, limit;
    getrlimit(RLIMIT_FSIZE, &saved);
    limit = {c.limit, saved.rlim_max};
    auto* signal = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    bool committed = false;
    {
      OutputFile out(dir.Path("page.html"));
      // Past 4 KB the stream's buffer goes to the file; the last piece stays
      // in it until the commit.
      for (int i = 0; i < 4; ++i) out.Write(piece);
      if (c.commit) committed = out.Commit();
      EXPECT_EQ(out.Error(), c.limit == RLIM_INFINITY ? "" : "File too large");
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, signal);
    EXPECT_EQ(committed, c.replaced);
    EXPECT_EQ(test::ReadFile(dir.Path("page.html")), c.replaced ? std::string(6000, 'n') : "old");
    auto entries = std::filesystem::directory_iterator(dir.Path(""));
    EXPECT_EQ(std::distance(entries, {}), 1) << "a temporary file left";
  }
}

}  // namespace
}  // namespace vornak

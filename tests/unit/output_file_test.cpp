// vornak-report's output files, written piece by piece: replaced whole or
// not at all wherever the writer stops. tests/vornak-report/tool.test.sh
// runs the same failures through each output of the tool.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

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

// A link is followed even when its file does not exist yet: the file is
// made where the chain ends, each relative link read from its own folder,
// and every link stays a link. A loop is an error, not a hang.
TEST(OutputFile, DanglingLinksAreFollowedToWhereTheyPoint) {
  const struct {
    const char* name;
    std::vector<std::pair<const char*, const char*>> links;  // name, what it points to
    const char* target;   // the name given to OutputFile
    const char* written;  // where the bytes are to be; "" when refused
    const char* error;
  } kCases[] = {
      {"from a link's own folder", {{"sub/link", "../new.log"}}, "sub/link", "new.log", ""},
      {"absolute", {{"link", "@/sub/new.log"}}, "link", "sub/new.log", ""},
      {"a chain across folders", {{"a", "sub/b"}, {"sub/b", "../c"}, {"c", "sub/new.log"}}, "a", "sub/new.log", ""},
      {"into a missing folder", {{"link", "gone/new.log"}}, "link", "", "No such file or directory"},
      {"a loop", {{"a", "b"}, {"b", "a"}}, "a", "", "Too many levels of symbolic links"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    test::ScratchDir dir;
    mkdir(dir.Path("sub").c_str(), 0777);
    for (const auto& [name, to] : c.links)
      ASSERT_EQ(symlink(to[0] == '@' ? dir.Path(to + 2).c_str() : to, dir.Path(name).c_str()), 0);
    std::string error;
    const bool ok = WriteOutputFile(dir.Path(c.target), "bytes", error);
    EXPECT_EQ(ok, *c.written != '\0');
    EXPECT_EQ(error, c.error);
    if (*c.written) {
      EXPECT_EQ(test::ReadFile(dir.Path(c.written)), "bytes");
    }
    for (const auto& [name, to] : c.links) {
      struct stat st;
      EXPECT_TRUE(lstat(dir.Path(name).c_str(), &st) == 0 && S_ISLNK(st.st_mode)) << name << " is no longer a link";
    }
    size_t files = 0;
    for (const auto& e : std::filesystem::recursive_directory_iterator(dir.Path("")))
      files += e.symlink_status().type() == std::filesystem::file_type::regular;
    EXPECT_EQ(files, *c.written ? 1u : 0u) << "a stray file";
  }
}

}  // namespace
}  // namespace vornak

// Whether two names reach one file, and whether a name lies in a folder:
// what keeps an output from replacing one of its inputs
// (tests/vornak-report/tool.test.sh and site.test.sh run the whole tool).
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "test_support.h"
#include "vornak-report/file_identity.h"

namespace vornak {
namespace {

using test::ScratchDir;

TEST(FileIdentity, EveryNameOfAFileIsTheFile) {
  ScratchDir dir;
  mkdir(dir.Path("sub").c_str(), 0777);
  std::ofstream(dir.Path("A.LOG")) << "a";
  std::ofstream(dir.Path("copy")) << "a";
  link(dir.Path("A.LOG").c_str(), dir.Path("hard").c_str());
  symlink("A.LOG", dir.Path("soft").c_str());
  symlink("../soft", dir.Path("sub/chain").c_str());
  mkfifo(dir.Path("fifo").c_str(), 0600);
  const std::optional<FileIdentity> a = IdentityOf(dir.Path("A.LOG"));
  ASSERT_TRUE(a);
  enum Is { kSame, kOther, kNone };
  const struct {
    std::string name;
    Is is;
  } kCases[] = {
      {dir.Path("./A.LOG"), kSame}, {dir.Path("sub/../A.LOG"), kSame}, {dir.Path("hard"), kSame},
      {dir.Path("soft"), kSame},    {dir.Path("sub/chain"), kSame},    {dir.Path("copy"), kOther},
      {dir.Path("missing"), kNone}, {dir.Path("sub"), kNone},          {dir.Path("fifo"), kNone},
      {"/dev/null", kNone},  // a device is written in place: it replaces nothing
  };
  for (const auto& c : kCases) {
    const std::optional<FileIdentity> id = IdentityOf(c.name);
    EXPECT_EQ(id.has_value(), c.is != kNone) << c.name;
    EXPECT_EQ(id == a, c.is == kSame) << c.name;
  }
}

// One KnownFolder for every case, in this order: what it learnt lies
// outside (the folder's parent, its neighbour with a longer name) must not
// hide the folder itself.
TEST(FileIdentity, AFolderHoldsWhatLiesInItHoweverNamed) {
  ScratchDir dir;
  for (const char* d : {"S", "S/logs", "S2", "in"}) mkdir(dir.Path(d).c_str(), 0777);
  for (const char* f : {"S/.mark", "S/logs/mine.LOG", "S2/x.LOG", "in/own.LOG"}) std::ofstream(dir.Path(f)) << "x";
  symlink(dir.Path("S/logs").c_str(), dir.Path("to-logs").c_str());
  symlink("../S/logs/mine.LOG", dir.Path("in/to-mine.LOG").c_str());
  symlink(dir.Path("S").c_str(), dir.Path("to-S").c_str());
  KnownFolder site(dir.Path("S"), ".mark");
  const struct {
    std::string path;
    bool held;
  } kCases[] = {
      {dir.Path("S2/x.LOG"), false},
      {dir.Path("S2"), false},
      {dir.Path("in/own.LOG"), false},
      {dir.Path(""), false},
      {dir.Path("S/missing"), false},  // not there: nothing to lose
      {dir.Path("S"), true},
      {dir.Path("S/"), true},
      {dir.Path("S/logs"), true},
      {dir.Path("S/logs/mine.LOG"), true},
      {dir.Path("S/logs/../logs/./mine.LOG"), true},
      {dir.Path("to-logs"), true},
      {dir.Path("in/to-mine.LOG"), true},
      {dir.Path("to-S/logs"), true},
  };
  for (const auto& c : kCases) EXPECT_EQ(site.Holds(c.path), c.held) << c.path;
  EXPECT_TRUE(site.Is(dir.Path("in/../S")));
  EXPECT_FALSE(site.Is(dir.Path("S/logs")));
  EXPECT_FALSE(KnownFolder(dir.Path("missing"), ".mark").Holds(dir.Path("S")));
}

}  // namespace
}  // namespace vornak

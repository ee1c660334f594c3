// Which names are one file (tests/vornak-report/tool.test.sh and
// site.test.sh refuse the spellings through the whole tool): only a regular
// file has an identity, since an output to anything else replaces nothing.
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "test_support.h"
#include "vornak-report/file_identity.h"

namespace vornak {
namespace {

TEST(FileIdentity, OnlyARegularFileIsKnownAndEveryLinkIsIt) {
  test::ScratchDir dir;
  mkdir(dir.Path("sub").c_str(), 0777);
  std::ofstream(dir.Path("A.LOG")) << "a";
  std::ofstream(dir.Path("copy")) << "a";
  symlink("A.LOG", dir.Path("soft").c_str());
  symlink("../soft", dir.Path("sub/chain").c_str());
  mkfifo(dir.Path("fifo").c_str(), 0600);
  const std::optional<FileIdentity> a = IdentityOf(dir.Path("A.LOG"));
  ASSERT_TRUE(a);
  EXPECT_EQ(IdentityOf(dir.Path("sub/chain")), a);
  EXPECT_FALSE(IdentityOf(dir.Path("copy")) == a);
  for (const std::string& none : {dir.Path("missing"), dir.Path("sub"), dir.Path("fifo"), std::string("/dev/null")})
    EXPECT_FALSE(IdentityOf(none)) << none;
}

}  // namespace
}  // namespace vornak

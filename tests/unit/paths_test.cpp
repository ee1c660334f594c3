// Paths split as POSIX splits them (vornak-report/paths.h): a root keeps
// its slash, trailing slashes are no last part, and the separators of
// Windows are letters here. Windows' own splitting is tested under Wine
// (tests/wine/replace_file_test.cpp).
#include <gtest/gtest.h>

#include "vornak-report/paths.h"

namespace vornak {
namespace {

TEST(Paths, RootsTrailingSlashesAndBareNames) {
  const struct {
    const char *path, *folder, *parent, *base;  // FolderOf, Parent, Base
  } kCases[] = {
      {"x", ".", ".", "x"},           {"./x", ".", ".", "x"},       {"/x", "/", "/", "x"},
      {"/", "/", "/", ""},            {"//", "/", "/", ""},         {"a/b/", "a/b", "a", "b"},
      {"a/b//", "a/b/", "a", "b"},    {"a//b", "a/", "a/", "b"},    {"/a/", "/a", "/", "a"},
      {"", ".", ".", ""},             {"C:x", ".", ".", "C:x"},     {"a\\b", ".", ".", "a\\b"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
    EXPECT_EQ(Parent(c.path), c.parent) << c.path;
    EXPECT_EQ(Base(c.path), c.base) << c.path;
  }
  const struct {
    const char *folder, *name, *path;
  } kJoins[] = {{"a", "x", "a/x"}, {"a/", "x", "a/x"}, {"/", "x", "/x"}, {".", "x", "./x"}, {"C:", "x", "C:/x"}};
  for (const auto& j : kJoins) EXPECT_EQ(Join(j.folder, j.name), j.path) << j.folder;
}

}  // namespace
}  // namespace vornak

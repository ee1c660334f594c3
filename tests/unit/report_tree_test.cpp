// The report tree: line equality, insertion order and the log file.
#include <sys/stat.h>

#include "app/report_tree.h"
#include "test_support.h"

namespace vornak {
namespace {

using test::ChildTexts;
using test::LogLines;
using test::ReadFile;
using test::ScratchDir;

struct EqualityCase {
  const char* name;
  std::string existing, added;
  bool reused;
};

class AddItemEquality : public ::testing::TestWithParam<EqualityCase> {};

TEST_P(AddItemEquality, ReusesOnlyEqualTexts) {
  const EqualityCase& c = GetParam();
  MemoryOutline o;
  ReportTree tree(o);
  Item parent = tree.AddRootItem("root");
  Item first = tree.AddItem(parent, c.existing);
  Item second = tree.AddItem(parent, c.added);
  EXPECT_EQ(second == first, c.reused);
  EXPECT_EQ(o.Children(parent).size(), c.reused ? 1u : 2u);
}

const std::string k300(300, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, AddItemEquality,
    ::testing::Values(
        EqualityCase{"CaseFolded", "Windows", "WINDOWS", true},
        EqualityCase{"Identical", "System", "System", true},
        EqualityCase{"TrailingBlankDiffers", "Drive Info", "Drive Info ", false},
        // 0x83 0x41 and 0x83 0x61 are two katakana: the trail bytes look like
        // 'A' and 'a' but must not be folded.
        EqualityCase{"SjisTrailByteNotFolded", "\x83\x41", "\x83\x61", false},
        EqualityCase{"SjisThenAsciiFolded", "\x83\x41x", "\x83\x41X", true},
        EqualityCase{"HalfWidthDotKept", "5\xA5" "7", "5\xA5" "7", true},
        // The search reads back 255 characters, so a longer text never
        // matches and is added again.
        EqualityCase{"LongerThan255AddedAgain", k300, k300, false},
        EqualityCase{"Exactly255Reused", std::string(255, 'y'), std::string(255, 'Y'), true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReportTree, KeepsInsertionOrderUnderEachParent) {
  MemoryOutline o;
  ReportTree tree(o);
  Item a = tree.AddRootItem("A");
  Item b = tree.AddRootItem("B");
  tree.AddItem(a, "one");
  tree.AddItem(b, "other");
  tree.AddItem(a, "two");
  tree.AddItem(a, "ONE");  // found, so nothing moves
  tree.AddItem(a, "three");
  EXPECT_EQ(ChildTexts(o, kNoItem), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(ChildTexts(o, a), (std::vector<std::string>{"one", "two", "three"}));
  EXPECT_EQ(ChildTexts(o, b), (std::vector<std::string>{"other"}));
  EXPECT_EQ(tree.AddRootItem("a"), a);
}

TEST(ReportTree, TextEndsAtItsFirstNul) {
  MemoryOutline o;
  ReportTree tree(o);
  Item i = tree.AddRootItem(std::string("key=1\0junk", 10));
  EXPECT_EQ(o.FullText(i), "key=1");
}

TEST(ReportTreeLog, WritesEachAddedLineWithCrLf) {
  ScratchDir dir;
  std::string path = dir.Path("VORNAK95.LOG");
  MemoryOutline o;
  ReportTree tree(o);
  tree.AddRootItem("before logging");
  tree.SetLogFile(path.c_str());
  Item root = tree.AddRootItem("root");
  tree.AddItem(root, "");
  tree.AddItem(root, "100%% %s %d");  // never a format
  tree.AddItem(root, "ROOT");         // a new child: root's children differ
  tree.AddRootItem("Root");           // found: not logged
  std::string longLine(300, 'L');
  tree.AddItem(root, longLine);
  tree.SetLogFile(nullptr);
  tree.AddItem(root, "after logging");
  EXPECT_EQ(ReadFile(path), "root\r\n\r\n100%% %s %d\r\nROOT\r\n" + longLine + "\r\n");
  EXPECT_EQ(tree.LogPath(), path);
  EXPECT_FALSE(tree.Logging());
}

TEST(ReportTreeLog, AppendsToAnExistingFile) {
  ScratchDir dir;
  std::string path = dir.Path("log");
  { std::ofstream(path, std::ios::binary) << "old\r\n"; }
  MemoryOutline o;
  ReportTree tree(o);
  tree.SetLogFile(path.c_str());
  tree.AddRootItem("new");
  EXPECT_EQ(LogLines(ReadFile(path)), (std::vector<std::string>{"old", "new"}));
}

TEST(ReportTreeLog, UnwritablePathsLoseLinesButNotItems) {
  ScratchDir dir;
  std::string readOnly = dir.Path("readonly.log");
  { std::ofstream(readOnly) << ""; }
  chmod(readOnly.c_str(), 0444);
  std::string directory = dir.Path("dir.log");
  std::filesystem::create_directory(directory);
  const std::string paths[] = {readOnly, directory, dir.Path("missing/folder/x.log"), ""};
  for (const std::string& p : paths) {
    SCOPED_TRACE(p);
    MemoryOutline o;
    ReportTree tree(o);
    tree.SetLogFile(p.c_str());
    Item root = tree.AddRootItem("root");
    tree.AddItem(root, "child");
    EXPECT_EQ(ChildTexts(o, root), (std::vector<std::string>{"child"}));
  }
  // Root may ignore file modes; only check the file where modes hold.
  if (geteuid() != 0) {
    EXPECT_EQ(ReadFile(readOnly), "");
  }
  EXPECT_TRUE(std::filesystem::is_directory(directory));
}

TEST(ReportTree, DeleteAllEmptiesTheTree) {
  MemoryOutline o;
  ReportTree tree(o);
  tree.AddItem(tree.AddRootItem("a"), "b");
  tree.DeleteAll();
  EXPECT_TRUE(o.Children(kNoItem).empty());
  Item again = tree.AddRootItem("a");
  EXPECT_EQ(tree.GetRootItem(), again);
}

}  // namespace
}  // namespace vornak

namespace vornak {
namespace {

TEST(ReportTree, DeletedLinesAreNoLongerFoundAndSiblingsStayLinked) {
  MemoryOutline o;
  ReportTree tree(o);
  Item root = tree.AddRootItem("root");
  tree.AddItem(root, "a");
  Item b = tree.AddItem(root, "b");
  tree.AddItem(root, "c");
  tree.DeleteItem(b);
  EXPECT_EQ(ChildTexts(o, root), (std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(o.NextSibling(o.FirstChild(root)), o.Find(root, "c"));
  Item again = tree.AddItem(root, "B");
  EXPECT_NE(again, b);
  EXPECT_EQ(ChildTexts(o, root), (std::vector<std::string>{"a", "c", "B"}));
}

// Lines added straight to the outline, before the tree knew the parent, are
// found all the same.
TEST(ReportTree, FindsLinesItDidNotAddItself) {
  MemoryOutline o;
  Item root = o.Insert(kNoItem, kNoItem, "root");
  Item x = o.Insert(root, kNoItem, "Existing");
  ReportTree tree(o);
  EXPECT_EQ(tree.AddItem(root, "EXISTING"), x);
  EXPECT_EQ(tree.AddRootItem("ROOT"), root);
}

}  // namespace
}  // namespace vornak

// The report tree: line equality, insertion order and the log file.
#include <sys/stat.h>

#include "report/report_tree.h"
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

TEST(ReportTreeLog, UnwritablePathsLoseLinesButNotItemsAndSayWhy) {
  ScratchDir dir;
  std::string readOnly = dir.Path("readonly.log");
  { std::ofstream(readOnly) << ""; }
  chmod(readOnly.c_str(), 0444);
  std::string directory = dir.Path("dir.log");
  std::filesystem::create_directory(directory);
  const bool root = geteuid() == 0;  // root may ignore file modes
  struct Case {
    std::string path;
    bool fails;
    const char* reason;
  } cases[] = {
      {readOnly, !root, "cannot create the log"},
      {directory, true, "cannot create the log"},
      {dir.Path("missing/folder/x.log"), true, "No such file"},
      {"", true, "no file name"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    MemoryOutline o;
    ReportTree tree(o);
    tree.SetLogFile(c.path.c_str());
    Item root = tree.AddRootItem("root");
    tree.AddItem(root, "child");
    EXPECT_EQ(ChildTexts(o, root), (std::vector<std::string>{"child"}));
    tree.SetLogFile(nullptr);
    if (!c.fails) continue;
    EXPECT_EQ(tree.LogFailure().rfind(c.path + ": ", 0), 0u) << tree.LogFailure();
    EXPECT_NE(tree.LogFailure().find(c.reason), std::string::npos) << tree.LogFailure();
  }
  if (!root) {
    EXPECT_EQ(ReadFile(readOnly), "");
  }
  EXPECT_TRUE(std::filesystem::is_directory(directory));
}

// A full disk: the writes fail after the file opened.
TEST(ReportTreeLog, FailedWriteIsNamed) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  MemoryOutline o;
  ReportTree tree(o);
  tree.SetLogFile("/dev/full");
  tree.AddItem(tree.AddRootItem("root"), "child");
  EXPECT_EQ(o.Children(kNoItem).size(), 1u);
  EXPECT_NE(tree.LogFailure().find("/dev/full: cannot write the log"), std::string::npos)
      << tree.LogFailure();
  tree.SetLogFile(nullptr);
  EXPECT_NE(tree.LogFailure(), "");
}

// The log is kept open for the run, but every line is in the file before
// the next one is added, and nothing stays open once logging ends.
TEST(ReportTreeLog, EachLineReachesTheFileAtOnceAndTheFileClosesWithTheLog) {
  auto openFiles = [] {
    size_t n = 0;
    for (const auto& e : std::filesystem::directory_iterator("/proc/self/fd")) (void)e, ++n;
    return n;
  };
  ScratchDir dir;
  const std::string path = dir.Path("VORNAK95.LOG");
  const size_t before = openFiles();
  MemoryOutline o;
  ReportTree tree(o);
  tree.SetLogFile(path.c_str());
  Item root = tree.AddRootItem("root");
  std::string expected = "root\r\n";
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(ReadFile(path), expected);
    const std::string line = "line " + std::to_string(i);
    tree.AddItem(root, line);
    expected += line + "\r\n";
  }
  EXPECT_EQ(ReadFile(path), expected);
  tree.SetLogFile(nullptr);
  EXPECT_EQ(openFiles(), before);
  EXPECT_EQ(tree.LogFailure(), "");
}

TEST(ReportTreeLog, MemoryLogHoldsTheBytesTheFileWould) {
  ScratchDir dir;
  const std::string path = dir.Path("file.log");
  MemoryLog memory;
  for (bool toFile : {true, false}) {
    MemoryOutline o;
    ReportTree tree(o);
    if (toFile) tree.SetLogFile(path.c_str());
    else tree.SetLog(&memory);
    Item root = tree.AddRootItem("root");
    tree.AddItem(root, "");
    tree.AddItem(root, "ROOT");
    tree.AddItem(root, "root");  // found: not logged
    tree.AddItem(root, std::string("5\xA5" "7 \x83\x5C", 6));
    tree.SetLogFile(nullptr);
  }
  EXPECT_EQ(memory.Bytes(), ReadFile(path));
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

namespace vornak {
namespace {

// Lines that differ only in a double-byte character whose trail byte is a
// letter ("\x83\x61" and "\x83\x41" are two katakana) are not equal, so they
// must not share an index key either: otherwise every AddItem compares with
// all of them and a win.ini of such lines takes quadratic time.
TEST(ReportTree, AddItemComparesALineWithItsEqualsOnly) {
  class CountingOutline : public MemoryOutline {
   public:
    bool TextEqual(const std::string& a, const std::string& b) const override {
      ++comparisons;
      return MemoryOutline::TextEqual(a, b);
    }
    mutable size_t comparisons = 0;
  };
  CountingOutline o;
  ReportTree tree(o);
  Item root = tree.AddRootItem("WIN.INI");
  const size_t lines = 2000;
  for (size_t i = 0; i < lines; ++i) {
    // Bit k of i picks the trail byte's case in character k.
    std::string text = "key=";
    for (int k = 0; k < 11; ++k) text += (i >> k) & 1 ? "\x83\x61" : "\x83\x41";
    tree.AddItem(root, text);
  }
  EXPECT_EQ(o.Children(root).size(), lines);
  EXPECT_LE(o.comparisons, lines);  // quadratic would be some two million
  EXPECT_EQ(o.EqualityKey("a\x83\x61z"), "A\x83\x61Z");
}

}  // namespace
}  // namespace vornak

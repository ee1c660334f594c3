// The shell's portable decisions: where the main window opens, which
// outside program is started and what is said when none starts, and the
// recent-file list.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "vornak95/outside_programs.h"
#include "vornak95/recent_files.h"
#include "vornak95/window_placement.h"

namespace vornak {
namespace {

TEST(MainWindowPlacement, IsCentredAtThreeQuarters) {
  struct Case { int w, h, x, y, width, height; };
  const Case cases[] = {
      {1024, 740, 128, 92, 768, 555},
      {640, 461, 80, 57, 480, 345},   // 461 / 4 = 115: the quarter is cut before it is used
      {1280, 1024, 160, 128, 960, 768},
      {3, 3, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    WindowPlacement p = MainWindowPlacement(c.w, c.h);
    EXPECT_EQ(c.x, p.x) << c.w << "x" << c.h;
    EXPECT_EQ(c.y, p.y) << c.w << "x" << c.h;
    EXPECT_EQ(c.width, p.width) << c.w << "x" << c.h;
    EXPECT_EQ(c.height, p.height) << c.w << "x" << c.h;
  }
}

// Answers WinExec from a table of command lines; records what was asked.
class FakeStarter : public ProgramStarter {
 public:
  uint32_t WinExec(const std::string& commandLine, int showCommand) override {
    started.push_back(commandLine);
    shows.push_back(showCommand);
    auto it = results.find(commandLine);
    return it == results.end() ? 2 : it->second;
  }
  std::string WindowsDirectory() override { return windows; }
  void ShowMessage(const std::string& text) override { boxes.push_back(text); }

  std::map<std::string, uint32_t> results;
  std::string windows = "D:\\WINDOWS";
  std::vector<std::string> started;
  std::vector<int> shows;
  std::vector<std::string> boxes;
};

const char kSecond[] = "\"D:\\program files\\directx\\setup\\DxSETUP.EXE\"";

TEST(DirectXSetupCommand, TriesThePathThenTheWindowsDrive) {
  struct Case {
    const char* name;
    uint32_t first, second;
    size_t starts;
    const char* box;  // nullptr: no box
  };
  const Case cases[] = {
      {"found on the path", 33, 0, 1, nullptr},
      {"out of resources", 0, 0, 1, nullptr},
      {"second copy starts", 2, 42, 2, nullptr},
      {"neither: file", 2, 2, 2, "'DXSetup.EXE' File not Found"},
      {"neither: folder", 2, 3, 2, "'DXSetup.EXE' File not Found"},
      {"second is no program", 3, 11, 2, "Error BAD Format"},
      {"second access denied", 2, 5, 2, nullptr},
      {"second out of resources", 2, 0, 2, nullptr},
  };
  for (const Case& c : cases) {
    FakeStarter s;
    s.results["DxSETUP.EXE"] = c.first;
    s.results[kSecond] = c.second;
    DirectXSetupCommand(s);
    ASSERT_EQ(c.starts, s.started.size()) << c.name;
    EXPECT_EQ("DxSETUP.EXE", s.started[0]) << c.name;
    if (c.starts == 2) {
      EXPECT_EQ(kSecond, s.started[1]) << c.name;
    }
    EXPECT_EQ(std::vector<int>(c.starts, 1), s.shows) << c.name;
    EXPECT_EQ(c.box ? std::vector<std::string>{c.box} : std::vector<std::string>{}, s.boxes)
        << c.name;
  }
}

TEST(DirectXSetupCommand, SecondPathTakesOnlyTheDriveLetter) {
  EXPECT_EQ("D:\\program files\\directx\\setup\\DxSETUP.EXE", DirectXSetupSecondPath("D:\\WIN95"));
  EXPECT_EQ("C:\\program files\\directx\\setup\\DxSETUP.EXE", DirectXSetupSecondPath("C:\\"));
}

TEST(DirectXSetupCommand, WithoutAWindowsFolderReportsTheFirstResult) {
  FakeStarter s;
  s.windows = "";
  DirectXSetupCommand(s);
  EXPECT_EQ(std::vector<std::string>{"DxSETUP.EXE"}, s.started);
  EXPECT_EQ(std::vector<std::string>{"'DXSetup.EXE' File not Found"}, s.boxes);
}

TEST(ControlPanelCommand, StartsControlFromTheWindowsFolderSilently) {
  FakeStarter s;
  s.windows = "C:\\MY WIN";
  ControlPanelCommand(s);
  EXPECT_EQ(std::vector<std::string>{"\"C:\\MY WIN\\Control.EXE\""}, s.started);
  EXPECT_EQ(std::vector<int>{1}, s.shows);
  EXPECT_TRUE(s.boxes.empty());  // not found: nothing is said
}

TEST(RecentFileList, KeepsFourMostRecentFirst) {
  RecentFileList list;
  std::map<std::string, std::string> profile = {{"File1", "A.DOC"}, {"File3", "C.DOC"}};
  list.Load([&](const std::string& key) { return profile.count(key) ? profile[key] : ""; });
  EXPECT_EQ("A.DOC", list[0]);
  EXPECT_EQ("C.DOC", list[1]);  // the gap is closed
  EXPECT_EQ("", list[2]);

  list.Add("c.doc");  // already listed: moves up, not twice
  EXPECT_EQ("c.doc", list[0]);
  EXPECT_EQ("A.DOC", list[1]);
  EXPECT_EQ("", list[2]);

  for (const char* p : {"1", "2", "3", "4"}) list.Add(p);
  EXPECT_EQ("4", list[0]);
  EXPECT_EQ("1", list[3]);  // the oldest ones fell off

  // Two katakana whose trail bytes look like "a" and "A": two names.
  list.Add("C:\\\x83\x61.TXT");
  list.Add("C:\\\x83\x41.txt");
  EXPECT_EQ("C:\\\x83\x41.txt", list[0]);
  EXPECT_EQ("C:\\\x83\x61.TXT", list[1]);
}

}  // namespace
}  // namespace vornak

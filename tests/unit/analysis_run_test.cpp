// The analysis run: its fixed lines, its order and the three commands.
#include <unistd.h>

#include <algorithm>

#include "app/analysis_run.h"
#include "test_support.h"

namespace vornak {
namespace {

using test::LogLines;
using test::MachineFrom;
using test::ReadFile;
using test::RecordingShell;
using test::ScratchDir;

// Runs the commands in a scratch folder, where the relative log name lands.
class AnalysisRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    old_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_.Path(""));
  }
  void TearDown() override { std::filesystem::current_path(old_); }

  std::vector<std::string> Log() { return LogLines(ReadFile(kLogFileName)); }

  ScratchDir dir_;
  std::filesystem::path old_;
};

struct VersionCase {
  uint32_t version;
  const char* root;
  const char* osLine;
};

class RootLines : public AnalysisRunTest, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(RootLines, FollowTheVersionWord) {
  const VersionCase& c = GetParam();
  char lines[128];
  std::snprintf(lines, sizeof lines, "version = %08x\nnuvash32 = 00000102\n", c.version);
  ProfileMachine m = MachineFrom(lines);
  RecordingShell shell;
  MemoryOutline o;
  ReportHost host(m, shell);
  host.CreateTree(o, 0, 100, 100);
  host.SaveLogCommand();
  std::vector<std::string> log = Log();
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log[0], c.root);
  EXPECT_EQ(log[1], c.osLine);
  EXPECT_EQ(log[2], "NUVASH32 Version : 01.02");
}

INSTANTIATE_TEST_SUITE_P(
    Platforms, RootLines,
    ::testing::Values(
        VersionCase{0xC0000A04, "VORNAK for Windows95 [Windows 95/98/98SE [chicago]  mode]", "OS Version:4.10"},
        VersionCase{0x05650004, "VORNAK for Windows95 [Windows NT/2000 mode]", "OS Version:4.0"},
        VersionCase{0x1DB10106, "VORNAK for Windows95 [Windows NT/2000 mode]", "OS Version:6.1"},
        VersionCase{0x80000A03, "VORNAK for Windows95 [Win32s mode]", "OS Version:3.10"}),
    [](const auto& info) { return test::WindowsName(info.param.version); });

TEST_F(AnalysisRunTest, LibraryVersionIsTwoHexBytesOfTheLow16Bits) {
  const std::pair<uint32_t, const char*> cases[] = {
      {0x0102, "NUVASH32 Version : 01.02"},
      {0xABCD, "NUVASH32 Version : ab.cd"},
      {0x12345, "NUVASH32 Version : 23.45"},
      {0, "NUVASH32 Version : 00.00"}};
  for (const auto& [version, line] : cases) {
    char text[64];
    std::snprintf(text, sizeof text, "nuvash32 = %08x\n", version);
    ProfileMachine m = MachineFrom(text);
    RecordingShell shell;
    MemoryOutline o;
    ReportHost host(m, shell);
    host.CreateTree(o, 0, 100, 100);
    host.RunAnalysis(nullptr);
    EXPECT_NE(o.Find(o.Root(), line), kNoItem) << line;
  }
}

TEST_F(AnalysisRunTest, HeadersInOrderStatusRestoredLoggingOff) {
  ProfileMachine m = MachineFrom("");
  RecordingShell shell;
  shell.status = "before the run";
  MemoryOutline o;
  ReportHost host(m, shell);
  host.CreateTree(o, 0, 100, 100);
  EXPECT_FALSE(o.Visible());
  host.SaveLogCommand();

  Item root = o.Root();
  std::vector<std::string> top = test::ChildTexts(o, root);
  std::vector<std::string> headers;
  for (const std::string& t : top)
    if (t == "Windows" || t == "Initial File" || t == "Drive Info") headers.push_back(t);
  EXPECT_EQ(headers, (std::vector<std::string>{"Windows", "Initial File", "Drive Info"}));
  EXPECT_EQ(test::ChildTexts(o, o.Find(root, "Windows")).front(), "System");
  EXPECT_EQ(test::ChildTexts(o, o.Find(root, "Initial File")),
            (std::vector<std::string>{"WIN.INI", "SYSTEM.INI"}));
  EXPECT_TRUE(o.Expanded(root));
  EXPECT_TRUE(o.Expanded(o.Find(root, "Initial File")));
  EXPECT_EQ(o.FirstVisible(), root);
  EXPECT_TRUE(o.Visible());
  EXPECT_TRUE(shell.htmlHidden);

  EXPECT_EQ(shell.status, "before the run");
  ASSERT_GE(shell.history.size(), 6u);
  EXPECT_EQ(shell.history.front(), "System Analyzing");
  std::vector<std::string> steps = {"System Analyzing[DirectX]", "System Analyzing[Windows Status]",
                                    "Analyz:Win Thread", "Analyz:Initial File", "Analyz:Drive Info"};
  auto at = shell.history.begin();
  for (const std::string& s : steps) {
    at = std::find(at, shell.history.end(), s);
    EXPECT_NE(at, shell.history.end()) << s;
  }

  // Logging ended with the run: a further run without a path logs nothing.
  std::string log = ReadFile(kLogFileName);
  host.StartAnalyzCommand();
  EXPECT_EQ(ReadFile(kLogFileName), log);
}

TEST_F(AnalysisRunTest, SaveLogTwiceWritesTheWholeReportEachTime) {
  ProfileMachine m = MachineFrom("");
  RecordingShell shell;
  MemoryOutline o;
  ReportHost host(m, shell);
  host.CreateTree(o, 0, 100, 100);
  host.SaveLogCommand();
  std::string first = ReadFile(kLogFileName);
  host.SaveLogCommand();
  EXPECT_EQ(ReadFile(kLogFileName), first);
  EXPECT_EQ(Log().front(), "VORNAK for Windows95 [Windows NT/2000 mode]");
}

TEST_F(AnalysisRunTest, SaveAndOpenAfterARunLogsOnlyNewLines) {
  // The second run's library version differs; everything else is unchanged.
  ProfileMachine m = MachineFrom("nuvash32 = 00000102\nnuvash32 = 00000103\n");
  RecordingShell shell;
  MemoryOutline o;
  ReportHost host(m, shell);
  host.CreateTree(o, 0, 100, 100);
  host.StartAnalyzCommand();
  shell.htmlHidden = false;
  host.SaveAndOpenLogCommand();
  EXPECT_EQ(Log(), (std::vector<std::string>{"NUVASH32 Version : 01.03"}));
  EXPECT_EQ(shell.editorCommand, "NOTEPAD.EXE VORNAK95.LOG");
  EXPECT_FALSE(shell.htmlHidden);
}

// A log that cannot be written: the report still runs to its end, and the
// command says so once, after the run, naming the file.
TEST_F(AnalysisRunTest, AnUnwritableLogIsReportedAfterACompleteRun) {
  std::filesystem::create_directory(kLogFileName);
  ProfileMachine m = MachineFrom("");
  RecordingShell shell;
  MemoryOutline o;
  ReportHost host(m, shell);
  host.CreateTree(o, 0, 100, 100);
  host.SaveLogCommand();
  EXPECT_NE(o.Find(o.Root(), "Drive Info"), kNoItem);
  EXPECT_TRUE(o.Visible());
  ASSERT_EQ(shell.logFailures.size(), 1u);
  EXPECT_EQ(shell.logFailures[0].rfind("VORNAK95.LOG: cannot create the log", 0), 0u) << shell.logFailures[0];
  EXPECT_EQ(host.LogFailure(), shell.logFailures[0]);
  EXPECT_TRUE(std::filesystem::is_directory(kLogFileName));

  // Ctrl+S: the box instead of an editor on a log that is not this run's.
  host.ClearTree();
  host.SaveAndOpenLogCommand();
  EXPECT_EQ(shell.logFailures.size(), 2u);
  EXPECT_EQ(shell.editorCommand, "");

  // A later run without a log has nothing to report.
  host.StartAnalyzCommand();
  EXPECT_EQ(host.LogFailure(), "");
  EXPECT_EQ(shell.logFailures.size(), 2u);
}

// A command that arrives while a run waits (a message sent to the window
// during the window-list broadcast) is refused, not run inside the first.
TEST_F(AnalysisRunTest, ARunStartedDuringARunIsRefused) {
  class ReenteringShell : public RecordingShell {
   public:
    void SetStatusText(const std::string& text) override {
      RecordingShell::SetStatusText(text);
      if (host && text == "Analyz:Win Thread") {
        EXPECT_TRUE(host->Running());
        host->StartAnalyzCommand();
        host->SaveLogCommand();
        host->SaveAndOpenLogCommand();
      }
    }
    ReportHost* host = nullptr;
  };
  ProfileMachine m = MachineFrom("");
  ReenteringShell shell;
  MemoryOutline o;
  ReportHost host(m, shell);
  shell.host = &host;
  host.CreateTree(o, 0, 100, 100);
  host.SaveLogCommand();
  EXPECT_FALSE(host.Running());
  EXPECT_EQ(std::count(shell.history.begin(), shell.history.end(), "System Analyzing"), 1);
  EXPECT_EQ(shell.editorCommand, "");
  std::vector<std::string> log = Log();
  EXPECT_EQ(std::count(log.begin(), log.end(), "Drive Info"), 1);
}

TEST_F(AnalysisRunTest, NoTreeNoRun) {
  ProfileMachine m = MachineFrom("");
  RecordingShell shell;
  ReportHost host(m, shell);
  host.SaveLogCommand();
  EXPECT_TRUE(shell.history.empty());
  EXPECT_FALSE(std::filesystem::exists(kLogFileName));
}

}  // namespace
}  // namespace vornak

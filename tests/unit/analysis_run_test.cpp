// The analysis run: its fixed lines, its order and the three commands.
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>

#include "fake_log_files.h"
#include "run/analysis_run.h"
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

namespace vornak {
namespace {

using test::FakeLogFiles;

// Its WindowsDirectory() throws, as a failing call of the live layer would:
// the run stops in the WIN.INI section.
struct ThrowingMachine : ProfileMachine {
  ThrowingMachine() : ProfileMachine(test::MachineFrom("")) {}
  std::optional<std::string> WindowsDirectory() override { throw std::runtime_error("no folder"); }
};

struct StopCase {
  const char* name;
  int command;          // 0 Save LOG, 1 Start Analyz, 2 into the caller's log
  const char* failOn;   // of the log's files
  const char* failure;  // LogFailure() after the stop
};

class StoppedRun : public ::testing::TestWithParam<StopCase> {};

// However the run ends, the log is closed and says why it is short, the
// status text is back and the report is shown.
TEST_P(StoppedRun, LeavesNothingHalfDone) {
  const StopCase& c = GetParam();
  ThrowingMachine m;
  RecordingShell shell;
  shell.status = "before the run";
  FakeLogFiles files;
  files.failOn = c.failOn;
  MemoryOutline o;
  ReportHost host(m, shell, files);
  host.CreateTree(o, 0, 100, 100);
  MemoryLog memory;
  EXPECT_THROW(c.command == 0   ? host.SaveLogCommand()
               : c.command == 1 ? host.StartAnalyzCommand()
                                : host.RunAnalysis(memory),
               std::runtime_error);
  EXPECT_EQ(files.open, 0) << "the log is still open";
  EXPECT_EQ(host.LogFailure(), c.failure);
  EXPECT_EQ(shell.status, "before the run");
  EXPECT_TRUE(o.Visible());
  EXPECT_FALSE(host.Running());
  // Nothing reaches the log once the run is over, the caller's included.
  const std::string logged = files.bytes["VORNAK95.LOG"] + memory.Bytes();
  EXPECT_EQ(!logged.empty(), c.command != 1);
  host.tree()->AddRootItem("after the run");
  EXPECT_EQ(files.bytes["VORNAK95.LOG"] + memory.Bytes(), logged);
}

INSTANTIATE_TEST_SUITE_P(
    All, StoppedRun,
    ::testing::Values(
        StopCase{"SaveLog", 0, "", "VORNAK95.LOG: the log is incomplete: the run was stopped"},
        // The log's own failure came first and is the one kept.
        StopCase{"AfterTheLogFailed", 0, "write 3", "VORNAK95.LOG: cannot write the log: Sharing violation"},
        StopCase{"StartAnalyz", 1, "", ""},
        StopCase{"IntoTheCallersLog", 2, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// An old log another program holds open is left alone, not appended to: the
// run goes on in the tree, and the command says so instead of succeeding.
TEST(AnalysisRunOldLog, ThatCannotBeDeletedIsNeitherWrittenNorOpened) {
  FakeLogFiles files;
  files.failOn = "remove 1";
  files.bytes["VORNAK95.LOG"] = "line of an earlier run\r\n";
  ProfileMachine m = test::MachineFrom("");
  RecordingShell shell;
  MemoryOutline o;
  ReportHost host(m, shell, files);
  host.CreateTree(o, 0, 100, 100);
  host.SaveAndOpenLogCommand();
  EXPECT_NE(o.Find(o.Root(), "Drive Info"), kNoItem);
  EXPECT_TRUE(o.Visible());
  EXPECT_EQ(files.Count("open"), 0u);
  EXPECT_EQ(files.bytes["VORNAK95.LOG"], "line of an earlier run\r\n");
  EXPECT_EQ(host.LogFailure(), "VORNAK95.LOG: cannot delete the old log: Sharing violation");
  EXPECT_EQ(shell.logFailures, std::vector<std::string>{host.LogFailure()});
  EXPECT_EQ(shell.editorCommand, "");
}

// Each hang-prone question finds every line before it committed, and so does
// each step of the run. The spy dirties the log after each such question, so
// a commit must come right before the next one, not merely somewhere before.
TEST(AnalysisRunCommits, PrecedeEachStepAndEachHangProneQuestion) {
  struct CountingLog : ReportLog {
    void Append(const std::string&) override { ++pending; }
    void Commit() override { pending = 0; }
    int pending = 0;
  } log;
  std::map<std::string, int> asked;  // question: lines pending when asked
  struct Spy : ProfileMachine {
    Spy(ProfileMachine m, std::function<void(const char*)> ask) : ProfileMachine(std::move(m)), ask(ask) {}
    std::function<void(const char*)> ask;
    uint32_t ReadCyrixReg(uint32_t i) override { return ask("cyrixreg"), ProfileMachine::ReadCyrixReg(i); }
    std::optional<uint16_t> BiosWord(uint32_t o) override { return ask("biosword"), ProfileMachine::BiosWord(o); }
    std::optional<uint8_t> BiosByte(uint32_t o) override { return ask("biosbyte"), ProfileMachine::BiosByte(o); }
    std::optional<uint16_t> ReadPortWord(uint32_t p) override { return ask("portin"), ProfileMachine::ReadPortWord(p); }
    bool WritePortWord(uint32_t p, uint16_t v) override { return ask("portout"), ProfileMachine::WritePortWord(p, v); }
    Direct3DAnswer ProbeDirect3D() override { return ask("d3d"), ProfileMachine::ProbeDirect3D(); }
    DirectDrawAnswer ProbeDirectDraw(bool two) override { return ask("ddraw"), ProfileMachine::ProbeDirectDraw(two); }
    DirectSoundAnswer ProbeDirectSound() override { return ask("dsound"), ProfileMachine::ProbeDirectSound(); }
    DirectPlayAnswer ProbeDirectPlay() override { return ask("dplay"), ProfileMachine::ProbeDirectPlay(); }
    uint32_t JoyGetNumDevs() override { return ask("joynum"), ProfileMachine::JoyGetNumDevs(); }
    JoyCaps JoyGetDevCaps(uint32_t d) override { return ask("joycaps"), ProfileMachine::JoyGetDevCaps(d); }
    std::vector<FontFamily> FontFamilies() override { return ask("fonts"), ProfileMachine::FontFamilies(); }
    std::vector<PaintedWindow> BroadcastPaint() override { return ask("paint"), ProfileMachine::BroadcastPaint(); }
    std::optional<std::string> ReadFileBytes(const std::string& p) override {
      return ask("file"), ProfileMachine::ReadFileBytes(p);
    }
    bool VolumePresent(const std::string& r) override { return ask("volume"), ProfileMachine::VolumePresent(r); }
    std::optional<VolumeInfo> VolumeInformation(const std::string& r) override {
      return ask("volumeinfo"), ProfileMachine::VolumeInformation(r);
    }
    uint32_t DriveType(const std::string& r) override { return ask("drivetype"), ProfileMachine::DriveType(r); }
    std::optional<DiskFreeSpace> DiskFree(const std::string& r) override {
      return ask("diskfree"), ProfileMachine::DiskFree(r);
    }
  };
  struct StepShell : RecordingShell {
    void SetStatusText(const std::string& text) override {
      if (text != status && log->pending) uncommittedSteps.push_back(text);
      RecordingShell::SetStatusText(text);
    }
    CountingLog* log = nullptr;
    std::vector<std::string> uncommittedSteps;
  } shell;
  shell.log = &log;
  // A PC-98 with a Cyrix processor and a SCSI board: every kind of port and
  // BIOS-area question is asked. Fonts, a window, both ini files and two
  // drives (the first followed by others that are not there) bring in the
  // rest.
  std::string profile = test::ReadFile(std::string(VORNAK_SOURCE_DIR) + "/tests/profiles/cpu/cyrix-pc98.profile");
  const char* const rest = R"(portin cc2 = 1 0000
fonts = 1
font = "Regular" "Arial"
windows = 1
window = 00000a10 "Program Manager" 00000000
windir = 1 "C:\5cWINDOWS"
file "C:\5cWINDOWS\5cwin.ini" = 1 "[windows]\0d\0aload=\0d\0a"
file "C:\5cWINDOWS\5csystem.ini" = 1 "[boot]\0d\0a"
volume "C:\5c" = 1
volumeinfo "C:\5c" = 1 "WIN95" "FAT" 1a2b3c4d ff 6
drivetype "C:\5c" = 3
diskfree "C:\5c" = 1 40 200 493e0 f4240
volume "E:\5c" = 1
volumeinfo "E:\5c" = 1 "" "FAT" 1234 c 2
drivetype "E:\5c" = 2
diskfree "E:\5c" = 1 1 200 5a0 b40
)";
  Spy m(test::MachineFrom(profile.substr(profile.find('\n') + 1) + rest),
        [&](const char* q) { asked[q] += log.pending, log.pending = 1; });
  MemoryOutline o;
  ReportHost host(m, shell);
  host.CreateTree(o, 0, 100, 100);
  host.RunAnalysis(log);
  EXPECT_EQ(shell.uncommittedSteps, std::vector<std::string>{"Ready"});  // the end: the log is closed
  // Each question hangs on its own kind of fault; none may be asked with a
  // line still only in memory.
  for (const char* q : {"cyrixreg", "biosword", "biosbyte", "portin", "portout", "d3d", "ddraw",
                        "dsound", "dplay", "joynum", "joycaps", "fonts", "paint", "file", "volume",
                        "volumeinfo", "drivetype", "diskfree"}) {
    ASSERT_EQ(asked.count(q), 1u) << q << " never asked: the profile no longer reaches it";
    EXPECT_EQ(asked[q], 0) << q << " asked with lines not committed";
  }
}

}  // namespace
}  // namespace vornak

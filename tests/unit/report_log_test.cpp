// The log file's rules over any file system (the first failure kept and
// nothing written after it, commits only for new lines, no handle left open),
// the removal of an old log, and the commits before hang-prone questions.
#include <functional>

#include "app/committing_machine.h"
#include "app/report_log.h"
#include "fake_log_files.h"
#include "test_support.h"

namespace vornak {
namespace {

using test::FakeLogFiles;
using Journal = std::vector<std::string>;

struct FileLogCase {
  const char* name;
  const char* steps;  // a: append the next line, c: commit, x: close
  const char* failOn;
  Journal journal;
  const char* failure;  // after "P: "
};

class FileLogSteps : public ::testing::TestWithParam<FileLogCase> {};

TEST_P(FileLogSteps, FollowTheRules) {
  const FileLogCase& c = GetParam();
  FakeLogFiles files;
  files.failOn = c.failOn;
  {
    FileLog log("P", files);
    int line = 0;
    for (const char* s = c.steps; *s; ++s) {
      if (*s == 'a') log.Append("L" + std::to_string(++line));
      if (*s == 'c') log.Commit();
      if (*s == 'x') log.Close();
    }
    log.Close();
    EXPECT_EQ(log.Failure(), *c.failure ? std::string("P: ") + c.failure : "");
    EXPECT_EQ(log.Commits(), files.Count("commit"));
  }
  EXPECT_EQ(files.journal, c.journal);
  EXPECT_EQ(files.open, 0) << "a handle left open";
}

const char* const kWhy = FakeLogFiles::kReason;
INSTANTIATE_TEST_SUITE_P(
    All, FileLogSteps,
    ::testing::Values(
        // Nothing to commit before the first line, nor twice for the same lines.
        FileLogCase{"CommitsOnlyNewLines", "ccaaccac", "",
                    {"open", "write L1\r\n", "write L2\r\n", "commit", "write L3\r\n", "commit", "close"}, ""},
        FileLogCase{"WriteFailureStopsTheLog", "aaaca", "write 2",
                    {"open", "write L1\r\n", "write failed", "close"}, "cannot write the log: Sharing violation"},
        FileLogCase{"FailedOpenIsNotRetried", "aca", "open 1", {"open failed"},
                    "cannot create the log: Sharing violation"},
        FileLogCase{"CommitFailureStopsTheLog", "acaca", "commit 1",
                    {"open", "write L1\r\n", "commit failed", "close"}, "cannot commit the log: Sharing violation"},
        FileLogCase{"CloseFailureIsKept", "aax", "close 1",
                    {"open", "write L1\r\n", "write L2\r\n", "close failed"}, "cannot close the log: Sharing violation"}),
    [](const auto& info) { return std::string(info.param.name); });

// Removing the old log: gone or never there is fine, a folder is left for
// the creation to fail on, anything else stops the log from being written.
TEST(RemoveOldLog, OnlyARealFailureIsOne) {
  test::ScratchDir dir;
  const std::string file = dir.Path("old.log"), folder = dir.Path("folder.log");
  { std::ofstream(file) << "line of an earlier run\r\n"; }
  std::filesystem::create_directory(folder);
  EXPECT_EQ(RemoveOldLog(file), "");
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_EQ(RemoveOldLog(file), "");  // already gone
  EXPECT_EQ(RemoveOldLog(folder), "");
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_EQ(RemoveOldLog(""), "");

  FakeLogFiles files;
  files.failOn = "remove 1";
  EXPECT_EQ(RemoveOldLog("VORNAK95.LOG", files), "VORNAK95.LOG: cannot delete the old log: Sharing violation");
}

// Every question reaches the machine behind; those that can hang it find
// the log committed when they are asked, the others cost no commit.
TEST(CommittingMachine, PassesEveryQuestionOnAndCommitsBeforeTheHangProne) {
  struct Spy : Machine {
    std::function<void()> onHangProne;
    uint32_t ReadCyrixReg(uint32_t i) override { return onHangProne(), Machine::ReadCyrixReg(i); }
    std::optional<uint16_t> BiosWord(uint32_t o) override { return onHangProne(), Machine::BiosWord(o); }
    std::optional<uint8_t> BiosByte(uint32_t o) override { return onHangProne(), Machine::BiosByte(o); }
    std::optional<uint16_t> ReadPortWord(uint32_t p) override { return onHangProne(), Machine::ReadPortWord(p); }
    bool WritePortWord(uint32_t p, uint16_t v) override { return onHangProne(), Machine::WritePortWord(p, v); }
    Direct3DAnswer ProbeDirect3D() override { return onHangProne(), Machine::ProbeDirect3D(); }
    DirectDrawAnswer ProbeDirectDraw(bool two) override { return onHangProne(), Machine::ProbeDirectDraw(two); }
    DirectSoundAnswer ProbeDirectSound() override { return onHangProne(), Machine::ProbeDirectSound(); }
    DirectPlayAnswer ProbeDirectPlay() override { return onHangProne(), Machine::ProbeDirectPlay(); }
    uint32_t JoyGetNumDevs() override { return onHangProne(), Machine::JoyGetNumDevs(); }
    JoyCaps JoyGetDevCaps(uint32_t d) override { return onHangProne(), Machine::JoyGetDevCaps(d); }
  };
  struct Question {
    const char* key;  // the recorded profile line's key
    bool hangProne;
    std::function<void(Machine&)> ask;
  } const questions[] = {
      {"version", false, [](Machine& m) { m.GetVersion(); }},
      {"nuvash32", false, [](Machine& m) { m.Nuvash32Version(); }},
      {"sysinfo", false, [](Machine& m) { m.GetSystemInfo(); }},
      {"memory", false, [](Machine& m) { m.GetMemoryStatus(); }},
      {"metric", false, [](Machine& m) { m.GetSystemMetric(19); }},
      {"devcaps", false, [](Machine& m) { m.GetDeviceCaps(12); }},
      {"fonts", false, [](Machine& m) { m.FontFamilies(); }},
      {"cpuidcheck", false, [](Machine& m) { m.CheckCpuid(); }},
      {"cpuid", false, [](Machine& m) { m.Cpuid(1); }},
      {"vendor", false, [](Machine& m) { m.CpuidVendor(); }},
      {"cyrixcheck", false, [](Machine& m) { m.CheckCyrix(); }},
      {"cyrixreg", true, [](Machine& m) { m.ReadCyrixReg(0xFE); }},
      {"fdiv", false, [](Machine& m) { m.FDivDetect(); }},
      {"kernel", false, [](Machine& m) { m.RunKernel(Kernel::Base); }},
      {"biosword", true, [](Machine& m) { m.BiosWord(0x86); }},
      {"biosbyte", true, [](Machine& m) { m.BiosByte(0x101); }},
      {"portin", true, [](Machine& m) { m.ReadPortWord(0xA460); }},
      {"portout", true, [](Machine& m) { m.WritePortWord(0xCC0, 0x33); }},
      {"windows", false, [](Machine& m) { m.BroadcastPaint(); }},
      {"windir", false, [](Machine& m) { m.WindowsDirectory(); }},
      {"sysdir", false, [](Machine& m) { m.SystemDirectory(); }},
      {"temppath", false, [](Machine& m) { m.TempPath(); }},
      {"file", false, [](Machine& m) { m.ReadFileBytes("C:\\WINDOWS\\WIN.INI"); }},
      {"volume", false, [](Machine& m) { m.VolumePresent("C:\\"); }},
      {"volumeinfo", false, [](Machine& m) { m.VolumeInformation("C:\\"); }},
      {"drivetype", false, [](Machine& m) { m.DriveType("C:\\"); }},
      {"diskfree", false, [](Machine& m) { m.DiskFree("C:\\"); }},
      {"d3d", true, [](Machine& m) { m.ProbeDirect3D(); }},
      {"ddraw", true, [](Machine& m) { m.ProbeDirectDraw(true); }},
      {"dsound", true, [](Machine& m) { m.ProbeDirectSound(); }},
      {"dplay", true, [](Machine& m) { m.ProbeDirectPlay(); }},
      {"joynum", true, [](Machine& m) { m.JoyGetNumDevs(); }},
      {"joycaps", true, [](Machine& m) { m.JoyGetDevCaps(0); }},
  };
  test::ScratchDir dir;
  const std::string recording = dir.Path("asked.profile");
  FakeLogFiles files;
  Spy spy;
  ProfileWriter writer(recording);
  ProfileMachine recorder(spy, writer);
  MemoryOutline o;
  ReportTree tree(o);
  tree.SetLogFile("VORNAK95.LOG", files);
  CommittingMachine machine(recorder, tree);
  int line = 0;
  for (const Question& q : questions) {
    SCOPED_TRACE(q.key);
    tree.AddRootItem("line " + std::to_string(++line));
    const size_t before = files.Count("commit");
    size_t seen = before;
    spy.onHangProne = [&] { seen = files.Count("commit"); };
    q.ask(machine);
    EXPECT_EQ(files.Count("commit"), before + (q.hangProne ? 1 : 0));
    if (q.hangProne) {
      EXPECT_EQ(seen, before + 1) << "the commit comes after the question";
    }
    std::string last = test::ReadFile(recording);
    last.pop_back();
    last = last.substr(last.rfind('\n') + 1);
    EXPECT_EQ(last.substr(0, last.find(' ')), q.key) << "not passed on: " << last;
  }
  tree.SetLogFile(nullptr);
  EXPECT_EQ(tree.LogFailure(), "");
}

}  // namespace
}  // namespace vornak

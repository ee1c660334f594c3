// The machine-type probe and the PC-98 hardware groups, from profile data.
#include <cstdio>

#include "pc98/machine_type.h"
#include "section_fixture.h"

namespace vornak {
namespace {

using test::SectionReport;
using Lines = std::vector<std::string>;

// Passes questions on to a replayed machine and keeps a log of the hardware
// accesses, so tests can tell what the probe touched.
class AccessLog : public Machine {
 public:
  explicit AccessLog(Machine& inner) : inner_(inner) {}
  uint32_t GetVersion() override { return inner_.GetVersion(); }
  SystemInfo GetSystemInfo() override { return inner_.GetSystemInfo(); }
  std::optional<uint16_t> BiosWord(uint32_t o) override { return Log("word", o), inner_.BiosWord(o); }
  std::optional<uint8_t> BiosByte(uint32_t o) override { return Log("byte", o), inner_.BiosByte(o); }
  std::optional<uint16_t> ReadPortWord(uint32_t p) override { return Log("in", p), inner_.ReadPortWord(p); }
  bool WritePortWord(uint32_t p, uint16_t v) override {
    Log("out", p, v);
    return inner_.WritePortWord(p, v);
  }
  Lines accesses;

 private:
  void Log(const char* what, uint32_t where, int value = -1) {
    char buf[64];
    if (value < 0)
      std::snprintf(buf, sizeof buf, "%s %x", what, where);
    else
      std::snprintf(buf, sizeof buf, "%s %x %x", what, where, value);
    accesses.push_back(buf);
  }
  Machine& inner_;
};

// Windows 95 (4.0) unless a case says otherwise.
const char* const kWin95 = "version = c0000004\n";

struct TypeCase {
  const char* name;
  std::string profile;
  uint16_t type;
  Lines lines;
  Lines accesses;
};

class MachineType : public ::testing::TestWithParam<TypeCase> {};

TEST_P(MachineType, FollowsTheWorkAreaAndTheProcessor) {
  const TypeCase& c = GetParam();
  SectionReport r(c.profile);
  AccessLog log(r.machine);
  Analysis a{r.tree, log, r.shell};
  uint16_t type = MachineTypeSection(a, kNoItem);
  EXPECT_EQ(type, c.type);
  Lines top = r.Lines(kNoItem);
  top.erase(top.begin());  // the fixture's own "CPU" line
  EXPECT_EQ(top, c.lines);
  if (type != kMachinePc98) {
    EXPECT_EQ(log.accesses, c.accesses);
  }
}

std::string Pc98(uint32_t processorType, uint32_t cpuWord, uint32_t mode) {
  char buf[160];
  std::snprintf(buf, sizeof buf, "%ssysinfo = 0 1 %x\nbiosword 86 = 1 %x\nbiosbyte 101 = 1 %x\n", kWin95,
                processorType, cpuWord, mode);
  return buf;
}

const char* const kIbm = "MACHINE:IBM-PC or AT compatible";
const Lines kReadsType{"word 86", "byte 101"};

INSTANTIATE_TEST_SUITE_P(
    Cases, MachineType,
    ::testing::Values(
        TypeCase{"NtReadsNothing", "version = 05650004\nsysinfo = 0 1 1e6\nbiosword 86 = 1 400\n", 0xFF, {}, {}},
        TypeCase{"Pc98With486", Pc98(486, 0x0400, 0x04), 0, {"MACHINE:PC-9801 / EPSON"}, {}},
        TypeCase{"Pc98With386", Pc98(386, 0x0300, 0x01), 0, {"MACHINE:PC-9801 / EPSON"}, {}},
        TypeCase{"Pc98With686", Pc98(686, 0x1600, 0xFD), 0, {"MACHINE:PC-9801 / EPSON"}, {}},
        TypeCase{"ModelBitsZero", Pc98(486, 0x0400, 0x00), 0x10, {kIbm}, kReadsType},
        TypeCase{"ModelBitsSeven", Pc98(486, 0x0400, 0x0F), 0x10, {kIbm}, kReadsType},
        TypeCase{"ModelBitsSix", Pc98(486, 0x0400, 0x06), 0x10, {kIbm}, kReadsType},
        TypeCase{"FamilyMismatch", Pc98(586, 0x0400, 0x04), 0x10, {kIbm}, {"word 86"}},
        TypeCase{"OtherProcessorType", Pc98(4000, 0x0400, 0x04), 0x10, {kIbm}, {"word 86"}},
        // Where the platform refuses the work area the probe knows no more
        // than on NT.
        TypeCase{"WordRefused", std::string(kWin95) + "sysinfo = 0 1 1e6\nbiosword 86 = 0 0\n", 0xFF, {},
                 {"word 86"}},
        TypeCase{"ByteRefused", std::string(kWin95) + "sysinfo = 0 1 1e6\nbiosword 86 = 1 400\nbiosbyte 101 = 0 0\n",
                 0xFF, {}, kReadsType},
        TypeCase{"Win32sReadsToo", "version = 80000003\nsysinfo = 0 1 1e6\nbiosword 86 = 1 400\nbiosbyte 101 = 1 2\n",
                 0, {"MACHINE:PC-9801 / EPSON"}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The hardware groups, one at a time.

Lines Group(void (*group)(Analysis&, Item), const std::string& profile, Lines* accesses = nullptr) {
  SectionReport r(profile);
  AccessLog log(r.machine);
  Analysis a{r.tree, log, r.shell};
  group(a, r.root);
  if (accesses) *accesses = log.accesses;
  return r.Lines(r.root);
}

struct SoundCase {
  std::string ports;  // "portin a460" answers, in order
  Lines lines;
};
class SoundBoard : public ::testing::TestWithParam<SoundCase> {};
TEST_P(SoundBoard, NamesTheBoardAndItsFmMode) {
  EXPECT_EQ(Group(Pc98SoundBoardLines, GetParam().ports), GetParam().lines);
}
std::string SoundPort(uint32_t first, uint32_t second) {
  char buf[96];
  std::snprintf(buf, sizeof buf, "portin a460 = 1 %x\nportin a460 = 1 %x\n", first, second);
  return buf;
}
// Case names: the port's answers, "40_40", or "Refused".
std::string SoundName(const ::testing::TestParamInfo<SoundCase>& info) {
  std::istringstream lines(info.param.ports);
  std::string line, name;
  while (std::getline(lines, line)) {
    unsigned ok = 0, value = 0;
    std::sscanf(line.c_str(), "portin a460 = %u %x", &ok, &value);
    name += (name.empty() ? "" : "_") + (ok ? test::HexName(value, 2) : std::string("Refused"));
  }
  return name;
}
INSTANTIATE_TEST_SUITE_P(
    Boards, SoundBoard,
    ::testing::Values(
        SoundCase{SoundPort(0x00FF, 0x00FF), {"Unknown Sound Board ff"}},
        SoundCase{SoundPort(0x00F1, 0x00F1), {"PC-9801-26K YM-2203"}},
        SoundCase{SoundPort(0x0040, 0x0040), {"PC-9801-86 or PC-9821(PCM) YM-2608 Port:01xx", "FM-Sound Mode:YM-2203"}},
        SoundCase{SoundPort(0x0011, 0x0011), {"PC-98GS (DSP\xA5PCM\xA5" "ADPCM) YM-2608", "FM-Sound Mode:YM-2608"}},
        SoundCase{SoundPort(0x0020, 0x0021), {"PC-9801-73 (DSP\xA5PCM\xA5" "ADPCM) YM-2608 Port:01xx", "FM-Sound Mode:YM-2608"}},
        SoundCase{SoundPort(0x0030, 0x0032), {"PC-9801-73 (DSP\xA5PCM\xA5" "ADPCM) YM-2608 Port:02xx"}},
        SoundCase{SoundPort(0xFF50, 0xFF50), {"PC-9801-86 (PCM) YM-2608 Port:02xx", "FM-Sound Mode:YM-2203"}},
        SoundCase{SoundPort(0x0083, 0x0083), {"PC-9801-118 (FM\xA5" "ADPCM) YMF297-F AM27C"}},
        SoundCase{SoundPort(0x0001, 0x0001), {"Unknown Sound Board 00", "FM-Sound Mode:YM-2608"}},
        SoundCase{SoundPort(0x0060, 0x0060), {"Unknown Sound Board 06", "FM-Sound Mode:YM-2203"}},
        SoundCase{SoundPort(0x0070, 0x0075), {"Unknown Sound Board 07"}},
        SoundCase{SoundPort(0x00E0, 0x00E0), {"Unknown Sound Board 0e", "FM-Sound Mode:YM-2203"}},
        // A refused port reads as an empty bus.
        SoundCase{"portin a460 = 0 0\n", {"Unknown Sound Board ff"}}),
    SoundName);

struct GraphicsCase {
  uint32_t mode, board, charger;
  Lines lines;
};
class Graphics : public ::testing::TestWithParam<GraphicsCase> {};
TEST_P(Graphics, ShowsTheFlagsOfTheWorkArea) {
  const GraphicsCase& c = GetParam();
  char profile[160];
  std::snprintf(profile, sizeof profile, "biosword 101 = 1 %x\nbiosword 14d = 1 %x\nbiosword 14c = 1 %x\n",
                c.mode, c.board, c.charger);
  EXPECT_EQ(Group(Pc98GraphicsLines, profile), c.lines);
}
INSTANTIATE_TEST_SUITE_P(
    Modes, Graphics,
    ::testing::Values(
        GraphicsCase{0x0000, 0x00D4, 0x0006,
                     {"16Color Board:On", "GRCG:On ", "EGC:On ", "GDC Clock:  5MHz ", "Resolution:Normal",
                      "H98 256Color Board:Found", "V-Ram Access:Dual Port"}},
        GraphicsCase{0xFFF7, 0xFF2B, 0xFFF9,
                     {"16Color Board:Off", "GRCG:Off ", "EGC:Off ", "GDC Clock:2.5MHz ", "Resolution:Normal",
                      "H98 256Color Board:None", "V-Ram Access:Normal"}},
        GraphicsCase{0x0008, 0x0010, 0x0000,
                     {"16Color Board:Off", "GRCG:Off ", "EGC:Off ", "GDC Clock:2.5MHz ", "Resolution:High",
                      "H98 256Color Board:None"}}),
    [](const auto& info) {
      const GraphicsCase& c = info.param;
      return test::HexName(c.mode) + "_" + test::HexName(c.board) + "_" + test::HexName(c.charger);
    });

TEST(Scsi, AbsentInterfaceIsNotProgrammed) {
  Lines accesses;
  EXPECT_EQ(Group(Pc98ScsiLines, "portin cc2 = 1 ffff\n", &accesses), Lines{"SCSI I/F not found"});
  EXPECT_EQ(accesses, Lines{"in cc2"});
}

TEST(Scsi, ReadsTheRegistersItSelects) {
  Lines accesses;
  Lines lines = Group(Pc98ScsiLines,
                      "portin cc2 = 1 0\nportin cc2 = 1 fd\nportin cc2 = 1 ff\nportin cc2 = 1 18\n"
                      "portin cc2 = 1 40\nportin cc2 = 1 8\nportin cc2 = 1 0\nportout cc0 33 = 1\nportout cc0 30 = 1\n",
                      &accesses);
  EXPECT_EQ(lines, (Lines{"I/F ID:5", "I/F ILV: 3", "Rom Bank:High", "System Local-Mem Access:Yes",
                          "Interface Int to System:No"}));
  EXPECT_EQ(accesses, (Lines{"in cc2", "out cc0 33", "in cc2", "in cc2", "out cc0 33", "in cc2", "out cc0 30",
                             "in cc2", "in cc2", "in cc2"}));
}

TEST(Scsi, RefusedPortsReadAsNoInterface) {
  EXPECT_EQ(Group(Pc98ScsiLines, "portin cc2 = 0 0\n"), Lines{"SCSI I/F not found"});
}

TEST(FixedDisk, UnitZeroTestsBitsThreeToFive) {
  // Units 0 and 2 connected (bits 8 and 10 of the word); the status port
  // reads 0x38, 0x38, 0x07, 0x06 for units 0-3.
  EXPECT_EQ(Group(Pc98FixedDiskLines,
                  "biosword 15c = 1 0500\nportin 82 = 1 38\nportin 82 = 1 38\nportin 82 = 1 7\nportin 82 = 1 6\n"),
            (Lines{"IDE (0): Connect device", "SASI (1): Not connect device", "IDE (2): Connect device",
                   "SASI (3): Not connect device"}));
  EXPECT_EQ(Group(Pc98FixedDiskLines, "biosword 15c = 1 f0ff\nportin 82 = 1 7\n"),
            (Lines{"SASI (0): Not connect device", "IDE (1): Not connect device", "IDE (2): Not connect device",
                   "IDE (3): Not connect device"}));
}

TEST(Floppy, TwelveUnitsSkippingTheFixedDiskBits) {
  EXPECT_EQ(Group(Pc98FloppyLines, "biosword 15c = 1 af21\n"),
            (Lines{"1M   FDD (0): Connect device", "1M   FDD (1): Not connect device",
                   "1M   FDD (2): Not connect device", "1M   FDD (3): Not connect device",
                   "320K FDD (0): Not connect device", "320K FDD (1): Connect device",
                   "320K FDD (2): Not connect device", "320K FDD (3): Not connect device",
                   "640K FDD (0): Not connect device", "640K FDD (1): Connect device",
                   "640K FDD (2): Not connect device", "640K FDD (3): Connect device"}));
}

TEST(MachineTypeSection, Pc98MachineWithAllGroups) {
  std::string profile = test::FixtureText("pc98/pc9821.profile");
  SectionReport r(profile.substr(profile.find('\n') + 1), "Root");
  EXPECT_EQ(MachineTypeSection(r.a, r.root), kMachinePc98);
  EXPECT_EQ(r.outline.Dump(), test::FixtureText("pc98/pc9821.outline"));
  EXPECT_TRUE(r.outline.Expanded(r.outline.Find(r.root, "MACHINE:PC-9801 / EPSON")));
}

}  // namespace
}  // namespace vornak

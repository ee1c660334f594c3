// The benchmark sections: best-of-runs lines, the memory, speed and
// time-stamp sections, and the compare-line rule with its tables.
#include <cstring>
#include <functional>

#include "bench/bench_sections.h"
#include "bench/compare_line.h"
#include "bench/os_code_name.h"
#include "section_fixture.h"

namespace vornak {
namespace {

using test::ChildTexts;
using test::MachineFrom;
using test::RecordingShell;

constexpr const char* kHeader = "----- VORNAK Harlix -----";
constexpr const char* kMemorySection = "----- VORNAK Harlix Memory Performance -----";
constexpr const char* kTimeStampSection = "----- VORNAK Harlix Intel & AMD TimeStamp Performance -----";
constexpr const char* kSpeedSection = "----- VORNAK Harlix Speed Performance -----";

// A report tree over a machine, with the header line the CPU section adds.
struct Report {
  explicit Report(Machine& m) : tree(o), a{tree, m, shell} { header = a.Add(kNoItem, kHeader); }
  Item Section(const char* text) const { return o.Find(header, text); }

  MemoryOutline o;
  ReportTree tree;
  RecordingShell shell;
  Analysis a;
  Item header;
};

// --- Compare lines ----------------------------------------------------------

struct HalfCase {
  const char* name;
  uint32_t measuredInt, refInt, measuredFloat, refFloat;
  int32_t refMHz;
  const char* halves;  // the line after the label's 45 columns and a blank
};

class CompareArithmetic : public ::testing::TestWithParam<HalfCase> {};

TEST_P(CompareArithmetic, GivesClockAndRatioPerHalf) {
  const HalfCase& c = GetParam();
  ProfileMachine m = MachineFrom("");
  Report r(m);
  AddCompareLine(r.a, r.header, "x", c.measuredInt, c.refInt, c.measuredFloat, c.refFloat,
                 c.refMHz);
  std::string line = ChildTexts(r.o, r.header).at(0);
  EXPECT_EQ(line.substr(46), c.halves);
}

INSTANTIATE_TEST_SUITE_P(
    Ratios, CompareArithmetic,
    ::testing::Values(
        HalfCase{"One", 2005, 2005, 6023, 6023, 75,
                 "I = 75MHz [ 1.000 Times] : F = 75MHz [ 1.000 Times] "},
        HalfCase{"Two", 1000, 2000, 2902, 5804, 83,
                 "I = 166MHz [ 2.000 Times] : F = 166MHz [ 2.000 Times] "},
        HalfCase{"Half", 400, 200, 1000, 500, 100,
                 "I = 50MHz [ 0.500 Times] : F = 50MHz [ 0.500 Times] "},
        HalfCase{"TwelveAndAHalf", 8, 100, 80, 1000, 200,
                 "I = 2500MHz [12.500 Times] : F = 2500MHz [12.500 Times] "},
        HalfCase{"TruncatedNotRounded", 3, 2, 3, 1, 100,
                 "I = 66MHz [ 0.666 Times] : F = 33MHz [ 0.333 Times] "},
        // 18.7 is no double: its thousandths truncate to 699 (the program
        // under Wine must agree: tests/wine/compare-precision.test.sh).
        HalfCase{"InexactRatioInDoubles", 80, 1496, 80, 1496, 100,
                 "I = 1870MHz [18.699 Times] : F = 1870MHz [18.699 Times] "},
        // A kernel that finished within one tick: that half only says 0.
        HalfCase{"IntegerMeasuredZero", 0, 2000, 2902, 5804, 83,
                 "I = 0MHz [ 0.000 Times] : F = 166MHz [ 2.000 Times] "},
        HalfCase{"FloatMeasuredZero", 1000, 2000, 0, 5804, 83,
                 "I = 166MHz [ 2.000 Times] : F = 0MHz [ 0.000 Times] "},
        HalfCase{"BothMeasuredZero", 0, 2000, 0, 5804, 83,
                 "I = 0MHz [ 0.000 Times] : F = 0MHz [ 0.000 Times] "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CompareLine, LabelFillsFortyFiveColumnsOrPushesTheRestRight) {
  const std::string halves = "I = 400MHz [ 2.000 Times] : F = 100MHz [ 0.500 Times]";
  for (size_t length : {44u, 45u, 60u}) {
    std::string label(length, 'L');
    ProfileMachine m = MachineFrom("");
    Report r(m);
    AddCompareLine(r.a, r.header, label.c_str(), 290, 580, 1000, 500, 200);
    AddCompareLineNote(r.a, r.header, label.c_str(), 290, 580, 1000, 500, 200, "board");
    AddCompareLineOs(r.a, r.header, label.c_str(), 290, 580, 1000, 500, 200, 9810);
    const std::string field = label + std::string(length < 45 ? 45 - length : 0, ' ') + " ";
    EXPECT_EQ(ChildTexts(r.o, r.header),
              (std::vector<std::string>{field + halves + " ",  // ends in one blank
                                        field + halves + " board",
                                        field + halves + " Windows 98 Secound Edition"}))
        << "label of " << length;
  }
}

TEST(OsCodeName, NamesTheStoredCodesAndNothingElse) {
  const std::pair<int32_t, const char*> cases[] = {
      {4103, "Windows NT 4.0 Server w/SP3"},
      {4115, "Windows NT 4.0 Server Enterprize w/SP5"},
      {5113, "Windows NT 5.0 Server Enterprize Beta 3"},
      {9800, "Windows 98"},
      {9810, "Windows 98 Secound Edition"},
      {4104, "UnKnown OS type"},
      {0, "UnKnown OS type"},
      {-1, "UnKnown OS type"}};
  for (const auto& [code, text] : cases) EXPECT_STREQ(OsCodeName(code), text) << code;
}

// --- Memory section ---------------------------------------------------------

std::vector<std::string> MemoryLines(const std::string& profile) {
  ProfileMachine m = MachineFrom(profile);
  Report r(m);
  AddMemoryPerformanceSection(r.a, r.header);
  return ChildTexts(r.o, r.Section(kMemorySection));
}

struct MemoryCase {
  const char* name;
  const char* profile;  // kernel answers (hexadecimal); the last one of a kernel repeats
  size_t index;         // of the line in the section
  const char* line;
};

class MemoryLine : public ::testing::TestWithParam<MemoryCase> {};

TEST_P(MemoryLine, ShowsBestTimeShiftedWithItsPoints) {
  const MemoryCase& c = GetParam();
  std::vector<std::string> lines = MemoryLines(c.profile);
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[c.index], c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MemoryLine,
    ::testing::Values(
        // Best of two runs: 0 means "no result yet" only for the first run.
        MemoryCase{"FiveThenThree", "kernel \"MemChk16K\" = 5\nkernel \"MemChk16K\" = 3\n", 1,
                   "MemCopy 16K   : 16666666 Point [    3(0003H)]"},
        MemoryCase{"ZeroThenSeven", "kernel \"MemChk16K\" = 0\nkernel \"MemChk16K\" = 7\n", 1,
                   "MemCopy 16K   : 7142857 Point [    7(0007H)]"},
        MemoryCase{"SevenThenZero", "kernel \"MemChk16K\" = 7\nkernel \"MemChk16K\" = 0\n", 1,
                   "MemCopy 16K   :      0 Point [    0(0000H)]"},
        // A block that could not be obtained in any run is printed as a time.
        MemoryCase{"NoBlock16K", "kernel \"MemChk16K\" = ffffffff\n", 1,
                   "MemCopy 16K   :      0 Point [4294967295(ffffffffH)]"},
        MemoryCase{"NoBlock32K", "kernel \"MemChk32K\" = ffffffff\n", 2,
                   "MemCopy 32K   :      0 Point [2147483647(7fffffffH)]"},
        MemoryCase{"NoBlockInTheFirstRunOnly",
                   "kernel \"MemChk32K\" = ffffffff\nkernel \"MemChk32K\" = 535\n", 2,
                   "MemCopy 32K   :  75075 Point [  666(029aH)]"},
        MemoryCase{"ClearWithinOneTick", "kernel \"MemClr\" = 0\n", 0,
                   "MemCls   :      0 Point [    0(0000H)]"},
        MemoryCase{"ThirtyTwoKMinimum1333",
                   "kernel \"MemChk32K\" = 578\nkernel \"MemChk32K\" = 535\n", 2,
                   "MemCopy 32K   :  75075 Point [  666(029aH)]"},
        MemoryCase{"FourMegabytesBy256", "kernel \"MemChk4M\" = 3e800\n", 9,
                   "MemCopy 4MB   :  50000 Point [ 1000(03e8H)]"},
        MemoryCase{"EightMegabytesBy256", "kernel \"MemChk8M\" = 3e800\n", 10,
                   "MemCopy 8MB   :  50000 Point [ 1000(03e8H)]"},
        MemoryCase{"ThirtyTwoMegabytesBy256", "kernel \"MemChk32M\" = 3e800\n", 14,
                   "MemCopy 32MB   :  50000 Point [ 1000(03e8H)]"}),
    [](const auto& info) { return std::string(info.param.name); });

// A machine that notes, at each kernel call, the status text shown and
// whether the memory section is already unfolded.
class WatchingMachine : public Machine {
 public:
  struct Call {
    Kernel kernel;
    std::string status;
    bool sectionExpanded;
  };
  uint32_t RunKernel(Kernel k) override {
    calls.push_back({k, report->shell.status,
                     report->o.Expanded(report->Section(kMemorySection))});
    return 1000;
  }
  Report* report = nullptr;
  std::vector<Call> calls;
};

TEST(MemorySection, ShowsEachProgressTextBeforeItsRun) {
  WatchingMachine m;
  Report r(m);
  m.report = &r;
  AddMemoryPerformanceSection(r.a, r.header);

  std::vector<std::string> expected = {"Harlix Memory Clear 1/1"};
  for (const char* size : {"16KByte", "32KByte", "64KByte"})
    for (int run = 1; run <= 2; ++run)
      expected.push_back(std::string("Harlix Memory Copy ") + size + " " + std::to_string(run) + "/2");
  for (const char* size : {"128KByte", "256KByte", "512KByte", "1MByte", "2MByte", "4MByte",
                           "8MByte", "12MByte", "16MByte", "24MByte", "32MByte"})
    expected.push_back(std::string("Harlix Memory Copy ") + size + " 1/1");
  std::vector<std::string> seen;
  for (const auto& call : m.calls) seen.push_back(call.status);
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(r.shell.history, expected);
  EXPECT_EQ(m.calls.front().kernel, Kernel::MemClr);
  EXPECT_EQ(m.calls.back().kernel, Kernel::MemChk32M);
}

TEST(MemorySection, UnfoldsAfterTheSixteenMegabyteLineAndNotItsParent) {
  WatchingMachine m;
  Report r(m);
  m.report = &r;
  AddMemoryPerformanceSection(r.a, r.header);
  for (const auto& call : m.calls) {
    bool after16M = call.kernel == Kernel::MemChk24M || call.kernel == Kernel::MemChk32M;
    EXPECT_EQ(call.sectionExpanded, after16M) << KernelName(call.kernel);
  }
  EXPECT_TRUE(r.o.Expanded(r.Section(kMemorySection)));
  EXPECT_FALSE(r.o.Expanded(r.header));
  EXPECT_EQ(ChildTexts(r.o, r.Section(kMemorySection)).size(), 15u);
}

TEST(BenchHeaderSection, HoldsTheMemorySectionAndUnfoldsItsOwnLine) {
  ProfileMachine m = MachineFrom("");
  MemoryOutline o;
  ReportTree tree(o);
  RecordingShell shell;
  Analysis a{tree, m, shell};
  Item system = a.Add(kNoItem, "System");
  AddBenchHeaderSection(a, system);

  Item header = o.Find(system, kHeader);
  ASSERT_NE(header, kNoItem);
  EXPECT_EQ(ChildTexts(o, header), std::vector<std::string>{kMemorySection});
  EXPECT_EQ(ChildTexts(o, o.Find(header, kMemorySection)).size(), 15u);
  EXPECT_TRUE(o.Expanded(header));
  EXPECT_FALSE(o.Expanded(system));
}

// --- Whole sections from machine profiles -------------------------------------

std::string Fixture(const std::string& name) { return test::FixtureText("bench/" + name); }

ProfileMachine FixtureMachine(const std::string& name) {
  return ProfileMachine(profile::Profile::Parse(Fixture(name), name));
}

TEST(TimeStampSection, FamilySixProfileGivesTheExpectedReport) {
  ProfileMachine m = FixtureMachine("timestamp-p2-400.profile");
  Report r(m);
  AddTimeStampPerformanceSection(r.a, r.header);
  AddMemoryPerformanceSection(r.a, r.header);
  EXPECT_EQ(r.o.Dump(), Fixture("timestamp-p2-400.expected"));

  // Seven lines before the tables, then the eleven tables holding 20 groups
  // and 137 rows: no two rows of one parent merge into one line.
  Item section = r.Section(kTimeStampSection);
  std::vector<Item> children = r.o.Children(section);
  ASSERT_EQ(children.size(), 7u + 11u);
  EXPECT_EQ(r.o.FullText(children[0]), "Base : 33");
  EXPECT_EQ(r.o.FullText(children[6]), "---------- Integer   :   Float    ---------");
  size_t groups = 0, rows = 0;
  for (size_t i = 7; i < children.size(); ++i) {
    EXPECT_FALSE(r.o.Expanded(children[i])) << r.o.FullText(children[i]);
    for (Item c : r.o.Children(children[i])) {
      std::vector<Item> under = r.o.Children(c);
      if (under.empty()) {
        ++rows;
        continue;
      }
      ++groups;
      rows += under.size();
      EXPECT_FALSE(r.o.Expanded(c)) << r.o.FullText(c);
    }
  }
  EXPECT_EQ(groups, 20u);
  EXPECT_EQ(rows, 137u);
  EXPECT_TRUE(r.o.Expanded(r.header));
  EXPECT_TRUE(r.o.Expanded(section));
}

TEST(TimeStampSection, ShowsBaseAndEachKernelBeforeItRuns) {
  ProfileMachine m = FixtureMachine("timestamp-p2-400.profile");
  Report r(m);
  AddTimeStampPerformanceSection(r.a, r.header);
  EXPECT_EQ(r.shell.history,
            (std::vector<std::string>{"Harlix Base", "Harlix Integer 1/1", "Harlix Float 1/1",
                                      "Harlix Float (NoWait) 1/1", "Harlix Float (Mixed) 1/1",
                                      "Harlix Float (Mixed NoWait) 1/1"}));
}

TEST(SpeedSection, FamilyFourProfileGivesTheExpectedReport) {
  ProfileMachine m = FixtureMachine("speed-486dx4.profile");
  Report r(m);
  AddSpeedPerformanceSection(r.a, r.header);
  AddMemoryPerformanceSection(r.a, r.header);
  EXPECT_EQ(r.o.Dump(), Fixture("speed-486dx4.expected"));

  Item section = r.Section(kSpeedSection);
  Item table = r.o.Find(section, "Socket 5\xA5" "7 Compare table");
  ASSERT_NE(table, kNoItem);
  EXPECT_EQ(ChildTexts(r.o, table),
            (std::vector<std::string>{"Intel CPU's", "AMD CPU's", "Cyrix and IBM CPU's"}));
  for (Item group : r.o.Children(table)) {
    EXPECT_EQ(r.o.Children(group).size(), 2u);
    EXPECT_TRUE(r.o.Expanded(group));
  }
  EXPECT_TRUE(r.o.Expanded(table));
  EXPECT_TRUE(r.o.Expanded(section));
  EXPECT_FALSE(r.o.Expanded(r.header));
  EXPECT_EQ(std::vector<std::string>(r.shell.history.begin(), r.shell.history.begin() + 2),
            (std::vector<std::string>{"Harlix Integer Speed 1/1", "Harlix Float Speed 1/1"}));
}

}  // namespace
}  // namespace vornak

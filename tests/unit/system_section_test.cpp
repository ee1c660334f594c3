// The System section: version and platform lines, the processor-type table
// and its two branches, memory figures, display capabilities and fonts.
#include <set>

#include "probes/display_tables.h"
#include "probes/processor_type_table.h"
#include "probes/system_section.h"
#include "section_fixture.h"

namespace vornak {
namespace {

using profile::FormatLine;
using profile::Num;
using profile::Str;
using test::SectionReport;
using Lines = std::vector<std::string>;

// The section over profile lines, with a "System" item and a report root.
struct SystemRun : SectionReport {
  explicit SystemRun(const std::string& lines) : SectionReport(lines, "root") {
    system = a.Add(a.Add(root, "Windows"), "System");
    SystemSection(a, system, root);
  }
  Item Info() const { return outline.Find(system, "Systen Info"); }
  Item Display() const { return outline.Find(system, "Display Info"); }
  Item system;
};

std::string Caps(int32_t index, uint32_t value) {
  return FormatLine("devcaps", {Num(static_cast<uint32_t>(index))}, {Num(value)});
}

struct VersionCase {
  uint32_t version;
  const char* versionLine;
  const char* platformLine;
};
class Versions : public ::testing::TestWithParam<VersionCase> {};
TEST_P(Versions, GiveVersionAndPlatform) {
  const VersionCase& c = GetParam();
  SystemRun r(FormatLine("version", {}, {Num(c.version)}));
  Lines info = r.Lines(r.Info());
  ASSERT_GE(info.size(), 2u);
  EXPECT_EQ(info[0], c.versionLine);
  EXPECT_EQ(info[1], c.platformLine);
}
INSTANTIATE_TEST_SUITE_P(All, Versions,
                         ::testing::Values(VersionCase{0xC0000A04, "Version : 4.10", "Platform : Windows95[chicago]"},
                                           VersionCase{0x80000A03, "Version : 3.10", "Platform : Win32s"},
                                           VersionCase{0x05650004, "Version : 4.00", "Platform : Windows NT"}),
                         [](const auto& info) { return test::WindowsName(info.param.version); });

TEST(SystemSection, LinesInOrderUnderTheirItems) {
  SystemRun r("version = c0000a04\nsysinfo = 0 2 24a\nmetric 13 = 1\nmetric 29 = 0\n");
  EXPECT_EQ(r.Lines(r.system), (Lines{"Systen Info", "Memory Info", "Display Info"}));
  EXPECT_EQ(r.Lines(r.Info()),
            (Lines{"Version : 4.10", "Platform : Windows95[chicago]", "Windows OEM ID : 0 ",
                   "# of Processor : 2 ", "Mouse Instaled", "Pen Service not Installed"}));
  const Lines& status = r.shell.history;
  EXPECT_EQ(status.front(), "Analyz:Memory Info");
  EXPECT_EQ(status.back(), "Analyz:System setting");
}

TEST(SystemSection, PenServiceWithoutAMouse) {
  SystemRun r("metric 29 = 1\n");
  Lines info = r.Lines(r.Info());
  EXPECT_EQ(Lines(info.end() - 2, info.end()), (Lines{"Mouse not Installed", "Pen Service Instaled"}));
}

// --- The processor type: its line under the root, then one of two branches ---

struct TypeCase {
  uint32_t type;
  const char* line;
  bool cpuAnalysis;
};
class ProcessorTypes : public ::testing::TestWithParam<TypeCase> {};
TEST_P(ProcessorTypes, ChooseTheLineAndTheBranch) {
  const TypeCase& c = GetParam();
  // A 486 without CPUID on an IBM PC: the CPU analysis shows its own line.
  SystemRun r(FormatLine("sysinfo", {}, {Num(0), Num(1), Num(c.type)}));
  Lines top = r.Lines(r.root);
  ASSERT_EQ(top.size(), 2u);  // "Windows", the processor type; no machine line under NT
  EXPECT_EQ(top[1], c.line);
  Item cpu = r.outline.Find(r.root, c.line);
  const Lines analysis = {"i80486 [Intel AMD Cyrix&IBM(CPUID Mode)]", "----- VORNAK Harlix -----"};
  EXPECT_EQ(r.Lines(cpu), c.cpuAnalysis ? analysis : Lines{"----- VORNAK Harlix -----"});
  const std::string status = c.cpuAnalysis ? "Analyz:CPU Performance(Intel)"
                                           : "Analyz:CPU Performance(PPC\xA5" "MIPS\xA5" "Alpha and others)";
  EXPECT_NE(std::find(r.shell.history.begin(), r.shell.history.end(), status), r.shell.history.end());
}
INSTANTIATE_TEST_SUITE_P(
    All, ProcessorTypes,
    ::testing::Values(TypeCase{386, "CPU TYPE : Intel 386", false},
                      TypeCase{486, "CPU TYPE : Intel 486 or Compatible", true},
                      TypeCase{586, "CPU TYPE : Intel Pentium or Pentium Pro", true},
                      TypeCase{686, "CPU TYPE : Intel Pentium Pro", true},
                      TypeCase{601, "CPU TYPE : PPC 601", false}, TypeCase{602, "CPU TYPE : PPC 602", false},
                      TypeCase{603, "CPU TYPE : PPC 603", false}, TypeCase{604, "CPU TYPE : PPC 604", false},
                      TypeCase{620, "CPU TYPE : PPC 620", false}, TypeCase{860, "CPU TYPE : Intel 860", false},
                      TypeCase{2000, "CPU TYPE : MIPS R2000", false},
                      TypeCase{3000, "CPU TYPE : MIPS R3000", false},
                      TypeCase{4000, "CPU TYPE : MIPS R4000", false},
                      TypeCase{21064, "CPU TYPE : Alpha 21064", false},
                      TypeCase{0, "CPUTYPE : unKnown", false}, TypeCase{587, "CPUTYPE : unKnown", false}),
    [](const auto& info) { return std::to_string(info.param.type); });

TEST(SystemSection, MachineLineFollowsTheProcessorUnderTheRoot) {
  SystemRun r("version = c0000a04\nsysinfo = 0 1 24a\nbiosword 86 = 1 0500\nbiosbyte 101 = 1 00\n");
  EXPECT_EQ(r.Lines(r.root), (Lines{"Windows", "CPU TYPE : Intel Pentium or Pentium Pro",
                                    "MACHINE:IBM-PC or AT compatible"}));
}

// --- Memory ---------------------------------------------------------------------

struct MemoryCase {
  MemoryStatus status;
  Lines lines;
};
class Memory : public ::testing::TestWithParam<MemoryCase> {};
TEST_P(Memory, AvailableThenTotalTruncated) {
  const MemoryStatus& s = GetParam().status;
  SectionReport r(FormatLine("memory", {}, {Num(s.totalPhys), Num(s.availPhys), Num(s.totalPageFile),
                                            Num(s.availPageFile), Num(s.totalVirtual), Num(s.availVirtual)}));
  MemorySection(r.a, r.root);
  EXPECT_EQ(r.Lines(r.root), GetParam().lines);
}
INSTANTIATE_TEST_SUITE_P(
    All, Memory,
    ::testing::Values(
        MemoryCase{{64u << 20, 20u << 20, 0x180000, 0x80000, 0x7FFE0000, 0x7FDF0000},
                   {"Physical : 20480 KB / 65536 KB", "PageFile : 0 MB / 1 MB", "Virtual  : 2045 MB / 2047 MB"}},
        // Counts near 4 GB are unsigned: shifted, they stay positive.
        MemoryCase{{0xFFFFFFFF, 0x800003FF, 0xFFFFFFFF, 0xFFFFF, 0xFFFFFFFF, 0},
                   {"Physical : 2097152 KB / 4194303 KB", "PageFile : 0 MB / 4095 MB", "Virtual  : 0 MB / 4095 MB"}}),
    [](const auto& info) { return std::to_string(info.param.status.totalPhys >> 20) + "MB"; });

// --- Display ------------------------------------------------------------------------

TEST(DisplaySection, AllBitsSetInEveryGroup) {
  SystemRun r(Caps(38, 0xFFFF) + Caps(28, 0x1FF) + Caps(30, 0xFE) + Caps(32, 0xFF) + Caps(34, 0x7FFF));
  const MemoryOutline& o = r.outline;
  // RASTER alone splits its lines and words: six under the sub-header.
  Item raster = o.Find(r.Display(), "RASTER");
  EXPECT_EQ(r.Lines(o.Find(raster, "--- Function Supports ---")),
            (Lines{"BitBlt Support: Yes", "Device Bitmap : Support", "DIBit Function: Support",
                   "SetDIBitsToDev: Support", "StretchBlt    : Support", "StretchDIBits : Support"}));
  EXPECT_EQ(r.Lines(raster),
            (Lines{"--- Function Supports ---", "Banding Need  : Yes", "64KOver Font  : Support",
                   "64KOver BitMap: Yes", "Flood Fill    : Yes", "2.0 Compatible: Support", "2.0 Status    : Yes",
                   "DX Support    : Yes", "Pallette Base : Yes", "Local Save BMP: Yes", "Scaling       : Support"}));
  const std::pair<const char*, size_t> groups[] = {
      {"Curve Supports", 10}, {"Line Supports", 8}, {"Polygon Supports", 9}, {"Character Supports", 15}};
  for (const auto& [group, count] : groups) {
    Lines lines = r.Lines(o.Find(r.Display(), group));
    EXPECT_EQ(lines.size(), count) << group;
    for (const std::string& line : lines) EXPECT_EQ(line.substr(line.size() - 5), ": Yes") << group;
  }
}

TEST(DisplayTables, EachBitOnceAndOneTextDirective) {
  for (size_t g = 0; g < kCapabilityGroupCount; ++g) {
    const CapabilityGroup& group = kCapabilityGroups[g];
    uint32_t seen = 0;
    for (size_t i = 0; i < group.count; ++i) {
      const CapabilityLine& l = group.lines[i];
      EXPECT_EQ(l.bit & (l.bit - 1), 0u) << group.title << " row " << i;
      EXPECT_EQ(seen & l.bit, 0u) << group.title << " row " << i;
      seen |= l.bit;
      const std::string f = l.format;
      EXPECT_TRUE(f.find("%s") != std::string::npos && f.find('%') == f.rfind('%')) << f;
    }
  }
  std::set<uint32_t> types;
  for (size_t i = 0; i < kProcessorTypeCount; ++i)
    EXPECT_TRUE(types.insert(kProcessorTypes[i].type).second) << kProcessorTypes[i].line;
}

struct BitCase {
  const char* group;
  int32_t index;
  uint32_t word;
  Lines lines;
};
class CapabilityBits : public ::testing::TestWithParam<BitCase> {};
TEST_P(CapabilityBits, EachLineReadsItsOwnBit) {
  const BitCase& c = GetParam();
  SystemRun r(Caps(c.index, c.word));
  EXPECT_EQ(r.Lines(r.outline.Find(r.Display(), c.group)), c.lines);
}
INSTANTIATE_TEST_SUITE_P(
    All, CapabilityBits,
    ::testing::Values(
        BitCase{"Curve Supports", 28, 0,
                {"Curve Support : No", "CIRCLE : No", "PIE    : No", "CHORD  : No", "ELLIPSE: No", "Wide  Line: No",
                 "Style Line: No", "Style,Wide: No", "Interiors : No", "Round Rect: No"}},
        BitCase{"Curve Supports", 28, 0x105,
                {"Curve Support : Yes", "CIRCLE : Yes", "PIE    : No", "CHORD  : Yes", "ELLIPSE: No",
                 "Wide  Line: No", "Style Line: No", "Style,Wide: No", "Interiors : No", "Round Rect: Yes"}},
        // Bit 0 of LINECAPS is no line of its own, but the word is not 0.
        BitCase{"Line Supports", 30, 0x01,
                {"Line Support : Yes", "Poly Line : No", "Marker    : No", "Polymarker: No", "Wide  Line: No",
                 "Style Line: No", "Wide,Style: No", "Interiors : No"}},
        BitCase{"Character Supports", 34, 0x4001,
                {"Character Set: Yes", "Stroke : No", "Stroke Clip: No", "Roll 90'   : No", "Roll Any   : No",
                 "X-Y Scaling : No", "Double Scale: No", "Int powered : No", "Int Scaling : No", "Bold Font   : No",
                 "Italic Font : No", "UnderLine   : No", "Strikeout   : No", "Raster font : No",
                 "Vector font : Yes"}}),
    [](const auto& info) { return test::TextName(info.param.group) + "_" + test::HexName(info.param.word); });

TEST(DisplaySection, DeviceFiguresAfterTheGroups) {
  SystemRun r(Caps(0, 0x030A) + Caps(4, 320) + Caps(6, 240) + Caps(8, 1024) + Caps(10, 768) + Caps(88, 96) +
              Caps(90, 120) + Caps(12, 16) + Caps(14, 1) + Caps(24, 0xFFFFFFFF) + Caps(16, 5) + Caps(18, 100) +
              Caps(22, 0) + Caps(40, 36) + Caps(42, 36) + Caps(44, 51) + Caps(36, 1));
  Lines display = r.Lines(r.Display());
  ASSERT_EQ(display.size(), 18u);
  EXPECT_EQ(Lines(display.begin(), display.begin() + 6),
            (Lines{"Font List", "RASTER", "Curve Supports", "Line Supports", "Polygon Supports",
                   "Character Supports"}));
  EXPECT_EQ(Lines(display.begin() + 6, display.end()),
            (Lines{"Driver Version: 3.10", "Screen Size: 320 * 240 mm", "Screen Size: 1024 * 768 pixel",
                   "Logical Screen Size: 96 : 120 pixel/inch", "Bits per Pixel : 16", "Color Planes   :  1",
                   "Num of Colors  : -1", "Num of Brushes :  5", "Num of Pens    : 100", "Num of Fonts   :  0",
                   "Aspect : X = 36, Y = 36, XY = 51", "Clip Rect: Yes"}));
}

TEST(DisplaySection, DriverVersionFourAndNoClipping) {
  SystemRun r(Caps(0, 0x0400) + Caps(36, 0));
  Lines display = r.Lines(r.Display());
  EXPECT_EQ(display[6], "Driver Version: 4.00");
  EXPECT_EQ(display.back(), "Clip Rect: No");
}

TEST(DisplaySection, FontFamiliesInOrderEqualOnesMerged) {
  std::string lines = FormatLine("fonts", {}, {Num(4)});
  for (auto [style, name] : {std::pair{"Regular", "Arial"}, {"Bold", "Courier New Bold"}, {"Regular", "Arial"},
                             {"REGULAR", "ARIAL"}})
    lines += FormatLine("font", {}, {Str(style), Str(name)});
  SystemRun r(lines);
  EXPECT_EQ(r.Lines(r.outline.Find(r.Display(), "Font List")),
            (Lines{"Regular : Arial ", "Bold : Courier New Bold "}));
}

}  // namespace
}  // namespace vornak

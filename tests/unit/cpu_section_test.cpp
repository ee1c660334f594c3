// The CPU section: the family-5/6 names with their L2 suffixes, the choice of
// benchmark sections, the section's branches, and whole sections of four
// machines against fixtures.
#include <algorithm>

#include "cpu/cpu_section.h"
#include "cpu/family_names.h"
#include "section_fixture.h"

namespace vornak {
namespace {

using profile::FormatLine;
using profile::Num;
using profile::Str;
using test::SectionReport;
using Lines = std::vector<std::string>;

const char* const kReport = "Please report to me about your system.";
const char* const kIntel = "GenuineIntel";
const char* const kAmd = "AuthenticAMD";
const char* const kCyrix = "CyrixInstead";
constexpr uint32_t kTsc = 0x10;  // CPUID 1 EDX bit 4

std::string Cpuid(uint32_t leaf, uint32_t eax, uint32_t edx = 0) {
  return FormatLine("cpuid", {Num(leaf)}, {Num(eax), Num(0), Num(0), Num(edx)});
}

// A processor with CPUID: vendor, signature, leaf-1 EDX and leaf-2 EDX.
std::string Processor(const char* vendor, uint32_t signature, uint32_t edx1 = kTsc,
                      uint32_t l2Edx = 0, uint32_t maxLeaf = 2) {
  return FormatLine("cpuidcheck", {}, {Num(1)}) + FormatLine("vendor", {}, {Str(vendor)}) +
         Cpuid(0, maxLeaf) + Cpuid(1, signature, edx1) + Cpuid(2, 0, l2Edx);
}

struct NameCase {
  const char* vendor;
  uint32_t signature;
  uint32_t l2Edx;
  Lines lines;
};
std::ostream& operator<<(std::ostream& os, const NameCase& c) {
  return os << c.vendor << " " << std::hex << c.signature << " L2 nibble " << c.l2Edx;
}

// Case names: vendor and signature, as "GenuineIntel_52C".
std::string SignatureName(const ::testing::TestParamInfo<NameCase>& info) {
  const NameCase& c = info.param;
  return (*c.vendor ? test::TextName(c.vendor) : "NoVendor") + "_" + test::HexName(c.signature, 3);
}
// ... and the leaf-2 EDX that gives the L2 size, as "GenuineIntel_633_L2_3".
std::string SignatureL2Name(const ::testing::TestParamInfo<NameCase>& info) {
  return SignatureName(info) + "_L2_" + test::HexName(info.param.l2Edx, 1);
}

// --- Family 5 --------------------------------------------------------------

NameCase P5(const char* vendor, uint32_t signature, const std::string& name) {
  return NameCase{vendor, signature, 0, {"CPU Type : " + name}};
}

class NamePentiumRows : public ::testing::TestWithParam<NameCase> {};
TEST_P(NamePentiumRows, NameTheSignatureAndUnfoldTheSection) {
  const NameCase& c = GetParam();
  SectionReport r(Processor(c.vendor, c.signature));
  NamePentium(r.a, r.root, c.signature);
  EXPECT_EQ(r.Lines(r.root), c.lines);
  EXPECT_TRUE(r.outline.Expanded(r.root));
}
INSTANTIATE_TEST_SUITE_P(
    All, NamePentiumRows,
    ::testing::Values(
        P5(kIntel, 0x513, "Pentium Socket 4(60\xA5" "66MHz)5V"),
        P5(kIntel, 0x515, "Pentium Socket 4(60\xA5" "66MHz)5V"),
        P5(kIntel, 0x517, "Pentium Socket 4(60\xA5" "66MHz)5V"),
        P5(kIntel, 0x51A, "Pentium ODP 60\xA5" "66->120\xA5" "133MHz (Socket 4)"),
        P5(kIntel, 0x520, "Pentium 75\xA5" "90MHz 4.75V ES ?"),
        P5(kIntel, 0x521, "Pentium 75\xA5" "90\xA5" "100MHz"),
        P5(kIntel, 0x522, "Pentium 75\xA5" "90\xA5" "100MHz"),
        P5(kIntel, 0x524, "Pentium 75\xA5" "90\xA5" "100\xA5" "120MHz"),
        P5(kIntel, 0x525, "Pentium 75\xA5" "90\xA5" "100\xA5" "120\xA5" "133MHz"),
        P5(kIntel, 0x526, "Pentium 75\xA5" "90\xA5" "100\xA5" "120MHz"),
        P5(kIntel, 0x52B, "Pentium 100\xA5" "120\xA5" "133MHz,ODP 75MHz->150MHz"),
        P5(kIntel, 0x52C, "Pentium 133\xA5" "150\xA5" "166\xA5" "200MHz(PODP3V125,150,166MHz)"),
        P5(kIntel, 0x544, "Pentium 166\xA5" "200MHz w/MMX"),
        P5(kIntel, 0x570, "Pentium 75\xA5" "90\xA5" "100MHz"),
        P5(kIntel, 0x514, "Pentium Socket 4"),
        P5(kIntel, 0x523, "Pentium Socket 5/7 (P54C)3.3V"),
        P5(kIntel, 0x543, "Pentium Socket 5/7 (P55C)2.8 or 3.3V"),
        // Bits above the type miss every whole-signature row.
        P5(kIntel, 0x10544, "Pentium Socket 5/7 (P55C)2.8 or 3.3V"),
        P5(kIntel, 0x580, "Pentium ???"),
        P5("", 0x52C, "Pentium 133\xA5" "150\xA5" "166\xA5" "200MHz(PODP3V125,150,166MHz)"),
        P5(kCyrix, 0x520, "-Cyrix 6x86 (120\xA5" "150)"),
        P5(kCyrix, 0x530, "-Cyrix 6x86 (120\xA5" "150\xA5" "166\xA5" "200)"),
        P5(kCyrix, 0x521, "-Cyrix Pentium Compatible"),
        P5(kAmd, 0x501, "AMD K5 (Model 0)"), P5(kAmd, 0x514, "AMD K5 (Model 1)"),
        P5(kAmd, 0x562, "AMD K6 (Model 6)"), P5(kAmd, 0x580, "AMD CPU"),
        // The vendor counts for ordinary processors only.
        P5(kAmd, 0x1531, "PODP5V63 "), P5(kIntel, 0x1532, "PODP5V83 "),
        P5(kIntel, 0x1544, "Pentium 150/166/200MHz MMX ODP(BPODPMT)"),
        P5(kIntel, 0x1545, "Pentium ODP"),
        P5(kIntel, 0x2521, "Dual Pentium 75\xA5" "90MHz"),
        P5(kIntel, 0x2522, "Dual Pentium 75\xA5" "90\xA5" "100MHz"),
        P5(kIntel, 0x2524, "Dual Pentium 75\xA5" "90\xA5" "100MHz"),
        P5(kIntel, 0x2525, "Dual Pentium 75\xA5" "90\xA5" "100MHz"),
        P5(kIntel, 0x2526, "Dual Pentium 75\xA5" "90\xA5" "100\xA5" "120MHz"),
        P5(kIntel, 0x252B, "Dual Pentium 120\xA5" "133MHz"),
        P5(kIntel, 0x2523, "Dual Pentium Processor "),
        NameCase{kIntel, 0x3521, 0, {"Unknown Pentium Processor", kReport}},
        NameCase{kAmd, 0xF500, 0, {"Unknown Pentium Processor", kReport}}),
    SignatureName);

// --- Family 6, not AMD: name and L2 suffix ------------------------------------

NameCase P6(uint32_t signature, uint32_t l2Nibble, const std::string& line) {
  return NameCase{kIntel, signature, l2Nibble, {line}};
}
const char* const k652Name =
    "Pentium II 266/300/333/350/400/450MHz(2.0V) or Xeon 400/450MHz or Mobile 233/266MHz";

class NameP6Rows : public ::testing::TestWithParam<NameCase> {};
TEST_P(NameP6Rows, NameTheSignatureWithTheL2Size) {
  const NameCase& c = GetParam();
  SectionReport r(Processor(c.vendor, c.signature, kTsc, c.l2Edx));
  NameP6(r.a, r.root, c.signature);
  EXPECT_EQ(r.Lines(r.root), c.lines);
  EXPECT_FALSE(r.outline.Expanded(r.root));
}
INSTANTIATE_TEST_SUITE_P(
    All, NameP6Rows,
    ::testing::Values(
        // Every suffix, on one name.
        P6(0x633, 0, "Pentium II 233/266/300MHz 2.8VL2-Cash none"),
        P6(0x633, 1, "Pentium II 233/266/300MHz 2.8VL2-128KB"),
        P6(0x633, 2, "Pentium II 233/266/300MHz 2.8VL2-256KB"),
        P6(0x633, 3, "Pentium II 233/266/300MHz 2.8VL2-512KB"),
        P6(0x633, 4, "Pentium II 233/266/300MHz 2.8VL2-1024KB"),
        P6(0x633, 5, "Pentium II 233/266/300MHz 2.8VL2-2048KB"),
        P6(0x633, 6, "Pentium II 233/266/300MHz 2.8VL2-4096KB"),
        P6(0x633, 7, "Pentium II 233/266/300MHz 2.8V"),
        P6(0x633, 8, "Pentium II 233/266/300MHz 2.8VL2-Cash none"),
        P6(0x633, 0x0C040843, "Pentium II 233/266/300MHz 2.8VL2-512KB"),
        // Every row.
        P6(0x611, 2, "Pentium Pro(P6) 150MHz L2-256KB"),
        P6(0x612, 2, "Pentium Pro(P6) 150MHz L2-256KB"),
        P6(0x616, 2, "Pentium Pro(P6) 180/200MHz L2-256KB"),
        P6(0x617, 3, "Pentium Pro(P6) 166/180/200MHz L2-512KB"),
        P6(0x619, 4, "Pentium Pro(P6) 166/180/200MHz L2-1024KB"),
        P6(0x61A, 2, "Unknown Pentium Pro(P6) Processor L2-256KB"),
        P6(0x634, 3, "Pentium II 233/266/300MHz 2.8VL2-512KB"),
        P6(0x650, 3, "Pentium II 333/350/400MHz 2.0VL2-512KB"),
        P6(0x650, 0, "Celeron 266/300Mhz L2-Cash none"),
        P6(0x651, 4, "Pentium II 333MHz 2.0VL2-1024KB"),
        P6(0x651, 2, "Celeron 266/300Mhz 2.0VL2-256KB"),
        P6(0x652, 2, "Celeron 266/300Mhz L2-256KB"),
        P6(0x652, 3, std::string(k652Name) + "L2-512KB"),
        P6(0x652, 5, "Pentium II Xeon 400/450MHzL2-2048KB"),
        P6(0x652, 7, "Pentium II Xeon 400/450MHz"),
        P6(0x660, 1, "Pentium II Celeron 300A/333 L2-128KB"),
        P6(0x665, 1, "Pentium II Celeron 300A/333 L2-128KB"),
        P6(0x635, 6, "Pentium II(Mobile)/Celeron/Xeon L2-4096KB"),
        P6(0x653, 3, "Pentium II(Mobile)/Celeron/Xeon L2-512KB"),
        P6(0x66A, 1, "Pentium II(Mobile)/Celeron/Xeon L2-128KB"),
        P6(0x670, 3, "Pentium III Xeon (ES?)L2-512KB"),
        P6(0x671, 4, "Pentium III Xeon (ES?)L2-1024KB"),
        P6(0x672, 3, "Pentium III (Katmai/Tarnner) 450/500MHz (100MHz*5/4.5)L2-512KB"),
        P6(0x673, 3, "Pentium III (Katmai/Tarnner) 450/500/550/600/533B/600BMHz "
                     "(100MHz*5/4.5 133MHz*4.0/4.5)L2-512KB"),
        P6(0x677, 3, "Pentium III (Katmai/Tannar) Processor L2-512KB"),
        P6(0x680, 2, "Pentium III (Coppermine) (ES?)L2-256KB"),
        P6(0x681, 2, "Pentium III (Coppermine) 500E/550E/600E/650/700/533EB/600EB/677/733 "
                     "(100MHz*5/5.5/6/6.5/7 133MHz/4/4.5/5/5.5)L2-256KB"),
        P6(0x686, 2, "Pentium III (Katmai/Tannar/Coppermine) Processor L2-256KB"),
        // Models without a name: a blank line, no suffix.
        P6(0x600, 3, ""), P6(0x620, 3, ""), P6(0x640, 3, ""), P6(0x690, 3, ""),
        P6(0x6A0, 3, ""), P6(0x906EA, 0, ""),
        // OverDrive: no suffix.
        P6(0x1632, 3, "Pentium Pro(P6) ODP 333MHz"),
        P6(0x1633, 3, "Pentium Pro(P6) Over Drive Procedssor"),
        NameCase{kIntel, 0x2633, 3, {"Unknown Intel Pentium Pro(P6) Based Processor or Compatible", kReport}},
        NameCase{kIntel, 0x3633, 3, {"Unknown Intel Pentium Pro(P6) Based Processor or Compatible", kReport}}),
    SignatureL2Name);

// --- Family 6, AMD -------------------------------------------------------------

class NameK7Rows : public ::testing::TestWithParam<NameCase> {};
TEST_P(NameK7Rows, NameTheSignatureWithoutL2Suffix) {
  const NameCase& c = GetParam();
  SectionReport r(Processor(c.vendor, c.signature, kTsc, c.l2Edx));
  NameK7(r.a, r.root, c.signature);
  EXPECT_EQ(r.Lines(r.root), c.lines);
  EXPECT_FALSE(r.outline.Expanded(r.root));
}
INSTANTIATE_TEST_SUITE_P(
    All, NameK7Rows,
    ::testing::Values(NameCase{kAmd, 0x611, 3, {"Athlon K7 "}},
                      NameCase{kAmd, 0x612, 3, {"Athlon K7 500/550/600/650MHz "}},
                      NameCase{kAmd, 0x610, 3, {"Unknown Athlon K7 Processor "}},
                      NameCase{kAmd, 0x621, 3, {""}}, NameCase{kAmd, 0x642, 3, {""}},
                      NameCase{kAmd, 0x1611, 3, {"Unknown AMD K7 Based Processor or Compatible", kReport}}),
    SignatureL2Name);

TEST(L2CacheSize, LowNibbleOfLeafTwoEdx) {
  const int32_t expected[16] = {0, 128, 256, 512, 1024, 2048, 4096, 8192, 0, 0, 0, 0, 0, 0, 0, 0};
  for (uint32_t nibble = 0; nibble < 16; ++nibble) {
    ProfileMachine m = test::MachineFrom(Cpuid(2, 0, 0xABCDEF50u | nibble));
    EXPECT_EQ(L2CacheSizeKB(m), expected[nibble]) << nibble;
  }
}

// --- The choice of benchmark sections -------------------------------------------

const char* const kBench = "----- VORNAK Harlix -----";
const char* const kTimeStamp = "----- VORNAK Harlix Intel & AMD TimeStamp Performance -----";
const char* const kSpeed = "----- VORNAK Harlix Speed Performance -----";
const char* const kMemory = "----- VORNAK Harlix Memory Performance -----";

struct DispatchCase {
  const char* vendor;
  uint32_t signature;
  uint32_t edx1;
  Lines lines;  // the name line(s), then the benchmark header
  const char* processorSection;
};
std::ostream& operator<<(std::ostream& os, const DispatchCase& c) {
  return os << c.vendor << " " << std::hex << c.signature << " edx " << c.edx1;
}

class Dispatch : public ::testing::TestWithParam<DispatchCase> {};
TEST_P(Dispatch, NamesThenRunsTheFamilysBenchmarks) {
  const DispatchCase& c = GetParam();
  SectionReport r(Processor(c.vendor, c.signature, c.edx1, 3));
  CpuFamilyDispatch(r.a, r.root, c.signature);
  EXPECT_EQ(r.Lines(r.root), c.lines);
  Item bench = r.outline.Find(r.root, kBench);
  EXPECT_EQ(r.Lines(bench), (Lines{c.processorSection, kMemory}));
}
INSTANTIATE_TEST_SUITE_P(
    All, Dispatch,
    ::testing::Values(
        DispatchCase{kIntel, 0x480, kTsc, {"DX4(100\xA5" "75MHz)", kBench}, kSpeed},
        DispatchCase{kIntel, 0x543, kTsc, {"CPU Type : Pentium Socket 5/7 (P55C)2.8 or 3.3V", kBench}, kTimeStamp},
        DispatchCase{kIntel, 0x673, kTsc,
                     {"Pentium III (Katmai/Tarnner) 450/500/550/600/533B/600BMHz "
                      "(100MHz*5/4.5 133MHz*4.0/4.5)L2-512KB", kBench}, kTimeStamp},
        DispatchCase{kAmd, 0x612, kTsc, {"Athlon K7 500/550/600/650MHz ", kBench}, kTimeStamp},
        DispatchCase{kIntel, 0x305, kTsc, {"CPU Type : i80386DX Type-A", kBench}, kSpeed},
        DispatchCase{kAmd, 0x800F82, kTsc, {"Unknown Intel 80386 Based Processor", kReport, kBench}, kSpeed},
        // Without the time-stamp counter the time-stamp kernels would fault.
        DispatchCase{kIntel, 0x543, 0x0001, {"CPU Type : Pentium Socket 5/7 (P55C)2.8 or 3.3V", kBench}, kSpeed},
        DispatchCase{kCyrix, 0x600, 0x0001, {"", kBench}, kSpeed}),
    [](const auto& info) {
      const DispatchCase& c = info.param;
      return test::TextName(c.vendor) + "_" + test::HexName(c.signature, 3) + (c.edx1 & kTsc ? "" : "_NoTsc");
    });

// --- The section's branches ---------------------------------------------------------

struct SectionCase {
  const char* name;
  std::string profile;
  Lines lines;  // the children of the section's parent
};
std::ostream& operator<<(std::ostream& os, const SectionCase& c) { return os << c.name; }

const char* const kNoCpuid = "i80486 [Intel AMD Cyrix&IBM(CPUID Mode)]";
const char* const kSerial = "----- Pentium III/ Pentium III Xeon Processor Serial Number -----";
// Windows 98 with the processor type the PC-98 BIOS word below agrees with.
const char* const kWin98Type486 = "version = c0000a04\nsysinfo = 0 1 1e6\n";

class Branches : public ::testing::TestWithParam<SectionCase> {};
TEST_P(Branches, AddTheirLinesInOrder) {
  SectionReport r(GetParam().profile);
  CpuSection(r.a, r.root);
  EXPECT_EQ(r.Lines(r.root), GetParam().lines);
}
INSTANTIATE_TEST_SUITE_P(
    All, Branches,
    ::testing::Values(
        SectionCase{"NoCpuidNoCyrix", "", {kNoCpuid, kBench}},
        SectionCase{"BiosWordOnAPc98",
                    std::string(kWin98Type486) + "biosword 86 = 1 0433\nbiosbyte 101 = 1 04\n",
                    {"CPU ID: 433", kNoCpuid, kBench}},
        SectionCase{"NoBiosWordOnAnIbmPc",
                    std::string(kWin98Type486) + "biosword 86 = 1 0433\nbiosbyte 101 = 1 00\n",
                    {kNoCpuid, kBench}},
        SectionCase{"NoBiosWordUnderNt", "biosword 86 = 1 0433\nbiosbyte 101 = 1 04\n",
                    {kNoCpuid, kBench}},
        SectionCase{"MaximumLeafOne", Processor(kIntel, 0x543, kTsc, 3, 1),
                    {kIntel, "CPU ID Num : 0543", "CPU ID Max Value : 0001", "----- CPU Spec Intel -----",
                     kSerial, "CPU Type : Pentium Socket 5/7 (P55C)2.8 or 3.3V", kBench}},
        SectionCase{"AmdWithoutFeatureTable", Processor(kAmd, 0x580, kTsc, 3, 1),
                    {kAmd, "CPU ID Num : 0580", "CPU ID Max Value : 0001", "CPU Type : AMD CPU", kBench}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CpuSection, SerialHeaderSaysNotDetectedBelowLeafThree) {
  SectionReport r(Processor(kIntel, 0x543, kTsc, 3, 2));
  CpuSection(r.a, r.root);
  EXPECT_EQ(r.Lines(r.outline.Find(r.root, kSerial)), Lines{"Not Detect"});
}

TEST(CpuSection, CyrixModelIsBothIdentificationRegisters) {
  SectionReport r("cyrixcheck = 1\ncyrixreg fe = 31\ncyrixreg ff = 17\n");
  CpuSection(r.a, r.root);
  Item cyrix = r.outline.Find(r.root, "Cyrix/IBM 486 ,5x86,6x86");
  EXPECT_EQ(r.Lines(cyrix), (Lines{"Cyrix Model :1731 ", "Cyrix 6x86 2x Core/Bus Clock"}));
  EXPECT_EQ(r.Lines(r.root), (Lines{"Cyrix/IBM 486 ,5x86,6x86", kBench}));
  EXPECT_EQ(r.Lines(r.outline.Find(r.root, kBench)), Lines{kMemory});
}

// --- Whole sections -------------------------------------------------------------------

class WholeSection : public ::testing::TestWithParam<const char*> {};
TEST_P(WholeSection, MatchesItsFixture) {
  const std::string dir = std::string(VORNAK_SOURCE_DIR) + "/tests/profiles/cpu/";
  const std::string name = GetParam();
  const std::string profile = test::ReadFile(dir + name + ".profile");
  SectionReport r(profile.substr(profile.find('\n') + 1), "CPU TYPE : Intel Pentium or Pentium Pro");
  CpuSection(r.a, r.root);
  test::ExpectMatchesFixture(r.outline.Dump(), dir + name + ".outline");
}
INSTANTIATE_TEST_SUITE_P(All, WholeSection,
                         ::testing::Values("pentium3", "amd-k6", "cyrix-pc98", "core-i7"),
                         [](const auto& info) {
                           std::string n = info.param;
                           n.erase(std::remove(n.begin(), n.end(), '-'), n.end());
                           return n;
                         });

}  // namespace
}  // namespace vornak

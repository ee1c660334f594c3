// Feature flags, the FDIV check, cache descriptors and the serial-number
// block, decoded from recorded CPUID registers.
#include <cstdio>

#include "cpu/cache_info.h"
#include "cpu/feature_flags.h"
#include "cpu/processor_signature.h"
#include "section_fixture.h"

namespace vornak {
namespace {

using test::SectionReport;
using Lines = std::vector<std::string>;

std::string Format(const char* fmt, uint32_t a, uint32_t b = 0, uint32_t c = 0) {
  char buf[256];
  std::snprintf(buf, sizeof buf, fmt, a, b, c);
  return buf;
}

// --- Flag listings: the whole outline for EDX with only the FPU bit and
// with every bit, against fixtures written from the vendors' wording.

struct FlagCase {
  const char* variant;
  void (*section)(Analysis&, Item);
  uint32_t leaf;
  uint32_t edx;
};

class FlagListing : public ::testing::TestWithParam<FlagCase> {};

TEST_P(FlagListing, ListsEveryBitInOrder) {
  const FlagCase& c = GetParam();
  SectionReport r(Format("cpuid %x = 0 0 0 %x\nfdiv = 1\n", c.leaf, c.edx));
  c.section(r.a, r.root);
  EXPECT_EQ(r.outline.Dump(),
            test::FixtureText(std::string("cpu/flags-") + c.variant + Format("-%08x.outline", c.edx)));
}

std::vector<FlagCase> FlagCases() {
  std::vector<FlagCase> v;
  for (uint32_t edx : {0x00000001u, 0xFFFFFFFFu}) {
    v.push_back({"intel", IntelFeatures, 1, edx});
    v.push_back({"amd-k5", AmdK5Features, 1, edx});
    v.push_back({"amd", AmdFeatures, 1, edx});
    v.push_back({"amd-extended", AmdExtendedFeatures, 0x80000001u, edx});
  }
  return v;
}
INSTANTIATE_TEST_SUITE_P(Variants, FlagListing, ::testing::ValuesIn(FlagCases()), [](const auto& info) {
  return test::TextName(info.param.variant) + "_" + test::HexName(info.param.edx, 8);
});

TEST(FlagListing, AbsentFpuHasNoFdivLine) {
  for (auto section : {IntelFeatures, AmdK5Features, AmdFeatures}) {
    SectionReport r("cpuid 1 = 0 0 0 fffffffe\nfdiv = ffff\n");
    section(r.a, r.root);
    EXPECT_EQ(r.outline.Dump().find("FPU Check"), std::string::npos) << r.outline.Dump();
    EXPECT_NE(r.outline.Dump().find("On-Chip FPU  : Not support\n"), std::string::npos);
  }
}

struct FdivCase {
  uint32_t result;
  const char* line;
};
class FdivResult : public ::testing::TestWithParam<FdivCase> {};
TEST_P(FdivResult, ReadsTheLowHalfSigned) {
  SectionReport r(Format("fdiv = %x\n", GetParam().result));
  FpuCheck(r.a, r.root);
  EXPECT_EQ(r.Lines(r.root), Lines{GetParam().line});
}
INSTANTIATE_TEST_SUITE_P(
    Results, FdivResult,
    ::testing::Values(FdivCase{1, "FPU Check : FPU OK!"}, FdivCase{0x00010001, "FPU Check : FPU OK!"},
                      FdivCase{0xFFFF, "FPU Check : FPU ok (with Bug)"},
                      FdivCase{0xFFFFFFFF, "FPU Check : FPU ok (with Bug)"},
                      FdivCase{0, "FPU Check : FPU has flow(Bug's in)"},
                      FdivCase{0xFFFE, "FPU Check : FPU has flow(Bug's in)"}),
    [](const auto& info) { return test::HexName(info.param.result, 8); });

// --- Caches

TEST(ProcessorConfiguration, DecodesDescriptorsInRegisterOrderSkippingTheCount) {
  // AL = 1 (the count) must not be taken for descriptor 0x01; the 0x01 line
  // comes from the next byte.
  SectionReport r("cpuid 2 = 03020101 0 0 0c040843\n");
  ProcessorConfiguration(r.a, r.root);
  Item h = r.outline.Find(r.root, "----- Processor configuration parameters -----");
  ASSERT_NE(h, kNoItem);
  EXPECT_EQ(r.Lines(h),
            (Lines{"Spec:03020101:00000000:00000000:0c040843",
                   "Instruction TLB 4Kbyte pages,4-way set associative 64 entries",
                   "Instruction TLB 4Mbyte pages,4-way set associative 4 entries",
                   "Data TLB, 4Kbyte pages, 4-way set associative, 64 entries",
                   "Unified cache,32 byte cache line,4-way set associative,512 Kbytes",
                   "Instruction cache, 32 byte line size, 4-way set associative, 16 Kbytes",
                   "Data TLB, 4Mbyte pages, 4-way set associative, 8 entries",
                   "Data cache,32 byte line size, 2-way set associative, 16 Kbytes "}));
}

TEST(ProcessorConfiguration, CountByteAloneAddsNothing) {
  SectionReport r("cpuid 2 = 00000001 0 0 0\n");
  ProcessorConfiguration(r.a, r.root);
  Item h = r.outline.Find(r.root, "----- Processor configuration parameters -----");
  EXPECT_EQ(r.Lines(h), Lines{"Spec:00000001:00000000:00000000:00000000"});
}

TEST(CacheDescriptorLine, UnknownBytesAddNothing) {
  SectionReport r("");
  for (uint32_t d : {0x00u, 0x05u, 0x07u, 0x0Bu, 0x47u, 0x7Fu, 0x87u, 0xFFu})
    CacheDescriptorLine(r.a, r.root, static_cast<uint8_t>(d));
  EXPECT_TRUE(r.Lines(r.root).empty());
  CacheDescriptorLine(r.a, r.root, 0x80);
  EXPECT_EQ(r.Lines(r.root), Lines{"No L2 caache"});
}

TEST(AmdCacheInfo, TakesEachByteOfItsRegister) {
  SectionReport r("cpuid 80000005 = 0 ff204001 20010402 40020120\n");
  AmdCacheInfo(r.a, r.root);
  Item h = r.outline.Find(r.root, "----- AMD Cache Infomation -----");
  EXPECT_EQ(r.Lines(h), (Lines{"Instruction TLB # of Entries  : 01 ",
                               "Instruction TLB Assosiativity : 64 ",
                               "DATA TLB # of Entries  : 32 ",
                               "DATA TLB Assosiativity : 255 ",
                               "L1 Instruction Cache Size : 64 KB",
                               "L1 Instruction Cache Line Size : 32 Bytes",
                               "L1 Instruction Cache Lines per Tag : 01 ",
                               "L1 Instruction Cache Associativity : 02 ",
                               "L1 Data Cache Size : 32 KB",
                               "L1 Data Cache Line Size : 02 Bytes",
                               "L1 Data Cache Lines per Tag : 04 ",
                               "L1 Data Cache Associativity : 01 "}));
}

// --- Serial-number block

struct SerialCase {
  const char* vendor;
  uint32_t maxLeaf, signature, serialEdx;
  Lines lines;  // after the line of raw register words
};

class SerialNumberBlock : public ::testing::TestWithParam<SerialCase> {};

TEST_P(SerialNumberBlock, DerivesBusMultiplierAndClock) {
  const SerialCase& c = GetParam();
  SectionReport r(std::string("vendor = \"") + c.vendor + "\"\n" +
                  Format("cpuid 0 = %x 0 0 0\ncpuid 1 = %x 0 0 0\n", c.maxLeaf, c.signature) +
                  Format("cpuid 3 = 0 0 12345678 %x\n", c.serialEdx));
  ProcessorSignature(r.a, r.root);
  Item s = r.outline.Find(r.root, "----- Pentium III/ Pentium III Xeon Processor Signiture -----");
  ASSERT_NE(s, kNoItem);
  EXPECT_TRUE(r.outline.Expanded(s));
  // Signature high and low half, then leaf-3 EDX and ECX, high half first.
  Lines expected{Format("Spec:%.4x-%.4x-", c.signature >> 16, c.signature & 0xFFFF) +
                 Format("%.4x-%.4x-1234-5678", c.serialEdx >> 16, c.serialEdx & 0xFFFF)};
  expected.insert(expected.end(), c.lines.begin(), c.lines.end());
  EXPECT_EQ(r.Lines(s), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SerialNumberBlock,
    ::testing::Values(
        SerialCase{"GenuineIntel", 3, 0x672, 0x0007ABCD,
                   {"FSB      : 100 MHz", "Multiple : 8.0 Times", "Clock    :  800 MHz"}},
        SerialCase{"GenuineIntel", 3, 0x672, 0x00080000,
                   {"FSB      : 133 MHz", "Multiple : 8.5 Times", "Clock    : 1130 MHz"}},
        SerialCase{"GenuineIntel", 3, 0x681, 0x00020000,
                   {"FSB      : 100 MHz", "Multiple : 6.0 Times", "Clock    :  600 MHz"}},
        SerialCase{"GenuineIntel", 3, 0x67F, 0x00070000,
                   {"FSB      : 100 MHz", "Multiple : 0.0 Times", "Clock    :    0 MHz"}},
        SerialCase{"AuthenticAMD", 3, 0x672, 0x00070000,
                   {"FSB      : 000 MHz", "Multiple : 0.0 Times", "Clock    :    0 MHz"}},
        SerialCase{"GenuineIntel", 2, 0x672, 0x00070000,
                   {"FSB      : 000 MHz", "Multiple : 0.0 Times", "Clock    :    0 MHz"}},
        SerialCase{"", 3, 0x672, 0x00070000,
                   {"FSB      : 000 MHz", "Multiple : 0.0 Times", "Clock    :    0 MHz"}}),
    [](const auto& info) {
      const SerialCase& c = info.param;
      return (*c.vendor ? test::TextName(c.vendor) : "NoVendor") + "_Leaf" + std::to_string(c.maxLeaf) + "_" +
             test::HexName(c.signature, 3) + "_" + test::HexName(c.serialEdx, 8);
    });

}  // namespace
}  // namespace vornak

// The 486, 386 and Cyrix names: every row of each table and its catch-all.
#include "cpu/legacy_names.h"
#include "section_fixture.h"

namespace vornak {
namespace {

using test::SectionReport;
using Lines = std::vector<std::string>;

const char* const kReport = "Please report to me about your system.";

struct NameCase {
  uint32_t value;
  Lines lines;
};

class Name486Rows : public ::testing::TestWithParam<NameCase> {};
TEST_P(Name486Rows, NameTheSignature) {
  SectionReport r("");
  Name486(r.a, r.root, GetParam().value);
  EXPECT_EQ(r.Lines(r.root), GetParam().lines);
}
INSTANTIATE_TEST_SUITE_P(
    All, Name486Rows,
    ::testing::Values(
        NameCase{0x410, {"Cx486SLC"}}, NameCase{0x411, {"Cx486SLC2\xA5" "SRx2"}},
        NameCase{0x400, {"i80486DX"}}, NameCase{0x404, {"i80486DX"}}, NameCase{0x41F, {"i80486DX"}},
        NameCase{0x420, {"i80486SX\xA5" "Cx486DLC"}}, NameCase{0x421, {"i80487SX\xA5" "Cx486DRx2"}},
        NameCase{0x423, {"i80486SX (25\xA5" "33MHz)"}}, NameCase{0x424, {"i80486SX (SL)"}},
        NameCase{0x428, {"KU80486SX (20\xA5" "33MHz)"}}, NameCase{0x42A, {"i80486SX(SL)"}},
        NameCase{0x42B, {"486SX2"}}, NameCase{0x422, {"i80486SX\xA5" "i80487SX MCP"}},
        NameCase{0x432, {"i80486SX+ODP"}}, NameCase{0x433, {"i80486DX2ODPR(20/25MHz)"}},
        NameCase{0x435, {"i80486DX2"}}, NameCase{0x436, {"Intel 487,DX2,DX2 OverDrive"}},
        NameCase{0x44F, {"Intel486SL Processor"}}, NameCase{0x45B, {"A80486SX2-50"}},
        NameCase{0x45A, {"Intel486SX2 Processor"}}, NameCase{0x474, {"WriteBack Enhanced IntelDX2"}},
        NameCase{0x480, {"DX4(100\xA5" "75MHz)"}}, NameCase{0x498, {"A80486DX4100"}},
        NameCase{0x460, {"Other i80486 or Cx486S2"}}, NameCase{0x4A1, {"Other i80486 or Cx486S2"}},
        NameCase{0x4FF, {"Other i80486 or Cx486S2"}},
        NameCase{0x1480, {"i486DX4\xA5" "ODP(75\xA5" "100MHz)"}}, NameCase{0x1481, {"i486DX4\xA5" "ODP"}},
        NameCase{0x8439, {"IBM486BLC3"}}, NameCase{0x8400, {"IBM486BLC3"}},
        NameCase{0xA422, {"IBM486SLC2"}}, NameCase{0xA421, {"IBM486BLC2"}},
        // Bits above the type take the stepping out of the named group.
        NameCase{0x10435, {"Intel 487,DX2,DX2 OverDrive"}},
        NameCase{0x2400, {"Unknown Intel 486 Based Processor or Compatible", kReport}},
        NameCase{0x3480, {"Unknown Intel 486 Based Processor or Compatible", kReport}},
        NameCase{0x0500, {"Unknown Intel 486 Based Processor or Compatible", kReport}}),
    [](const auto& info) { return test::HexName(info.param.value, 3); });

class Name386Rows : public ::testing::TestWithParam<NameCase> {};
TEST_P(Name386Rows, NameTheSignature) {
  SectionReport r("");
  Name386(r.a, r.root, GetParam().value);
  EXPECT_EQ(r.Lines(r.root), GetParam().lines);
}
INSTANTIATE_TEST_SUITE_P(
    All, Name386Rows,
    ::testing::Values(
        NameCase{0x305, {"CPU Type : i80386DX Type-A"}}, NameCase{0x308, {"CPU Type : i80386DX Type-B"}},
        NameCase{0x300, {"CPU Type : "}}, NameCase{0x2305, {"CPU Type : i80386SX Type-A"}},
        NameCase{0x2308, {"CPU Type : i80386SX Type-A"}}, NameCase{0x2300, {"CPU Type : "}},
        NameCase{0x5300, {"CPU Type : i80386SL"}}, NameCase{0x530F, {"CPU Type : i80386SL"}},
        NameCase{0xF0A, {"Unknown Intel 80386 Based Processor", kReport}},
        NameCase{0x1305, {"Unknown Intel 80386 Based Processor", kReport}}),
    [](const auto& info) { return test::HexName(info.param.value, 3); });

class NameCyrixRows : public ::testing::TestWithParam<NameCase> {};
TEST_P(NameCyrixRows, NameTheLowByte) {
  SectionReport r("");
  NameCyrix(r.a, r.root, GetParam().value);
  EXPECT_EQ(r.Lines(r.root), GetParam().lines);
}
NameCase Cyrix(uint32_t model, const char* name) { return NameCase{model, {name}}; }
INSTANTIATE_TEST_SUITE_P(
    All, NameCyrixRows,
    ::testing::Values(
        Cyrix(0x00, "Cyrix Cx486_SLC"), Cyrix(0x01, "Cyrix Cx486_DLC"), Cyrix(0x02, "Cyrix Cx486_SLC2"),
        Cyrix(0x03, "Cyrix Cx486_DLC2"), Cyrix(0x04, "Cyrix Cx486_SRx"), Cyrix(0x05, "Cyrix Cx486_DRx"),
        Cyrix(0x06, "Cyrix Cx486_SRx2"), Cyrix(0x07, "Cyrix Cx486_DRx2"), Cyrix(0x10, "Cyrix Cx486S"),
        Cyrix(0x11, "Cyrix Cx486S2"), Cyrix(0x12, "Cyrix Cx486Se"), Cyrix(0x13, "Cyrix Cx486S2e"),
        Cyrix(0x1A, "Cyrix Cx486DX"), Cyrix(0x1B, "Cyrix Cx486DX2"), Cyrix(0x1F, "Cyrix Cx486DX4"),
        Cyrix(0x28, "Cyrix 5x86 1x Core/Bus Clock"), Cyrix(0x2A, "Cyrix 5x86 1x Core/Bus Clock"),
        Cyrix(0x29, "Cyrix 5x86 2x Core/Bus Clock"), Cyrix(0x2B, "Cyrix 5x86 2x Core/Bus Clock"),
        Cyrix(0x2C, "Cyrix 5x86 4x Core/Bus Clock"), Cyrix(0x2E, "Cyrix 5x86 4x Core/Bus Clock"),
        Cyrix(0x2D, "Cyrix 5x86 3x Core/Bus Clock"), Cyrix(0x2F, "Cyrix 5x86 3x Core/Bus Clock"),
        Cyrix(0x30, "Cyrix 6x86 1x Core/Bus Clock"), Cyrix(0x32, "Cyrix 6x86 1x Core/Bus Clock"),
        Cyrix(0x31, "Cyrix 6x86 2x Core/Bus Clock"), Cyrix(0x33, "Cyrix 6x86 2x Core/Bus Clock"),
        Cyrix(0x34, "Cyrix 6x86 4x Core/Bus Clock"), Cyrix(0x36, "Cyrix 6x86 4x Core/Bus Clock"),
        Cyrix(0x35, "Cyrix 6x86 3x Core/Bus Clock"), Cyrix(0x37, "Cyrix 6x86 3x Core/Bus Clock"),
        Cyrix(0xFD, "Cyrix Cx486SLC,DLC No ID Register "),
        Cyrix(0xFE, "Cyrix Cx486S A step No ID Register "),
        Cyrix(0x1731, "Cyrix 6x86 2x Core/Bus Clock"),  // DIR1 does not enter
        Cyrix(0x08, "UnKnown Cyrix CPU "), Cyrix(0x0F, "UnKnown Cyrix CPU "),
        Cyrix(0x14, "UnKnown Cyrix CPU "), Cyrix(0x19, "UnKnown Cyrix CPU "),
        Cyrix(0x1C, "UnKnown Cyrix CPU "), Cyrix(0x1E, "UnKnown Cyrix CPU "),
        Cyrix(0x20, "UnKnown Cyrix CPU "), Cyrix(0x27, "UnKnown Cyrix CPU "),
        Cyrix(0x38, "UnKnown Cyrix CPU "), Cyrix(0xFC, "UnKnown Cyrix CPU "),
        Cyrix(0xFF, "UnKnown Cyrix CPU ")),
    [](const auto& info) { return test::HexName(info.param.value, 2); });

}  // namespace
}  // namespace vornak

#include "cpu/legacy_name_tables.h"

namespace vornak {

namespace {

// "\xA5" is the half-width middle dot; the literal is split after it so a
// following hexadecimal digit does not join the escape.
// clang-format off
const SignatureName k486[] = {
  // Type 0, family 4: by model, a few steppings named on their own.
  {kWholeSignature,  0x410, "Cx486SLC"},
  {kWholeSignature,  0x411, "Cx486SLC2\xA5" "SRx2"},
  {kTypeFamilyModel, 0x400, "i80486DX"},
  {kTypeFamilyModel, 0x410, "i80486DX"},
  {kWholeSignature,  0x420, "i80486SX\xA5" "Cx486DLC"},
  {kWholeSignature,  0x421, "i80487SX\xA5" "Cx486DRx2"},
  {kWholeSignature,  0x423, "i80486SX (25\xA5" "33MHz)"},
  {kWholeSignature,  0x424, "i80486SX (SL)"},
  {kWholeSignature,  0x428, "KU80486SX (20\xA5" "33MHz)"},
  {kWholeSignature,  0x42A, "i80486SX(SL)"},
  {kWholeSignature,  0x42B, "486SX2"},
  {kTypeFamilyModel, 0x420, "i80486SX\xA5" "i80487SX MCP"},
  {kWholeSignature,  0x432, "i80486SX+ODP"},
  {kWholeSignature,  0x433, "i80486DX2ODPR(20/25MHz)"},
  {kWholeSignature,  0x435, "i80486DX2"},
  {kTypeFamilyModel, 0x430, "Intel 487,DX2,DX2 OverDrive"},
  {kTypeFamilyModel, 0x440, "Intel486SL Processor"},
  {kWholeSignature,  0x45B, "A80486SX2-50"},
  {kTypeFamilyModel, 0x450, "Intel486SX2 Processor"},
  {kTypeFamilyModel, 0x470, "WriteBack Enhanced IntelDX2"},
  {kTypeFamilyModel, 0x480, "DX4(100\xA5" "75MHz)"},
  {kTypeFamilyModel, 0x490, "A80486DX4100"},
  {kTypeFamilyModel, 0x460, "Other i80486 or Cx486S2"},
  {kTypeFamilyModel, 0x4A0, "Other i80486 or Cx486S2"},
  {kTypeFamilyModel, 0x4B0, "Other i80486 or Cx486S2"},
  {kTypeFamilyModel, 0x4C0, "Other i80486 or Cx486S2"},
  {kTypeFamilyModel, 0x4D0, "Other i80486 or Cx486S2"},
  {kTypeFamilyModel, 0x4E0, "Other i80486 or Cx486S2"},
  {kTypeFamilyModel, 0x4F0, "Other i80486 or Cx486S2"},
  // OverDrive processors.
  {kWholeSignature,  0x1480, "i486DX4\xA5" "ODP(75\xA5" "100MHz)"},
  {kTypeFamily,      0x1400, "i486DX4\xA5" "ODP"},
  // IBM's parts report types 8 and 10.
  {kTypeFamily,      0x8400, "IBM486BLC3"},
  {kWholeSignature,  0xA422, "IBM486SLC2"},
  {kTypeFamily,      0xA400, "IBM486BLC2"},
};

const SignatureName k386[] = {
  {kWholeSignature, 0x305,  "i80386DX Type-A"},
  {kWholeSignature, 0x308,  "i80386DX Type-B"},
  {kTypeFamily,     0x300,  ""},
  {kWholeSignature, 0x2305, "i80386SX Type-A"},
  {kWholeSignature, 0x2308, "i80386SX Type-A"},
  {kTypeFamily,     0x2300, ""},
  {kTypeFamily,     0x5300, "i80386SL"},
};
// clang-format on

}  // namespace

const SignatureTable kName486Table = {k486, sizeof k486 / sizeof k486[0]};
const SignatureTable kName386Table = {k386, sizeof k386 / sizeof k386[0]};

// clang-format off
const CyrixName kCyrixNames[] = {
  {0x00, "Cyrix Cx486_SLC"},  {0x01, "Cyrix Cx486_DLC"},
  {0x02, "Cyrix Cx486_SLC2"}, {0x03, "Cyrix Cx486_DLC2"},
  {0x04, "Cyrix Cx486_SRx"},  {0x05, "Cyrix Cx486_DRx"},
  {0x06, "Cyrix Cx486_SRx2"}, {0x07, "Cyrix Cx486_DRx2"},
  {0x10, "Cyrix Cx486S"},     {0x11, "Cyrix Cx486S2"},
  {0x12, "Cyrix Cx486Se"},    {0x13, "Cyrix Cx486S2e"},
  {0x1A, "Cyrix Cx486DX"},    {0x1B, "Cyrix Cx486DX2"},
  {0x1F, "Cyrix Cx486DX4"},
  {0x28, "Cyrix 5x86 1x Core/Bus Clock"}, {0x2A, "Cyrix 5x86 1x Core/Bus Clock"},
  {0x29, "Cyrix 5x86 2x Core/Bus Clock"}, {0x2B, "Cyrix 5x86 2x Core/Bus Clock"},
  {0x2C, "Cyrix 5x86 4x Core/Bus Clock"}, {0x2E, "Cyrix 5x86 4x Core/Bus Clock"},
  {0x2D, "Cyrix 5x86 3x Core/Bus Clock"}, {0x2F, "Cyrix 5x86 3x Core/Bus Clock"},
  {0x30, "Cyrix 6x86 1x Core/Bus Clock"}, {0x32, "Cyrix 6x86 1x Core/Bus Clock"},
  {0x31, "Cyrix 6x86 2x Core/Bus Clock"}, {0x33, "Cyrix 6x86 2x Core/Bus Clock"},
  {0x34, "Cyrix 6x86 4x Core/Bus Clock"}, {0x36, "Cyrix 6x86 4x Core/Bus Clock"},
  {0x35, "Cyrix 6x86 3x Core/Bus Clock"}, {0x37, "Cyrix 6x86 3x Core/Bus Clock"},
  {0xFD, "Cyrix Cx486SLC,DLC No ID Register "},
  {0xFE, "Cyrix Cx486S A step No ID Register "},
};
// clang-format on
const size_t kCyrixNameCount = sizeof kCyrixNames / sizeof kCyrixNames[0];

}  // namespace vornak

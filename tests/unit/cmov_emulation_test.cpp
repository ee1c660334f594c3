// The conditional-move emulator that lets the prebuilt runtime's few CMOVs
// run on a 486 or Pentium: decoding, every condition, every addressing form,
// and the source read that happens whether or not the condition holds.
#include "platform/cmov_emulation.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace vornak {
namespace {

constexpr uint32_t kCode = 0x401000;
constexpr uint32_t CF = 1, PF = 4, ZF = 0x40, SF = 0x80, OF = 0x800;

// Memory: the instruction at kCode with nothing readable after it (as at the
// end of a page), and data bytes where a case puts them.
struct Memory {
  std::vector<uint8_t> code;
  std::map<uint32_t, uint8_t> data;
  static size_t Read(uint32_t address, void* out, size_t size, void* context) {
    auto* m = static_cast<Memory*>(context);
    auto* bytes = static_cast<uint8_t*>(out);
    for (size_t k = 0; k < size; ++k) {
      const uint32_t a = address + static_cast<uint32_t>(k);
      if (a >= kCode && a < kCode + m->code.size()) bytes[k] = m->code[a - kCode];
      else if (m->data.count(a)) bytes[k] = m->data[a];
      else return k;
    }
    return size;
  }
  void Word(uint32_t address, uint32_t value) {
    for (int k = 0; k < 4; ++k) data[address + k] = static_cast<uint8_t>(value >> (8 * k));
  }
};

using R = X86Registers;
using O = CmovOutcome;

struct Case {
  const char* name;
  std::vector<uint8_t> code;
  uint32_t eflags;
  O outcome;
  int dest;         // register expected to change, -1 for none
  uint32_t result;  // its value afterwards; for kSourceUnreadable the address reported
  int length;       // how far eip moves when performed
};

// Registers: eax..edi start as 0xA0000000 + index, except esp = 0x3000,
// ebp = 0x2000, esi = 0x1FF8, ecx = 0x40. Memory holds 0x11223344 at 0x2000,
// 0x55667788 at 0x3100, 0x99AABBCC at 0x1FFC, 0x0BADF00D at 0x3008 and
// 0x5EED5EED at 0x20F8; 0x2004 and up is unreadable except at 0x20F8, 0x3008
// and 0x3100. The other addresses of a form must hit no word.
std::vector<Case> Cases() {
  return {
      // Register forms and the condition's two ways.
      {"RegisterTaken", {0x0F, 0x44, 0xC3}, ZF, O::kPerformed, R::kEax, 0xA0000003, 3},
      {"RegisterNotTaken", {0x0F, 0x44, 0xC3}, 0, O::kPerformed, -1, 0, 3},
      {"StartUpCodeCmoveEcxEbx", {0x0F, 0x44, 0xCB}, ZF, O::kPerformed, R::kEcx, 0xA0000003, 3},
      {"IntoEsp", {0x0F, 0x44, 0xE5}, ZF, O::kPerformed, R::kEsp, 0x2000, 3},
      // ModRM forms without SIB.
      {"Absolute", {0x0F, 0x42, 0x05, 0x00, 0x31, 0x00, 0x00}, CF, O::kPerformed, R::kEax, 0x55667788, 7},
      // mod 0, rm 5: an absolute address, not [ebp]
      {"EbpIndirectNeedsDisp8", {0x0F, 0x44, 0x45, 0x00}, ZF, O::kPerformed, R::kEax, 0x11223344, 4},
      {"Disp8", {0x0F, 0x45, 0x4E, 0x08}, 0, O::kPerformed, R::kEcx, 0x11223344, 4},  // [esi+8]
      {"NegativeDisp8", {0x0F, 0x44, 0x45, 0xFC}, ZF, O::kPerformed, R::kEax, 0x99AABBCC, 4},  // [ebp-4]
      {"Disp32", {0x0F, 0x44, 0x86, 0x00, 0x01, 0x00, 0x00}, ZF, O::kPerformed, R::kEax, 0x5EED5EED, 7},
      // [esi+0x100]
      {"PlainIndirect", {0x0F, 0x44, 0x07}, ZF, O::kPerformed, R::kEax, 0x11223344, 3},  // [edi], edi = 0x2000
      // SIB forms, the commonest in compiled code.
      {"EspPlus8", {0x0F, 0x44, 0x44, 0x24, 0x08}, ZF, O::kPerformed, R::kEax, 0x0BADF00D, 5},  // index 4: none
      {"EspPlus8ScaledNoIndex", {0x0F, 0x44, 0x44, 0xE4, 0x08}, ZF, O::kPerformed, R::kEax, 0x0BADF00D, 5},
      {"EbpEcxTimes4Disp8", {0x0F, 0x44, 0x44, 0x8D, 0xF8}, ZF, O::kPerformed, R::kEax, 0x5EED5EED, 5},
      // [ebp+ecx*4-8]: base 5 is ebp when mod is 1
      {"SibBase5Mod0IsDisp32", {0x0F, 0x44, 0x04, 0x4D, 0x80, 0x1F, 0x00, 0x00}, ZF, O::kPerformed, R::kEax,
       0x11223344, 8},  // [ecx*2+0x1F80]
      {"SibDisp32", {0x0F, 0x4C, 0x94, 0x88, 0x00, 0x01, 0x00, 0x00}, SF, O::kPerformed, R::kEdx, 0x55667788, 8},
      // [eax+ecx*4+0x100], eax = 0x2F00
      // Operand size and prefixes.
      {"Operand16KeepsTheUpperHalf", {0x66, 0x0F, 0x44, 0xC3}, ZF, O::kPerformed, R::kEax, 0xA0000003, 4},
      {"Operand16FromMemory", {0x66, 0x0F, 0x44, 0x05, 0x00, 0x20, 0x00, 0x00}, ZF, O::kPerformed, R::kEax,
       0xA0003344, 8},
      {"Operand16ReadsTwoBytesOnly", {0x66, 0x0F, 0x44, 0x05, 0x02, 0x20, 0x00, 0x00}, ZF, O::kPerformed,
       R::kEax, 0xA0001122, 8},  // 0x2004 is unreadable
      {"LockAndFlatSegmentsAccepted", {0xF0, 0x2E, 0x36, 0x3E, 0x26, 0x0F, 0x44, 0xC3}, ZF, O::kPerformed,
       R::kEax, 0xA0000003, 8},
      {"FsRefused", {0x64, 0x0F, 0x44, 0x05, 0x00, 0x20, 0x00, 0x00}, ZF, O::kRefused, -1, 0, 0},
      {"GsRefused", {0x65, 0x0F, 0x44, 0xC3}, ZF, O::kRefused, -1, 0, 0},
      {"AddressSize16Refused", {0x67, 0x0F, 0x44, 0x07}, ZF, O::kRefused, -1, 0, 0},
      {"RepRefused", {0xF3, 0x0F, 0x44, 0xC3}, ZF, O::kRefused, -1, 0, 0},
      {"RefusedPrefixAfterAnAcceptedOne", {0x66, 0x64, 0x0F, 0x44, 0xC3}, ZF, O::kRefused, -1, 0, 0},
      // Not a conditional move, or not all of one.
      {"Ud2IsNoCmov", {0x0F, 0x0B}, ZF, O::kRefused, -1, 0, 0},
      {"SetccIsNoCmov", {0x0F, 0x94, 0xC0}, ZF, O::kRefused, -1, 0, 0},
      {"CutShortInTheDisp32", {0x0F, 0x44, 0x05, 0x00, 0x20}, ZF, O::kRefused, -1, 0, 0},
      {"CutShortBeforeTheSib", {0x0F, 0x44, 0x44}, ZF, O::kRefused, -1, 0, 0},
      {"CutShortBeforeTheDisp8", {0x0F, 0x44, 0x44, 0x24}, ZF, O::kRefused, -1, 0, 0},
      // The source is read whatever the condition, as the processor reads it.
      {"NotTakenReadsTheSource", {0x0F, 0x44, 0x05, 0x00, 0x00, 0x00, 0x00}, 0, O::kSourceUnreadable, -1, 0, 0},
      {"TakenUnreadable", {0x0F, 0x44, 0x05, 0x10, 0x00, 0x00, 0x00}, ZF, O::kSourceUnreadable, -1, 0x10, 0},
      {"NotTakenReadable", {0x0F, 0x44, 0x05, 0x00, 0x20, 0x00, 0x00}, 0, O::kPerformed, -1, 0, 7},
      {"StraddlesIntoUnreadable", {0x0F, 0x45, 0x05, 0x02, 0x20, 0x00, 0x00}, ZF, O::kSourceUnreadable, -1,
       0x2004, 0},  // the first byte that failed, not the operand's address
  };
}

class CmovEmulation : public ::testing::TestWithParam<Case> {};

TEST_P(CmovEmulation, DoesWhatTheProcessorWould) {
  const Case& c = GetParam();
  Memory m;
  m.code = c.code;
  m.Word(0x2000, 0x11223344);
  m.Word(0x3100, 0x55667788);
  m.Word(0x1FFC, 0x99AABBCC);
  m.Word(0x3008, 0x0BADF00D);
  m.Word(0x20F8, 0x5EED5EED);
  R r;
  for (int k = 0; k < 8; ++k) r.reg[k] = 0xA0000000u + k;
  r.reg[R::kEsp] = 0x3000;
  r.reg[R::kEbp] = 0x2000;
  r.reg[R::kEsi] = 0x1FF8;
  r.reg[R::kEdi] = 0x2000;
  r.reg[R::kEcx] = 0x40;
  if (c.name == std::string("SibDisp32")) r.reg[R::kEax] = 0x2F00;
  r.eflags = c.eflags;
  r.eip = kCode;
  const R before = r;
  uint32_t unreadable = 0xFFFFFFFF;
  ASSERT_EQ(EmulateCmov(r, &Memory::Read, &m, unreadable), c.outcome);
  for (int k = 0; k < 8; ++k)
    EXPECT_EQ(r.reg[k], k == c.dest ? c.result : before.reg[k]) << "register " << k;
  EXPECT_EQ(r.eip, kCode + static_cast<uint32_t>(c.length));
  if (c.outcome == O::kSourceUnreadable) {
    EXPECT_EQ(unreadable, c.result);
  }
  // The decoder alone agrees on the length (tools/check-cmov asks it).
  if (c.outcome != O::kRefused) {
    EXPECT_EQ(DecodeCmov(c.code.data(), c.code.size()).length, c.code.size());
  } else {
    EXPECT_EQ(DecodeCmov(c.code.data(), c.code.size()).length, 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(Forms, CmovEmulation, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

// Each of the sixteen conditions against the flag states that decide it, as
// the processor manuals define them.
TEST(CmovEmulation, EveryConditionCode) {
  const struct {
    unsigned cc;
    uint32_t takenWith, notTakenWith;
  } rows[] = {
      {0x0, OF, 0},        {0x1, 0, OF},        {0x2, CF, 0},       {0x3, 0, CF},
      {0x4, ZF, 0},        {0x5, 0, ZF},        {0x6, ZF, 0},       {0x6, CF, 0},
      {0x7, 0, CF | ZF},   {0x7, 0, ZF},        {0x8, SF, 0},       {0x9, 0, SF},
      {0xA, PF, 0},        {0xB, 0, PF},        {0xC, SF, SF | OF}, {0xC, OF, 0},
      {0xD, SF | OF, SF},  {0xD, 0, OF},        {0xE, ZF, 0},       {0xE, SF, SF | OF},
      {0xF, SF | OF, ZF},  {0xF, 0, OF},
  };
  for (const auto& row : rows) {
    for (bool taken : {true, false}) {
      Memory m;
      m.code = {0x0F, static_cast<uint8_t>(0x40 | row.cc), 0xC1};  // cmovcc eax, ecx
      R r;
      r.reg[R::kEcx] = 7;
      r.eflags = taken ? row.takenWith : row.notTakenWith;
      r.eip = kCode;
      uint32_t unreadable = 0;
      ASSERT_EQ(EmulateCmov(r, &Memory::Read, &m, unreadable), O::kPerformed);
      EXPECT_EQ(r.reg[R::kEax], taken ? 7u : 0u) << "cc " << row.cc << " flags " << r.eflags;
    }
  }
}

}  // namespace
}  // namespace vornak

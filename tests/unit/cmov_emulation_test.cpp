// The conditional-move emulator that lets the prebuilt runtime's few CMOVs
// run on a 486 or Pentium: decoding, every condition, every addressing form.
#include "platform/cmov_emulation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace vornak {
namespace {

constexpr uint32_t kCode = 0x401000;
constexpr uint32_t CF = 1, PF = 4, ZF = 0x40, SF = 0x80, OF = 0x800;

// Memory: the instruction at kCode, and data words where a case puts them.
struct Memory {
  std::vector<uint8_t> code;
  std::map<uint32_t, uint8_t> data;
  static bool Read(uint32_t address, void* out, size_t size, void* context) {
    auto* m = static_cast<Memory*>(context);
    auto* bytes = static_cast<uint8_t*>(out);
    for (size_t k = 0; k < size; ++k) {
      const uint32_t a = address + static_cast<uint32_t>(k);
      if (a >= kCode && a < kCode + m->code.size()) bytes[k] = m->code[a - kCode];
      else if (m->data.count(a)) bytes[k] = m->data[a];
      else return false;
    }
    return true;
  }
  void Word(uint32_t address, uint32_t value) {
    for (int k = 0; k < 4; ++k) data[address + k] = static_cast<uint8_t>(value >> (8 * k));
  }
};

struct Case {
  const char* name;
  std::vector<uint8_t> code;
  uint32_t eflags;
  int dest;          // register expected to change, -1 for none
  uint32_t result;   // its value afterwards
  int length;        // 0: not emulated
};

using R = X86Registers;

// eax..edi start as 0xA0000000 + index; memory holds 0x11223344 at 0x2000,
// 0x55667788 at 0x3100 and 0x99AABBCC at 0x1FFC.
std::vector<Case> Cases() {
  return {
      {"CmoveRegisterTaken", {0x0F, 0x44, 0xC3}, ZF, R::kEax, 0xA0000003, 3},
      {"CmoveRegisterNotTaken", {0x0F, 0x44, 0xC3}, 0, -1, 0, 3},
      {"StartUpCodeCmoveEcxEbx", {0x0F, 0x44, 0xCB}, ZF, R::kEcx, 0xA0000003, 3},
      {"Disp8", {0x0F, 0x45, 0x4E, 0x08}, 0, R::kEcx, 0x11223344, 4},          // [esi+8], esi = 0x1FF8
      {"NegativeDisp8", {0x0F, 0x44, 0x45, 0xFC}, ZF, R::kEax, 0x99AABBCC, 4},  // [ebp-4], ebp = 0x2000
      {"SibDisp32", {0x0F, 0x4C, 0x94, 0x88, 0x00, 0x01, 0x00, 0x00}, SF, R::kEdx, 0x55667788, 8},
      {"Absolute", {0x0F, 0x42, 0x05, 0x00, 0x20, 0x00, 0x00}, CF, R::kEax, 0x11223344, 7},
      {"SibNoBase", {0x0F, 0x44, 0x04, 0x4D, 0x00, 0x10, 0x00, 0x00}, ZF, R::kEax, 0x11223344, 8},
      {"Operand16KeepsTheUpperHalf", {0x66, 0x0F, 0x44, 0xC3}, ZF, R::kEax, 0xA0000003, 4},
      {"Operand16FromMemory", {0x66, 0x0F, 0x44, 0x05, 0x00, 0x20, 0x00, 0x00}, ZF, R::kEax, 0xA0003344, 8},
      {"LockPrefixAccepted", {0xF0, 0x0F, 0x44, 0xC3}, ZF, R::kEax, 0xA0000003, 4},
      {"NotTakenReadsNoMemory", {0x0F, 0x44, 0x05, 0x00, 0x00, 0x00, 0x00}, 0, -1, 0, 7},
      {"UnreadableWhenTaken", {0x0F, 0x44, 0x05, 0x00, 0x00, 0x00, 0x00}, ZF, -1, 0, 0},
      {"Ud2IsNoCmov", {0x0F, 0x0B}, ZF, -1, 0, 0},
      {"SetccIsNoCmov", {0x0F, 0x94, 0xC0}, ZF, -1, 0, 0},
      {"FsOverrideRefused", {0x64, 0x0F, 0x44, 0x05, 0x00, 0x20, 0x00, 0x00}, ZF, -1, 0, 0},
      {"CutShort", {0x0F, 0x44, 0x05, 0x00, 0x20}, ZF, -1, 0, 0},
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
  R r;
  for (int k = 0; k < 8; ++k) r.reg[k] = 0xA0000000u + k;
  r.reg[R::kEsi] = 0x1FF8;
  r.reg[R::kEbp] = 0x2000;
  r.reg[R::kEcx] = c.name == std::string("SibNoBase") ? 0x800 : 0x40;  // x2 and x4 index
  r.reg[R::kEax] = c.name == std::string("SibDisp32") ? 0x2F00 : r.reg[R::kEax];
  r.eflags = c.eflags;
  r.eip = kCode;
  const R before = r;
  EXPECT_EQ(EmulateCmov(r, &Memory::Read, &m), c.length != 0);
  for (int k = 0; k < 8; ++k)
    EXPECT_EQ(r.reg[k], k == c.dest ? c.result : before.reg[k]) << "register " << k;
  EXPECT_EQ(r.eip, kCode + static_cast<uint32_t>(c.length));
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
      {0x7, 0, CF | ZF},   {0x8, SF, 0},        {0x9, 0, SF},       {0xA, PF, 0},
      {0xB, 0, PF},        {0xC, SF, SF | OF},  {0xC, OF, 0},       {0xD, SF | OF, SF},
      {0xE, ZF, 0},        {0xE, SF, SF | OF},  {0xF, SF | OF, ZF}, {0xF, 0, OF},
  };
  for (const auto& row : rows) {
    for (bool taken : {true, false}) {
      Memory m;
      m.code = {0x0F, static_cast<uint8_t>(0x40 | row.cc), 0xC1};  // cmovcc eax, ecx
      R r;
      r.reg[R::kEcx] = 7;
      r.eflags = taken ? row.takenWith : row.notTakenWith;
      r.eip = kCode;
      ASSERT_TRUE(EmulateCmov(r, &Memory::Read, &m));
      EXPECT_EQ(r.reg[R::kEax], taken ? 7u : 0u) << "cc " << row.cc << " flags " << r.eflags;
    }
  }
}

}  // namespace
}  // namespace vornak

#include "platform/cmov_emulation.h"

namespace vornak {

namespace {

constexpr uint32_t kCarry = 1u << 0, kParity = 1u << 2, kZero = 1u << 6, kSign = 1u << 7,
                   kOverflow = 1u << 11;
constexpr size_t kMaxLength = 15;  // the longest x86 instruction

bool Condition(unsigned cc, uint32_t f) {
  const bool cf = f & kCarry, pf = f & kParity, zf = f & kZero, sf = f & kSign, of = f & kOverflow;
  bool holds = false;
  switch (cc >> 1) {
    case 0: holds = of; break;              // O / NO
    case 1: holds = cf; break;              // B / AE
    case 2: holds = zf; break;              // E / NE
    case 3: holds = cf || zf; break;        // BE / A
    case 4: holds = sf; break;              // S / NS
    case 5: holds = pf; break;              // P / NP
    case 6: holds = sf != of; break;        // L / GE
    case 7: holds = zf || sf != of; break;  // LE / G
  }
  return (cc & 1) ? !holds : holds;  // odd codes are the negations
}

}  // namespace

bool EmulateCmov(X86Registers& r, ReadMemory read, void* context) {
  uint8_t code[kMaxLength] = {};
  // Fetch what can be fetched: an instruction near the end of a page is
  // shorter than 15 bytes.
  size_t have = 0;
  while (have < kMaxLength && read(r.eip + static_cast<uint32_t>(have), &code[have], 1, context)) ++have;

  size_t i = 0;
  bool operand16 = false;
  for (; i < have; ++i) {
    const uint8_t p = code[i];
    if (p == 0x66) operand16 = true;
    else if (p == 0xF0 || p == 0x2E || p == 0x36 || p == 0x3E || p == 0x26) continue;  // lock; flat segments
    else break;  // FS/GS bases and 16-bit addressing are not used by compiled code
  }
  if (i + 3 > have || code[i] != 0x0F || (code[i + 1] & 0xF0) != 0x40) return false;
  const unsigned cc = code[i + 1] & 0x0F;
  const uint8_t modrm = code[i + 2];
  i += 3;
  const unsigned mod = modrm >> 6, dest = (modrm >> 3) & 7, rm = modrm & 7;

  uint32_t source = 0;
  bool fromMemory = mod != 3;
  uint32_t address = 0;
  if (!fromMemory) {
    source = r.reg[rm];
  } else {
    auto take32 = [&](uint32_t& out) {
      if (i + 4 > have) return false;
      out = code[i] | code[i + 1] << 8 | code[i + 2] << 16 | static_cast<uint32_t>(code[i + 3]) << 24;
      i += 4;
      return true;
    };
    uint32_t base = 0;
    if (rm == 4) {  // SIB
      if (i >= have) return false;
      const uint8_t sib = code[i++];
      const unsigned scale = sib >> 6, index = (sib >> 3) & 7, b = sib & 7;
      if (index != 4) address += r.reg[index] << scale;
      if (b == 5 && mod == 0) {
        if (!take32(base)) return false;
      } else {
        base = r.reg[b];
      }
    } else if (rm == 5 && mod == 0) {
      if (!take32(base)) return false;
    } else {
      base = r.reg[rm];
    }
    address += base;
    if (mod == 1) {
      if (i >= have) return false;
      address += static_cast<uint32_t>(static_cast<int32_t>(static_cast<int8_t>(code[i++])));
    } else if (mod == 2) {
      uint32_t disp = 0;
      if (!take32(disp)) return false;
      address += disp;
    }
  }

  if (Condition(cc, r.eflags)) {
    if (fromMemory && !read(address, &source, operand16 ? 2 : 4, context)) return false;
    if (operand16) r.reg[dest] = (r.reg[dest] & 0xFFFF0000u) | (source & 0xFFFFu);
    else r.reg[dest] = source;
  }
  r.eip += static_cast<uint32_t>(i);
  return true;
}

}  // namespace vornak

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

CmovForm DecodeCmov(const uint8_t* code, size_t have) {
  const CmovForm refused;
  if (have > kMaxLength) have = kMaxLength;
  CmovForm f;
  size_t i = 0;
  for (; i < have; ++i) {
    const uint8_t p = code[i];
    if (p == 0x66) f.operand16 = true;
    else if (p == 0xF0 || p == 0x2E || p == 0x36 || p == 0x3E || p == 0x26) continue;  // lock; flat segments
    else break;  // FS/GS bases, 16-bit addressing and REP are not used by compiled code
  }
  if (i + 3 > have || code[i] != 0x0F || (code[i + 1] & 0xF0) != 0x40) return refused;
  f.condition = code[i + 1] & 0x0F;
  const uint8_t modrm = code[i + 2];
  i += 3;
  const unsigned mod = modrm >> 6, rm = modrm & 7;
  f.dest = (modrm >> 3) & 7;
  f.fromMemory = mod != 3;

  auto take32 = [&](uint32_t& out) {
    if (i + 4 > have) return false;
    out = code[i] | code[i + 1] << 8 | code[i + 2] << 16 | static_cast<uint32_t>(code[i + 3]) << 24;
    i += 4;
    return true;
  };
  if (!f.fromMemory) {
    f.base = static_cast<int>(rm);
  } else if (rm == 4) {  // SIB
    if (i >= have) return refused;
    const uint8_t sib = code[i++];
    const unsigned index = (sib >> 3) & 7, b = sib & 7;
    f.scale = sib >> 6;
    if (index != 4) f.index = static_cast<int>(index);  // 4: no index
    if (b == 5 && mod == 0) {  // no base: a 32-bit displacement instead
      if (!take32(f.displacement)) return refused;
    } else {
      f.base = static_cast<int>(b);
    }
  } else if (rm == 5 && mod == 0) {  // an absolute address
    if (!take32(f.displacement)) return refused;
  } else {
    f.base = static_cast<int>(rm);
  }
  if (f.fromMemory && mod == 1) {
    if (i >= have) return refused;
    f.displacement = static_cast<uint32_t>(static_cast<int32_t>(static_cast<int8_t>(code[i++])));
  } else if (f.fromMemory && mod == 2) {
    if (!take32(f.displacement)) return refused;
  }
  f.length = i;
  return f;
}

CmovOutcome EmulateCmov(X86Registers& r, ReadMemory read, void* context, uint32_t& unreadable) {
  // Fetch what can be fetched: an instruction at the end of a readable page
  // is shorter than 15 bytes.
  uint8_t code[kMaxLength] = {};
  const CmovForm f = DecodeCmov(code, read(r.eip, code, kMaxLength, context));
  if (f.length == 0) return CmovOutcome::kRefused;

  uint32_t source = 0;
  if (!f.fromMemory) {
    source = r.reg[f.base];
  } else {
    uint32_t address = f.displacement;
    if (f.base >= 0) address += r.reg[f.base];
    if (f.index >= 0) address += r.reg[f.index] << f.scale;
    // The processor reads the source whether or not the condition holds.
    const size_t size = f.operand16 ? 2 : 4;
    uint8_t bytes[4] = {};
    const size_t got = read(address, bytes, size, context);
    if (got < size) {
      unreadable = address + static_cast<uint32_t>(got);
      return CmovOutcome::kSourceUnreadable;
    }
    source = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
  }
  if (Condition(f.condition, r.eflags)) {
    if (f.operand16) r.reg[f.dest] = (r.reg[f.dest] & 0xFFFF0000u) | (source & 0xFFFFu);
    else r.reg[f.dest] = source;
  }
  r.eip += static_cast<uint32_t>(f.length);
  return CmovOutcome::kPerformed;
}

}  // namespace vornak

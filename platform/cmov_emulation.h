// CMOVcc for processors that lack it (386, 486, Pentium, K6, Cyrix 6x86).
//
// The program's own code is compiled for the 486, but the prebuilt runtime
// libraries of the toolchain were compiled for the Pentium Pro and use the
// conditional move in a few places (the start-up code's command-line loop
// among them). On a processor without it that instruction raises an invalid-
// opcode fault; the live program's exception handlers hand the faulting
// instruction to EmulateCmov, which does what a processor with it would have
// done (platform/win32/runtime/cmov_handler.cpp).
//
// Portable, so that the decoder is tested natively against a table, and so
// that tools/check-cmov asks this very decoder which forms it performs.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vornak {

// The registers of a 32-bit x86 thread, in ModRM register order.
struct X86Registers {
  enum { kEax, kEcx, kEdx, kEbx, kEsp, kEbp, kEsi, kEdi };
  uint32_t reg[8] = {};
  uint32_t eflags = 0;
  uint32_t eip = 0;
};

// A decoded conditional move (0F 40-4F /r, 32- or 16-bit operands, any
// flat-model addressing form). length 0: not one that is performed: another
// instruction, a segment or address-size override (FS/GS bases and 16-bit
// addressing), a REP prefix, or an instruction cut short.
struct CmovForm {
  size_t length = 0;
  unsigned condition = 0;   // the low nibble of the opcode
  unsigned dest = 0;        // register
  bool operand16 = false;
  bool fromMemory = false;
  int base = -1;            // register, or the source register; -1: none
  int index = -1;           // register; -1: none
  unsigned scale = 0;       // index shifted left by this
  uint32_t displacement = 0;
};
CmovForm DecodeCmov(const uint8_t* code, size_t size);

// Copies up to size bytes at a linear address into out, stopping at the
// first byte that cannot be read; returns how many it copied.
using ReadMemory = size_t (*)(uint32_t address, void* out, size_t size, void* context);

enum class CmovOutcome {
  kRefused,           // not a conditional move that is performed: r untouched
  kPerformed,         // r updated, r.eip past the instruction
  kSourceUnreadable,  // r untouched; `unreadable` is the first byte that failed
};

// Performs the instruction at r.eip as the processor would: the memory source
// is read whether or not the condition holds, and a read that fails is a
// fault at the first byte that could not be read. A LOCK prefix is accepted
// and ignored; with it the instruction is invalid on every processor, which
// lets the tests raise a real fault on a modern one.
CmovOutcome EmulateCmov(X86Registers& r, ReadMemory read, void* context, uint32_t& unreadable);

}  // namespace vornak

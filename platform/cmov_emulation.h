// CMOVcc for processors that lack it (386, 486, Pentium, K6, Cyrix 6x86).
//
// The program's own code is compiled for the 486, but the prebuilt runtime
// libraries of the toolchain were compiled for the Pentium Pro and use the
// conditional move in a few places (the start-up code's command-line loop
// among them). On a processor without it that instruction raises an invalid-
// opcode fault; the live program's exception filter hands the faulting
// instruction to EmulateCmov, which does what the processor would have done.
//
// Portable, so that the decoder is tested natively against a table.
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

// Reads size bytes at a linear address; false when they cannot be read.
using ReadMemory = bool (*)(uint32_t address, void* out, size_t size, void* context);

// If the instruction at r.eip is a conditional move (0F 40-4F /r, 32- or
// 16-bit operands, any flat-model addressing form), performs it on r and
// moves r.eip past it: true. Otherwise leaves r alone: false. A LOCK prefix
// is accepted and ignored; with it the instruction is invalid on every
// processor, which lets the tests raise a real fault on a modern one.
bool EmulateCmov(X86Registers& r, ReadMemory read, void* context);

}  // namespace vornak

// The run-time CMOV filter end to end: a conditional move with a LOCK prefix
// is invalid on every processor, so it raises the same fault a plain one
// raises on a 486 or Pentium. Started through the program's own entry point,
// the fault travels Windows' exception dispatch and the runtime's filter to
// ours, which performs the move; the program then goes on.
#include <windows.h>

#include <cstdint>
#include <cstdio>

namespace vornak {
unsigned CmovEmulations();
}

namespace {

int failures = 0, passes = 0;
void Check(bool ok, const char* what) {
  if (ok) ++passes;
  else {
    ++failures;
    std::printf("FAIL: %s\n", what);
  }
}

// lock cmove eax, ebx: eax = ebx when zero == 0.
uint32_t CmoveRegister(uint32_t eax, uint32_t ebx, uint32_t zero) {
  asm volatile("testl %[z], %[z]\n\t.byte 0xF0, 0x0F, 0x44, 0xC3"
               : "+a"(eax) : "b"(ebx), [z] "r"(zero) : "cc");
  return eax;
}

// lock cmovne eax, [ecx]: eax = *from when zero != 0.
uint32_t CmovneMemory(uint32_t eax, const uint32_t* from, uint32_t zero) {
  asm volatile("testl %[z], %[z]\n\t.byte 0xF0, 0x0F, 0x45, 0x01"
               : "+a"(eax) : "c"(from), [z] "r"(zero) : "cc", "memory");
  return eax;
}

// lock cmove ax, bx: the upper half of eax stays.
uint32_t Cmove16(uint32_t eax, uint32_t ebx) {
  asm volatile("xorl %%edx, %%edx\n\t.byte 0xF0, 0x66, 0x0F, 0x44, 0xC3"
               : "+a"(eax) : "b"(ebx) : "edx", "cc");
  return eax;
}

}  // namespace

int main() {
  const uint32_t word = 0xCAFEF00D;
  Check(CmoveRegister(1, 2, 0) == 2, "case 1: cmove taken");
  Check(CmoveRegister(1, 2, 5) == 1, "case 2: cmove not taken");
  Check(CmovneMemory(1, &word, 5) == word, "case 3: cmovne from memory taken");
  Check(CmovneMemory(1, &word, 0) == 1, "case 4: cmovne from memory not taken");
  Check(Cmove16(0x12345678, 0xAAAABBBB) == 0x1234BBBB, "case 5: 16-bit cmove");
  const unsigned emulated = vornak::CmovEmulations();
  if (emulated == 0) {
    // An emulator that runs the LOCK form without a fault tests nothing here.
    std::printf("the processor ran the LOCK form itself: the filter was not exercised\n");
  } else {
    Check(emulated == 5, "case 6: every instruction went through the filter");
  }
  std::printf("%d passed, %d failed (%u emulated)\n", passes, failures, emulated);
  return failures ? 1 : 0;
}

// What lets VORNAK95.EXE run on the processors it reports on: the 486, the
// Pentium, the K6 and the Cyrix parts, which have no conditional move.
//
// Our own code is compiled for the 486 (cmake/toolchain-i686-mingw.cmake)
// and instantiates std::string itself (string_instances.h); the allocator
// below replaces the library's. What is left of the prebuilt runtime's CMOVs
// sits in code that runs once or on error paths, the start-up code's
// command-line loop among them. The program's entry point installs, before
// any of that runs, an exception filter that performs such an instruction
// when the processor refuses it (platform/cmov_emulation.h); the runtime's
// own filter, installed next, passes invalid-opcode faults on to it.
// tools/check-cmov lists every CMOV left in the program and where it is.
#include <windows.h>

#include <cstdlib>
#include <new>

#include "platform/cmov_emulation.h"

namespace {

LPTOP_LEVEL_EXCEPTION_FILTER previousFilter = nullptr;
unsigned emulated = 0;

bool ReadProcessBytes(uint32_t address, void* out, size_t size, void*) {
  const void* from = reinterpret_cast<const void*>(static_cast<uintptr_t>(address));
  if (IsBadReadPtr(from, size)) return false;
  CopyMemory(out, from, size);
  return true;
}

LONG WINAPI EmulateRefusedInstruction(EXCEPTION_POINTERS* e) {
  if (e && e->ExceptionRecord && e->ContextRecord &&
      e->ExceptionRecord->ExceptionCode == EXCEPTION_ILLEGAL_INSTRUCTION) {
    CONTEXT& c = *e->ContextRecord;
    vornak::X86Registers r;
    const DWORD registers[8] = {c.Eax, c.Ecx, c.Edx, c.Ebx, c.Esp, c.Ebp, c.Esi, c.Edi};
    for (int i = 0; i < 8; ++i) r.reg[i] = registers[i];
    r.eflags = c.EFlags;
    r.eip = c.Eip;
    if (vornak::EmulateCmov(r, ReadProcessBytes, nullptr)) {
      DWORD* back[8] = {&c.Eax, &c.Ecx, &c.Edx, &c.Ebx, &c.Esp, &c.Ebp, &c.Esi, &c.Edi};
      for (int i = 0; i < 8; ++i) *back[i] = r.reg[i];
      c.Eip = r.eip;
      ++emulated;
      return EXCEPTION_CONTINUE_EXECUTION;
    }
  }
  return previousFilter ? previousFilter(e) : EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

namespace vornak {
// How many instructions the filter performed: for the test that raises real
// faults through it.
unsigned CmovEmulations() { return emulated; }
}  // namespace vornak

extern "C" {
// mingw's entry point of a GUI program: the C runtime's start-up, then WinMain.
void WinMainCRTStartup();

// The program's entry point (-e in cmake/win32.cmake): the filter first,
// then the runtime's start-up as usual.
void VornakStartup() {
  previousFilter = SetUnhandledExceptionFilter(EmulateRefusedInstruction);
  WinMainCRTStartup();
}
}

// The allocator, replacing the library's (whose operator new tests its size
// with a CMOV on every call). Same contract: the new handler, then bad_alloc.
void* operator new(std::size_t size) {
  for (;;) {
    if (void* p = std::malloc(size ? size : 1)) return p;
    std::new_handler handler = std::get_new_handler();
    if (!handler) throw std::bad_alloc();
    handler();
  }
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

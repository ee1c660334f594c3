// Performs the conditional moves a 486, Pentium, K6 or 6x86 refuses, from
// the frame handler every entry from the system links (cmov_frame.h) and
// from the top-level filter the start-up installs as a backstop.
#include <windows.h>

#include "platform/cmov_emulation.h"
#include "platform/win32/runtime/cmov_frame.h"

namespace {

LPTOP_LEVEL_EXCEPTION_FILTER previousFilter = nullptr;
unsigned performed = 0;

// Committed, readable and no guard page: touching a guard page would strip
// the guard of whichever thread's stack it belongs to.
bool Readable(const MEMORY_BASIC_INFORMATION& m) {
  constexpr DWORD kReadable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE |
                              PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
  return m.State == MEM_COMMIT && (m.Protect & kReadable) && !(m.Protect & PAGE_GUARD);
}

// Region by region, so a read that straddles two is checked in both.
size_t ReadProcessBytes(uint32_t address, void* out, size_t size, void*) {
  size_t done = 0;
  while (done < size) {
    const uint32_t at = address + static_cast<uint32_t>(done);
    if (at < address) break;  // past the top of the address space
    MEMORY_BASIC_INFORMATION m;
    if (VirtualQuery(reinterpret_cast<const void*>(static_cast<uintptr_t>(at)), &m, sizeof m) != sizeof m ||
        !Readable(m))
      break;
    const uint32_t left = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(m.BaseAddress) + m.RegionSize - at);
    const size_t span = left != 0 && left < size - done ? left : size - done;  // 0: the region ends at 4 GB
    CopyMemory(static_cast<char*>(out) + done, reinterpret_cast<const void*>(static_cast<uintptr_t>(at)), span);
    done += span;
  }
  return done;
}

WORD CodeSelector() {
  WORD cs;
  asm("movw %%cs, %0" : "=r"(cs));
  return cs;
}

// True when the instruction was performed and the thread can go on. A source
// that cannot be read turns the exception into the access violation the
// processor would have raised, at the same instruction, for whoever handles
// it next; anything else is left as it came.
bool PerformRefusedCmov(EXCEPTION_RECORD& e, CONTEXT& c) {
  // Only flat 32-bit code: a 16-bit thunk's EIP is no linear address.
  if (e.ExceptionCode != EXCEPTION_ILLEGAL_INSTRUCTION || (c.SegCs & 0xFFFF) != CodeSelector()) return false;
  vornak::X86Registers r;
  DWORD* registers[8] = {&c.Eax, &c.Ecx, &c.Edx, &c.Ebx, &c.Esp, &c.Ebp, &c.Esi, &c.Edi};
  for (int i = 0; i < 8; ++i) r.reg[i] = *registers[i];
  r.eflags = c.EFlags;
  r.eip = c.Eip;
  uint32_t unreadable = 0;
  switch (vornak::EmulateCmov(r, ReadProcessBytes, nullptr, unreadable)) {
    case vornak::CmovOutcome::kPerformed:
      for (int i = 0; i < 8; ++i) *registers[i] = r.reg[i];
      c.Eip = r.eip;
      ++performed;
      return true;
    case vornak::CmovOutcome::kSourceUnreadable:
      e.ExceptionCode = EXCEPTION_ACCESS_VIOLATION;
      e.NumberParameters = 2;
      e.ExceptionInformation[0] = 0;  // a read
      e.ExceptionInformation[1] = unreadable;
      return false;
    case vornak::CmovOutcome::kRefused:
      break;
  }
  return false;
}

LONG WINAPI CmovFilter(EXCEPTION_POINTERS* e) {
  if (e && e->ExceptionRecord && e->ContextRecord && PerformRefusedCmov(*e->ExceptionRecord, *e->ContextRecord))
    return EXCEPTION_CONTINUE_EXECUTION;
  return previousFilter ? previousFilter(e) : EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

extern "C" EXCEPTION_DISPOSITION __cdecl VornakCmovFrameHandler(EXCEPTION_RECORD* record, void*,
                                                                CONTEXT* context, void*) {
  // Unwinding calls each handler once more on the way out: nothing to do.
  if (!record || !context || (record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND)))
    return ExceptionContinueSearch;
  return PerformRefusedCmov(*record, *context) ? ExceptionContinueExecution : ExceptionContinueSearch;
}

namespace vornak {

void InstallCmovFilter() { previousFilter = SetUnhandledExceptionFilter(CmovFilter); }

// How many instructions the handlers performed: for the test that raises real
// faults through them.
unsigned CmovEmulations() { return performed; }

}  // namespace vornak

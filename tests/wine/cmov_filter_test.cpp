// The CMOV handlers end to end, with real faults: a conditional move with a
// LOCK prefix is invalid on every processor, so it raises the fault a plain
// one raises on a 486 or Pentium. Each case faults inside one entry from the
// system (the start-up, a window procedure, a font enumeration callback, the
// paint hook) while a frame of the test's own sits outside that entry and
// fails the test if the fault reaches it, as a system frame that takes every
// fault would; and a top-level filter that does not chain, as a DLL may set,
// fails it too. So each move must be performed by the entry's own handler.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "platform/win32/callback_guard.h"
#include "platform/win32/live_machine.h"
#include "platform/win32/runtime/cmov_frame.h"
#include "vornak95/win32/failure.h"

namespace {

const char* current = "start-up";
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
  asm volatile("testl %[z], %[z]\n\t.byte 0xF0, 0x0F, 0x44, 0xC3" : "+a"(eax) : "b"(ebx), [z] "r"(zero) : "cc");
  return eax;
}

// lock cmovne eax, [ecx]: eax = *from when zero != 0; *from is read anyway.
constexpr uint8_t kCmovneMemory[] = {0xF0, 0x0F, 0x45, 0x01};
uint32_t CmovneMemory(uint32_t eax, const void* from, uint32_t zero) {
  asm volatile("testl %[z], %[z]\n\t.byte 0xF0, 0x0F, 0x45, 0x01"
               : "+a"(eax) : "c"(from), [z] "r"(zero) : "cc", "memory");
  return eax;
}

// lock cmove ax, bx: the upper half of eax stays.
uint32_t Cmove16(uint32_t eax, uint32_t ebx) {
  asm volatile("xorl %%edx, %%edx\n\t.byte 0xF0, 0x66, 0x0F, 0x44, 0xC3" : "+a"(eax) : "b"(ebx) : "edx", "cc");
  return eax;
}

// The access violation that reached the frame outside, if any.
struct {
  bool seen;
  ULONG_PTR kind, address;
} violation;

// A frame outside the entry that takes every fault. An access violation of
// CmovneMemory is noted and the instruction skipped, as a handler that
// expects it would; any other fault passed the entry's own handler.
EXCEPTION_DISPOSITION __cdecl OutsideFrame(EXCEPTION_RECORD* e, void*, CONTEXT* c, void*) {
  if (e->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND)) return ExceptionContinueSearch;
  const void* at = reinterpret_cast<const void*>(c->Eip);
  if (e->ExceptionCode == EXCEPTION_ACCESS_VIOLATION && e->ExceptionAddress == at &&
      std::memcmp(at, kCmovneMemory, sizeof kCmovneMemory) == 0 && e->NumberParameters >= 2) {
    violation = {true, e->ExceptionInformation[0], e->ExceptionInformation[1]};
    c->Eip += sizeof kCmovneMemory;
    return ExceptionContinueExecution;
  }
  std::printf("FAIL: %s: exception %#lx at %p reached a frame outside the entry\n", current, e->ExceptionCode,
              e->ExceptionAddress);
  std::fflush(stdout);
  ExitProcess(3);
}

LPTOP_LEVEL_EXCEPTION_FILTER startUpFilter;
LONG WINAPI NonChainingFilter(EXCEPTION_POINTERS* e) {
  std::printf("FAIL: %s: exception %#lx reached the top-level filter\n", current, e->ExceptionRecord->ExceptionCode);
  std::fflush(stdout);
  ExitProcess(4);
}

bool StartUp() {
  const uint32_t word = 0xCAFEF00D;
  return CmoveRegister(1, 2, 0) == 2 && CmoveRegister(1, 2, 5) == 1 && CmovneMemory(1, &word, 5) == word &&
         CmovneMemory(1, &word, 0) == 1 && Cmove16(0x12345678, 0xAAAABBBB) == 0x1234BBBB;
}

// The backstop: a thread of the test's own links no record, so its fault
// goes to the top-level filter the start-up installed.
DWORD WINAPI Unframed(void* out) {
  *static_cast<uint32_t*>(out) = CmoveRegister(1, 2, 0);
  return 0;
}
bool TopLevelFilter() {
  uint32_t moved = 0;
  SetUnhandledExceptionFilter(startUpFilter);
  HANDLE thread = CreateThread(nullptr, 0, Unframed, &moved, 0, nullptr);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  SetUnhandledExceptionFilter(NonChainingFilter);
  return moved == 2;
}

// Windows calls no top-level filter in a process being debugged.
bool BeingDebugged() {
  BYTE* peb;
  asm("movl %%fs:0x30, %0" : "=r"(peb));
  peb[2] = 1;
  const uint32_t moved = CmoveRegister(1, 2, 0);
  peb[2] = 0;
  return moved == 2;
}

void* Chain() {
  void* record;
  asm volatile("movl %%fs:0, %0" : "=r"(record));
  return record;
}

HWND window;
LRESULT CALLBACK WindowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  return vornak::GuardedMessage(w, [&]() -> LRESULT {
    if (message == WM_USER) return CmoveRegister(1, 2, 0);
    if (message == WM_USER + 1) throw std::runtime_error("thrown");
    return DefWindowProcA(w, message, wParam, lParam);
  }, 42);
}
// The record is unlinked on the way out of a procedure that threw too: the
// runner checks the chain, and the next move still finds its handler.
bool InWindowProcedure() {
  return SendMessageA(window, WM_USER, 0, 0) == 2 && SendMessageA(window, WM_USER + 1, 0, 0) == 42 &&
         SendMessageA(window, WM_USER, 0, 0) == 2;
}

// The callback moves, then throws: the exception comes back to the caller.
struct FontCase {
  vornak::CallbackGuard guard;
  uint32_t moved = 0;
};
int CALLBACK OnFont(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM user) {
  auto* f = reinterpret_cast<FontCase*>(user);
  f->guard.Run([&] {
    f->moved = CmoveRegister(1, 2, 0);
    throw std::runtime_error("thrown");
  });
  return 0;
}
bool InFontCallback() {
  FontCase f;
  HDC dc = GetDC(nullptr);
  EnumFontFamiliesA(dc, nullptr, &OnFont, reinterpret_cast<LPARAM>(&f));
  ReleaseDC(nullptr, dc);
  try {
    f.guard.Rethrow();
  } catch (const std::runtime_error&) {
    return f.moved == 2;
  }
  return false;
}

// The program's hook procedure, driven by a real broadcast. Its call to
// CallNextHookEx goes through the import table, which the test points at a
// function of its own that faults first: so the fault happens inside the hook
// procedure with no system frame between. (A hook of the test's own would
// not do: Wine calls the next hook through a callback dispatcher whose frame
// takes every fault itself.)
using NextHook = LRESULT(WINAPI*)(HHOOK, int, WPARAM, LPARAM);
extern "C" NextHook importedCallNextHookEx asm("__imp__CallNextHookEx@16");
NextHook systemCallNextHookEx;
uint32_t hookMoved = 0;
LRESULT WINAPI FaultingCallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
  const auto* m = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && m && m->message == WM_PAINT && m->hwnd == window && !hookMoved)
    hookMoved = CmoveRegister(1, 2, 0);
  return systemCallNextHookEx(hook, code, wParam, lParam);
}
void SetImport(NextHook to) {
  DWORD old;
  VirtualProtect(&importedCallNextHookEx, sizeof to, PAGE_READWRITE, &old);
  importedCallNextHookEx = to;
  VirtualProtect(&importedCallNextHookEx, sizeof to, old, &old);
}
bool InPaintHook() {
  systemCallNextHookEx = importedCallNextHookEx;
  SetImport(FaultingCallNextHookEx);
  vornak::LiveMachine live;
  bool listed = false;
  for (const auto& w : live.BroadcastPaint()) listed = listed || w.hwnd == reinterpret_cast<uintptr_t>(window);
  SetImport(systemCallNextHookEx);
  return listed && hookMoved == 2;
}

// The source is read whether or not the condition holds: with it false, an
// unreadable source is an access violation reading the first byte that could
// not be read, with the instruction's registers as they were.
bool ReadFaultsAt(const void* from, const void* expected) {
  violation = {};
  uint32_t eax;
  {
    vornak::CmovFrame entry;
    eax = CmovneMemory(1, from, 0);
  }
  return violation.seen && violation.kind == 0 && violation.address == reinterpret_cast<ULONG_PTR>(expected) &&
         eax == 1;
}
bool UnreadableSource() {
  char* p = static_cast<char*>(VirtualAlloc(nullptr, 4096, MEM_RESERVE, PAGE_NOACCESS));
  const bool ok = ReadFaultsAt(p + 8, p + 8);
  VirtualFree(p, 0, MEM_RELEASE);
  return ok;
}
bool SourceStraddlesPages() {
  char* p = static_cast<char*>(VirtualAlloc(nullptr, 8192, MEM_COMMIT, PAGE_READWRITE));
  DWORD old;
  VirtualProtect(p + 4096, 4096, PAGE_NOACCESS, &old);
  const bool ok = ReadFaultsAt(p + 4094, p + 4096);
  VirtualFree(p, 0, MEM_RELEASE);
  return ok;
}
// A guard page is not read, so its guard stays for the stack that owns it.
bool GuardPageKept() {
  char* p = static_cast<char*>(VirtualAlloc(nullptr, 4096, MEM_COMMIT, PAGE_READWRITE | PAGE_GUARD));
  bool ok = ReadFaultsAt(p, p);
  MEMORY_BASIC_INFORMATION m = {};
  ok = ok && VirtualQuery(p, &m, sizeof m) == sizeof m && (m.Protect & PAGE_GUARD);
  VirtualFree(p, 0, MEM_RELEASE);
  return ok;
}

// The handler called as the dispatcher and the unwinder call it: it performs
// a refused conditional move of flat 32-bit code, and nothing else.
bool HandlerDecisions() {
  static const uint8_t cmov[] = {0xF0, 0x0F, 0x44, 0xC3}, ud2[] = {0x0F, 0x0B};  // lock cmove eax, ebx
  WORD cs;
  asm("movw %%cs, %0" : "=r"(cs));
  const struct {
    DWORD code, flags;
    const uint8_t* at;
    WORD cs;
    bool performed;
  } rows[] = {
      {EXCEPTION_ILLEGAL_INSTRUCTION, 0, cmov, cs, true},
      {EXCEPTION_ILLEGAL_INSTRUCTION, EXCEPTION_UNWINDING, cmov, cs, false},
      {EXCEPTION_ILLEGAL_INSTRUCTION, EXCEPTION_EXIT_UNWIND, cmov, cs, false},
      {EXCEPTION_ILLEGAL_INSTRUCTION, EXCEPTION_UNWINDING | EXCEPTION_TARGET_UNWIND, cmov, cs, false},
      {EXCEPTION_ACCESS_VIOLATION, 0, cmov, cs, false},
      {EXCEPTION_ILLEGAL_INSTRUCTION, 0, ud2, cs, false},
      {EXCEPTION_ILLEGAL_INSTRUCTION, 0, cmov, static_cast<WORD>(cs + 8), false},  // another code segment
  };
  bool ok = true;
  for (const auto& row : rows) {
    EXCEPTION_RECORD e = {};
    e.ExceptionCode = row.code;
    e.ExceptionFlags = row.flags;
    e.ExceptionAddress = const_cast<uint8_t*>(row.at);
    CONTEXT c = {};
    c.ContextFlags = CONTEXT_FULL;
    c.Eip = reinterpret_cast<DWORD>(row.at);
    c.SegCs = row.cs;
    c.Ebx = 7;
    c.EFlags = 0x40;  // ZF: the move is taken
    const EXCEPTION_DISPOSITION d = VornakCmovFrameHandler(&e, nullptr, &c, nullptr);
    const bool performed = c.Eax == 7 && c.Eip == reinterpret_cast<DWORD>(row.at) + sizeof cmov;
    const bool untouched = c.Eax == 0 && c.Eip == reinterpret_cast<DWORD>(row.at) && e.ExceptionCode == row.code;
    if (row.performed ? !(d == ExceptionContinueExecution && performed)
                      : !(d == ExceptionContinueSearch && untouched)) {
      std::printf("handler: code %#lx flags %#lx cs %#x: disposition %d\n", row.code, row.flags, row.cs, d);
      ok = false;
    }
  }
  return ok;
}

const struct Case {
  const char* name;
  bool (*run)();
  bool outside;  // a frame outside the entry takes what the entry leaves
  unsigned performed;
} kCases[] = {
    {"start-up code: register, memory and 16-bit forms", StartUp, false, 5},
    {"start-up code with BeingDebugged set", BeingDebugged, false, 1},
    {"a thread without a record, through the top-level filter", TopLevelFilter, false, 1},
    {"window procedure, before and after one that threw", InWindowProcedure, true, 2},
    {"font enumeration callback that throws", InFontCallback, true, 1},
    {"paint hook during a broadcast", InPaintHook, true, 1},
    {"unreadable source, condition false", UnreadableSource, true, 0},
    {"source straddling into an unreadable page", SourceStraddlesPages, true, 0},
    {"guard page", GuardPageKept, true, 0},
    {"the handler's decisions", HandlerDecisions, false, 1},
};

}  // namespace

int main() {
  startUpFilter = SetUnhandledExceptionFilter(NonChainingFilter);
  vornak::SetBatchMode(true);  // a failure of a window procedure is kept, not shown
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VORNAK95:CmovTest";
  RegisterClassA(&wc);
  window = CreateWindowExA(0, wc.lpszClassName, "cmov", 0, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
  Check(window != nullptr, "no test window");

  for (const Case& c : kCases) {
    current = c.name;
    char line[160];
    const unsigned before = vornak::CmovEmulations();
    bool ok, restored;
    if (c.outside) {
      vornak::CmovFrame outside(OutsideFrame);
      void* const chain = Chain();
      ok = c.run();
      restored = Chain() == chain;
    } else {
      void* const chain = Chain();
      ok = c.run();
      restored = Chain() == chain;
    }
    Check(ok, c.name);
    std::snprintf(line, sizeof line, "%s: the frame chain is not as it was", c.name);
    Check(restored, line);
    std::snprintf(line, sizeof line, "%s: %u performed, %u expected", c.name, vornak::CmovEmulations() - before,
                  c.performed);
    Check(vornak::CmovEmulations() - before == c.performed, line);
  }
  DestroyWindow(window);
  std::printf("%d passed, %d failed (%u performed)\n", passes, failures, vornak::CmovEmulations());
  return failures ? 1 : 0;
}

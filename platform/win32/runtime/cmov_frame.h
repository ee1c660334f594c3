// A handler for refused conditional moves on the thread's frame chain.
//
// The top-level filter is not called while a debugger is attached, nor when
// a frame between the fault and the top takes the fault first (USER's 16/32-
// bit thunks, the __except around NT's timer dispatch, a DLL that sets its
// own filter without chaining). So every entry from the system (the start-up
// code, window and dialog procedures, enumeration callbacks, the hook
// procedure) links a registration record of its own at fs:[0] while it runs,
// and its handler is asked before any frame outside it.
//
// C++ exceptions are unwound from DWARF tables with this toolchain and know
// nothing of fs:[0]: an exception must never leave a frame whose record is
// still linked. Declare a CmovFrame only in a function that lets no exception
// out (a catch-all around its body, or no throwing code), outside its try.
#pragma once

#include <windows.h>

extern "C" EXCEPTION_DISPOSITION __cdecl VornakCmovFrameHandler(EXCEPTION_RECORD* record, void* frame,
                                                                CONTEXT* context, void* dispatch);

namespace vornak {

// The top-level filter, the backstop for threads and frames without a record.
void InstallCmovFilter();
// How many instructions the handler and the filter performed.
unsigned CmovEmulations();

class CmovFrame {
 public:
  using Handler = EXCEPTION_DISPOSITION(__cdecl*)(EXCEPTION_RECORD*, void*, CONTEXT*, void*);

  explicit CmovFrame(Handler handler = VornakCmovFrameHandler) noexcept : handler_(handler) {
    // next = fs:[0], then fs:[0] = this: the record is whole before the
    // system can see it.
    asm volatile(
        "movl %%fs:0, %%eax\n\t"
        "movl %%eax, (%0)\n\t"
        "movl %0, %%fs:0"
        :
        : "r"(this)
        : "eax", "memory");
  }
  ~CmovFrame() { asm volatile("movl (%0), %%eax\n\tmovl %%eax, %%fs:0" : : "r"(this) : "eax", "memory"); }
  CmovFrame(const CmovFrame&) = delete;
  CmovFrame& operator=(const CmovFrame&) = delete;

 private:
  // The registration record as Windows reads it: the record outside this
  // one (written by the constructor's link), then the handler.
  void* next_;
  Handler handler_;
};

}  // namespace vornak

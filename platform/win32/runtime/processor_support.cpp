// What lets VORNAK95.EXE run on the processors it reports on: the 486, the
// Pentium, the K6 and the Cyrix parts, which have no conditional move.
//
// Our own code is compiled for the 486 (cmake/toolchain-i686-mingw.cmake)
// and instantiates std::string itself (string_instances.h); the allocator
// below replaces the library's. What is left of the prebuilt runtime's CMOVs
// sits in code that runs once or on error paths, the start-up code's
// command-line loop among them. Such an instruction is performed where the
// processor refuses it (platform/cmov_emulation.h) by a frame handler that the
// program's entry point links before any of that runs, and that every later
// entry from the system links again (cmov_frame.h); a top-level filter stays
// as the backstop, and the runtime's own filter, installed next, passes
// invalid-opcode faults on to it. tools/check-cmov lists every CMOV left in
// the program and where it is.
#include <cstdlib>
#include <new>

#include "platform/win32/runtime/cmov_frame.h"

extern "C" {
// mingw's entry point of a GUI program: the C runtime's start-up, then WinMain.
void WinMainCRTStartup();

// The program's entry point (-e in cmake/win32.cmake): the handlers first,
// then the runtime's start-up as usual, which never returns.
void VornakStartup() {
  vornak::InstallCmovFilter();
  vornak::CmovFrame frame;
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

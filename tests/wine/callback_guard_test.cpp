// Exceptions thrown inside callbacks that Windows calls (font families from
// gdi32, DirectPlay providers from dplayx) and inside a window procedure
// (from user32) must come back on our own frames, not unwind through the
// system's: with this toolchain's unwinder that ends the process. An
// allocator that fails on request makes the callbacks throw std::bad_alloc.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "platform/win32/live_machine.h"
#include "vornak95/win32/failure.h"

namespace {
// The allocation that fails: 0 never, n the n-th from now.
int failAfter = 0;
}  // namespace

void* operator new(std::size_t size) {
  if (failAfter > 0 && --failAfter == 0) throw std::bad_alloc();
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

int failures = 0, passes = 0;
void Check(bool ok, const char* what) {
  if (ok) ++passes;
  else {
    ++failures;
    std::printf("FAIL: %s\n", what);
  }
}

// Runs body with the next allocation failing; true when bad_alloc reached us.
template <class Body>
bool ThrowsBadAlloc(Body body) {
  failAfter = 1;
  try {
    body();
  } catch (const std::bad_alloc&) {
    failAfter = 0;
    return true;
  }
  failAfter = 0;
  return false;
}

LRESULT CALLBACK ThrowingProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  return vornak::GuardedMessage(w, [&]() -> LRESULT {
    if (message == WM_USER) throw std::bad_alloc();
    return DefWindowProcA(w, message, wParam, lParam);
  }, 42);
}

}  // namespace

int main() {
  vornak::LiveMachine live;
  Check(!live.FontFamilies().empty(), "case 1: no font families to enumerate");
  Check(ThrowsBadAlloc([&] { live.FontFamilies(); }),
        "case 2: the font callback's bad_alloc did not come back to the caller");
  Check(!live.ProbeDirectPlay().providers.empty(), "case 3: no DirectPlay providers to enumerate");
  Check(ThrowsBadAlloc([&] { live.ProbeDirectPlay(); }),
        "case 4: the DirectPlay callback's bad_alloc did not come back to the caller");

  vornak::SetBatchMode(true);
  WNDCLASSA wc = {};
  wc.lpfnWndProc = ThrowingProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VORNAK95:GuardTest";
  RegisterClassA(&wc);
  HWND w = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
  Check(w != nullptr, "case 5: no test window");
  Check(SendMessageA(w, WM_USER, 0, 0) == 42, "case 6: the window procedure's failure value");
  Check(vornak::KeptFailures() == "The command was stopped: out of memory\n",
        ("case 7: kept \"" + vornak::KeptFailures() + "\"").c_str());
  DestroyWindow(w);
  std::printf("%d passed, %d failed\n", passes, failures);
  return failures ? 1 : 0;
}

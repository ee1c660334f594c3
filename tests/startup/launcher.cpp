// startup_launcher: how long a program takes from launch to an idle window.
//
//   startup_launcher PROGRAM [ARGUMENTS]
//
// Starts PROGRAM with CreateProcessA, polls every 10 ms until a visible
// window of class "VORNAK95:MainFrame" that belongs to it exists and
// WaitForInputIdle says it waits for input, prints "ms=N", then closes the
// window and waits for the program to end. Exit status 1 when no such window
// comes within 60 s. Used by tools/bench-startup.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
  DWORD process;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND w, LPARAM p) {
  auto* s = reinterpret_cast<Search*>(p);
  char name[64] = {0};
  GetClassNameA(w, name, sizeof name);
  DWORD owner = 0;
  GetWindowThreadProcessId(w, &owner);
  if (owner != s->process || lstrcmpA(name, "VORNAK95:MainFrame") != 0 || !IsWindowVisible(w)) return TRUE;
  s->found = w;
  return FALSE;
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to, const LARGE_INTEGER& frequency) {
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: startup_launcher PROGRAM [ARGUMENTS]\n", stderr);
    return 2;
  }
  std::string command;
  for (int i = 1; i < argc; ++i) command += std::string(i > 1 ? " " : "") + "\"" + argv[i] + "\"";

  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    std::fprintf(stderr, "startup_launcher: cannot start %s\n", argv[1]);
    return 1;
  }
  Search search = {pi.dwProcessId, nullptr};
  for (;;) {
    QueryPerformanceCounter(&now);
    if (Milliseconds(start, now, frequency) > 60000) {
      std::fprintf(stderr, "startup_launcher: no idle window of %s\n", argv[1]);
      TerminateProcess(pi.hProcess, 1);
      return 1;
    }
    search.found = nullptr;
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found && WaitForInputIdle(pi.hProcess, 0) == 0) break;
    Sleep(10);
  }
  QueryPerformanceCounter(&now);
  std::printf("ms=%.0f\n", Milliseconds(start, now, frequency));
  std::fflush(stdout);
  PostMessageA(search.found, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return 0;
}

// The yardsticks of tools/bench-startup: an empty main window of the
// program's class and size, and nothing else. Built twice: with BIND_DIRECTX
// it binds ddraw, dsound, d3drm and winmm at load time, as VORNAK95.EXE must,
// so the difference between the two is what binding DirectX costs and the
// difference to VORNAK95.EXE is the program's own start-up.
#include <windows.h>

#ifdef BIND_DIRECTX
#include <d3drm.h>
#include <ddraw.h>
#include <dsound.h>
#include <mmsystem.h>

// One function of each, so the loader binds the four DLLs before WinMain;
// volatile, so that neither the compiler nor the linker drops them.
void* volatile bound[] = {reinterpret_cast<void*>(&DirectDrawCreate),
                          reinterpret_cast<void*>(&DirectSoundCreate),
                          reinterpret_cast<void*>(&Direct3DRMCreate),
                          reinterpret_cast<void*>(&joyGetNumDevs)};
#endif

namespace {
// The same trace lines as the program's (vornak95/win32/startup_trace.h), so that
// bench-startup --trace can set the yardstick's steps beside the program's.
LARGE_INTEGER origin, frequency;
void Trace(const char* step) {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  char line[96];
  const unsigned long us = static_cast<unsigned long>((now.QuadPart - origin.QuadPart) * 1000000 / frequency.QuadPart);
  wsprintfA(line, "VORNAK95 start-up +%lu.%03lu ms: %s\n", us / 1000, us % 1000, step);
  OutputDebugStringA(line);
}

LRESULT CALLBACK WindowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(w, message, wParam, lParam);
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&origin);
  Trace("WinMain");
#ifdef BIND_DIRECTX
  for (void* f : bound)
    if (!f) return 1;
#endif
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  wc.lpszClassName = "VORNAK95:MainFrame";
  if (!RegisterClassA(&wc)) return 1;
  const int w = GetSystemMetrics(SM_CXFULLSCREEN) / 4, h = GetSystemMetrics(SM_CYFULLSCREEN) / 4;
  HWND window = CreateWindowExA(0, wc.lpszClassName, "VORNAK95", WS_OVERLAPPEDWINDOW, w / 2, h / 2,
                                3 * w, 3 * h, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  Trace("main window created");
  ShowWindow(window, showCommand);
  Trace("main window shown");
  UpdateWindow(window);
  Trace("main window painted");
  MSG msg;
  if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) Trace("idle");
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

// CVORNAK95View: hosts the report tree and the start page over a tiled
// background.
#include "app/win32/shell_windows.h"
#include "nuvash32/nuvash32.h"
#include "res/resource.h"

namespace vornak {

namespace {
const char kViewClass[] = "VORNAK95:View";
}

bool CVORNAK95View::Register(HINSTANCE instance) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kViewClass;
  return RegisterClassA(&wc) != 0;
}

bool CVORNAK95View::Create(HINSTANCE instance, HWND frame) {
  return CreateWindowExA(0, kViewClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0,
                         frame, nullptr, instance, this) != nullptr;
}

LRESULT CALLBACK CVORNAK95View::WindowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<CVORNAK95View*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = w;
    SetWindowLongA(w, GWL_USERDATA, reinterpret_cast<LONG>(self));
  }
  auto* self = reinterpret_cast<CVORNAK95View*>(GetWindowLongA(w, GWL_USERDATA));
  return self ? self->OnMessage(message, wParam, lParam) : DefWindowProcA(w, message, wParam, lParam);
}

LRESULT CVORNAK95View::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_SIZE: OnSize(LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_PAINT: OnPaint(); return 0;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

void CVORNAK95View::OnCreate() {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongA(window_, GWL_HINSTANCE));
  htmlPane_ = CreateWindowExA(0, "STATIC", "HTML:VORNAK95", WS_CHILD | WS_VISIBLE | WS_BORDER,
                              0, 0, 0, 0, window_, reinterpret_cast<HMENU>(2), instance, nullptr);
  RECT r;
  GetWindowRect(window_, &r);
  int width = r.right - 3 * GetSystemMetrics(SM_CXDLGFRAME);
  int height = r.bottom - 3 * GetSystemMetrics(SM_CYDLGFRAME) - GetSystemMetrics(SM_CYCAPTION);
  host_.CreateTree(outline_, reinterpret_cast<uintptr_t>(window_), width, height);
}

void CVORNAK95View::OnSize(int cx, int cy) {
  if (htmlPane_) MoveWindow(htmlPane_, 0, 0, cx, cy, TRUE);
  host_.ResizeTree(cx, cy);
}

void CVORNAK95View::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongA(window_, GWL_HINSTANCE));
  HBITMAP tile = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_BACKGROUND));
  if (tile) {
    RECT r;
    GetWindowRect(window_, &r);
    int w = r.right - r.left, h = r.bottom - r.top;
    for (int x = 0; x < w + 64; x += 64)
      for (int y = 0; y < h; y += 32) DrawBitmap(dc, x, y, tile);
    DeleteObject(tile);
  }
  EndPaint(window_, &ps);
}

void CVORNAK95View::HideHtmlPane() {
  if (htmlPane_) ShowWindow(htmlPane_, SW_HIDE);
}

}  // namespace vornak

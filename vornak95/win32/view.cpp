// CVORNAK95View: hosts the start page and the report tree over a tiled
// background, and places the main window when it is created.
#include "nuvash32/nuvash32.h"
#include "res/resource.h"
#include "vornak95/html_text.h"
#include "vornak95/win32/failure.h"
#include "vornak95/win32/shell_windows.h"
#include "vornak95/win32/startup_trace.h"
#include "vornak95/window_placement.h"

namespace vornak {

namespace {
const char kViewClass[] = "VORNAK95:View";

// The lead bytes of the code page the system runs with (932 on Japanese
// Windows, none on a single-byte one).
bool IsSystemLeadByte(unsigned char c) { return IsDBCSLeadByte(c) != 0; }
constexpr UINT kHtmlPaneId = 2;
constexpr int kTileWidth = 64, kTileHeight = 32;
}  // namespace

bool CVORNAK95View::Register(HINSTANCE instance) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kViewClass;
  return RegisterClassA(&wc) != 0 && CHtmlViewCtl::Register(instance);
}

// A caption bar of its own on top of the usual child view; clipping the
// children keeps the background from being drawn over the start page.
bool CVORNAK95View::Create(HINSTANCE instance, HWND frame) {
  return CreateWindowExA(WS_EX_CLIENTEDGE, kViewClass, "",
                         WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_CLIPCHILDREN, 0, 0, 0, 0, frame,
                         nullptr, instance, this) != nullptr;
}

LRESULT CALLBACK CVORNAK95View::WindowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<CVORNAK95View*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = w;
    SetWindowLongA(w, GWL_USERDATA, reinterpret_cast<LONG>(self));
  }
  auto* self = reinterpret_cast<CVORNAK95View*>(GetWindowLongA(w, GWL_USERDATA));
  if (!self) return DefWindowProcA(w, message, wParam, lParam);
  // A failed creation must not leave a half-made window behind.
  return GuardedMessage(w, [&] { return self->OnMessage(message, wParam, lParam); },
                        message == WM_CREATE ? -1 : 0);
}

LRESULT CVORNAK95View::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate() ? 0 : -1;
    case WM_SIZE: OnSize(LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_PAINT: OnPaint(); return 0;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

bool CVORNAK95View::OnCommand(UINT id) {
  switch (id) {
    case ID_START_ANALYZ: host_.StartAnalyzCommand(); return true;
    case ID_FILE_SAVE_AS: host_.SaveLogCommand(); return true;
  }
  return false;
}

bool CVORNAK95View::OnCreate() {
  PlaceMainWindow();
  StartupTrace("main window placed");
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongA(window_, GWL_HINSTANCE));
  RECT client;
  GetClientRect(window_, &client);
  if (!htmlPane_.Create(instance, window_, client, kHtmlPaneId)) return false;
  ShowWindow(htmlPane_.Window(), SW_SHOW);
  StartupTrace("HTML pane created");

  char directory[4096] = {0};
  const DWORD n = GetCurrentDirectoryA(sizeof directory, directory);
  // A folder name too long for the buffer leaves it unfilled: name the page
  // alone rather than a half-read path.
  htmlPane_.Navigate(n > 0 && n < sizeof directory ? StartPagePath(directory, IsSystemLeadByte) : "vornak95.htm");

  StartupTrace("start page read and laid out");
  RECT r;
  GetWindowRect(window_, &r);
  const int width = r.right - 3 * GetSystemMetrics(SM_CXDLGFRAME);
  const int height = r.bottom - 3 * GetSystemMetrics(SM_CYDLGFRAME) - GetSystemMetrics(SM_CYCAPTION);
  host_.CreateTree(outline_, reinterpret_cast<uintptr_t>(window_), width, height);
  StartupTrace("report tree created");
  return true;
}

// Centred at three quarters of the usable screen, whatever size the main
// window had before.
void CVORNAK95View::PlaceMainWindow() {
  const WindowPlacement p =
      MainWindowPlacement(GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN));
  MoveWindow(GetParent(window_), p.x, p.y, p.width, p.height, TRUE);
}

void CVORNAK95View::OnSize(int cx, int cy) {
  if (htmlPane_.Window()) MoveWindow(htmlPane_.Window(), 0, 0, cx, cy, TRUE);
  host_.ResizeTree(cx, cy);
}

// Tiles bitmap 132 over the whole window rectangle; the children clip it, so
// it shows in the tree's margin and while a run hides the tree. A tile the
// clipping hides entirely is not drawn: while the start page covers the view
// (at start-up) that is every tile, and the bitmap is not even loaded.
void CVORNAK95View::OnPaint() {
  StartupTrace("background paint begins");
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  RECT r;
  GetWindowRect(window_, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  HBITMAP tile = nullptr;
  bool missing = false;
  for (int x = 0; x < w + kTileWidth; x += kTileWidth) {
    for (int y = 0; y < h; y += kTileHeight) {
      const RECT cell = {x, y, x + kTileWidth, y + kTileHeight};
      if (!RectVisible(dc, &cell)) continue;
      if (!tile && !missing) {
        HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongA(window_, GWL_HINSTANCE));
        tile = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_BACKGROUND));
        missing = tile == nullptr;
      }
      if (tile) DrawBitmap(dc, x, y, tile);
    }
  }
  if (tile) DeleteObject(tile);
  EndPaint(window_, &ps);
  StartupTrace("background painted");
}

void CVORNAK95View::HideHtmlPane() {
  if (htmlPane_.Window()) ShowWindow(htmlPane_.Window(), SW_HIDE);
}

}  // namespace vornak

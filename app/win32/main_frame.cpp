// CMainFrame: the main window with its menu bar and status bar. Commands the
// view owns are passed on to it.
#include <windows.h>
#include <commctrl.h>

#include "app/win32/shell_windows.h"
#include "res/resource.h"

namespace vornak {

namespace {
const char kFrameClass[] = "VORNAK95:MainFrame";
}

bool CMainFrame::Register(HINSTANCE instance) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME));
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  wc.lpszMenuName = MAKEINTRESOURCEA(IDR_MAINFRAME);
  wc.lpszClassName = kFrameClass;
  return RegisterClassA(&wc) != 0;
}

bool CMainFrame::Create(HINSTANCE instance, Machine& machine, int showCommand) {
  instance_ = instance;
  machine_ = &machine;
  char title[128] = "VORNAK95";
  HWND w = CreateWindowExA(0, kFrameClass, title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                           nullptr, instance, this);
  if (!w) return false;
  ShowWindow(w, showCommand);
  UpdateWindow(w);
  return true;
}

LRESULT CALLBACK CMainFrame::WindowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<CMainFrame*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = w;
    SetWindowLongA(w, GWL_USERDATA, reinterpret_cast<LONG>(self));
  }
  auto* self = reinterpret_cast<CMainFrame*>(GetWindowLongA(w, GWL_USERDATA));
  return self ? self->OnMessage(message, wParam, lParam) : DefWindowProcA(w, message, wParam, lParam);
}

LRESULT CMainFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate() ? 0 : -1;
    case WM_SIZE: OnSize(LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam)); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

bool CMainFrame::OnCreate() {
  statusBar_ = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | CCS_BOTTOM, "Ready", window_,
                                   ID_VIEW_STATUS_BAR);
  if (!statusBar_) return false;
  view_ = std::make_unique<CVORNAK95View>(*machine_, *this);
  return view_->Create(instance_, window_);
}

void CMainFrame::OnSize(int cx, int cy) {
  int statusHeight = 0;
  if (statusBar_ && IsWindowVisible(statusBar_)) {
    SendMessageA(statusBar_, WM_SIZE, 0, 0);
    RECT r;
    GetWindowRect(statusBar_, &r);
    statusHeight = r.bottom - r.top;
  }
  if (view_ && view_->Window()) MoveWindow(view_->Window(), 0, 0, cx, cy - statusHeight, TRUE);
}

void CMainFrame::ToggleStatusBar() {
  bool visible = IsWindowVisible(statusBar_) != 0;
  ShowWindow(statusBar_, visible ? SW_HIDE : SW_SHOW);
  CheckMenuItem(GetMenu(window_), ID_VIEW_STATUS_BAR, visible ? MF_UNCHECKED : MF_CHECKED);
  RECT r;
  GetClientRect(window_, &r);
  OnSize(r.right, r.bottom);
}

void CMainFrame::OnCommand(UINT id) {
  switch (id) {
    case ID_START_ANALYZ: view_->Host().StartAnalyzCommand(); break;
    case ID_FILE_SAVE_AS: view_->Host().SaveLogCommand(); break;
    case ID_FILE_SAVE: view_->Host().SaveAndOpenLogCommand(); break;
    case ID_VIEW_STATUS_BAR: ToggleStatusBar(); break;
    case ID_APP_EXIT: DestroyWindow(window_); break;
  }
}

void CMainFrame::SetStatusText(const std::string& text) {
  if (!statusBar_) return;
  SetWindowTextA(statusBar_, text.c_str());
  SendMessageA(statusBar_, WM_PAINT, 0, 0);
}

std::string CMainFrame::StatusText() {
  char buffer[80] = {0};
  if (statusBar_) GetWindowTextA(statusBar_, buffer, sizeof buffer);
  return buffer;
}

void CMainFrame::RepaintView() {
  if (!view_ || !view_->Window()) return;
  InvalidateRect(view_->Window(), nullptr, TRUE);
  SendMessageA(view_->Window(), WM_PAINT, 0, 0);
}

void CMainFrame::FocusTree() {
  HWND tree = view_ ? view_->TreeControl() : nullptr;
  SetFocus(tree);
  SetActiveWindow(tree);
  SetForegroundWindow(tree);
}

void CMainFrame::HideHtmlPane() {
  if (view_) view_->HideHtmlPane();
}

void CMainFrame::OpenLogInEditor(const std::string& commandLine) {
  WinExec(commandLine.c_str(), SW_SHOWNORMAL);
}

}  // namespace vornak

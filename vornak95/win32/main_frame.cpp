// CMainFrame: the main window with its menu bar and status bar. Commands
// travel view first, then here, then to the document and the application.
#include <windows.h>

#include "res/resource.h"
#include "vornak95/outside_programs.h"
#include "vornak95/win32/failure.h"
#include "vornak95/win32/program_starter.h"
#include "vornak95/win32/shell_windows.h"
#include "vornak95/win32/startup_trace.h"

namespace vornak {

namespace {
const char kFrameClass[] = "VORNAK95:MainFrame";

std::string LoadText(HINSTANCE instance, UINT id) {
  char buffer[256] = {0};
  LoadStringA(instance, id, buffer, sizeof buffer);
  return buffer;
}
}  // namespace

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

bool CMainFrame::Create(HINSTANCE instance, Machine& machine, CommandTarget& next,
                        const std::string& title, int showCommand) {
  instance_ = instance;
  machine_ = &machine;
  next_ = &next;
  HWND w = CreateWindowExA(0, kFrameClass, title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                           nullptr, instance, this);
  if (!w) return false;
  created_ = true;
  StartupTrace("main window created");
  ShowWindow(w, showCommand);
  StartupTrace("main window shown");
  UpdateWindow(w);
  StartupTrace("main window painted");
  return true;
}

LRESULT CALLBACK CMainFrame::WindowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<CMainFrame*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = w;
    SetWindowLongA(w, GWL_USERDATA, reinterpret_cast<LONG>(self));
  }
  auto* self = reinterpret_cast<CMainFrame*>(GetWindowLongA(w, GWL_USERDATA));
  if (!self) return DefWindowProcA(w, message, wParam, lParam);
  // A failed creation must not leave a half-made window behind.
  return GuardedMessage(w, [&] { return self->OnMessage(message, wParam, lParam); },
                        message == WM_CREATE ? -1 : 0);
}

LRESULT CMainFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate() ? 0 : -1;
    case WM_SIZE: OnSize(LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_SETFOCUS: OnSetFocus(); return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam)); return 0;
    case WM_MENUSELECT: OnMenuSelect(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_EXITMENULOOP: OnExitMenuLoop(); return 0;
    // A creation that failed destroys the window too; its quit would end the
    // loop of the message box that says so.
    case WM_DESTROY:
      if (created_) PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

// Without its status bar the window does not open.
bool CMainFrame::OnCreate() {
  if (!statusBar_.Create(window_, ID_VIEW_STATUS_BAR, LoadText(instance_, AFX_IDS_IDLEMESSAGE)))
    return false;
  StartupTrace("status bar");
  view_ = std::make_unique<CVORNAK95View>(*machine_, *this);
  return view_->Create(instance_, window_);
}

void CMainFrame::OnSize(int cx, int cy) {
  statusBar_.Layout();
  if (view_ && view_->Window()) MoveWindow(view_->Window(), 0, 0, cx, cy - statusBar_.Height(), TRUE);
}

void CMainFrame::OnSetFocus() {
  if (view_ && view_->Window()) SetFocus(view_->Window());
}

void CMainFrame::OnIdle() { statusBar_.UpdateIndicators(); }

void CMainFrame::ToggleStatusBar() {
  const bool visible = statusBar_.Visible();
  ShowWindow(statusBar_.Window(), visible ? SW_HIDE : SW_SHOW);
  CheckMenuItem(GetMenu(window_), ID_VIEW_STATUS_BAR, visible ? MF_UNCHECKED : MF_CHECKED);
  RECT r;
  GetClientRect(window_, &r);
  OnSize(r.right, r.bottom);
}

// The edit and pane commands have no handler anywhere: they do nothing.
void CMainFrame::OnCommand(UINT id) {
  if (view_ && view_->OnCommand(id)) return;
  switch (id) {
    case ID_DIRECTX_SETUP: DirectXSetupCommand(); return;
    case ID_CONTROL_PANEL: ControlPanelCommand(); return;
    case ID_VIEW_STATUS_BAR: ToggleStatusBar(); return;
    case ID_APP_EXIT: DestroyWindow(window_); return;
  }
  next_->OnCommand(id);
}

// The prompt of the selected item, its first line; popups, separators and
// our own commands have none. System-menu items use the framework's band.
void CMainFrame::OnMenuSelect(UINT item, UINT flags) {
  if (flags == 0xFFFF) {
    OnExitMenuLoop();
    return;
  }
  UINT id = item;
  if (flags & (MF_POPUP | MF_SEPARATOR)) id = 0;
  else if (flags & MF_SYSMENU && item >= 0xF000) id = IDS_SYSTEM_COMMAND_FIRST + ((item - 0xF000) >> 4);
  std::string prompt = id ? LoadText(instance_, id) : "";
  const size_t end = prompt.find('\n');
  if (end != std::string::npos) prompt.resize(end);
  statusBar_.SetMessage(prompt);
}

void CMainFrame::OnExitMenuLoop() { statusBar_.SetMessage(statusBar_.IdleText()); }

void CMainFrame::DirectXSetupCommand() {
  LiveProgramStarter starter(window_, LoadText(instance_, AFX_IDS_APP_TITLE));
  vornak::DirectXSetupCommand(starter);
}

void CMainFrame::ControlPanelCommand() {
  LiveProgramStarter starter(window_, LoadText(instance_, AFX_IDS_APP_TITLE));
  vornak::ControlPanelCommand(starter);
}

void CMainFrame::SetStatusText(const std::string& text) { statusBar_.SetMessage(text); }

std::string CMainFrame::StatusText() { return statusBar_.Message(); }

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

// Batch mode reads the failure from the host and prints it; the window says
// it in a box, after the run, over the report it keeps.
void CMainFrame::ReportLogFailure(const std::string& failure) {
  if (BatchMode()) return;
  ReportFailure(window_, "The log was not written whole.\n\n" + failure +
                             "\n\nThe report stays in the window.");
}

}  // namespace vornak

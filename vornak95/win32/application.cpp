#include "vornak95/win32/application.h"

#include <commctrl.h>
#include <commdlg.h>

#include "vornak95/win32/about_dialog.h"
#include "vornak95/win32/on_demand.h"
#include "vornak95/win32/startup_trace.h"

namespace vornak {

namespace {

// The profile the framework would keep without a registry key: a private
// profile in the Windows folder. Only read; the program writes no settings.
const char kProfileFile[] = "VORNAK95.INI";
const char kRecentSection[] = "Recent File List";

std::string LoadText(HINSTANCE instance, UINT id) {
  char buffer[256] = {0};
  LoadStringA(instance, id, buffer, sizeof buffer);
  return buffer;
}

// Field n of the document template string; fields end at line feeds.
std::string TemplateField(const std::string& s, int n) {
  size_t start = 0;
  for (int i = 0; i < n && start != std::string::npos; ++i) {
    start = s.find('\n', start);
    if (start != std::string::npos) ++start;
  }
  if (start == std::string::npos) return "";
  return s.substr(start, s.find('\n', start) - start);
}

}  // namespace

bool Application::InitInstance(HINSTANCE instance, Machine& machine, int showCommand) {
  instance_ = instance;
  // The status bar is a common control; the 3-D dialog look is the system's
  // own from Windows 95 and NT 4.0 on, so there is no library to load for it.
  InitCommonControls();
  StartupTrace("common controls");
  LoadStdProfileSettings();
  StartupTrace("profile settings");
  // The single-document template: title from string 128, one document, the
  // main window and its view.
  const std::string title = TemplateField(LoadText(instance, IDR_MAINFRAME), 0);
  if (!CMainFrame::Register(instance) || !CVORNAK95View::Register(instance)) return false;
  StartupTrace("window classes");
  if (!document_.OnNewDocument()) return false;
  if (!frame_.Create(instance, machine, route_, title.empty() ? "VORNAK95" : title, showCommand))
    return false;
  // This number is "&S)tart Analyz"'s, but as a message, not a command: no
  // window handles it, so the program starts idle with the start page.
  SendMessageA(frame_.Window(), ID_START_ANALYZ, 0, 0);
  return true;
}

void Application::LoadStdProfileSettings() {
  recentFiles_.Load([](const std::string& key) {
    char value[MAX_PATH] = {0};
    GetPrivateProfileStringA(kRecentSection, key.c_str(), "", value, sizeof value, kProfileFile);
    return std::string(value);
  });
}

int Application::Run() {
  HACCEL accelerators = LoadAcceleratorsA(instance_, MAKEINTRESOURCEA(IDR_MAINFRAME));
  MSG msg;
  for (;;) {
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      frame_.OnIdle();
      EndStartupTrace();
    }
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0) break;
    // Dialogs run their own loops; the accelerators are the main window's.
    if (TranslateAcceleratorA(frame_.Window(), accelerators, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

bool Application::OnCommand(UINT id) {
  switch (id) {
    case ID_APP_ABOUT: AboutDialog::DoModal(instance_, frame_.Window()); return true;
    case ID_FILE_SAVE: frame_.View()->Host().SaveAndOpenLogCommand(); return true;
    case ID_FILE_NEW: OnFileNew(); return true;
    case ID_FILE_OPEN: OnFileOpen(); return true;
  }
  return false;
}

void Application::OnFileNew() { document_.OnNewDocument(); }

// The framework's open dialog; the document reads nothing, the name joins the
// recent-file list.
void Application::OnFileOpen() {
  std::string filter = LoadText(instance_, IDS_OPEN_FILTER);
  for (char& c : filter)
    if (c == '|') c = '\0';
  char path[MAX_PATH] = {0};
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = frame_.Window();
  ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  ofn.lpstrFile = path;
  ofn.nMaxFile = sizeof path;
  // Browsing must not move the current folder: VORNAK95.LOG, the editor that
  // opens it and the start page are all named relative to it.
  ofn.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  const GetOpenFileNameProc getOpenFileName = OnDemandGetOpenFileNameA();
  if (getOpenFileName && getOpenFileName(&ofn) && document_.OnOpenDocument(path)) recentFiles_.Add(path);
}

}  // namespace vornak

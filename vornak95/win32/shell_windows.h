// The program's windows: CMainFrame (menu, status bar) and CVORNAK95View
// (report tree and start page over a tiled background), and the chain that
// commands travel along. Plain Win32; one instance of each.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "platform/machine.h"
#include "run/analysis_run.h"
#include "vornak95/win32/html_view.h"
#include "vornak95/win32/status_bar.h"
#include "vornak95/win32/tree_view_outline.h"

namespace vornak {

// Something a command can be routed to; true when it took the command.
class CommandTarget {
 public:
  virtual ~CommandTarget() = default;
  virtual bool OnCommand(UINT id) = 0;
};

class CVORNAK95View;

// Commands go to the view first, then the main window, then `next` (the
// document, then the application).
class CMainFrame : public Shell {
 public:
  static bool Register(HINSTANCE instance);
  bool Create(HINSTANCE instance, Machine& machine, CommandTarget& next, const std::string& title,
              int showCommand);
  HWND Window() const { return window_; }
  CVORNAK95View* View() const { return view_.get(); }
  void OnIdle();  // the indicators follow the keyboard when the queue is empty

  // Shell
  void SetStatusText(const std::string& text) override;
  std::string StatusText() override;
  void RepaintView() override;
  void FocusTree() override;
  void HideHtmlPane() override;
  void OpenLogInEditor(const std::string& commandLine) override;
  void ReportLogFailure(const std::string& failure) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool OnCreate();
  void OnSize(int cx, int cy);
  void OnCommand(UINT id);
  void OnMenuSelect(UINT item, UINT flags);
  void OnExitMenuLoop();
  void OnSetFocus();
  void ToggleStatusBar();
  void DirectXSetupCommand();
  void ControlPanelCommand();

  HWND window_ = nullptr;
  bool created_ = false;  // CreateWindowExA returned the window
  HINSTANCE instance_ = nullptr;
  Machine* machine_ = nullptr;
  CommandTarget* next_ = nullptr;
  StatusBar statusBar_;
  std::unique_ptr<CVORNAK95View> view_;
};

class CVORNAK95View : public CommandTarget {
 public:
  CVORNAK95View(Machine& machine, Shell& shell) : host_(machine, shell) {}
  static bool Register(HINSTANCE instance);
  bool Create(HINSTANCE instance, HWND frame);
  HWND Window() const { return window_; }
  ReportHost& Host() { return host_; }
  HWND TreeControl() const { return outline_.Control(); }
  void HideHtmlPane();
  bool OnCommand(UINT id) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool OnCreate();
  void PlaceMainWindow();
  void OnSize(int cx, int cy);
  void OnPaint();

  HWND window_ = nullptr;
  CHtmlViewCtl htmlPane_;
  ReportHost host_;
  TreeViewOutline outline_;
};

}  // namespace vornak

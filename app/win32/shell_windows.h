// The program's windows: CMainFrame (menu, status bar) and CVORNAK95View
// (report tree over a background). Plain Win32; one instance of each.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app/analysis_run.h"
#include "app/win32/tree_view_outline.h"
#include "platform/machine.h"

namespace vornak {

class CVORNAK95View;

class CMainFrame : public Shell {
 public:
  static bool Register(HINSTANCE instance);
  bool Create(HINSTANCE instance, Machine& machine, int showCommand);
  HWND Window() const { return window_; }
  CVORNAK95View* View() const { return view_.get(); }

  // Shell
  void SetStatusText(const std::string& text) override;
  std::string StatusText() override;
  void RepaintView() override;
  void FocusTree() override;
  void HideHtmlPane() override;
  void OpenLogInEditor(const std::string& commandLine) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool OnCreate();
  void OnSize(int cx, int cy);
  void OnCommand(UINT id);
  void ToggleStatusBar();

  HWND window_ = nullptr;
  HWND statusBar_ = nullptr;
  HINSTANCE instance_ = nullptr;
  Machine* machine_ = nullptr;
  std::unique_ptr<CVORNAK95View> view_;
};

class CVORNAK95View {
 public:
  CVORNAK95View(Machine& machine, Shell& shell) : host_(machine, shell) {}
  static bool Register(HINSTANCE instance);
  bool Create(HINSTANCE instance, HWND frame);
  HWND Window() const { return window_; }
  ReportHost& Host() { return host_; }
  HWND TreeControl() const { return outline_.Control(); }
  void HideHtmlPane();

 private:
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCreate();
  void OnSize(int cx, int cy);
  void OnPaint();

  HWND window_ = nullptr;
  HWND htmlPane_ = nullptr;
  ReportHost host_;
  TreeViewOutline outline_;
};

}  // namespace vornak

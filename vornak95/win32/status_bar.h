// The main window's status bar: the message pane, then the kana, CAP, NUM and
// SCRL indicators, each showing its text only while its key is locked.
#pragma once

#include <windows.h>

#include <string>

namespace vornak {

class StatusBar {
 public:
  bool Create(HWND parent, UINT id, const std::string& idleText);
  HWND Window() const { return window_; }
  bool Visible() const { return window_ && IsWindowVisible(window_); }
  int Height() const;
  void Layout();  // after the parent's size changed
  void UpdateIndicators();
  void SetMessage(const std::string& text);  // the message pane, repainted at once
  std::string Message() const;
  const std::string& IdleText() const { return idleText_; }

 private:
  HWND window_ = nullptr;
  std::string idleText_;
  int indicatorWidth_[4] = {};
  bool shown_[4] = {};
};

}  // namespace vornak

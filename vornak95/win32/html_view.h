// CHtmlViewCtl: the pane that shows the start page over the view until the
// first analysis. No browser engine can be assumed, so it shows the page's
// title, headings, paragraphs and list items as formatted, scrollable text.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "vornak95/html_text.h"

namespace vornak {

class CHtmlViewCtl {
 public:
  ~CHtmlViewCtl();
  static bool Register(HINSTANCE instance);
  bool Create(HINSTANCE instance, HWND parent, const RECT& r, UINT id);
  HWND Window() const { return window_; }
  // Reads the page; a missing or unreadable one shows a short notice.
  void Navigate(const std::string& path);

 private:
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnSize(int cx);
  void OnPaint();
  void OnVScroll(int code);
  void OnKeyDown(UINT key);
  void ScrollTo(int y);
  void MakeFonts();
  HFONT FontFor(int line) const;
  void Layout();

  // One laid-out line of the page: title, a block, or blank space.
  struct Line {
    int kind;   // 0 title, 1-6 heading level, 7 paragraph, 8 list item
    std::string text;
    int top = 0, height = 0;
  };

  HWND window_ = nullptr;
  std::vector<Line> lines_;
  int width_ = 0, pageHeight_ = 0, scroll_ = 0;
  bool pageShown_ = false;  // the page was read; false: the notice is shown
  HFONT titleFont_ = nullptr, headingFont_ = nullptr, bodyFont_ = nullptr;
};

}  // namespace vornak

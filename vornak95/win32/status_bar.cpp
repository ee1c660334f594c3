#include "vornak95/win32/status_bar.h"

#include <commctrl.h>

namespace vornak {

namespace {

// Indicator panes after the message pane: key and text. The kana text is
// Shift-JIS half-width katakana, written as bytes.
struct Indicator {
  int key;
  const char* text;
};
const Indicator kIndicators[] = {
    {0x15 /* VK_KANA */, "\xB6\xC5"},
    {VK_CAPITAL, "CAP"},
    {VK_NUMLOCK, "NUM"},
    {VK_SCROLL, "SCRL"},
};
constexpr int kPanes = 1 + sizeof kIndicators / sizeof kIndicators[0];

}  // namespace

bool StatusBar::Create(HWND parent, UINT id, const std::string& idleText) {
  idleText_ = idleText;
  window_ = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | CCS_BOTTOM, idleText.c_str(), parent, id);
  if (!window_) return false;
  // Each indicator pane is as wide as its text in the bar's own font.
  HDC dc = GetDC(window_);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window_, WM_GETFONT, 0, 0)));
  for (int i = 0; i < kPanes - 1; ++i) {
    SIZE size = {};
    GetTextExtentPoint32A(dc, kIndicators[i].text, lstrlenA(kIndicators[i].text), &size);
    indicatorWidth_[i] = size.cx + 12;
  }
  SelectObject(dc, old);
  ReleaseDC(window_, dc);
  Layout();
  UpdateIndicators();
  return true;
}

int StatusBar::Height() const {
  if (!Visible()) return 0;
  RECT r;
  GetWindowRect(window_, &r);
  return r.bottom - r.top;
}

void StatusBar::Layout() {
  if (!window_) return;
  SendMessageA(window_, WM_SIZE, 0, 0);
  RECT r;
  GetClientRect(window_, &r);
  // Right edges, from the last pane back; the message pane takes the rest.
  int edges[kPanes];
  int right = r.right;
  edges[kPanes - 1] = -1;  // to the bar's right edge
  for (int i = kPanes - 2; i >= 0; --i) {
    right -= indicatorWidth_[i];
    edges[i] = right;
  }
  if (edges[0] < 0) edges[0] = 0;
  SendMessageA(window_, SB_SETPARTS, kPanes, reinterpret_cast<LPARAM>(edges));
}

void StatusBar::UpdateIndicators() {
  if (!window_) return;
  for (int i = 0; i < kPanes - 1; ++i) {
    const bool on = (GetKeyState(kIndicators[i].key) & 1) != 0;
    if (on == shown_[i]) continue;  // unchanged: no flicker
    shown_[i] = on;
    SendMessageA(window_, SB_SETTEXTA, i + 1, reinterpret_cast<LPARAM>(on ? kIndicators[i].text : ""));
  }
}

void StatusBar::SetMessage(const std::string& text) {
  if (!window_) return;
  SetWindowTextA(window_, text.c_str());
  // The run keeps the thread busy; nothing else would repaint the bar.
  SendMessageA(window_, WM_PAINT, 0, 0);
}

std::string StatusBar::Message() const {
  char buffer[80] = {0};
  if (window_) GetWindowTextA(window_, buffer, sizeof buffer);
  return buffer;
}

}  // namespace vornak

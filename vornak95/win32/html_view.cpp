#include "vornak95/win32/html_view.h"

#include "vornak95/win32/failure.h"
#include "vornak95/win32/startup_trace.h"

namespace vornak {

namespace {

const char kHtmlClass[] = "VORNAK95:HtmlView";
constexpr DWORD kMaxPageBytes = 1 << 20;  // a larger file is shown up to here
constexpr int kMargin = 16;
constexpr int kBulletIndent = 18;
constexpr int kLineStep = 16;  // pixels per scroll-bar arrow click

enum LineKind { kTitle = 0, kParagraph = 7, kListItem = 8 };

bool ReadPage(const std::string& path, std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD size = GetFileSize(file, nullptr);
  bool ok = size != INVALID_FILE_SIZE;
  if (ok) {
    bytes.resize(size < kMaxPageBytes ? size : kMaxPageBytes);
    DWORD read = 0;
    ok = bytes.empty() || ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
    bytes.resize(read);
  }
  CloseHandle(file);
  return ok;
}

}  // namespace

CHtmlViewCtl::~CHtmlViewCtl() {
  for (HFONT f : {titleFont_, headingFont_, bodyFont_})
    if (f) DeleteObject(f);
}

bool CHtmlViewCtl::Register(HINSTANCE instance) {
  WNDCLASSA wc = {};
  wc.style = 0x40;  // CS_CLASSDC; no cursor, brush or icon: the pane paints itself
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = kHtmlClass;
  return RegisterClassA(&wc) != 0;
}

bool CHtmlViewCtl::Create(HINSTANCE instance, HWND parent, const RECT& r, UINT id) {
  MakeFonts();
  return CreateWindowExA(0, kHtmlClass, "HTML:VORNAK95", 0x50800000 /* WS_CHILD|WS_VISIBLE|WS_BORDER */,
                         r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), instance, this) != nullptr;
}

LRESULT CALLBACK CHtmlViewCtl::WindowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<CHtmlViewCtl*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = w;
    SetWindowLongA(w, GWL_USERDATA, reinterpret_cast<LONG>(self));
  }
  auto* self = reinterpret_cast<CHtmlViewCtl*>(GetWindowLongA(w, GWL_USERDATA));
  if (!self) return DefWindowProcA(w, message, wParam, lParam);
  // A failed creation must not leave a half-made window behind.
  return GuardedMessage(w, [&] { return self->OnMessage(message, wParam, lParam); },
                        message == WM_CREATE ? -1 : 0);
}

LRESULT CHtmlViewCtl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // Whether the pane shows its page or the notice, for programs that drive
  // the window from outside (the tests): a registered message, as any other
  // process can send it and read the answer.
  static const UINT pageShown = RegisterWindowMessageA("VORNAK95:HtmlPageShown");
  if (message == pageShown && pageShown) return pageShown_ ? 1 : 0;
  switch (message) {
    case WM_SIZE: OnSize(LOWORD(lParam)); return 0;
    case WM_ERASEBKGND: return 1;  // OnPaint fills every pixel
    case WM_PAINT: OnPaint(); return 0;
    case WM_VSCROLL: OnVScroll(LOWORD(wParam)); return 0;
    case 0x020A /* WM_MOUSEWHEEL */: ScrollTo(scroll_ - 3 * kLineStep * static_cast<short>(HIWORD(wParam)) / 120); return 0;
    case WM_LBUTTONDOWN: SetFocus(window_); return 0;
    case WM_KEYDOWN: OnKeyDown(static_cast<UINT>(wParam)); return 0;
    case WM_SETCURSOR: SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW))); return TRUE;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

void CHtmlViewCtl::MakeFonts() {
  LOGFONTA lf = {};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
  const LONG base = lf.lfHeight ? lf.lfHeight : -11;  // negative: character height
  lf.lfHeight = base * 4 / 3;
  bodyFont_ = CreateFontIndirectA(&lf);
  lf.lfWeight = FW_BOLD;
  lf.lfHeight = base * 5 / 3;
  headingFont_ = CreateFontIndirectA(&lf);
  lf.lfHeight = base * 2;
  titleFont_ = CreateFontIndirectA(&lf);
}

void CHtmlViewCtl::Navigate(const std::string& path) {
  std::string bytes;
  pageShown_ = ReadPage(path, bytes);
  StartupTrace("start page read");
  const HtmlPage page = pageShown_ ? ExtractHtmlText(bytes) : UnreadablePage(path);
  StartupTrace("start page parsed");
  lines_.clear();
  if (!page.title.empty()) lines_.push_back({kTitle, page.title});
  for (const HtmlBlock& b : page.blocks) {
    const int kind = b.kind == HtmlBlock::kHeading ? b.level
                     : b.kind == HtmlBlock::kListItem ? kListItem : kParagraph;
    lines_.push_back({kind, b.text});
  }
  if (page.truncated) lines_.push_back({kParagraph, "(The rest of the page is not shown.)"});
  scroll_ = 0;
  Layout();
  InvalidateRect(window_, nullptr, TRUE);
}

HFONT CHtmlViewCtl::FontFor(int kind) const {
  if (kind == kTitle) return titleFont_;
  return kind <= 6 ? headingFont_ : bodyFont_;
}

// Heights depend only on the width, so they are measured once per width and
// painting draws just the lines in sight.
void CHtmlViewCtl::Layout() {
  // Before the first size notice there is no width to wrap the lines at; the
  // notice lays the page out.
  if (!window_ || width_ <= 0) return;
  HDC dc = GetDC(window_);
  HGDIOBJ old = SelectObject(dc, bodyFont_);
  TEXTMETRICA tm;
  GetTextMetricsA(dc, &tm);
  const int gap = tm.tmHeight / 2;
  int y = kMargin;
  for (Line& line : lines_) {
    SelectObject(dc, FontFor(line.kind));
    const int indent = line.kind == kListItem ? kBulletIndent : 0;
    RECT r = {kMargin + indent, 0, width_ - kMargin, 0};
    if (r.right <= r.left) r.right = r.left + 1;
    DrawTextA(dc, line.text.c_str(), static_cast<int>(line.text.size()), &r,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    const bool spaced = line.kind != kListItem;
    if (spaced && y > kMargin) y += gap;
    line.top = y;
    line.height = r.bottom - r.top;
    y += line.height + (line.kind <= 6 ? gap / 2 : 2);
  }
  SelectObject(dc, old);
  ReleaseDC(window_, dc);
  pageHeight_ = y + kMargin;
  ScrollTo(scroll_);
}

void CHtmlViewCtl::OnSize(int cx) {
  if (cx == width_) return;
  width_ = cx;
  Layout();
}

void CHtmlViewCtl::ScrollTo(int y) {
  RECT client;
  GetClientRect(window_, &client);
  const int maxScroll = pageHeight_ > client.bottom ? pageHeight_ - client.bottom : 0;
  y = y < 0 ? 0 : (y > maxScroll ? maxScroll : y);
  SCROLLINFO si = {sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, pageHeight_ - 1,
                   static_cast<UINT>(client.bottom), y, 0};
  SetScrollInfo(window_, SB_VERT, &si, TRUE);
  if (y != scroll_) {
    scroll_ = y;
    InvalidateRect(window_, nullptr, FALSE);
  }
}

void CHtmlViewCtl::OnVScroll(int code) {
  RECT client;
  GetClientRect(window_, &client);
  SCROLLINFO si = {};
  si.cbSize = sizeof si;
  si.fMask = SIF_TRACKPOS;
  GetScrollInfo(window_, SB_VERT, &si);
  switch (code) {
    case SB_LINEUP: ScrollTo(scroll_ - kLineStep); break;
    case SB_LINEDOWN: ScrollTo(scroll_ + kLineStep); break;
    case SB_PAGEUP: ScrollTo(scroll_ - client.bottom); break;
    case SB_PAGEDOWN: ScrollTo(scroll_ + client.bottom); break;
    case SB_THUMBTRACK: ScrollTo(si.nTrackPos); break;
  }
}

void CHtmlViewCtl::OnKeyDown(UINT key) {
  switch (key) {
    case VK_UP: OnVScroll(SB_LINEUP); break;
    case VK_DOWN: OnVScroll(SB_LINEDOWN); break;
    case VK_PRIOR: OnVScroll(SB_PAGEUP); break;
    case VK_NEXT: OnVScroll(SB_PAGEDOWN); break;
    case VK_HOME: ScrollTo(0); break;
    case VK_END: ScrollTo(pageHeight_); break;
  }
}

void CHtmlViewCtl::OnPaint() {
  StartupTrace("start page paint begins");
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  RECT client;
  GetClientRect(window_, &client);
  FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_WINDOW));
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ old = SelectObject(dc, bodyFont_);
  for (const Line& line : lines_) {
    const int top = line.top - scroll_;
    if (top + line.height < ps.rcPaint.top) continue;
    if (top > ps.rcPaint.bottom) break;
    SelectObject(dc, FontFor(line.kind));
    SetTextColor(dc, line.kind <= 6 ? RGB(0, 0, 128) : GetSysColor(COLOR_WINDOWTEXT));
    const int indent = line.kind == kListItem ? kBulletIndent : 0;
    if (line.kind == kListItem) {
      TEXTMETRICA tm;
      GetTextMetricsA(dc, &tm);
      const int cy = top + tm.tmAscent / 2 + 1;
      RECT bullet = {kMargin + 5, cy - 2, kMargin + 10, cy + 3};
      FillRect(dc, &bullet, GetSysColorBrush(COLOR_WINDOWTEXT));
    }
    RECT r = {kMargin + indent, top, client.right - kMargin, top + line.height};
    DrawTextA(dc, line.text.c_str(), static_cast<int>(line.text.size()), &r,
              DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  }
  SelectObject(dc, old);
  EndPaint(window_, &ps);
  StartupTrace("start page painted");
}

}  // namespace vornak

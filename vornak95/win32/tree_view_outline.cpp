#include "vornak95/win32/tree_view_outline.h"

#include <windows.h>
#include <commctrl.h>

namespace vornak {

namespace {
bool g_commonControlsReady = false;
HTREEITEM AsTreeItem(Item item) { return reinterpret_cast<HTREEITEM>(item); }
Item AsItem(HTREEITEM item) { return reinterpret_cast<Item>(item); }
}  // namespace

bool TreeViewOutline::Create(uintptr_t parentWindow, int top, int left, int height, int width,
                             uint32_t id, uint32_t style) {
  if (!g_commonControlsReady) {
    InitCommonControls();
    g_commonControlsReady = true;
  }
  HWND parent = reinterpret_cast<HWND>(parentWindow);
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongA(parent, GWL_HINSTANCE));
  control_ = CreateWindowExA(0, WC_TREEVIEWA, "Tree View", style, left, top, width, height,
                             parent, reinterpret_cast<HMENU>(static_cast<uintptr_t>(id)),
                             instance, nullptr);
  // A fixed-pitch font is made and selected into the control's DC once; the
  // control is not sent it, so items keep the control's own font.
  font_ = CreateFontA(0, 0, 0, 0, 0, 1, 0, 0, OEM_CHARSET, 0, 0, PROOF_QUALITY, FIXED_PITCH,
                      "MODERN");
  if (font_ && control_) {
    HDC dc = GetDC(control_);
    SelectObject(dc, font_);
    ReleaseDC(control_, dc);
  }
  return control_ != nullptr;
}

Item TreeViewOutline::FirstChild(Item parent) {
  return AsItem(reinterpret_cast<HTREEITEM>(
      SendMessageA(control_, TVM_GETNEXTITEM, parent ? TVGN_CHILD : TVGN_ROOT,
                   reinterpret_cast<LPARAM>(AsTreeItem(parent)))));
}

Item TreeViewOutline::NextSibling(Item item) {
  return AsItem(reinterpret_cast<HTREEITEM>(
      SendMessageA(control_, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(AsTreeItem(item)))));
}

Item TreeViewOutline::Root() {
  return AsItem(reinterpret_cast<HTREEITEM>(SendMessageA(control_, TVM_GETNEXTITEM, TVGN_ROOT, 0)));
}

std::string TreeViewOutline::Text(Item item) {
  char buffer[256] = {0};
  TVITEMA record = {};
  record.mask = TVIF_TEXT;
  record.hItem = AsTreeItem(item);
  record.pszText = buffer;
  record.cchTextMax = sizeof buffer;
  SendMessageA(control_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&record));
  buffer[255] = 0;
  return buffer;
}

Item TreeViewOutline::Insert(Item parent, Item after, const std::string& text) {
  TVINSERTSTRUCTA insert = {};
  insert.hParent = parent ? AsTreeItem(parent) : TVI_ROOT;
  insert.hInsertAfter = after ? AsTreeItem(after) : TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM;
  insert.item.pszText = const_cast<char*>(text.c_str());
  insert.item.lParam = -1;
  return AsItem(reinterpret_cast<HTREEITEM>(
      SendMessageA(control_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert))));
}

intptr_t TreeViewOutline::Expand(Item item, uint32_t code) {
  return SendMessageA(control_, TVM_EXPAND, code, reinterpret_cast<LPARAM>(AsTreeItem(item)));
}

intptr_t TreeViewOutline::SelectItem(Item item, uint32_t code) {
  return SendMessageA(control_, TVM_SELECTITEM, code, reinterpret_cast<LPARAM>(AsTreeItem(item)));
}

intptr_t TreeViewOutline::DeleteAll() {
  return SendMessageA(control_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

intptr_t TreeViewOutline::DeleteItem(Item item) {
  return SendMessageA(control_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(AsTreeItem(item)));
}

intptr_t TreeViewOutline::Show(int command) { return ShowWindow(control_, command); }

intptr_t TreeViewOutline::Send(uint32_t message, uintptr_t wParam, intptr_t lParam) {
  return SendMessageA(control_, message, wParam, lParam);
}

void TreeViewOutline::DeleteFont() {
  if (font_) DeleteObject(font_);
  font_ = nullptr;
}

void TreeViewOutline::Move(int x, int y, int width, int height) {
  MoveWindow(control_, x, y, width, height, TRUE);
}

bool TreeViewOutline::TextEqual(const std::string& a, const std::string& b) const {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// lstrcmpiA is CompareStringA of the thread's locale ignoring case, and that
// calls equal far more than upper-case twins. Under code page 932 (Wine 8):
// full-width letters of either case, the mm sign 0x87 0x6F and "mm", the
// prolonged-sound and repeat marks among themselves, the voiced-sound marks
// of either width; under 1252 '^' and the modifier circumflex 0x88, and a soft
// hyphen counts for nothing. The sort key under the same locale and flags is
// equal exactly when the comparison is, so lines it merges share a bucket.
std::string TreeViewOutline::EqualityKey(const std::string& text) const {
  const LCID locale = GetThreadLocale();
  const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
  const int size = LCMapStringA(locale, flags, text.c_str(), -1, nullptr, 0);
  // A system without sort keys fails every text alike: one bucket, searched
  // linearly, is slow but still right.
  if (size <= 0) return std::string();
  std::string key(static_cast<size_t>(size), '\0');
  if (LCMapStringA(locale, flags, text.c_str(), -1, &key[0], size) != size) return std::string();
  return key;
}

}  // namespace vornak

// The widget under the report tree: an outline of text items. Two backends:
// the SysTreeView32 control (vornak95/win32/tree_view_outline.*) and an in-memory
// outline (report/memory_outline.*) for tests and replays.
#pragma once

#include <cstdint>
#include <string>

namespace vornak {

using Item = uintptr_t;       // an opaque item handle
inline constexpr Item kNoItem = 0;  // none; as a parent: the root level

// The tree-view codes the report uses (TVE_*, TVGN_*).
enum : uint32_t {
  kExpandCollapse = 1, kExpandExpand = 2, kExpandToggle = 3, kExpandPartial = 0x8000,
  kGetRoot = 0, kGetNext = 1, kGetChild = 4,
  kSelectFirstVisible = 5, kSelectDropHilite = 8, kSelectCaret = 9,
};

class Outline {
 public:
  virtual ~Outline() = default;

  // Creates the widget; false when it could not be made.
  virtual bool Create(uintptr_t parentWindow, int top, int left, int height, int width,
                      uint32_t id, uint32_t style) = 0;
  virtual bool Exists() const = 0;
  virtual Item FirstChild(Item parent) = 0;  // of the root level for kNoItem
  virtual Item NextSibling(Item item) = 0;
  virtual Item Root() = 0;
  // The item's text as the control gives it back: at most 255 characters.
  virtual std::string Text(Item item) = 0;
  // Inserts after `after` (kNoItem: at the end of an empty child list).
  virtual Item Insert(Item parent, Item after, const std::string& text) = 0;
  virtual intptr_t Expand(Item item, uint32_t code) = 0;
  virtual intptr_t SelectItem(Item item, uint32_t code) = 0;
  virtual intptr_t DeleteAll() = 0;
  virtual intptr_t DeleteItem(Item item) = 0;
  virtual intptr_t Show(int command) = 0;
  virtual intptr_t Send(uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
  virtual void DeleteFont() {}
  virtual void Move(int x, int y, int width, int height) { (void)x, (void)y, (void)width, (void)height; }
  // Line equality, ignoring case.
  virtual bool TextEqual(const std::string& a, const std::string& b) const;
  // A key that two texts share whenever TextEqual calls them equal (it may
  // be shared by unequal texts too): the report tree's index of lines.
  virtual std::string EqualityKey(const std::string& text) const;
};

// Case-insensitive equality that folds single-byte ASCII letters only and
// steps over Shift-JIS double-byte characters whole, so a trail byte that
// happens to look like a letter (0x40-0x7E) is compared exactly.
bool SjisTextEqualIgnoringCase(const std::string& a, const std::string& b);

}  // namespace vornak

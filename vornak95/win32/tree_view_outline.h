// The report outline on the SysTreeView32 common control.
#pragma once

#include <windows.h>

#include "report/outline.h"

namespace vornak {

class TreeViewOutline : public Outline {
 public:
  ~TreeViewOutline() override { DeleteFont(); }
  bool Create(uintptr_t parentWindow, int top, int left, int height, int width, uint32_t id,
              uint32_t style) override;
  bool Exists() const override { return control_ != nullptr; }
  Item FirstChild(Item parent) override;
  Item NextSibling(Item item) override;
  Item Root() override;
  std::string Text(Item item) override;
  Item Insert(Item parent, Item after, const std::string& text) override;
  intptr_t Expand(Item item, uint32_t code) override;
  intptr_t SelectItem(Item item, uint32_t code) override;
  intptr_t DeleteAll() override;
  intptr_t DeleteItem(Item item) override;
  intptr_t Show(int command) override;
  intptr_t Send(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
  void DeleteFont() override;
  void Move(int x, int y, int width, int height) override;
  bool TextEqual(const std::string& a, const std::string& b) const override;
  std::string EqualityKey(const std::string& text) const override;

  HWND Control() const { return control_; }

 private:
  HWND control_ = nullptr;
  HFONT font_ = nullptr;
};

}  // namespace vornak

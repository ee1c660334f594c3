// The report: an append-only outline of text lines with an optional log file.
//
// AddItem is idempotent per parent: a child whose text is equal ignoring case
// is returned instead of adding a line, so header lines are simply added by
// every section that needs them. While logging is on, every line really added
// is appended to the log file with CR LF, in the order of addition.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <map>
#include <vector>

#include "report/outline.h"
#include "report/report_log.h"

namespace vornak {

class ReportTree {
 public:
  explicit ReportTree(Outline& outline) : outline_(outline) {}

  void SetBaseStyle(uint32_t style) { baseStyle_ = style; }
  uint32_t BaseStyle() const { return baseStyle_; }
  void SetControlId(uint32_t id) { controlId_ = id; }
  // With a path: logging on, into that file (opened with the first line).
  // With nullptr: logging off and the file closed; the path stays.
  void SetLogFile(const char* path, LogFiles& files = SystemLogFiles());
  // Logging on into a log of the caller's (nullptr: off, as above).
  void SetLog(ReportLog* log);
  bool Logging() const { return log_ != nullptr; }
  // Every line logged so far onto the disk (ReportLog::Commit).
  void CommitLog() {
    if (log_) log_->Commit();
  }
  const std::string& LogPath() const { return logPath_; }
  // Why the current or last log is incomplete; "" when every line got there.
  std::string LogFailure() const { return log_ ? log_->Failure() : lastFailure_; }

  // Creates the control (with the tree styles added to the base style).
  bool CreateControl(uintptr_t parentWindow, int top, int left, int height, int width);

  Item AddItem(Item parent, const std::string& text);
  Item AddRootItem(const std::string& text) { return AddItem(kNoItem, text); }

  intptr_t Expand(Item item) { return outline_.Expand(item, kExpandExpand); }
  intptr_t Collapse(Item item) { return outline_.Expand(item, kExpandCollapse); }
  intptr_t Toggle(Item item) { return outline_.Expand(item, kExpandToggle); }
  intptr_t ExpandPartial(Item item) { return outline_.Expand(item, kExpandPartial); }
  intptr_t Select(Item item) { return outline_.SelectItem(item, kSelectFirstVisible); }
  intptr_t SelectWith(Item item, uint32_t code) { return outline_.SelectItem(item, code); }
  intptr_t SelectDropHilite(Item item) { return outline_.SelectItem(item, kSelectDropHilite); }
  intptr_t SelectCaret(Item item) { return outline_.SelectItem(item, kSelectCaret); }
  Item GetRootItem() { return outline_.Root(); }
  intptr_t DeleteAll();
  intptr_t DeleteItem(Item item);
  intptr_t Show(int command) { return outline_.Show(command); }
  void DeleteFont() { outline_.DeleteFont(); }
  intptr_t SendToControl(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    return outline_.Send(message & 0xFFFF, wParam & 0xFFFF, lParam);
  }

  Outline& outline() { return outline_; }

 private:
  // Per parent: its children by a case-folded key, and its last child. The
  // search by key keeps a section near linear in its number of lines (a
  // win.ini of many thousand lines under one header); equality is still
  // decided by the outline's own comparison. Built from the outline on first
  // use of a parent, dropped whenever items are deleted. Ordered maps, not
  // hash tables: the prebuilt library's rehash policy is compiled with CMOV,
  // which the Pentium and 486 lack (platform/win32/runtime/).
  struct Children {
    std::map<std::string, std::vector<Item>> byKey;
    Item last = kNoItem;
  };
  Children& ChildrenOf(Item parent);
  std::string Key(const std::string& text) const;

  Outline& outline_;
  std::map<Item, Children> children_;
  void EndLog();

  std::unique_ptr<FileLog> ownLog_;
  ReportLog* log_ = nullptr;
  std::string logPath_;
  std::string lastFailure_;
  uint32_t controlId_ = 0;
  uint32_t baseStyle_ = 0;
};

}  // namespace vornak

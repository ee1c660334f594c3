#include "report/report_tree.h"

namespace vornak {

namespace {
// TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT
constexpr uint32_t kTreeStyles = 0x1 | 0x2 | 0x4;
constexpr size_t kMaxLogPath = 255;
}  // namespace

void ReportTree::SetLogFile(const char* path, LogFiles& files) {
  EndLog();
  if (!path) return;
  logPath_.assign(path, 0, kMaxLogPath);
  ownLog_ = std::make_unique<FileLog>(logPath_, files);
  log_ = ownLog_.get();
}

void ReportTree::SetLog(ReportLog* log) {
  EndLog();
  log_ = log;
}

void ReportTree::EndLog() {
  if (!log_) return;
  log_->Close();
  lastFailure_ = log_->Failure();
  log_ = nullptr;
  ownLog_.reset();
}

bool ReportTree::CreateControl(uintptr_t parentWindow, int top, int left, int height, int width) {
  return outline_.Create(parentWindow, top, left, height, width, controlId_,
                         baseStyle_ | kTreeStyles);
}

Item ReportTree::AddItem(Item parent, const std::string& raw) {
  // The control takes C strings: a text ends at its first NUL, in the tree
  // and in the log alike.
  const std::string text = raw.substr(0, raw.find('\0'));
  Children& siblings = ChildrenOf(parent);
  // A text longer than 255 characters is never found: the control gives back
  // only 255, so its key can match no stored one.
  std::vector<Item>& bucket = siblings.byKey[Key(text)];
  if (text.size() <= 255)
    for (Item c : bucket)
      if (outline_.TextEqual(outline_.Text(c), text)) return c;
  if (log_) log_->Append(text);
  Item item = outline_.Insert(parent, siblings.last, text);
  if (item != kNoItem) {
    bucket.push_back(item);
    siblings.last = item;
  }
  return item;
}

// The key under which a line is indexed: that of its first 255 characters,
// as the control gives a text back.
std::string ReportTree::Key(const std::string& text) const {
  return outline_.EqualityKey(text.substr(0, 255));
}

ReportTree::Children& ReportTree::ChildrenOf(Item parent) {
  auto found = children_.find(parent);
  if (found != children_.end()) return found->second;
  Children& c = children_[parent];
  for (Item i = outline_.FirstChild(parent); i != kNoItem; i = outline_.NextSibling(i)) {
    c.byKey[Key(outline_.Text(i))].push_back(i);
    c.last = i;
  }
  return c;
}

intptr_t ReportTree::DeleteAll() {
  if (!outline_.Exists()) return 0;
  children_.clear();
  return outline_.DeleteAll();
}

intptr_t ReportTree::DeleteItem(Item item) {
  if (item == kNoItem || !outline_.Exists()) return 0;
  children_.clear();
  return outline_.DeleteItem(item);
}

}  // namespace vornak

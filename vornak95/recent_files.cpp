#include "vornak95/recent_files.h"

#include "report/outline.h"

namespace vornak {

namespace {

// File names fold ASCII letters only, and a Shift-JIS character whole: "表a"
// and "表A" are one name, "\x83\x61" and "\x83\x41" two.
bool SameName(const std::string& a, const std::string& b) { return SjisTextEqualIgnoringCase(a, b); }

}  // namespace

void RecentFileList::Load(const std::function<std::string(const std::string& key)>& read) {
  int n = 0;
  // Blank entries are skipped so that the list stays packed at the front.
  for (int i = 0; i < kSize; ++i) {
    std::string value = read("File" + std::to_string(i + 1));
    if (!value.empty()) entries_[n++] = value;
  }
  for (; n < kSize; ++n) entries_[n].clear();
}

void RecentFileList::Add(const std::string& path) {
  if (path.empty()) return;
  int found = kSize - 1;
  for (int i = 0; i < kSize; ++i) {
    if (SameName(entries_[i], path) || entries_[i].empty()) {
      found = i;
      break;
    }
  }
  for (int i = found; i > 0; --i) entries_[i] = entries_[i - 1];
  entries_[0] = path;
}

}  // namespace vornak

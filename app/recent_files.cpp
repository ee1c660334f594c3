#include "app/recent_files.h"

namespace vornak {

namespace {

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

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

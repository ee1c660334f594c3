// The recent-file list that the application profile keeps: four entries,
// most recent first. The program reads nothing from it; it exists because a
// document opened with Ctrl+O is remembered the way any document would be.
#pragma once

#include <array>
#include <functional>
#include <string>

namespace vornak {

class RecentFileList {
 public:
  static constexpr int kSize = 4;

  // read(key) answers the profile entry "File1" .. "File4" ("" when absent).
  void Load(const std::function<std::string(const std::string& key)>& read);
  // Moves path to the front; a path already listed (ignoring case) moves up.
  void Add(const std::string& path);
  const std::string& operator[](int i) const { return entries_[i]; }

 private:
  std::array<std::string, kSize> entries_;
};

}  // namespace vornak

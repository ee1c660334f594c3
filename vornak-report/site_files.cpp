// What --site's file system does alike on every system: the old site looked
// at once moved aside, and the work folders' names told by their text.
#include "vornak-report/site_files.h"

#include "vornak-report/paths.h"

namespace vornak::site {

Replaced ReplaceFromAside(const std::string& fresh, const std::string& target, const std::string& aside,
                          const std::string& marker) {
  // Looked at where it was moved, not where it stood at the start: the user
  // may have put a folder of theirs (or a file) there since.
  std::string error;
  if (InspectPlace(aside, marker) == Place::kOther) {
    if (MoveFolder(aside, target, error)) return {Replaced::kRefused, "", ""};
    return {Replaced::kRefused, error, aside};
  }
  if (!MoveFolder(fresh, target, error)) {
    std::string back;
    return {Replaced::kFailed, error, MoveFolder(aside, target, back) ? "" : aside};
  }
  RemoveTree(aside);
  return {};
}

std::string WorkFolderOwner(const std::string& folder, const std::string& target) {
  const std::string name = Base(folder), prefix = "." + Base(target) + ".";
  if (name.compare(0, prefix.size(), prefix) != 0) return "";
  const std::string kind = name.substr(prefix.size(), 4);
  return kind == "new-" || kind == "old-" ? Join(Parent(folder), Base(target)) : "";
}

}  // namespace vornak::site

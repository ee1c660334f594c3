// What --site's file system does alike on every system: the work folders'
// names, told by their text.
#include "vornak-report/site_files.h"

#include "vornak-report/paths.h"

namespace vornak::site {

std::string WorkFolderOwner(const std::string& folder, const std::string& target) {
  const std::string name = Base(folder), prefix = "." + Base(target) + ".";
  if (name.compare(0, prefix.size(), prefix) != 0) return "";
  const std::string kind = name.substr(prefix.size(), 4);
  return kind == "new-" || kind == "old-" ? Join(Parent(folder), Base(target)) : "";
}

}  // namespace vornak::site

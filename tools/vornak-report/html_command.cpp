#include "tools/vornak-report/html_command.h"

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

#include "app/profile_replay.h"
#include "tools/vornak-report/html_page.h"

namespace vornak::html {

std::vector<ReportLine> ReplayReport(profile::Profile profile) {
  MemoryOutline tree;
  ReplayProfile(std::move(profile), tree, nullptr);
  return LinesOf(tree);
}

namespace {

std::string BaseName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int WriteHtmlReport(const std::vector<std::string>& profilePaths, const std::string& outputPath, std::FILE* err) {
  if (profilePaths.empty()) {
    std::fprintf(err, "vornak-report: --html needs at least one profile\n");
    return 2;
  }
  if (profilePaths.size() > kMaxProfiles) {
    std::fprintf(err, "vornak-report: at most %zu profiles on one page, %zu given\n", kMaxProfiles,
                 profilePaths.size());
    return 2;
  }
  // Every profile is read before anything is written: one bad profile and
  // there is no page.
  std::vector<profile::Profile> profiles;
  for (const std::string& path : profilePaths) {
    try {
      profiles.push_back(profile::Profile::Load(path));
    } catch (const profile::ProfileError& e) {
      std::fprintf(err, "vornak-report: %s\n", e.what());
      return 2;
    }
  }
  std::vector<PageMachine> machines;
  for (size_t i = 0; i < profiles.size(); ++i) {
    PageMachine pm;
    pm.report = ReplayReport(std::move(profiles[i]));
    pm.facts = ReadFacts(pm.report, BaseName(profilePaths[i]));
    machines.push_back(std::move(pm));
  }
  const std::string page = BuildPage(machines);

  std::FILE* out = std::fopen(outputPath.c_str(), "wb");
  if (!out) {
    std::fprintf(err, "vornak-report: cannot write %s: %s\n", outputPath.c_str(), std::strerror(errno));
    return 1;
  }
  bool ok = std::fwrite(page.data(), 1, page.size(), out) == page.size();
  int error = ok ? 0 : errno;
  if (std::fclose(out) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    std::fprintf(err, "vornak-report: cannot write %s: %s\n", outputPath.c_str(), std::strerror(error));
    // A half-written page is no page; a device such as /dev/full stays.
    struct stat st;
    if (stat(outputPath.c_str(), &st) == 0 && S_ISREG(st.st_mode)) std::remove(outputPath.c_str());
    return 1;
  }
  return 0;
}

}  // namespace vornak::html

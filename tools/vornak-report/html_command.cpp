#include "tools/vornak-report/html_command.h"

#include "app/profile_replay.h"
#include "tools/vornak-report/html_page.h"
#include "tools/vornak-report/output_file.h"

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

  std::string reason;
  if (!WriteOutputFile(outputPath, page, reason)) {
    std::fprintf(err, "vornak-report: cannot write %s: %s\n", outputPath.c_str(), reason.c_str());
    return 1;
  }
  return 0;
}

}  // namespace vornak::html

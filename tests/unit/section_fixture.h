// A report tree over a replayed machine, for tests of single sections.
#pragma once

#include <string>

#include "report/report_tree.h"
#include "test_support.h"

namespace vornak::test {

struct SectionReport {
  explicit SectionReport(const std::string& profileLines, const char* rootText = "CPU")
      : machine(MachineFrom(profileLines)), root(a.Add(kNoItem, rootText)) {}

  std::vector<std::string> Lines(Item parent) const { return ChildTexts(outline, parent); }

  MemoryOutline outline;
  ReportTree tree{outline};
  RecordingShell shell;
  ProfileMachine machine;
  Analysis a{tree, machine, shell};
  Item root;
};

inline std::string FixtureText(const std::string& relative) {
  return ReadFile(std::string(VORNAK_SOURCE_DIR) + "/tests/profiles/" + relative);
}

}  // namespace vornak::test

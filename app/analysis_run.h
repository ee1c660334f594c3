// The analysis run and the commands that start it. One ReportHost owns the
// program's single report tree on behalf of the view.
#pragma once

#include <memory>
#include <string>

#include "app/analysis.h"

namespace vornak {

inline constexpr const char* kLogFileName = "VORNAK95.LOG";

class ReportHost {
 public:
  ReportHost(Machine& machine, Shell& shell) : machine_(machine), shell_(shell) {}

  // Creates the tree hidden, as a child of the view, at a provisional size
  // that the view's first size notice replaces.
  void CreateTree(Outline& outline, uintptr_t viewWindow, int width, int height);
  void ResizeTree(int cx, int cy);
  void ShowTree(int command);
  void ClearTree();

  void RunAnalysis(const char* logPath);
  void StartAnalyzCommand();
  void SaveLogCommand();
  void SaveAndOpenLogCommand();

  ReportTree* tree() { return tree_.get(); }

 private:
  Machine& machine_;
  Shell& shell_;
  std::unique_ptr<ReportTree> tree_;
  uintptr_t view_ = 0;
};

}  // namespace vornak

// The analysis run and the commands that start it. One ReportHost owns the
// program's single report tree on behalf of the view.
#pragma once

#include <memory>
#include <string>

#include "report/analysis.h"

namespace vornak {

inline constexpr const char* kLogFileName = "VORNAK95.LOG";

class ReportHost {
 public:
  ReportHost(Machine& machine, Shell& shell, LogFiles& files = SystemLogFiles())
      : machine_(machine), shell_(shell), files_(files) {}

  // Creates the tree hidden, as a child of the view, at a provisional size
  // that the view's first size notice replaces.
  void CreateTree(Outline& outline, uintptr_t viewWindow, int width, int height);
  void ResizeTree(int cx, int cy);
  void ShowTree(int command);
  void ClearTree();

  // A run that logs into the file of that name (deleted first), or into
  // nothing for nullptr. An old log that cannot be deleted is left as it is
  // and this run's log is not written: the run goes on in the tree, and
  // LogFailure() says why.
  void RunAnalysis(const char* logPath);
  // A run that logs into a log of the caller's (the replay tool's memory).
  void RunAnalysis(ReportLog& log);
  void StartAnalyzCommand();
  void SaveLogCommand();
  void SaveAndOpenLogCommand();
  // Why the last run's log is incomplete or missing ("FILE: reason"), a run
  // stopped by an exception included; "" when it was written whole or the
  // run wrote none.
  const std::string& LogFailure() const { return logFailure_; }
  // True while a run is in progress: a second one is refused, not nested.
  bool Running() const { return running_; }

  ReportTree* tree() { return tree_.get(); }

 private:
  class RunEnd;
  Machine& machine_;
  Shell& shell_;
  LogFiles& files_;
  void Run(const char* logPath, ReportLog* log);

  std::unique_ptr<ReportTree> tree_;
  uintptr_t view_ = 0;
  std::string logFailure_;
  bool running_ = false;
};

}  // namespace vornak

// What every report section works with: the report tree, the machine it
// describes and the window around the run.
#pragma once

#include <string>

#include "platform/machine.h"
#include "report/report_tree.h"

namespace vornak {

// The few things a run needs of the program's windows. The live shell
// implements them on its frame and view; tests and replays use a quiet one.
class Shell {
 public:
  virtual ~Shell() = default;
  // The status bar's first pane, repainted at once: the run keeps the thread
  // busy, so nothing else would repaint it.
  virtual void SetStatusText(const std::string& text) = 0;
  virtual std::string StatusText() = 0;
  virtual void RepaintView() {}   // the view, erased, without the hidden tree
  virtual void FocusTree() {}     // SetFocus, SetActiveWindow, SetForegroundWindow
  virtual void HideHtmlPane() {}
  virtual void OpenLogInEditor(const std::string& commandLine) { (void)commandLine; }
  // A log that could not be written whole ("FILE: reason"), after the run.
  virtual void ReportLogFailure(const std::string& failure) { (void)failure; }
};

struct Analysis {
  ReportTree& tree;
  Machine& machine;
  Shell& shell;

  Item Add(Item parent, const std::string& text) { return tree.AddItem(parent, text); }
  // A new status text starts a new step of the run, so the log is committed
  // first: a step that hangs the machine leaves every line before it on the
  // disk. (The hang-prone questions inside a step commit on their own: see
  // run/committing_machine.h.)
  void Status(const std::string& text) {
    tree.CommitLog();
    shell.SetStatusText(text);
  }
};

// GetVersion word → 0 Win32s, 1 Windows 95 family, 2 Windows NT.
enum PlatformKind { kWin32s = 0, kWindows95 = 1, kWindowsNT = 2 };
PlatformKind PlatformKindOf(uint32_t version);
inline uint32_t MajorVersion(uint32_t v) { return v & 0xFF; }
inline uint32_t MinorVersion(uint32_t v) { return (v >> 8) & 0xFF; }

}  // namespace vornak

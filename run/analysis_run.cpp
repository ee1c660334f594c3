#include "run/analysis_run.h"

#include "probes/directx_section.h"
#include "probes/drive_info.h"
#include "probes/ini_files.h"
#include "probes/system_section.h"
#include "probes/window_list.h"
#include "report/wsformat.h"
#include "run/committing_machine.h"

namespace vornak {

PlatformKind PlatformKindOf(uint32_t v) {
  if (!(v & 0x80000000u)) return kWindowsNT;
  return MajorVersion(v) >= 4 ? kWindows95 : kWin32s;
}

void ReportHost::CreateTree(Outline& outline, uintptr_t viewWindow, int width, int height) {
  view_ = viewWindow;
  tree_ = std::make_unique<ReportTree>(outline);
  tree_->SetControlId(0);
  // WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_BORDER
  tree_->SetBaseStyle(0x56800000);
  tree_->CreateControl(viewWindow, 2, 2, height, width);
  ShowTree(0);
}

void ReportHost::ResizeTree(int cx, int cy) {
  if (tree_ && tree_->outline().Exists()) tree_->outline().Move(10, 10, cx - 20, cy - 20);
}

void ReportHost::ShowTree(int command) {
  if (tree_) tree_->Show(command & 0xFFFF);
}

void ReportHost::ClearTree() {
  if (tree_) tree_->DeleteAll();
}

void ReportHost::RunAnalysis(const char* logPath) { Run(logPath, nullptr); }

void ReportHost::RunAnalysis(ReportLog& log) { Run(nullptr, &log); }

namespace {
// Clears the running flag however the run ends.
struct RunningFlag {
  explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~RunningFlag() { flag_ = false; }
  bool& flag_;
};
}  // namespace

// Ends a run however it ends, a section that throws included: the status
// text back, the log closed and its failure kept (no handle outlives the run:
// on Windows 9x an open file can be neither deleted nor renamed), the tree
// shown. Finish() is the normal end; without it the destructor does the same
// for a run that was stopped, each step on its own and nothing thrown out.
class ReportHost::RunEnd {
 public:
  RunEnd(ReportHost& host, std::string savedStatus)
      : host_(host), saved_(std::move(savedStatus)) {}
  ~RunEnd() {
    if (finished_) return;
    try {
      host_.shell_.SetStatusText(saved_);
    } catch (...) {
    }
    try {
      EndLog(true);
    } catch (...) {
    }
    try {
      host_.ShowTree(1);
    } catch (...) {
    }
  }
  RunEnd(const RunEnd&) = delete;
  RunEnd& operator=(const RunEnd&) = delete;

  bool fileLog = false;  // the run writes a log file of its own

  void Finish() {
    finished_ = true;
    host_.shell_.SetStatusText(saved_);
    EndLog(false);
    host_.ShowTree(1);
  }

 private:
  void EndLog(bool stopped) {
    ReportTree& tree = *host_.tree_;
    if (!tree.Logging()) return;  // none, or an old log that could not be deleted
    tree.SetLogFile(nullptr);
    host_.logFailure_ = tree.LogFailure();
    if (stopped && fileLog && host_.logFailure_.empty())
      host_.logFailure_ = tree.LogPath() + ": the log is incomplete: the run was stopped";
  }

  ReportHost& host_;
  std::string saved_;
  bool finished_ = false;
};

void ReportHost::Run(const char* logPath, ReportLog* log) {
  // A run services no messages of its own, but one sent from another thread
  // (or a window it broadcasts to) can still arrive while it waits.
  if (!tree_ || running_) return;
  RunningFlag running(running_);
  ReportTree& tree = *tree_;
  CommittingMachine machine(machine_, tree);
  Analysis a{tree, machine, shell_};
  logFailure_.clear();
  RunEnd end(*this, shell_.StatusText().substr(0, 79));

  ShowTree(0);
  shell_.RepaintView();
  if (logPath) {
    // An old log that cannot be deleted (another program holds it open) is
    // left alone: appending to it would pass an old run for this one.
    logFailure_ = RemoveOldLog(logPath, files_);
    if (logFailure_.empty()) {
      tree.SetLogFile(logPath, files_);
      end.fileLog = true;
    }
  } else if (log) {
    tree.SetLog(log);
  }
  a.Status("System Analyzing");

  const uint32_t v = machine.GetVersion();
  static const char* const kPlatformNames[] = {"Win32s", "Windows 95/98/98SE [chicago] ",
                                               "Windows NT/2000"};
  const Item root = tree.AddRootItem(
      WsFormat("VORNAK for Windows95 [%s mode]", kPlatformNames[PlatformKindOf(v)]));
  a.Add(root, WsFormat("OS Version:%.d.%d", static_cast<int>(MajorVersion(v)),
                       static_cast<int>(MinorVersion(v))));
  tree.Select(root);
  const uint32_t ver = machine.Nuvash32Version() & 0xFFFF;
  a.Add(root, WsFormat("NUVASH32 Version : %.2x.%.2x", ver >> 8, ver & 0xFF));

  a.Status("System Analyzing[DirectX]");
  DirectXSection(a, root);

  a.Status("System Analyzing[Windows Status]");
  const Item windows = a.Add(root, "Windows");
  SystemSection(a, a.Add(windows, "System"), root);

  a.Status("Analyz:Win Thread");
  WindowListSection(a, a.Add(windows, "Thread"));

  a.Status("Analyz:Initial File");
  const Item initial = a.Add(root, "Initial File");
  WinIniSection(a, a.Add(initial, "WIN.INI"));
  SystemIniSection(a, a.Add(initial, "SYSTEM.INI"));
  tree.Expand(initial);

  a.Status("Analyz:Drive Info");
  DriveSection(a, a.Add(root, "Drive Info"));
  tree.Expand(root);

  shell_.FocusTree();
  end.Finish();
}

void ReportHost::StartAnalyzCommand() {
  if (running_) return;
  RunAnalysis(nullptr);
  shell_.HideHtmlPane();
}

void ReportHost::SaveLogCommand() {
  if (running_) return;
  ClearTree();
  RunAnalysis(kLogFileName);
  shell_.HideHtmlPane();
  if (!logFailure_.empty()) shell_.ReportLogFailure(logFailure_);
}

// The editor is started only on a log that was written: on a failed one it
// would show an old file, or none, as if it were this run's.
void ReportHost::SaveAndOpenLogCommand() {
  if (running_) return;
  RunAnalysis(kLogFileName);
  if (!logFailure_.empty()) shell_.ReportLogFailure(logFailure_);
  else shell_.OpenLogInEditor(std::string("NOTEPAD.EXE ") + kLogFileName);
}

}  // namespace vornak

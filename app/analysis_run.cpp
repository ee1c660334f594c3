#include "app/analysis_run.h"

#include <cstdio>

#include "app/wsformat.h"
#include "probes/directx_section.h"
#include "probes/drive_info.h"
#include "probes/ini_files.h"
#include "probes/system_section.h"
#include "probes/window_list.h"

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

void ReportHost::RunAnalysis(const char* logPath) {
  if (!tree_) return;
  ReportTree& tree = *tree_;
  Analysis a{tree, machine_, shell_};

  ShowTree(0);
  shell_.RepaintView();
  if (logPath) {
    std::remove(logPath);
    tree.SetLogFile(logPath);
  }
  const std::string saved = shell_.StatusText().substr(0, 79);
  a.Status("System Analyzing");

  const uint32_t v = machine_.GetVersion();
  static const char* const kPlatformNames[] = {"Win32s", "Windows 95/98/98SE [chicago] ",
                                               "Windows NT/2000"};
  const Item root = tree.AddRootItem(
      WsFormat("VORNAK for Windows95 [%s mode]", kPlatformNames[PlatformKindOf(v)]));
  a.Add(root, WsFormat("OS Version:%.d.%d", static_cast<int>(MajorVersion(v)),
                       static_cast<int>(MinorVersion(v))));
  tree.Select(root);
  const uint32_t ver = machine_.Nuvash32Version() & 0xFFFF;
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
  a.Status(saved);
  tree.SetLogFile(nullptr);
  ShowTree(1);
}

void ReportHost::StartAnalyzCommand() {
  RunAnalysis(nullptr);
  shell_.HideHtmlPane();
}

void ReportHost::SaveLogCommand() {
  ClearTree();
  RunAnalysis(kLogFileName);
  shell_.HideHtmlPane();
}

void ReportHost::SaveAndOpenLogCommand() {
  RunAnalysis(kLogFileName);
  shell_.OpenLogInEditor(std::string("NOTEPAD.EXE ") + kLogFileName);
}

}  // namespace vornak

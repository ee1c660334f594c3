// VORNAK95.EXE start-up: the windows, the command-line switches and the
// message loop.
//
// Exit status: 0 done; 1 the log or the profile could not be written whole
// (the report still ran to its end); 2 a command line that batch mode cannot
// follow; 3 an error stopped the program (out of memory, say). Batch mode
// says why on standard error, one line per failure.
#include <windows.h>

#include <cstdio>
#include <memory>

#include "platform/profile/profile_machine.h"
#include "platform/win32/live_machine.h"
#include "platform/x87_precision.h"
#include "res/resource.h"
#include "vornak95/command_line.h"
#include "vornak95/win32/application.h"
#include "vornak95/win32/failure.h"
#include "vornak95/win32/startup_trace.h"

using namespace vornak;

namespace {

constexpr int kExitOk = 0, kExitNotWritten = 1, kExitCommandLine = 2, kExitStopped = 3;

const char kSwitchHelp[] =
    "The switches are:\n"
    "  /LOG            write VORNAK95.LOG and exit\n"
    "  /RECORD file    record this machine into a profile and exit\n"
    "  /ANALYZE        start the analysis when the window opens";

// A GUI program has no console of its own; batch errors go to the parent's
// standard error when there is one, and to a message box otherwise.
void ReportError(const std::string& text, bool batch) {
  if (batch) {
    const std::string line = "VORNAK95: " + text + "\n";
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
  } else {
    // A WM_QUIT left in the queue (by a window that failed to open) would
    // end the box's own message loop before anyone could read it.
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    MessageBoxA(nullptr, text.c_str(), "VORNAK95", MB_OK | MB_ICONSTOP);
  }
}

// Prints each failure batch mode kept, one line each.
void PrintKept(const std::string& kept) {
  size_t start = 0;
  while (start < kept.size()) {
    const size_t end = kept.find('\n', start);
    ReportError(kept.substr(start, end - start), true);
    start = end == std::string::npos ? kept.size() : end + 1;
  }
}

int Run(HINSTANCE instance, const char* arguments, int showCommand) {
  CommandLine cl = ParseCommandLine(arguments ? arguments : "");
  if (!cl.error.empty()) {
    if (cl.Batch()) {
      ReportError(cl.error, true);
      return kExitCommandLine;
    }
    // Started from Explorer or a shortcut there is no console to read: say
    // it in a box, then open the window as asked.
    ReportError(cl.error + ".\n\n" + kSwitchHelp, false);
  }
  SetBatchMode(cl.Batch());

  LiveMachine live;
  std::unique_ptr<ProfileWriter> writer;
  std::unique_ptr<ProfileMachine> recorder;
  Machine* machine = &live;
  if (cl.record) {
    writer = std::make_unique<ProfileWriter>(cl.recordPath);
    if (!writer->Ok()) {
      ReportError(writer->Failure(), true);
      return kExitNotWritten;
    }
    writer->Comment("recorded by VORNAK95.EXE");
    recorder = std::make_unique<ProfileMachine>(live, *writer);
    machine = recorder.get();
  }

  Application app;
  if (!app.InitInstance(instance, *machine, cl.Batch() ? SW_HIDE : showCommand)) {
    ReportError("the main window cannot be created", cl.Batch());
    return kExitStopped;
  }
  StartupTrace("application ready");
  CMainFrame& frame = app.Frame();
  live.SetTreeWindow(frame.View()->TreeControl());

  if (cl.Batch()) {
    ReportHost& host = frame.View()->Host();
    // The run is on our own frames here, not under a window procedure.
    try {
      if (cl.log) host.SaveLogCommand();
      else host.StartAnalyzCommand();
    } catch (...) {
      ReportFailure(nullptr, "the analysis was stopped: " + DescribeCurrentException());
    }
    const bool stopped = !KeptFailures().empty();
    DestroyWindow(frame.Window());
    if (writer) writer->Close();
    // A stop is named alone: it explains whatever the files then miss.
    PrintKept(KeptFailures());
    if (stopped) return kExitStopped;
    bool notWritten = false;
    for (const std::string& failure : {cl.log ? host.LogFailure() : std::string(),
                                       writer ? writer->Failure() : std::string()}) {
      if (failure.empty()) continue;
      ReportError(failure, true);
      notWritten = true;
    }
    return notWritten ? kExitNotWritten : kExitOk;
  }
  if (cl.analyze) SendMessageA(frame.Window(), WM_COMMAND, ID_START_ANALYZ, 0);
  return app.Run();
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int showCommand) {
  // An empty floppy or CD drive must fail quietly during the drive scan.
  StartupTrace("WinMain");
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  UseDoublePrecision();
  try {
    return Run(instance, arguments, showCommand);
  } catch (...) {
    try {
      ReportError("stopped: " + DescribeCurrentException(), BatchMode());
    } catch (...) {
    }
    return kExitStopped;
  }
}

// VORNAK95.EXE start-up: the windows, the command-line switches and the
// message loop.
#include <windows.h>

#include <cstdio>
#include <memory>

#include "app/command_line.h"
#include "app/win32/application.h"
#include "platform/profile/profile_machine.h"
#include "platform/win32/fpu.h"
#include "platform/win32/live_machine.h"
#include "res/resource.h"

using namespace vornak;

namespace {

// A GUI program has no console of its own; batch errors go to the parent's
// standard error when there is one, and to a message box otherwise.
void ReportError(const std::string& text, bool batch) {
  if (batch) {
    std::fprintf(stderr, "VORNAK95: %s\n", text.c_str());
    std::fflush(stderr);
  } else {
    MessageBoxA(nullptr, text.c_str(), "VORNAK95", MB_OK | MB_ICONSTOP);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int showCommand) {
  // An empty floppy or CD drive must fail quietly during the drive scan.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  UseDoublePrecision();

  CommandLine cl = ParseCommandLine(arguments ? arguments : "");
  if (!cl.error.empty()) {
    ReportError(cl.error, true);
    return 2;
  }

  LiveMachine live;
  std::unique_ptr<ProfileWriter> writer;
  std::unique_ptr<ProfileMachine> recorder;
  Machine* machine = &live;
  if (cl.record) {
    writer = std::make_unique<ProfileWriter>(cl.recordPath);
    if (!writer->Ok()) {
      ReportError("cannot write the profile " + cl.recordPath, true);
      return 1;
    }
    writer->Comment("recorded by VORNAK95.EXE");
    recorder = std::make_unique<ProfileMachine>(live, *writer);
    machine = recorder.get();
  }

  Application app;
  if (!app.InitInstance(instance, *machine, cl.Batch() ? SW_HIDE : showCommand)) {
    ReportError("the main window cannot be created", cl.Batch());
    return 1;
  }
  CMainFrame& frame = app.Frame();
  live.SetTreeWindow(frame.View()->TreeControl());

  if (cl.Batch()) {
    if (cl.log) frame.View()->Host().SaveLogCommand();
    else frame.View()->Host().StartAnalyzCommand();
    DestroyWindow(frame.Window());
    return 0;
  }
  if (cl.analyze) SendMessageA(frame.Window(), WM_COMMAND, ID_START_ANALYZ, 0);
  return app.Run();
}

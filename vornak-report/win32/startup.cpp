// vornak-report.exe's entry point: like VORNAK95.EXE's, the CMOV handlers
// go in before the runtime's start-up, whose prebuilt code holds CMOVs that
// a 486 or a Pentium refuses (platform/win32/runtime/processor_support.cpp,
// linked too, gives the allocator without them).
#include "platform/win32/runtime/cmov_frame.h"

extern "C" {
// mingw's entry point of a console program: the C runtime's start-up, then main().
void mainCRTStartup();

void VornakReportStartup() {
  vornak::InstallCmovFilter();
  vornak::CmovFrame frame;
  mainCRTStartup();
}
}

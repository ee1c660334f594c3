// DLLs the program loads when a command first needs them, not at start-up.
// Every such function is listed here, each with the DLL it comes from; the
// caller checks for null (the DLL or the function may be missing).
//
// comdlg32: only the Open dialog (Ctrl+O) uses it, and loading it at start-
// up brings the printing DLLs in with it, a good part of the start-up time
// on Wine (tools/bench-startup).
#pragma once

#include <windows.h>
#include <commdlg.h>

namespace vornak {

using GetOpenFileNameProc = BOOL(WINAPI*)(OPENFILENAMEA*);
GetOpenFileNameProc OnDemandGetOpenFileNameA();

}  // namespace vornak

// Entry point of Harlix.dll. The library keeps no per-process or per-thread
// state, so every reason code is simply accepted.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }

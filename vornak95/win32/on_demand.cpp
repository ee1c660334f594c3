#include "vornak95/win32/on_demand.h"

namespace vornak {

namespace {
// Loaded once and kept for the life of the program.
FARPROC Function(const char* dll, const char* name) {
  HMODULE module = GetModuleHandleA(dll);
  if (!module) module = LoadLibraryA(dll);
  return module ? GetProcAddress(module, name) : nullptr;
}
}  // namespace

GetOpenFileNameProc OnDemandGetOpenFileNameA() {
  // Through void*: FARPROC stands for any signature.
  return reinterpret_cast<GetOpenFileNameProc>(
      reinterpret_cast<void*>(Function("comdlg32.dll", "GetOpenFileNameA")));
}

}  // namespace vornak

// The program's start-up steps as debug output, each with the milliseconds
// since WinMain began: "VORNAK95 start-up +12.345 ms: view created". Nothing
// is shown unless a debugger listens; under Wine, WINEDEBUG=+debugstr prints
// them (tools/bench-startup --trace). Steps after the first idle moment are
// not traced.
#pragma once

namespace vornak {

void StartupTrace(const char* step);
// The window waits for input: the trace ends here.
void EndStartupTrace();

}  // namespace vornak

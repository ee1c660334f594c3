// Errors that stop a command: an exception stopped at a window procedure, or
// a log that could not be written. The window shows them in a message box;
// batch mode keeps them for WinMain, which prints them and exits non-zero.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/runtime/cmov_frame.h"

namespace vornak {

void SetBatchMode(bool batch);
bool BatchMode();
// Shows (window) or keeps (batch) the text; owner may be null.
void ReportFailure(HWND owner, const std::string& text);
// What batch mode kept, in order, one per line; "" when nothing failed.
std::string KeptFailures();

// The text for the exception being handled: call inside a catch block.
std::string DescribeCurrentException();

// Runs a window or dialog procedure's body. An exception must not unwind
// into user32, which called us: it is reported here and `failed` returned.
// A conditional move the processor refuses is performed on the way.
template <class Body>
LRESULT GuardedMessage(HWND window, Body body, LRESULT failed = 0) noexcept {
  CmovFrame frame;  // outside the try: nothing leaves this function
  try {
    return body();
  } catch (...) {
    try {
      ReportFailure(window, "The command was stopped: " + DescribeCurrentException());
    } catch (...) {
      // Out of memory even for the message: nothing more can be said.
    }
    return failed;
  }
}

}  // namespace vornak

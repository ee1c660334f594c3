// Keeps C++ exceptions out of Windows' own frames.
//
// Enumeration callbacks and hook procedures are called from user32, gdi32 or
// dplayx; an exception unwinding through those frames ends the process with
// this toolchain's unwinder, and the report with it. A callback runs its body
// through Run, which stops an exception there and keeps it; the code that
// called the enumerating API rethrows it once the API has returned, on our
// own frames, where the window procedure's guard reports it. A conditional
// move the processor refuses is performed on the way.
#pragma once

#include <exception>
#include <utility>

#include "platform/win32/runtime/cmov_frame.h"

namespace vornak {

class CallbackGuard {
 public:
  // True when the body ran through; false when it threw (stop enumerating).
  template <class Body>
  bool Run(Body body) noexcept {
    CmovFrame frame;  // outside the try: nothing leaves this function
    try {
      body();
      return true;
    } catch (...) {
      if (!failed_) error_ = std::current_exception();
      failed_ = true;
      return false;
    }
  }
  void Rethrow() {
    // The flag, not the pointer's own test: that one is prebuilt with CMOV
    // (platform/win32/runtime/processor_support.cpp), and this runs on every
    // enumeration.
    if (!failed_) return;
    failed_ = false;
    std::rethrow_exception(std::exchange(error_, nullptr));
  }

 private:
  bool failed_ = false;
  std::exception_ptr error_;
};

}  // namespace vornak

#include "vornak95/win32/failure.h"

#include <exception>
#include <new>

namespace vornak {

namespace {
bool batchMode = false;
std::string kept;
}  // namespace

void SetBatchMode(bool batch) { batchMode = batch; }
bool BatchMode() { return batchMode; }

void ReportFailure(HWND owner, const std::string& text) {
  if (batchMode) {
    kept += text + "\n";
    return;
  }
  MessageBoxA(owner, text.c_str(), "VORNAK95", MB_OK | MB_ICONSTOP);
}

std::string KeptFailures() { return kept; }

std::string DescribeCurrentException() {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    return "out of memory";
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "an unknown error";
  }
}

}  // namespace vornak

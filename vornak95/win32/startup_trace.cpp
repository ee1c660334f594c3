#include "vornak95/win32/startup_trace.h"

#include <windows.h>

#include "report/wsformat.h"

namespace vornak {

namespace {
bool ended = false;
LARGE_INTEGER origin = {}, frequency = {};
}  // namespace

void StartupTrace(const char* step) {
  if (ended) return;
  LARGE_INTEGER now;
  if (!frequency.QuadPart) {
    if (!QueryPerformanceFrequency(&frequency) || !frequency.QuadPart) {
      ended = true;  // no counter (some Windows 95 machines): no trace
      return;
    }
    QueryPerformanceCounter(&origin);
  }
  QueryPerformanceCounter(&now);
  const auto us = static_cast<uint32_t>((now.QuadPart - origin.QuadPart) * 1000000 / frequency.QuadPart);
  OutputDebugStringA(
      WsFormat("VORNAK95 start-up +%lu.%.3lu ms: %s\n", static_cast<unsigned long>(us / 1000),
               static_cast<unsigned long>(us % 1000), step).c_str());
}

void EndStartupTrace() {
  StartupTrace("idle");
  ended = true;
}

}  // namespace vornak

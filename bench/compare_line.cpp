#include "bench/compare_line.h"

#include <cmath>
#include <limits>
#include <string>

#include "bench/os_code_name.h"
#include "platform/x87_precision.h"
#include "report/wsformat.h"

namespace vornak {

namespace {

// Truncates toward zero; a value outside the 32-bit range (only a nonsense
// time could give one) saturates instead of being undefined.
int32_t TruncateToInt(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (v <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

// One half of the line, formatted with (MHz, whole times, thousandths).
std::string Half(const char* format, uint32_t measured, uint32_t ref, int32_t refMHz) {
  // The times are read as signed, as the reference arithmetic did.
  int32_t m = static_cast<int32_t>(measured);
  if (m == 0) return WsFormat(format, 0, 0, 0);  // unbounded ratio: nothing to say
  // Whatever a driver left the x87 unit at, the digits are those of doubles.
  DoublePrecisionScope precision;
  double ratio = static_cast<double>(static_cast<int32_t>(ref)) / m;
  int32_t mhz = TruncateToInt(refMHz * ratio);
  int32_t whole = TruncateToInt(ratio);
  int32_t thousandths = TruncateToInt((ratio - whole) * 1000);
  return WsFormat(format, mhz, whole, thousandths);
}

std::string IntHalf(uint32_t measuredInt, uint32_t refInt, int32_t refMHz) {
  return Half("I = %dMHz [%2d.%.3d Times]", measuredInt, refInt, refMHz);
}
std::string FloatHalf(uint32_t measuredFloat, uint32_t refFloat, int32_t refMHz) {
  return Half(": F = %dMHz [%2d.%.3d Times]", measuredFloat, refFloat, refMHz);
}

}  // namespace

void AddCompareLineNote(Analysis& a, Item parent, const char* label, uint32_t measuredInt,
                        uint32_t refInt, uint32_t measuredFloat, uint32_t refFloat,
                        int32_t refMHz, const char* note) {
  a.Add(parent, WsFormat("%-45s %s %s %s", label, IntHalf(measuredInt, refInt, refMHz).c_str(),
                         FloatHalf(measuredFloat, refFloat, refMHz).c_str(), note));
}

void AddCompareLine(Analysis& a, Item parent, const char* label, uint32_t measuredInt,
                    uint32_t refInt, uint32_t measuredFloat, uint32_t refFloat, int32_t refMHz) {
  a.Add(parent, WsFormat("%-45s %s %s ", label, IntHalf(measuredInt, refInt, refMHz).c_str(),
                         FloatHalf(measuredFloat, refFloat, refMHz).c_str()));
}

void AddCompareLineOs(Analysis& a, Item parent, const char* label, uint32_t measuredInt,
                      uint32_t refInt, uint32_t measuredFloat, uint32_t refFloat, int32_t refMHz,
                      int32_t osCode) {
  AddCompareLineNote(a, parent, label, measuredInt, refInt, measuredFloat, refFloat, refMHz,
                     OsCodeName(osCode));
}

}  // namespace vornak

#include "vornak-report/decimal.h"

#include <cstdint>
#include <cstring>

namespace vornak {

namespace {

// `digits` (decimal, most significant first) doubled `times` times.
void Double(std::string& digits, int times) {
  for (; times > 0; --times) {
    int carry = 0;
    for (size_t i = digits.size(); i-- > 0;) {
      const int d = (digits[i] - '0') * 2 + carry;
      digits[i] = static_cast<char>('0' + d % 10);
      carry = d / 10;
    }
    if (carry) digits.insert(digits.begin(), static_cast<char>('0' + carry));
  }
}

}  // namespace

std::string FixedOneDecimal(double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  const bool negative = bits >> 63;
  const int biased = static_cast<int>((bits >> 52) & 0x7FF);
  uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
  const std::string sign = negative ? "-" : "";
  if (biased == 0x7FF) return sign + (mantissa ? "nan" : "inf");
  // v = mantissa * 2^exponent exactly.
  int exponent;
  if (biased == 0) {
    exponent = -1074;  // subnormal (or zero)
  } else {
    mantissa |= uint64_t{1} << 52;
    exponent = biased - 1075;
  }
  if (exponent >= 0) {  // a whole number, however large
    std::string digits = std::to_string(mantissa);
    Double(digits, exponent);
    return sign + digits + ".0";
  }
  // Tenths = mantissa * 10 / 2^-exponent, rounded half to even; the product
  // has at most 57 bits.
  const uint64_t scaled = mantissa * 10;
  const int shift = -exponent;
  uint64_t tenths = 0;
  if (shift < 64) {
    tenths = scaled >> shift;
    const uint64_t rest = scaled & ((uint64_t{1} << shift) - 1);
    const uint64_t half = uint64_t{1} << (shift - 1);
    if (rest > half || (rest == half && (tenths & 1))) ++tenths;
  }  // else below 2^57 / 2^64 of a tenth: rounds to 0
  return sign + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

}  // namespace vornak

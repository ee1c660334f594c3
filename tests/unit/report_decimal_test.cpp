// FixedOneDecimal against the C library's "%.1f", which it stands in for on
// Windows: the chart coordinates of the page must be the same bytes there.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

#include "vornak-report/decimal.h"

namespace vornak {
namespace {

std::string Printf(double v) {
  char buf[400];
  std::snprintf(buf, sizeof buf, "%.1f", v);
  return buf;
}

TEST(FixedOneDecimal, EdgesAsPrintfWritesThem) {
  const double kInf = std::numeric_limits<double>::infinity();
  struct Case { double v; const char* text; };
  const Case cases[] = {
      {0.25, "0.2"},  {0.75, "0.8"},  {-0.25, "-0.2"},  // ties: to the even tenth
      {0.35, "0.3"},  {99.95, "100.0"},                 // just below a tie; a carry
      {-0.0, "-0.0"}, {-0.04, "-0.0"},                  // the sign stays
      {std::numeric_limits<double>::denorm_min(), "0.0"}, {1e20, "100000000000000000000.0"},
      {4503599627370495.5, "4503599627370495.5"},       // the last half below 2^52
      {kInf, "inf"},  {-kInf, "-inf"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FixedOneDecimal(c.v), c.text) << c.v;
    EXPECT_EQ(FixedOneDecimal(c.v), Printf(c.v)) << c.v;
  }
  EXPECT_EQ(FixedOneDecimal(std::numeric_limits<double>::max()), Printf(std::numeric_limits<double>::max()));
  EXPECT_EQ(FixedOneDecimal(std::nan("")), "nan");
}

// Every magnitude a chart can hold, at random bit patterns and at exact ties
// (k + 0.05 is no tie in binary; k/4 + 1/8 is one of hundredths, k/20 of tenths).
TEST(FixedOneDecimal, RandomValuesAsPrintf) {
  std::mt19937_64 random(95);
  for (int i = 0; i < 200000; ++i) {
    uint64_t bits = random();
    // Exponents from 2^-60 to 2^70, either sign.
    bits = (bits & 0x800FFFFFFFFFFFFFull) | (uint64_t((random() % 130) + 1023 - 60) << 52);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    ASSERT_EQ(FixedOneDecimal(v), Printf(v)) << v;
    const double tie = static_cast<double>(static_cast<int64_t>(random() % 2000000) - 1000000) / 20;
    ASSERT_EQ(FixedOneDecimal(tie), Printf(tie)) << tie;
    const double quarter = static_cast<double>(static_cast<int64_t>(random() % 4000000)) / 4 + 0.125;
    ASSERT_EQ(FixedOneDecimal(quarter), Printf(quarter)) << quarter;
  }
}

}  // namespace
}  // namespace vornak

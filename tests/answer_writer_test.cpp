// format_answer against the C library's "%.15f" on the values where an integer formatter can go
// wrong: rounding ties, carries into the integer part, tiny and negative values, the range edge.
#include "driver/answer_writer.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace vesqor {
namespace {

std::string ours(double d) {
  char buf[400];
  return std::string(buf, format_answer(static_cast<long double>(d), buf));
}

std::string libc(double d) {
  char buf[400];
  return std::string(buf, static_cast<size_t>(std::snprintf(buf, sizeof buf, "%.15f\n", d)));
}

TEST(FormatAnswer, MatchesTheCLibrary) {
  std::vector<double> values = {0.0,
                                -0.0,
                                -1.0,
                                1.0,
                                4.666666666666667,
                                0.5e-15,   // near the last digit's half
                                -0.4e-15,  // rounds to -0.000000000000000
                                1e-300,
                                std::numeric_limits<double>::denorm_min(),
                                -std::numeric_limits<double>::denorm_min(),
                                0.9999999999999999,  // carries into the integer part
                                9.9999999999999995,
                                18446.744073709551,  // near the edge of the integer path
                                18446.744073709553,
                                18447.0,
                                123456789.125,
                                4503599627370496.0,  // 2^52, whole
                                1e19,
                                1.7e308};
  // Exact ties at the 15th decimal: k * 2^-16 has 16 binary places, so an odd k ends in a 5 at
  // the 16th decimal; both even and odd 15th digits occur.
  for (int k = 1; k < 2000; k += 2) values.push_back(std::ldexp(k, -16));
  for (int k = 1; k < 2000; k += 2) values.push_back(-std::ldexp(k, -16) - 3);
  // Every binade the integer path covers and some beyond it, with random significands.
  std::mt19937_64 rng(3);
  for (int e = -60; e <= 90; ++e) {
    for (int i = 0; i < 400; ++i) {
      const double m = 1.0 + static_cast<double>(rng() >> 12) * 0x1p-52;
      values.push_back((i % 2 ? -1 : 1) * std::ldexp(m, e));
    }
  }
  // Neighbours of short decimals, where the binary value sits just above or below a half.
  for (int i = 0; i < 20000; ++i) {
    const double base = static_cast<double>(rng() % 100000000) / 1e8 * 1000;
    values.push_back(std::nextafter(base, 0.0));
    values.push_back(base);
    values.push_back(std::nextafter(base, 1e9));
  }
  for (const double d : values) ASSERT_EQ(ours(d), libc(d)) << std::bit_cast<uint64_t>(d);
}

TEST(FormatAnswer, NonFiniteWords) {
  const long double inf = std::numeric_limits<long double>::infinity();
  EXPECT_EQ(ours(static_cast<double>(inf)), "inf\n");
  EXPECT_EQ(ours(static_cast<double>(-inf)), "-inf\n");
  EXPECT_EQ(ours(std::nan("")), "nan\n");
  EXPECT_EQ(ours(-std::nan("")), "nan\n");
}

}  // namespace
}  // namespace vesqor

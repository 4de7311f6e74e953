// Tolerant comparisons of extended-precision values: equal within a relative 1e-9.
// O(1); tested in tests/tolerance_test.cpp at the 10^9 boundaries.
#pragma once

#include <cmath>
#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64,
              "vesqor needs long double to be the x87 80-bit extended format");

namespace vesqor {

// The double value of 1e-9 (slightly above 10^-9), widened: an extended literal would move the
// boundary of eq.
inline constexpr long double tolerance = static_cast<long double>(1e-9);

// Relative difference below the tolerance, scaled by the larger magnitude when that exceeds 1.
// A NaN operand compares unequal.
inline bool eq(long double a, long double b) {
  long double d = std::fabs(b) > std::fabs(a) ? std::fabs(b) : std::fabs(a);
  if (!(d > 1)) d = 1;
  return std::fabs(a - b) / d < tolerance;
}

// Strictly less and not eq; false for NaN.
inline bool lesss(long double a, long double b) {
  return !eq(a, b) && a < b;
}

}  // namespace vesqor

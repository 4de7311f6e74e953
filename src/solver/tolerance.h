// Tolerant comparisons of extended-precision values: equal within a relative 1e-9.
// O(1); tested in tests/tolerance_test.cpp at the 10^9 boundaries.
#pragma once

#include <cmath>
#include <cstdint>
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

// lesss_int(a, b) is lesss(a, b) for a 64-bit score a and a 32-bit target b, settled in integers
// where the tolerance cannot change the outcome. Both convert to extended exactly (64-bit
// significand), and so does a - b (at most 2^63 + 2^31 in magnitude), so:
//  - a >= b: a < b fails, so lesss is false whatever eq says;
//  - a <= b - 5: with |a| <= 2^32 the scale max(|a|, |b|, 1) is at most 2^32 and
//    |a - b| / scale >= 5 / 2^32 > 1.16e-9; with a < -2^32 the scale is |a| and
//    |a - b| >= |a| - 2^31 > |a| / 2, a ratio above 1/2. Rounding the quotient moves it by a
//    relative 2^-64 at most, so it stays above the tolerance (1.0000000000000000622e-9): eq is
//    false and lesss is true;
//  - otherwise (a within 4 below b) the extended comparison decides.
inline bool lesss_int(int64_t a, int32_t b) {
  if (a >= b) return false;
  if (a <= int64_t{b} - 5) return true;
  return lesss(static_cast<long double>(a), static_cast<long double>(b));
}

}  // namespace vesqor

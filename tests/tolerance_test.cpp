// eq and lesss at the boundaries where the relative tolerance starts to matter.
#include "solver/tolerance.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace vesqor {
namespace {

struct pair_case {
  long double a, b;
  bool eq, lesss;
};

TEST(Tolerance, IntegerBoundaries) {
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  const pair_case cases[] = {
      {999999999, 1000000000, true, false},   // differ by 1 at magnitude 10^9
      {999999998, 999999999, false, true},    // differ by 1 below 10^9
      {1999999998, 2000000000, true, false},  // differ by 2 at 2*10^9
      {1999999997, 1999999999, false, true},  // differ by 2 just below 2*10^9
      {2000000000, 1999999999, true, false},
      {5, 5, true, false},
      {0, 1e-10L, true, false},  // scale is at least 1
      {0, 2e-9L, false, true},
      {-1000000000, -999999999, true, false},
      {nan, 1, false, false},
      {1, nan, false, false},
  };
  for (const pair_case& c : cases) {
    EXPECT_EQ(eq(c.a, c.b), c.eq) << static_cast<double>(c.a) << " vs " << static_cast<double>(c.b);
    EXPECT_EQ(lesss(c.a, c.b), c.lesss)
        << static_cast<double>(c.a) << " vs " << static_cast<double>(c.b);
  }
}

TEST(Tolerance, UsesTheDoubleValueOfOneBillionth) {
  // Below magnitude 1 the difference itself is compared with the tolerance, strictly.
  const long double t = static_cast<long double>(1e-9);
  EXPECT_FALSE(eq(0, t));
  // The extended 1e-9 lies just below the double one, so it is inside the tolerance.
  EXPECT_TRUE(eq(0, 1e-9L));
}

TEST(Tolerance, IntegerLesssMatchesExtendedLesss) {
  // Around every target, and around the edges of the integer shortcut (b - 5 and -2^32), the
  // integer decision must agree with the extended comparison.
  const int64_t two32 = int64_t{1} << 32;
  const int32_t targets[] = {std::numeric_limits<int32_t>::min(),
                             -2000000000,
                             -1000000000,
                             -999999999,
                             -5,
                             -1,
                             0,
                             1,
                             4,
                             5,
                             999999999,
                             1000000000,
                             1000000004,
                             1999999999,
                             2000000000,
                             std::numeric_limits<int32_t>::max()};
  std::mt19937_64 rng(7);
  for (const int32_t b : targets) {
    std::vector<int64_t> scores = {std::numeric_limits<int64_t>::min(),
                                   std::numeric_limits<int64_t>::max()};
    for (int64_t d = -40; d <= 40; ++d) {
      scores.push_back(b + d);
      scores.push_back(-two32 + d);
      scores.push_back(two32 + d);
      scores.push_back(int64_t{b} * 2 + d);  // scales where eq spans several units
    }
    for (int i = 0; i < 2000; ++i) scores.push_back(static_cast<int64_t>(rng()) >> (rng() % 64));
    for (const int64_t a : scores) {
      EXPECT_EQ(lesss_int(a, b), lesss(static_cast<long double>(a), static_cast<long double>(b)))
          << a << " vs " << b;
    }
  }
}

}  // namespace
}  // namespace vesqor

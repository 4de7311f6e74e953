// The sweep on hand-worked items: the worked example and its speed-up 1 and unreachable
// variants, the tolerance at 2*10^9, an emptied heap, degenerate divisions and wrapping scores.
#include "solver/sweep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "driver/answer_writer.h"
#include "reference/reference_model.h"
#include "solver/tolerance.h"

namespace vesqor {
namespace {

struct seg {
  int32_t len, rate;
};

long double solve(int32_t k, int32_t t, const std::vector<seg>& segs) {
  sweep s(k, t);
  for (const seg& g : segs) s.settle_segment(g.len, g.rate);
  return s.answer();
}

std::string printed(long double v) {
  char buf[400];
  return std::string(buf, format_answer(v, buf));
}

// One item of length 10 with (2,4,5) and (6,8,3), normalised.
const std::vector<seg> example = {{2, 0}, {2, 5}, {2, 0}, {2, 3}, {2, 0}};

TEST(Sweep, WorkedExampleAndVariants) {
  struct row {
    int32_t k, t;
    const char* expected;
  };
  const row rows[] = {
      {2, 12, "4.666666666666667\n"},   // finishes part-way through (6,8,3)
      {1, 12, "6.666666666666667\n"},   // speed-up 1 stops at (6,8,3): 6 + 2/3
      {2, 20, "-1.000000000000000\n"},  // total score 16 never reaches 20
      {2, 16, "6.000000000000000\n"},   // reached exactly at the end of (6,8,3), fillers halved
      {2, 10, "3.000000000000000\n"},   // reached at the end of (2,4,5), the filler before halved
  };
  for (const row& r : rows) {
    EXPECT_EQ(printed(solve(r.k, r.t, example)), r.expected) << "K=" << r.k << " T=" << r.t;
  }
}

TEST(Sweep, ScoreWithinToleranceOfLargeTarget) {
  // 2e9 - 1 is within the tolerance of 2e9: no shortcut, but the skip-loop candidates finish.
  EXPECT_EQ(printed(solve(1, 2000000000, {{1, 1999999999}})), "1.000000000500000\n");
}

TEST(Sweep, HeapEmptiedByNonPositiveTarget) {
  // The only scored segment is skipped (0 - 15 is not below 0); the loop then stops on the empty
  // heap without a partial-skip candidate; the finish inside the segment at time 0 stands.
  EXPECT_EQ(printed(solve(2, 0, {{5, 3}})), "0.000000000000000\n");
  EXPECT_EQ(printed(solve(2, -7, {{5, 3}, {4, 2}})), "0.000000000000000\n");
}

TEST(Sweep, DegenerateDivisionsArePrintedAsNonFinite) {
  EXPECT_EQ(printed(solve(1, -5, {{3, 0}})), "-inf\n");  // (T - 0) / 0 with T < 0
  EXPECT_EQ(printed(solve(1, 0, {{3, 0}})), "nan\n");    // 0 / 0
  EXPECT_EQ(printed(solve(1, 5, {{3, 0}, {2, 0}})), "-1.000000000000000\n");
  long double nan_value = std::nanl("");
  EXPECT_EQ(printed(-nan_value), "nan\n");
}

TEST(Sweep, ScoresWrapAround) {
  // The first gain (about 4.6e18) reaches T at 5 / (2^31 - 1); the third one takes the score
  // past 2^63, where it wraps negative without disturbing the answer.
  const int32_t big = 2147483647;
  EXPECT_EQ(printed(solve(2, 5, {{big, big}, {big, big}, {big, big}})), "0.000000002328306\n");
}

TEST(Sweep, IgnoresSegmentsAfterTheShortcut) {
  sweep s(1, 6);
  s.settle_segment(4, 1);
  EXPECT_FALSE(s.finished());
  s.settle_segment(4, 2);  // 4 + (6 - 4) / 2
  EXPECT_TRUE(s.finished());
  s.settle_segment(100, 0);
  EXPECT_EQ(printed(s.answer()), "5.000000000000000\n");
}

bool same_bits(long double a, long double b) {
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
  return std::memcmp(&a, &b, 10) == 0;  // the 80 value bits; the rest is padding
}

// The reference model's sweep makes every comparison in extended precision and forms every
// candidate in full; the solver settles some comparisons in integers and skips candidates that
// cannot lower the best. On any input both must produce the same bits.
TEST(Sweep, ShortcutsAgreeWithTheReferenceSweep) {
  // Small integers make equal candidates, equal rates and targets met exactly common, which is
  // where a skipped candidate or an integer comparison could differ; the large rows put scores
  // within the tolerance of targets near +-2*10^9 and the 32-bit limits; negative values and
  // K <= 0 reach the cases the shortcuts must leave to the extended path.
  struct family {
    int32_t len_lo, len_hi, rate_lo, rate_hi;
    std::vector<int32_t> ks, targets;
  };
  const family families[] = {
      {1, 6, 0, 6, {2, 3, 1}, {1, 7, 20, 60}},
      {0, 12, 0, 3, {2, 4}, {0, 5, 30}},
      {-3, 8, -3, 8, {-2, 0, 1, 2, 3}, {-5, 0, 4, 25}},
      {1, 2, 999999990, 1000000010, {1, 2, 3}, {1999999990, 2000000000, 2147483647}},
      {1, 2, -1000000010, -999999990, {1, 2}, {-2147483647 - 1, -2000000000}},
      {1, 3, 0, 1000, {1, 2}, {1999999998, 2000000000}},
  };
  std::mt19937 rng(11);
  for (const family& f : families) {
    std::uniform_int_distribution<int32_t> len(f.len_lo, f.len_hi), rate(f.rate_lo, f.rate_hi);
    std::uniform_int_distribution<int> count(1, 40);
    for (const int32_t k : f.ks) {
      for (const int32_t t : f.targets) {
        for (int round = 0; round < 300; ++round) {
          sweep fast(k, t);
          std::vector<std::pair<int, int>> segs;
          const int n = count(rng);
          for (int i = 0; i < n; ++i) {
            segs.emplace_back(len(rng), rate(rng));
            fast.settle_segment(segs.back().first, segs.back().second);
          }
          const long double plain = reference::solve(k, t, segs);
          ASSERT_TRUE(same_bits(fast.answer(), plain))
              << "K=" << k << " T=" << t << " round " << round << ": " << printed(fast.answer())
              << " vs " << printed(plain);
        }
      }
    }
  }
}

}  // namespace
}  // namespace vesqor

// The completion-time sweep of one test case: segments arrive in order, scored ones wait in a
// rate heap and the cheapest are skipped while the target stays reached. O(log n) per segment.
#pragma once

#include <cstdint>

#include "solver/rate_heap.h"

namespace vesqor {

// The double values 1e19 and 1e20, widened.
inline constexpr long double no_answer_above = static_cast<long double>(1e19);
inline constexpr long double best_unset = static_cast<long double>(1e20);

// Lengths and scores wrap in two's complement; computed on unsigned values to stay defined.
inline int64_t wrap_add(int64_t a, int64_t b) {
  return static_cast<int64_t>(static_cast<uint64_t>(a) + static_cast<uint64_t>(b));
}
inline int64_t wrap_sub(int64_t a, int64_t b) {
  return static_cast<int64_t>(static_cast<uint64_t>(a) - static_cast<uint64_t>(b));
}

// One sweep per test case. Feed every normalised segment to settle_segment in order (item 0
// first), then read answer(). With speed-up 1 the sweep may finish early; later segments are
// then ignored.
class sweep {
 public:
  sweep(int32_t speedup, int32_t target) : speedup_(speedup), target_(target) {}

  void settle_segment(int32_t len, int32_t rate);
  bool finished() const { return finished_; }
  // The earliest completion time, or -1 when none was found (values above 1e19 included).
  long double answer() const;

 private:
  int32_t speedup_;
  int32_t target_;
  int64_t score_ = 0;
  long double elapsed_ = 0;
  long double best_ = best_unset;
  uint32_t seq_ = 0;
  bool finished_ = false;
  rate_heap heap_;
};

}  // namespace vesqor

// rate_heap's tie rules, by hand on small heaps and against the standard heap algorithms (which
// move equal elements the same way) over random rate sequences full of ties.
#include "solver/rate_heap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace vesqor {
namespace {

heap_entry entry(int32_t rate, uint32_t seq) {
  return heap_entry{rate, 0, seq};
}

TEST(RateHeap, EqualRatesAreNotServedInArrivalOrder) {
  rate_heap h;
  for (uint32_t s = 0; s < 4; ++s) h.push(entry(0, s));
  std::vector<uint32_t> order;
  while (!h.empty()) {
    order.push_back(h.top().seq);
    h.pop();
  }
  // Popping 0 lets the right child (2) move up on the tie, ahead of 1.
  EXPECT_EQ(order, (std::vector<uint32_t>{0, 2, 1, 3}));
}

TEST(RateHeap, NewEntryDoesNotRiseAboveEqualRate) {
  rate_heap h;
  h.push(entry(5, 0));
  h.push(entry(3, 1));
  h.push(entry(3, 2));
  EXPECT_EQ(h.top().seq, 1u);
  h.push(entry(2, 3));
  EXPECT_EQ(h.top().seq, 3u);
}

TEST(RateHeap, MatchesStandardHeapOnRandomTies) {
  auto greater_rate = [](const heap_entry& a, const heap_entry& b) { return a.rate > b.rate; };
  std::mt19937 rng(12345);
  for (int round = 0; round < 2000; ++round) {
    const int distinct = 1 + static_cast<int>(rng() % 4);
    rate_heap h;
    std::vector<heap_entry> model;
    uint32_t seq = 0;
    const int steps = 1 + static_cast<int>(rng() % 200);
    for (int step = 0; step < steps; ++step) {
      if (model.empty() || rng() % 3 != 0) {
        const heap_entry x = entry(static_cast<int32_t>(rng() % distinct) - 1, seq++);
        h.push(x);
        model.push_back(x);
        std::push_heap(model.begin(), model.end(), greater_rate);
      } else {
        std::pop_heap(model.begin(), model.end(), greater_rate);
        model.pop_back();
        h.pop();
      }
      ASSERT_EQ(h.size(), model.size());
      if (!model.empty()) {
        ASSERT_EQ(h.top().seq, model.front().seq) << "round " << round;
      }
    }
  }
}

}  // namespace
}  // namespace vesqor

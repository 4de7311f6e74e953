// The reference model itself: its priority queue moves equal rates exactly as rate_heap does,
// and it reproduces the hand-worked answers.
#include "reference/reference_model.h"

#include <gtest/gtest.h>

#include <queue>
#include <random>
#include <vector>

#include "solver/rate_heap.h"

namespace vesqor::reference {
namespace {

TEST(ReferenceModel, PriorityQueueBreaksTiesLikeRateHeap) {
  auto by_rate = [](const heap_entry& a, const heap_entry& b) { return a.rate > b.rate; };
  std::mt19937 rng(7);
  for (int round = 0; round < 3000; ++round) {
    std::priority_queue<heap_entry, std::vector<heap_entry>, decltype(by_rate)> queue(by_rate);
    rate_heap heap;
    const int distinct = 1 + static_cast<int>(rng() % 3);
    uint32_t seq = 0;
    for (int step = 0; step < 300; ++step) {
      if (queue.empty() || rng() % 5 < 3) {
        const heap_entry x{static_cast<int32_t>(rng() % distinct), 0, seq++};
        queue.push(x);
        heap.push(x);
      } else {
        queue.pop();
        heap.pop();
      }
      ASSERT_EQ(queue.size(), heap.size());
      if (!queue.empty()) {
        ASSERT_EQ(queue.top().seq, heap.top().seq) << "round " << round << " step " << step;
      }
    }
  }
}

TEST(ReferenceModel, HandWorkedAnswers) {
  struct row {
    const char* input;
    const char* expected;
  };
  const row rows[] = {
      {"1 2 12\n10 2\n2 4 5\n6 8 3\n0 1 5\n", "4.666666666666667\n-1.000000000000000\n"},
      {"1 1 12\n10 2\n2 4 5\n6 8 3\n", "6.666666666666667\n"},
      {"1 2 20\n10 2\n2 4 5\n6 8 3\n", "-1.000000000000000\n"},
      {"1 1 2000000000\n1 1\n0 1 1999999999\n", "1.000000000500000\n"},
      {"1 1 0\n3 0\n", "nan\n"},
      {"1 2 12\n10 2\n2 4 5\n6 8 x 1 2 3\n", "-1.000000000000000\n"},
  };
  for (const row& r : rows) {
    const result got = run(r.input, 1000);
    EXPECT_FALSE(got.refused) << r.input;
    EXPECT_EQ(got.text, r.expected) << r.input;
  }
  EXPECT_TRUE(run("0 1 1\n-2 1 1\n", 1000).refused);
}

}  // namespace
}  // namespace vesqor::reference

// normalise_item on the worked table of item timelines, plus unusual rows.
#include "timeline/normalise_item.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace vesqor {
namespace {

using seg = std::array<int32_t, 3>;

struct collect {
  std::vector<seg> out;
  void operator()(int32_t s, int32_t e, int32_t r) { out.push_back({s, e, r}); }
};

std::vector<seg> normalise(int32_t len, const std::vector<seg>& listed) {
  collect sink;
  normalise_item<collect> item(len, sink);
  for (const seg& s : listed) item.add(s[0], s[1], s[2]);
  item.finish();
  return sink.out;
}

TEST(NormaliseItem, Table) {
  struct row {
    int32_t len;
    std::vector<seg> listed, expected;
  };
  const row rows[] = {
      {10, {{2, 4, 5}, {6, 8, 3}}, {{0, 2, 0}, {2, 4, 5}, {4, 6, 0}, {6, 8, 3}, {8, 10, 0}}},
      {7, {}, {{0, 7, 0}}},
      {0, {}, {{0, 0, 0}}},
      {5, {{0, 5, 2}}, {{0, 5, 2}}},
      {6, {{0, 3, 1}, {3, 6, 2}}, {{0, 3, 1}, {3, 6, 2}}},
      {9, {{1, 5, 2}, {4, 7, 3}}, {{0, 1, 0}, {1, 5, 2}, {4, 7, 3}, {7, 9, 0}}},
      {4, {{0, 6, 1}}, {{0, 6, 1}, {6, 4, 0}}},
      // Out of order: no filler after going backwards; the tail follows the last listed end.
      {10, {{5, 9, 1}, {1, 3, 2}}, {{0, 5, 0}, {5, 9, 1}, {1, 3, 2}, {3, 10, 0}}},
      // Fillers have rate 0 even between equal rates; a negative start gets a head filler.
      {6, {{-2, 1, 4}, {3, 6, 4}}, {{0, -2, 0}, {-2, 1, 4}, {1, 3, 0}, {3, 6, 4}}},
  };
  for (const row& r : rows) {
    EXPECT_EQ(normalise(r.len, r.listed), r.expected) << "item length " << r.len;
  }
}

TEST(NormaliseItem, LengthWrapsAsA32BitDifference) {
  EXPECT_EQ(segment_len(-2147483647 - 1, 2147483647), -1);
  EXPECT_EQ(segment_len(2147483647, -2147483647 - 1), 1);
  EXPECT_EQ(segment_len(3, 10), 7);
}

}  // namespace
}  // namespace vesqor

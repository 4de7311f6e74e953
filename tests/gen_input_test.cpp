// vesqor-gen writes well-formed input of each shape: counts that match the numbers that follow,
// the promised order and ranges, the reported segment count, and the same bytes for a seed.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct generated {
  std::string text;
  int64_t reported_segments = -1;
};

generated run_gen(const std::string& shape, int seed, int divisor) {
  const fs::path dir = fs::temp_directory_path();
  const fs::path out = dir / ("vesqor-gen-test-" + shape + ".in");
  const fs::path err = dir / ("vesqor-gen-test-" + shape + ".err");
  const std::string cmd = "'" VESQOR_GEN "' " + shape + " " + std::to_string(seed) + " " +
                          std::to_string(divisor) + " >'" + out.string() + "' 2>'" + err.string() +
                          "'";
  EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
  generated g;
  std::stringstream text, note;
  text << std::ifstream(out, std::ios::binary).rdbuf();
  note << std::ifstream(err).rdbuf();
  g.text = text.str();
  note >> g.reported_segments;
  fs::remove(out);
  fs::remove(err);
  return g;
}

struct segment {
  int64_t start, end, rate;
};
struct item {
  int64_t len;
  std::vector<segment> segs;
};
struct test_case {
  int64_t k, target;
  std::vector<item> items;
};

// Splits the text into test cases; fails the test if the counts and the numbers disagree.
std::vector<test_case> parse(const std::string& text) {
  std::istringstream in(text);
  std::vector<int64_t> v;
  for (int64_t x; in >> x;) v.push_back(x);
  EXPECT_TRUE(in.eof()) << "a token that is not an integer";
  std::vector<test_case> cases;
  size_t p = 0;
  auto next = [&]() -> int64_t {
    if (p < v.size()) return v[p++];
    ADD_FAILURE() << "the file ends inside a test case";
    return 0;
  };
  while (p < v.size()) {
    const int64_t n = next();
    test_case c{next(), next(), {}};
    for (int64_t i = 0; i < n; ++i) {
      item it{next(), {}};
      const int64_t m = next();
      for (int64_t j = 0; j < m; ++j) it.segs.push_back({next(), next(), next()});
      c.items.push_back(it);
    }
    cases.push_back(c);
  }
  return cases;
}

int64_t count_segments(const std::vector<test_case>& cases) {
  int64_t total = 0;
  for (const test_case& c : cases)
    for (const item& it : c.items) total += static_cast<int64_t>(it.segs.size());
  return total;
}

// Segments in order without overlap, inside [0, len], of positive length.
void expect_sorted(const item& it, bool touching) {
  int64_t pos = 0;
  for (const segment& s : it.segs) {
    EXPECT_TRUE(touching ? s.start == pos : s.start >= pos);
    EXPECT_GT(s.end, s.start);
    pos = s.end;
  }
  EXPECT_TRUE(touching ? it.len == pos : it.len >= pos);
}

TEST(GenInput, ShapesAreWellFormed) {
  const int divisor = 1000;
  for (const std::string shape : {"items", "long", "cases", "churn", "hoard"}) {
    SCOPED_TRACE(shape);
    const generated g = run_gen(shape, 5, divisor);
    const std::vector<test_case> cases = parse(g.text);
    ASSERT_FALSE(cases.empty());
    EXPECT_EQ(count_segments(cases), g.reported_segments);
    if (shape == "items") {
      ASSERT_EQ(cases.size(), 1u);
      EXPECT_EQ(cases[0].target, 2000000000);
      EXPECT_EQ(cases[0].items.size(), 1000000u / divisor);
      for (const item& it : cases[0].items) {
        EXPECT_TRUE(it.segs.size() >= 4 && it.segs.size() <= 12);
        expect_sorted(it, false);
        for (const segment& s : it.segs) EXPECT_TRUE(s.rate >= 1 && s.rate <= 1000);
      }
    } else if (shape == "long") {
      ASSERT_EQ(cases.size(), 1u);
      ASSERT_EQ(cases[0].items.size(), 1u);
      const item& it = cases[0].items[0];
      EXPECT_EQ(it.segs.size(), 10000000u / divisor);
      expect_sorted(it, true);
      for (const segment& s : it.segs) EXPECT_EQ(s.end - s.start, 1);
    } else if (shape == "cases") {
      EXPECT_EQ(cases.size(), 1000000u / divisor);
      for (const test_case& c : cases) {
        EXPECT_TRUE(c.items.size() >= 1 && c.items.size() <= 3);
        for (const item& it : c.items) expect_sorted(it, false);
      }
    } else {
      // churn and hoard: one test case of touching segments (no fillers).
      ASSERT_EQ(cases.size(), 1u);
      EXPECT_EQ(count_segments(cases), 10000000 / divisor);
      int64_t last_rate = 0, total = 0;
      for (const item& it : cases[0].items) {
        expect_sorted(it, true);
        for (const segment& s : it.segs) {
          if (shape == "churn") {
            EXPECT_GE(s.rate, last_rate);
          }
          last_rate = s.rate;
          total += (s.end - s.start) * s.rate;
        }
      }
      if (shape == "hoard") {
        EXPECT_LE(total, cases[0].target - 5);  // below the target by more than the tolerance
      }
    }
  }
}

TEST(GenInput, SeedDecidesTheBytes) {
  EXPECT_EQ(run_gen("cases", 9, 1000).text, run_gen("cases", 9, 1000).text);
  EXPECT_NE(run_gen("cases", 9, 1000).text, run_gen("cases", 10, 1000).text);
}

}  // namespace

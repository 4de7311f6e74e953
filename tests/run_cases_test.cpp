// The test-case loop on in-memory input: the two-case example, files cut short, failing reads,
// and the counts that end a run.
#include "driver/run_cases.h"

#include <gtest/gtest.h>

#include <string>

namespace vesqor {
namespace {

struct outcome {
  run_status status;
  std::string text;
};

outcome run(const std::string& input, uint64_t max_segments = 1000) {
  int_reader in(input.data(), input.size());
  answer_writer out(-1);
  const run_status status = run_cases(in, out, max_segments);
  return {status, out.text()};
}

const char* const example_case = "1 2 12\n10 2\n2 4 5\n6 8 3\n";

TEST(RunCases, InputTable) {
  struct row {
    std::string input;
    std::string expected;
  };
  const std::string two_cases = std::string(example_case) + "0 1 5\n";
  const row rows[] = {
      {two_cases, "4.666666666666667\n-1.000000000000000\n"},
      {"", ""},
      {"1 2", ""},  // incomplete header
      {two_cases + "3", "4.666666666666667\n-1.000000000000000\n"},
      {"0 1 5 0 2 3", "-1.000000000000000\n-1.000000000000000\n"},  // n = 0 reads no items
      // Cut short: the third segment and the tail read as zeros, the answer is unchanged.
      {"1 2 12\n10 3\n2 4 5\n6 8 3\n", "4.666666666666667\n"},
      {"1 2 12\n10 2\n2 4 5\n6", "-1.000000000000000\n"},  // rate of (6,8) lost
      {"1 2 12", "-1.000000000000000\n"},                  // header only: one empty item
      // A stray token zeroes the rest of the case and ends the run at the next header.
      {"1 2 12\n10 2\n2 4 5\n6 8 x\n" + std::string(example_case), "-1.000000000000000\n"},
      {"1 1 2000000000\n1 1\n0 1 1999999999\n", "1.000000000500000\n"},
      {"1 1 -5\n3 0\n", "-inf\n"},
      {"1 1 0\n3 0\n", "nan\n"},
      // Items are passed one after another; the second item's segment completes the target.
      {"2 2 12\n4 1\n0 4 1\n6 1\n2 6 2\n", "9.000000000000000\n"},
  };
  for (const row& r : rows) {
    const outcome o = run(r.input);
    EXPECT_EQ(o.status, run_status::done) << r.input;
    EXPECT_EQ(o.text, r.expected) << r.input;
  }
}

TEST(RunCases, RefusedCountsKeepEarlierAnswers) {
  const std::string first = example_case;
  struct row {
    std::string tail;
    uint64_t max_segments;
  };
  const row rows[] = {
      {"-1 2 3\n", 1000},
      {"2 2 3\n5 -4\n", 1000},
      {"2 2 3\n5 2147483647\n", 1000},
      {"11 2 3\n", 10},             // 11 items hold at least 11 segments
      {"1 2 3\n5 5\n", 10},         // 1 + 2 * 5 = 11 possible segments
      {"0 2 3\n1 2 3\n5 5\n", 10},  // answered n = 0 case, then refused
  };
  for (const row& r : rows) {
    const outcome o = run(first + r.tail, r.max_segments);
    EXPECT_EQ(o.status, run_status::refused) << r.tail;
    const std::string expected_prefix = "4.666666666666667\n";
    EXPECT_EQ(o.text.substr(0, expected_prefix.size()), expected_prefix) << r.tail;
  }
  EXPECT_EQ(run(first + "0 2 3\n1 2 3\n5 5\n", 10).text, "4.666666666666667\n-1.000000000000000\n");
  // Exactly at the limit is accepted.
  EXPECT_EQ(run("1 2 3\n5 5\n", 11).status, run_status::done);
}

}  // namespace
}  // namespace vesqor

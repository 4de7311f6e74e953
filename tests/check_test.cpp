// Runs the built vesqor-check on small files in a temporary folder: the exact diagnostics and exit
// status for every kind of error and warning, the bad inputs users produce, and the command line.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "driver/run_cases.h"

namespace {

namespace fs = std::filesystem;

struct result {
  int status;
  std::string out;
  std::string err;
};

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

struct row {
  std::string input;
  int status;
  std::string out;
};

class Check : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (fs::temp_directory_path() / "vesqor-check-XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override { fs::remove_all(dir_); }

  result run(const std::string& args) {
    const std::string cmd = "cd '" + dir_.string() + "' && '" VESQOR_CHECK_BIN "' " + args +
                            " >stdout.txt 2>stderr.txt";
    const int raw = std::system(cmd.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(dir_ / "stdout.txt"),
            slurp(dir_ / "stderr.txt")};
  }

  result check(const std::string& content) {
    std::ofstream(dir_ / "in", std::ios::binary) << content;
    return run("in");
  }

  void expect_rows(const row* rows, size_t n) {
    for (size_t i = 0; i < n; ++i) {
      const result got = check(rows[i].input);
      EXPECT_EQ(got.out, rows[i].out) << "input: " << rows[i].input;
      EXPECT_EQ(got.status, rows[i].status) << "input: " << rows[i].input;
      EXPECT_EQ(got.err, "") << "input: " << rows[i].input;
    }
  }

  fs::path dir_;
};

const std::string clean_1_1_1 = "in: 1 test case, 1 item, 1 segment; 0 errors, 0 warnings\n";
const std::string no_test_case =
    "in: warning: no test case in the file\n"
    "in: 0 test cases, 0 items, 0 segments; 0 errors, 1 warning\n";

// The bad inputs of the solver's verification table, each as the checker reports it.
TEST_F(Check, BadInputs) {
  const std::string huge_limit = std::to_string(vesqor::default_max_segments());
  const row rows[] = {
      {"1 2 12\n10 2\n2 4 5\n6 8 3\n0 1 5\n", 0,
       "in: 2 test cases, 1 item, 2 segments; 0 errors, 0 warnings\n"},
      // Within the contract, but an empty file is rarely meant.
      {"", 0, no_test_case},
      {" \t\r\n\n\v\f", 0, no_test_case},
      {"0 1 5\n7", 1,
       "in:2:1: error: test case 2: incomplete header at the end of the file: found 1 of its 3 "
       "numbers (item count 7); the solver ignores it\n"
       "in: 1 test case, 0 items, 0 segments; 1 error, 0 warnings\n"},
      {"0 1 5\n7 2\n", 1,
       "in:2:1: error: test case 2: incomplete header at the end of the file: found 2 of its 3 "
       "numbers (item count 7, speed-up 2); the solver ignores it\n"
       "in: 1 test case, 0 items, 0 segments; 1 error, 0 warnings\n"},
      // Non-integer tokens in a header, an item line and a segment.
      {"1 x 5\n", 1,
       "in:1:3: error: test case 1: speed-up is not an integer: found \"x\"; reading stops here\n"
       "in: 0 test cases, 0 items, 0 segments; 1 error, 0 warnings\n"},
      {"1 2 12\n10 two\n", 1,
       "in:2:4: error: test case 1, item 1: segment count is not an integer: found \"two\"; "
       "reading stops here\n"
       "in: 1 test case, 0 items, 0 segments; 1 error, 0 warnings\n"},
      {"1 2 12\n10 1\n2 4.5 5\n", 1,
       "in:3:4: error: test case 1, item 1, segment 1: rate is not an integer: found \".5\" "
       "(directly after end 4); reading stops here\n"
       "in: 1 test case, 1 item, 0 segments; 1 error, 0 warnings\n"},
      {"0 1 5x\n", 1,
       "in:1:6: error: test case 2: item count is not an integer: found \"x\" (directly after "
       "target 5); reading stops here\n"
       "in: 1 test case, 0 items, 0 segments; 1 error, 0 warnings\n"},
      {"1 - 5\n", 1,
       "in:1:3: error: test case 1: speed-up is not an integer: found \"-\"; reading stops here\n"
       "in: 0 test cases, 0 items, 0 segments; 1 error, 0 warnings\n"},
      {"0 1 +", 1,
       "in:1:5: error: test case 1: target is not an integer: found \"+\"; reading stops here\n"
       "in: 0 test cases, 0 items, 0 segments; 1 error, 0 warnings\n"},
      {std::string("1 2 12\n10 1\n2 4 \0 5\n", 18), 1,
       "in:3:5: error: test case 1, item 1, segment 1: rate is not an integer: found \"\\0\"; "
       "reading stops here\n"
       "in: 1 test case, 1 item, 0 segments; 1 error, 0 warnings\n"},
      // "+5", leading zeros, tabs and CR LF read as written: only what they say is flagged.
      {"+1 +2 +12\n+10 +1\n+2 +4 -5\n", 0,
       "in:3:7: warning: test case 1, item 1, segment 1: rate is negative (found -5)\n"
       "in: 1 test case, 1 item, 1 segment; 0 errors, 1 warning\n"},
      {"+0 -05 +000\n", 0,
       "in:1:4: warning: test case 1: speed-up is 0 or less (found -5): skipped segments take "
       "infinite, undefined or negative time\n"
       "in:1:8: warning: test case 1: target is 0 or less (found 0): it is reached before "
       "anything is scored\n"
       "in: 1 test case, 0 items, 0 segments; 0 errors, 2 warnings\n"},
      {"0001 02 012\n010 01\n002 004 005\n", 0, clean_1_1_1},
      {"0 1 0000000000002147483647\n", 0,
       "in: 1 test case, 0 items, 0 segments; 0 errors, 0 warnings\n"},
      {"0 1 002147483648\n", 1,
       "in:1:5: error: test case 1: target is outside the 32-bit range: found \"002147483648\", "
       "read as -2147483648\n"
       "in:1:5: warning: test case 1: target is 0 or less (found -2147483648): with speed-up 1 "
       "the first segment's rate becomes a divisor (-inf, nan or a negative answer)\n"
       "in: 1 test case, 0 items, 0 segments; 1 error, 1 warning\n"},
      {"1\t2\t12\n\t10\t1\n2\t4\t-5\n", 0,
       "in:3:5: warning: test case 1, item 1, segment 1: rate is negative (found -5)\n"
       "in: 1 test case, 1 item, 1 segment; 0 errors, 1 warning\n"},
      {"1 2 12\r\n10 1\r\n2 4 -5\r\n", 0,
       "in:3:5: warning: test case 1, item 1, segment 1: rate is negative (found -5)\n"
       "in: 1 test case, 1 item, 1 segment; 0 errors, 1 warning\n"},
      // The ends of the 32-bit range and just past them.
      {"0 -2147483648 2147483647\n", 0,
       "in:1:3: warning: test case 1: speed-up is 0 or less (found -2147483648): skipped "
       "segments take infinite, undefined or negative time\n"
       "in: 1 test case, 0 items, 0 segments; 0 errors, 1 warning\n"},
      {"0 2147483648 -2147483649\n", 1,
       "in:1:3: error: test case 1: speed-up is outside the 32-bit range: found \"2147483648\", "
       "read as -2147483648\n"
       "in:1:3: warning: test case 1: speed-up is 0 or less (found -2147483648): skipped "
       "segments take infinite, undefined or negative time\n"
       "in:1:14: error: test case 1: target is outside the 32-bit range: found \"-2147483649\", "
       "read as 2147483647\n"
       "in: 1 test case, 0 items, 0 segments; 2 errors, 1 warning\n"},
      // 10^9999 is 0 modulo 2^32.
      {"0 1 1" + std::string(9999, '0') + "\n", 1,
       "in:1:5: error: test case 1: target is outside the 32-bit range: found "
       "\"10000000000000000000...\" (10000 digits), read as 0\n"
       "in:1:5: warning: test case 1: target is 0 or less (found 0): with speed-up 1 the first "
       "segment's rate becomes a divisor (-inf, nan or a negative answer)\n"
       "in: 1 test case, 0 items, 0 segments; 1 error, 1 warning\n"},
      // Negative counts.
      {"-1 2 3\n", 1,
       "in:1:1: error: test case 1: item count is negative (found -1): the solver refuses the "
       "test case and stops\n"
       "in: 1 test case, 0 items, 0 segments; 1 error, 0 warnings\n"},
      {"1 2 3\n5 -2\n", 1,
       "in:2:3: error: test case 1, item 1: segment count is negative (found -2): the solver "
       "refuses the test case and stops\n"
       "in: 1 test case, 1 item, 0 segments; 1 error, 0 warnings\n"},
      // A huge count and then the end of the file: refused by the solver, or cut short.
      {"2 2 3\n5 2147483647\n", 1,
       "in:2:3: error: test case 1, item 1: segment count 2147483647 makes the test case too "
       "large: its counts allow 4294967296 segments, the solver refuses more than " +
           huge_limit +
           " on this machine and stops\n"
           "in: 1 test case, 1 item, 0 segments; 1 error, 0 warnings\n"},
      {"1 2 3\n5 1000\n", 1,
       "in:3:1: error: file ends inside test case 1: missing segments 1 to 1000 of item 1\n"
       "in: 1 test case, 1 item, 0 segments; 1 error, 0 warnings\n"},
  };
  expect_rows(rows, std::size(rows));
}

TEST_F(Check, FileEndsInsideTestCase) {
  const row rows[] = {
      {"3 2 12\n", 1,
       "in:2:1: error: file ends inside test case 1: missing items 1 to 3\n"
       "in: 1 test case, 0 items, 0 segments; 1 error, 0 warnings\n"},
      {"2 2 12\n10", 1,
       "in:2:3: error: file ends inside test case 1: missing the segment count of item 1 and "
       "item 2\n"
       "in: 1 test case, 0 items, 0 segments; 1 error, 0 warnings\n"},
      {"1 2 12\n10 3\n2 4 5\n6", 1,
       "in:4:2: error: file ends inside test case 1: missing the end and rate of segment 2 of "
       "item 1 and segment 3 of item 1\n"
       "in: 1 test case, 1 item, 1 segment; 1 error, 0 warnings\n"},
      {"2 2 12\n10 1\n2 4", 1,
       "in:3:4: error: file ends inside test case 1: missing the rate of segment 1 of item 1 "
       "and item 2\n"
       "in: 1 test case, 1 item, 0 segments; 1 error, 0 warnings\n"},
  };
  expect_rows(rows, std::size(rows));
}

TEST_F(Check, Warnings) {
  const std::string top = "2147483647 1\n0 2147483647 2147483647\n";
  const std::string low = "2147483647 1\n0 2147483647 -2147483648\n";
  const row rows[] = {
      {"0 0 5\n", 0,
       "in:1:3: warning: test case 1: speed-up is 0 or less (found 0): skipped segments take "
       "infinite, undefined or negative time\n"
       "in: 1 test case, 0 items, 0 segments; 0 errors, 1 warning\n"},
      {"0 2 -1\n", 0,
       "in:1:5: warning: test case 1: target is 0 or less (found -1): it is reached before "
       "anything is scored\n"
       "in: 1 test case, 0 items, 0 segments; 0 errors, 1 warning\n"},
      {"1 2 5\n-4 0\n", 0,
       "in:2:1: warning: test case 1, item 1: length is negative (found -4)\n"
       "in: 1 test case, 1 item, 0 segments; 0 errors, 1 warning\n"},
      // Reversed, out of order, outside the item, overlapping; repeats are tallied.
      {"1 2 5\n10 4\n3 1 1\n-1 5 1\n4 12 1\n2 3 1\n", 0,
       "in:3:3: warning: test case 1, item 1, segment 1: ends before it starts (start 3, end 1)\n"
       "in:4:1: warning: test case 1, item 1, segment 2: [-1, 5) reaches outside the item "
       "[0, 10] (1 more in this test case)\n"
       "in:4:1: warning: test case 1, item 1, segment 2: out of order: starts at -1, before "
       "segment 1 starts at 3 (2 more in this test case)\n"
       "in: 1 test case, 1 item, 4 segments; 0 errors, 3 warnings\n"},
      {"1 2 5\n10 2\n0 5 1\n4 10 1\n", 0,
       "in:4:1: warning: test case 1, item 1, segment 2: overlaps segment 1: starts at 4, "
       "before it ends at 5\n"
       "in: 1 test case, 1 item, 2 segments; 0 errors, 1 warning\n"},
      // Touching segments, an item without segments, rate 0: all fine.
      {"2 2 5\n10 2\n0 5 0\n5 10 3\n7 0\n", 0,
       "in: 1 test case, 2 items, 2 segments; 0 errors, 0 warnings\n"},
      {"1 2 12\n10 1\n2 4-5", 0,
       "in:3:4: warning: test case 1, item 1, segment 1: rate -5 directly follows end 4 "
       "without whitespace (read as two numbers)\n"
       "in:3:4: warning: test case 1, item 1, segment 1: rate is negative (found -5)\n"
       "in: 1 test case, 1 item, 1 segment; 0 errors, 2 warnings\n"},
      // 32-bit lengths: a listed segment, the stretch between two, the stretch after the last.
      {"1 2 5\n10 1\n-2000000000 2000000000 1\n", 0,
       "in:3:1: warning: test case 1, item 1, segment 1: [-2000000000, 2000000000) reaches "
       "outside the item [0, 10]\n"
       "in:3:13: warning: test case 1, item 1, segment 1: length 2000000000 - -2000000000 = "
       "4000000000 wraps to -294967296 in 32 bits\n"
       "in: 1 test case, 1 item, 1 segment; 0 errors, 2 warnings\n"},
      {"1 2 5\n2000000000 2\n-2000000000 -1999999999 0\n2000000000 2000000000 0\n", 0,
       "in:3:1: warning: test case 1, item 1, segment 1: [-2000000000, -1999999999) reaches "
       "outside the item [0, 2000000000]\n"
       "in:4:1: warning: test case 1, item 1, segment 2: the uncovered stretch before it, "
       "[-1999999999, 2000000000), has length 3999999999, which wraps to -294967297 in 32 bits\n"
       "in: 1 test case, 1 item, 2 segments; 0 errors, 2 warnings\n"},
      {"1 2 5\n2000000000 1\n-2000000000 -1999999999 0\n", 0,
       "in:3:1: warning: test case 1, item 1, segment 1: [-2000000000, -1999999999) reaches "
       "outside the item [0, 2000000000]\n"
       "in:3:13: warning: test case 1, item 1, segment 1: the uncovered stretch after it, "
       "[-1999999999, 2000000000), has length 3999999999, which wraps to -294967297 in 32 bits\n"
       "in: 1 test case, 1 item, 1 segment; 0 errors, 2 warnings\n"},
      // 64-bit scores: two gains of (2^31 - 1)^2 stay within 2^63 - 2^31, three do not.
      {"2 2 5\n" + top + top, 0, "in: 1 test case, 2 items, 2 segments; 0 errors, 0 warnings\n"},
      {"3 2 5\n" + top + top + top, 0,
       "in:7:14: warning: test case 1, item 3, segment 1: score may wrap around 64 bits: "
       "positive gains (length x rate) total 13835058042397261827 here, more than "
       "9223372034707292160\n"
       "in: 1 test case, 3 items, 3 segments; 0 errors, 1 warning\n"},
      {"3 2 5\n" + low + low + low, 0,
       "in:3:14: warning: test case 1, item 1, segment 1: rate is negative (found -2147483648) "
       "(2 more in this test case)\n"
       "in:7:14: warning: test case 1, item 3, segment 1: score may wrap around 64 bits: "
       "negative gains (length x rate) total -13835058048839712768 here, beyond "
       "-9223372034707292160\n"
       "in: 1 test case, 3 items, 3 segments; 0 errors, 2 warnings\n"},
  };
  expect_rows(rows, std::size(rows));
}

TEST_F(Check, AtMostTwentyOfEachKind) {
  // 25 test cases with two negative rates each: one warning per test case, 20 shown.
  std::string input;
  std::string out;
  for (int k = 0; k < 25; ++k) {
    input += "1 2 5\n10 2\n0 1 -1\n1 2 -1\n";
    if (k < 20) {
      out += "in:" + std::to_string(4 * k + 3) + ":5: warning: test case " + std::to_string(k + 1) +
             ", item 1, segment 1: rate is negative (found -1) (1 more in this test case)\n";
    }
  }
  out += "in: note: 5 more \"negative rate\" warnings not shown\n";
  out += "in: 25 test cases, 25 items, 50 segments; 0 errors, 25 warnings\n";
  const result got = check(input);
  EXPECT_EQ(got.out, out);
  EXPECT_EQ(got.status, 0);

  // 22 numbers out of range (2^32 + 5 reads as 5): each an error, 20 shown.
  input.clear();
  out.clear();
  for (int k = 0; k < 22; ++k) {
    input += "0 1 4294967301\n";
    if (k < 20) {
      out += "in:" + std::to_string(k + 1) + ":5: error: test case " + std::to_string(k + 1) +
             ": target is outside the 32-bit range: found \"4294967301\", read as 5\n";
    }
  }
  out += "in: note: 2 more \"outside the 32-bit range\" errors not shown\n";
  out += "in: 22 test cases, 0 items, 0 segments; 22 errors, 0 warnings\n";
  const result errs = check(input);
  EXPECT_EQ(errs.out, out);
  EXPECT_EQ(errs.status, 1);
}

TEST_F(Check, CommandLine) {
  std::ofstream(dir_ / "vesqor.in") << "0 0 5\n";
  const result deflt = run("");
  EXPECT_EQ(deflt.status, 0);
  EXPECT_EQ(deflt.out,
            "vesqor.in:1:3: warning: test case 1: speed-up is 0 or less (found 0): skipped "
            "segments take infinite, undefined or negative time\n"
            "vesqor.in: 1 test case, 0 items, 0 segments; 0 errors, 1 warning\n");

  const result missing = run("nothere");
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err, "nothere: error: cannot open: No such file or directory\n");

  fs::create_directory(dir_ / "folder");
  const result folder = run("folder");
  EXPECT_EQ(folder.status, 2);
  EXPECT_EQ(folder.err, "folder: error: cannot read: Is a directory\n");

  const result help = run("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("usage: vesqor-check [FILE]\n", 0), 0u) << help.out;

  const result version = run("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "vesqor-check 1.0\n");

  EXPECT_EQ(run("--bogus").status, 2);
  EXPECT_EQ(run("vesqor.in vesqor.in").status, 2);
  std::ofstream(dir_ / "-x") << "0 1 5\n";
  const result dashed = run("-- -x");
  EXPECT_EQ(dashed.status, 0);
  EXPECT_EQ(dashed.out, "-x: 1 test case, 0 items, 0 segments; 0 errors, 0 warnings\n");
}

}  // namespace

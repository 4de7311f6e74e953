// The checker's scanner against the solver's int_reader on random text (same values, same point
// of failure) and against plain models of line/column and of the 32-bit range, across refills.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "check/scanner.h"
#include "driver/int_reader.h"

namespace vesqor::check {
namespace {

// A file holding text, open for reading; closed when it goes.
struct temp_file {
  explicit temp_file(const std::string& text) : f(std::tmpfile()) {
    std::fwrite(text.data(), 1, text.size(), f);
    std::fflush(f);
    std::rewind(f);
  }
  ~temp_file() { std::fclose(f); }
  int fd() const { return fileno(f); }
  std::FILE* f;
};

// What the generator put at each number: its offset and whether it is outside the 32-bit range.
struct planted {
  size_t offset;
  bool out_of_range;
  bool joined;
};

// Whether the digits (no sign) name a value beyond limit, both given as decimal text.
bool beyond(const std::string& digits, const std::string& limit) {
  const size_t nz = digits.find_first_not_of('0');
  const std::string v = nz == std::string::npos ? "0" : digits.substr(nz);
  return v.size() != limit.size() ? v.size() > limit.size() : v > limit;
}

// Random numbers (up to 300 digits, leading zeros, signs) separated by runs of C whitespace or,
// before a signed number, by nothing; ends with junk, a lone sign or nothing (then clean is set).
std::string random_text(std::mt19937& rng, std::vector<planted>& plan, bool& clean) {
  const char spaces[] = {' ', '\t', '\n', '\v', '\f', '\r'};
  std::string text;
  const int count = std::uniform_int_distribution<int>(0, 400)(rng);
  for (int i = 0; i < count; ++i) {
    const int sign = std::uniform_int_distribution<int>(0, 2)(rng);  // none, +, -
    const bool joined = i > 0 && sign != 0 && rng() % 4 == 0;
    if (i > 0 && !joined) {
      const int run = std::uniform_int_distribution<int>(1, 3)(rng);
      for (int k = 0; k < run; ++k) text += spaces[rng() % 6];
    }
    const size_t at = text.size();
    if (sign) text += sign == 1 ? '+' : '-';
    std::string digits;
    const int zeros = rng() % 5 == 0 ? std::uniform_int_distribution<int>(1, 15)(rng) : 0;
    digits.append(static_cast<size_t>(zeros), '0');
    const int width = rng() % 20 == 0 ? std::uniform_int_distribution<int>(11, 300)(rng)
                                      : std::uniform_int_distribution<int>(1, 11)(rng);
    for (int k = 0; k < width; ++k) digits += static_cast<char>('0' + rng() % 10);
    text += digits;
    plan.push_back({at, beyond(digits, sign == 2 ? "2147483648" : "2147483647"), joined});
  }
  const char* tails[] = {"", " x", " -", "+", "x", "\n\x01", " \0"};
  const int tail = static_cast<int>(rng() % 7);
  clean = tail == 0;
  text.append(tails[tail], tail == 6 ? 2 : std::char_traits<char>::length(tails[tail]));
  return text;
}

TEST(Scanner, AgreesWithSolverReader) {
  std::mt19937 rng(20240517);
  for (int round = 0; round < 300; ++round) {
    std::vector<planted> plan;
    bool clean = false;
    const std::string text = random_text(rng, plan, clean);

    std::vector<int32_t> solver;
    int_reader reader(text.data(), text.size());
    for (int32_t v = 0; reader.read(v);) solver.push_back(v);

    // A small buffer, so that numbers and runs of whitespace straddle refills.
    temp_file file(text);
    scanner in(file.fd(), 128 + static_cast<size_t>(round % 64));
    std::vector<int32_t> got;
    token t;
    for (in.next(t); t.kind == token::type::number; in.next(t)) {
      const size_t i = got.size();
      ASSERT_LT(i, plan.size()) << text;
      EXPECT_EQ(t.at.offset, plan[i].offset);
      EXPECT_EQ(t.out_of_range, plan[i].out_of_range) << "number " << i;
      EXPECT_EQ(t.joined, plan[i].joined) << "number " << i;
      // Line and column by counting line breaks before the number.
      const std::string before = text.substr(0, plan[i].offset);
      const size_t last_break = before.rfind('\n');
      EXPECT_EQ(t.at.line,
                1 + static_cast<uint64_t>(std::count(before.begin(), before.end(), '\n')));
      EXPECT_EQ(t.at.col,
                last_break == std::string::npos ? plan[i].offset + 1 : plan[i].offset - last_break);
      got.push_back(t.value);
    }
    EXPECT_EQ(got, solver) << "round " << round;
    EXPECT_EQ(got.size(), plan.size());
    EXPECT_EQ(t.kind, clean ? token::type::end : token::type::other) << "round " << round;
  }
}

TEST(Scanner, QuotesWhatItFound) {
  struct row {
    std::string text;
    std::string quoted;
    uint64_t digits;  // of a number token; 0 for others
  };
  const std::string long_number = "-" + std::string(400, '7');
  const row rows[] = {
      {"x", "\"x\"", 0},
      {"  abc\"\\d e", "\"abc\\\"\\\\d\"", 0},
      {std::string("\0", 1), "\"\\0\"", 0},
      {"\x80\x7f\xff", "\"\\x80\\x7f\\xff\"", 0},
      {"abcdefghijklmnopqrstuvwxyz", "\"abcdefghijklmnopqrst...\"", 0},
      {"12345678901234567890", "\"12345678901234567890\"", 20},
      {"+0123456789012345678901", "\"+0123456789012345678...\"", 22},
      // Longer than the buffer: the first bytes are kept as the rest streams past.
      {"\n\n  " + long_number + " 5", "\"-7777777777777777777...\"", 400},
  };
  for (const row& r : rows) {
    temp_file file(r.text);
    scanner in(file.fd(), 128);
    token t;
    in.next(t);
    EXPECT_EQ(in.quoted(), r.quoted) << r.text;
    if (r.digits) {
      EXPECT_EQ(t.kind, token::type::number);
      EXPECT_EQ(in.digits(), r.digits);
    } else {
      EXPECT_EQ(t.kind, token::type::other);
    }
  }
}

TEST(Scanner, StopsAtOtherAndReportsEnd) {
  temp_file file("1\n\n  22\t-3");
  scanner in(file.fd(), 128);
  token t;
  in.next(t);
  EXPECT_EQ(t.value, 1);
  in.next(t);
  EXPECT_EQ(t.value, 22);
  EXPECT_EQ(t.at.line, 3u);
  EXPECT_EQ(t.at.col, 3u);
  in.next(t);
  EXPECT_EQ(t.value, -3);
  EXPECT_EQ(t.at.col, 6u);
  in.next(t);
  EXPECT_EQ(t.kind, token::type::end);
  EXPECT_EQ(t.at.line, 3u);
  EXPECT_EQ(t.at.col, 8u);

  temp_file bad("7 ?5 8");
  scanner stuck(bad.fd(), 128);
  stuck.next(t);
  for (int i = 0; i < 3; ++i) {
    stuck.next(t);
    EXPECT_EQ(t.kind, token::type::other);
    EXPECT_EQ(t.at.col, 3u);
  }
}

}  // namespace
}  // namespace vesqor::check

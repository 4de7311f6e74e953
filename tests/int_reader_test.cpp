// int_reader reads like "%d": C whitespace, signs, leading zeros, values wrapped modulo 2^32, and
// a failure that sticks; also across the boundaries of its file buffer.
#include "driver/int_reader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

namespace vesqor {
namespace {

// Every number read until the first failure.
std::vector<int32_t> read_all(int_reader& in) {
  std::vector<int32_t> got;
  int32_t v = 0;
  while (in.read(v)) got.push_back(v);
  return got;
}

std::vector<int32_t> read_all(const std::string& text) {
  int_reader in(text.data(), text.size());
  return read_all(in);
}

TEST(IntReader, FormattedReadTable) {
  struct row {
    std::string text;
    std::vector<int32_t> expected;
  };
  const std::string ten_thousand_digits = "1" + std::string(9999, '0');  // 10^9999 = 0 mod 2^32
  const row rows[] = {
      {"", {}},
      {" \t\n\v\f\r", {}},
      {"1 -2 +3", {1, -2, 3}},
      {"007\r\n-0008\t+0", {7, -8, 0}},
      {"2147483647 -2147483648", {2147483647, -2147483647 - 1}},
      {"2147483648 -2147483649 4294967297", {-2147483647 - 1, 2147483647, 1}},
      {ten_thousand_digits + " " + ten_thousand_digits + "7", {0, 7}},
      {"12abc 5", {12}},  // stops before the letter, then sticks on it
      {"1 x 2 3", {1}},
      {"1 - 2", {1}},  // a lone sign is not a number
      {"1 +", {1}},
      {std::string("4 \0 5", 5), {4}},
      {"3 4.5 6", {3, 4}},
  };
  for (const row& r : rows) EXPECT_EQ(read_all(r.text), r.expected) << '"' << r.text << '"';
}

TEST(IntReader, FailureLeavesValueAndSticks) {
  const std::string text = "x 1";
  int_reader in(text.data(), text.size());
  int32_t v = 42;
  EXPECT_FALSE(in.read(v));
  EXPECT_EQ(v, 42);
  EXPECT_FALSE(in.read(v));
  EXPECT_TRUE(in.failed());
}

TEST(IntReader, NumbersSpanningFileBufferRefills) {
  // Numbers of varied widths, so many of them straddle the 1 MiB buffer boundary.
  std::string text;
  std::vector<int32_t> expected;
  for (int32_t i = 0; text.size() < (size_t{3} << 20); ++i) {
    const int32_t v = (i % 7 == 0) ? -i * 131 : i * 977;
    text += std::to_string(v) + (i % 3 ? " " : "\n");
    expected.push_back(v);
  }
  FILE* f = std::tmpfile();
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(std::fwrite(text.data(), 1, text.size(), f), text.size());
  std::fflush(f);
  std::rewind(f);
  int_reader in(fileno(f));
  EXPECT_EQ(read_all(in), expected);
  std::fclose(f);
}

}  // namespace
}  // namespace vesqor

// Answer formatting and buffered output for the driver: "%.15f" done in integers for answers
// below about 18446, the C library beyond; O(1) per answer. Flushes every 1 MiB with write(2).
#include "driver/answer_writer.h"

#include <unistd.h>

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace vesqor {

namespace {

constexpr size_t flush_at = size_t{1} << 20;
constexpr uint64_t scale = 1000000000000000;  // 10^15

// The value of finite d times 10^15, rounded to the nearest integer with ties to even, as
// "%.15f" rounds (the exact binary value, to nearest, ties to an even last digit). d is
// m * 2^e with m < 2^53, so m * 10^15 < 2^103 is exact in 128 bits and shifting it right by -e
// divides exactly, the bits shifted out deciding the rounding. Returns false when the result
// does not fit 64 bits (|d| above about 18446), which is left to the C library.
bool scaled_digits(double d, uint64_t& q) {
  const uint64_t bits = std::bit_cast<uint64_t>(d);
  const int field = static_cast<int>(bits >> 52 & 0x7ff);
  const uint64_t m = field == 0 ? bits & ((uint64_t{1} << 52) - 1)
                                : (bits & ((uint64_t{1} << 52) - 1)) | uint64_t{1} << 52;
  const int e = (field == 0 ? 1 : field) - 1075;
  using u128 = unsigned __int128;
  const u128 n = static_cast<u128>(m) * scale;
  u128 r = 0;
  if (e >= 0) {
    if (e > 11) return false;  // |d| >= 2^52 * 2^12 > 2^64
    r = n << e;
  } else if (-e >= 104) {
    r = 0;  // n < 2^103 <= half of 2^-e: rounds to 0
  } else {
    const int k = -e;
    r = n >> k;
    const u128 rest = n - (r << k), half = u128{1} << (k - 1);
    if (rest > half || (rest == half && (r & 1) != 0)) ++r;
  }
  if (r >> 64 != 0) return false;
  q = static_cast<uint64_t>(r);
  return true;
}

// Writes "[-]int.fffffffffffffff\n" from the scaled value q and the sign.
size_t write_fixed(bool negative, uint64_t q, char* out) {
  char* p = out;
  if (negative) *p++ = '-';
  uint64_t whole = q / scale;
  const uint64_t frac = q % scale;
  char digits[20];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + whole % 10);
    whole /= 10;
  } while (whole != 0);
  while (n > 0) *p++ = digits[--n];
  *p++ = '.';
  // Two halves of 7 and 8 digits in 32 bits, whose divisions by 10 run side by side.
  uint32_t high = static_cast<uint32_t>(frac / 100000000),
           low = static_cast<uint32_t>(frac % 100000000);
  for (int i = 6; i >= 0; --i) {
    p[i + 8] = static_cast<char>('0' + low % 10);
    p[i] = static_cast<char>('0' + high % 10);
    low /= 10;
    high /= 10;
  }
  p[7] = static_cast<char>('0' + low);  // the first of the 8 low digits
  p += 15;
  *p++ = '\n';
  return static_cast<size_t>(p - out);
}

}  // namespace

size_t format_answer(long double v, char* out) {
  const double d = static_cast<double>(v);
  const char* word = nullptr;
  if (std::isnan(d)) {
    word = "nan\n";
  } else if (std::isinf(d)) {
    word = d < 0 ? "-inf\n" : "inf\n";
  }
  if (word) {
    const size_t n = std::strlen(word);
    std::memcpy(out, word, n);
    return n;
  }
  uint64_t q = 0;
  if (scaled_digits(d, q)) return write_fixed(std::signbit(d), q, out);
  return static_cast<size_t>(std::snprintf(out, 400, "%.15f\n", d));
}

void answer_writer::write_answer(long double v) {
  char line[400];
  buffer_.append(line, format_answer(v, line));
  if (fd_ >= 0 && buffer_.size() >= flush_at) flush();
}

bool answer_writer::flush() {
  const char* p = buffer_.data();
  size_t left = buffer_.size();
  while (ok_ && left > 0) {
    const ssize_t put = ::write(fd_, p, left);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      ok_ = false;
      break;
    }
    p += put;
    left -= static_cast<size_t>(put);
  }
  buffer_.clear();
  return ok_;
}

bool answer_writer::finish() {
  if (fd_ >= 0) flush();
  return ok_;
}

}  // namespace vesqor

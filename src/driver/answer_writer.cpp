// Answer formatting and buffered output for the driver.
// Flushes every 1 MiB with write(2), retried on EINTR and short writes.
#include "driver/answer_writer.h"

#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace vesqor {

namespace {
constexpr size_t flush_at = size_t{1} << 20;
}

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

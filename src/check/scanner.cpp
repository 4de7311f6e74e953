// Token scanning with positions: whitespace is skipped byte by byte (counting lines), digits are
// accumulated in 64 bits and folded to 32 bits when they spill over. O(1) per byte.
#include "check/scanner.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "driver/int_chars.h"

namespace vesqor::check {

scanner::scanner(int fd, size_t buffer_size)
    : fd_(fd), size_(std::max(buffer_size, 2 * lookahead)), buf_(new char[size_]) {
  p_ = end_ = buf_.get();
}

// Moves the unread bytes to the front and reads until at least lookahead bytes are unread or the
// input ends. True if any byte was added.
bool scanner::fill() {
  if (eof_) return false;
  const size_t keep = static_cast<size_t>(end_ - p_);
  char* const buf = buf_.get();
  base_ += static_cast<uint64_t>(p_ - buf);
  std::memmove(buf, p_, keep);
  p_ = buf;
  char* end = buf + keep;
  while (static_cast<size_t>(end - buf) < lookahead) {
    const ssize_t got = ::read(fd_, end, size_ - static_cast<size_t>(end - buf));
    if (got > 0) {
      end += got;
      continue;
    }
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) error_ = errno;
    eof_ = true;
    break;
  }
  end_ = end;
  return static_cast<size_t>(end - buf) > keep;
}

// Keeps the first bytes of a number that runs on past the buffer.
void scanner::spill() {
  head_len_ = std::min(quote_max + 1, static_cast<size_t>(end_ - start_));
  std::memcpy(head_, start_, head_len_);
  spilled_ = true;
}

void scanner::next(token& t) {
  bool space = false;
  for (;;) {
    while (p_ != end_ && is_c_space(*p_)) {
      if (*p_ == '\n') {
        ++line_;
        line_start_ = base_ + static_cast<uint64_t>(p_ - buf_.get()) + 1;
      }
      ++p_;
      space = true;
    }
    if (p_ != end_) break;
    if (!fill()) {
      t.kind = last_ = token::type::end;
      t.at = here();
      after_number_ = false;
      return;
    }
  }
  if (static_cast<size_t>(end_ - p_) < lookahead) fill();

  start_ = p_;
  spilled_ = false;
  t.at = here();
  t.joined = after_number_ && !space;
  const char* q = p_;
  const bool negative = *q == '-';
  if (negative || *q == '+') ++q;
  if (q == end_ || !is_dec_digit(*q)) {
    t.kind = last_ = token::type::other;
    after_number_ = false;
    return;
  }

  // acc holds the value modulo 2^32 after every digit; big records that it ever needed more.
  uint64_t acc = 0;
  bool big = false;
  number_len_ = static_cast<uint64_t>(q - p_);
  digits_ = 0;
  for (;;) {
    const char* run = q;
    while (q != end_ && is_dec_digit(*q)) {
      acc = acc * 10 + static_cast<uint64_t>(*q - '0');
      if (acc >> 32) {
        big = true;
        acc &= 0xffffffffu;
      }
      ++q;
    }
    digits_ += static_cast<uint64_t>(q - run);
    if (q != end_) break;
    if (!spilled_) spill();
    p_ = q;
    const bool more = fill();
    q = p_;
    if (!more) break;
  }
  p_ = q;
  number_len_ += digits_;

  const uint32_t low = static_cast<uint32_t>(acc);
  t.kind = last_ = token::type::number;
  t.value = static_cast<int32_t>(negative ? 0u - low : low);
  t.out_of_range = big || acc > (negative ? 0x80000000u : 0x7fffffffu);
  after_number_ = true;
}

std::string scanner::quoted() const {
  const char* text = spilled_ ? head_ : start_;
  size_t len = 0;
  if (last_ == token::type::number) {
    len = static_cast<size_t>(std::min<uint64_t>(number_len_, quote_max + 1));
  } else if (last_ == token::type::other) {
    while (len <= quote_max && start_ + len != end_ && !is_c_space(start_[len])) ++len;
  }
  const bool cut = len > quote_max;
  if (cut) len = quote_max;
  std::string out = "\"";
  for (size_t i = 0; i < len; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == 0) {
      out += "\\0";
    } else if (c < 0x20 || c > 0x7e) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02x", c);
      out += hex;
    } else {
      out += static_cast<char>(c);
    }
  }
  if (cut) out += "...";
  out += '"';
  return out;
}

pos scanner::here() const {
  const uint64_t offset = base_ + static_cast<uint64_t>(p_ - buf_.get());
  return {offset, line_, offset - line_start_ + 1};
}

}  // namespace vesqor::check

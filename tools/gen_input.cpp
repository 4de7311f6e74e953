// Writes a large, valid vesqor input of a named shape to standard output, the same bytes for the
// same shape, seed and divisor. O(segments) time, O(1) memory besides a 1 MiB output buffer.
//
// Usage: vesqor-gen SHAPE SEED [DIVISOR]
//   items  one test case of 10^6 items, 4 to 12 sorted segments each, rates 1..1000, T = 2*10^9
//   long   one item of 10^7 touching unit segments, rates 1..1000, target met before the middle
//   cases  10^6 test cases of 1 to 3 items with 0 to 4 segments each, K and T varied
//   churn  10^7 touching segments whose rates rise along the timeline, small target: each new
//          segment is pushed and an older one skipped
//   hoard  10^7 touching segments whose total score stays below T: the heap ends up holding all
// DIVISOR (default 1) divides every count, for small files of the same shape. The number of
// segments listed in the file is printed on standard error.
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// splitmix64: a fixed generator, so a seed gives the same file on every platform.
class random_source {
 public:
  explicit random_source(uint64_t seed) : state_(seed) {}
  uint64_t next() {
    uint64_t z = (state_ += 0x9e3779b97f4a7c15u);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
    return z ^ (z >> 31);
  }
  // Uniform enough in [lo, hi] for test data (the modulo bias is below 2^-32).
  int32_t in(int32_t lo, int32_t hi) {
    return lo + static_cast<int32_t>(next() % static_cast<uint64_t>(hi - lo + 1));
  }

 private:
  uint64_t state_;
};

// Buffered decimal output of integers separated by spaces and newlines.
class text_out {
 public:
  ~text_out() { flush(); }
  text_out& num(int64_t v) {
    if (used_ + 24 > sizeof buf_) flush();
    char digits[24];
    int n = 0;
    uint64_t u = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
    do {
      digits[n++] = static_cast<char>('0' + u % 10);
      u /= 10;
    } while (u != 0);
    if (v < 0) buf_[used_++] = '-';
    while (n > 0) buf_[used_++] = digits[--n];
    buf_[used_++] = ' ';
    return *this;
  }
  // Replaces the separator after the last number by a newline.
  void line() { buf_[used_ - 1] = '\n'; }
  void flush() {
    if (used_ != 0 && std::fwrite(buf_, 1, used_, stdout) != used_) {
      std::perror("vesqor-gen");
      std::exit(1);
    }
    used_ = 0;
  }

 private:
  char buf_[1 << 20];
  size_t used_ = 0;
};

text_out out;
int64_t segments_written = 0;

void items(random_source& rng, int64_t div) {
  const int64_t n = 1000000 / div;
  out.num(n).num(3).num(2000000000).line();
  for (int64_t i = 0; i < n; ++i) {
    const int32_t m = rng.in(4, 12);
    // Sorted segments with gaps of 0..20 between them; the item ends 0..20 after the last one.
    int32_t starts[12], ends[12], pos = 0;
    for (int32_t j = 0; j < m; ++j) {
      starts[j] = pos + rng.in(0, 20);
      ends[j] = starts[j] + rng.in(1, 50);
      pos = ends[j];
    }
    out.num(pos + rng.in(0, 20)).num(m).line();
    for (int32_t j = 0; j < m; ++j) out.num(starts[j]).num(ends[j]).num(rng.in(1, 1000)).line();
    segments_written += m;
  }
}

void long_item(random_source& rng, int64_t div) {
  const int64_t m = 10000000 / div;
  // Mean gain 500.5 per segment: a target of 250 per segment (at most 2*10^9) is met a little
  // before the middle.
  out.num(1).num(4).num(m * 250 < 2000000000 ? m * 250 : 2000000000).line();
  out.num(m).num(m).line();
  for (int64_t j = 0; j < m; ++j) out.num(j).num(j + 1).num(rng.in(1, 1000)).line();
  segments_written = m;
}

void cases(random_source& rng, int64_t div) {
  const int64_t count = 1000000 / div;
  for (int64_t c = 0; c < count; ++c) {
    const int32_t n = rng.in(1, 3);
    out.num(n).num(rng.in(1, 4)).num(rng.in(1, 400)).line();
    for (int32_t i = 0; i < n; ++i) {
      const int32_t m = rng.in(0, 4);
      int32_t starts[4], ends[4], pos = 0;
      for (int32_t j = 0; j < m; ++j) {
        starts[j] = pos + rng.in(0, 5);
        ends[j] = starts[j] + rng.in(1, 10);
        pos = ends[j];
      }
      out.num(pos + rng.in(0, 5)).num(m).line();
      for (int32_t j = 0; j < m; ++j) out.num(starts[j]).num(ends[j]).num(rng.in(0, 20)).line();
      segments_written += m;
    }
  }
}

constexpr int64_t per_item = 1000;

// One test case of `items` items of per_item touching segments (so no fillers), lengths 1..3,
// with rates from rate_of(global segment index).
template <class RateOf>
void touching(random_source& rng, int64_t items, int32_t target, RateOf rate_of) {
  out.num(items).num(2).num(target).line();
  int64_t& index = segments_written;
  for (int64_t i = 0; i < items; ++i) {
    int32_t lens[per_item], len = 0;
    for (int64_t j = 0; j < per_item; ++j) len += lens[j] = rng.in(1, 3);
    out.num(len).num(per_item).line();
    int32_t pos = 0;
    for (int64_t j = 0; j < per_item; ++j, ++index) {
      out.num(pos).num(pos + lens[j]).num(rate_of(index)).line();
      pos += lens[j];
    }
  }
}

void churn(random_source& rng, int64_t div) {
  const int64_t items = 10000 / div, total = items * per_item;
  // Rates rise from 1 to 1000 and never fall; a target of 50 takes a few dozen segments at the
  // start and one or two later on.
  touching(rng, items, 50,
           [&](int64_t index) { return static_cast<int32_t>(1 + index * 1000 / total); });
}

void hoard(random_source& rng, int64_t div) {
  // Gains are at most 3 * 60 = 180, so 10^7 segments score at most 1.8 * 10^9 < T.
  touching(rng, 10000 / div, 2147483647, [&](int64_t) { return rng.in(0, 60); });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fputs("usage: vesqor-gen items|long|cases|churn|hoard SEED [DIVISOR]\n", stderr);
    return 2;
  }
  const std::string shape = argv[1];
  random_source rng(std::strtoull(argv[2], nullptr, 10));
  const int64_t div = argc == 4 ? std::strtoll(argv[3], nullptr, 10) : 1;
  if (div < 1 || div > 10000) {
    std::fputs("vesqor-gen: DIVISOR must be 1..10000\n", stderr);
    return 2;
  }
  if (shape == "items") {
    items(rng, div);
  } else if (shape == "long") {
    long_item(rng, div);
  } else if (shape == "cases") {
    cases(rng, div);
  } else if (shape == "churn") {
    churn(rng, div);
  } else if (shape == "hoard") {
    hoard(rng, div);
  } else {
    std::fprintf(stderr, "vesqor-gen: unknown shape '%s'\n", argv[1]);
    return 2;
  }
  out.flush();
  if (std::fflush(stdout) != 0) return 1;
  std::fprintf(stderr, "%" PRId64 " segments\n", segments_written);
  return 0;
}

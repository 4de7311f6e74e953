// Builds a file as a list of tokens with random separators, then may damage it: a bad token, a
// sign or leading zeros, a cut at any byte. Values are drawn from small pools so ties are common.
#include "reference/case_generator.h"

#include <random>
#include <string>
#include <vector>

namespace vesqor::reference {

namespace {

constexpr int64_t int_min = -2147483647 - 1;
constexpr int64_t int_max = 2147483647;

class file_builder {
 public:
  explicit file_builder(uint64_t seed) : rng_(seed) {}

  std::string build() {
    const int cases = 1 + pick(4);
    for (int c = 0; c < cases; ++c) test_case();
    std::string text;
    for (size_t i = 0; i < tokens_.size(); ++i) {
      if (i) text += separator();
      text += tokens_[i];
    }
    if (chance(2)) text += '\n';
    if (chance(8)) text.resize(pick(static_cast<int>(text.size()) + 1));  // cut anywhere
    return text;
  }

 private:
  int pick(int n) { return static_cast<int>(rng_() % static_cast<uint64_t>(n)); }
  bool chance(int one_in) { return pick(one_in) == 0; }
  int64_t between(int64_t lo, int64_t hi) {
    return lo + static_cast<int64_t>(rng_() % static_cast<uint64_t>(hi - lo + 1));
  }

  std::string separator() {
    static const char* const seps[] = {" ", " ", " ", "\n", "\t", "\r\n", "  ", "\v", "\f"};
    return seps[pick(9)];
  }

  void number(int64_t v) {
    std::string s = std::to_string(v);
    if (chance(40)) {  // spellings a "%d" read accepts
      const bool neg = s[0] == '-';
      std::string digits = neg ? s.substr(1) : s;
      digits = std::string(1 + pick(3), '0') + digits;
      s = (neg ? "-" : chance(2) ? "+" : "") + digits;
    }
    if (chance(300)) {  // outside the 32-bit range, still within 64 bits
      s = std::to_string(v + (chance(2) ? 4294967296LL : -4294967296LL) * (1 + pick(1000)));
    }
    if (chance(400)) {  // not a number at all
      static const std::string bad[] = {"x", "-", "+", "4.5", "1e3", "--1", std::string(1, '\0')};
      s = bad[pick(7)];
    }
    tokens_.push_back(s);
  }

  int64_t extreme() {
    static const int64_t pool[] = {int_max,    int_min,    int_max - 1, int_min + 1,
                                   1 << 30,    -(1 << 30), 1000000000,  999999999,
                                   2000000000, 46341,      -46341};
    return pool[pick(11)];
  }

  int64_t speedup() {
    switch (pick(8)) {
      case 0:
      case 1:
        return 1;
      case 2:
        return 0;
      case 3:
        return -between(1, 3);
      case 4:
        return chance(4) ? extreme() : between(2, 1000);
      default:
        return between(2, 4);
    }
  }

  int64_t target() {
    switch (pick(10)) {
      case 0:
        return 0;
      case 1:
        return -between(1, 50);
      case 2:
        return between(999999990, 1000000010);
      case 3:
        return between(1999999990, 2000000010);
      case 4:
        return extreme();
      case 5:
        return between(1, 1000000);
      default:
        return between(1, 60);
    }
  }

  int64_t small_value() { return chance(30) ? extreme() : between(-2, 20); }

  int64_t rate() {
    switch (pick(10)) {
      case 0:
        return 0;
      case 1:
        return -between(1, 3);
      case 2:
        return chance(3) ? extreme() : between(100, 100000);
      default:
        return between(1, 4);
    }
  }

  void test_case() {
    const int n = chance(10) ? 0 : 1 + pick(chance(5) ? 8 : 3);
    number(chance(80) ? -1 : n);
    number(speedup());
    number(target());
    for (int i = 0; i < n; ++i) item();
  }

  void item() {
    const int m = chance(8) ? 0 : 1 + pick(6);
    const int64_t len = chance(15) ? small_value() : between(5, 40);
    number(len);
    number(chance(100) ? -between(1, 5) : chance(100) ? between(50, 3000) : m);
    const int mode = pick(4);  // sorted with gaps, touching, shuffled, overlapping/out of range
    int64_t pos = chance(3) ? 0 : between(0, 4);
    for (int j = 0; j < m; ++j) {
      int64_t start = pos, end = pos + between(0, 6);
      if (mode == 0) {
        start = pos + between(0, 3);
        end = start + between(0, 6);
      } else if (mode == 2) {
        start = between(-2, len + 3);
        end = start + between(-2, 8);
      } else if (mode == 3) {
        start = chance(4) ? small_value() : pos - between(0, 3);
        end = chance(4) ? small_value() : start + between(-1, 9);
      }
      if (chance(40)) end = len;
      pos = end;
      number(start);
      number(end);
      number(rate());
    }
  }

  std::mt19937_64 rng_;
  std::vector<std::string> tokens_;
};

}  // namespace

std::string random_file(uint64_t seed) {
  return file_builder(seed).build();
}

}  // namespace vesqor::reference

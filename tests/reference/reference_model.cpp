// The reference pipeline: read all items of a test case into rows, normalise each, then sweep
// with a standard priority queue. Transcribed step by step; nothing here is tuned.
#include "reference/reference_model.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <queue>
#include <utility>
#include <vector>

namespace vesqor::reference {

namespace {

using ld = long double;
static_assert(std::numeric_limits<ld>::digits == 64);

struct item_table {
  std::vector<int> item_len, seg_count;
  std::vector<std::vector<int>> seg_start, seg_end, seg_rate;
};

// Formatted reads that, once one fails, fail for good (the stream stays on the bad byte).
struct formatted_reader {
  FILE* f;
  bool stuck = false;
  bool read3(int* a, int* b, int* c) {
    if (stuck) return false;
    if (std::fscanf(f, "%d%d%d", a, b, c) == 3) return true;
    stuck = true;
    return false;
  }
  void read2(int* a, int* b) {
    if (!stuck && std::fscanf(f, "%d%d", a, b) != 2) stuck = true;
  }
};

void normalise_item(item_table& t, int i) {
  std::vector<int>& s = t.seg_start[i];
  std::vector<int>& e = t.seg_end[i];
  std::vector<int>& r = t.seg_rate[i];
  if (t.seg_count[i] == 0) {
    s.push_back(0);
    e.push_back(t.item_len[i]);
    r.push_back(0);
    t.seg_count[i] = 1;
    return;
  }
  if (e.back() != t.item_len[i]) {
    const int from = e.back();
    s.push_back(from);
    e.push_back(t.item_len[i]);
    r.push_back(0);
  }
  if (s.front() != 0) {
    const int to = s.front();
    s.insert(s.begin(), 0);
    e.insert(e.begin(), to);
    r.insert(r.begin(), 0);
  }
  std::vector<int> ns, ne, nr;
  const size_t k = s.size();
  for (size_t j = 0; j < k; ++j) {
    ns.push_back(s[j]);
    ne.push_back(e[j]);
    nr.push_back(r[j]);
    if (j + 1 < k && s[j + 1] > e[j]) {
      ns.push_back(e[j]);
      ne.push_back(s[j + 1]);
      nr.push_back(0);
    }
  }
  s = ns;
  e = ne;
  r = nr;
  t.seg_count[i] = static_cast<int>(s.size());
}

int64_t wrapped(uint64_t v) {
  return static_cast<int64_t>(v);
}

ld solve_test_case(const item_table& tab, int n, int k, int target) {
  using seg_ref = std::pair<int, int>;
  auto rate = [&](seg_ref s) { return tab.seg_rate[s.first][s.second]; };
  auto len = [&](seg_ref s) {
    return static_cast<int32_t>(static_cast<uint32_t>(tab.seg_end[s.first][s.second]) -
                                static_cast<uint32_t>(tab.seg_start[s.first][s.second]));
  };
  auto gain = [&](seg_ref s) { return static_cast<int64_t>(len(s)) * rate(s); };
  auto by_rate = [&](seg_ref a, seg_ref b) { return rate(a) > rate(b); };
  std::priority_queue<seg_ref, std::vector<seg_ref>, decltype(by_rate)> heap(by_rate);

  const ld eps = 1e-9, ld_t = target;
  auto eq = [&](ld a, ld b) {
    ld d = std::fabs(b) > std::fabs(a) ? std::fabs(b) : std::fabs(a);
    if (!(d > 1)) d = 1;
    return std::fabs(a - b) / d < eps;
  };
  auto lesss = [&](ld a, ld b) { return !eq(a, b) && a < b; };

  ld best = 1e20, elapsed = 0;
  int64_t score = 0;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < tab.seg_count[i]; ++j) {
      const seg_ref s{i, j};
      const int32_t g = len(s), r = rate(s);
      if (k == 1) {
        const int64_t next = wrapped(uint64_t(score) + uint64_t(gain(s)));
        if (!(ld(next) < ld_t - eps)) {
          ld answer = elapsed + ld(wrapped(uint64_t(int64_t(target)) - uint64_t(score))) / ld(r);
          if (answer > ld(1e19)) answer = -1;
          return answer;
        }
        score = next;
      } else {
        score = wrapped(uint64_t(score) + uint64_t(gain(s)));
      }
      heap.push(s);
      elapsed = elapsed + ld(g);
      bool current_skipped = false;

      bool below = true, have_top = false;
      seg_ref t{};
      int64_t e = 0;
      for (;;) {
        below = lesss(ld(score), ld_t);
        if (!below && r != 0 && !current_skipped) {
          const int64_t num =
              wrapped(uint64_t(gain(s)) - uint64_t(score) + uint64_t(int64_t(target)));
          const ld q = ld(num) / ld(r);
          const ld c = (elapsed - ld(g)) + (q > 0 ? q : 0);
          if (best > c) best = c;
        }
        have_top = !heap.empty();
        if (!have_top) break;
        t = heap.top();
        e = gain(t);
        if (wrapped(uint64_t(score) - uint64_t(e)) < int64_t(target)) break;
        elapsed = (elapsed - ld(len(t))) + ld(len(t)) / ld(k);
        if (t == s) current_skipped = true;
        heap.pop();
        score = wrapped(uint64_t(score) - uint64_t(e));
      }
      if (!below && have_top) {
        const ld l = ld(wrapped(uint64_t(e) - uint64_t(score) + uint64_t(int64_t(target))));
        const ld x = (elapsed - ld(len(t))) + l / ld(rate(t));
        const ld c = t == s ? x : x + (ld(len(t)) - l / ld(rate(t))) / ld(k);
        if (best > c) best = c;
      }
    }
  }
  if (best > ld(1e19)) best = -1;
  return best;
}

std::string answer_line(ld v) {
  char buf[512];
  std::snprintf(buf, sizeof buf, "%.15f\n", static_cast<double>(v));
  std::string line = buf;
  if (line == "-nan\n") line = "nan\n";
  return line;
}

}  // namespace

result run(const std::string& input, uint64_t max_segments) {
  result out{false, ""};
  FILE* f = fmemopen(const_cast<char*>(input.data()), input.size(), "rb");
  // fmemopen refuses an empty buffer; an empty input has no header anyway.
  if (!f) return out;
  formatted_reader in{f};
  for (;;) {
    int n = 0, k = 0, target = 0;
    if (!in.read3(&n, &k, &target)) break;
    if (n < 0 || uint64_t(n) > max_segments) {
      out.refused = true;
      break;
    }
    uint64_t declared = uint64_t(n);
    item_table tab;
    tab.item_len.assign(n, 0);
    tab.seg_count.assign(n, 0);
    tab.seg_start.resize(n);
    tab.seg_end.resize(n);
    tab.seg_rate.resize(n);
    bool refused = false;
    for (int i = 0; i < n && !refused; ++i) {
      in.read2(&tab.item_len[i], &tab.seg_count[i]);
      const int m = tab.seg_count[i];
      if (m < 0 || (declared += 2 * uint64_t(m)) > max_segments) {
        refused = true;
        break;
      }
      tab.seg_start[i].resize(m);
      tab.seg_end[i].resize(m);
      tab.seg_rate[i].resize(m);
      for (int j = 0; j < m; ++j) {
        int a = 0, b = 0, c = 0;
        in.read3(&a, &b, &c);  // what was converted before a failure is kept
        tab.seg_start[i][j] = a;
        tab.seg_end[i][j] = b;
        tab.seg_rate[i][j] = c;
      }
      normalise_item(tab, i);
    }
    if (refused) {
      out.refused = true;
      break;
    }
    out.text += answer_line(n == 0 ? -1 : solve_test_case(tab, n, k, target));
  }
  std::fclose(f);
  return out;
}

long double solve(int k, int target, const std::vector<std::pair<int, int>>& len_rate) {
  item_table tab;
  tab.item_len = {0};
  tab.seg_count = {static_cast<int>(len_rate.size())};
  tab.seg_start.resize(1);
  tab.seg_end.resize(1);
  tab.seg_rate.resize(1);
  for (const auto& [len, rate] : len_rate) {
    tab.seg_start[0].push_back(0);
    tab.seg_end[0].push_back(len);
    tab.seg_rate[0].push_back(rate);
  }
  return solve_test_case(tab, 1, k, target);
}

bool reads_agree(const std::string& input) {
  size_t significant = 0;
  bool leading = true;
  for (char ch : input) {
    if (ch >= '0' && ch <= '9') {
      if (leading && ch == '0') continue;
      leading = false;
      if (++significant >= 19) return false;
    } else {
      significant = 0;
      leading = true;
    }
  }
  return true;
}

}  // namespace vesqor::reference

// The checker's walk: header, items and segments in the solver's reading order, with the checks
// of each field. O(1) per number; each item is normalised as the solver does, but nothing is kept.
#include "check/check_file.h"

#include <algorithm>
#include <cstring>
#include <sstream>
#include <vector>

#include "check/report.h"
#include "check/scanner.h"
#include "timeline/normalise_item.h"

namespace vesqor::check {

namespace {

template <class... T>
std::string cat(const T&... parts) {
  std::ostringstream s;
  (s << ... << parts);
  return s.str();
}

// "segment 4" or "segments 4 to 7".
std::string span(const char* what, int64_t first, int64_t last) {
  if (first == last) return cat(what, " ", first);
  return cat(what, "s ", first, " to ", last);
}

// "a", "a and b", "a, b and c".
std::string join(const std::vector<std::string>& parts) {
  std::string out;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i) out += i + 1 == parts.size() ? " and " : ", ";
    out += parts[i];
  }
  return out;
}

// The segments an item is normalised into, at most two per listed segment and one at its end.
struct emitted {
  struct seg {
    int32_t start, end;
  };
  seg segs[2];
  int count = 0;
  void operator()(int32_t start, int32_t end, int32_t) { segs[count++] = {start, end}; }
};

class walker {
 public:
  walker(scanner& in, report& rep, uint64_t max_segments)
      : in_(in), rep_(rep), max_(max_segments) {}

  void run();
  const totals& counted() const { return totals_; }

 private:
  enum class got { value, end, stop };

  got field(const char* name, int32_t& v, pos& at);
  std::string where() const;
  void ends_inside(int read);
  bool too_large(uint64_t declared, const char* name, int32_t v, pos at);
  bool test_case(int32_t n);
  bool item(int32_t len, int32_t m, pos len_at);
  void segment(int32_t s, int32_t e, int32_t r, const pos (&at)[3]);
  void length(emitted::seg g, const char* what, pos at);
  void score(int64_t gain, pos at);

  scanner& in_;
  report& rep_;
  uint64_t max_;
  totals totals_;
  token tok_;
  // Where reading stands, counted from 1 (0: not inside one).
  uint64_t case_ = 0;
  int64_t item_ = 0;
  int64_t seg_ = 0;
  int32_t n_ = 0;
  int32_t m_ = 0;
  const char* prev_name_ = "";
  int32_t prev_value_ = 0;
  // The item being read.
  int32_t len_ = 0;
  int32_t prev_start_ = 0;
  int32_t prev_end_ = 0;
  pos prev_end_at_;
  emitted out_;
  // The test case's gains: positive total and negative magnitude, until one passes score_limit.
  uint64_t gains_up_ = 0;
  uint64_t gains_down_ = 0;
  bool score_warned_ = false;
};

std::string walker::where() const {
  std::string s = cat("test case ", case_);
  if (item_) s += cat(", item ", item_);
  if (seg_) s += cat(", segment ", seg_);
  return s;
}

walker::got walker::field(const char* name, int32_t& v, pos& at) {
  in_.next(tok_);
  if (tok_.kind == token::type::end) return got::end;
  if (tok_.kind == token::type::other) {
    if (rep_.error(kind::not_integer)) {
      std::string text = cat(where(), ": ", name, " is not an integer: found ", in_.quoted());
      if (tok_.joined) text += cat(" (directly after ", prev_name_, " ", prev_value_, ")");
      rep_.add(kind::not_integer, tok_.at, text + "; reading stops here");
    }
    return got::stop;
  }
  if (tok_.joined && rep_.warn(kind::unseparated)) {
    rep_.add(kind::unseparated, tok_.at,
             cat(where(), ": ", name, " ", tok_.value, " directly follows ", prev_name_, " ",
                 prev_value_, " without whitespace (read as two numbers)"));
  }
  if (tok_.out_of_range && rep_.error(kind::out_of_range)) {
    std::string found = in_.quoted();
    if (in_.digits() > 20) found += cat(" (", in_.digits(), " digits)");
    rep_.add(kind::out_of_range, tok_.at,
             cat(where(), ": ", name, " is outside the 32-bit range: found ", found, ", read as ",
                 tok_.value));
  }
  v = tok_.value;
  at = tok_.at;
  prev_name_ = name;
  prev_value_ = v;
  return got::value;
}

// The file ended before field `read` (counted from 0) of the item line (seg_ == 0) or segment.
void walker::ends_inside(int read) {
  if (!rep_.error(kind::ends_inside)) return;
  std::vector<std::string> parts;
  int64_t first_item = item_ + 1;
  if (seg_ == 0) {
    if (read == 0) first_item = item_;
    if (read == 1) parts.push_back(cat("the segment count of item ", item_));
  } else {
    int64_t first_seg = seg_ + 1;
    if (read == 0) first_seg = seg_;
    if (read == 1) parts.push_back(cat("the end and rate of segment ", seg_, " of item ", item_));
    if (read == 2) parts.push_back(cat("the rate of segment ", seg_, " of item ", item_));
    if (first_seg <= m_) parts.push_back(cat(span("segment", first_seg, m_), " of item ", item_));
  }
  if (first_item <= n_) parts.push_back(span("item", first_item, n_));
  rep_.add(kind::ends_inside, in_.here(),
           cat("file ends inside test case ", case_, ": missing ", join(parts)));
}

bool walker::too_large(uint64_t declared, const char* name, int32_t v, pos at) {
  if (declared <= max_) return false;
  if (rep_.error(kind::too_large)) {
    rep_.add(kind::too_large, at,
             cat(where(), ": ", name, " ", v, " makes the test case too large: its counts allow ",
                 declared, " segments, the solver refuses more than ", max_,
                 " on this machine and stops"));
  }
  return true;
}

void walker::run() {
  for (;;) {
    case_ = totals_.test_cases + 1;
    item_ = seg_ = 0;
    int32_t h[3];
    pos at[3];
    static const char* const names[3] = {"item count", "speed-up", "target"};
    int read = 0;
    for (; read < 3; ++read) {
      const got g = field(names[read], h[read], at[read]);
      if (g == got::stop) return;
      if (g == got::end) break;
    }
    if (read == 0) {
      if (totals_.test_cases == 0 && rep_.warn(kind::no_test_case)) {
        rep_.add(kind::no_test_case, pos{}, "no test case in the file");
      }
      return;
    }
    if (read < 3) {
      if (rep_.error(kind::incomplete_header)) {
        std::string found = cat(names[0], " ", h[0]);
        if (read == 2) found += cat(", ", names[1], " ", h[1]);
        rep_.add(kind::incomplete_header, at[0],
                 cat("test case ", case_, ": incomplete header at the end of the file: found ",
                     read, " of its 3 numbers (", found, "); the solver ignores it"));
      }
      return;
    }
    ++totals_.test_cases;
    if (h[0] < 0) {
      if (rep_.error(kind::negative_count)) {
        rep_.add(kind::negative_count, at[0],
                 cat(where(), ": item count is negative (found ", h[0],
                     "): the solver refuses the test case and stops"));
      }
      return;
    }
    if (too_large(static_cast<uint64_t>(h[0]), names[0], h[0], at[0])) return;
    if (h[1] <= 0 && rep_.warn(kind::speedup)) {
      rep_.add(kind::speedup, at[1],
               cat(where(), ": speed-up is 0 or less (found ", h[1],
                   "): skipped segments take infinite, undefined or negative time"));
    }
    if (h[2] <= 0 && rep_.warn(kind::target)) {
      rep_.add(kind::target, at[2],
               cat(where(), ": target is 0 or less (found ", h[2], "): ",
                   h[1] == 1 ? "with speed-up 1 the first segment's rate becomes a divisor "
                               "(-inf, nan or a negative answer)"
                             : "it is reached before anything is scored"));
    }
    if (!test_case(h[0])) return;
    rep_.end_case();
  }
}

bool walker::test_case(int32_t n) {
  n_ = n;
  gains_up_ = gains_down_ = 0;
  score_warned_ = false;
  uint64_t declared = static_cast<uint64_t>(n);
  for (int32_t i = 0; i < n; ++i) {
    item_ = i + 1;
    seg_ = 0;
    int32_t len = 0, m = 0;
    pos len_at, m_at;
    got g = field("length", len, len_at);
    if (g == got::end) ends_inside(0);
    if (g != got::value) return false;
    g = field("segment count", m, m_at);
    if (g == got::end) ends_inside(1);
    if (g != got::value) return false;
    ++totals_.items;
    if (m < 0) {
      if (rep_.error(kind::negative_count)) {
        rep_.add(kind::negative_count, m_at,
                 cat(where(), ": segment count is negative (found ", m,
                     "): the solver refuses the test case and stops"));
      }
      return false;
    }
    declared += 2 * static_cast<uint64_t>(m);
    if (too_large(declared, "segment count", m, m_at)) return false;
    if (!item(len, m, len_at)) return false;
  }
  return true;
}

bool walker::item(int32_t len, int32_t m, pos len_at) {
  m_ = m;
  len_ = len;
  if (len < 0 && rep_.warn(kind::negative_length)) {
    rep_.add(kind::negative_length, len_at, cat(where(), ": length is negative (found ", len, ")"));
  }
  normalise_item<emitted> norm(len, out_);
  static const char* const names[3] = {"start", "end", "rate"};
  for (int32_t j = 0; j < m; ++j) {
    seg_ = j + 1;
    int32_t v[3];
    pos at[3];
    for (int f = 0; f < 3; ++f) {
      const got g = field(names[f], v[f], at[f]);
      if (g == got::end) ends_inside(f);
      if (g != got::value) return false;
    }
    ++totals_.segments;
    out_.count = 0;
    norm.add(v[0], v[1], v[2]);
    if (out_.count == 2) length(out_.segs[0], "the uncovered stretch before it", at[0]);
    length(out_.segs[out_.count - 1], nullptr, at[1]);
    segment(v[0], v[1], v[2], at);
  }
  out_.count = 0;
  norm.finish();
  if (out_.count == 1) length(out_.segs[0], "the uncovered stretch after it", prev_end_at_);
  return true;
}

void walker::segment(int32_t s, int32_t e, int32_t r, const pos (&at)[3]) {
  if (e < s && rep_.warn(kind::end_before_start)) {
    rep_.add(kind::end_before_start, at[1],
             cat(where(), ": ends before it starts (start ", s, ", end ", e, ")"));
  }
  if ((std::min(s, e) < 0 || std::max(s, e) > len_) && rep_.warn(kind::outside_item)) {
    rep_.add(kind::outside_item, s < 0 || s > len_ ? at[0] : at[1],
             cat(where(), ": [", s, ", ", e, ") reaches outside the item [0, ", len_, "]"));
  }
  if (seg_ > 1 && s < prev_end_ && rep_.warn(kind::out_of_order)) {
    rep_.add(kind::out_of_order, at[0],
             s < prev_start_ ? cat(where(), ": out of order: starts at ", s, ", before segment ",
                                   seg_ - 1, " starts at ", prev_start_)
                             : cat(where(), ": overlaps segment ", seg_ - 1, ": starts at ", s,
                                   ", before it ends at ", prev_end_));
  }
  if (r < 0 && rep_.warn(kind::negative_rate)) {
    rep_.add(kind::negative_rate, at[2], cat(where(), ": rate is negative (found ", r, ")"));
  }
  score(static_cast<int64_t>(segment_len(s, e)) * r, at[2]);
  prev_start_ = s;
  prev_end_ = e;
  prev_end_at_ = at[1];
}

// Checks that a segment's 32-bit length end - start holds the exact difference; what names a
// filler (nullptr: the listed segment itself).
void walker::length(emitted::seg g, const char* what, pos at) {
  const int64_t exact = static_cast<int64_t>(g.end) - g.start;
  const int32_t wrapped = segment_len(g.start, g.end);
  if (exact == wrapped || !rep_.warn(kind::length_wraps)) return;
  const std::string text = what ? cat(what, ", [", g.start, ", ", g.end, "), has length ", exact,
                                      ", which wraps to ", wrapped, " in 32 bits")
                                : cat("length ", g.end, " - ", g.start, " = ", exact, " wraps to ",
                                      wrapped, " in 32 bits");
  rep_.add(kind::length_wraps, at, cat(where(), ": ", text));
}

void walker::score(int64_t gain, pos at) {
  if (score_warned_ || gain == 0) return;
  uint64_t& total = gain > 0 ? gains_up_ : gains_down_;
  total += gain > 0 ? static_cast<uint64_t>(gain) : 0 - static_cast<uint64_t>(gain);
  if (total <= score_limit) return;
  score_warned_ = true;
  if (!rep_.warn(kind::score_wraps)) return;
  rep_.add(kind::score_wraps, at,
           gain > 0 ? cat(where(),
                          ": score may wrap around 64 bits: positive gains (length x rate) "
                          "total ",
                          total, " here, more than ", score_limit)
                    : cat(where(),
                          ": score may wrap around 64 bits: negative gains (length x rate) "
                          "total -",
                          total, " here, beyond -", score_limit));
}

}  // namespace

int check_file(int fd, const std::string& file, std::FILE* out, std::FILE* err,
               uint64_t max_segments) {
  scanner in(fd);
  report rep(file, out);
  walker w(in, rep, max_segments);
  w.run();
  if (in.read_error()) {
    std::fprintf(err, "%s: error: cannot read: %s\n", file.c_str(), std::strerror(in.read_error()));
    return 2;
  }
  rep.finish(w.counted());
  return rep.errors() ? 1 : 0;
}

}  // namespace vesqor::check

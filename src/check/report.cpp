// Diagnostic output in compiler convention ("FILE:LINE:COLUMN: error: ...") and the summary line.
// Sorting a test case's diagnostics costs O(d log d) for its d shown ones, at most 20 per kind.
#include "check/report.h"

#include <algorithm>

namespace vesqor::check {

namespace {

bool is_error(kind k) {
  return k <= kind::incomplete_header;
}

const char* label(kind k) {
  switch (k) {
    case kind::not_integer:
      return "not an integer";
    case kind::out_of_range:
      return "outside the 32-bit range";
    case kind::negative_count:
      return "negative count";
    case kind::too_large:
      return "test case too large";
    case kind::ends_inside:
      return "file ends inside a test case";
    case kind::incomplete_header:
      return "incomplete header";
    case kind::no_test_case:
      return "no test case";
    case kind::unseparated:
      return "numbers not separated";
    case kind::speedup:
      return "speed-up 0 or less";
    case kind::target:
      return "target 0 or less";
    case kind::negative_length:
      return "negative item length";
    case kind::end_before_start:
      return "segment end before start";
    case kind::outside_item:
      return "segment outside its item";
    case kind::out_of_order:
      return "segments out of order or overlapping";
    case kind::negative_rate:
      return "negative rate";
    case kind::length_wraps:
      return "length wraps";
    case kind::score_wraps:
      return "score may wrap";
  }
  return "";
}

std::string count(uint64_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

bool report::error(kind k) {
  ++errors_;
  const size_t i = static_cast<size_t>(k);
  if (shown_[i] < shown_max) {
    ++shown_[i];
    return true;
  }
  ++hidden_[i];
  return false;
}

bool report::warn(kind k) {
  const size_t i = static_cast<size_t>(k);
  const uint32_t bit = uint32_t{1} << i;
  if (seen_ & bit) {
    ++repeats_[i];
    return false;
  }
  seen_ |= bit;
  ++warnings_;
  if (shown_[i] < shown_max) {
    ++shown_[i];
    return true;
  }
  ++hidden_[i];
  return false;
}

void report::add(kind k, pos at, std::string text) {
  pending_.push_back({at, k, std::move(text)});
}

void report::end_case() {
  std::stable_sort(pending_.begin(), pending_.end(),
                   [](const entry& a, const entry& b) { return a.at.offset < b.at.offset; });
  for (const entry& e : pending_) {
    std::string where = file_ + ":";
    if (e.at.line) where += std::to_string(e.at.line) + ":" + std::to_string(e.at.col) + ":";
    std::string text = e.text;
    const uint64_t more = repeats_[static_cast<size_t>(e.k)];
    if (!is_error(e.k) && more) text += " (" + std::to_string(more) + " more in this test case)";
    std::fprintf(out_, "%s %s: %s\n", where.c_str(), is_error(e.k) ? "error" : "warning",
                 text.c_str());
  }
  pending_.clear();
  if (seen_) {
    repeats_.fill(0);
    seen_ = 0;
  }
}

void report::finish(const totals& t) {
  end_case();
  for (size_t i = 0; i < kind_count; ++i) {
    if (!hidden_[i]) continue;
    const kind k = static_cast<kind>(i);
    std::fprintf(out_, "%s: note: %llu more \"%s\" %s not shown\n", file_.c_str(),
                 static_cast<unsigned long long>(hidden_[i]), label(k),
                 is_error(k) ? (hidden_[i] == 1 ? "error" : "errors")
                             : (hidden_[i] == 1 ? "warning" : "warnings"));
  }
  std::fprintf(
      out_, "%s: %s, %s, %s; %s, %s\n", file_.c_str(),
      count(t.test_cases, "test case", "test cases").c_str(),
      count(t.items, "item", "items").c_str(), count(t.segments, "segment", "segments").c_str(),
      count(errors_, "error", "errors").c_str(), count(warnings_, "warning", "warnings").c_str());
}

}  // namespace vesqor::check

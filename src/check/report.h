// Collects the checker's diagnostics: at most 20 shown per kind, warnings once per test case and
// kind, printed in file order when a test case ends. O(1) per call; memory is one test case's.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "check/scanner.h"

namespace vesqor::check {

enum class kind : uint8_t {
  // errors: the file lies outside the solver's input contract
  not_integer,
  out_of_range,
  negative_count,
  too_large,
  ends_inside,
  incomplete_header,
  // warnings: the solver reads the file, but likely not as meant
  no_test_case,
  unseparated,
  speedup,
  target,
  negative_length,
  end_before_start,
  outside_item,
  out_of_order,
  negative_rate,
  length_wraps,
  score_wraps,
};
inline constexpr size_t kind_count = static_cast<size_t>(kind::score_wraps) + 1;

struct totals {
  uint64_t test_cases = 0;
  uint64_t items = 0;
  uint64_t segments = 0;
};

class report {
 public:
  static constexpr uint64_t shown_max = 20;

  report(std::string file, std::FILE* out) : file_(std::move(file)), out_(out) {}

  // Counts an error; true when it is to be shown, and only then need its text be built.
  bool error(kind k);
  // Counts a warning unless one of its kind was already given in this test case (those are only
  // tallied); true when it is to be shown.
  bool warn(kind k);
  // The text of a diagnostic that error() or warn() asked for.
  void add(kind k, pos at, std::string text);
  // Prints the test case's diagnostics ordered by position and starts the next test case.
  void end_case();
  // Prints the tally of diagnostics not shown, then the summary line.
  void finish(const totals& t);

  uint64_t errors() const { return errors_; }
  uint64_t warnings() const { return warnings_; }

 private:
  struct entry {
    pos at;
    kind k;
    std::string text;
  };

  std::string file_;
  std::FILE* out_;
  std::vector<entry> pending_;
  std::array<uint64_t, kind_count> shown_{};
  std::array<uint64_t, kind_count> hidden_{};
  std::array<uint64_t, kind_count> repeats_{};  // in this test case, after the first
  uint32_t seen_ = 0;                           // bit per kind warned in this test case
  uint64_t errors_ = 0;
  uint64_t warnings_ = 0;
};

}  // namespace vesqor::check

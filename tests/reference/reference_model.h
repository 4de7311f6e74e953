// A second implementation of the whole pipeline, written to be obviously right rather than fast:
// formatted C reads, one row per item, std::priority_queue. Used only by tests; O(size) memory.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vesqor::reference {

struct result {
  bool refused;      // a negative count or a test case over max_segments ended the run
  std::string text;  // the answer lines written before the run ended
};

// Runs every test case of input, following the same refusal rule as the solver: a negative
// count, or counts allowing more than max_segments segments in one test case (n plus 2m per item
// of m segments), ends the run.
result run(const std::string& input, uint64_t max_segments);

// The sweep alone over one item whose segments have the given (length, rate) pairs, taken as
// they are (no fillers added). Returns the answer in extended precision.
long double solve(int k, int target, const std::vector<std::pair<int, int>>& len_rate);

// Whether the C library's "%d" read and the solver's reader are known to agree on input: false
// when a number of 19 or more significant digits could exceed the 64-bit range, where the C
// library saturates before truncating to 32 bits and the solver keeps the value modulo 2^32.
bool reads_agree(const std::string& input);

}  // namespace vesqor::reference

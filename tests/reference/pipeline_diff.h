// Runs an input through the solver's pipeline and the reference model and compares the two,
// and shrinks an input that shows a difference. O(input) per comparison.
#pragma once

#include <cstdint>
#include <string>

namespace vesqor::reference {

struct comparison {
  bool same;
  size_t answers;      // answer lines the solver wrote
  std::string solver;  // its lines, then "(refused)" when the run was refused
  std::string model;   // the same for the reference model
};

comparison compare(const std::string& input, uint64_t max_segments);

// Removes tokens and bytes while the difference persists; returns the smallest input found.
std::string shrink(std::string input, uint64_t max_segments);

}  // namespace vesqor::reference

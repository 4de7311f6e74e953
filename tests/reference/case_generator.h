// Seeded generator of small input files that hit the solver's corners: ties, zero and negative
// rates, wrapping values, tolerance-sized targets, odd speed-ups, bad tokens and cut-off files.
#pragma once

#include <cstdint>
#include <string>

namespace vesqor::reference {

// The same seed always gives the same file. O(size of the file).
std::string random_file(uint64_t seed);

}  // namespace vesqor::reference

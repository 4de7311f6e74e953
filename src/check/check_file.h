// Walks an input file exactly as the solver reads it and reports what lies outside its input
// contract (errors) or likely misleads it (warnings). O(1) per number; memory is bounded.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace vesqor::check {

// Positive gains (or the magnitude of negative ones) of one test case above this total may make
// a 64-bit value of the sweep wrap; at or below it none can (see README, "Checking a file").
inline constexpr uint64_t score_limit = (uint64_t{1} << 63) - (uint64_t{1} << 31);

// Checks the file open on fd, printing diagnostics and a summary line to out under the name
// file. max_segments is the solver's limit per test case (see run_cases.h). Returns the exit
// status: 0 within the contract, 1 when errors were found, 2 when a read failed (the reason
// then goes to err).
int check_file(int fd, const std::string& file, std::FILE* out, std::FILE* err,
               uint64_t max_segments);

}  // namespace vesqor::check

// The test-case loop: reads header after header, streams each item through normalisation into
// the sweep and writes one answer per test case. O(segments · log heap); memory is the heap only.
#pragma once

#include <cstdint>

#include "driver/answer_writer.h"
#include "driver/int_reader.h"

namespace vesqor {

enum class run_status {
  done,     // the input is exhausted (a header could not be read)
  refused,  // a negative count, or a test case larger than max_segments: no answer for it
};

// Reads test cases until a header cannot be read. A test case may hold at most max_segments
// segments, fillers included, judged from its counts as they are read (an item of m listed
// segments can hold up to 2m + 1); a count past that, or a negative count, ends the run.
run_status run_cases(int_reader& in, answer_writer& out, uint64_t max_segments);

// Half the physical memory at 12 bytes per heap entry, and never more than 2^32 - 1 segments.
uint64_t default_max_segments();

}  // namespace vesqor

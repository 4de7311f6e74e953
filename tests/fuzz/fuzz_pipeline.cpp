// libFuzzer target over the whole pipeline: any bytes in, answer lines out, compared with the
// reference model wherever the two readers agree on the numbers. Aborts on any difference.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "reference/pipeline_diff.h"
#include "reference/reference_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Small enough that refused test cases are common and no input runs long.
  constexpr uint64_t max_segments = 2000;
  const std::string input(reinterpret_cast<const char*>(data), size);
  const auto c = vesqor::reference::compare(input, max_segments);
  if (!c.same && vesqor::reference::reads_agree(input)) {
    std::fprintf(stderr, "solver:\n%s\nreference model:\n%s\n", c.solver.c_str(), c.model.c_str());
    std::abort();
  }
  return 0;
}

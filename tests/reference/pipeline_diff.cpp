// Comparison of the solver's pipeline with the reference model, and a greedy shrinker that
// deletes chunks of bytes, largest first, while the outputs still differ.
#include "reference/pipeline_diff.h"

#include <algorithm>

#include "driver/run_cases.h"
#include "reference/reference_model.h"

namespace vesqor::reference {

comparison compare(const std::string& input, uint64_t max_segments) {
  int_reader in(input.data(), input.size());
  answer_writer out(-1);
  const bool refused = run_cases(in, out, max_segments) == run_status::refused;
  comparison c;
  c.solver = out.text() + (refused ? "(refused)\n" : "");
  c.answers = static_cast<size_t>(std::count(out.text().begin(), out.text().end(), '\n'));
  const result model = run(input, max_segments);
  c.model = model.text + (model.refused ? "(refused)\n" : "");
  c.same = c.solver == c.model;
  return c;
}

std::string shrink(std::string input, uint64_t max_segments) {
  for (size_t chunk = input.size() / 2; chunk >= 1; chunk /= 2) {
    bool progress = true;
    while (progress) {
      progress = false;
      for (size_t at = 0; at + chunk <= input.size(); at += chunk) {
        std::string candidate = input.substr(0, at) + input.substr(at + chunk);
        if (!compare(candidate, max_segments).same) {
          input = std::move(candidate);
          progress = true;
        }
      }
    }
  }
  return input;
}

}  // namespace vesqor::reference

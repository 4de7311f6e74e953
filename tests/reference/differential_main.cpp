// Command line differential run: random files from consecutive seeds through the solver and the
// reference model. Usage: differential [--files N] [--seed S]. Exits 1 on the first difference.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "reference/case_generator.h"
#include "reference/pipeline_diff.h"

namespace {

// Small enough that some generated counts are refused.
constexpr uint64_t max_segments = 2000;

void print_escaped(const std::string& s) {
  for (unsigned char ch : s) {
    if (ch == '\n' || (ch >= 32 && ch < 127)) {
      std::putchar(ch);
    } else {
      std::printf("\\x%02x", ch);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  uint64_t files = 3000, seed = 1;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--files")) files = std::strtoull(argv[i + 1], nullptr, 10);
    if (!std::strcmp(argv[i], "--seed")) seed = std::strtoull(argv[i + 1], nullptr, 10);
  }
  uint64_t answers = 0;
  for (uint64_t f = 0; f < files; ++f) {
    const std::string input = vesqor::reference::random_file(seed + f);
    const auto c = vesqor::reference::compare(input, max_segments);
    answers += c.answers;
    if (!c.same) {
      const std::string small = vesqor::reference::shrink(input, max_segments);
      const auto s = vesqor::reference::compare(small, max_segments);
      std::printf("difference on seed %llu; smallest input showing it:\n---\n",
                  static_cast<unsigned long long>(seed + f));
      print_escaped(small);
      std::printf("\n--- solver:\n%s--- reference model:\n%s", s.solver.c_str(), s.model.c_str());
      return 1;
    }
  }
  std::printf("%llu files, %llu answers compared, 0 differences\n",
              static_cast<unsigned long long>(files), static_cast<unsigned long long>(answers));
  return 0;
}

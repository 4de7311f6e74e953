// The test-case loop and the storage limit of a test case.
// Each segment is read, normalised and settled at once; nothing of an item is kept.
#include "driver/run_cases.h"

#include <unistd.h>

#include "solver/sweep.h"
#include "timeline/normalise_item.h"

namespace vesqor {

namespace {

// Feeds normalised segments to the sweep.
struct sweep_sink {
  sweep& s;
  void operator()(int32_t start, int32_t end, int32_t rate) {
    s.settle_segment(segment_len(start, end), rate);
  }
};

}  // namespace

run_status run_cases(int_reader& in, answer_writer& out, uint64_t max_segments) {
  for (;;) {
    int32_t n = 0, speedup = 0, target = 0;
    if (!(in.read(n) && in.read(speedup) && in.read(target))) return run_status::done;
    if (n < 0) return run_status::refused;
    // Every item holds at least one segment after normalisation.
    uint64_t declared = static_cast<uint64_t>(n);
    if (declared > max_segments) return run_status::refused;

    sweep solver(speedup, target);
    sweep_sink sink{solver};
    for (int32_t i = 0; i < n; ++i) {
      int32_t item_len = 0, seg_count = 0;
      in.read(item_len);
      in.read(seg_count);
      if (seg_count < 0) return run_status::refused;
      declared += 2 * static_cast<uint64_t>(seg_count);
      if (declared > max_segments) return run_status::refused;

      normalise_item<sweep_sink> item(item_len, sink);
      for (int32_t j = 0; j < seg_count; ++j) {
        int32_t start = 0, end = 0, rate = 0;
        in.read(start);
        in.read(end);
        in.read(rate);
        item.add(start, end, rate);
      }
      item.finish();
    }
    out.write_answer(n == 0 ? -1 : solver.answer());
  }
}

uint64_t default_max_segments() {
  const long pages = ::sysconf(_SC_PHYS_PAGES);
  const long page_size = ::sysconf(_SC_PAGE_SIZE);
  const uint64_t memory = pages > 0 && page_size > 0
                              ? static_cast<uint64_t>(pages) * static_cast<uint64_t>(page_size)
                              : uint64_t{1} << 32;
  const uint64_t by_memory = memory / 2 / 12;
  const uint64_t by_index = (uint64_t{1} << 32) - 1;
  return by_memory < by_index ? by_memory : by_index;
}

}  // namespace vesqor

// Normalises one item's timeline as its segments stream in: zero-rate fillers cover the stretch
// before the first segment, gaps between neighbours and the stretch after the last. O(1) each.
#pragma once

#include <cstdint>

namespace vesqor {

// A segment's length is the 32-bit difference end - start, wrapping like the hardware does.
inline int32_t segment_len(int32_t start, int32_t end) {
  return static_cast<int32_t>(static_cast<uint32_t>(end) - static_cast<uint32_t>(start));
}

// Listed segments pass through unchanged and in input order; fillers (rate 0) are emitted
//  - before the first segment when it does not start at 0: (0, first start);
//  - between neighbours j, j+1 when start[j+1] > end[j] strictly: (end[j], start[j+1]);
//  - after the last listed segment when its end differs from the item length: (last end, length),
//    which has a negative length when the segment reaches past the item;
//  - for an item without segments: (0, length).
// Neither the head nor the tail filler ever needs a gap filler next to it, since each touches its
// neighbour exactly, so one pass emits the same rows as building the head, tail and gaps apart.
// Sink is called as sink(start, end, rate) for every segment of the normalised item.
template <class Sink>
class normalise_item {
 public:
  normalise_item(int32_t item_len, Sink& sink) : item_len_(item_len), sink_(sink) {}

  void add(int32_t start, int32_t end, int32_t rate) {
    if (!any_) {
      if (start != 0) sink_(0, start, 0);
      any_ = true;
    } else if (start > last_end_) {
      sink_(last_end_, start, 0);
    }
    sink_(start, end, rate);
    last_end_ = end;
  }

  // Call once after the item's last segment.
  void finish() {
    if (!any_) {
      sink_(0, item_len_, 0);
    } else if (last_end_ != item_len_) {
      sink_(last_end_, item_len_, 0);
    }
  }

 private:
  int32_t item_len_;
  Sink& sink_;
  bool any_ = false;
  int32_t last_end_ = 0;
};

}  // namespace vesqor

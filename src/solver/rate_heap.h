// Binary min-heap of scored segments ordered by rate, with fixed tie rules (see push/pop).
// push and pop are O(log n); 12 bytes per entry; storage grows by realloc and is freed with the
// heap.
#pragma once

#include <cassert>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace vesqor {

// A scored segment carries what the sweep needs from it, so no lookups go elsewhere. `seq` is
// its position in the test case, which identifies it.
struct heap_entry {
  int32_t rate;
  int32_t len;
  uint32_t seq;
};

// Which of several equal-rate entries sits on top is part of the result, so push and pop follow
// one exact method: push sifts up only past strictly greater rates; pop moves the last entry out,
// walks the hole down preferring the right child on ties, then sifts the last entry up from there.
class rate_heap {
 public:
  rate_heap() = default;
  rate_heap(const rate_heap&) = delete;
  rate_heap& operator=(const rate_heap&) = delete;
  ~rate_heap() { std::free(slot_); }

  bool empty() const { return size_ == 0; }
  size_t size() const { return size_; }
  const heap_entry& top() const {
    assert(size_ > 0);
    return slot_[0];
  }

  void push(heap_entry x) {
    if (size_ == capacity_) grow();
    sift_up(static_cast<int64_t>(size_++), x);
  }

  void pop() {
    assert(size_ > 0);
    heap_entry v = slot_[size_ - 1];
    slot_[size_ - 1] = slot_[0];
    const int64_t len = static_cast<int64_t>(size_) - 1;
    int64_t hole = 0, child = 0;
    while (child < (len - 1) / 2) {
      child = 2 * child + 2;
      // The hole's 8 great-grandchildren (from 4 * child - 1, about 96 bytes) are requested three
      // levels ahead, so a heap larger than the caches does not wait on memory at every level.
      if (4 * child + 6 < len) {
        __builtin_prefetch(&slot_[4 * child - 1]);
        __builtin_prefetch(&slot_[4 * child + 2]);
        __builtin_prefetch(&slot_[4 * child + 6]);
      }
      if (slot_[child].rate > slot_[child - 1].rate) --child;
      slot_[hole] = slot_[child];
      hole = child;
    }
    if (len % 2 == 0 && child == (len - 2) / 2) {
      child = 2 * child + 2;
      slot_[hole] = slot_[child - 1];
      hole = child - 1;
    }
    sift_up(hole, v);
    --size_;
  }

 private:
  void sift_up(int64_t hole, heap_entry x) {
    while (hole > 0) {
      const int64_t parent = (hole - 1) / 2;
      if (!(slot_[parent].rate > x.rate)) break;
      slot_[hole] = slot_[parent];
      hole = parent;
    }
    slot_[hole] = x;
  }

  // Doubling through realloc: large blocks are remapped rather than copied, so the old and new
  // storage are not both resident.
  void grow() {
    const size_t cap = capacity_ ? 2 * capacity_ : 64;
    void* p = std::realloc(slot_, cap * sizeof(heap_entry));
    if (!p) throw std::bad_alloc();
    slot_ = static_cast<heap_entry*>(p);
    capacity_ = cap;
  }

  heap_entry* slot_ = nullptr;
  size_t size_ = 0;
  size_t capacity_ = 0;
};

}  // namespace vesqor

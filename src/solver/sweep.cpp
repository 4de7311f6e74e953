// The completion-time sweep: per-segment settling with the speed-up-1 shortcut, the skip loop
// and its two candidates. Each segment is pushed once and popped at most once.
#include "solver/sweep.h"

#include "solver/tolerance.h"

namespace vesqor {

namespace {

using ld = long double;

inline int64_t gain(int32_t len, int32_t rate) {
  return static_cast<int64_t>(len) * static_cast<int64_t>(rate);
}

}  // namespace

void sweep::settle_segment(int32_t len, int32_t rate) {
  if (finished_) return;
  const int64_t t_target = target_;
  const uint32_t seq = seq_++;

  // Speed-up 1: skipping saves nothing, so the first segment that brings the score within the
  // tolerance of the target ends the sweep. The test "next, as extended, is not below T - 1e-9"
  // is made in integers: |T| <= 2^31, where extended values are spaced at most 2^-32 apart, so
  // T - 1e-9 rounds to a value strictly between T - 1 and T, and an integer next lies below it
  // exactly when next < T.
  const int64_t next = wrap_add(score_, gain(len, rate));
  if (speedup_ == 1) {
    if (next >= t_target) {
      ld done = elapsed_ + static_cast<ld>(wrap_sub(t_target, score_)) / static_cast<ld>(rate);
      best_ = done > no_answer_above ? -1 : done;
      finished_ = true;
      return;
    }
  }
  score_ = next;

  heap_.push(heap_entry{rate, len, seq});
  elapsed_ += static_cast<ld>(len);
  bool current_skipped = false;

  // Skip the cheapest scored segments while the rest still reach the target, recording where
  // the target could be met inside this segment.
  //
  // Both candidates are skipped, without their divisions, when they provably cannot lower best_.
  // Each has the form c = base + p (+ r), rounded at every step, where base = elapsed_ - len is
  // computed exactly as in c and p, r are never negative under the conditions checked below.
  // Rounding to nearest is monotone and base is representable, so base + p >= base and then
  // c >= base; best_ > c can only hold if best_ > base. A NaN base gives a NaN c, which never
  // replaces best_ either.
  bool below = true;
  heap_entry t{};
  int64_t e = 0;
  bool have_top = false;
  for (;;) {
    below = lesss_int(score_, target_);
    if (!below && rate != 0 && !current_skipped) {
      // p = max(q, 0) is never negative.
      const ld base = elapsed_ - static_cast<ld>(len);
      if (best_ > base) {
        const int64_t missing = wrap_add(wrap_sub(gain(len, rate), score_), t_target);
        const ld q = static_cast<ld>(missing) / static_cast<ld>(rate);
        const ld c = base + (q > 0 ? q : 0);
        if (best_ > c) best_ = c;
      }
    }
    if (heap_.empty()) {
      have_top = false;
      break;
    }
    t = heap_.top();
    e = gain(t.len, t.rate);
    have_top = true;
    if (wrap_sub(score_, e) < t_target) break;
    elapsed_ =
        (elapsed_ - static_cast<ld>(t.len)) + static_cast<ld>(t.len) / static_cast<ld>(speedup_);
    if (t.seq == seq) current_skipped = true;
    heap_.pop();
    score_ = wrap_sub(score_, e);
  }

  // Partial skip: keep only as much of the top segment scored as the target needs and pass the
  // rest of it at speed K (none of it when the top is this segment).
  if (!below && have_top) {
    const int64_t needed = wrap_add(wrap_sub(e, score_), t_target);
    const ld base = elapsed_ - static_cast<ld>(t.len);
    // With a positive rate, a positive K and 0 < needed <= e = len * rate, the scored part
    // p = needed / rate lies in [0, len] (both ends representable, so also after rounding), and
    // the rest r = (len - p) / K is not negative: the candidate cannot beat best_ unless base does.
    const bool bounded = t.rate > 0 && speedup_ > 0 && needed > 0 && needed <= e;
    if (!bounded || best_ > base) {
      const ld l = static_cast<ld>(needed);
      const ld x = base + l / static_cast<ld>(t.rate);
      const ld c = t.seq == seq ? x
                                : x + (static_cast<ld>(t.len) - l / static_cast<ld>(t.rate)) /
                                          static_cast<ld>(speedup_);
      if (best_ > c) best_ = c;
    }
  }
}

long double sweep::answer() const {
  if (finished_) return best_;
  return best_ > no_answer_above ? -1 : best_;
}

}  // namespace vesqor

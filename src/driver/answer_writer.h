// Formats answers as "%.15f\n" lines and writes them through a buffer to a descriptor or memory.
// O(1) per answer; write errors are remembered and reported by finish().
#pragma once

#include <cstddef>
#include <string>

namespace vesqor {

// Writes v rounded to double as "%.15f"; non-finite values as "-inf", "inf" or "nan" (never with
// a sign on NaN). Returns the number of characters written; out must hold 400.
size_t format_answer(long double v, char* out);

class answer_writer {
 public:
  // fd < 0 keeps every line in memory (see text()).
  explicit answer_writer(int fd) : fd_(fd) {}

  void write_answer(long double v);
  // Writes out what is buffered; false if any write failed.
  bool finish();
  const std::string& text() const { return buffer_; }

 private:
  bool flush();

  int fd_;
  std::string buffer_;
  bool ok_ = true;
};

}  // namespace vesqor

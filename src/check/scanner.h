// Splits a file into the integers the solver's reader takes from it, with the line and column of
// each. O(1) per byte through one buffer (1 MiB by default); memory is that buffer only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace vesqor::check {

// Lines and columns count from 1; a line ends at \n and a column is a byte. line 0 stands for the
// file as a whole.
struct pos {
  uint64_t offset = 0;
  uint64_t line = 0;
  uint64_t col = 0;
};

struct token {
  enum class type : uint8_t {
    number,  // an optional sign and digits: the solver reads value
    other,   // no number starts here: the solver's reads fail from here on
    end,     // only whitespace is left
  };
  type kind = type::end;
  int32_t value = 0;          // modulo 2^32, as the solver keeps it
  bool out_of_range = false;  // outside [-2^31, 2^31 - 1] as written
  bool joined = false;        // follows the previous number without whitespace between them
  pos at;
};

// Reads as int_reader does: skips C whitespace, then an optional + or - and at least one digit;
// the number ends before the first byte that is not a digit, and the next token may start there.
// Where no number starts, next() keeps returning that same other token.
class scanner {
 public:
  // Reads fd to its end; does not close it. buffer_size is raised to at least 128.
  explicit scanner(int fd, size_t buffer_size = size_t{1} << 20);

  void next(token& t);
  // The last token as written, in double quotes with bytes outside printable ASCII escaped; cut
  // after 20 bytes with "..." before the closing quote.
  std::string quoted() const;
  // The number of digits of the last number token.
  uint64_t digits() const { return digits_; }
  // Where reading stands: after an end token, the end of the file.
  pos here() const;
  // The errno of a failed read (which ends the input), or 0.
  int read_error() const { return error_; }

 private:
  static constexpr size_t lookahead = 64;
  static constexpr size_t quote_max = 20;

  bool fill();
  void spill();

  int fd_;
  size_t size_;
  std::unique_ptr<char[]> buf_;
  const char* p_;
  const char* end_;
  uint64_t base_ = 0;  // file offset of buf_[0]
  uint64_t line_ = 1;
  uint64_t line_start_ = 0;  // file offset of the first byte of the current line
  bool eof_ = false;
  int error_ = 0;
  bool after_number_ = false;
  // The last token: where it starts in the buffer, or its first bytes once the buffer moved on.
  const char* start_ = nullptr;
  token::type last_ = token::type::end;
  uint64_t number_len_ = 0;  // sign and digits
  uint64_t digits_ = 0;
  bool spilled_ = false;
  char head_[quote_max + 1];
  size_t head_len_ = 0;
};

}  // namespace vesqor::check

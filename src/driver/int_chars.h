// The byte classes of a formatted "%d" read: C whitespace and decimal digits, shared by the
// solver's int_reader and the checker's scanner. O(1) per byte.
#pragma once

namespace vesqor {

// Space, \t, \n, \v, \f, \r.
constexpr bool is_c_space(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return u == ' ' || (u >= '\t' && u <= '\r');
}

constexpr bool is_dec_digit(char c) {
  return static_cast<unsigned char>(c - '0') < 10;
}

}  // namespace vesqor

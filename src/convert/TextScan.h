#pragma once
// Helpers shared by the conversion sources; not part of the public interface.

#include <string_view>

#include "convert/Extended.h"

namespace pw::detail {

// A text ends at its end or at its first NUL.
inline std::string_view TextBeforeNul(std::string_view text) {
  const std::size_t nul = text.find('\0');
  return nul == std::string_view::npos ? text : text.substr(0, nul);
}

// Longest digit string the formatter asks for: 35 + 1 integer places and 216 decimals.
inline constexpr int kMaxDigitCount = 252;

// Writes d0..dn of y (0 <= y < 20, 1 <= n <= kMaxDigitCount) to out, which holds at least
// max(n, 18) + 1 characters.
void WriteDigits(Extended y, int n, char* out);

}  // namespace pw::detail

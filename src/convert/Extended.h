#pragma once
// The 80-bit extended real: sign, 15-bit exponent (bias 16383), 64-bit significand with an
// explicit integer bit, every operation rounded to nearest even.

#include <cstdint>
#include <limits>

namespace pw {

using Extended = long double;

static_assert(std::numeric_limits<Extended>::is_iec559 &&
                  std::numeric_limits<Extended>::digits == 64 &&
                  std::numeric_limits<Extended>::max_exponent == 16384 &&
                  std::numeric_limits<Extended>::min_exponent == -16381,
              "long double must be the x87 80-bit extended format");

struct ExtendedBits {
  std::uint16_t signExponent;  // sign bit and the biased exponent
  std::uint64_t significand;   // with the explicit integer bit
  bool operator==(const ExtendedBits&) const = default;
};

ExtendedBits BitsOf(Extended x);
Extended FromBits(ExtendedBits bits);

}  // namespace pw

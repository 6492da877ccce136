#include "convert/Extended.h"

#include <cstring>

namespace pw {

namespace {
// x86 stores the 80-bit format as the 64-bit significand followed by the sign and exponent word.
constexpr std::size_t kSignificandBytes = 8;
constexpr std::size_t kExtendedBytes = 10;
}  // namespace

ExtendedBits BitsOf(Extended x) {
  unsigned char bytes[sizeof(Extended)];
  std::memcpy(bytes, &x, sizeof(Extended));
  ExtendedBits bits{};
  std::memcpy(&bits.significand, bytes, kSignificandBytes);
  std::memcpy(&bits.signExponent, bytes + kSignificandBytes, kExtendedBytes - kSignificandBytes);
  return bits;
}

Extended FromBits(ExtendedBits bits) {
  unsigned char bytes[sizeof(Extended)] = {};
  std::memcpy(bytes, &bits.significand, kSignificandBytes);
  std::memcpy(bytes + kSignificandBytes, &bits.signExponent, kExtendedBytes - kSignificandBytes);
  Extended x;
  std::memcpy(&x, bytes, sizeof(Extended));
  return x;
}

}  // namespace pw

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "convert/NumberText.h"
#include "convert/PowersOfTen.h"

namespace pw {
namespace {

// Exact powers of ten as binary digits, least significant 32-bit limb first.
struct BigInteger {
  std::vector<std::uint32_t> limbs{1};

  void MultiplyByTen() {
    std::uint64_t carry = 0;
    for (auto& limb : limbs) {
      carry += std::uint64_t{limb} * 10;
      limb = static_cast<std::uint32_t>(carry);
      carry >>= 32;
    }
    if (carry != 0) limbs.push_back(static_cast<std::uint32_t>(carry));
  }
  int BitLength() const {
    return static_cast<int>(32 * (limbs.size() - 1)) + std::bit_width(limbs.back());
  }
  bool Bit(int i) const { return i >= 0 && ((limbs[i / 32] >> (i % 32)) & 1) != 0; }
};

// The nearest extended value to n, ties to even, and whether it is exact.
std::pair<ExtendedBits, bool> NearestExtended(const BigInteger& n) {
  const int length = n.BitLength();
  std::uint64_t significand = 0;
  for (int i = 1; i <= 64; ++i) significand = (significand << 1) | (n.Bit(length - i) ? 1 : 0);
  int exponent = length - 1;
  const int roundBit = length - 65;
  bool sticky = false;
  for (int i = 0; i < roundBit; ++i) sticky = sticky || n.Bit(i);
  if (n.Bit(roundBit) && (sticky || (significand & 1) != 0) && ++significand == 0) {
    significand = std::uint64_t{1} << 63;
    ++exponent;
  }
  return {{static_cast<std::uint16_t>(16383 + exponent), significand}, !n.Bit(roundBit) && !sticky};
}

TEST(PowersOfTen, EveryEntryIsTheNearestExtendedValue) {
  BigInteger power;
  for (int p = 0; p <= 4608; ++p, power.MultiplyByTen()) {
    const auto [nearest, exact] = NearestExtended(power);
    if (p < 32) {
      EXPECT_EQ(BitsOf(kSmallPowersOfTen[p]), nearest) << "10^" << p;
      EXPECT_EQ(exact, p <= 27) << "10^" << p;
    }
    if (p % 32 == 0 && p < 512) {
      EXPECT_EQ(BitsOf(kMediumPowersOfTen[p / 32]), nearest) << "10^" << p;
    }
    if (p % 512 == 0) {
      EXPECT_EQ(BitsOf(kLargePowersOfTen[p / 512]), nearest) << "10^" << p;
    }
  }
}

TEST(ScaleByPowerOfTen, CoversTheExtendedRange) {
  EXPECT_EQ(ScaleByPowerOfTen(3, 27), 3e27L);  // one rounding
  EXPECT_EQ(ScaleByPowerOfTen(3e20L, -20), 3);
  EXPECT_EQ(ScaleByPowerOfTen(-2, 5), -200000);
  EXPECT_TRUE(std::isfinite(ScaleByPowerOfTen(1, 4932)));
  EXPECT_TRUE(std::isinf(ScaleByPowerOfTen(1, 4933)));
  EXPECT_EQ(ScaleByPowerOfTen(0, 5120), std::numeric_limits<Extended>::infinity());
  EXPECT_GT(ScaleByPowerOfTen(1, -4950), 0);
  EXPECT_EQ(ScaleByPowerOfTen(1, -4952), 0);
  EXPECT_EQ(ScaleByPowerOfTen(1, std::numeric_limits<int>::min()), 0);
  EXPECT_NEAR(static_cast<double>(ScaleByPowerOfTen(1.5L, 4000) / 1.5e4000L), 1.0, 1e-15);
}

}  // namespace
}  // namespace pw

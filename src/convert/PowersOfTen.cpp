#include "convert/PowersOfTen.h"

#include <limits>

#include "convert/NumberText.h"

namespace pw {

// The compiler rounds each literal to the nearest extended value; the tests check every entry
// against the exact power.
const std::array<Extended, 32> kSmallPowersOfTen = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,  1e10L,
    1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L,
    1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L, 1e28L, 1e29L, 1e30L, 1e31L,
};

const std::array<Extended, 16> kMediumPowersOfTen = {
    1e0L,   1e32L,  1e64L,  1e96L,  1e128L, 1e160L, 1e192L, 1e224L,
    1e256L, 1e288L, 1e320L, 1e352L, 1e384L, 1e416L, 1e448L, 1e480L,
};

const std::array<Extended, 10> kLargePowersOfTen = {
    1e0L, 1e512L, 1e1024L, 1e1536L, 1e2048L, 1e2560L, 1e3072L, 1e3584L, 1e4096L, 1e4608L,
};

namespace {
constexpr int kScaleLimit = 5120;  // 10^5120 is beyond the extended range either way
}

Extended ScaleByPowerOfTen(Extended x, int n) {
  if (n == 0) return x;
  if (n > 0) {
    if (n >= kScaleLimit) return std::numeric_limits<Extended>::infinity();
    x *= kSmallPowersOfTen[n % 32];
    if ((n / 32) % 16 != 0) x *= kMediumPowersOfTen[(n / 32) % 16];
    if (n / 512 != 0) x *= kLargePowersOfTen[n / 512];
    return x;
  }
  if (n <= -kScaleLimit) return 0;
  const int a = -n;
  x /= kSmallPowersOfTen[a % 32];
  if ((a / 32) % 16 != 0) x /= kMediumPowersOfTen[(a / 32) % 16];
  if (a / 512 != 0) x /= kLargePowersOfTen[a / 512];
  return x;
}

}  // namespace pw

#pragma once
// Powers of ten as the nearest extended values.

#include <array>

#include "convert/Extended.h"

namespace pw {

extern const std::array<Extended, 32> kSmallPowersOfTen;   // 10^0 .. 10^31
extern const std::array<Extended, 16> kMediumPowersOfTen;  // 10^(32 j), j = 0 .. 15
extern const std::array<Extended, 10> kLargePowersOfTen;   // 10^(512 m), m = 0 .. 9

}  // namespace pw

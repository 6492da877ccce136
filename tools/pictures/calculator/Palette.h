#pragma once
// The colours of the calculator window's pictures.

#include "pictures/kit/Colour.h"

namespace pw::pictures {

inline constexpr Colour kTeal = Rgb255(0, 128, 128);
inline constexpr Colour kPanelTeal = Rgb255(98, 173, 172);
inline constexpr Colour kWhite = Rgb255(255, 255, 255);
inline constexpr Colour kCyan = Rgb255(0, 255, 255);
inline constexpr Colour kPureBlue = Rgb255(0, 0, 255);
inline constexpr Colour kButtonFace =
    Rgb255(212, 208, 200);  // what a keyed picture is seen against
inline constexpr Colour kDimensionRed = Rgb255(232, 24, 24);
inline constexpr Colour kOutlineBlue = Rgb255(0, 0, 128);
inline constexpr Colour kLogoNavy = Rgb255(0, 16, 88);

}  // namespace pw::pictures

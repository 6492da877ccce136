#pragma once
// The colours the calculator window's pictures share.

#include "pictures/kit/Colour.h"

namespace pw::pictures {

inline constexpr Colour kWhite = Rgb255(255, 255, 255);
inline constexpr Colour kButtonFace =
    Rgb255(212, 208, 200);  // what a keyed picture is seen against

}  // namespace pw::pictures

#pragma once
// Copying a 32-bit surface of ours (B, G, R, X bytes) into part of another, scaled for a desktop
// that asks for more pixels per inch: the same size copies, an integer factor replicates pixels,
// any other factor filters bilinearly. No display needed.

#include <cstddef>
#include <cstdint>

#include "platform/gfx/Types.h"

namespace pw::win {

struct PixelRows {
  std::uint8_t* first = nullptr;  // the top row
  std::ptrdiff_t stride = 0;      // bytes from one row to the one below (negative: bottom-up)
  int width = 0;
  int height = 0;

  std::uint32_t* Row(int y) const {
    return reinterpret_cast<std::uint32_t*>(first + stride * static_cast<std::ptrdiff_t>(y));
  }
};

// Redraws the part of `target` that shows `area` of `source`, the whole of `source` being
// stretched over `placement` (target pixels; it may reach outside the target, which clips); the
// fourth byte comes out opaque. Returns the part of `target` written (empty when nothing was).
gfx::RECT ScaleArea(const PixelRows& source, gfx::RECT area, const PixelRows& target,
                    const gfx::RECT& placement);

}  // namespace pw::win

#pragma once
// Pixel-level helpers shared by the drawing parts of the graphics stand-in.

#include <cstdint>

#include "platform/gfx/GdiObjects.h"

namespace pw::gfx {

// The colour a monochrome surface shows for `color`: the nearer of black (false) and white.
constexpr bool MonoBit(COLORREF color) {
  const int r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
  return r * 30 + g * 59 + b * 11 >= 128 * 100;
}

// Values the raster operations work on: 32-bit pixels on colour surfaces, all bits 0 or all
// bits 1 on monochrome ones.
constexpr std::uint32_t ValueOf(const Bitmap& surface, COLORREF color) {
  if (surface.bitsPerPixel == 1) return MonoBit(color) ? 0xFFFFFFFFu : 0u;
  return PixelOf(color);
}

// Fills a rectangle of the bitmap (already inside it) with a value from ValueOf.
void FillBitmapRect(Bitmap& bitmap, const RECT& rect, std::uint32_t value);

// Fills the visible parts of a device rectangle with a colour.
void FillDeviceRect(const DeviceContext& dc, const RECT& area, COLORREF color);

// Row-wise ternary raster operation: d[i] = rop(p, s[i], d[i]) on 32-bit values.
void RopRow(std::uint8_t rop, std::uint32_t pattern, const std::uint32_t* source,
            std::uint32_t* dest, int count);

}  // namespace pw::gfx

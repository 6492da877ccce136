#pragma once
// Offscreen surfaces for the graphics tests.

#include <cstdint>
#include <cstring>

#include "platform/gfx/Gdi.h"

namespace pw::gfx::test {

// A 32-bit section selected into its own memory context.
class Canvas {
 public:
  Canvas(int width, int height, bool topDown = true)
      : bitmap_(CreateDIBSection(width, topDown ? -height : height, nullptr)),
        dc_(CreateCompatibleDC(nullptr)),
        previous_(SelectObject(dc_, bitmap_)) {
    GetBitmapInfo(bitmap_, info_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  ~Canvas() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }

  HDC dc() const { return dc_; }
  HBITMAP bitmap() const { return bitmap_; }
  int width() const { return info_.width; }
  int height() const { return info_.height; }

  // Pixel (x, y) of the picture (device coordinates, whatever the context's origin and clip).
  COLORREF At(int x, int y) const {
    const std::uint32_t pixel = Row(y)[x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
  }
  void Set(int x, int y, COLORREF color) {
    Row(y)[x] = static_cast<std::uint32_t>(GetBValue(color) | (GetGValue(color) << 8) |
                                           (GetRValue(color) << 16));
  }
  void Fill(COLORREF color) {
    for (int y = 0; y < height(); ++y) {
      for (int x = 0; x < width(); ++x) Set(x, y, color);
    }
  }
  // The pixel memory in memory order.
  const std::uint8_t* Memory() const { return static_cast<const std::uint8_t*>(info_.bits); }
  bool SameAs(const Canvas& other) const {
    if (width() != other.width() || height() != other.height()) return false;
    for (int y = 0; y < height(); ++y) {
      for (int x = 0; x < width(); ++x) {
        if (At(x, y) != other.At(x, y)) return false;
      }
    }
    return true;
  }

 private:
  std::uint32_t* Row(int y) const {
    const int memoryRow = info_.topDown ? y : info_.height - 1 - y;
    return reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(info_.bits) +
                                            static_cast<std::ptrdiff_t>(memoryRow) * info_.stride);
  }

  HBITMAP bitmap_;
  HDC dc_;
  HGDIOBJ previous_;
  BitmapInfo info_;
};

// A monochrome bitmap selected into its own memory context.
class MonoCanvas {
 public:
  MonoCanvas(int width, int height)
      : bitmap_(CreateBitmap(width, height, 1, 1, nullptr)),
        dc_(CreateCompatibleDC(nullptr)),
        previous_(SelectObject(dc_, bitmap_)) {
    GetBitmapInfo(bitmap_, info_);
  }
  MonoCanvas(const MonoCanvas&) = delete;
  MonoCanvas& operator=(const MonoCanvas&) = delete;
  ~MonoCanvas() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  HDC dc() const { return dc_; }
  HBITMAP bitmap() const { return bitmap_; }
  bool Bit(int x, int y) const {
    const auto* row = static_cast<const std::uint8_t*>(info_.bits) +
                      static_cast<std::ptrdiff_t>(y) * info_.stride;
    return (row[x >> 3] >> (7 - (x & 7))) & 1;
  }
  void SetBit(int x, int y, bool value) {
    auto* row =
        static_cast<std::uint8_t*>(info_.bits) + static_cast<std::ptrdiff_t>(y) * info_.stride;
    const auto bit = static_cast<std::uint8_t>(0x80 >> (x & 7));
    row[x >> 3] = static_cast<std::uint8_t>(value ? row[x >> 3] | bit : row[x >> 3] & ~bit);
  }

 private:
  HBITMAP bitmap_;
  HDC dc_;
  HGDIOBJ previous_;
  BitmapInfo info_;
};

// A brush that is deleted with its scope.
class SolidBrush {
 public:
  explicit SolidBrush(COLORREF color) : brush_(CreateSolidBrush(color)) {}
  SolidBrush(const SolidBrush&) = delete;
  SolidBrush& operator=(const SolidBrush&) = delete;
  ~SolidBrush() { DeleteObject(brush_); }
  operator HBRUSH() const { return brush_; }
  operator HGDIOBJ() const { return brush_; }

 private:
  HBRUSH brush_;
};

// A picture whose every pixel tells where it came from: red and green are the low bytes of x
// and y, blue holds their high bits.
inline COLORREF Coded(int x, int y) {
  return RGB(x & 0xFF, y & 0xFF, (x >> 8) | ((y >> 8) << 4));
}
inline int CodedX(COLORREF c) {
  return GetRValue(c) | ((GetBValue(c) & 0x0F) << 8);
}
inline int CodedY(COLORREF c) {
  return GetGValue(c) | ((GetBValue(c) >> 4) << 8);
}
inline void PaintCoded(Canvas& canvas) {
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) canvas.Set(x, y, Coded(x, y));
  }
}

}  // namespace pw::gfx::test

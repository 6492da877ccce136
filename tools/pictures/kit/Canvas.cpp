#include "pictures/kit/Canvas.h"

#include <algorithm>
#include <cstddef>

namespace pw::pictures {

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GRAY);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
}

Canvas::Canvas(int width, int height, Colour paper) : Canvas(width, height) {
  Use(cr_, paper);
  cairo_paint(cr_);
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

std::uint32_t Canvas::PixelAt(int x, int y) const {
  cairo_surface_flush(surface_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  return reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride)[x];
}

double Canvas::Alpha(int x, int y) const {
  return (PixelAt(x, y) >> 24) / 255.0;
}

Colour Canvas::ColourAt(int x, int y) const {
  const std::uint32_t p = PixelAt(x, y);
  const double a = (p >> 24) / 255.0;
  if (a <= 0) return {0, 0, 0};
  return {((p >> 16) & 0xFF) / 255.0 / a, ((p >> 8) & 0xFF) / 255.0 / a, (p & 0xFF) / 255.0 / a};
}

Raster Canvas::Keyed(Colour key, Colour matte) const {
  Raster raster(width_, height_, key);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      const std::uint32_t p = PixelAt(x, y);
      const int alpha = static_cast<int>(p >> 24);
      if (alpha == 0) continue;
      // Premultiplied over the matte, in whole eight-bit steps.
      auto over = [alpha](std::uint32_t premultiplied, double back) {
        return std::min(
            255, static_cast<int>(premultiplied & 0xFF) + (Byte(back) * (255 - alpha) + 127) / 255);
      };
      raster.Set(x, y, Rgb255(over(p >> 16, matte.r), over(p >> 8, matte.g), over(p, matte.b)));
    }
  return raster;
}

}  // namespace pw::pictures

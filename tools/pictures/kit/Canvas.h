#pragma once
// The surface a picture is drawn on: an ARGB32 cairo image surface with its context,
// antialiased in grey, painted with a paper colour or left clear.

#include <cairo.h>

#include "pictures/kit/Colour.h"
#include "pictures/kit/PictureFiles.h"

namespace pw::pictures {

class Canvas {
 public:
  Canvas(int width, int height);
  Canvas(int width, int height, Colour paper);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* Context() const { return cr_; }
  cairo_surface_t* Surface() const { return surface_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // The pixels as they are, alpha ignored.
  Raster Pixels() const { return Raster::FromSurface(surface_); }
  // Pixels left clear become the transparent colour; the others are composed over the colour
  // they will be seen against.
  Raster Keyed(Colour key, Colour matte) const;
  // Coverage (0 to 1) of the pixel at (x, y): its alpha.
  double Alpha(int x, int y) const;
  // The unpremultiplied colour at (x, y) of a pixel with some coverage.
  Colour ColourAt(int x, int y) const;

 private:
  std::uint32_t PixelAt(int x, int y) const;

  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

}  // namespace pw::pictures

// The application icon.

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "pictures/calculator/Palette.h"
#include "pictures/calculator/Pictures.h"
#include "pictures/calculator/SteelBar.h"
#include "pictures/kit/Canvas.h"
#include "pictures/kit/Drafting.h"
#include "pictures/kit/Lettering.h"

namespace pw::pictures {

// The application icon: a short length of I-beam on a teal tile, with its depth marked in red.
void DrawAppIcon(cairo_t* cr, int size) {
  const double k = size / 48.0;
  cairo_scale(cr, k, k);
  RoundedRectangle(cr, 1.5, 1.5, 45, 45, 7);
  cairo_pattern_t* tile = cairo_pattern_create_linear(0, 0, 0, 48);
  cairo_pattern_add_color_stop_rgb(tile, 0, 0.20, 0.62, 0.62);
  cairo_pattern_add_color_stop_rgb(tile, 1, 0.0, 0.40, 0.42);
  cairo_set_source(cr, tile);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(tile);
  Use(cr, Rgb255(0, 70, 74));
  cairo_set_line_width(cr, size <= 16 ? 2.4 : 1.2);
  cairo_stroke(cr);
  if (size <= 16) {
    // Small sizes: the section alone, bold enough to read.
    const Outline section = MakeOutline(UprightISection(30, 28, 8, 7, 0, 0), {10, 9});
    Polygon(cr, section.points);
    Use(cr, Rgb255(236, 240, 246));
    cairo_fill(cr);
    return;
  }
  RoundedRectangle(cr, 1.5, 1.5, 45, 45, 7);
  cairo_clip(cr);
  const Outline section = MakeOutline(UprightISection(24, 20, 4, 4.2, 2.4, 0.6), {10, 19});
  DrawBar(cr, section, {{62.5, -11}, 0.6});
  LetteredDimension(cr, {10, 19}, {10, 43}, {-1, 0}, 4.5);
}

void WriteAppIcon(const std::filesystem::path& root, int size) {
  Canvas canvas(size, size);
  DrawAppIcon(canvas.Context(), size);
  const std::filesystem::path path =
      root / "icon" / ("profile-weight-" + std::to_string(size) + ".png");
  std::filesystem::create_directories(path.parent_path());
  WritePng(path, canvas.Surface());
}

}  // namespace pw::pictures

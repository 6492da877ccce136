// The application icon.

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "pictures/calculator/Palette.h"
#include "pictures/calculator/Pictures.h"
#include "pictures/calculator/SteelBar.h"
#include "pictures/kit/Drafting.h"

namespace pw::pictures {

// The application icon: a short length of I-beam on a teal tile, with its depth marked in red.
void DrawAppIcon(cairo_t* cr, int size) {
  const double k = size / 48.0;
  cairo_scale(cr, k, k);
  RoundedRectangle(cr, 1.5, 1.5, 45, 45, 7);
  FillLinear(cr, {0, 0}, {0, 48}, {{0, Colour{0.20, 0.62, 0.62}}, {1, Colour{0.0, 0.40, 0.42}}});
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

}  // namespace pw::pictures

// The glyphs of the two bitmap buttons.

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "pictures/calculator/Palette.h"
#include "pictures/calculator/Pictures.h"
#include "pictures/calculator/SteelBar.h"
#include "pictures/kit/Canvas.h"
#include "pictures/kit/Drafting.h"

namespace pw::pictures {
namespace {

constexpr Colour kPureBlue = Rgb255(0, 0, 255);

}  // namespace

// G1: a ruled sheet with a pencil, for the button that calculates.
Raster CalculateGlyph() {
  Canvas canvas(22, 22);
  cairo_t* cr = canvas.Context();
  // The sheet, with a folded corner.
  cairo_new_path(cr);
  cairo_move_to(cr, 3.5, 1.5);
  cairo_line_to(cr, 12.5, 1.5);
  cairo_line_to(cr, 16.5, 5.5);
  cairo_line_to(cr, 16.5, 19.5);
  cairo_line_to(cr, 3.5, 19.5);
  cairo_close_path(cr);
  Use(cr, Rgb255(250, 250, 246));
  cairo_fill_preserve(cr);
  Use(cr, Rgb255(72, 72, 80));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, 12.5, 1.5);
  cairo_line_to(cr, 12.5, 5.5);
  cairo_line_to(cr, 16.5, 5.5);
  Use(cr, Rgb255(150, 150, 160));
  cairo_stroke(cr);
  // Rules and a margin.
  Use(cr, Rgb255(110, 150, 225));
  for (double y = 7.5; y < 19; y += 3) Line(cr, {5, y}, {15, y});
  Use(cr, Rgb255(225, 90, 90));
  Line(cr, {6.5, 2.5}, {6.5, 18.5});

  // The pencil, lying from the upper right to its point at the lower left.
  cairo_save(cr);
  cairo_translate(cr, 9.2, 16.8);
  cairo_rotate(cr, -kPi / 4);
  const double w = 2.4;  // half width
  // graphite point and sharpened wood
  Polygon(cr, {{0, 0}, {4.2, -w}, {4.2, w}});
  Use(cr, Rgb255(236, 200, 150));
  cairo_fill(cr);
  Polygon(cr, {{0, 0}, {1.6, -0.95}, {1.6, 0.95}});
  Use(cr, Rgb255(50, 50, 56));
  cairo_fill(cr);
  // painted body, darker on its lower side
  cairo_rectangle(cr, 4.2, -w, 9.4, 2 * w);
  FillLinear(cr, {0, -w}, {0, w},
             {{0, Colour{1.0, 0.88, 0.35}},
              {0.55, Colour{0.96, 0.76, 0.10}},
              {1, Colour{0.78, 0.55, 0.05}}},
             false);
  // metal band and eraser
  cairo_rectangle(cr, 13.6, -w, 1.8, 2 * w);
  Use(cr, Rgb255(176, 176, 184));
  cairo_fill(cr);
  cairo_rectangle(cr, 15.4, -w, 2.2, 2 * w);
  Use(cr, Rgb255(226, 120, 128));
  cairo_fill(cr);
  Polygon(cr, {{0, 0}, {4.2, -w}, {17.6, -w}, {17.6, w}, {4.2, w}});
  Use(cr, Rgb255(60, 48, 40));
  cairo_set_line_width(cr, 0.7);
  cairo_stroke(cr);
  cairo_restore(cr);
  return canvas.Keyed(kPureBlue, kButtonFace);
}

namespace {

// The monitor of the showcase glyph: stand and foot, case and screen.
void MonitorCase(cairo_t* cr) {
  // stand and foot
  Polygon(cr, {{13, 23}, {19, 23}, {20, 27}, {12, 27}});
  Use(cr, Rgb255(150, 150, 148));
  cairo_fill(cr);
  RoundedRectangle(cr, 7.5, 26.5, 17, 3.5, 1.5);
  Use(cr, Rgb255(196, 196, 190));
  cairo_fill_preserve(cr);
  Use(cr, Rgb255(86, 86, 90));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // case
  RoundedRectangle(cr, 1.5, 1.5, 29, 22, 2.5);
  FillLinear(cr, {0, 1.5}, {0, 23.5},
             {{0, Colour{0.90, 0.90, 0.88}}, {1, Colour{0.72, 0.72, 0.70}}});
  Use(cr, Rgb255(70, 70, 76));
  cairo_stroke(cr);
  // screen
  cairo_rectangle(cr, 4.5, 4.5, 23, 16);
  FillLinear(cr, {0, 4.5}, {0, 20.5},
             {{0, Colour{0.10, 0.20, 0.42}}, {1, Colour{0.04, 0.09, 0.24}}});
  Use(cr, Rgb255(40, 40, 48));
  cairo_stroke(cr);
}

// A globe of radius r about c: ocean, land, meridians and parallels.
void Globe(cairo_t* cr, Point c, double r) {
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_arc(cr, c.x, c.y, r, 0, 2 * kPi);
  cairo_pattern_t* ocean = cairo_pattern_create_radial(c.x - 2.5, c.y - 2.5, 0.5, c.x, c.y, r);
  cairo_pattern_add_color_stop_rgb(ocean, 0, 0.45, 0.72, 1.0);
  cairo_pattern_add_color_stop_rgb(ocean, 1, 0.08, 0.33, 0.78);
  cairo_set_source(cr, ocean);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(ocean);
  cairo_clip(cr);
  Use(cr, Rgb255(70, 170, 70));
  Polygon(cr, {{12.5, 6.0},
               {15.5, 6.4},
               {16.2, 8.6},
               {14.6, 10.4},
               {15.8, 13.2},
               {14.4, 17.6},
               {12.8, 15.0},
               {11.6, 11.4},
               {10.0, 9.6},
               {11.0, 7.4}});
  cairo_fill(cr);
  Polygon(cr, {{17.4, 6.8},
               {21.6, 7.4},
               {23.4, 10.2},
               {21.2, 11.2},
               {19.8, 13.8},
               {18.2, 11.4},
               {17.6, 9.2}});
  cairo_fill(cr);
  Use(cr, Rgb255(230, 240, 250), 0.45);
  cairo_set_line_width(cr, 0.6);
  for (double k : {-0.5, 0.5}) {
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, c.x, c.y);
    cairo_scale(cr, std::abs(k) * 1.0, 1.0);
    cairo_arc(cr, 0, 0, r, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_stroke(cr);
  }
  Line(cr, {c.x, c.y - r}, {c.x, c.y + r});
  for (double dy : {-3.3, 0.0, 3.3}) {
    const double half = std::sqrt(r * r - dy * dy);
    Line(cr, {c.x - half, c.y + dy}, {c.x + half, c.y + dy});
  }
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_arc(cr, c.x, c.y, r, 0, 2 * kPi);
  Use(cr, Rgb255(10, 30, 70));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

}  // namespace

// G2: a monitor showing a globe, for the button that opens the showcase.
Raster ShowcaseGlyph() {
  Canvas canvas(32, 32);
  cairo_t* cr = canvas.Context();
  MonitorCase(cr);
  Globe(cr, {16, 12.5}, 6.6);
  // power light
  cairo_arc(cr, 27, 22, 0.8, 0, 2 * kPi);
  Use(cr, Rgb255(40, 200, 60));
  cairo_fill(cr);
  return canvas.Keyed(kWhite, kButtonFace);
}

}  // namespace pw::pictures

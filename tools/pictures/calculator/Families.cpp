// The family pictures: the panel they stand on, the drawings and the icons.

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

constexpr Colour kTeal = Rgb255(0, 128, 128);
constexpr Colour kPanelTeal = Rgb255(98, 173, 172);
constexpr Colour kOutlineBlue = Rgb255(0, 0, 128);

// The four drawings share one view, so the length is marked in the same place in each of them
// and the window's "L" label sits under its dimension line whichever drawing is in front.
const Perspective kView{{980, -140}, 0.82};

// The near end's lower right corner, from which the length is dimensioned in every drawing.
constexpr Point kNearCorner{104, 116};

}  // namespace

Raster FamilyDrawing(int width, int height, const std::vector<Corner>& corners, double sectionWidth,
                     double sectionHeight, bool horizontalMeasure, const char* letter) {
  Canvas canvas(width, height, kTeal);
  cairo_t* cr = canvas.Context();
  const Point origin{kNearCorner.x - sectionWidth, kNearCorner.y - sectionHeight};
  const Outline section = MakeOutline(corners, origin);
  DrawBar(cr, section, kView);

  // The length, along the lower right edge, measured straight down from the near and far corners.
  LetteredDimension(cr, kNearCorner, kView.Far(kNearCorner), {0, 1}, 11);
  if (horizontalMeasure) {
    // Width or depth across the bottom of the near end, below the length dimension.
    LetteredDimension(cr, {origin.x, kNearCorner.y}, kNearCorner, {0, 1}, 23, letter);
  } else {
    // Height along the left side of the near end.
    LetteredDimension(cr, origin, {origin.x, kNearCorner.y}, {-1, 0}, 14, letter);
  }
  return canvas.Pixels();
}

// P1: the panel behind the family row, the inputs and the drawings.
Raster BackgroundPanel() {
  const int width = 383, height = 615;
  Canvas canvas(width, height, kPanelTeal);
  cairo_t* cr = canvas.Context();

  // A broad sweep of darker teal rising from the lower left to the upper right.
  cairo_new_path(cr);
  cairo_move_to(cr, 0, 175);
  cairo_curve_to(cr, 120, 235, 250, 150, width, -20);
  cairo_line_to(cr, width, 300);
  cairo_curve_to(cr, 240, 520, 110, 600, 0, height);
  cairo_close_path(cr);
  FillLinear(cr, {0, 520}, {width, 40},
             {{0, Colour{40 / 255.0, 128 / 255.0, 130 / 255.0}},
              {0.55, Colour{58 / 255.0, 148 / 255.0, 149 / 255.0}},
              {1, Colour{78 / 255.0, 162 / 255.0, 162 / 255.0}}},
             false);

  // A softer band along its upper edge.
  cairo_new_path(cr);
  cairo_move_to(cr, 0, 175);
  cairo_curve_to(cr, 120, 235, 250, 150, width, -20);
  cairo_line_to(cr, width, 30);
  cairo_curve_to(cr, 260, 190, 130, 265, 0, 215);
  cairo_close_path(cr);
  Use(cr, Rgb255(84, 162, 162), 0.55);
  cairo_fill(cr);

  // The thin light arc.
  cairo_new_path(cr);
  cairo_move_to(cr, -4, 345);
  cairo_curve_to(cr, 120, 260, 260, 130, width + 4, 40);
  Use(cr, Rgb255(196, 232, 228), 0.9);
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
  return canvas.Pixels();
}

// P6 to P9: a family's cross-section as an icon, white with a dark blue edge and a soft shadow.
Raster FamilyIcon(const std::vector<Corner>& corners, double sectionWidth, double sectionHeight,
                  int visibleWidth, int visibleHeight) {
  Canvas canvas(51, 43, kTeal);
  cairo_t* cr = canvas.Context();
  const Point origin{std::round((visibleWidth - sectionWidth) / 2) + 0.5,
                     std::round((visibleHeight - sectionHeight) / 2) + 0.5};
  const Outline shadow = MakeOutline(corners, origin + Point{2, 2});
  Polygon(cr, shadow.points);
  Use(cr, Rgb255(0, 88, 92));
  cairo_fill(cr);
  const Outline outline = MakeOutline(corners, origin);
  Polygon(cr, outline.points);
  Use(cr, kWhite);
  cairo_fill_preserve(cr);
  Use(cr, kOutlineBlue);
  cairo_set_line_width(cr, 1.3);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  cairo_stroke(cr);
  return canvas.Pixels();
}

}  // namespace pw::pictures

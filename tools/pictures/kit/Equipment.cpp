#include "pictures/kit/Equipment.h"

#include <algorithm>

#include "pictures/kit/Drafting.h"

namespace pw::pictures {

// A short column with a base plate on the ground line and its pedestal below, dashed.
void Column(cairo_t* cr, double x, double top, double ground, double width) {
  Use(cr, Pen::Outline);
  Line(cr, x - width / 2, top, x - width / 2, ground - 1.5);
  Line(cr, x + width / 2, top, x + width / 2, ground - 1.5);
  SolidBox(cr, x - width / 2 - 3, ground - 1.5, width + 6, 1.5);
  Use(cr, Pen::Hidden);
  Box(cr, x - width / 2 - 4, ground, width + 8, 7);
}

void DrawMotorSide(cairo_t* cr, double x, double y, double w, double h, bool fanLeft) {
  // Body with cooling fins, fan cowl at one end, terminal box on top.
  Use(cr, Pen::Outline);
  SolidBox(cr, x, y, w, h);
  Use(cr, Pen::Thin);
  for (double fx = x + 3; fx < x + w - 1; fx += 2.2) Line(cr, fx, y + 1, fx, y + h - 1);
  Use(cr, Pen::Outline);
  const double cw = std::min(7.0, w * 0.25);
  const double cx = fanLeft ? x - cw : x + w;
  cairo_save(cr);
  cairo_new_sub_path(cr);
  if (fanLeft) {
    cairo_move_to(cr, x, y + 1);
    cairo_curve_to(cr, cx - 1, y + 1, cx - 1, y + h - 1, x, y + h - 1);
  } else {
    cairo_move_to(cr, x + w, y + 1);
    cairo_curve_to(cr, cx + cw + 1, y + 1, cx + cw + 1, y + h - 1, x + w, y + h - 1);
  }
  Use(cr, kPaper);
  cairo_fill_preserve(cr);
  Use(cr, Pen::Outline);
  cairo_stroke(cr);
  cairo_restore(cr);
  SolidBox(cr, x + w * 0.35, y - 3, w * 0.3, 3);
}

void ChuteFlange(cairo_t* cr, P e0, P e1, double side) {
  const P u = Unit(e1 - e0), n = Normal(u) * side;
  Path(cr, {e0 - u * 3, e1 + u * 3, e1 + u * 3 + n * 3, e0 - u * 3 + n * 3}, true);
  cairo_stroke(cr);
}

}  // namespace pw::pictures

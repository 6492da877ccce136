// Image7: ducting details: segmented bend, expansion joint, flange joint, sliding support

#include "pictures/showcase/Drawings.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "pictures/kit/Drafting.h"
#include "pictures/kit/Lettering.h"
#include "pictures/kit/View.h"

namespace pw::pictures {

namespace {

// A flange across the end of a duct: a thin rectangle centred on `at`, along `across`.
void DuctFlange(cairo_t* cr, P at, P across, double halfLength, double thickness) {
  const P u = Unit(across);
  const P n = Normal(u) * (thickness / 2);
  Use(cr, Pen::Outline);
  Path(cr,
       {at - u * halfLength + n, at + u * halfLength + n, at + u * halfLength - n,
        at - u * halfLength - n},
       true);
  FillAndStroke(cr);
}

// Detail 1: 90 degree bend in five segments.
void BendDetail(cairo_t* cr) {
  ViewTitle(cr, 88, 26, "DETAIL 1 - BEND 90\u00B0", "SCALE 1:25");
  const P o{48, 150};
  const double R = 78, half = 22;
  const double joints[] = {0, 11.25, 33.75, 56.25, 78.75, 90};
  auto At = [&](double radius, double deg) { return Polar(o, radius, Radians(deg)); };
  std::vector<P> outer, inner;
  for (double j : joints) {
    const double k = (j == 0 || j == 90) ? 1.0 : 1.0 / std::cos(Radians(11.25));
    outer.push_back(At((R + half) * k, j));
    inner.push_back(At((R - half) * k, j));
  }
  std::vector<P> shape = outer;
  shape.insert(shape.end(), inner.rbegin(), inner.rend());
  Use(cr, Pen::Outline);
  Path(cr, shape, true);
  FillAndStroke(cr, Rgb255(244, 246, 248));
  Use(cr, Pen::Thin);
  for (std::size_t i = 1; i + 1 < outer.size(); ++i) Line(cr, inner[i], outer[i]);
  // Straight pieces beyond the flanges, broken off.
  Use(cr, Pen::Outline);
  const P a0 = At(R - half, 0), a1 = At(R + half, 0);
  Line(cr, a0, a0 + P{0, 14});
  Line(cr, a1, a1 + P{0, 14});
  BreakLine(cr, a0 + P{0, 14}, a1 + P{0, 14});
  const P b0 = At(R - half, 90), b1 = At(R + half, 90);
  Line(cr, b0, b0 + P{-14, 0});
  Line(cr, b1, b1 + P{-14, 0});
  BreakLine(cr, b1 + P{-14, 0}, b0 + P{-14, 0});
  DuctFlange(cr, At(R, 0), {1, 0}, half + 4, 3);
  DuctFlange(cr, At(R, 90), {0, 1}, half + 4, 3);
  // Centre line of the bend, radius and angle.
  cairo_save(cr);
  Use(cr, Pen::Centre);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, o.x, o.y, R, 0, -kPi / 2);
  cairo_stroke(cr);
  cairo_restore(cr);
  CentreLine(cr, o, At(R + half + 6, 0), 0);
  CentreLine(cr, o, At(R + half + 6, 90), 0);
  cairo_save(cr);
  Use(cr, Pen::Dimension);
  Line(cr, o, At(R, 45));
  Arrowhead(cr, At(R, 45), At(R, 45) - o);
  TurnedText(cr, "R 1 500", kDimensionFont, At(R * 0.55, 45).x - 2, At(R * 0.55, 45).y - 2,
             -Radians(45));
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, o.x, o.y, 22, 0, -kPi / 2);
  cairo_stroke(cr);
  Text(cr, "90\u00B0", kDimensionFont, o.x + 17, o.y - 17, Align::Left);
  cairo_restore(cr);
  Dimension(cr, a1 + P{0, 14}, a0 + P{0, 14}, -8, "\u00D8 1 000");
  Use(cr, kInk);
  Text(cr, "5 SEGMENTS", kLabelFont, 150, 64, Align::Centre);
  Text(cr, "t = 4", kLabelFont, 150, 71, Align::Centre);
}

// Detail 2: fabric expansion joint.
void ExpansionJointDetail(cairo_t* cr) {
  ViewTitle(cr, 258, 26, "DETAIL 2 - EXPANSION JOINT", "SCALE 1:10");
  const double cy = 100, half = 30, g0 = 244, g1 = 274;
  Use(cr, Pen::Outline);
  for (double y : {cy - half, cy + half}) {
    Line(cr, 184, y, g0, y);
    Line(cr, g1, y, 334, y);
  }
  BreakLine(cr, {184, cy - half}, {184, cy + half});
  BreakLine(cr, {334, cy - half}, {334, cy + half});
  // Internal liner, fixed upstream.
  Use(cr, Pen::Hidden);
  Line(cr, g0 - 6, cy - half + 4, g1 + 8, cy - half + 4);
  Line(cr, g0 - 6, cy + half - 4, g1 + 8, cy + half - 4);
  for (double s : {-1.0, 1.0}) {
    const double y = cy + s * half;
    // Angle flanges, hatched; fabric belt bulging between; clamping bars and bolts.
    for (double x : {g0 - 4, g1}) {
      cairo_rectangle(cr, x, y, 4, s * 12);
      Use(cr, kPaper);
      cairo_fill_preserve(cr);
      Use(cr, Pen::Outline);
      cairo_stroke_preserve(cr);
      Hatch(cr, 1.5);
    }
    Use(cr, kInk);
    cairo_set_line_width(cr, 1.8);
    cairo_move_to(cr, g0 - 3, y + s * 12);
    cairo_curve_to(cr, g0 + 2, y + s * 24, g1 - 2, y + s * 24, g1 + 3, y + s * 12);
    cairo_stroke(cr);
    Use(cr, Pen::Outline);
    SolidBox(cr, g0 - 8, s > 0 ? y + 12 : y - 15, 10, 3);
    SolidBox(cr, g1 - 2, s > 0 ? y + 12 : y - 15, 10, 3);
    Use(cr, Pen::Thin);
    for (double x : {g0 - 6, g1 + 6}) Line(cr, x, y + s * 2, x, y + s * 17);
  }
  CentreLine(cr, {184, cy}, {334, cy});
  Use(cr, kInk);
  cairo_set_line_width(cr, 0.8);
  Line(cr, 196, cy - 8, 222, cy - 8);
  Arrowhead(cr, {226, cy - 8}, {1, 0});
  Text(cr, "FLOW", kLabelFont, 209, cy - 11, Align::Centre);
  Dimension(cr, {g0, cy + half + 12}, {g1, cy + half + 12}, -16, "300");
  Dimension(cr, {334, cy + half}, {334, cy - half}, -10, "\u00D8 1 000");
  Text(cr, "FABRIC: PTFE / GLASS, 3 LAYERS", kLabelFont, 258, cy + half + 44, Align::Centre);
  Text(cr, "MOVEMENT: AXIAL \u00B125, LATERAL \u00B110", kLabelFont, 258, cy + half + 52,
       Align::Centre);
}

// Detail 3: bolted flange joint.
void FlangeJointDetail(cairo_t* cr) {
  ViewTitle(cr, 420, 26, "DETAIL 3 - FLANGE", "SCALE 1:2");
  const double y = 108, xj = 420;
  for (double s : {-1.0, 1.0}) {
    const double xf = xj + s * 3;  // face of the flange at the gasket
    // Angle L 50x5: upright leg and horizontal leg, hatched; duct plate on the leg.
    cairo_rectangle(cr, xf, y - 38, s * 5, 42);
    cairo_rectangle(cr, xf + s * 5, y - 1, s * 24, 5);
    Use(cr, kPaper);
    cairo_fill_preserve(cr);
    Hatch(cr, 1.6, s > 0 ? 45 : -45);
    Use(cr, Pen::Outline);
    cairo_rectangle(cr, xf, y - 38, s * 5, 42);
    cairo_stroke(cr);
    cairo_rectangle(cr, xf + s * 5, y - 1, s * 24, 5);
    cairo_stroke(cr);
    Use(cr, kInk);
    cairo_rectangle(cr, xf + s * 5, y - 4, s * 52, 3);
    cairo_fill(cr);
    Path(cr, {{xf + s * 5, y - 4}, {xf + s * 9, y - 4}, {xf + s * 5, y - 8}}, true);
    cairo_fill(cr);
  }
  // Gasket and the bolt with washer and nut.
  FillBox(cr, xj - 3, y - 36, 6, 38, kInk);
  const double by = y - 22;
  Use(cr, Pen::Outline);
  SolidBox(cr, xj - 18, by - 3, 36, 6, Rgb255(230, 230, 232));
  HexSide(cr, xj - 24, by - 8, 6, 16);
  SolidBox(cr, xj - 10, by - 9, 2, 18);
  SolidBox(cr, xj + 8, by - 9, 2, 18);
  HexSide(cr, xj + 10, by - 8, 7, 16);
  Line(cr, xj + 17, by - 3, xj + 19, by - 2);
  Line(cr, xj + 17, by + 3, xj + 19, by + 2);
  CentreLine(cr, {xj - 28, by}, {xj + 24, by});
  Use(cr, kInk);
  cairo_set_line_width(cr, 0.45);
  Line(cr, xj + 22, by - 8, xj + 30, by - 30);
  Line(cr, xj + 30, by - 30, xj + 56, by - 30);
  Text(cr, "M12 x 50", kLabelFont, xj + 31, by - 31.5, Align::Left, 26);
  Line(cr, xj, y - 34, xj - 14, y - 52);
  Text(cr, "GASKET 6 mm", kLabelFont, xj - 14, y - 54, Align::Centre);
  Line(cr, xj + 30, y + 2, xj + 40, y + 20);
  Text(cr, "L 50x50x5", kLabelFont, xj + 40, y + 27, Align::Centre);
  Line(cr, xj - 44, y - 3, xj - 50, y + 20);
  Text(cr, "t = 4", kLabelFont, xj - 50, y + 27, Align::Centre);
}

// Detail 4: sliding support.
void SlidingSupportDetail(cairo_t* cr) {
  const double cx = 96, cy = 238;
  ViewTitle(cr, cx, 184, "DETAIL 4 - SLIDING SUPPORT", "SCALE 1:20");
  // Beam below, broken off at both ends.
  Use(cr, Pen::Outline);
  SolidBox(cr, 30, 300, 132, 3);
  SolidBox(cr, 30, 315, 132, 3);
  Line(cr, 30, 303, 162, 303);
  Use(cr, Pen::Thin);
  Line(cr, 30, 309, 162, 309);
  BreakLine(cr, {30, 298}, {30, 320});
  BreakLine(cr, {162, 298}, {162, 320});
  // Slide plate (PTFE), base plate, guides.
  FillBox(cr, cx - 30, 298, 60, 2, kInk);
  Use(cr, Pen::Outline);
  SolidBox(cr, cx - 32, 294, 64, 4);
  for (double x : {cx - 40, cx + 36}) SolidBox(cr, x, 290, 4, 10);
  // Saddle and legs, stiffening ring, duct.
  for (double x : {cx - 26, cx + 22}) {
    SolidBox(cr, x, 268, 4, 26);
    cairo_rectangle(cr, x, 268, 4, 26);
    Hatch(cr, 1.5);
  }
  Use(cr, Pen::Outline);
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, 48, Radians(20), Radians(160));
  cairo_arc_negative(cr, cx, cy, 44, Radians(160), Radians(20));
  cairo_close_path(cr);
  cairo_save(cr);
  Use(cr, kInk);
  cairo_fill_preserve(cr);
  cairo_restore(cr);
  cairo_stroke(cr);
  Use(cr, Pen::Outline);
  SolidCircle(cr, cx, cy, 44, Rgb255(244, 246, 248));
  Use(cr, kInk);
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, 40, 0, 2 * kPi);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, cx, cy, 38.5, 2 * kPi, 0);
  cairo_fill(cr);
  CentreCross(cr, cx, cy, 54);
  Dimension(cr, {cx - 40, cy}, {cx + 40, cy}, 0, "");
  Use(cr, kDimensionInk);
  Text(cr, "\u00D8 1 000", kDimensionFont, cx + 14, cy - 2.5, Align::Left);
  Use(cr, kInk);
  cairo_set_line_width(cr, 0.45);
  Line(cr, cx + 20, 299, cx + 60, 282);
  Text(cr, "PTFE SLIDE PLATE", kLabelFont, cx + 60, 280, Align::Left);
  Line(cr, cx + 40, 262, cx + 62, 250);
  Text(cr, "STIFFENER RING", kLabelFont, cx + 62, 248, Align::Left);
  Text(cr, "L 80x80x8", kLabelFont, cx + 62, 255, Align::Left);
  Line(cr, cx + 164 - 100, 309, cx + 76, 318);
  Text(cr, "IPE 240", kLabelFont, cx + 76, 325, Align::Left);
}

}  // namespace

const Slide kDuctingDetails{
    493,
    346,
    kPaper,
    "DuctingDetails",
    {BendDetail, ExpansionJointDetail, FlangeJointDetail, SlidingSupportDetail}};

}  // namespace pw::pictures

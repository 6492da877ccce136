// Image6: cement silo SL-501, general arrangement

#include "pictures/showcase/Drawings.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "pictures/kit/Drafting.h"
#include "pictures/kit/Equipment.h"
#include "pictures/kit/Lettering.h"
#include "pictures/kit/View.h"

namespace pw::pictures {

namespace {

constexpr double kGround = 404;

// The elevation: the shell between l and r on the centre line cx, from the ring beam up to the
// eaves, the roof rising to its apex.
struct Elevation {
  cairo_t* cr;
  const double cx = 160, l = 100, r = 220, eaves = 96, ring = 236, apex = 80;
  const double ground = kGround;

  void Marks() {
    // Centre line, ground, dimensions, levels.
    CentreLine(cr, {cx, apex - 8}, {cx, ground + 6});
    Ground(cr, 30, 300, ground);
    Dimension(cr, {l, eaves - 18}, {r, eaves - 18}, 26, "\u00D8 4 000");
    Level(cr, 238, ring, "+6.200");
    Level(cr, 238, eaves, "+16.000");
    Level(cr, 238, apex, "+17.100");
    Level(cr, 238, ground, "\u00B10.000");
    VDimension(cr, ground, apex, 226, 284, "17 100");
    VDimension(cr, ground, ring, 206, 262, "6 200");
    SectionCut(cr, {88, 170}, {232, 170}, {0, 1}, "A");
    ViewArrow(cr, {112, 392}, {117, ground - 2}, "B");
    Balloons(cr, {{{240, 124}, {r, 130}},
                  {{240, 276}, {200, 262}},
                  {{214, 52}, {198, 64}},
                  {{44, 150}, {78, 150}},
                  {{44, 226}, {66, 234}},
                  {{112, 330}, {148, 316}},
                  {{250, 346}, {203.5, 360}}});
  }

  void Title() { ViewTitle(cr, 60, 30, "ELEVATION", "SCALE 1:100"); }

  void Columns() {
    // Columns with bracing, behind the hopper.
    for (double x : {118.0, 202.0}) Column(cr, x, ring + 3, ground, 4.0);
    Use(cr, Pen::Thin);
    Line(cr, 120, 312, 200, 312);
    Line(cr, 120, 241, 200, 310);
    Line(cr, 200, 241, 120, 310);
    Line(cr, 120, 314, 200, ground - 2);
    Line(cr, 200, 314, 120, ground - 2);
  }

  void Shell() {
    // Shell with its strakes, ring beam, hopper.
    Use(cr, Pen::Outline);
    Path(cr, {{l, ring}, {cx - 10, 300}, {cx + 10, 300}, {r, ring}}, true);
    FillAndStroke(cr);
    SolidBox(cr, l, eaves, r - l, ring - eaves);
    Use(cr, Pen::Thin);
    for (double y = eaves + 28; y < ring - 5; y += 28) Line(cr, l, y, r, y);
    Use(cr, Pen::Outline);
    SolidBox(cr, l - 4, ring - 2, r - l + 8, 5);
  }

  void Roof() {
    // Roof, roof handrail, filter, relief valve, level probe, manhole.
    Path(cr, {{l - 2, eaves}, {cx, apex}, {r + 2, eaves}}, true);
    FillAndStroke(cr);
    SolidBox(cr, 170, 56, 28, 30);
    Polyline(cr, {{170, 86}, {176, 92}, {192, 92}, {198, 86}});
    SolidBox(cr, 178, 48, 12, 8);
    SolidBox(cr, 190, 50, 10, 3);
    Use(cr, Pen::Thin);
    for (double y = 60; y < 84; y += 4) Line(cr, 171, y, 197, y);
    Use(cr, Pen::Outline);
    SolidBox(cr, 126, 80, 8, 8);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 130, 80, 4, kPi, 2 * kPi);
    cairo_stroke(cr);
    Line(cr, 150, 77, 150, 84);
    Use(cr, Pen::Thin);
    for (double x : {l, r}) Line(cr, x, eaves, x, eaves - 16);
    Line(cr, l, eaves - 16, r, eaves - 16);
    Line(cr, l, eaves - 8, r, eaves - 8);
  }

  void Outlet() {
    // Outlet: slide gate, rotary valve with its motor, chute.
    Use(cr, Pen::Outline);
    SolidBox(cr, 148, 300, 24, 7);
    Use(cr, Pen::Thin);
    Line(cr, 172, 303.5, 184, 303.5);
    Use(cr, Pen::Outline);
    Circle(cr, 186, 303.5, 3);
    SolidBox(cr, 146, 307, 28, 18);
    Circle(cr, 160, 316, 6);
    SolidBox(cr, 174, 310, 14, 10);
    SolidBox(cr, 153, 325, 14, 20);
    SolidBox(cr, 150, 345, 20, 3);
    Use(cr, kInk);
    TextOnPaper(cr, "TO TRUCK LOADING", kLabelFont, 160, 357);
  }

  void Ladder() {
    // Ladder with cage (seen edge on), rest platform at the ring beam.
    Use(cr, Pen::Outline);
    Line(cr, 86, ground, 86, eaves - 14);
    Polyline(cr, {{86, eaves - 14}, {90, eaves - 18}, {l + 4, eaves - 18}});
    Use(cr, Pen::Thin);
    for (double y = ground - 40; y > eaves; y -= 9) Line(cr, 86, y, 70, y);
    for (double x : {70.0, 78.0}) Line(cr, x, ground - 40, x, eaves + 4);
    for (double y = ground - 20; y > eaves; y -= 40) Line(cr, 86, y, l, y);
    Use(cr, Pen::Outline);
    SolidBox(cr, 60, ring - 2, 40, 3);
    Use(cr, Pen::Thin);
    Line(cr, 61, ring - 2, 61, ring - 20);
    Line(cr, 61, ring - 20, 70, ring - 20);
    Line(cr, 61, ring - 11, 70, ring - 11);
  }

  static constexpr Part<Elevation> kParts[] = {
      &Elevation::Title,  &Elevation::Columns, &Elevation::Shell, &Elevation::Roof,
      &Elevation::Outlet, &Elevation::Ladder,  &Elevation::Marks};
};

// Section A-A, in plan.
void SectionAA(cairo_t* cr) {
  const double cx = 384, cy = 146, R = 62;
  ViewTitle(cr, cx, 56, "SECTION A-A", "SCALE 1:100");
  // Hopper below, seen from above, and the outlet.
  Use(cr, Pen::Thin);
  for (int i = 0; i < 4; ++i) {
    const double angle = Radians(45 + 90 * i);
    Line(cr, Polar({cx, cy}, 10, angle), Polar({cx, cy}, R - 2, angle));
  }
  Use(cr, Pen::Outline);
  Box(cr, cx - 10, cy - 10, 20, 20);
  Use(cr, Pen::Hidden);
  Box(cr, cx - R * 0.707, cy - R * 0.707, R * 1.414, R * 1.414);
  // Shell, solid in section.
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, R, 0, 2 * kPi);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, cx, cy, R - 2, 2 * kPi, 0);
  Use(cr, kInk);
  cairo_fill(cr);
  // Columns (H sections) under the ring beam, and their marks.
  const char* marks[] = {"C1", "C2", "C3", "C4"};
  for (int i = 0; i < 4; ++i) {
    const P c = Polar({cx, cy}, R, Radians(45 + 90 * i));
    Use(cr, kInk);
    cairo_rectangle(cr, c.x - 5, c.y - 5, 10, 2);
    cairo_rectangle(cr, c.x - 5, c.y + 3, 10, 2);
    cairo_rectangle(cr, c.x - 1, c.y - 3, 2, 6);
    cairo_fill(cr);
    const P m = Polar({cx, cy}, R + 14, Radians(45 + 90 * i));
    Use(cr, Pen::Thin);
    Circle(cr, m.x, m.y, 5);
    Use(cr, kInk);
    Text(cr, marks[i], Font{kCondensed, 4.6, true}, m.x, m.y + 1.7, Align::Centre);
  }
  // Ladder and cage on the west side.
  Use(cr, Pen::Outline);
  Box(cr, cx - R - 12, cy - 6, 4, 12);
  Use(cr, Pen::Thin);
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx - R - 12, cy, 10, kPi / 2, 3 * kPi / 2);
  cairo_stroke(cr);
  Line(cr, cx - R - 8, cy - 4, cx - R, cy - 4);
  Line(cr, cx - R - 8, cy + 4, cx - R, cy + 4);
  CentreCross(cr, cx, cy, R + 8);
  Dimension(cr, {cx - R, cy + R + 4}, {cx + R, cy + R + 4}, -12, "\u00D8 4 000");
  const P c1 = Polar({cx, cy}, R, Radians(45)), c2 = Polar({cx, cy}, R, Radians(135));
  Dimension(cr, c2, c1, 22, "2 830");
}

// Detail B: column base.
void DetailB(cairo_t* cr) {
  const double cx = 536;
  ViewTitle(cr, cx, 56, "DETAIL B", "SCALE 1:10");
  Use(cr, Pen::Outline);
  SolidBox(cr, cx - 10, 72, 20, 88);
  Use(cr, Pen::Thin);
  Line(cr, cx - 7, 72, cx - 7, 160);
  Line(cr, cx + 7, 72, cx + 7, 160);
  BreakLine(cr, {cx - 14, 72}, {cx + 14, 72});
  Use(cr, Pen::Outline);
  for (double s : {-1.0, 1.0}) {
    Path(cr, {{cx + s * 10, 160}, {cx + s * 24, 160}, {cx + s * 10, 132}}, true);
    FillAndStroke(cr);
  }
  SolidBox(cr, cx - 32, 160, 64, 5);
  cairo_rectangle(cr, cx - 32, 160, 64, 5);
  Hatch(cr, 1.8);
  // Grout and pedestal.
  FillBox(cr, cx - 32, 165, 64, 4, Rgb255(225, 225, 225));
  Use(cr, Pen::Outline);
  Path(cr, {{cx - 44, 212}, {cx - 44, 169}, {cx + 44, 169}, {cx + 44, 212}});
  cairo_stroke(cr);
  BreakLine(cr, {cx - 48, 212}, {cx + 48, 212});
  cairo_save(cr);
  cairo_rectangle(cr, cx - 44, 169, 88, 43);
  cairo_clip(cr);
  Use(cr, kHatchInk);
  for (int i = 0; i < 90; ++i) {
    const double x = cx - 43 + Noise(i, 7, 3) * 86, y = 170 + Noise(i, 8, 3) * 41;
    if (i % 3 == 0) {
      Path(cr, {{x, y}, {x + 2.2, y + 0.6}, {x + 0.8, y + 2.2}}, true);
      cairo_set_line_width(cr, 0.4);
      cairo_stroke(cr);
    } else {
      Dot(cr, x, y, 0.5);
    }
  }
  cairo_restore(cr);
  // Anchor bolts.
  for (double x : {cx - 22, cx + 22}) {
    Use(cr, Pen::Hidden);
    Line(cr, x, 169, x, 206);
    Line(cr, x, 206, x + 6, 206);
    Use(cr, Pen::Outline);
    HexSide(cr, x - 4, 154, 8, 4);
    SolidBox(cr, x - 5, 158, 10, 2);
    Line(cr, x, 150, x, 154);
  }
  Use(cr, kInk);
  cairo_set_line_width(cr, 0.45);
  Line(cr, cx + 10, 100, cx + 30, 90);
  Text(cr, "HEA 240", kLabelFont, cx + 31, 91);
  Line(cr, cx + 26, 162, cx + 50, 146);
  Text(cr, "PL 400x400x25", kLabelFont, cx + 51, 147, Align::Right, 46);
  Line(cr, cx - 22, 150, cx - 44, 132);
  Text(cr, "4 x M24", kLabelFont, cx - 44, 130, Align::Centre);
  Dimension(cr, {cx - 32, 160}, {cx + 32, 160}, -62, "400");
}

}  // namespace

const Slide kSilo{619, 438, kPaper, "Silo", {DrawView<Elevation>, SectionAA, DetailB}};

}  // namespace pw::pictures

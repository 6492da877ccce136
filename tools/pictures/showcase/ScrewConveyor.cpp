// Image3: screw conveyor SC-204, general arrangement

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

// The screw between x0 and x1 seen from the side: the near half of each turn of the flight's
// outer edge drawn, the far half hidden.
void ScrewFlight(cairo_t* cr, double x0, double x1, double cy, double radius, double pitch) {
  const int steps = 14;
  for (double start = x0; start < x1 - 0.5; start += pitch / 2) {
    const bool nearHalf = std::fmod((start - x0) / pitch, 1.0) < 0.25;
    Use(cr, nearHalf ? Pen::Outline : Pen::Hidden);
    if (nearHalf) cairo_set_line_width(cr, 0.9);
    for (int i = 0; i <= steps; ++i) {
      const double t = static_cast<double>(i) / steps;
      const double x = start + t * pitch / 2;
      if (x > x1) break;
      const double theta = (nearHalf ? 0 : kPi) + t * kPi;
      const double y = cy - radius * std::cos(theta);
      if (i == 0)
        cairo_move_to(cr, x, y);
      else
        cairo_line_to(cr, x, y);
    }
    cairo_stroke(cr);
  }
}

// The elevation, partly in section: the trough from x0 to x1 between top and bottom, the
// screw on the axis cy, and the ground line.
struct Elevation {
  cairo_t* cr;
  const double x0 = 62, x1 = 448, top = 96, bottom = 132, cy = 115, ground = 172;

  void Title() { ViewTitle(cr, 150, 26, "ELEVATION (PARTIAL SECTION)", "SCALE 1:25"); }

  // Supports under the trough, with knee braces.
  void Supports() {
    for (double x : {92.0, 250.0, 372.0}) {
      Column(cr, x, bottom, ground, 3.0);
      Use(cr, Pen::Thin);
      Line(cr, x - 1.5, bottom + 14, x - 12, bottom);
      Line(cr, x + 1.5, bottom + 14, x + 12, bottom);
    }
  }

  void Trough() {
    // Outlet under the trough at the drive end.
    Use(cr, Pen::Outline);
    SolidBox(cr, 396, bottom, 36, 24);
    SolidBox(cr, 393, bottom + 24, 42, 3);
    // Trough, cover with clamps, section flanges and end plates.
    SolidBox(cr, x0, top, x1 - x0, bottom - top);
    SolidBox(cr, x0 - 1, top - 2.5, x1 - x0 + 2, 2.5);
    SolidBox(cr, x0, top - 5.5, x1 - x0, 3);
    Use(cr, Pen::Thin);
    for (double x = x0 + 10; x < x1 - 5; x += 19.3) Box(cr, x - 1.5, top - 7, 3, 5);
    Use(cr, Pen::Outline);
    for (double x : {190.0, 319.0}) SolidBox(cr, x - 1.5, top - 3, 3, bottom - top + 5);
    SolidBox(cr, x0 - 3, top - 6, 3, bottom - top + 8);
    SolidBox(cr, x1, top - 6, 3, bottom - top + 8);
    // Screw: pipe, flights between the hanger bearings.
    Use(cr, Pen::Outline);
    cairo_set_line_width(cr, 0.8);
    Line(cr, x0 + 2, cy - 4.5, x1 - 2, cy - 4.5);
    Line(cr, x0 + 2, cy + 4.5, x1 - 2, cy + 4.5);
    ScrewFlight(cr, x0 + 6, 183, cy, 15, 30);
    ScrewFlight(cr, 197, 312, cy, 15, 30);
    ScrewFlight(cr, 326, x1 - 6, cy, 15, 30);
    // Hanger bearings.
    Use(cr, Pen::Outline);
    for (double x : {190.0, 319.0}) {
      SolidBox(cr, x - 2.5, top - 2, 5, 14);
      SolidBox(cr, x - 6, cy - 7, 12, 14);
      Circle(cr, x, cy, 3);
    }
    // Inlet spout with its flange, and the flow arrows.
    SolidBox(cr, 74, top - 35, 36, 29.5);
    SolidBox(cr, 71, top - 38, 42, 3);
    Use(cr, kInk);
    Text(cr, "INLET", kLabelFont, 92, top - 42, Align::Centre);
    Text(cr, "OUTLET", kLabelFont, 414, bottom + 36, Align::Centre);
    cairo_set_line_width(cr, 0.7);
    Line(cr, 92, top - 30, 92, top - 14);
    Arrowhead(cr, {92, top - 12}, {0, 1});
  }

  void Drive() {
    // End bearings, drive: coupling, helical gear reducer and motor on a base frame.
    Use(cr, Pen::Outline);
    SolidBox(cr, x0 - 9, cy - 7, 6, 14);
    SolidBox(cr, x0 - 14, cy - 3, 5, 6);
    SolidBox(cr, x1 + 3, cy - 7, 6, 14);
    SolidBox(cr, x1 + 9, cy - 3, 4, 6);
    SolidBox(cr, x1 + 13, cy - 6, 5, 12);
    SolidBox(cr, x1 + 18, cy - 13, 24, 28);
    Line(cr, x1 + 18, cy - 4, x1 + 42, cy - 4);
    DrawMotorSide(cr, x1 + 42, cy - 8, 34, 16, false);
    SolidBox(cr, x1 + 5, cy + 15, 78, 3.5);
    Column(cr, x1 + 64, cy + 18.5, ground, 3.0);
    Use(cr, Pen::Phantom);
    Box(cr, x1 + 8, cy - 9, 11, 18);
    CentreLine(cr, {x0 - 14, cy}, {x1 + 82, cy});
    Ground(cr, 28, 540, ground);
  }

  void Marks() {
    // Dimensions and marks.
    Dimension(cr, {x0, ground + 2}, {x1, ground + 2}, -14, "9 650");
    Dimension(cr, {92, top - 38}, {414, top - 38}, 12, "8 050");
    Level(cr, 30, ground, "\u00B10.000");
    SectionCut(cr, {232, top - 16}, {232, bottom + 12}, {-1, 0}, "A");
    ViewArrow(cr, {304, top - 34}, {318, top - 10}, "C");
    Balloons(cr, {{{150, 156}, {150, bottom - 1}},
                  {{124, 78}, {125, cy - 13}},
                  {{164, 78}, {160, cy - 4.5}},
                  {{214, 76}, {191, top + 3}},
                  {{38, 90}, {x0 - 6, cy - 6}},
                  {{128, 52}, {110, top - 24}},
                  {{446, 152}, {432, bottom + 12}},
                  {{500, 82}, {x1 + 60, cy - 8}},
                  {{272, 156}, {251.5, 150}}});
  }

  static constexpr Part<Elevation> kParts[] = {&Elevation::Title, &Elevation::Supports,
                                               &Elevation::Trough, &Elevation::Drive,
                                               &Elevation::Marks};
};

// Section A-A: U trough with the screw, cover and support.
void SectionAA(cairo_t* cr) {
  const double cx = 92, sy = 290;
  ViewTitle(cr, cx, 208, "SECTION A-A", "SCALE 1:10");
  const double ri = 37, ro = 39.2, lip = 244;
  // Support frame.
  const double sground = 366;
  Use(cr, Pen::Outline);
  SolidBox(cr, cx - 54, sy + ro, 108, 4);
  for (double x : {cx - 48, cx + 48}) Column(cr, x, sy + ro + 4, sground, 3.0);
  Use(cr, Pen::Thin);
  Line(cr, cx - 46.5, sy + ro + 18, cx + 46.5, sground - 2);
  Line(cr, cx + 46.5, sy + ro + 18, cx - 46.5, sground - 2);
  Ground(cr, 36, 150, sground);
  // Trough wall, solid in section, with the flange lips and the cover.
  cairo_move_to(cr, cx - ro, lip);
  cairo_line_to(cr, cx - ro, sy);
  cairo_arc_negative(cr, cx, sy, ro, kPi, 0);
  cairo_line_to(cr, cx + ro, lip);
  cairo_line_to(cr, cx + ri, lip);
  cairo_line_to(cr, cx + ri, sy);
  cairo_arc(cr, cx, sy, ri, 0, kPi);
  cairo_line_to(cr, cx - ri, lip);
  cairo_close_path(cr);
  Use(cr, kInk);
  cairo_fill(cr);
  cairo_rectangle(cr, cx - ro - 12, lip, 12 + ro - ri, 2.2);
  cairo_rectangle(cr, cx + ri, lip, 12 + ro - ri, 2.2);
  cairo_fill(cr);
  Use(cr, Pen::Outline);
  SolidBox(cr, cx - ro - 13, lip - 3.5, 2 * ro + 26, 3.5);
  cairo_rectangle(cr, cx - ro - 13, lip - 3.5, 2 * ro + 26, 3.5);
  Hatch(cr, 1.8);
  Use(cr, Pen::Thin);
  for (double x : {cx - ro - 7, cx + ro + 7}) {
    Line(cr, x, lip - 7, x, lip + 5);
    HexSide(cr, x - 2, lip - 6.5, 4, 3);
  }
  // Screw: flight behind the cut, pipe in section, the cut flight.
  Use(cr, Pen::Outline);
  SolidCircle(cr, cx, sy, 33, Rgb255(246, 246, 246));
  Use(cr, Pen::Thin);
  Circle(cr, cx, sy, 30);
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, sy, 9, 0, 2 * kPi);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, cx, sy, 7, 2 * kPi, 0);
  Use(cr, kInk);
  cairo_fill(cr);
  cairo_set_line_width(cr, 2.0);
  Line(cr, Polar({cx, sy}, 9, Radians(60)), Polar({cx, sy}, 33, Radians(60)));
  CentreCross(cr, cx, sy, 40);
  Dimension(cr, {cx - ri, lip - 4}, {cx + ri, lip - 4}, 10, "350");
  Dimension(cr, Polar({cx, sy}, 33, Radians(200)), Polar({cx, sy}, 33, Radians(20)), 0, "");
  Use(cr, kDimensionInk);
  Text(cr, "\u00D8300", kDimensionFont, cx - 6, sy + 16, Align::Right);
  VDimension(cr, sground, sy, cx + 56, cx + 64, "950");
  Balloon(cr, {cx - 56, 270}, {cx - ro, 270}, 1);
  Balloon(cr, {cx + 22, 324}, Polar({cx, sy}, 22, Radians(60)) + P{0, 0}, 2);
}

// Detail C: hanger bearing.
void DetailC(cairo_t* cr) {
  const double cx = 250, sy = 286;
  ViewTitle(cr, cx, 208, "DETAIL C - HANGER BEARING", "SCALE 1:5");
  Use(cr, Pen::Thin);
  cairo_move_to(cr, cx - 46, 246);
  cairo_line_to(cr, cx - 46, sy);
  cairo_arc_negative(cr, cx, sy, 46, kPi, 0);
  cairo_line_to(cr, cx + 46, 246);
  cairo_stroke(cr);
  Use(cr, Pen::Outline);
  SolidBox(cr, cx - 60, 244, 120, 5);
  cairo_rectangle(cr, cx - 60, 244, 120, 5);
  Hatch(cr, 2.0);
  for (double x : {cx - 53, cx + 53}) {
    Use(cr, Pen::Outline);
    HexSide(cr, x - 3, 239, 6, 5);
    Use(cr, Pen::Thin);
    Line(cr, x, 244, x, 256);
  }
  Use(cr, Pen::Outline);
  SolidBox(cr, cx - 5, 249, 10, 20);
  cairo_rectangle(cr, cx - 5, 249, 10, 20);
  Hatch(cr, 2.0, -45);
  Use(cr, Pen::Outline);
  SolidBox(cr, cx - 17, sy - 17, 34, 34);
  Box(cr, cx - 17, sy - 17, 34, 34);
  // Bronze bush (hatched ring) on the coupling shaft (hatched disc).
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, sy, 12, 0, 2 * kPi);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, cx, sy, 8.5, 2 * kPi, 0);
  Hatch(cr, 1.5, -45);
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, sy, 8.5, 0, 2 * kPi);
  Hatch(cr, 2.2, 45);
  Use(cr, Pen::Outline);
  Circle(cr, cx, sy, 12);
  Circle(cr, cx, sy, 8.5);
  for (double x : {cx - 12, cx + 12}) SolidCircle(cr, x, sy - 13, 1.6);
  SolidBox(cr, cx - 1.5, sy - 23, 3, 6);
  CentreCross(cr, cx, sy, 22);
  Use(cr, kInk);
  cairo_set_line_width(cr, 0.45);
  Line(cr, cx + 8, sy + 8, cx + 40, sy + 40);
  Line(cr, cx + 40, sy + 40, cx + 66, sy + 40);
  Text(cr, "BRONZE BUSH", kLabelFont, cx + 41, sy + 38.5);
  Line(cr, cx - 3, sy + 4, cx - 36, sy + 46);
  Line(cr, cx - 36, sy + 46, cx - 70, sy + 46);
  Text(cr, "SHAFT \u00D860", kLabelFont, cx - 69, sy + 44.5);
  Line(cr, cx, sy - 22, cx + 30, sy - 48);
  Line(cr, cx + 30, sy - 48, cx + 66, sy - 48);
  Text(cr, "GREASE NIPPLE M8", kLabelFont, cx + 31, sy - 49.5);
  Dimension(cr, {cx - 17, sy + 17}, {cx + 17, sy + 17}, -16, "120");
}

}  // namespace

const Slide kScrewConveyor{
    555, 392, kPaper, "ScrewConveyor", {DrawView<Elevation>, SectionAA, DetailC}};

}  // namespace pw::pictures

// Image5: drag chain conveyor DC-402, general arrangement

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

void Sprocket(cairo_t* cr, double cx, double cy, double r, int teeth) {
  for (int i = 0; i <= teeth * 2; ++i) {
    const double angle = kPi * i / teeth;
    const double rr = (i % 2 == 0) ? r + 1.8 : r - 0.6;
    const P p = Polar({cx, cy}, rr, angle);
    if (i == 0)
      cairo_move_to(cr, p.x, p.y);
    else
      cairo_line_to(cr, p.x, p.y);
  }
  cairo_close_path(cr);
}

// A sprocket (or wheel) hidden in its housing, and in front of it the bearing block (x, y, w, h)
// and the shaft.
void HousedSprocket(cairo_t* cr, P centre, double r, int teeth, double shaft, double x, double y,
                    double w, double h) {
  Use(cr, Pen::Hidden);
  Sprocket(cr, centre.x, centre.y, r, teeth);
  cairo_stroke(cr);
  Use(cr, Pen::Outline);
  SolidBox(cr, x, y, w, h);
  Circle(cr, centre.x, centre.y, shaft);
}

// The elevation, partly in section: the casing from x0 to x1 between top and bottom, the tail
// wheel and the head sprocket on the axis cy, and the ground line.
struct Elevation {
  cairo_t* cr;
  const double x0 = 74, x1 = 458, top = 96, bottom = 130, ground = 172;
  const double tail = 56, head = 475, cy = 113;
  const double w0 = 150, w1 = 396;  // the broken-out window

  void Title() { ViewTitle(cr, 150, 36, "ELEVATION (PARTIAL SECTION)", "SCALE 1:50"); }

  // Supports with cross bracing.
  void Supports() {
    for (double x : {118.0, 226.0, 334.0, 440.0}) Column(cr, x, bottom, ground, 3.0);
    Use(cr, Pen::Thin);
    Line(cr, 119.5, bottom + 3, 224.5, ground - 2);
    Line(cr, 224.5, bottom + 3, 119.5, ground - 2);
    Line(cr, 335.5, bottom + 3, 438.5, ground - 2);
    Line(cr, 438.5, bottom + 3, 335.5, ground - 2);
  }

  void Casing() {
    // Casing with joint flanges and cover.
    Use(cr, Pen::Outline);
    SolidBox(cr, x0, top, x1 - x0, bottom - top);
    SolidBox(cr, x0, top - 3, x1 - x0, 3);
    for (double x = x0 + 64; x < x1 - 10; x += 64)
      SolidBox(cr, x - 1.5, top - 4, 3, bottom - top + 6);
  }

  void Window() {
    // Broken-out window: chain with flights on the bottom (carrying) and on the rails (return).
    FillBox(cr, w0, top + 1, w1 - w0, bottom - top - 2, kPaper);
    cairo_save(cr);
    cairo_rectangle(cr, w0, top + 1, w1 - w0, bottom - top - 2);
    cairo_clip(cr);
    FillBox(cr, w0, bottom - 16, w1 - w0, 12, Rgb255(236, 230, 214));
    Use(cr, Rgb255(120, 110, 90));
    for (int i = 0; i < 700; ++i)
      Dot(cr, w0 + Noise(i, 3, 5) * (w1 - w0), bottom - 16 + Noise(i, 4, 5) * 12, 0.4);
    cairo_rectangle(cr, w0, bottom - 4, w1 - w0, 3);
    Hatch(cr, 1.8);
    Use(cr, Pen::Outline);
    Line(cr, w0, bottom - 4, w1, bottom - 4);
    Line(cr, w0, top + 9, w1, top + 9);  // return rail
    for (double rail : {bottom - 8.0, top + 6.5}) {
      Use(cr, kInk);
      cairo_set_line_width(cr, 0.8);
      for (double x = w0 - 4; x < w1; x += 9) {
        cairo_new_sub_path(cr);
        const double yy = rail - 1.6;
        cairo_arc(cr, x + 1.6, yy + 1.6, 1.6, kPi / 2, 3 * kPi / 2);
        cairo_arc(cr, x + 7.4, yy + 1.6, 1.6, -kPi / 2, kPi / 2);
        cairo_close_path(cr);
        cairo_stroke(cr);
      }
    }
    for (double x = w0 + 6; x < w1; x += 18) {
      Use(cr, Pen::Outline);
      SolidBox(cr, x, bottom - 18, 2.8, 14, Rgb255(210, 210, 214));
      SolidBox(cr, x, top + 1, 2.8, 8, Rgb255(210, 210, 214));
    }
    cairo_restore(cr);
    Use(cr, Pen::Thin);
    Polyline(cr,
             {{w0, top}, {w0 + 3, top + 8}, {w0 - 3, top + 17}, {w0 + 3, top + 26}, {w0, bottom}});
    Polyline(cr,
             {{w1, top}, {w1 - 3, top + 9}, {w1 + 3, top + 18}, {w1 - 3, top + 27}, {w1, bottom}});
  }

  void Ends() {
    // Inspection door.
    Use(cr, Pen::Outline);
    SolidBox(cr, 410, top + 7, 18, 18);
    Use(cr, Pen::Thin);
    Line(cr, 413, top + 11, 425, top + 11);
    Line(cr, 413, top + 21, 425, top + 21);
    // Tail housing with wheel and screw take-up.
    Use(cr, Pen::Outline);
    SolidBox(cr, 38, top - 8, 36, bottom - top + 14);
    HousedSprocket(cr, {tail, cy}, 12, 9, 2.5, tail - 6, cy - 5, 12, 10);
    Use(cr, Pen::Thin);
    for (double y : {cy - 9.0, cy + 9.0}) {
      Line(cr, 22, y, 38, y);
      HexSide(cr, 26, y - 2.5, 3, 5);
    }
    CentreCross(cr, tail, cy, 16);
    // Head housing with sprocket, drive in front.
    Use(cr, Pen::Outline);
    SolidBox(cr, x1, top - 10, 36, bottom - top + 18);
    SolidBox(cr, 462, bottom + 8, 26, 20);
    SolidBox(cr, 459, bottom + 28, 32, 3);
    HousedSprocket(cr, {head, cy}, 13, 10, 3.5, head - 10, cy - 12, 22, 24);
    DrawMotorSide(cr, head + 12, cy - 12, 30, 13, false);
    Use(cr, Pen::Thin);
    Polyline(cr, {{head, cy + 12}, {head, ground - 24}, {440, ground - 24}});
    CentreCross(cr, head, cy, 17);
  }

  void Inlets() {
    // Inlets.
    for (double x : {100.0, 246.0}) {
      Use(cr, Pen::Outline);
      SolidBox(cr, x, top - 30, 30, 27);
      SolidBox(cr, x - 3, top - 33, 36, 3);
      Use(cr, kInk);
      cairo_set_line_width(cr, 0.7);
      Line(cr, x + 15, top - 28, x + 15, top - 12);
      Arrowhead(cr, {x + 15, top - 10}, {0, 1});
    }
    Use(cr, kInk);
    Text(cr, "INLET 1", kLabelFont, 115, top - 37, Align::Centre);
    Text(cr, "INLET 2", kLabelFont, 261, top - 37, Align::Centre);
    Text(cr, "OUTLET", kLabelFont, 475, bottom + 40, Align::Centre);
  }

  // Centre line, ground, dimensions, levels, the section and view marks and the item balloons.
  void Marks() {
    CentreLine(cr, {tail - 20, cy}, {head + 20, cy});
    Ground(cr, 20, 540, ground);
    Dimension(cr, {tail, ground + 2}, {head, ground + 2}, -14, "24 000");
    Dimension(cr, {115, top - 33}, {261, top - 33}, 10, "8 400");
    Level(cr, 500, ground, "\u00B10.000");
    Level(cr, 508, top - 10, "+2.450");
    SectionCut(cr, {356, top - 12}, {356, bottom + 12}, {-1, 0}, "A");
    ViewArrow(cr, {200, 74}, {206, top + 14}, "B");
    Balloons(cr, {{{30, 70}, {tail - 4, cy - 8}},
                  {{500, 72}, {head + 4, cy - 10}},
                  {{180, 150}, {184, bottom - 10}},
                  {{290, 150}, {296, bottom - 3}},
                  {{320, 78}, {318, top - 1}},
                  {{526, 140}, {head + 30, cy + 1}},
                  {{400, 152}, {400, top + 30}},
                  {{90, 152}, {116.5, 148}}});
  }

  static constexpr Part<Elevation> kParts[] = {
      &Elevation::Title, &Elevation::Supports, &Elevation::Casing, &Elevation::Window,
      &Elevation::Ends,  &Elevation::Inlets,   &Elevation::Marks};
};

// Section A-A: casing, liner, chain and flights.
void SectionAA(cairo_t* cr) {
  const double cx = 100;
  ViewTitle(cr, cx, 206, "SECTION A-A", "SCALE 1:10");
  const double l = 60, r = 140, t = 240, b = 304, sground = 366;
  Use(cr, Pen::Outline);
  SolidBox(cr, l - 12, b + 1, r - l + 24, 5);
  for (double x : {l - 6, r + 6}) Column(cr, x, b + 6, sground, 3.0);
  Use(cr, Pen::Thin);
  Line(cr, l - 4.5, b + 20, r + 4.5, sground - 2);
  Line(cr, r + 4.5, b + 20, l - 4.5, sground - 2);
  Ground(cr, 36, 166, sground);
  // Walls, solid; flanged cover.
  Use(cr, kInk);
  cairo_rectangle(cr, l - 2, t, 2, b - t + 1);
  cairo_rectangle(cr, r, t, 2, b - t + 1);
  cairo_rectangle(cr, l - 2, b - 1, r - l + 4, 2);
  cairo_rectangle(cr, l - 8, t - 2, 8, 2);
  cairo_rectangle(cr, r, t - 2, 8, 2);
  cairo_fill(cr);
  Use(cr, Pen::Outline);
  SolidBox(cr, l - 9, t - 5.5, r - l + 18, 3.5);
  cairo_rectangle(cr, l - 9, t - 5.5, r - l + 18, 3.5);
  Hatch(cr, 1.8);
  for (double x : {l - 5, r + 5}) {
    Use(cr, Pen::Outline);
    HexSide(cr, x - 2, t - 8.5, 4, 3);
  }
  // Wear liner.
  Use(cr, Pen::Outline);
  SolidBox(cr, l, b - 6, r - l, 5);
  cairo_rectangle(cr, l, b - 6, r - l, 5);
  Hatch(cr, 1.6, -45);
  // Material.
  FillBox(cr, l + 1, b - 30, r - l - 2, 24, Rgb255(236, 230, 214));
  Use(cr, Rgb255(120, 110, 90));
  for (int i = 0; i < 160; ++i)
    Dot(cr, l + 2 + Noise(i, 5, 9) * (r - l - 4), b - 29 + Noise(i, 6, 9) * 22, 0.45);
  // Return rails (angles) and the return strand on them; the carrying strand on the liner.
  for (double x : {l, r}) {
    const double s = x == l ? 1 : -1;
    Use(cr, kInk);
    cairo_rectangle(cr, x, t + 18, s * 9, 2);
    cairo_rectangle(cr, x, t + 12, s * 2, 8);
    cairo_fill(cr);
  }
  for (double y : {t + 12.0, b - 16.0}) {
    Use(cr, Pen::Outline);
    SolidBox(cr, l + 4, y, r - l - 8, 6, Rgb255(215, 215, 220));
    SolidBox(cr, cx - 7, y - 4, 14, 14);
    Box(cr, cx - 4, y - 2, 8, 10);
  }
  Dimension(cr, {l, t - 6}, {r, t - 6}, 12, "600");
  Dimension(cr, {r + 2, b}, {r + 2, t}, -16, "560");
  Balloon(cr, {30, 262}, {l - 2, 262}, 3);
  Balloon(cr, {30, 290}, {l + 4, b - 4}, 4);
}

// Detail B: chain and flight in plan.
void DetailB(cairo_t* cr) {
  const double cy2 = 270;
  ViewTitle(cr, 260, 206, "DETAIL B - CHAIN AND FLIGHT", "SCALE 1:5");
  Use(cr, Pen::Outline);
  SolidBox(cr, 256, 226, 8, 88, Rgb255(225, 225, 230));
  cairo_rectangle(cr, 256, 226, 8, 88);
  Hatch(cr, 2.4);
  // Forged links: outer links around pins, inner links between them.
  for (double x = 196; x < 324; x += 26) {
    Use(cr, Pen::Outline);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, cy2, 7, kPi / 2, 3 * kPi / 2);
    cairo_arc(cr, x + 13, cy2, 7, -kPi / 2, kPi / 2);
    cairo_close_path(cr);
    Use(cr, kPaper);
    cairo_fill_preserve(cr);
    Use(cr, Pen::Outline);
    cairo_stroke(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, cy2, 3.6, kPi / 2, 3 * kPi / 2);
    cairo_arc(cr, x + 13, cy2, 3.6, -kPi / 2, kPi / 2);
    cairo_close_path(cr);
    cairo_stroke(cr);
  }
  for (double x = 196; x < 324; x += 13) SolidCircle(cr, x, cy2, 1.8);
  for (double y : {238.0, 302.0}) {
    Use(cr, Pen::Outline);
    SolidCircle(cr, 260, y, 2.2);
  }
  CentreLine(cr, {188, cy2}, {330, cy2});
  CentreLine(cr, {260, 220}, {260, 320});
  Dimension(cr, {222, cy2}, {248, cy2}, -22, "142");
  Dimension(cr, {264, 314}, {264, 226}, -34, "560");
}

}  // namespace

const Slide kDragChain{551, 387, kPaper, "DragChain", {DrawView<Elevation>, SectionAA, DetailB}};

}  // namespace pw::pictures

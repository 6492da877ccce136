// Image4: bucket elevator BE-301, general arrangement

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

// A bucket in side view: its back on the belt at x, opening up, projecting by `depth` towards
// `side` (+1 right, -1 left).
void BucketProfile(cairo_t* cr, double x, double y, double depth, double height, int side) {
  const double s = side;
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x, y + height);
  cairo_curve_to(cr, x, y + height * 1.25, x + s * depth * 0.85, y + height * 1.05, x + s * depth,
                 y + height * 0.1);
  cairo_line_to(cr, x + s * depth * 1.05, y - height * 0.05);
}

// The boot pulley's take-up: a screw rod either side of the boot, its nut on the top.
void TakeUpRods(cairo_t* cr, double x0, double x1) {
  Use(cr, Pen::Thin);
  for (double x : {x0, x1}) {
    Line(cr, x, 316, x, 356);
    HexSide(cr, x - 2, 314, 4, 2.5);
  }
}

constexpr double kGround = 364;  // the ground line of both elevations

// The front elevation: the two legs on the centre line cx, the head pulley at head and the boot
// pulley at boot.
struct FrontElevation {
  cairo_t* cr;
  const double cx = 81, head = 66, boot = 340;
  const double ground = kGround;

  void Title() { ViewTitle(cr, 70, 22, "ELEVATION", ""); }

  void Legs() {
    // Legs with joint flanges.
    Use(cr, Pen::Outline);
    SolidBox(cr, 60, 92, 16, 226);
    SolidBox(cr, 86, 92, 16, 226);
    Use(cr, Pen::Thin);
    for (double y = 130; y < 318; y += 38) {
      Box(cr, 58.5, y - 1, 19, 2);
      Box(cr, 84.5, y - 1, 19, 2);
    }
    // Belt and buckets seen through a broken-out window in the up leg; belt hidden elsewhere.
    Use(cr, Pen::Hidden);
    Line(cr, 72, 96, 72, 150);
    Line(cr, 72, 232, 72, 314);
    Line(cr, 90, 96, 90, 314);
    FillBox(cr, 61, 150, 14, 82, kPaper);
    Use(cr, Pen::Thin);
    Polyline(cr, {{60, 150}, {64, 148}, {68, 152}, {72, 148}, {76, 151}});
    Polyline(cr, {{60, 232}, {64, 234}, {68, 230}, {72, 234}, {76, 231}});
    Use(cr, kInk);
    cairo_set_line_width(cr, 1.4);
    Line(cr, 72.5, 151, 72.5, 231);
    cairo_set_line_width(cr, 0.8);
    for (double y = 156; y < 226; y += 12) {
      BucketProfile(cr, 71.5, y, 8, 6, -1);
      cairo_stroke(cr);
    }
  }

  void Head() {
    // Head with hood, head pulley hidden, discharge spout.
    Use(cr, Pen::Outline);
    cairo_move_to(cr, 54, 92);
    cairo_line_to(cr, 54, head);
    cairo_arc(cr, cx, head, 27, kPi, 2 * kPi);
    cairo_line_to(cr, 108, 92);
    cairo_close_path(cr);
    FillAndStroke(cr);
    Use(cr, Pen::Hidden);
    Circle(cr, cx, head, 13);
    Use(cr, Pen::Outline);
    Polyline(cr, {{108, 62}, {136, 90}});
    Polyline(cr, {{108, 86}, {120, 98}});
    ChuteFlange(cr, {120, 98}, {136, 90}, -1.0);
    Text(cr, "DISCHARGE", kLabelFont, 104, 112, Align::Left);
    // Drive on its platform: motor, gearbox on the head shaft, backstop.
    SolidBox(cr, 16, 92, 96, 3);
    DrawMotorSide(cr, 36, 60, 30, 13, true);
    SolidBox(cr, 66, 56, 24, 22);
    Circle(cr, cx, head, 3.5);
    SolidBox(cr, 90, 62, 5, 8);
    Use(cr, Pen::Thin);
    Box(cr, 38, 73, 26, 19);
    Line(cr, 38, 73, 64, 92);
    for (double x : {18.0, 30.0}) Line(cr, x, 92, x, 68);
    Line(cr, 18, 68, 30, 68);
    Line(cr, 18, 80, 30, 80);
    CentreCross(cr, cx, head, 17);
  }

  void DoorAndBoot() {
    // Inspection door on the up leg.
    Use(cr, Pen::Outline);
    SolidBox(cr, 62.5, 272, 11, 18);
    Use(cr, Pen::Thin);
    Line(cr, 65, 276, 71, 276);
    Line(cr, 65, 286, 71, 286);
    // Boot with pulley, take-up, clean-out door; inlet chute.
    Use(cr, Pen::Outline);
    SolidBox(cr, 52, 318, 58, 40);
    Use(cr, Pen::Hidden);
    Circle(cr, cx, boot, 13);
    Use(cr, Pen::Outline);
    SolidBox(cr, 70, 349, 22, 7);
    TakeUpRods(cr, 49.0, 113.0);
    CentreCross(cr, cx, boot, 17);
    Use(cr, Pen::Outline);
    Polyline(cr, {{28, 292}, {52, 318}});
    Polyline(cr, {{20, 304}, {52, 338}});
    ChuteFlange(cr, {20, 304}, {28, 292}, 1.0);
    Text(cr, "INLET", kLabelFont, 16, 286, Align::Left);
    SolidBox(cr, 48, 358, 66, 3);
    CentreLine(cr, {cx, 30}, {cx, ground + 4});
    Ground(cr, 14, 150, ground);
  }

  void Marks() {
    // Dimensions, levels, section mark.
    Dimension(cr, {cx + 13, boot}, {cx + 13, head}, -58, "32 000");
    Level(cr, 124, ground, "\u00B10.000");
    Level(cr, 124, 39, "+34.100");
    SectionCut(cr, {50, 244}, {112, 244}, {0, 1}, "A");
    Balloons(cr, {{{132, 52}, {cx + 20, head - 14}},
                  {{22, 46}, {44, 62}},
                  {{40, 170}, {72, 180}},
                  {{40, 206}, {66, 208}},
                  {{124, 190}, {102, 190}},
                  {{132, 330}, {110, 330}}});
  }

  static constexpr Part<FrontElevation> kParts[] = {
      &FrontElevation::Title, &FrontElevation::Legs, &FrontElevation::Head,
      &FrontElevation::DoorAndBoot, &FrontElevation::Marks};
};

// The side view.
void SideView(cairo_t* cr) {
  ViewTitle(cr, 214, 22, "SIDE VIEW", "");
  Use(cr, Pen::Outline);
  SolidBox(cr, 198, 92, 30, 226);
  Use(cr, Pen::Thin);
  for (double y = 130; y < 318; y += 38) Box(cr, 196.5, y - 1, 33, 2);
  Use(cr, Pen::Outline);
  Path(cr, {{192, 92}, {192, 48}, {203, 38}, {223, 38}, {234, 48}, {234, 92}}, true);
  FillAndStroke(cr);
  SolidBox(cr, 234, 63, 7, 6);
  SolidBox(cr, 241, 54, 18, 24);
  SolidCircle(cr, 250, 66, 8);
  Circle(cr, 250, 66, 5);
  SolidBox(cr, 178, 92, 96, 3);
  Use(cr, Pen::Thin);
  for (double x : {262.0, 272.0}) Line(cr, x, 92, x, 68);
  Line(cr, 262, 68, 272, 68);
  Line(cr, 262, 80, 272, 80);
  Use(cr, Pen::Outline);
  SolidBox(cr, 192, 318, 42, 40);
  TakeUpRods(cr, 188.0, 238.0);
  Use(cr, Pen::Outline);
  SolidBox(cr, 188, 358, 50, 3);
  Use(cr, Pen::Hidden);
  Box(cr, 200, 60, 26, 12);
  Box(cr, 200, 334, 26, 12);
  CentreLine(cr, {186, 66}, {262, 66});
  CentreLine(cr, {186, 340}, {240, 340});
  CentreLine(cr, {213, 30}, {213, kGround + 4});
  Ground(cr, 170, 280, kGround);
}

// Section A-A through the legs.
void SectionAA(cairo_t* cr) {
  ViewTitle(cr, 318, 46, "SECTION A-A", "SCALE 1:20");
  for (double x : {292.0, 320.0}) {
    cairo_rectangle(cr, x, 64, 24, 30);
    cairo_rectangle(cr, x + 24 - 1.6, 64 + 1.6, -(24 - 3.2), 30 - 3.2);
    Use(cr, kInk);
    cairo_fill(cr);
    for (double cxn : {x - 1.5, x + 22.5})
      for (double cyn : {62.5, 92.5}) FillBox(cr, cxn, cyn, 3, 3, kInk);
    cairo_set_line_width(cr, 1.4);
    Line(cr, x + 4, 70, x + 20, 70);
    Use(cr, Pen::Outline);
    Path(cr, {{x + 5, 71}, {x + 6, 82}, {x + 18, 82}, {x + 19, 71}});
    cairo_stroke(cr);
  }
  Dimension(cr, {292, 94}, {344, 94}, -10, "1 400");
  Dimension(cr, {344, 94}, {344, 64}, 10, "480");
}

// Detail D: bucket on the belt.
void DetailD(cairo_t* cr) {
  ViewTitle(cr, 422, 46, "DETAIL D - BUCKET", "SCALE 1:5");
  Use(cr, kInk);
  cairo_set_line_width(cr, 2.2);
  Line(cr, 392, 58, 392, 128);
  for (double y : {70.0, 84.0}) {
    Use(cr, Pen::Outline);
    SolidBox(cr, 386, y - 2, 4, 4);
    Use(cr, Pen::Thin);
    Line(cr, 390, y, 397, y);
  }
  Use(cr, kInk);
  cairo_set_line_width(cr, 1.6);
  BucketProfile(cr, 394, 66, 44, 30, 1);
  cairo_close_path(cr);
  FillAndStroke(cr, Rgb255(226, 230, 236));
  Use(cr, Pen::Thin);
  cairo_move_to(cr, 396, 70);
  cairo_line_to(cr, 396, 93);
  cairo_stroke(cr);
  Dimension(cr, {394, 104}, {440, 104}, -16, "250");
  Dimension(cr, {446, 98}, {446, 64}, -8, "180");
  Use(cr, kInk);
  Text(cr, "BELT EP 500/4", kLabelFont, 380, 136, Align::Left);
  Text(cr, "DIN 15234 BOLTS M10", kLabelFont, 380, 143, Align::Left);
}

}  // namespace

const Slide kBucketElevator{
    552, 389, kPaper, "BucketElevator", {DrawView<FrontElevation>, SideView, SectionAA, DetailD}};

}  // namespace pw::pictures

// Image1: belt conveyor BC-101, general arrangement: the elevation, section A-A through the
// carrying run and view B on the drive.

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "pictures/kit/Drafting.h"
#include "pictures/kit/Equipment.h"
#include "pictures/kit/Lettering.h"
#include "pictures/kit/View.h"
#include "pictures/showcase/Drawings.h"
#include "pictures/showcase/SheetTexts.h"

namespace pw::pictures {
namespace {

// A rectangle in a turned frame: the four corners given by a mapping of (u, v).
template <typename Map>
void FrameQuad(cairo_t* cr, Map s, double u0, double v0, double u1, double v1) {
  Path(cr, {s(u0, v0), s(u1, v0), s(u1, v1), s(u0, v1)}, true);
}

// An idler roll seen side on, from one end of its axis to the other.
void IdlerRoll(cairo_t* cr, P from, P to, double radius) {
  const P u = Unit(to - from);
  const P n = Normal(u) * radius;
  Use(cr, Pen::Outline);
  Path(cr, {from + n, to + n, to - n, from - n}, true);
  FillAndStroke(cr);
  Use(cr, Pen::Thin);
  Line(cr, from + u * 2 + n, from + u * 2 - n);
  Line(cr, to - u * 2 + n, to - u * 2 - n);
  CentreLine(cr, from, to, 3);
}

// The elevation. The belt line rises from the tail pulley's centre T at 9 degrees; S(u, v) is
// the point u along it and v across it (towards the ground).
struct Elevation {
  cairo_t* cr;
  const double a = Radians(9);
  const P T{76, 172};
  const double L = 450;
  const P d{std::cos(a), -std::sin(a)};
  const P nd{std::sin(a), std::cos(a)};  // across the conveyor, pointing below the belt
  const P H = S(L, 0);
  const double ground = 206;
  // The take-up tower's centre line, its bend pulleys and the take-up pulley.
  const double tx = S(L - 96, 0).x;
  const P b1 = S(AtX(tx - 15, 11.5), 11.5);
  const P b2 = S(AtX(tx + 15, 11.5), 11.5);
  const P tu{tx, std::max(b1.y, b2.y) + 40};
  const double platform = H.y + 17;

  void Title() { ViewTitle(cr, 150, 40, "ELEVATION", "SCALE 1:100"); }

  P S(double u, double v) const { return T + d * u + nd * v; }
  // The u at which the line v across the belt reaches the screen column x.
  double AtX(double x, double v) const { return (x - T.x - nd.x * v) / d.x; }

  // Trestles under the stringer, with knee braces.
  void Trestles() {
    for (double u : {105.0, 205.0, 305.0}) {
      const P top = S(u, 3.5);
      Column(cr, top.x, top.y, ground);
      Use(cr, Pen::Thin);
      Line(cr, top.x - 1.5, top.y + 12, S(u - 14, 3.5).x, S(u - 14, 3.5).y);
      Line(cr, top.x + 1.5, top.y + 12, S(u + 14, 3.5).x, S(u + 14, 3.5).y);
    }
  }

  // Gravity take-up: two bend pulleys, the take-up pulley in its guides, the counterweight.
  void TakeUp() {
    // Tower: guide columns either side from the ground to the stringer.
    for (double x : {tx - 20.0, tx + 20.0}) {
      const double top = S(AtX(x, 3.5), 3.5).y;
      Column(cr, x, top, ground, 2.6);
    }
    Use(cr, Pen::Thin);
    for (double y : {tu.y - 22, tu.y + 30}) Line(cr, tx - 18.7, y, tx + 18.7, y);
    Line(cr, tx - 18.7, tu.y + 30, tx + 18.7, ground - 1.5);
    Line(cr, tx + 18.7, tu.y + 30, tx - 18.7, ground - 1.5);
    // Belt loop.
    Use(cr, Pen::Heavy);
    cairo_set_line_width(cr, 1.3);
    Line(cr, b1.x + 4, b1.y, tx - 11, tu.y);
    Line(cr, b2.x - 4, b2.y, tx + 11, tu.y);
    cairo_new_sub_path(cr);
    cairo_arc(cr, tx, tu.y, 11, 0, kPi);
    cairo_stroke(cr);
    Use(cr, Pen::Outline);
    SolidCircle(cr, tu.x, tu.y, 10);
    Circle(cr, tu.x, tu.y, 3);
    for (P b : {b1, b2}) {
      SolidCircle(cr, b.x, b.y, 4);
      Circle(cr, b.x, b.y, 1.2);
    }
    // Carriage and counterweight.
    Box(cr, tx - 14, tu.y - 4, 28, 8);
    Line(cr, tx, tu.y + 4, tx, tu.y + 14);
    SolidBox(cr, tx - 12, tu.y + 14, 24, 16);
    cairo_rectangle(cr, tx - 12, tu.y + 14, 24, 16);
    Hatch(cr, 2.6);
    CentreCross(cr, tu.x, tu.y, 13);
  }

  // Head frame: two columns with cross bracing and the drive platform.
  void HeadFrame() {
    const double c0 = H.x - 24, c1 = H.x + 14;
    for (double x : {c0, c1}) Column(cr, x, platform, ground, 3.4);
    Use(cr, Pen::Thin);
    const double mid = (platform + ground) / 2;
    Line(cr, c0 + 2, mid, c1 - 2, mid);
    Line(cr, c0 + 2, platform + 2, c1 - 2, mid);
    Line(cr, c1 - 2, platform + 2, c0 + 2, mid);
    Line(cr, c0 + 2, mid, c1 - 2, ground - 1.5);
    Line(cr, c1 - 2, mid, c0 + 2, ground - 1.5);
    Use(cr, Pen::Outline);
    SolidBox(cr, H.x - 48, platform, 66, 3);
    // Platform handrail.
    Use(cr, Pen::Thin);
    for (double x : {H.x - 45, H.x - 28}) Line(cr, x, platform, x, platform - 19);
    Line(cr, H.x - 45, platform - 19, H.x - 28, platform - 19);
    Line(cr, H.x - 45, platform - 10, H.x - 28, platform - 10);
  }

  // Stringer, idlers, walkway.
  void Stringer() {
    Use(cr, Pen::Outline);
    FrameQuad(
        cr, [this](double u, double v) { return S(u, v); }, 14, -1, L - 20, 3.5);
    FillAndStroke(cr);
    Use(cr, Pen::Thin);
    Line(cr, S(14, 0.2), S(L - 20, 0.2));
    // Carrying idlers: closer in the loading zone.
    std::vector<double> carrying;
    for (double u = 20; u < 84; u += 8) carrying.push_back(u);
    for (double u = 92; u < L - 24; u += 15) carrying.push_back(u);
    for (double u : carrying) {
      Use(cr, Pen::Thin);
      Line(cr, S(u - 2, -1), S(u - 2, -4.5));
      Line(cr, S(u + 2, -1), S(u + 2, -4.5));
      Use(cr, Pen::Outline);
      const P c = S(u, -5.6);
      SolidCircle(cr, c.x, c.y, 2.3);
    }
    // Return idlers.
    for (double u = 40; u < L - 30; u += 45) {
      if (std::abs(S(u, 0).x - tx) < 26) continue;
      Use(cr, Pen::Thin);
      Line(cr, S(u - 2.5, 3.5), S(u - 2.5, 10.8));
      Line(cr, S(u + 2.5, 3.5), S(u + 2.5, 10.8));
      Use(cr, Pen::Outline);
      const P c = S(u, 10.6);
      SolidCircle(cr, c.x, c.y, 2.3);
    }
  }

  // Belt: carrying strand, return strand either side of the take-up.
  void Belt() {
    Use(cr, kInk);
    cairo_set_line_width(cr, 1.5);
    Line(cr, S(0, -7.9), S(L, -9.0));
    cairo_set_line_width(cr, 1.3);
    Line(cr, S(0, 7.9), S(AtX(b1.x, 7.9), 7.9));
    Line(cr, S(AtX(b2.x, 7.9), 7.9), S(L - 26, 12.0));
    Line(cr, S(L - 26, 12.0), S(L, 9.0));
    // Snub pulley near the head.
    {
      const P sn = S(L - 26, 16.5);
      Use(cr, Pen::Outline);
      SolidCircle(cr, sn.x, sn.y, 4.3);
      Circle(cr, sn.x, sn.y, 1.2);
    }
  }

  // Tail pulley with its screw take-up and the loading chute.
  void TailEnd() {
    Use(cr, Pen::Outline);
    SolidCircle(cr, T.x, T.y, 7.5);
    Circle(cr, T.x, T.y, 2.2);
    CentreCross(cr, T.x, T.y, 11);
    Box(cr, T.x - 16, T.y - 3, 26, 6);
    Use(cr, Pen::Thin);
    Line(cr, T.x - 28, T.y, T.x - 16, T.y);
    HexSide(cr, T.x - 24, T.y - 2.5, 3, 5);
    Column(cr, T.x + 2, T.y + 4, ground, 3.0);
    // Skirt boards and chute.
    const P s0 = S(14, -9), s1 = S(86, -9);
    Use(cr, Pen::Outline);
    Path(cr, {s0, s1, S(86, -15), S(14, -15)}, true);
    cairo_stroke(cr);
    const P c0 = S(22, -15), c1 = S(60, -15);
    Polyline(cr, {c0, {c0.x - 8, c0.y - 26}, {c1.x + 8, c0.y - 26}, c1});
    SolidBox(cr, c0.x - 11, c0.y - 29, c1.x - c0.x + 22, 3);
    Use(cr, Pen::Thin);
    Text(cr, "FEED", kLabelFont, (c0.x + c1.x) / 2, c0.y - 33, Align::Centre);
  }

  // Head: pulley (hidden in the hood), hood and discharge chute, drive in front.
  void HeadEnd() {
    Use(cr, Pen::Outline);
    Path(cr, {{H.x - 18, S(L - 20, -9).y},
              {H.x - 18, H.y - 22},
              {H.x + 12, H.y - 22},
              {H.x + 22, H.y - 10},
              {H.x + 42, H.y + 38}});
    cairo_stroke(cr);
    Polyline(cr, {{H.x + 10, H.y + 10}, {H.x + 26, H.y + 46}});
    ChuteFlange(cr, {H.x + 26, H.y + 46}, {H.x + 42, H.y + 38}, -1.0);
    Use(cr, Pen::Hidden);
    Circle(cr, H.x, H.y, 9);
    Use(cr, Pen::Thin);
    Text(cr, "DISCHARGE", kLabelFont, H.x + 36, H.y + 62, Align::Centre);
    // Shaft-mounted gearbox and motor on the platform.
    Use(cr, Pen::Outline);
    DrawMotorSide(cr, H.x - 44, H.y + 3, 28, 12, true);
    SolidBox(cr, H.x - 16, H.y - 6, 22, 21);
    Circle(cr, H.x, H.y, 3.5);
    Use(cr, Pen::Thin);
    Line(cr, H.x - 6, H.y + 15, H.x - 6, platform);
    Line(cr, H.x - 2, H.y + 15, H.x - 2, platform);
    CentreCross(cr, H.x, H.y, 13);
  }

  // Walkway handrail along the near side, in front.
  void Handrail() {
    Use(cr, Pen::Thin);
    cairo_set_line_width(cr, 0.55);
    Line(cr, S(96, -27), S(L - 44, -27));
    Line(cr, S(96, -16), S(L - 44, -16));
    for (double u = 96; u <= L - 44 + 0.1; u += (L - 140) / 8) Line(cr, S(u, -27), S(u, -1));
  }

  // Ground, levels, overall dimensions, incline, the section and view marks and the item
  // balloons.
  void Annotations() {
    Ground(cr, 24, 592, ground);
    // Levels, overall dimensions, incline.
    Level(cr, 30, ground, "\u00B10.000");
    Level(cr, T.x - 30, T.y, "+3.600", false);
    Level(cr, H.x + 48, H.y, "+11.200");
    Dimension(cr, {T.x, ground + 3}, {H.x, ground + 3}, -14, "46 900");
    {
      cairo_save(cr);
      Use(cr, Pen::Dimension);
      Line(cr, T.x + 8, T.y, T.x + 82, T.y);
      cairo_new_sub_path(cr);
      cairo_arc_negative(cr, T.x, T.y, 74, 0, -a);
      cairo_stroke(cr);
      const P at = Polar(T, 78, a / 2);
      Text(cr, "9\u00B0", kDimensionFont, at.x + 1, at.y + 2.5);
      cairo_restore(cr);
    }
    SectionCut(cr, S(210, -38), S(210, 18), d, "A");
    ViewArrow(cr, {H.x - 30, H.y - 44}, {H.x - 30, H.y - 26}, "B");
    Balloons(cr, {{{H.x + 36, H.y - 42}, H + P{6, -5}},
                  {{T.x - 8, T.y - 50}, T + P{-4, -5}},
                  {S(150, -50), S(150, -7.4)},
                  {S(150, 34), S(150, 12.4)},
                  {S(262, -50), S(262, -8.3)},
                  {{H.x - 62, H.y - 30}, {H.x - 36, H.y + 5}},
                  {{tx - 40, tu.y + 26}, {tx - 12, tu.y + 22}},
                  {S(350, 34), S(350, 2)},
                  {{S(305, 0).x + 22, ground - 24}, {S(305, 0).x + 1.5, ground - 30}}});
  }

  static constexpr Part<Elevation> kParts[] = {
      &Elevation::Title,    &Elevation::Trestles,   &Elevation::TakeUp,  &Elevation::HeadFrame,
      &Elevation::Stringer, &Elevation::Belt,       &Elevation::TailEnd, &Elevation::HeadEnd,
      &Elevation::Handrail, &Elevation::Annotations};
};

// Section A-A: the troughing idler set on the stringers, the return idler, a trestle and the
// walkway.
struct SectionAA {
  cairo_t* cr;
  const double cx = 112;
  const double base = 312;
  const double sground = 396;
  const double rollR = 5.2, rollLen = 34, troughAngle = Radians(35);
  const double axisY = base - 10;
  // The centre roll's ends and the wing rolls' inner and outer ends.
  const P cLeft{cx - rollLen / 2 - 1, axisY}, cRight{cx + rollLen / 2 + 1, axisY};
  const P lw0 = cLeft + P{-1, 2},
          lw1 = lw0 + P{-std::cos(troughAngle), -std::sin(troughAngle)} * rollLen;
  const P rw0 = cRight + P{1, 2},
          rw1 = rw0 + P{std::cos(troughAngle), -std::sin(troughAngle)} * rollLen;
  // The belt's edges and bends, lying on the rolls.
  const P nl = Normal(Unit(lw0 - lw1));  // the left wing's normal into the trough
  const P nr = Normal(Unit(rw1 - rw0));
  const double lift = rollR + 1.2;
  const P e0 = lw1 + nl * lift + Unit(lw1 - lw0) * 4;
  const P e1 = lw0 + nl * lift;
  const P e2 = rw0 + nr * lift;
  const P e3 = rw1 + nr * lift + Unit(rw1 - rw0) * 4;
  const P m0{cLeft.x, axisY - lift}, m1{cRight.x, axisY - lift};

  void Title() { ViewTitle(cr, cx, 244, "SECTION A-A", "SCALE 1:20"); }

  // Stringers, trestle legs, ground and the idler base frame.
  void Structure() {
    // Stringers (channels, solid in section) on trestle legs.
    auto Channel = [&](double x, bool openRight) {
      const double w = 6, h = 16, t = 1.6;
      Use(cr, kInk);
      cairo_rectangle(cr, x, base + 4, w, t);
      cairo_rectangle(cr, x, base + 4 + h - t, w, t);
      cairo_rectangle(cr, openRight ? x : x + w - t, base + 4, t, h);
      cairo_fill(cr);
    };
    Channel(49, true);
    Channel(169, false);
    // Legs with bracing.
    for (double x : {52.0, 172.0}) Column(cr, x, base + 20, sground, 3.0);
    Use(cr, Pen::Thin);
    Line(cr, 53.5, 346, 170.5, 346);
    Line(cr, 53.5, 346, 170.5, sground - 2);
    Line(cr, 170.5, 346, 53.5, sground - 2);
    Ground(cr, 34, 200, sground);
    // Idler base frame and brackets.
    Use(cr, Pen::Outline);
    SolidBox(cr, 47, base, 130, 4);
  }

  // Brackets and rolls: centre roll level, wing rolls at 35 degrees.
  void Rolls() {
    Use(cr, Pen::Outline);
    for (double x : {cLeft.x + 1, cRight.x - 1}) Box(cr, x - 1.2, axisY, 2.4, base - axisY);
    Box(cr, lw1.x - 3.2, lw1.y, 2.4, base - lw1.y);
    Box(cr, rw1.x + 0.8, rw1.y, 2.4, base - rw1.y);
    IdlerRoll(cr, cLeft + P{1, 0}, cRight - P{1, 0}, rollR);
    IdlerRoll(cr, lw0, lw1, rollR);
    IdlerRoll(cr, rw0, rw1, rollR);
  }

  // The belt on the rolls and the load on the belt.
  void Load() {
    Path(cr, {e0, e1, m0, m1, e2, e3});
    cairo_line_to(cr, e3.x, e3.y);
    // Load: a heap over the trough.
    cairo_save(cr);
    cairo_new_path(cr);
    Path(cr, {e0 + Unit(e1 - e0) * 3, e1, m0, m1, e2, e3 + Unit(e2 - e3) * 3});
    cairo_curve_to(cr, e3.x - 14, e3.y - 20, e0.x + 14, e0.y - 20, e0.x + Unit(e1 - e0).x * 3,
                   e0.y + Unit(e1 - e0).y * 3);
    cairo_close_path(cr);
    Use(cr, Rgb255(236, 230, 214));
    cairo_fill_preserve(cr);
    cairo_clip(cr);
    Use(cr, Rgb255(120, 110, 90));
    for (int i = 0; i < 260; ++i) {
      const double x = 60 + Noise(i, 1, 11) * 110, y = 250 + Noise(i, 2, 11) * 60;
      Dot(cr, x, y, 0.45);
    }
    cairo_restore(cr);
    Use(cr, kInk);
    cairo_set_line_width(cr, 1.8);
    Polyline(cr, {e0, e1, m0, m1, e2, e3});
  }

  void ReturnRunAndWalkway() {
    // Return idler hung from the stringers, and the return belt on it.
    Use(cr, Pen::Outline);
    Polyline(cr, {{57, base + 20}, {60, base + 34}});
    Polyline(cr, {{167, base + 20}, {164, base + 34}});
    IdlerRoll(cr, {62, base + 34}, {162, base + 34}, rollR);
    Use(cr, kInk);
    cairo_set_line_width(cr, 1.5);
    Line(cr, 64, base + 34 - rollR - 1.2, 160, base + 34 - rollR - 1.2);
    // Walkway grating, toe plate, handrail post with its rail sections.
    Use(cr, Pen::Outline);
    Box(cr, 175, base + 4, 24, 3);
    cairo_rectangle(cr, 175, base + 4, 24, 3);
    Hatch(cr, 1.6, 90);
    Use(cr, Pen::Outline);
    Line(cr, 198, base + 7, 198, base - 34);
    Box(cr, 196, base - 2, 2, 6);
    SolidCircle(cr, 198, base - 34, 1.6);
    SolidCircle(cr, 198, base - 17, 1.6);
    Column(cr, 192, base + 7, sground, 2.0);
  }

  void Dimensions() {
    Dimension(cr, e0, e3, 16, "B = 800");
    {
      cairo_save(cr);
      Use(cr, Pen::Dimension);
      Line(cr, lw0.x - 2, lw0.y, lw0.x - 30, lw0.y);
      cairo_new_sub_path(cr);
      cairo_arc(cr, lw0.x, lw0.y, 22, kPi + 0.0, kPi + troughAngle);
      cairo_stroke(cr);
      Text(cr, "35\u00B0", kDimensionFont, lw0.x - 30, lw0.y - 5, Align::Right);
      cairo_restore(cr);
    }
    HDimension(cr, 52, 172, sground, sground + 10, "1 200");
    VDimension(cr, sground, base, 40, 36, "2 650");
    Balloon(cr, {140, 358}, {130, base + 34 + rollR}, 4);
    Balloon(cr, {166, 280}, rw1 + P{-3, 0}, 3);
  }

  static constexpr Part<SectionAA> kParts[] = {
      &SectionAA::Title, &SectionAA::Structure,           &SectionAA::Rolls,
      &SectionAA::Load,  &SectionAA::ReturnRunAndWalkway, &SectionAA::Dimensions};
};

// View B: the drive arrangement, in plan.
void ViewB(cairo_t* cr) {
  const double sx = 330, sy = 312;  // drum centre
  ViewTitle(cr, 300, 244, "VIEW B - DRIVE", "SCALE 1:25");
  // Head frame stringers and the belt coming in.
  Use(cr, Pen::Outline);
  for (double y : {sy - 38, sy + 34}) {
    Box(cr, 224, y, 150, 4);
  }
  Use(cr, Pen::Thin);
  Line(cr, 224, sy - 27, sx - 20, sy - 27);
  Line(cr, 224, sy + 27, sx - 20, sy + 27);
  BreakLine(cr, {224, sy - 42}, {224, sy + 42});
  // Drum with herringbone lagging.
  Use(cr, Pen::Outline);
  SolidBox(cr, sx - 20, sy - 32, 40, 64);
  cairo_rectangle(cr, sx - 19, sy - 31, 38, 31);
  Hatch(cr, 3.2, 30);
  cairo_rectangle(cr, sx - 19, sy, 38, 31);
  Hatch(cr, 3.2, -30);
  Use(cr, Pen::Outline);
  Box(cr, sx - 20, sy - 32, 40, 64);
  // Shaft, plummer blocks.
  SolidBox(cr, sx - 4, sy - 52, 8, 20);
  SolidBox(cr, sx - 4, sy + 32, 8, 22);
  for (double y : {sy - 50.0, sy + 36.0}) {
    SolidBox(cr, sx - 15, y + 2, 30, 10);
    SolidBox(cr, sx - 8, y, 16, 14);
    Use(cr, Pen::Thin);
    Circle(cr, sx - 12, y + 7, 1.3);
    Circle(cr, sx + 12, y + 7, 1.3);
    Use(cr, Pen::Outline);
  }
  // Gearbox (hollow shaft) and motor alongside the conveyor, with the torque arm.
  SolidBox(cr, sx - 17, sy + 54, 34, 28);
  Circle(cr, sx, sy + 68, 5);
  DrawMotorSide(cr, sx - 74, sy + 61, 57, 15, true);
  Use(cr, Pen::Thin);
  Polyline(cr, {{sx + 17, sy + 76}, {sx + 34, sy + 76}, {sx + 34, sy + 38}});
  CentreLine(cr, {sx, sy - 60}, {sx, sy + 86});
  CentreLine(cr, {222, sy}, {sx + 30, sy});
  CentreLine(cr, {sx - 86, sy + 68.5}, {sx - 17, sy + 68.5});
  Dimension(cr, {sx + 20, sy + 32}, {sx + 20, sy - 32}, -14, "1 150");
  Dimension(cr, {sx - 20, sy - 32}, {sx + 20, sy - 32}, 22, "\u00D8630");
  Use(cr, kInk);
  Text(cr, "37 kW - 1480 rpm", kLabelFont, sx - 46, sy + 92, Align::Centre);
  Text(cr, "i = 31.5", kLabelFont, sx + 30, sy + 92, Align::Centre);
  Balloon(cr, {sx + 48, sy - 8}, {sx + 16, sy - 14}, 1);
  Balloon(cr, {sx - 74, sy + 46}, {sx - 56, sy + 62}, 6);
}

}  // namespace

const Slide kBeltConveyor{
    609, 429, kPaper, "BeltConveyor", {DrawView<Elevation>, DrawView<SectionAA>, ViewB}};

}  // namespace pw::pictures

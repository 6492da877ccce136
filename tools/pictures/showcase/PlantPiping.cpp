// Image10: plant piping with valves, photographed against a wall

#include "pictures/showcase/Drawings.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "pictures/kit/Drafting.h"
#include "pictures/kit/Lettering.h"
#include "pictures/kit/Scene.h"
#include "pictures/kit/View.h"

namespace pw::pictures {

namespace {

// Cylindrical shading across a pipe: dark edges, a highlight a third of the way across.
void AddPipeStops(cairo_pattern_t* g, Colour c, double from = 0.0, double to = 1.0) {
  const double stops[][2] = {{0.0, 0.42}, {0.18, 0.85}, {0.34, 1.28},
                             {0.5, 1.05}, {0.8, 0.7},   {1.0, 0.4}};
  for (const auto& [t, k] : stops) {
    const Colour s = Shade(c, k);
    cairo_pattern_add_color_stop_rgb(g, from + (to - from) * t, s.r, s.g, s.b);
  }
}

void PipeH(cairo_t* cr, double x0, double x1, double cy, double d, Colour c) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, cy - d / 2, 0, cy + d / 2);
  AddPipeStops(g, c);
  cairo_rectangle(cr, x0, cy - d / 2, x1 - x0, d);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void PipeV(cairo_t* cr, double y0, double y1, double cx, double d, Colour c) {
  cairo_pattern_t* g = cairo_pattern_create_linear(cx - d / 2, 0, cx + d / 2, 0);
  AddPipeStops(g, c);
  cairo_rectangle(cr, cx - d / 2, y0, d, y1 - y0);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// A quarter bend about `centre` between the angles a0 and a1 (screen angles, clockwise).
void PipeBend(cairo_t* cr, P centre, double radius, double d, double a0, double a1, Colour c) {
  const double r0 = radius - d / 2, r1 = radius + d / 2;
  cairo_pattern_t* g = cairo_pattern_create_radial(centre.x, centre.y, 0, centre.x, centre.y, r1);
  AddPipeStops(g, c, r0 / r1, 1.0);
  cairo_new_sub_path(cr);
  cairo_arc(cr, centre.x, centre.y, r1, a0, a1);
  cairo_arc_negative(cr, centre.x, centre.y, r0, a1, a0);
  cairo_close_path(cr);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// A pair of flanges across a horizontal (or vertical) pipe, with bolt heads.
void FlangePair(cairo_t* cr, P at, double d, bool vertical, Colour c) {
  const double thick = 5, wide = d + 12;
  for (double s : {-1.0, 1.0}) {
    const double off = s * (thick / 2 + 0.6);
    if (vertical)
      PipeV(cr, at.y + off - thick / 2, at.y + off + thick / 2, at.x, wide, Shade(c, 0.95));
    else
      PipeH(cr, at.x + off - thick / 2, at.x + off + thick / 2, at.y, wide, Shade(c, 0.95));
  }
  Use(cr, Rgb255(60, 60, 60));
  for (double t : {-0.38, -0.13, 0.13, 0.38}) {
    const double along = t * wide * 1.02;
    if (vertical)
      FillBox(cr, at.x + along - 1.5, at.y - thick - 2.5, 3, 2 * thick + 5, Rgb255(70, 70, 72));
    else
      FillBox(cr, at.x - thick - 2.5, at.y + along - 1.5, 2 * thick + 5, 3, Rgb255(70, 70, 72));
  }
}

// A gate valve on a vertical pipe, its handwheel facing the camera.
void GateValve(cairo_t* cr, double cx, double cy, double d, Colour body) {
  FlangePair(cr, {cx, cy - 18}, d, true, body);
  FlangePair(cr, {cx, cy + 18}, d, true, body);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - 6, cy - 6, 2, cx, cy, 22);
  const Colour hi = Shade(body, 1.3), lo = Shade(body, 0.45);
  cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, 1.0, 0.8);
  cairo_arc(cr, 0, 0, 19, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // Bonnet towards the camera, then the red handwheel with its spokes.
  Use(cr, Shade(body, 0.8));
  Dot(cr, cx, cy, 9);
  Use(cr, Rgb255(190, 24, 24));
  cairo_set_line_width(cr, 3.4);
  Circle(cr, cx + 2, cy - 2, 17);
  cairo_set_line_width(cr, 2.0);
  for (int i = 0; i < 5; ++i)
    Line(cr, {cx + 2, cy - 2}, Polar({cx + 2, cy - 2}, 16, 2 * kPi * i / 5 + 0.3));
  Use(cr, Rgb255(255, 120, 110), 0.6);
  cairo_set_line_width(cr, 1.0);
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx + 2, cy - 2, 17.5, Radians(200), Radians(290));
  cairo_stroke(cr);
  Use(cr, Rgb255(70, 70, 74));
  Dot(cr, cx + 2, cy - 2, 3.5);
  Use(cr, Rgb255(200, 200, 204));
  Dot(cr, cx + 1.2, cy - 2.8, 1.2);
}

// Stencilled service name with a flow arrow, on a horizontal pipe.
void PipeMarking(cairo_t* cr, double x, double cy, std::string_view text, Colour ink) {
  Use(cr, ink, 0.9);
  Text(cr, text, Font{kSans, 8.5, true}, x, cy + 3);
  const double w = TextWidth(cr, text, Font{kSans, 8.5, true});
  cairo_set_line_width(cr, 2.2);
  Line(cr, x + w + 6, cy, x + w + 24, cy);
  Arrowhead(cr, {x + w + 30, cy}, {1, 0}, 7, 4);
}

// Plant piping photographed against a concrete wall: four lines across the picture, cooling
// water drops at the x of drops[], all on a support frame.
struct PipingPhoto {
  static constexpr int kWidth = 471, kHeight = 353;

  cairo_t* cr;
  static constexpr int w = kWidth, h = kHeight;
  const Colour green = Rgb255(46, 128, 70), yellow = Rgb255(220, 176, 30);
  const Colour aluminium = Rgb255(196, 200, 204), red = Rgb255(184, 30, 28);
  const Colour frame = Rgb255(86, 104, 124), valveBody = Rgb255(64, 76, 90);
  const double drops[3] = {96, 236, 376};

  void Finish() { Vignette(cr, w, h, 0.3); }

  // Concrete wall with panel joints and weathering, floor slab with a painted walkway line.
  void WallAndFloor() {
    VerticalGradient(cr, 0, 0, w, 300, Rgb255(196, 192, 182), Rgb255(164, 160, 150));
    for (int i = 0; i < 26; ++i) {
      const double x = Noise(i, 0, 51) * w, y = Noise(i, 1, 51) * 300,
                   r = 20 + 40 * Noise(i, 2, 51);
      cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, r);
      cairo_pattern_add_color_stop_rgba(g, 0, 0.3, 0.28, 0.25, 0.07);
      cairo_pattern_add_color_stop_rgba(g, 1, 0.3, 0.28, 0.25, 0);
      cairo_arc(cr, x, y, r, 0, 2 * kPi);
      cairo_set_source(cr, g);
      cairo_fill(cr);
      cairo_pattern_destroy(g);
    }
    Use(cr, Rgb255(140, 136, 128));
    cairo_set_line_width(cr, 1.2);
    for (double x : {118.0, 262.0, 406.0}) Line(cr, x, 0, x, 300);
    Line(cr, 0, 132, w, 132);
    VerticalGradient(cr, 0, 300, w, 53, Rgb255(150, 148, 142), Rgb255(118, 116, 110));
    Use(cr, Rgb255(96, 94, 88));
    cairo_set_line_width(cr, 1.5);
    Line(cr, 0, 300, w, 300);
    Use(cr, Rgb255(220, 180, 30));
    Path(cr, {{0, 330}, {w, 322}, {w, 328}, {0, 337}}, true);
    cairo_fill(cr);
  }

  // Shadows of everything on the wall, offset down and to the right.
  void Shadows() {
    cairo_save(cr);
    cairo_translate(cr, 9, 11);
    Use(cr, Rgb255(40, 36, 30), 0.22);
    cairo_rectangle(cr, 0, 40 - 17, w, 34);
    cairo_rectangle(cr, 0, 92 - 9, w, 18);
    cairo_rectangle(cr, 0, 150 - 23, w, 46);
    for (double x : drops) cairo_rectangle(cr, x - 14, 150, 28, 150);
    cairo_rectangle(cr, 446 - 9, 94, 18, 206);
    cairo_rectangle(cr, 0, 61, 422, 18);
    cairo_rectangle(cr, 24, 14, 16, 286);
    cairo_fill(cr);
    cairo_restore(cr);
  }

  // Support frame: a post at each side, cross beams under the pipes.
  void Supports() {
    auto IBeamV = [&](double x0, double y0, double y1, double width) {
      FillBox(cr, x0, y0, width, y1 - y0, Shade(frame, 0.8));
      FillBox(cr, x0 + width * 0.2, y0, width * 0.6, y1 - y0, Shade(frame, 1.05));
      Use(cr, Shade(frame, 0.55));
      cairo_set_line_width(cr, 0.8);
      Line(cr, x0 + width * 0.2, y0, x0 + width * 0.2, y1);
      Line(cr, x0 + width * 0.8, y0, x0 + width * 0.8, y1);
    };
    auto IBeamH = [&](double x0, double x1, double y0, double depth) {
      FillBox(cr, x0, y0, x1 - x0, depth, Shade(frame, 0.9));
      FillBox(cr, x0, y0, x1 - x0, depth * 0.18, Shade(frame, 1.2));
      FillBox(cr, x0, y0 + depth * 0.82, x1 - x0, depth * 0.18, Shade(frame, 0.6));
    };
    IBeamV(24, 8, 300, 16);
    IBeamH(0, w, 57, 10);
    IBeamH(0, w, 101, 9);
    IBeamH(0, w, 173, 10);
  }

  void SteamFireAndGas() {
    // Steam line in aluminium cladding with its bands.
    PipeH(cr, 0, w, 40, 34, aluminium);
    Use(cr, Rgb255(120, 124, 128));
    cairo_set_line_width(cr, 1.0);
    for (double x = 30; x < w; x += 58) Line(cr, x, 23, x, 57);
    Use(cr, Rgb255(30, 30, 30), 0.85);
    Text(cr, "LP STEAM  6 bar", Font{kSans, 8, true}, 300, 43);
    // Fire water: a header behind the gas line, a riser with a butterfly valve.
    PipeH(cr, 0, 422, 70, 18, red);
    FlangePair(cr, {212, 70}, 18, false, red);
    PipeBend(cr, {422, 94}, 24, 18, -kPi / 2, 0, red);
    // Gas line with a ball valve.
    PipeH(cr, 0, w, 92, 16, yellow);
    FlangePair(cr, {280, 92}, 16, false, yellow);
    FlangePair(cr, {318, 92}, 16, false, yellow);
    {
      cairo_pattern_t* g = cairo_pattern_create_linear(0, 80, 0, 104);
      AddPipeStops(g, Rgb255(150, 150, 150));
      cairo_rectangle(cr, 286, 82, 26, 20);
      cairo_set_source(cr, g);
      cairo_fill(cr);
      cairo_pattern_destroy(g);
      FillBox(cr, 296, 74, 6, 8, Rgb255(90, 90, 90));
      Use(cr, Rgb255(200, 30, 20));
      cairo_set_line_width(cr, 4);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      Line(cr, 299, 74, 340, 70);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    }
    PipeMarking(cr, 120, 92, "NATURAL GAS", Rgb255(30, 30, 30));
  }

  void CoolingWater() {
    // Cooling water header with flanged joints; three drops with gate and check valves.
    for (double x : drops) PipeV(cr, 150, 300, x, 28, green);
    PipeH(cr, 0, w, 150, 46, green);
    FlangePair(cr, {176, 150}, 46, false, green);
    FlangePair(cr, {318, 150}, 46, false, green);
    for (double x : drops) {
      // Weld at the branch, gate valve, check valve, floor sleeve.
      Use(cr, Shade(green, 0.6), 0.8);
      cairo_set_line_width(cr, 1.4);
      Line(cr, x - 14, 175, x + 14, 175);
      GateValve(cr, x, 214, 28, valveBody);
      FlangePair(cr, {x, 252}, 28, true, green);
      cairo_pattern_t* g = cairo_pattern_create_linear(x - 18, 0, x + 18, 0);
      AddPipeStops(g, valveBody);
      cairo_rectangle(cr, x - 17, 258, 34, 22);
      cairo_set_source(cr, g);
      cairo_fill(cr);
      cairo_pattern_destroy(g);
      FillBox(cr, x - 12, 262, 24, 3, Shade(valveBody, 1.4));
      FlangePair(cr, {x, 284}, 28, true, green);
      PipeV(cr, 294, 302, x, 40, Rgb255(130, 128, 122));
    }
    PipeMarking(cr, 24, 150, "COOLING WATER", Rgb255(250, 250, 250));
  }

  void Gauge() {
    // Pressure gauge on the middle drop.
    const double gx = 272, gy = 188, x = drops[1];
    PipeH(cr, x + 12, gx - 6, gy, 6, Rgb255(170, 170, 170));
    Use(cr, Rgb255(30, 30, 30));
    Dot(cr, gx + 6, gy, 13);
    Use(cr, Rgb255(250, 250, 246));
    Dot(cr, gx + 6, gy, 11);
    Use(cr, Rgb255(30, 30, 30));
    cairo_set_line_width(cr, 0.6);
    for (int i = 0; i <= 8; ++i) {
      const double a = Radians(225 - 270.0 * i / 8);
      Line(cr, Polar({gx + 6, gy}, 8, a), Polar({gx + 6, gy}, 10.5, a));
    }
    Use(cr, Rgb255(200, 20, 20));
    cairo_set_line_width(cr, 1.2);
    Line(cr, {gx + 6, gy}, Polar({gx + 6, gy}, 9, Radians(80)));
    Use(cr, Rgb255(255, 255, 255), 0.5);
    cairo_new_sub_path(cr);
    cairo_arc(cr, gx + 4, gy - 3, 6, Radians(190), Radians(260));
    cairo_stroke(cr);
  }

  // The fire water riser with its butterfly valve.
  void FireWaterRiser() {
    PipeV(cr, 94, 300, 446, 18, red);
    FlangePair(cr, {446, 236}, 18, true, red);
    {
      Use(cr, Rgb255(60, 60, 64));
      FillBox(cr, 438, 241, 16, 10, Rgb255(60, 60, 64));
      Use(cr, Rgb255(230, 200, 30));
      cairo_set_line_width(cr, 3.5);
      Line(cr, 446, 246, 418, 256);
    }
    FlangePair(cr, {446, 256}, 18, true, red);
  }

  // U-bolts where the pipes cross the beams, and the valve tag.
  void Fittings() {
    // U-bolts where the pipes cross the beams.
    Use(cr, Rgb255(90, 90, 90));
    cairo_set_line_width(cr, 1.4);
    for (double x : {60.0, 200.0, 340.0}) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, x, 150, 24, Radians(200), Radians(340));
      cairo_stroke(cr);
    }
    // Valve tag.
    Use(cr, Rgb255(250, 250, 250));
    FillBox(cr, 100, 232, 22, 10, Rgb255(250, 250, 250));
    Use(cr, Rgb255(20, 20, 20));
    Text(cr, "V-102", Font{kCondensed, 6.5, true}, 111, 240, Align::Centre);
  }

  static constexpr Part<PipingPhoto> kParts[] = {
      &PipingPhoto::WallAndFloor,    &PipingPhoto::Shadows,      &PipingPhoto::Supports,
      &PipingPhoto::SteamFireAndGas, &PipingPhoto::CoolingWater, &PipingPhoto::Gauge,
      &PipingPhoto::FireWaterRiser,  &PipingPhoto::Fittings,     &PipingPhoto::Finish};
};

}  // namespace

const Slide kPlantPiping{
    PipingPhoto::kWidth, PipingPhoto::kHeight, std::nullopt, nullptr, {DrawView<PipingPhoto>}};

}  // namespace pw::pictures

#include "pictures/kit/Drafting.h"

#include <cmath>
#include <string>
#include <vector>

namespace pw::pictures {

namespace {

struct PenStyle {
  Colour ink;
  double width;
  std::vector<double> dash;  // none: a continuous line
};

}  // namespace

void Use(cairo_t* cr, Pen pen) {
  // By Pen, in the order of its enumerators.
  static const PenStyle kPens[] = {
      {kInk, 1.1, {}},                                               // Outline
      {kInk, 1.8, {}},                                               // Heavy
      {kInk, 0.6, {}},                                               // Thin
      {Rgb255(70, 70, 80), 0.65, {3.0, 1.6}},                        // Hidden
      {kCentreInk, 0.5, {9.0, 1.6, 1.6, 1.6}},                       // Centre
      {kDimensionInk, 0.5, {}},                                      // Dimension
      {kHatchInk, 0.4, {}},                                          // Hatch
      {Rgb255(60, 120, 60), 0.55, {9.0, 1.5, 1.5, 1.5, 1.5, 1.5}}};  // Phantom
  const PenStyle& style = kPens[static_cast<int>(pen)];
  Use(cr, style.ink);
  cairo_set_line_width(cr, style.width);
  cairo_set_dash(cr, style.dash.data(), static_cast<int>(style.dash.size()), 0);
}

void Line(cairo_t* cr, double x1, double y1, double x2, double y2) {
  cairo_move_to(cr, x1, y1);
  cairo_line_to(cr, x2, y2);
  cairo_stroke(cr);
}
void Line(cairo_t* cr, P a, P b) {
  Line(cr, a.x, a.y, b.x, b.y);
}

void Path(cairo_t* cr, std::initializer_list<P> points, bool closed) {
  bool first = true;
  for (P p : points) {
    if (first)
      cairo_move_to(cr, p.x, p.y);
    else
      cairo_line_to(cr, p.x, p.y);
    first = false;
  }
  if (closed) cairo_close_path(cr);
}
void Path(cairo_t* cr, const std::vector<P>& points, bool closed) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i == 0)
      cairo_move_to(cr, points[i].x, points[i].y);
    else
      cairo_line_to(cr, points[i].x, points[i].y);
  }
  if (closed) cairo_close_path(cr);
}

void Polygon(cairo_t* cr, const std::vector<P>& points) {
  cairo_new_path(cr);
  Path(cr, points, true);
}

void Polyline(cairo_t* cr, std::initializer_list<P> points, bool closed) {
  Path(cr, points, closed);
  cairo_stroke(cr);
}

void Box(cairo_t* cr, double x, double y, double w, double h) {
  cairo_rectangle(cr, x, y, w, h);
  cairo_stroke(cr);
}

// A rectangle filled with paper (hiding what lies behind it) and outlined.
void SolidBox(cairo_t* cr, double x, double y, double w, double h, Colour fill) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  Use(cr, fill);
  cairo_fill(cr);
  cairo_restore(cr);
  Box(cr, x, y, w, h);
}

void FillAndStroke(cairo_t* cr, Colour fill) {
  cairo_save(cr);
  Use(cr, fill);
  cairo_fill_preserve(cr);
  cairo_restore(cr);
  cairo_stroke(cr);
}

void FillBox(cairo_t* cr, double x, double y, double w, double h, Colour c) {
  cairo_rectangle(cr, x, y, w, h);
  Use(cr, c);
  cairo_fill(cr);
}

void Circle(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_stroke(cr);
}

void SolidCircle(cairo_t* cr, double cx, double cy, double r, Colour fill) {
  cairo_save(cr);
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  Use(cr, fill);
  cairo_fill(cr);
  cairo_restore(cr);
  Circle(cr, cx, cy, r);
}

void Dot(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_fill(cr);
}

// Section lining of the current path at 45 degrees (or the given angle); the path is consumed.
void Hatch(cairo_t* cr, double spacing, double angle) {
  cairo_save(cr);
  cairo_clip(cr);
  double x1, y1, x2, y2;
  cairo_clip_extents(cr, &x1, &y1, &x2, &y2);
  Use(cr, Pen::Hatch);
  const double a = Radians(angle);
  const P d{std::cos(a), -std::sin(a)};
  const P n = Normal(d);
  const P centre{(x1 + x2) / 2, (y1 + y2) / 2};
  const double reach = std::hypot(x2 - x1, y2 - y1) / 2 + 1;
  for (double s = -reach; s <= reach; s += spacing) {
    const P base = centre + n * s;
    Line(cr, base - d * reach, base + d * reach);
  }
  cairo_restore(cr);
  cairo_new_path(cr);
}

// A filled arrowhead with its tip at `tip`, pointing along `direction`.
void Arrowhead(cairo_t* cr, P tip, P direction, double length, double width) {
  const P d = Unit(direction);
  const P n = Normal(d);
  const P base = tip - d * length;
  Path(cr, {tip, base + n * width, base - n * width}, true);
  cairo_fill(cr);
}

// An aligned dimension from a to b, its line `offset` pixels to the left of a->b (above a
// left-to-right dimension), with extension lines, arrowheads and the value.
void Dimension(cairo_t* cr, P a, P b, double offset, std::string_view value) {
  cairo_save(cr);
  Use(cr, Pen::Dimension);
  const P d = Unit(b - a);
  const P n = Normal(d);
  const double sign = offset >= 0 ? 1.0 : -1.0;
  Line(cr, a + n * (1.5 * sign), a + n * (offset + 2.5 * sign));
  Line(cr, b + n * (1.5 * sign), b + n * (offset + 2.5 * sign));
  const P da = a + n * offset;
  const P db = b + n * offset;
  Line(cr, da, db);
  Arrowhead(cr, da, a - b, 4.0, 1.3);
  Arrowhead(cr, db, b - a, 4.0, 1.3);
  double angle = std::atan2(d.y, d.x);
  P up = n;
  if (angle > kPi / 2 + 1e-9 || angle <= -kPi / 2 + 1e-9) {  // keep the value readable
    angle += kPi;
    up = n * -1.0;
  }
  const P mid = (da + db) * 0.5;
  // The value stands on the side away from the object, one pixel clear of the line.
  const P at = sign * (up.x * n.x + up.y * n.y) > 0 ? mid + up * 1.2 : mid - up * 5.2;
  TurnedText(cr, value, kDimensionFont, at.x, at.y, angle);
  cairo_restore(cr);
}

void HDimension(cairo_t* cr, double x1, double x2, double y, double lineY, std::string_view v) {
  Dimension(cr, {x1, y}, {x2, y}, y - lineY, v);
}
void VDimension(cairo_t* cr, double y1, double y2, double x, double lineX, std::string_view v) {
  // From bottom to top, so the value reads upwards on the left of the line.
  Dimension(cr, {x, std::max(y1, y2)}, {x, std::min(y1, y2)}, x - lineX, v);
}

// A centre line from a to b, overshooting both ends a little.
void CentreLine(cairo_t* cr, P a, P b, double overshoot) {
  cairo_save(cr);
  Use(cr, Pen::Centre);
  const P d = Unit(b - a);
  Line(cr, a - d * overshoot, b + d * overshoot);
  cairo_restore(cr);
}

void CentreCross(cairo_t* cr, double cx, double cy, double r) {
  CentreLine(cr, {cx - r, cy}, {cx + r, cy});
  CentreLine(cr, {cx, cy - r}, {cx, cy + r});
}

// A level mark: an open triangle standing on a short line, with the elevation beside it.
void Level(cairo_t* cr, double x, double y, std::string_view text, bool right) {
  cairo_save(cr);
  Use(cr, Pen::Dimension);
  Line(cr, x - 6, y, x + 14 * (right ? 1 : -1) + (right ? 0 : 6), y);
  Polyline(cr, {{x - 3, y - 4}, {x + 3, y - 4}, {x, y}}, true);
  Text(cr, text, kDimensionFont, right ? x + 5 : x - 5, y - 1.5,
       right ? Align::Left : Align::Right);
  cairo_restore(cr);
}

// A cutting plane from a to b: heavy ends, a chain line between, arrows to the viewing side and
// the letters.
void SectionCut(cairo_t* cr, P a, P b, P view, std::string_view letter) {
  cairo_save(cr);
  const P d = Unit(b - a);
  const P v = Unit(view);
  Use(cr, Pen::Centre);
  Line(cr, a, b);
  Use(cr, kInk);
  cairo_set_dash(cr, nullptr, 0, 0);
  cairo_set_line_width(cr, 1.8);
  Line(cr, a - d * 3, a + d * 6);
  Line(cr, b + d * 3, b - d * 6);
  cairo_set_line_width(cr, 0.7);
  for (P end : {a - d * 3, b + d * 3}) {
    Line(cr, end, end + v * 8);
    Arrowhead(cr, end + v * 10, v, 4.5, 1.7);
    const P at = end + v * 5 - d * ((end.x == (a - d * 3).x && end.y == (a - d * 3).y) ? 5 : -5);
    Text(cr, letter, Font{kSans, 7.5, true}, at.x, at.y + 2.8, Align::Centre);
  }
  cairo_restore(cr);
}

// A view or detail marker: an arrow to the detail and its letter.
void ViewArrow(cairo_t* cr, P tail, P tip, std::string_view letter) {
  cairo_save(cr);
  Use(cr, kInk);
  cairo_set_line_width(cr, 0.7);
  Line(cr, tail, tip);
  Arrowhead(cr, tip, tip - tail, 4.5, 1.7);
  const P d = Unit(tip - tail);
  const P at = tail - d * 5;
  Text(cr, letter, Font{kSans, 7.5, true}, at.x, at.y + 2.8, Align::Centre);
  cairo_restore(cr);
}

// An item balloon at `at` with a leader to the part at `target`.
void Balloon(cairo_t* cr, P at, P target, int item) {
  cairo_save(cr);
  const double r = 4.6;
  Use(cr, kInk);
  cairo_set_line_width(cr, 0.45);
  const P d = Unit(target - at);
  Line(cr, at + d * r, target);
  Dot(cr, target.x, target.y, 0.9);
  cairo_set_line_width(cr, 0.6);
  SolidCircle(cr, at.x, at.y, r);
  Use(cr, kInk);
  Text(cr, std::to_string(item), Font{kCondensed, 5.8, true}, at.x, at.y + 2.1, Align::Centre);
  cairo_restore(cr);
}

void Balloons(cairo_t* cr, std::initializer_list<std::pair<P, P>> leaders, int first) {
  for (const auto& [at, target] : leaders) Balloon(cr, at, target, first++);
}

// The name of a view, underlined, with its scale under it.
void ViewTitle(cairo_t* cr, double x, double y, std::string_view name, std::string_view scale) {
  cairo_save(cr);
  Use(cr, kInk);
  const Font font{kSans, 6.6, true};
  const double w = TextWidth(cr, name, font);
  Text(cr, name, font, x, y, Align::Centre);
  cairo_set_line_width(cr, 0.8);
  Line(cr, x - w / 2, y + 1.6, x + w / 2, y + 1.6);
  cairo_set_line_width(cr, 0.4);
  Line(cr, x - w / 2, y + 2.8, x + w / 2, y + 2.8);
  if (!scale.empty()) Text(cr, scale, Font{kCondensed, 5.2}, x, y + 8.6, Align::Centre);
  cairo_restore(cr);
}

// A ground line with short hatch strokes under it.
void Ground(cairo_t* cr, double x1, double x2, double y) {
  cairo_save(cr);
  Use(cr, Pen::Outline);
  Line(cr, x1, y, x2, y);
  Use(cr, Pen::Hatch);
  for (double x = x1 + 2; x < x2 - 2; x += 4) Line(cr, x, y + 0.5, x - 3, y + 3.5);
  cairo_restore(cr);
}

// A break line across a member: a straight line with a zigzag in the middle.
void BreakLine(cairo_t* cr, P a, P b) {
  cairo_save(cr);
  Use(cr, Pen::Thin);
  const P d = b - a;
  const P n = Normal(Unit(d)) * 2.5;
  const P m = a + d * 0.5;
  Polyline(cr, {a - Unit(d) * 2, m - Unit(d) * 2, m + n, m - n, m + Unit(d) * 2, b + Unit(d) * 2});
  cairo_restore(cr);
}

// A bolt head or nut seen side on.
void HexSide(cairo_t* cr, double x, double y, double w, double h) {
  SolidBox(cr, x, y, w, h);
  Line(cr, x + w / 4, y, x + w / 4, y + h);
  Line(cr, x + 3 * w / 4, y, x + 3 * w / 4, y + h);
}

void FillLinear(cairo_t* cr, P from, P to, std::initializer_list<std::pair<double, Colour>> stops,
                bool keepPath) {
  cairo_pattern_t* gradient = cairo_pattern_create_linear(from.x, from.y, to.x, to.y);
  for (const auto& [offset, colour] : stops) AddStop(gradient, offset, colour);
  cairo_set_source(cr, gradient);
  if (keepPath)
    cairo_fill_preserve(cr);
  else
    cairo_fill(cr);
  cairo_pattern_destroy(gradient);
}

void RoundedRectangle(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
  cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
  cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
  cairo_close_path(cr);
}

}  // namespace pw::pictures

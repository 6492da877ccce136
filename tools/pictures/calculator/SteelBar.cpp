#include "pictures/calculator/SteelBar.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "pictures/calculator/Palette.h"
#include "pictures/kit/Drafting.h"
#include "pictures/kit/Lettering.h"

namespace pw::pictures {
namespace {

constexpr Colour kDimensionRed = Rgb255(232, 24, 24);

// Light from the upper left, a little in front of the picture.
double Lighting(double nx, double ny, double nz) {
  const double lx = -0.42, ly = -0.82, lz = -0.39;
  return 0.34 + 0.66 * std::max(0.0, nx * lx + ny * ly + nz * lz);
}

// Mill-finished steel: a neutral grey leaning slightly to blue.
Colour Steel(double light) {
  const double g = 48 + 178 * std::clamp(light, 0.0, 1.0);
  return Rgb255(static_cast<int>(std::lround(g * 0.94)), static_cast<int>(std::lround(g * 0.97)),
                static_cast<int>(std::lround(std::min(255.0, g * 1.02 + 3))));
}

constexpr Colour kSteelEdge = Rgb255(38, 42, 48);

}  // namespace

namespace {

struct Face {
  std::size_t index;  // of its near edge's first corner
  double order;       // larger nearer the viewer
};

// The long faces the viewer sees, from the back forwards; `visible` marks them by index.
std::vector<Face> VisibleFaces(const std::vector<Point>& p, const Perspective& view,
                               std::vector<bool>& visible) {
  const std::size_t n = p.size();
  Point centre{0, 0};
  for (const Point& q : p) centre = centre + q;
  centre = centre * (1.0 / static_cast<double>(n));
  const Point towards = Unit(view.vanish - centre);
  std::vector<Face> faces;
  visible.assign(n, false);
  for (std::size_t i = 0; i < n; ++i) {
    const Point a = p[i];
    const Point b = p[(i + 1) % n];
    const Point edge = b - a;
    const Point normal{edge.y, -edge.x};
    const Point middle = (a + b) * 0.5;
    if (Dot(normal, view.vanish - middle) > 1e-9) {
      visible[i] = true;
      faces.push_back({i, Dot(middle, towards)});
    }
  }
  std::stable_sort(faces.begin(), faces.end(),
                   [](const Face& x, const Face& y) { return x.order < y.order; });
  return faces;
}

// A long face, shaded by the way it faces the light and darkening towards the far end, with its
// far edge and the long edges where the outline turns sharply or the neighbour is hidden.
void LongFace(cairo_t* cr, const Outline& section, const Perspective& view, std::size_t i,
              const std::vector<bool>& visible) {
  const std::vector<Point>& p = section.points;
  const std::size_t n = p.size();
  const std::size_t j = (i + 1) % n;
  const Point a = p[i];
  const Point b = p[j];
  const Point af = view.Far(a);
  const Point bf = view.Far(b);
  const Point normal = Unit(Point{(b - a).y, -(b - a).x});
  const double light = Lighting(normal.x, normal.y, 0);
  Polygon(cr, {a, b, bf, af});
  FillLinear(cr, (a + b) * 0.5, (af + bf) * 0.5, {{0, Steel(light)}, {1, Steel(light * 0.80)}});
  cairo_set_line_width(cr, 0.6);  // closes the hairline seams between neighbouring faces
  cairo_stroke(cr);

  Use(cr, kSteelEdge);
  cairo_set_line_width(cr, 0.8);
  Line(cr, af, bf);
  const std::size_t before = (i + n - 1) % n;
  if (section.sharp[i] || !visible[before]) Line(cr, a, af);
  if (section.sharp[j] || !visible[j]) Line(cr, b, bf);
}

// The near end: lit from the front, slightly brighter towards the upper left.
void NearEnd(cairo_t* cr, const std::vector<Point>& p) {
  double minX = p[0].x, minY = p[0].y, maxX = p[0].x, maxY = p[0].y;
  for (const Point& q : p) {
    minX = std::min(minX, q.x);
    minY = std::min(minY, q.y);
    maxX = std::max(maxX, q.x);
    maxY = std::max(maxY, q.y);
  }
  Polygon(cr, p);
  FillLinear(cr, {minX, minY}, {maxX, maxY},
             {{0, Steel(Lighting(0, 0, -1) + 0.10)}, {1, Steel(Lighting(0, 0, -1) - 0.04)}});
  Use(cr, kSteelEdge);
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
}

}  // namespace

void DrawBar(cairo_t* cr, const Outline& section, const Perspective& view) {
  std::vector<bool> visible;
  const std::vector<Face> faces = VisibleFaces(section.points, view, visible);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (const Face& face : faces) LongFace(cr, section, view, face.index, visible);
  NearEnd(cr, section.points);
}

// A dimension: extension lines from the two marked points in the given direction, and between
// them, at the given distance, a dimension line with an arrowhead at each end. A letter naming
// the dimension interrupts the line at its middle, in the face and colour of the window's own
// length mark.
void LetteredDimension(cairo_t* cr, Point from, Point to, Point direction, double distance,
                       const char* letter) {
  const Point d = Unit(direction);
  const double gap = 2.5, overshoot = 3.5;
  Use(cr, kDimensionRed);
  cairo_set_line_width(cr, 1.0);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  // Lines along the pixel grid are placed on pixel centres so that they stay one pixel wide.
  auto snap = [](Point p, Point along) {
    if (std::abs(along.x) < 1e-9) p.x = std::floor(p.x) + 0.5;
    if (std::abs(along.y) < 1e-9) p.y = std::floor(p.y) + 0.5;
    return p;
  };
  for (const Point& base : {from, to})
    Line(cr, snap(base + d * gap, d), snap(base + d * (distance + overshoot), d));
  const Point a = from + d * distance;
  const Point b = to + d * distance;
  const Point along = Unit(b - a);
  const Point across{-along.y, along.x};
  const Point sa = snap(a, along);
  const Point sb = snap(b, along);
  if (letter == nullptr) {
    Line(cr, sa, sb);
  } else {
    const Layout text(cr, letter, Font{kSerif, 19, true});
    const PangoRectangle ink = text.Ink();
    const Point middle = (sa + sb) * 0.5;
    const double half = (std::abs(along.x) * ink.width + std::abs(along.y) * ink.height) / 2 + 3;
    Line(cr, sa, middle - along * half);
    Line(cr, middle + along * half, sb);
    Use(cr, kWhite);
    text.ShowInkCentred(cr, middle);
    Use(cr, kDimensionRed);
  }
  const double length = 6.5, half = 2.2;
  for (const auto& [tip, back] : {std::pair{sa, along}, std::pair{sb, along * -1.0}}) {
    Polygon(cr, {tip, tip + back * length + across * half, tip + back * length - across * half});
    cairo_fill(cr);
  }
}

}  // namespace pw::pictures

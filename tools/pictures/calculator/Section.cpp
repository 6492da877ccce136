#include "pictures/calculator/Section.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace pw::pictures {

Outline MakeOutline(const std::vector<Corner>& corners, Point offset) {
  Outline out;
  const std::size_t n = corners.size();
  for (std::size_t i = 0; i < n; ++i) {
    const Corner& c = corners[i];
    const Point p{c.x + offset.x, c.y + offset.y};
    if (c.radius <= 0) {
      out.points.push_back(p);
      out.sharp.push_back(true);
      continue;
    }
    const Corner& a = corners[(i + n - 1) % n];
    const Corner& b = corners[(i + 1) % n];
    const Point u1 = Unit(Point{a.x - c.x, a.y - c.y});
    const Point u2 = Unit(Point{b.x - c.x, b.y - c.y});
    const double half = std::acos(std::clamp(Dot(u1, u2), -1.0, 1.0)) / 2;
    const double tangent = c.radius / std::tan(half);
    const Point centre = p + Unit(u1 + u2) * (c.radius / std::sin(half));
    const Point t1 = p + u1 * tangent;
    const Point t2 = p + u2 * tangent;
    const double a1 = std::atan2(t1.y - centre.y, t1.x - centre.x);
    double sweep = std::atan2(t2.y - centre.y, t2.x - centre.x) - a1;
    while (sweep > kPi) sweep -= 2 * kPi;
    while (sweep < -kPi) sweep += 2 * kPi;
    const int steps = std::max(2, static_cast<int>(std::ceil(std::abs(sweep) / (kPi / 12))));
    for (int s = 0; s <= steps; ++s) {
      const double angle = a1 + sweep * s / steps;
      out.points.push_back(
          {centre.x + c.radius * std::cos(angle), centre.y + c.radius * std::sin(angle)});
      out.sharp.push_back(false);
    }
  }
  double area = 0;
  for (std::size_t i = 0; i < out.points.size(); ++i) {
    const Point p = out.points[i];
    const Point q = out.points[(i + 1) % out.points.size()];
    area += p.x * q.y - q.x * p.y;
  }
  if (area < 0) {
    std::reverse(out.points.begin(), out.points.end());
    std::reverse(out.sharp.begin(), out.sharp.end());
  }
  return out;
}

// Rolled sections, drawn with the origin at the top left of their bounding box.

// Equal angle: one leg up on the left, one along the bottom.
std::vector<Corner> AngleSection(double leg, double t, double root, double toe) {
  return {{0, 0, toe * 0.6},   {t, 0, toe},   {t, leg - t, root},
          {leg, leg - t, toe}, {leg, leg, 0}, {0, leg, 0}};
}

// Channel standing open at the top; the inner faces of the flanges taper outwards.
std::vector<Corner> ChannelSection(double width, double height, double web, double flange,
                                   double root, double toe) {
  const double taper = flange * 0.16;
  return {{0, 0, 0},
          {flange - taper, 0, toe},
          {flange + taper, height - web, root},
          {width - flange - taper, height - web, root},
          {width - flange + taper, 0, toe},
          {width, 0, 0},
          {width, height, 0},
          {0, height, 0}};
}

// I-section standing upright: flanges across the top and the bottom, web vertical.
std::vector<Corner> UprightISection(double depth, double breadth, double web, double flange,
                                    double root, double taper) {
  const double x1 = (breadth - web) / 2;
  const double x2 = (breadth + web) / 2;
  return {{0, 0, 0},
          {breadth, 0, 0},
          {breadth, flange - taper, root * 0.3},
          {x2, flange + taper, root},
          {x2, depth - flange - taper, root},
          {breadth, depth - flange + taper, root * 0.3},
          {breadth, depth, 0},
          {0, depth, 0},
          {0, depth - flange + taper, root * 0.3},
          {x1, depth - flange - taper, root},
          {x1, flange + taper, root},
          {0, flange - taper, root * 0.3}};
}

// The same section turned on its side: web horizontal, flanges vertical on the left and right.
std::vector<Corner> SideISection(double depth, double breadth, double web, double flange,
                                 double root, double taper) {
  std::vector<Corner> upright = UprightISection(depth, breadth, web, flange, root, taper);
  for (Corner& c : upright) std::swap(c.x, c.y);
  return upright;
}

}  // namespace pw::pictures

#pragma once
// Points, vectors and rectangles of the drawings, in pixels (y down), and angles.

#include <cmath>

namespace pw::pictures {

constexpr double kPi = 3.14159265358979323846;

inline double Radians(double degrees) {
  return degrees * kPi / 180.0;
}

struct Point {
  double x, y;
};

inline Point operator+(Point a, Point b) {
  return {a.x + b.x, a.y + b.y};
}
inline Point operator-(Point a, Point b) {
  return {a.x - b.x, a.y - b.y};
}
inline Point operator*(Point a, double k) {
  return {a.x * k, a.y * k};
}
inline double Dot(Point a, Point b) {
  return a.x * b.x + a.y * b.y;
}
inline double Length(Point a) {
  return std::hypot(a.x, a.y);
}
inline Point Unit(Point a) {
  return a * (1.0 / Length(a));
}
// The left-hand normal on screen: (1, 0) gives (0, -1), pointing up.
inline Point Normal(Point d) {
  return {d.y, -d.x};
}
// The point at a distance from the centre, the angle counter-clockwise on screen.
inline Point Polar(Point centre, double radius, double angle) {
  return {centre.x + radius * std::cos(angle), centre.y - radius * std::sin(angle)};
}

// The short name the drawings use.
using P = Point;

// A rectangle by its edges.
struct Rect {
  double left, top, right, bottom;

  double Width() const { return right - left; }
  double Height() const { return bottom - top; }
};

}  // namespace pw::pictures

#pragma once
// Points and vectors of the drawings, in pixels (y down).

#include <cmath>

namespace pw::pictures {

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

}  // namespace pw::pictures

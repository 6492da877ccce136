#pragma once
// The colour of the drawings: red, green and blue from 0 to 1, as cairo takes them; pictures are
// written with eight bits a component.

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace pw::pictures {

struct Colour {
  double r, g, b;
};

// A colour given in eight-bit components.
constexpr Colour Rgb255(int r, int g, int b) {
  return {r / 255.0, g / 255.0, b / 255.0};
}

inline Colour Mix(Colour a, Colour b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

inline Colour Shade(Colour c, double k) {
  return {std::clamp(c.r * k, 0.0, 1.0), std::clamp(c.g * k, 0.0, 1.0),
          std::clamp(c.b * k, 0.0, 1.0)};
}

// A component as eight bits, rounded.
inline std::uint8_t Byte(double v) {
  return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
}

inline bool SameBytes(Colour a, Colour b) {
  return Byte(a.r) == Byte(b.r) && Byte(a.g) == Byte(b.g) && Byte(a.b) == Byte(b.b);
}

// Makes the colour the source of the context.
inline void Use(cairo_t* cr, Colour c, double alpha = 1.0) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

inline void AddStop(cairo_pattern_t* pattern, double offset, Colour c) {
  cairo_pattern_add_color_stop_rgb(pattern, offset, c.r, c.g, c.b);
}

// A deterministic hash of a pixel position, in [0, 1).
inline double Noise(int x, int y, std::uint32_t seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                    static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFFu) / 16777216.0;
}

}  // namespace pw::pictures

#pragma once
// Rendered views: a small scene of flat-shaded polygons, shaded spheres and lines, seen through
// a pinhole camera and painted back to front; and the photographic touches around it (sky
// gradient, ground texture, clouds, vignette).

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "pictures/kit/Colour.h"
#include "pictures/kit/Geometry.h"

namespace pw::pictures {

struct V3 {
  double x, y, z;  // z up
};

inline V3 operator+(V3 a, V3 b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline V3 operator-(V3 a, V3 b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline V3 operator*(V3 a, double k) {
  return {a.x * k, a.y * k, a.z * k};
}
inline double Dot(V3 a, V3 b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline V3 Cross(V3 a, V3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline V3 Normalize(V3 a) {
  return a * (1.0 / std::sqrt(Dot(a, a)));
}

struct Camera {
  V3 eye, forward, right, up;
  double focal, cx, cy;

  Camera(V3 from, V3 target, double focalLength, double centreX, double centreY);
  V3 ToView(V3 p) const {
    const V3 d = p - eye;
    return {Dot(d, right), Dot(d, up), Dot(d, forward)};
  }
  P ToScreen(V3 v) const { return {cx + focal * v.x / v.z, cy - focal * v.y / v.z}; }
};

struct Look {
  V3 light = Normalize({-0.45, -0.55, 0.70});  // towards the sun
  double ambient = 0.48, diffuse = 0.55;
  Colour fog = Rgb255(210, 220, 230);
  double fogDensity = 0.0;  // per metre of depth
  bool edges = false;       // outline faces in a darker tone (a CAD rendering)
  double edgeAlpha = 0.55;
};

class Scene {
 public:
  // A flat polygon; `emissive` ones keep their colour whatever the light.
  void Polygon(std::vector<V3> points, Colour colour, bool emissive = false);
  void Quad(V3 a, V3 b, V3 c, V3 d, Colour colour, bool emissive = false);
  // An axis-aligned box.
  void Box(V3 lo, V3 hi, Colour c);
  // A box of section w x h along a -> b, cut into pieces no longer than `piece` so that the
  // painter's order stays right along long members.
  void Beam(V3 a, V3 b, double w, double h, Colour c, double piece = 3.0);
  // An I-section: two flanges and a web; the flanges lie across `v` (up for a beam).
  void ISection(V3 a, V3 b, double depth, double width, Colour c, double piece = 3.0);
  // A cylinder (or a cone frustum) from `base` along the unit `axis`; radii across two
  // directions allow an elliptic section.
  void Cylinder(V3 base, V3 axis, double length, double r0, double r1, Colour c, int segments = 16,
                double squash = 1.0, bool caps = true);
  void Sphere(V3 centre, double radius, Colour c);
  void Line3(V3 a, V3 b, Colour c, double width);

  // Paints the items from the farthest to the nearest.
  void Render(cairo_t* cr, const Camera& camera, const Look& look) const;

 private:
  enum class Kind { Polygon, Sphere, Line };
  struct Item {
    Kind kind;
    std::vector<V3> points;
    Colour colour;
    double radius;
    double width;
    bool emissive;
  };
  // An item as it is seen: its mean depth and its points on the screen.
  struct Drawn {
    double depth;
    std::size_t index;
    std::vector<P> points;
  };

  std::vector<Drawn> Project(const Camera& camera) const;
  static void PaintPolygon(cairo_t* cr, const Item& item, const Drawn& d, const Camera& camera,
                           const Look& look, double fog);
  static void PaintSphere(cairo_t* cr, const Item& item, const Drawn& d, const Camera& camera,
                          const Look& look, double fog);
  static std::vector<V3> ClipNear(const std::vector<V3>& in, double nearPlane);
  static Colour Lit(const Item& item, const Camera& camera, const Look& look);

  std::vector<Item> items_;
};

// A darkening towards the corners, as a camera lens gives.
void Vignette(cairo_t* cr, double w, double h, double strength);
void VerticalGradient(cairo_t* cr, double x, double y, double w, double h, Colour top,
                      Colour bottom);
// The screen row of the horizon.
double HorizonY(const Camera& camera);
// Open ground from the horizon down: hazy far away, with a grain that coarsens towards the
// viewer.
void GroundTexture(cairo_t* cr, int w, int h, double horizon, Colour farColour, Colour nearColour,
                   std::uint32_t seed);
// A soft cloud: overlapping translucent white discs.
void Cloud(cairo_t* cr, double x, double y, double size, std::uint32_t seed);

}  // namespace pw::pictures

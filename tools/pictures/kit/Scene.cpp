#include "pictures/kit/Scene.h"

#include <algorithm>

#include "pictures/kit/Drafting.h"

namespace pw::pictures {

Camera::Camera(V3 from, V3 target, double focalLength, double centreX, double centreY)
    : eye(from), focal(focalLength), cx(centreX), cy(centreY) {
  forward = Normalize(target - from);
  right = Normalize(Cross(forward, {0, 0, 1}));
  up = Cross(right, forward);
}

void Scene::Polygon(std::vector<V3> points, Colour colour, bool emissive) {
  items_.push_back({Kind::Polygon, std::move(points), colour, 0, 0, emissive});
}

void Scene::Quad(V3 a, V3 b, V3 c, V3 d, Colour colour, bool emissive) {
  Polygon({a, b, c, d}, colour, emissive);
}

void Scene::Box(V3 lo, V3 hi, Colour c) {
  const V3 p[8] = {{lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, hi.y, lo.z}, {lo.x, hi.y, lo.z},
                   {lo.x, lo.y, hi.z}, {hi.x, lo.y, hi.z}, {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}};
  Quad(p[0], p[1], p[2], p[3], c);
  Quad(p[4], p[5], p[6], p[7], c);
  Quad(p[0], p[1], p[5], p[4], c);
  Quad(p[1], p[2], p[6], p[5], c);
  Quad(p[2], p[3], p[7], p[6], c);
  Quad(p[3], p[0], p[4], p[7], c);
}

void Scene::Beam(V3 a, V3 b, double w, double h, Colour c, double piece) {
  const V3 axis = b - a;
  const double length = std::sqrt(Dot(axis, axis));
  const V3 d = axis * (1.0 / length);
  const V3 ref = std::abs(d.z) > 0.9 ? V3{1, 0, 0} : V3{0, 0, 1};
  const V3 u = Normalize(Cross(d, ref)) * (w / 2);
  const V3 v = Normalize(Cross(Normalize(Cross(d, ref)), d)) * (h / 2);
  const int n = std::max(1, static_cast<int>(std::ceil(length / piece)));
  for (int i = 0; i < n; ++i) {
    const V3 p0 = a + axis * (static_cast<double>(i) / n);
    const V3 p1 = a + axis * (static_cast<double>(i + 1) / n);
    const V3 c0[4] = {p0 + u + v, p0 - u + v, p0 - u - v, p0 + u - v};
    const V3 c1[4] = {p1 + u + v, p1 - u + v, p1 - u - v, p1 + u - v};
    for (int k = 0; k < 4; ++k) Quad(c0[k], c0[(k + 1) % 4], c1[(k + 1) % 4], c1[k], c);
    if (i == 0) Quad(c0[0], c0[1], c0[2], c0[3], c);
    if (i == n - 1) Quad(c1[0], c1[1], c1[2], c1[3], c);
  }
}

void Scene::ISection(V3 a, V3 b, double depth, double width, Colour c, double piece) {
  const V3 d = Normalize(b - a);
  const V3 ref = std::abs(d.z) > 0.9 ? V3{1, 0, 0} : V3{0, 0, 1};
  const V3 v = Normalize(Cross(Normalize(Cross(d, ref)), d));
  const double tf = std::max(0.02, depth * 0.07);
  const V3 off = v * (depth / 2 - tf / 2);
  Beam(a + off, b + off, width, tf, c, piece);
  Beam(a - off, b - off, width, tf, c, piece);
  Beam(a, b, width * 0.12, depth - 2 * tf, Shade(c, 0.92), piece);
}

void Scene::Cylinder(V3 base, V3 axis, double length, double r0, double r1, Colour c, int segments,
                     double squash, bool caps) {
  const V3 ref = std::abs(axis.z) > 0.9 ? V3{1, 0, 0} : V3{0, 0, 1};
  const V3 u = Normalize(Cross(axis, ref));
  const V3 v = Cross(u, axis);
  const V3 top = base + axis * length;
  std::vector<V3> ring0, ring1;
  for (int i = 0; i < segments; ++i) {
    const double t = 2 * kPi * i / segments;
    const V3 dir = u * std::cos(t) + v * (std::sin(t) * squash);
    ring0.push_back(base + dir * r0);
    ring1.push_back(top + dir * r1);
  }
  for (int i = 0; i < segments; ++i) {
    const int j = (i + 1) % segments;
    Quad(ring0[i], ring0[j], ring1[j], ring1[i], c);
  }
  if (caps) {
    Polygon(ring0, c);
    if (r1 > 0.001) Polygon(ring1, c);
  }
}

void Scene::Sphere(V3 centre, double radius, Colour c) {
  items_.push_back({Kind::Sphere, {centre}, c, radius, 0, false});
}

void Scene::Line3(V3 a, V3 b, Colour c, double width) {
  items_.push_back({Kind::Line, {a, b}, c, 0, width, false});
}

std::vector<Scene::Drawn> Scene::Project(const Camera& camera) const {
  std::vector<Drawn> drawn;
  const double nearPlane = 0.5;  // keeps far corners within cairo's coordinate range
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const Item& item = items_[i];
    std::vector<V3> view;
    for (const V3& p : item.points) view.push_back(camera.ToView(p));
    if (item.kind == Kind::Polygon) view = ClipNear(view, nearPlane);
    if (view.empty()) continue;
    bool visible = true;
    double depth = 0;
    for (const V3& v : view) {
      if (v.z < nearPlane - 1e-9) visible = false;
      depth += v.z;
    }
    if (!visible) continue;
    depth /= static_cast<double>(view.size());
    if (item.kind == Kind::Sphere) depth -= item.radius * 0.5;  // heads over necks
    Drawn d{depth, i, {}};
    for (const V3& v : view) d.points.push_back(camera.ToScreen(v));
    drawn.push_back(std::move(d));
  }
  std::stable_sort(drawn.begin(), drawn.end(),
                   [](const Drawn& a, const Drawn& b) { return a.depth > b.depth; });
  return drawn;
}

void Scene::Render(cairo_t* cr, const Camera& camera, const Look& look) const {
  for (const Drawn& d : Project(camera)) {
    const Item& item = items_[d.index];
    const double fog = 1.0 - std::exp(-look.fogDensity * d.depth);
    switch (item.kind) {
      case Kind::Polygon:
        PaintPolygon(cr, item, d, camera, look, fog);
        break;
      case Kind::Sphere:
        PaintSphere(cr, item, d, camera, look, fog);
        break;
      case Kind::Line:
        Use(cr, Mix(item.colour, look.fog, fog));
        cairo_set_line_width(cr, item.width);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        Line(cr, d.points[0], d.points[1]);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
        break;
    }
  }
}

void Scene::PaintPolygon(cairo_t* cr, const Item& item, const Drawn& d, const Camera& camera,
                         const Look& look, double fog) {
  Colour c = item.colour;
  if (!item.emissive) c = Lit(item, camera, look);
  c = Mix(c, look.fog, fog);
  Path(cr, d.points, true);
  Use(cr, c);
  cairo_fill_preserve(cr);
  if (look.edges) {
    Use(cr, Shade(c, 0.55), look.edgeAlpha);
    cairo_set_line_width(cr, 0.6);
  } else {
    cairo_set_line_width(cr, 0.5);  // closes the seams between neighbours
  }
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_BEVEL);
  cairo_stroke(cr);
}

void Scene::PaintSphere(cairo_t* cr, const Item& item, const Drawn& d, const Camera& camera,
                        const Look& look, double fog) {
  const V3 v = camera.ToView(item.points[0]);
  const double r = camera.focal * item.radius / v.z;
  const P c = d.points[0];
  const V3 l = look.light;
  const P highlight{c.x + r * 0.45 * Dot(l, camera.right), c.y - r * 0.45 * Dot(l, camera.up)};
  cairo_pattern_t* g = cairo_pattern_create_radial(highlight.x, highlight.y, r * 0.1, c.x, c.y, r);
  AddStop(g, 0, Mix(Shade(item.colour, look.ambient + look.diffuse), look.fog, fog));
  AddStop(g, 1, Mix(Shade(item.colour, look.ambient * 0.8), look.fog, fog));
  cairo_new_sub_path(cr);
  cairo_arc(cr, c.x, c.y, r, 0, 2 * kPi);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

std::vector<V3> Scene::ClipNear(const std::vector<V3>& in, double nearPlane) {
  std::vector<V3> out;
  for (std::size_t i = 0; i < in.size(); ++i) {
    const V3& a = in[i];
    const V3& b = in[(i + 1) % in.size()];
    const bool ina = a.z >= nearPlane, inb = b.z >= nearPlane;
    if (ina) out.push_back(a);
    if (ina != inb) {
      const double t = (nearPlane - a.z) / (b.z - a.z);
      out.push_back(a + (b - a) * t);
    }
  }
  return out;
}

Colour Scene::Lit(const Item& item, const Camera& camera, const Look& look) {
  // Newell's normal, turned towards the camera.
  V3 n{0, 0, 0};
  const auto& p = item.points;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const V3& a = p[i];
    const V3& b = p[(i + 1) % p.size()];
    n = n + V3{(a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x), (a.x - b.x) * (a.y + b.y)};
  }
  if (Dot(n, n) < 1e-18) return Shade(item.colour, look.ambient);
  n = Normalize(n);
  if (Dot(n, camera.eye - p[0]) < 0) n = n * -1.0;
  const double k = look.ambient + look.diffuse * std::max(0.0, Dot(n, look.light)) +
                   0.08 * std::max(0.0, n.z);  // a little light from the sky
  return Shade(item.colour, k);
}

// A darkening towards the corners, as a camera lens gives.
void Vignette(cairo_t* cr, double w, double h, double strength) {
  cairo_pattern_t* g = cairo_pattern_create_radial(w / 2, h / 2, std::min(w, h) * 0.35, w / 2,
                                                   h / 2, std::hypot(w, h) * 0.55);
  cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, strength);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void VerticalGradient(cairo_t* cr, double x, double y, double w, double h, Colour top,
                      Colour bottom) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
  cairo_rectangle(cr, x, y, w, h);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// The screen row of the horizon.
double HorizonY(const Camera& camera) {
  const V3 level = Normalize({camera.forward.x, camera.forward.y, 0});
  return camera.cy - camera.focal * Dot(level, camera.up) / Dot(level, camera.forward);
}

// Open ground from the horizon down: hazy far away, with a grain that coarsens towards the
// viewer.
void GroundTexture(cairo_t* cr, int w, int h, double horizon, Colour farColour, Colour nearColour,
                   std::uint32_t seed) {
  cairo_surface_t* texture = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  unsigned char* data = cairo_image_surface_get_data(texture);
  const int stride = cairo_image_surface_get_stride(texture);
  const int first = std::max(0, static_cast<int>(std::floor(horizon)));
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
    for (int x = 0; x < w; ++x) {
      if (y < first) {
        row[x] = 0;
        continue;
      }
      const double t = std::clamp((y - horizon) / (h - horizon), 0.0, 1.0);
      const double scale = 1 + 6 * t;  // grain size grows towards the viewer
      const double grain =
          Noise(static_cast<int>(x / scale), static_cast<int>(y / (scale * 0.5)), seed);
      const double patch =
          Noise(static_cast<int>(x / (30 * scale)), static_cast<int>(y / (6 * scale)), seed + 1);
      const double k = 0.9 + 0.1 * grain * t + 0.1 * patch;
      const Colour c = Shade(Mix(farColour, nearColour, std::sqrt(t)), k);
      const double a = std::clamp(y - horizon, 0.0, 1.0);
      row[x] = (static_cast<std::uint32_t>(a * 255) << 24) |
               (static_cast<std::uint32_t>(Byte(c.r * a)) << 16) |
               (static_cast<std::uint32_t>(Byte(c.g * a)) << 8) | Byte(c.b * a);
    }
  }
  cairo_surface_mark_dirty(texture);
  cairo_set_source_surface(cr, texture, 0, 0);
  cairo_paint(cr);
  cairo_surface_destroy(texture);
}

// A soft cloud: overlapping translucent white discs.
void Cloud(cairo_t* cr, double x, double y, double size, std::uint32_t seed) {
  for (int i = 0; i < 9; ++i) {
    const double px = x + (Noise(i, 0, seed) - 0.5) * size * 2.2;
    const double py = y + (Noise(i, 1, seed) - 0.5) * size * 0.5;
    const double r = size * (0.35 + 0.4 * Noise(i, 2, seed));
    cairo_pattern_t* g = cairo_pattern_create_radial(px, py, 0, px, py, r);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0.55);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0);
    cairo_new_sub_path(cr);
    cairo_arc(cr, px, py, r, 0, 2 * kPi);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
}

}  // namespace pw::pictures

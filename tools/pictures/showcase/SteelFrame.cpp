// Image8: a multi-storey steel frame being erected, seen from the site

#include "pictures/showcase/Drawings.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "pictures/kit/Drafting.h"
#include "pictures/kit/Scene.h"

namespace pw::pictures {

namespace {

constexpr int kWidth = 486, kHeight = 363;
constexpr Colour kSteel = Rgb255(150, 64, 44);  // red oxide primer
constexpr Colour kBrace = Rgb255(120, 60, 48);
constexpr Colour kConcrete = Rgb255(186, 184, 178);

// Sky with a few clouds.
void Sky(cairo_t* cr, int w, int h) {
  VerticalGradient(cr, 0, 0, w, h, Rgb255(92, 140, 196), Rgb255(214, 226, 236));
  Cloud(cr, 90, 60, 40, 1);
  Cloud(cr, 330, 40, 55, 2);
  Cloud(cr, 420, 120, 30, 3);
}

// Far hills, standing on the horizon.
void AddHills(Scene& scene) {
  for (int i = 0; i < 24; ++i) {
    const double x0 = -1600 + i * 160, x1 = x0 + 160;
    const double h0 = 40 + 70 * Noise(i, 0, 21), h1 = 40 + 70 * Noise(i + 1, 0, 21);
    scene.Quad({x0, 1400, -5}, {x1, 1400, -5}, {x1, 1400, h1}, {x0, 1400, h0},
               Rgb255(130, 140, 150), true);
  }
}

// Buildings in the haze beyond the site.
void AddTown(Scene& scene) {
  for (int i = 0; i < 14; ++i) {
    const double x = -180 + i * 32 + 10 * Noise(i, 1, 8), y = 260 + 120 * Noise(i, 2, 8);
    const double bw = 12 + 14 * Noise(i, 3, 8), bh = 6 + 22 * Noise(i, 4, 8);
    scene.Box({x, y, 0}, {x + bw, y + 10, bh},
              Shade(Rgb255(200, 196, 188), 0.9 + 0.15 * Noise(i, 5, 8)));
  }
}

// The ground slab, painted before the frame that stands on it.
void Slab(cairo_t* cr, const Camera& camera) {
  Scene slab;
  slab.Box({-2, -2, 0}, {26, 14, 0.25}, kConcrete);
  Look look;
  slab.Render(cr, camera, look);
}

void AddFrame(Scene& scene) {
  // Columns; the far corner bay is a storey short.
  for (double x = 0; x <= 24; x += 6)
    for (double y = 0; y <= 12; y += 6) {
      const double top = (x == 24 && y == 12) ? 12.0 : 16.3;
      scene.ISection({x, y, 0.25}, {x, y, top}, 0.32, 0.30, kSteel, 2.0);
      scene.Box({x - 0.3, y - 0.3, 0.25}, {x + 0.3, y + 0.3, 0.3}, Shade(kSteel, 0.8));
    }
  // Main beams at each level, joists on the lower two.
  for (double z : {4.0, 8.0, 12.0, 16.0}) {
    for (double y = 0; y <= 12; y += 6)
      for (double x = 0; x < 24; x += 6) {
        if (z == 16 && x == 18 && y == 12) continue;
        scene.ISection({x + 0.15, y, z - 0.2}, {x + 5.85, y, z - 0.2}, 0.4, 0.18, kSteel, 1.5);
      }
    for (double x = 0; x <= 24; x += 6)
      for (double y = 0; y < 12; y += 6) {
        if (z == 16 && x == 24 && y == 6) continue;
        scene.ISection({x, y + 0.15, z - 0.2}, {x, y + 5.85, z - 0.2}, 0.4, 0.18, kSteel, 1.5);
      }
    if (z <= 8)
      for (double x = 2; x < 24; x += 2) {
        if (static_cast<int>(x) % 6 == 0) continue;
        scene.ISection({x, 0.1, z - 0.15}, {x, 11.9, z - 0.15}, 0.27, 0.13, kSteel, 1.5);
      }
  }
  // Floors: kConcrete on the first, bare decking on part of the second.
  scene.Box({-0.1, -0.1, 4.0}, {24.1, 12.1, 4.18}, Rgb255(196, 194, 188));
  scene.Box({0, 0, 8.0}, {12, 12, 8.04}, Rgb255(160, 164, 170));
  // Bracing: crosses in the end bays of the long side and the near gable.
  for (double z0 : {0.25, 4.0, 8.0, 12.0}) {
    const double z1 = z0 < 1 ? 4.0 : z0 + 4.0;
    for (double x0 : {6.0, 18.0}) {
      scene.Beam({x0 + 0.2, -0.05, z0 + 0.2}, {x0 + 5.8, -0.05, z1 - 0.45}, 0.14, 0.14, kBrace);
      scene.Beam({x0 + 5.8, -0.05, z0 + 0.2}, {x0 + 0.2, -0.05, z1 - 0.45}, 0.14, 0.14, kBrace);
    }
    scene.Beam({-0.05, 0.2, z0 + 0.2}, {-0.05, 5.8, z1 - 0.45}, 0.14, 0.14, kBrace);
    scene.Beam({-0.05, 5.8, z0 + 0.2}, {-0.05, 0.2, z1 - 0.45}, 0.14, 0.14, kBrace);
  }
}

void AddSite(Scene& scene) {
  // Steel waiting on the ground, two erectors on the top beams.
  for (int i = 0; i < 5; ++i) {
    const double y = -6 - 0.35 * i, z = 0.1 + (i % 2) * 0.3;
    scene.ISection({3, y, z + 0.2}, {11 - i * 0.4, y, z + 0.2}, 0.4, 0.18, kSteel, 1.5);
  }
  for (V3 p : {V3{9, 0, 16.0}, V3{18.5, 12, 12.0}, V3{7.5, -5.5, 0.1}}) {
    for (double dx : {-0.1, 0.1})
      scene.Cylinder(p + V3{dx, 0, 0}, {0, 0, 1}, 0.85, 0.07, 0.08, Rgb255(50, 60, 90), 8);
    scene.Cylinder(p + V3{0, 0, 0.85}, {0, 0, 1}, 0.6, 0.11, 0.13, Rgb255(245, 120, 20), 10, 1.4);
    scene.Sphere(p + V3{0, 0, 1.62}, 0.14, Rgb255(245, 245, 240));
  }
}

// Tower crane: lattice mast, jib, counter-jib with its weights, hoist rope.
void AddCrane(Scene& scene) {
  const Colour yellow = Rgb255(235, 185, 20);
  const double cx = 31, cy = 20, mast = 34;
  for (double dx : {-0.8, 0.8})
    for (double dy : {-0.8, 0.8})
      scene.Line3({cx + dx, cy + dy, 0}, {cx + dx, cy + dy, mast}, yellow, 1.0);
  for (double z = 0; z < mast; z += 1.6) {
    scene.Line3({cx - 0.8, cy - 0.8, z}, {cx + 0.8, cy - 0.8, z + 1.6}, yellow, 0.6);
    scene.Line3({cx - 0.8, cy - 0.8, z}, {cx - 0.8, cy + 0.8, z + 1.6}, yellow, 0.6);
  }
  for (double dy : {-0.6, 0.6}) {
    scene.Line3({cx + 8, cy + dy, mast}, {-14, cy + dy, mast}, yellow, 1.0);
    scene.Line3({cx + 8, cy + dy, mast}, {cx + 8, cy + dy, mast}, yellow, 1.0);
  }
  scene.Line3({cx, cy, mast + 1.3}, {-14, cy, mast}, yellow, 0.8);
  for (double x = -14; x < cx; x += 1.6)
    scene.Line3({x, cy - 0.6, mast}, {x + 0.8, cy, mast + 1.3}, yellow, 0.5);
  scene.Line3({cx, cy, mast + 1.3}, {cx + 8, cy, mast}, yellow, 0.8);
  scene.Line3({cx, cy, mast}, {cx, cy, mast + 4}, yellow, 1.2);
  scene.Line3({cx, cy, mast + 4}, {-14, cy, mast}, Rgb255(60, 60, 60), 0.4);
  scene.Line3({cx, cy, mast + 4}, {cx + 8, cy, mast}, Rgb255(60, 60, 60), 0.4);
  scene.Box({cx + 5, cy - 1, mast - 1.6}, {cx + 8, cy + 1, mast}, Rgb255(150, 150, 150));
  scene.Box({cx - 1, cy - 1.2, mast - 2.2}, {cx + 1, cy - 0.6, mast - 0.4}, Rgb255(240, 240, 235));
  scene.Line3({4, cy, mast}, {4, cy, 19}, Rgb255(50, 50, 50), 0.5);
  scene.Box({3.7, cy - 0.3, 18.4}, {4.3, cy + 0.3, 19}, yellow);
}

// The view from the site: sky, the town beyond, the slab and the frame with its crane.
void SteelFrame(cairo_t* cr) {
  const int w = kWidth, h = kHeight;
  const Camera camera({-10, -23, 2.2}, {11.5, 6, 7.4}, 340, w / 2.0, h / 2.0);
  Sky(cr, w, h);
  Scene scene;
  AddHills(scene);
  GroundTexture(cr, w, h, HorizonY(camera), Rgb255(178, 176, 166), Rgb255(150, 136, 110), 31);
  AddTown(scene);
  Slab(cr, camera);
  AddFrame(scene);
  AddSite(scene);
  AddCrane(scene);
  Look look;
  look.fogDensity = 0.0035;
  look.fog = Rgb255(200, 212, 224);
  scene.Render(cr, camera, look);
  Vignette(cr, w, h, 0.28);
}

}  // namespace

const Slide kSteelFrame{kWidth, kHeight, std::nullopt, nullptr, {SteelFrame}};

}  // namespace pw::pictures

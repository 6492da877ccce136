// Image11: the 3D model of a raw material handling and cement storage plant

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

// A cylindrical silo on four columns: hopper, shell, conical roof, ring beam.
void ModelSilo(Scene& scene, double x, double y, double r, Colour shell, Colour steel) {
  const double legs = 7, height = 17;
  for (int i = 0; i < 4; ++i) {
    const double a = Radians(45 + 90 * i);
    const V3 base{x + r * 0.8 * std::cos(a), y + r * 0.8 * std::sin(a), 0};
    scene.Beam(base, base + V3{0, 0, legs + 1}, 0.6, 0.6, steel);
  }
  scene.Cylinder({x, y, legs - 4}, {0, 0, 1}, 4, 0.5, r, shell, 28, 1.0, false);
  scene.Cylinder({x, y, legs}, {0, 0, 1}, 0.7, r + 0.15, r + 0.15, Shade(steel, 0.9), 28);
  scene.Cylinder({x, y, legs + 0.7}, {0, 0, 1}, height, r, r, shell, 28, 1.0, false);
  scene.Cylinder({x, y, legs + 0.7 + height}, {0, 0, 1}, 1.6, r, 0.2, Shade(shell, 1.05), 28);
}

// Label of an item of equipment with a leader to it.
void ModelTag(cairo_t* cr, const Camera& camera, V3 anchor, P offset, std::string_view tag) {
  const P a = camera.ToScreen(camera.ToView(anchor));
  const P at = a + offset;
  const Font font{kSans, 10, true};
  const double tw = TextWidth(cr, tag, font);
  Use(cr, Rgb255(255, 255, 255));
  cairo_set_line_width(cr, 1.0);
  Line(cr, a, at);
  Dot(cr, a.x, a.y, 2);
  cairo_rectangle(cr, at.x - tw / 2 - 4, at.y - 9, tw + 8, 14);
  Use(cr, Rgb255(20, 40, 80), 0.85);
  cairo_fill_preserve(cr);
  Use(cr, Rgb255(255, 255, 255));
  cairo_stroke(cr);
  Text(cr, tag, font, at.x, at.y + 2, Align::Centre);
}

// The 3D model of a raw material handling and cement storage plant, shaded with edges as the
// modelling program shows it; the scene is filled first with what stands on the ground.
struct PlantModel {
  static constexpr int kWidth = 971, kHeight = 665;

  cairo_t* cr;
  static constexpr int w = kWidth, h = kHeight;
  const Camera camera{{-66, -80, 44}, {0, 4, 11}, 1050, w / 2.0, h / 2.0 + 20};
  // The modelling program's shading: light from the upper left, edges drawn.
  const Look look{.light = Normalize({-0.35, -0.6, 0.72}),
                  .ambient = 0.5,
                  .diffuse = 0.55,
                  .edges = true,
                  .edgeAlpha = 0.45};
  Scene scene{};
  const Colour blue = Rgb255(44, 96, 170), yellow = Rgb255(236, 196, 40);
  const Colour concrete = Rgb255(186, 186, 180);
  const Colour orange = Rgb255(232, 122, 36), green = Rgb255(60, 132, 84);

  void Background() { VerticalGradient(cr, 0, 0, w, h, Rgb255(34, 54, 88), Rgb255(170, 186, 206)); }

  // Ground with a survey grid, foundations.
  void Ground() {
    Look flat = look;
    flat.edges = false;
    Scene ground;
    ground.Quad({-900, -900, 0}, {900, -900, 0}, {900, 900, 0}, {-900, 900, 0},
                Rgb255(118, 134, 108));
    ground.Render(cr, camera, flat);
    Scene grid;
    for (double v = -120; v <= 160; v += 10) {
      grid.Line3({-140, v, 0.02}, {160, v, 0.02}, Rgb255(136, 152, 126), 0.6);
      grid.Line3({v, -120, 0.02}, {v, 160, 0.02}, Rgb255(136, 152, 126), 0.6);
    }
    grid.Render(cr, camera, flat);
    // Haze towards the horizon hides the far edge of the ground.
    const double horizon = HorizonY(camera);
    cairo_pattern_t* haze = cairo_pattern_create_linear(0, horizon - 40, 0, horizon + 110);
    cairo_pattern_add_color_stop_rgba(haze, 0, 0.50, 0.58, 0.70, 1.0);
    cairo_pattern_add_color_stop_rgba(haze, 0.3, 0.55, 0.62, 0.70, 0.9);
    cairo_pattern_add_color_stop_rgba(haze, 1, 0.55, 0.62, 0.66, 0.0);
    cairo_rectangle(cr, 0, horizon - 40, w, 150);
    cairo_set_source(cr, haze);
    cairo_fill(cr);
    cairo_pattern_destroy(haze);
    Scene pads;
    pads.Box({-8, -4, 0}, {36, 22, 0.3}, concrete);
    pads.Box({-52, 1, 0}, {-40, 9, 0.3}, concrete);
    pads.Box({-27, -25, 0}, {-11, -14, 0.2}, concrete);
    pads.Render(cr, camera, look);
  }

  void Tower() {
    // Transfer tower: columns, beams, floors, clad top storey, handrails, stair.
    const double levels[] = {6, 12, 18, 24};
    for (double x : {0.0, 6.0, 12.0})
      for (double y : {0.0, 9.0}) scene.Beam({x, y, 0.3}, {x, y, 28}, 0.5, 0.5, blue, 4);
    for (double z : {6.0, 12.0, 18.0, 24.0, 28.0}) {
      for (double y : {0.0, 9.0}) scene.Beam({0, y, z}, {12, y, z}, 0.35, 0.5, blue, 3);
      for (double x : {0.0, 6.0, 12.0}) scene.Beam({x, 0, z}, {x, 9, z}, 0.35, 0.5, blue, 3);
    }
    for (double z : levels) {
      scene.Box({0, 0, z + 0.25}, {12, 9, z + 0.35}, Rgb255(150, 154, 160));
      for (double y : {0.0, 9.0}) scene.Line3({0, y, z + 1.4}, {12, y, z + 1.4}, yellow, 1.2);
      scene.Line3({0, 0, z + 1.4}, {0, 9, z + 1.4}, yellow, 1.2);
    }
    for (double x : {0.0, 6.0})
      for (double z0 : {0.3, 6.0, 12.0}) {
        scene.Beam({x + 0.3, 0, z0 + 0.3}, {x + 5.7, 0, z0 + 5.7}, 0.25, 0.25, blue);
        scene.Beam({x + 5.7, 0, z0 + 0.3}, {x + 0.3, 0, z0 + 5.7}, 0.25, 0.25, blue);
      }
    scene.Box({-0.1, -0.1, 24.4}, {12.1, 9.1, 28.0}, Rgb255(222, 224, 228));
    scene.Box({-0.4, -0.4, 28.0}, {12.4, 9.4, 28.4}, Rgb255(170, 60, 50));
    for (double x = 1; x < 12; x += 2.5)
      scene.Quad({x, -0.12, 25.4}, {x + 1.2, -0.12, 25.4}, {x + 1.2, -0.12, 26.8}, {x, -0.12, 26.8},
                 Rgb255(60, 90, 130));
    for (double z0 = 0.3; z0 < 24; z0 += 3) {
      const double zm = z0 + 3;
      scene.Beam({12.6, 1.0, z0}, {15.4, 1.0, zm}, 1.0, 0.25, yellow, 2);
      scene.Box({12.4, 0.3, zm - 0.1}, {15.6, 2.2, zm}, Rgb255(150, 154, 160));
    }
    for (double x : {12.4, 15.6}) scene.Beam({x, 0.3, 0.3}, {x, 0.3, 24}, 0.25, 0.25, blue, 4);
  }

  void ElevatorAndGallery() {
    // Bucket elevator beside the tower.
    scene.Box({-3.4, 3.0, 0.3}, {-1.4, 4.2, 30}, orange);
    scene.Box({-3.8, 2.7, 30}, {-1.0, 4.5, 32.5}, orange);
    scene.Box({-1.0, 3.2, 30.6}, {0.2, 4.0, 31.6}, Rgb255(80, 86, 96));

    // Covered belt conveyor gallery rising to the tower, on trestles.
    {
      const V3 a{-46, 5, 2.5}, b{0, 5, 25.5};
      scene.Box({-50, 2.5, 0.3}, {-42, 7.5, 3.5}, Rgb255(150, 154, 160));
      scene.Beam(a, b, 3.2, 2.6, Rgb255(184, 200, 186), 2.5);
      const V3 d = Normalize(b - a);
      const V3 v = Normalize(Cross(Normalize(Cross(d, {0, 0, 1})), d));
      scene.Beam(a + v * 1.4, b + v * 1.4, 3.8, 0.18, green, 2.5);
      for (double t : {0.22, 0.45, 0.68}) {
        const V3 p = a + (b - a) * t;
        for (double dy : {-1.5, 1.5})
          scene.Beam({p.x, p.y + dy, 0.3}, {p.x, p.y + dy, p.z - 1.3}, 0.4, 0.4, blue, 4);
        for (double z = 3; z < p.z - 2; z += 5)
          scene.Line3({p.x, p.y - 1.5, z}, {p.x, p.y + 1.5, z + 4}, blue, 1.0);
      }
    }
  }

  void Silos() {
    // Two silos and the conveyor from the tower roof to their roofs.
    const Colour silo = Rgb255(214, 216, 220);
    ModelSilo(scene, 26, 1, 5, silo, blue);
    ModelSilo(scene, 26, 14, 5, silo, blue);
    scene.Beam({12, 4.5, 27.2}, {22, 4.5, 27.2}, 1.2, 1.0, yellow, 2);
    scene.Beam({22, 1, 27.2}, {22, 14, 27.2}, 1.2, 1.0, yellow, 2);
    for (double y : {1.0, 14.0})
      scene.Box({21.2, y - 0.8, 25.4}, {22.8, y + 0.8, 26.7}, Rgb255(236, 236, 236));
  }

  // The dust filter, the pipe rack, the control building and a water tank.
  void Utilities() {
    // Dust filter on the tower roof with its duct.
    scene.Box({2, 2, 28.4}, {6, 6, 32}, Rgb255(238, 238, 240));
    scene.Cylinder({6, 4, 31}, {1, 0, 0}, 5, 0.4, 0.4, Rgb255(150, 160, 170), 10);
    scene.Cylinder({8.5, 4, 32.4}, {0, 0, 1}, 3.5, 0.45, 0.45, Rgb255(150, 160, 170), 10);

    // Pipe rack along the front with its pipes.
    for (double x = -10; x <= 40; x += 6) {
      for (double y : {-12.0, -9.0}) scene.Beam({x, y, 0}, {x, y, 5}, 0.35, 0.35, blue, 3);
      scene.Beam({x, -12.2, 5}, {x, -8.8, 5}, 0.35, 0.4, blue);
    }
    const Colour pipes[] = {green, yellow, Rgb255(170, 176, 184), Rgb255(190, 40, 36)};
    for (int i = 0; i < 4; ++i)
      scene.Cylinder({-10, -11.6 + i * 0.8, 5.5}, {1, 0, 0}, 50, 0.25, 0.25, pipes[i], 10);

    // Control building and a water tank.
    scene.Box({-26, -24, 0}, {-12, -15, 4.5}, Rgb255(226, 220, 204));
    scene.Box({-26.3, -24.3, 4.5}, {-11.7, -14.7, 4.9}, Rgb255(140, 140, 140));
    for (double x = -25; x < -13; x += 2.4)
      scene.Quad({x, -24.02, 1.3}, {x + 1.4, -24.02, 1.3}, {x + 1.4, -24.02, 3.2}, {x, -24.02, 3.2},
                 Rgb255(50, 80, 120));
    scene.Cylinder({44, -4, 0}, {0, 0, 1}, 7, 4, 4, Rgb255(176, 196, 210), 24);
    scene.Cylinder({44, -4, 7}, {0, 0, 1}, 0.8, 4, 0.3, Rgb255(176, 196, 210), 24);
  }

  void Render() { scene.Render(cr, camera, look); }

  // Tags and the title band.
  void Tags() {
    ModelTag(cr, camera, {-2.4, 3.6, 32.5}, {-40, -36}, "BE-301");
    ModelTag(cr, camera, {-23, 5, 14}, {-30, -50}, "BC-101");
    ModelTag(cr, camera, {26, 1, 25.3}, {60, -40}, "SL-501");
    ModelTag(cr, camera, {26, 14, 25.3}, {70, -30}, "SL-502");
    ModelTag(cr, camera, {17, 4.5, 27.8}, {0, -60}, "DC-402");
    ModelTag(cr, camera, {6, 0, 18}, {-60, 10}, "TOWER T-01");
    FillBox(cr, 0, 0, w, 26, Rgb255(10, 20, 40));
    Use(cr, Rgb255(230, 236, 245));
    Text(cr,
         "NORVEX ENGINEERING CO.  |  RAW MATERIAL HANDLING AND CEMENT STORAGE  |  3D MODEL, REV. C",
         Font{kSans, 11, true}, 12, 17);
    Text(cr, "NX-0517-3D-001", Font{kSans, 11}, w - 12, 17, Align::Right);
  }

  // The axis triad of the modelling program, and the name of the view.
  void Triad() {
    const P o{52, h - 48};
    const struct {
      V3 axis;
      Colour colour;
      const char* name;
    } axes[] = {{{1, 0, 0}, Rgb255(230, 60, 50), "X"},
                {{0, 1, 0}, Rgb255(70, 200, 80), "Y"},
                {{0, 0, 1}, Rgb255(80, 140, 255), "Z"}};
    for (const auto& a : axes) {
      const P tip = o + P{Dot(a.axis, camera.right), -Dot(a.axis, camera.up)} * 30;
      Use(cr, a.colour);
      cairo_set_line_width(cr, 2.2);
      Line(cr, o, tip);
      Arrowhead(cr, tip + Unit(tip - o) * 5, tip - o, 7, 3.2);
      Text(cr, a.name, Font{kSans, 10, true}, tip.x + Unit(tip - o).x * 12,
           tip.y + Unit(tip - o).y * 12 + 4, Align::Centre);
    }
    Use(cr, Rgb255(230, 236, 245), 0.85);
    Text(cr, "SOUTH-WEST ISOMETRIC  -  SHADED WITH EDGES", Font{kSans, 9}, w - 12, h - 12,
         Align::Right);
  }

  static constexpr Part<PlantModel> kParts[] = {
      &PlantModel::Background, &PlantModel::Ground,
      &PlantModel::Tower,      &PlantModel::ElevatorAndGallery,
      &PlantModel::Silos,      &PlantModel::Utilities,
      &PlantModel::Render,     &PlantModel::Tags,
      &PlantModel::Triad};
};

}  // namespace

const Slide kPlantModel{
    PlantModel::kWidth, PlantModel::kHeight, std::nullopt, nullptr, {DrawView<PlantModel>}};

}  // namespace pw::pictures

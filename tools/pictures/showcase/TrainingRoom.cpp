// Image9: a lubrication course in the training room, seen from the back row

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

// A person seated at a desk, seen from behind (facing +y), on a chair.
void SeatedPerson(Scene& scene, double x, double y, Colour shirt, Colour hair) {
  const Colour skin = Rgb255(206, 160, 126);
  const Colour chair = Rgb255(40, 44, 56);
  scene.Box({x - 0.23, y - 0.25, 0.42}, {x + 0.23, y + 0.2, 0.47}, chair);
  scene.Box({x - 0.22, y - 0.3, 0.5}, {x + 0.22, y - 0.26, 0.9}, chair);
  scene.Box({x - 0.02, y - 0.05, 0.0}, {x + 0.02, y + 0.02, 0.42}, Rgb255(90, 90, 96));
  scene.Cylinder({x, y - 0.05, 0.47}, {0, 0, 1}, 0.62, 0.12, 0.125, shirt, 14, 1.6);
  for (double s : {-1.0, 1.0}) scene.Sphere({x + s * 0.15, y - 0.05, 1.03}, 0.085, shirt);
  scene.Cylinder({x, y - 0.04, 1.08}, {0, 0, 1}, 0.14, 0.05, 0.05, skin, 8);
  for (double s : {-1.0, 1.0}) scene.Sphere({x + s * 0.1, y - 0.02, 1.3}, 0.025, skin);
  scene.Sphere({x, y - 0.03, 1.31}, 0.105, hair);
}

// The training room seen from the back row: the room is x0 to x1 wide, y1 deep and top high;
// sy is the front wall, where the screen and the whiteboard hang.
struct TrainingRoom {
  static constexpr int kWidth = 461, kHeight = 346;

  cairo_t* cr;
  static constexpr int w = kWidth, h = kHeight;
  const Camera camera{{0.3, 0.4, 1.72}, {0.3, 9, 1.72}, 250, w / 2.0, h * 0.36};
  // Indoor light, from the windows on the left and above.
  const Look look{.light = Normalize({-0.45, -0.25, 0.86}), .ambient = 0.66, .diffuse = 0.36};
  const double x0 = -4.5, x1 = 4.5, y1 = 9, top = 3.1;
  const Colour wall = Rgb255(226, 218, 198);
  const double sy = y1 - 0.02;

  // The room: walls, floor and ceiling.
  void Walls() {
    Scene room;
    room.Quad({x0, 0, 0}, {x1, 0, 0}, {x1, y1, 0}, {x0, y1, 0}, Rgb255(92, 98, 112));
    room.Quad({x0, 0, top}, {x1, 0, top}, {x1, y1, top}, {x0, y1, top}, Rgb255(236, 236, 232));
    room.Quad({x0, y1, 0}, {x1, y1, 0}, {x1, y1, top}, {x0, y1, top}, Shade(wall, 1.02));
    room.Quad({x0, 0, 0}, {x0, y1, 0}, {x0, y1, top}, {x0, 0, top}, Shade(wall, 0.98));
    room.Quad({x1, 0, 0}, {x1, y1, 0}, {x1, y1, top}, {x1, 0, top}, Shade(wall, 0.9));
    room.Render(cr, camera, look);
  }

  // Soft light from the windows on the left wall and the floor near them.
  void WindowLight() {
    const P a = camera.ToScreen(camera.ToView({x0, 4.5, 1.6}));
    cairo_pattern_t* g = cairo_pattern_create_radial(a.x, a.y, 10, a.x, a.y, 260);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 0.95, 0.22);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 0.95, 0);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }

  // Fixtures on the walls and the ceiling, drawn over them: ceiling tiles, skirting boards,
  // windows with half-drawn blinds, door and notice board, screen and whiteboard.
  void Fixtures() {
    Scene room;
    for (double x = x0; x <= x1 + 0.01; x += 0.6)
      room.Line3({x, 0, top - 0.005}, {x, y1, top - 0.005}, Rgb255(205, 205, 200), 0.5);
    for (double y = 0; y <= y1 + 0.01; y += 0.6)
      room.Line3({x0, y, top - 0.005}, {x1, y, top - 0.005}, Rgb255(205, 205, 200), 0.5);
    for (double x : {-2.7, 0.3, 3.0})
      for (double y : {1.8, 4.2, 6.6}) {
        const double z = top - 0.01;
        room.Quad({x - 0.3, y, z}, {x + 0.3, y, z}, {x + 0.3, y + 1.2, z}, {x - 0.3, y + 1.2, z},
                  Rgb255(252, 252, 246), true);
      }
    // Skirting boards.
    room.Quad({x0 + 0.01, 0, 0}, {x0 + 0.01, y1, 0}, {x0 + 0.01, y1, 0.1}, {x0 + 0.01, 0, 0.1},
              Rgb255(110, 90, 70));
    room.Quad({x0, y1 - 0.01, 0}, {x1, y1 - 0.01, 0}, {x1, y1 - 0.01, 0.1}, {x0, y1 - 0.01, 0.1},
              Rgb255(110, 90, 70));
    // Windows on the left with half-drawn blinds.
    for (double wy : {1.2, 3.7, 6.2}) {
      const double xw = x0 + 0.01, z0 = 0.95, z1 = 2.5, wl = 1.7;
      room.Quad({xw, wy, z0}, {xw, wy + wl, z0}, {xw, wy + wl, z1}, {xw, wy, z1},
                Rgb255(224, 236, 246), true);
      for (double z = z1 - 0.03; z > 1.9; z -= 0.06)
        room.Line3({xw + 0.01, wy, z}, {xw + 0.01, wy + wl, z}, Rgb255(190, 196, 200), 0.8);
      for (double f : {0.0, 0.5, 1.0})
        room.Line3({xw + 0.02, wy + wl * f, z0}, {xw + 0.02, wy + wl * f, z1},
                   Rgb255(250, 250, 250), 1.6);
      room.Line3({xw + 0.02, wy, z0}, {xw + 0.02, wy + wl, z0}, Rgb255(250, 250, 250), 2.0);
    }
    // Door and notice board on the right.
    room.Quad({x1 - 0.01, 7.4, 0}, {x1 - 0.01, 8.4, 0}, {x1 - 0.01, 8.4, 2.1},
              {x1 - 0.01, 7.4, 2.1}, Rgb255(150, 110, 72));
    room.Quad({x1 - 0.01, 3.0, 1.1}, {x1 - 0.01, 5.0, 1.1}, {x1 - 0.01, 5.0, 2.0},
              {x1 - 0.01, 3.0, 2.0}, Rgb255(176, 136, 90));
    for (int i = 0; i < 6; ++i) {
      const double py = 3.15 + i * 0.3, pz = 1.25 + 0.35 * (i % 2);
      room.Quad({x1 - 0.02, py, pz}, {x1 - 0.02, py + 0.21, pz}, {x1 - 0.02, py + 0.21, pz + 0.3},
                {x1 - 0.02, py, pz + 0.3}, Rgb255(245, 245, 240));
    }
    // Screen and whiteboard on the front wall.
    room.Quad({-2.85, sy, 1.0}, {0.25, sy, 1.0}, {0.25, sy, 2.8}, {-2.85, sy, 2.8},
              Rgb255(60, 60, 64), true);
    room.Quad({1.45, sy, 0.9}, {3.95, sy, 0.9}, {3.95, sy, 2.15}, {1.45, sy, 2.15},
              Rgb255(170, 172, 176), true);
    room.Render(cr, camera, look);
  }

  // What the projector shows, and what is written on the whiteboard (the wall faces the
  // camera squarely, so both are plain rectangles on the picture).
  void Projection() {
    const P a = camera.ToScreen(camera.ToView({-2.8, sy, 2.76}));
    const P b = camera.ToScreen(camera.ToView({0.2, sy, 1.04}));
    const double sw = b.x - a.x, sh = b.y - a.y;
    cairo_save(cr);
    cairo_translate(cr, a.x, a.y);
    cairo_scale(cr, sw / 300.0, sh / 170.0);  // the slide is laid out on 300 x 170
    FillBox(cr, 0, 0, 300, 170, Rgb255(246, 248, 252));
    FillBox(cr, 0, 0, 300, 36, Rgb255(22, 62, 122));
    Use(cr, Rgb255(255, 255, 255));
    Text(cr, "اصول روانکاري ياتاقانها", Font{kPersian, 24, true}, 288, 27, Align::Right);
    Use(cr, Rgb255(255, 200, 40));
    Text(cr, "NORVEX", Font{kSans, 13, true}, 12, 24);
    // Bullet lines.
    for (int i = 0; i < 5; ++i) {
      const double y = 56 + i * 20;
      FillBox(cr, 276, y - 4, 8, 8, Rgb255(22, 62, 122));
      FillBox(cr, 270 - 110 - 30 * Noise(i, 0, 41), y - 3, 100 + 30 * Noise(i, 0, 41), 6,
              Rgb255(120, 124, 132));
    }
    // A rolling bearing with its grease nipple and the grease path.
    const double bx = 78, by = 100;
    cairo_set_line_width(cr, 3);
    Use(cr, Rgb255(90, 96, 110));
    Circle(cr, bx, by, 52);
    Circle(cr, bx, by, 40);
    Circle(cr, bx, by, 24);
    Circle(cr, bx, by, 14);
    Use(cr, Rgb255(150, 160, 178));
    for (int i = 0; i < 10; ++i) {
      const P c = Polar({bx, by}, 32, 2 * kPi * i / 10);
      Dot(cr, c.x, c.y, 7);
    }
    Use(cr, Rgb255(200, 40, 30));
    cairo_set_line_width(cr, 4);
    Line(cr, bx, by - 75, bx, by - 56);
    Arrowhead(cr, {bx, by - 44}, {0, 1}, 14, 7);
    FillBox(cr, 150, 150, 110, 8, Rgb255(200, 40, 30));
    cairo_restore(cr);

    const P c = camera.ToScreen(camera.ToView({1.5, sy, 2.1}));
    const P d = camera.ToScreen(camera.ToView({3.9, sy, 0.95}));
    cairo_save(cr);
    cairo_translate(cr, c.x, c.y);
    cairo_scale(cr, (d.x - c.x) / 240.0, (d.y - c.y) / 115.0);
    FillBox(cr, 0, 0, 240, 115, Rgb255(250, 250, 250));
    Use(cr, Rgb255(30, 60, 170));
    cairo_set_line_width(cr, 2.2);
    for (int line = 0; line < 4; ++line) {
      const double y = 18 + line * 15;
      const double length = 70 + 50 * Noise(line, 1, 43);
      cairo_move_to(cr, 225, y);
      for (double x = 225; x > 225 - length; x -= 4)
        cairo_line_to(cr, x,
                      y + 2.5 * std::sin(x * 0.9 + line) * Noise(static_cast<int>(x), line, 44));
      cairo_stroke(cr);
    }
    // Viscosity against temperature.
    Use(cr, Rgb255(20, 20, 20));
    Line(cr, 20, 100, 110, 100);
    Line(cr, 20, 100, 20, 20);
    Use(cr, Rgb255(200, 30, 30));
    cairo_move_to(cr, 24, 28);
    cairo_curve_to(cr, 40, 80, 70, 92, 106, 95);
    cairo_stroke(cr);
    cairo_restore(cr);
  }

  // A clock above the whiteboard.
  void Clock() {
    const P k = camera.ToScreen(camera.ToView({2.7, sy, 2.55}));
    const double kr = camera.focal * 0.16 / (y1 - 0.4);
    Use(cr, Rgb255(40, 40, 40));
    Dot(cr, k.x, k.y, kr + 0.8);
    Use(cr, Rgb255(250, 250, 250));
    Dot(cr, k.x, k.y, kr);
    Use(cr, Rgb255(20, 20, 20));
    cairo_set_line_width(cr, 0.7);
    Line(cr, k.x, k.y, k.x, k.y - kr * 0.75);
    Line(cr, k.x, k.y, k.x + kr * 0.5, k.y + kr * 0.2);
  }

  // Furniture and people, all in front of the walls.
  void People() {
    Scene people;
    const Colour deskTop = Rgb255(214, 196, 160);
    const Colour panel = Rgb255(150, 150, 156);
    const Colour shirts[] = {Rgb255(235, 235, 230), Rgb255(120, 150, 195), Rgb255(70, 80, 100),
                             Rgb255(190, 175, 150), Rgb255(150, 150, 150), Rgb255(200, 215, 230),
                             Rgb255(90, 110, 80)};
    const Colour hairs[] = {Rgb255(30, 24, 20), Rgb255(50, 40, 32), Rgb255(20, 20, 22),
                            Rgb255(110, 104, 98), Rgb255(60, 46, 36)};
    int k = 0;
    for (double row : {6.0, 4.2, 2.4}) {
      for (double t0 : {-4.0, 0.9}) {
        const double t1 = t0 + 3.0;
        people.Box({t0, row, 0.72}, {t1, row + 0.6, 0.76}, deskTop);
        people.Box({t0 + 0.05, row + 0.55, 0.3}, {t1 - 0.05, row + 0.58, 0.72}, panel);
        for (double lx : {t0 + 0.05, t1 - 0.09})
          people.Box({lx, row + 0.05, 0}, {lx + 0.04, row + 0.09, 0.72}, Rgb255(120, 120, 126));
        for (int seat = 0; seat < 3; ++seat) {
          const double px = t0 + 0.5 + seat * 1.0;
          people.Quad({px - 0.15, row + 0.12, 0.762}, {px + 0.15, row + 0.12, 0.762},
                      {px + 0.15, row + 0.42, 0.762}, {px - 0.15, row + 0.42, 0.762},
                      Rgb255(248, 248, 244));
          ++k;
          if (k % 7 == 3) continue;  // an empty seat
          SeatedPerson(people, px + 0.06 * (Noise(k, 0, 45) - 0.5), row - 0.3, shirts[k % 7],
                       hairs[k % 5]);
        }
      }
    }
    // The instructor by the screen, pointing at it.
    {
      const double ix = 0.85, iy = 8.15;
      const Colour shirt = Rgb255(176, 200, 230), skin = Rgb255(214, 172, 140);
      for (double dx : {-0.09, 0.09})
        people.Cylinder({ix + dx, iy, 0}, {0, 0, 1}, 0.88, 0.075, 0.085, Rgb255(48, 50, 62), 10);
      people.Cylinder({ix, iy, 0.86}, {0, 0, 1}, 0.62, 0.12, 0.13, shirt, 14, 1.6);
      for (double s : {-1.0, 1.0}) people.Sphere({ix + s * 0.16, iy, 1.42}, 0.085, shirt);
      people.Cylinder({ix, iy, 1.47}, {0, 0, 1}, 0.12, 0.05, 0.05, skin, 8);
      people.Sphere({ix, iy + 0.035, 1.71}, 0.112, Rgb255(40, 32, 26));
      people.Sphere({ix, iy, 1.68}, 0.105, skin);
      const V3 pointing = Normalize({-1.0, -0.15, 0.35});
      people.Cylinder({ix - 0.17, iy, 1.4}, pointing, 0.58, 0.045, 0.04, shirt, 8);
      people.Sphere(V3{ix - 0.17, iy, 1.4} + pointing * 0.62, 0.04, skin);
      people.Cylinder({ix + 0.19, iy, 1.42}, Normalize({0.12, 0, -1}), 0.56, 0.045, 0.04, shirt, 8);
      people.Sphere({ix + 0.26, iy, 0.84}, 0.04, skin);
    }
    // Lectern with a laptop; the projector under the ceiling.
    people.Box({-4.0, 7.7, 0}, {-3.3, 8.3, 1.05}, Rgb255(160, 120, 80));
    people.Box({-3.85, 7.85, 1.05}, {-3.45, 8.15, 1.07}, Rgb255(60, 60, 66));
    people.Quad({-3.85, 8.15, 1.07}, {-3.45, 8.15, 1.07}, {-3.45, 8.2, 1.32}, {-3.85, 8.2, 1.32},
                Rgb255(120, 160, 210), true);
    people.Box({-1.5, 5.0, 2.78}, {-1.1, 5.4, 2.92}, Rgb255(225, 225, 228));
    people.Line3({-1.3, 5.2, 2.92}, {-1.3, 5.2, top}, Rgb255(80, 80, 80), 1.2);
    people.Render(cr, camera, look);
  }

  // Warm indoor light and the lens.
  void Finish() {
    cairo_rectangle(cr, 0, 0, w, h);
    Use(cr, Rgb255(255, 200, 120), 0.06);
    cairo_fill(cr);
    Vignette(cr, w, h, 0.35);
  }

  static constexpr Part<TrainingRoom> kParts[] = {
      &TrainingRoom::Walls,      &TrainingRoom::WindowLight, &TrainingRoom::Fixtures,
      &TrainingRoom::Projection, &TrainingRoom::Clock,       &TrainingRoom::People,
      &TrainingRoom::Finish};
};

}  // namespace

const Slide kTrainingRoom{TrainingRoom::kWidth,
                          TrainingRoom::kHeight,
                          Rgb255(0, 0, 0),
                          nullptr,
                          {DrawView<TrainingRoom>}};

}  // namespace pw::pictures

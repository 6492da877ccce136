// The pictures of the calculator window: the background panel, the four family drawings (a length
// of rolled section in perspective with its dimensions in red), the four family icons, the
// maker's logo and name banner, the glyphs of the two bitmap buttons, and the application icon.
//
// Everything is drawn with cairo (lettering with Pango) into ARGB surfaces. Opaque pictures paint
// their background first. Pictures with a transparent colour are drawn on a clear surface and
// keyed: untouched pixels get the transparent colour, every other pixel is composed over the
// button face colour, so that antialiased edges blend into the window once the key colour has
// been cut away.

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "pictures/WindowPictures.h"
#include "pictures/kit/Canvas.h"
#include "pictures/kit/Drafting.h"
#include "pictures/kit/Lettering.h"

namespace pw::pictures {
namespace {

constexpr Colour kTeal = Rgb255(0, 128, 128);
constexpr Colour kPanelTeal = Rgb255(98, 173, 172);
constexpr Colour kWhite = Rgb255(255, 255, 255);
constexpr Colour kCyan = Rgb255(0, 255, 255);
constexpr Colour kPureBlue = Rgb255(0, 0, 255);
constexpr Colour kButtonFace = Rgb255(212, 208, 200);  // what a keyed picture is seen against
constexpr Colour kDimensionRed = Rgb255(232, 24, 24);
constexpr Colour kOutlineBlue = Rgb255(0, 0, 128);
constexpr Colour kLogoNavy = Rgb255(0, 16, 88);

// A corner of a section outline, rounded with the given radius (0: sharp).
struct Corner {
  double x, y, radius;
};

// A closed outline, clockwise on screen (y down), each vertex marked sharp where the outline
// turns at a corner and smooth along a rounding.
struct Outline {
  std::vector<Point> points;
  std::vector<bool> sharp;
};

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

void Save(const std::filesystem::path& root, const char* file, const Raster& raster) {
  const std::filesystem::path path = root / file;
  std::filesystem::create_directories(path.parent_path());
  WriteBmp(path, raster);
}

// ---------------------------------------------------------------------------------------------
// Steel in perspective

// One-point perspective: the far end of a bar is its near end scaled towards the vanishing point.
struct Perspective {
  Point vanish;
  double farScale;
  Point Far(Point p) const { return vanish + (p - vanish) * farScale; }
};

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

// A bar of the given section: the visible long faces from the back forwards, each shaded by the
// way it faces the light and darkening towards the far end, then the near end face.
void DrawBar(cairo_t* cr, const Outline& section, const Perspective& view) {
  const std::vector<Point>& p = section.points;
  const std::size_t n = p.size();
  Point centre{0, 0};
  for (const Point& q : p) centre = centre + q;
  centre = centre * (1.0 / static_cast<double>(n));
  const Point towards = Unit(view.vanish - centre);

  struct Face {
    std::size_t index;
    double order;
  };
  std::vector<Face> faces;
  std::vector<bool> visible(n, false);
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

  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (const Face& face : faces) {
    const std::size_t i = face.index;
    const std::size_t j = (i + 1) % n;
    const Point a = p[i];
    const Point b = p[j];
    const Point af = view.Far(a);
    const Point bf = view.Far(b);
    const Point normal = Unit(Point{(b - a).y, -(b - a).x});
    const double light = Lighting(normal.x, normal.y, 0);
    const Point nearMiddle = (a + b) * 0.5;
    const Point farMiddle = (af + bf) * 0.5;
    cairo_pattern_t* shade =
        cairo_pattern_create_linear(nearMiddle.x, nearMiddle.y, farMiddle.x, farMiddle.y);
    AddStop(shade, 0, Steel(light));
    AddStop(shade, 1, Steel(light * 0.80));
    Polygon(cr, {a, b, bf, af});
    cairo_set_source(cr, shade);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.6);  // closes the hairline seams between neighbouring faces
    cairo_stroke(cr);
    cairo_pattern_destroy(shade);

    Use(cr, kSteelEdge);
    cairo_set_line_width(cr, 0.8);
    Line(cr, af, bf);
    const std::size_t before = (i + n - 1) % n;
    if (section.sharp[i] || !visible[before]) Line(cr, a, af);
    if (section.sharp[j] || !visible[j]) Line(cr, b, bf);
  }

  // The near end: lit from the front, slightly brighter towards the upper left.
  double minX = p[0].x, minY = p[0].y, maxX = p[0].x, maxY = p[0].y;
  for (const Point& q : p) {
    minX = std::min(minX, q.x);
    minY = std::min(minY, q.y);
    maxX = std::max(maxX, q.x);
    maxY = std::max(maxY, q.y);
  }
  cairo_pattern_t* end = cairo_pattern_create_linear(minX, minY, maxX, maxY);
  AddStop(end, 0, Steel(Lighting(0, 0, -1) + 0.10));
  AddStop(end, 1, Steel(Lighting(0, 0, -1) - 0.04));
  Polygon(cr, p);
  cairo_set_source(cr, end);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(end);
  Use(cr, kSteelEdge);
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
}

// A dimension: extension lines from the two marked points in the given direction, and between
// them, at the given distance, a dimension line with an arrowhead at each end. A letter naming
// the dimension interrupts the line at its middle, in the face and colour of the window's own
// length mark.
void Dimension(cairo_t* cr, Point from, Point to, Point direction, double distance,
               const char* letter = nullptr) {
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

// The four drawings share one view, so the length is marked in the same place in each of them
// and the window's "L" label sits under its dimension line whichever drawing is in front.
const Perspective kView{{980, -140}, 0.82};

// The near end's lower right corner, from which the length is dimensioned in every drawing.
constexpr Point kNearCorner{104, 116};

Raster FamilyDrawing(int width, int height, const std::vector<Corner>& corners, double sectionWidth,
                     double sectionHeight, bool horizontalMeasure, const char* letter) {
  Canvas canvas(width, height, kTeal);
  cairo_t* cr = canvas.Context();
  const Point origin{kNearCorner.x - sectionWidth, kNearCorner.y - sectionHeight};
  const Outline section = MakeOutline(corners, origin);
  DrawBar(cr, section, kView);

  // The length, along the lower right edge, measured straight down from the near and far corners.
  Dimension(cr, kNearCorner, kView.Far(kNearCorner), {0, 1}, 11);
  if (horizontalMeasure) {
    // Width or depth across the bottom of the near end, below the length dimension.
    Dimension(cr, {origin.x, kNearCorner.y}, kNearCorner, {0, 1}, 23, letter);
  } else {
    // Height along the left side of the near end.
    Dimension(cr, origin, {origin.x, kNearCorner.y}, {-1, 0}, 14, letter);
  }
  return canvas.Pixels();
}

// ---------------------------------------------------------------------------------------------
// The pictures

// P1: the panel behind the family row, the inputs and the drawings.
Raster BackgroundPanel() {
  const int width = 383, height = 615;
  Canvas canvas(width, height, kPanelTeal);
  cairo_t* cr = canvas.Context();

  // A broad sweep of darker teal rising from the lower left to the upper right.
  cairo_new_path(cr);
  cairo_move_to(cr, 0, 175);
  cairo_curve_to(cr, 120, 235, 250, 150, width, -20);
  cairo_line_to(cr, width, 300);
  cairo_curve_to(cr, 240, 520, 110, 600, 0, height);
  cairo_close_path(cr);
  cairo_pattern_t* sweep = cairo_pattern_create_linear(0, 520, width, 40);
  cairo_pattern_add_color_stop_rgb(sweep, 0, 40 / 255.0, 128 / 255.0, 130 / 255.0);
  cairo_pattern_add_color_stop_rgb(sweep, 0.55, 58 / 255.0, 148 / 255.0, 149 / 255.0);
  cairo_pattern_add_color_stop_rgb(sweep, 1, 78 / 255.0, 162 / 255.0, 162 / 255.0);
  cairo_set_source(cr, sweep);
  cairo_fill(cr);
  cairo_pattern_destroy(sweep);

  // A softer band along its upper edge.
  cairo_new_path(cr);
  cairo_move_to(cr, 0, 175);
  cairo_curve_to(cr, 120, 235, 250, 150, width, -20);
  cairo_line_to(cr, width, 30);
  cairo_curve_to(cr, 260, 190, 130, 265, 0, 215);
  cairo_close_path(cr);
  Use(cr, Rgb255(84, 162, 162), 0.55);
  cairo_fill(cr);

  // The thin light arc.
  cairo_new_path(cr);
  cairo_move_to(cr, -4, 345);
  cairo_curve_to(cr, 120, 260, 260, 130, width + 4, 40);
  Use(cr, Rgb255(196, 232, 228), 0.9);
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
  return canvas.Pixels();
}

// P6 to P9: a family's cross-section as an icon, white with a dark blue edge and a soft shadow.
Raster FamilyIcon(const std::vector<Corner>& corners, double sectionWidth, double sectionHeight,
                  int visibleWidth, int visibleHeight) {
  Canvas canvas(51, 43, kTeal);
  cairo_t* cr = canvas.Context();
  const Point origin{std::round((visibleWidth - sectionWidth) / 2) + 0.5,
                     std::round((visibleHeight - sectionHeight) / 2) + 0.5};
  const Outline shadow = MakeOutline(corners, origin + Point{2, 2});
  Polygon(cr, shadow.points);
  Use(cr, Rgb255(0, 88, 92));
  cairo_fill(cr);
  const Outline outline = MakeOutline(corners, origin);
  Polygon(cr, outline.points);
  Use(cr, kWhite);
  cairo_fill_preserve(cr);
  Use(cr, kOutlineBlue);
  cairo_set_line_width(cr, 1.3);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  cairo_stroke(cr);
  return canvas.Pixels();
}

// The gear of the logo, centred at the origin.
void GearPath(cairo_t* cr, int teeth, double tip, double root, double hole) {
  cairo_new_path(cr);
  const double pitch = 2 * kPi / teeth;
  for (int i = 0; i < teeth; ++i) {
    const double a = i * pitch;
    const double rootHalf = pitch * 0.29, tipHalf = pitch * 0.19;
    cairo_arc(cr, 0, 0, root, a - pitch / 2, a - rootHalf);
    cairo_line_to(cr, tip * std::cos(a - tipHalf), tip * std::sin(a - tipHalf));
    cairo_arc(cr, 0, 0, tip, a - tipHalf, a + tipHalf);
    cairo_line_to(cr, root * std::cos(a + rootHalf), root * std::sin(a + rootHalf));
    cairo_arc(cr, 0, 0, root, a + rootHalf, a + pitch / 2);
  }
  cairo_close_path(cr);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, 0, 0, hole, 2 * kPi, 0);
  cairo_close_path(cr);
}

// A brilliant-cut diamond seen from the side, centred at the origin, as facet lines; the table
// and the girdle lie on pixel centres.
void DiamondOutline(cairo_t* cr) {
  const Point table[] = {{-5.0, -6.5}, {5.0, -6.5}};
  const Point girdle[] = {{-10.5, -2.5}, {-3.6, -2.5}, {3.6, -2.5}, {10.5, -2.5}};
  const Point culet{0, 9.5};
  cairo_new_path(cr);
  cairo_move_to(cr, table[0].x, table[0].y);
  cairo_line_to(cr, table[1].x, table[1].y);
  cairo_line_to(cr, girdle[3].x, girdle[3].y);
  cairo_line_to(cr, culet.x, culet.y);
  cairo_line_to(cr, girdle[0].x, girdle[0].y);
  cairo_close_path(cr);
  cairo_move_to(cr, girdle[0].x, girdle[0].y);
  cairo_line_to(cr, girdle[3].x, girdle[3].y);
  cairo_move_to(cr, girdle[1].x, girdle[1].y);
  cairo_line_to(cr, table[0].x, table[0].y);
  cairo_move_to(cr, girdle[2].x, girdle[2].y);
  cairo_line_to(cr, table[1].x, table[1].y);
  cairo_move_to(cr, girdle[1].x, girdle[1].y);
  cairo_line_to(cr, culet.x, culet.y);
  cairo_line_to(cr, girdle[2].x, girdle[2].y);
  cairo_stroke(cr);
}

// P10: the logo, a navy gear wheel with a cut diamond in its bore.
Raster Logo() {
  Canvas canvas(48, 48);
  cairo_t* cr = canvas.Context();
  cairo_translate(cr, 24, 24);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  GearPath(cr, 12, 23, 19.2, 14.2);
  Use(cr, kLogoNavy);
  cairo_fill(cr);
  cairo_set_line_width(cr, 1.2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  DiamondOutline(cr);
  return canvas.Keyed(kWhite, kButtonFace);
}

// P11: the maker's name, "Norvex Engineering", in Persian display lettering.
Raster NameBanner() {
  const int width = 239, height = 30;
  Canvas canvas(width, height);
  cairo_t* cr = canvas.Context();
  const Layout name(cr, "مهندسی نوروکس", Font{kPersian, 26, true});
  Use(cr, Rgb255(0, 0, 0));
  name.ShowInkCentred(cr, {width / 2.0, height / 2.0});
  return canvas.Keyed(kCyan, kButtonFace);
}

// G1: a ruled sheet with a pencil, for the button that calculates.
Raster CalculateGlyph() {
  Canvas canvas(22, 22);
  cairo_t* cr = canvas.Context();
  // The sheet, with a folded corner.
  cairo_new_path(cr);
  cairo_move_to(cr, 3.5, 1.5);
  cairo_line_to(cr, 12.5, 1.5);
  cairo_line_to(cr, 16.5, 5.5);
  cairo_line_to(cr, 16.5, 19.5);
  cairo_line_to(cr, 3.5, 19.5);
  cairo_close_path(cr);
  Use(cr, Rgb255(250, 250, 246));
  cairo_fill_preserve(cr);
  Use(cr, Rgb255(72, 72, 80));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, 12.5, 1.5);
  cairo_line_to(cr, 12.5, 5.5);
  cairo_line_to(cr, 16.5, 5.5);
  Use(cr, Rgb255(150, 150, 160));
  cairo_stroke(cr);
  // Rules and a margin.
  Use(cr, Rgb255(110, 150, 225));
  for (double y = 7.5; y < 19; y += 3) Line(cr, {5, y}, {15, y});
  Use(cr, Rgb255(225, 90, 90));
  Line(cr, {6.5, 2.5}, {6.5, 18.5});

  // The pencil, lying from the upper right to its point at the lower left.
  cairo_save(cr);
  cairo_translate(cr, 9.2, 16.8);
  cairo_rotate(cr, -kPi / 4);
  const double w = 2.4;  // half width
  // graphite point and sharpened wood
  Polygon(cr, {{0, 0}, {4.2, -w}, {4.2, w}});
  Use(cr, Rgb255(236, 200, 150));
  cairo_fill(cr);
  Polygon(cr, {{0, 0}, {1.6, -0.95}, {1.6, 0.95}});
  Use(cr, Rgb255(50, 50, 56));
  cairo_fill(cr);
  // painted body, darker on its lower side
  cairo_rectangle(cr, 4.2, -w, 9.4, 2 * w);
  cairo_pattern_t* body = cairo_pattern_create_linear(0, -w, 0, w);
  cairo_pattern_add_color_stop_rgb(body, 0, 1.0, 0.88, 0.35);
  cairo_pattern_add_color_stop_rgb(body, 0.55, 0.96, 0.76, 0.10);
  cairo_pattern_add_color_stop_rgb(body, 1, 0.78, 0.55, 0.05);
  cairo_set_source(cr, body);
  cairo_fill(cr);
  cairo_pattern_destroy(body);
  // metal band and eraser
  cairo_rectangle(cr, 13.6, -w, 1.8, 2 * w);
  Use(cr, Rgb255(176, 176, 184));
  cairo_fill(cr);
  cairo_rectangle(cr, 15.4, -w, 2.2, 2 * w);
  Use(cr, Rgb255(226, 120, 128));
  cairo_fill(cr);
  Polygon(cr, {{0, 0}, {4.2, -w}, {17.6, -w}, {17.6, w}, {4.2, w}});
  Use(cr, Rgb255(60, 48, 40));
  cairo_set_line_width(cr, 0.7);
  cairo_stroke(cr);
  cairo_restore(cr);
  return canvas.Keyed(kPureBlue, kButtonFace);
}

// G2: a monitor showing a globe, for the button that opens the showcase.
Raster ShowcaseGlyph() {
  Canvas canvas(32, 32);
  cairo_t* cr = canvas.Context();
  // stand and foot
  Polygon(cr, {{13, 23}, {19, 23}, {20, 27}, {12, 27}});
  Use(cr, Rgb255(150, 150, 148));
  cairo_fill(cr);
  RoundedRectangle(cr, 7.5, 26.5, 17, 3.5, 1.5);
  Use(cr, Rgb255(196, 196, 190));
  cairo_fill_preserve(cr);
  Use(cr, Rgb255(86, 86, 90));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // case
  RoundedRectangle(cr, 1.5, 1.5, 29, 22, 2.5);
  cairo_pattern_t* body = cairo_pattern_create_linear(0, 1.5, 0, 23.5);
  cairo_pattern_add_color_stop_rgb(body, 0, 0.90, 0.90, 0.88);
  cairo_pattern_add_color_stop_rgb(body, 1, 0.72, 0.72, 0.70);
  cairo_set_source(cr, body);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(body);
  Use(cr, Rgb255(70, 70, 76));
  cairo_stroke(cr);
  // screen
  cairo_rectangle(cr, 4.5, 4.5, 23, 16);
  cairo_pattern_t* screen = cairo_pattern_create_linear(0, 4.5, 0, 20.5);
  cairo_pattern_add_color_stop_rgb(screen, 0, 0.10, 0.20, 0.42);
  cairo_pattern_add_color_stop_rgb(screen, 1, 0.04, 0.09, 0.24);
  cairo_set_source(cr, screen);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(screen);
  Use(cr, Rgb255(40, 40, 48));
  cairo_stroke(cr);
  // the globe: ocean, land, meridians and parallels
  const Point c{16, 12.5};
  const double r = 6.6;
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_arc(cr, c.x, c.y, r, 0, 2 * kPi);
  cairo_pattern_t* ocean = cairo_pattern_create_radial(c.x - 2.5, c.y - 2.5, 0.5, c.x, c.y, r);
  cairo_pattern_add_color_stop_rgb(ocean, 0, 0.45, 0.72, 1.0);
  cairo_pattern_add_color_stop_rgb(ocean, 1, 0.08, 0.33, 0.78);
  cairo_set_source(cr, ocean);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(ocean);
  cairo_clip(cr);
  Use(cr, Rgb255(70, 170, 70));
  Polygon(cr, {{12.5, 6.0},
               {15.5, 6.4},
               {16.2, 8.6},
               {14.6, 10.4},
               {15.8, 13.2},
               {14.4, 17.6},
               {12.8, 15.0},
               {11.6, 11.4},
               {10.0, 9.6},
               {11.0, 7.4}});
  cairo_fill(cr);
  Polygon(cr, {{17.4, 6.8},
               {21.6, 7.4},
               {23.4, 10.2},
               {21.2, 11.2},
               {19.8, 13.8},
               {18.2, 11.4},
               {17.6, 9.2}});
  cairo_fill(cr);
  Use(cr, Rgb255(230, 240, 250), 0.45);
  cairo_set_line_width(cr, 0.6);
  for (double k : {-0.5, 0.5}) {
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, c.x, c.y);
    cairo_scale(cr, std::abs(k) * 1.0, 1.0);
    cairo_arc(cr, 0, 0, r, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_stroke(cr);
  }
  Line(cr, {c.x, c.y - r}, {c.x, c.y + r});
  for (double dy : {-3.3, 0.0, 3.3}) {
    const double half = std::sqrt(r * r - dy * dy);
    Line(cr, {c.x - half, c.y + dy}, {c.x + half, c.y + dy});
  }
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_arc(cr, c.x, c.y, r, 0, 2 * kPi);
  Use(cr, Rgb255(10, 30, 70));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  // power light
  cairo_arc(cr, 27, 22, 0.8, 0, 2 * kPi);
  Use(cr, Rgb255(40, 200, 60));
  cairo_fill(cr);
  return canvas.Keyed(kWhite, kButtonFace);
}

// The application icon: a short length of I-beam on a teal tile, with its depth marked in red.
void DrawAppIcon(cairo_t* cr, int size) {
  const double k = size / 48.0;
  cairo_scale(cr, k, k);
  RoundedRectangle(cr, 1.5, 1.5, 45, 45, 7);
  cairo_pattern_t* tile = cairo_pattern_create_linear(0, 0, 0, 48);
  cairo_pattern_add_color_stop_rgb(tile, 0, 0.20, 0.62, 0.62);
  cairo_pattern_add_color_stop_rgb(tile, 1, 0.0, 0.40, 0.42);
  cairo_set_source(cr, tile);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(tile);
  Use(cr, Rgb255(0, 70, 74));
  cairo_set_line_width(cr, size <= 16 ? 2.4 : 1.2);
  cairo_stroke(cr);
  if (size <= 16) {
    // Small sizes: the section alone, bold enough to read.
    const Outline section = MakeOutline(UprightISection(30, 28, 8, 7, 0, 0), {10, 9});
    Polygon(cr, section.points);
    Use(cr, Rgb255(236, 240, 246));
    cairo_fill(cr);
    return;
  }
  RoundedRectangle(cr, 1.5, 1.5, 45, 45, 7);
  cairo_clip(cr);
  const Outline section = MakeOutline(UprightISection(24, 20, 4, 4.2, 2.4, 0.6), {10, 19});
  DrawBar(cr, section, {{62.5, -11}, 0.6});
  Dimension(cr, {10, 19}, {10, 43}, {-1, 0}, 4.5);
}

void WriteAppIcon(const std::filesystem::path& root, int size) {
  Canvas canvas(size, size);
  DrawAppIcon(canvas.Context(), size);
  const std::filesystem::path path =
      root / "icon" / ("profile-weight-" + std::to_string(size) + ".png");
  std::filesystem::create_directories(path.parent_path());
  WritePng(path, canvas.Surface());
}

}  // namespace

void DrawCalculatorPictures(const std::filesystem::path& root) {
  Save(root, "form1/P1.bmp", BackgroundPanel());
  // The family drawings; the width and height are those of the section's near end.
  Save(root, "form1/P2.bmp",
       FamilyDrawing(300, 158, SideISection(66, 40, 5.5, 7.5, 5.5, 1.1), 66, 40, true, "h"));
  Save(root, "form1/P3.bmp",
       FamilyDrawing(300, 158, UprightISection(70, 64, 6.5, 10, 7, 0), 64, 70, false, "h"));
  Save(root, "form1/P4.bmp",
       FamilyDrawing(301, 159, ChannelSection(72, 40, 7, 9, 6, 3), 72, 40, true, "b"));
  Save(root, "form1/P5.bmp",
       FamilyDrawing(300, 158, AngleSection(62, 9, 7, 3.5), 62, 62, false, "a"));

  Save(root, "form1/P6.bmp", FamilyIcon(AngleSection(28, 6, 4, 2), 28, 28, 51, 43));
  Save(root, "form1/P7.bmp", FamilyIcon(ChannelSection(32, 24, 5, 6, 3, 1.5), 32, 24, 49, 41));
  Save(root, "form1/P8.bmp", FamilyIcon(SideISection(38, 24, 5, 5, 3, 0.8), 38, 24, 49, 41));
  Save(root, "form1/P9.bmp", FamilyIcon(SideISection(28, 28, 5, 5, 3, 0), 28, 28, 49, 41));

  Save(root, "form1/P10.bmp", Logo());
  Save(root, "form1/P11.bmp", NameBanner());
  Save(root, "form1/G1.bmp", CalculateGlyph());
  Save(root, "form1/G2.bmp", ShowcaseGlyph());

  for (int size : {16, 32, 48, 256}) WriteAppIcon(root, size);
}

}  // namespace pw::pictures

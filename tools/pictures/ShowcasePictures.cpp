// The showcase window's pictures ("Resume"): the dark teal background, the ten slides (general
// arrangement and detail drawings of NORVEX equipment, and rendered views of a steel frame, a
// training room, plant piping and a plant model), the footer banner and the side list lettered on
// navy (their transparent colour), and the green next and previous arrows of the two buttons.
//
// Everything is drawn with cairo, lettered with Pango, and depends on nothing but this code and
// the installed fonts, so each build writes the same bytes.

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "pictures/Geometry.h"
#include "pictures/PictureFiles.h"
#include "pictures/WindowPictures.h"

namespace pw::pictures {
namespace {

constexpr double kPi = 3.14159265358979323846;

double Radians(double degrees) {
  return degrees * kPi / 180.0;
}

// ---------------------------------------------------------------------------------------------
// Colours, canvas and lettering

struct Colour {
  double r, g, b;
};

constexpr Colour Rgb255(int r, int g, int b) {
  return {r / 255.0, g / 255.0, b / 255.0};
}

Colour Mix(Colour a, Colour b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Shade(Colour c, double k) {
  return {std::clamp(c.r * k, 0.0, 1.0), std::clamp(c.g * k, 0.0, 1.0),
          std::clamp(c.b * k, 0.0, 1.0)};
}

void Use(cairo_t* cr, Colour c, double alpha = 1.0) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

std::uint8_t Byte(double v) {
  return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
}

// A deterministic hash of a pixel position, in [0, 1).
double Noise(int x, int y, std::uint32_t seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                    static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFFu) / 16777216.0;
}

// An ARGB32 cairo surface with its context, antialiased, painted with a paper colour (or left
// transparent).
class Canvas {
 public:
  Canvas(int width, int height)
      : width_(width),
        height_(height),
        surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
        cr_(cairo_create(surface_)) {
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GRAY);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
  }
  Canvas(int width, int height, Colour paper) : Canvas(width, height) {
    Use(cr_, paper);
    cairo_paint(cr_);
  }
  ~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* Context() const { return cr_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  Raster Pixels() const { return Raster::FromSurface(surface_); }
  // Coverage (0 to 1) of the pixel at (x, y): its alpha.
  double Alpha(int x, int y) const {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
    return (row[x] >> 24) / 255.0;
  }
  // The unpremultiplied colour at (x, y) of a pixel with some coverage.
  Colour ColourAt(int x, int y) const {
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const std::uint32_t p = reinterpret_cast<const std::uint32_t*>(data + y * stride)[x];
    const double a = (p >> 24) / 255.0;
    if (a <= 0) return {0, 0, 0};
    return {((p >> 16) & 0xFF) / 255.0 / a, ((p >> 8) & 0xFF) / 255.0 / a, (p & 0xFF) / 255.0 / a};
  }

 private:
  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

enum class Align { Left, Centre, Right };

struct Font {
  const char* family;
  double size;  // em size in pixels
  bool bold = false;
};

constexpr const char* kSans = "DejaVu Sans";
constexpr const char* kCondensed = "DejaVu Sans Condensed";
constexpr const char* kPersian = "Titr";

// A one-line Pango layout with fixed rendering options (grey antialiasing, no hinting), so the
// output does not depend on the desktop's font settings.
PangoLayout* MakeLayout(cairo_t* cr, std::string_view text, const Font& font) {
  PangoLayout* layout = pango_cairo_create_layout(cr);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  pango_cairo_context_set_font_options(pango_layout_get_context(layout), options);
  cairo_font_options_destroy(options);
  pango_layout_context_changed(layout);
  PangoFontDescription* description = pango_font_description_new();
  pango_font_description_set_family(description, font.family);
  pango_font_description_set_absolute_size(description, font.size * PANGO_SCALE);
  pango_font_description_set_weight(description,
                                    font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_layout_set_font_description(layout, description);
  pango_font_description_free(description);
  pango_layout_set_text(layout, text.data(), static_cast<int>(text.size()));
  return layout;
}

double TextWidth(cairo_t* cr, std::string_view text, const Font& font) {
  PangoLayout* layout = MakeLayout(cr, text, font);
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  g_object_unref(layout);
  return logical.width / static_cast<double>(PANGO_SCALE);
}

// One line of text in the current source colour with its baseline at y; x is its left end, its
// centre or its right end. Text wider than maxWidth (when given) is narrowed to fit.
void Text(cairo_t* cr, std::string_view text, const Font& font, double x, double y,
          Align align = Align::Left, double maxWidth = 0) {
  PangoLayout* layout = MakeLayout(cr, text, font);
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  double width = logical.width / static_cast<double>(PANGO_SCALE);
  const double baseline = pango_layout_get_baseline(layout) / static_cast<double>(PANGO_SCALE);
  double squeeze = 1.0;
  if (maxWidth > 0 && width > maxWidth) {
    squeeze = maxWidth / width;
    width = maxWidth;
  }
  const double left = align == Align::Left ? x : align == Align::Centre ? x - width / 2 : x - width;
  cairo_save(cr);
  cairo_translate(cr, left, y);
  cairo_scale(cr, squeeze, 1.0);
  cairo_move_to(cr, -logical.x / static_cast<double>(PANGO_SCALE), -baseline);
  // Laid out before the squeeze: Pango would lay a narrowed font out anew, wider.
  pango_cairo_show_layout(cr, layout);
  cairo_restore(cr);
  g_object_unref(layout);
}

// Text on a patch of paper that hides the lines behind it.
void TextOnPaper(cairo_t* cr, std::string_view text, const Font& font, double x, double y,
                 Align align = Align::Centre) {
  const double w = TextWidth(cr, text, font);
  const double left = align == Align::Left ? x : align == Align::Centre ? x - w / 2 : x - w;
  cairo_save(cr);
  cairo_rectangle(cr, left - 1.5, y - font.size * 0.85, w + 3, font.size * 1.1);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill(cr);
  cairo_restore(cr);
  Text(cr, text, font, x, y, align);
}

// Text turned by angle (radians, clockwise on screen) about its anchor point.
void TurnedText(cairo_t* cr, std::string_view text, const Font& font, double x, double y,
                double angle, Align align = Align::Centre) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  Text(cr, text, font, 0, 0, align);
  cairo_restore(cr);
}

// ---------------------------------------------------------------------------------------------
// Drafting: pens, lines, dimensions, symbols

using P = Point;

// The left-hand normal on screen: (1, 0) gives (0, -1), pointing up.
P Normal(P d) {
  return {d.y, -d.x};
}
P Polar(P centre, double radius, double angle) {  // angle counter-clockwise on screen
  return {centre.x + radius * std::cos(angle), centre.y - radius * std::sin(angle)};
}

const Colour kInk = Rgb255(18, 18, 22);
const Colour kPaper = Rgb255(255, 255, 255);
const Colour kCentreInk = Rgb255(190, 30, 30);
const Colour kDimensionInk = Rgb255(20, 70, 160);
const Colour kHatchInk = Rgb255(110, 110, 115);
const Colour kFrameInk = Rgb255(30, 30, 30);

enum class Pen { Outline, Heavy, Thin, Hidden, Centre, Dimension, Hatch, Phantom };

void Use(cairo_t* cr, Pen pen) {
  static const double kHidden[] = {3.0, 1.6};
  static const double kCentre[] = {9.0, 1.6, 1.6, 1.6};
  static const double kPhantom[] = {9.0, 1.5, 1.5, 1.5, 1.5, 1.5};
  cairo_set_dash(cr, nullptr, 0, 0);
  switch (pen) {
    case Pen::Outline:
      Use(cr, kInk);
      cairo_set_line_width(cr, 1.1);
      break;
    case Pen::Heavy:
      Use(cr, kInk);
      cairo_set_line_width(cr, 1.8);
      break;
    case Pen::Thin:
      Use(cr, kInk);
      cairo_set_line_width(cr, 0.6);
      break;
    case Pen::Hidden:
      Use(cr, Rgb255(70, 70, 80));
      cairo_set_line_width(cr, 0.65);
      cairo_set_dash(cr, kHidden, 2, 0);
      break;
    case Pen::Centre:
      Use(cr, kCentreInk);
      cairo_set_line_width(cr, 0.5);
      cairo_set_dash(cr, kCentre, 4, 0);
      break;
    case Pen::Dimension:
      Use(cr, kDimensionInk);
      cairo_set_line_width(cr, 0.5);
      break;
    case Pen::Hatch:
      Use(cr, kHatchInk);
      cairo_set_line_width(cr, 0.4);
      break;
    case Pen::Phantom:
      Use(cr, Rgb255(60, 120, 60));
      cairo_set_line_width(cr, 0.55);
      cairo_set_dash(cr, kPhantom, 6, 0);
      break;
  }
}

void Line(cairo_t* cr, double x1, double y1, double x2, double y2) {
  cairo_move_to(cr, x1, y1);
  cairo_line_to(cr, x2, y2);
  cairo_stroke(cr);
}
void Line(cairo_t* cr, P a, P b) {
  Line(cr, a.x, a.y, b.x, b.y);
}

void Path(cairo_t* cr, std::initializer_list<P> points, bool closed = false) {
  bool first = true;
  for (P p : points) {
    if (first)
      cairo_move_to(cr, p.x, p.y);
    else
      cairo_line_to(cr, p.x, p.y);
    first = false;
  }
  if (closed) cairo_close_path(cr);
}
void Path(cairo_t* cr, const std::vector<P>& points, bool closed = false) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i == 0)
      cairo_move_to(cr, points[i].x, points[i].y);
    else
      cairo_line_to(cr, points[i].x, points[i].y);
  }
  if (closed) cairo_close_path(cr);
}

void Polyline(cairo_t* cr, std::initializer_list<P> points, bool closed = false) {
  Path(cr, points, closed);
  cairo_stroke(cr);
}

void Box(cairo_t* cr, double x, double y, double w, double h) {
  cairo_rectangle(cr, x, y, w, h);
  cairo_stroke(cr);
}

// A rectangle filled with paper (hiding what lies behind it) and outlined.
void SolidBox(cairo_t* cr, double x, double y, double w, double h, Colour fill = kPaper) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  Use(cr, fill);
  cairo_fill(cr);
  cairo_restore(cr);
  Box(cr, x, y, w, h);
}

void FillBox(cairo_t* cr, double x, double y, double w, double h, Colour c) {
  cairo_rectangle(cr, x, y, w, h);
  Use(cr, c);
  cairo_fill(cr);
}

void Circle(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_stroke(cr);
}

void SolidCircle(cairo_t* cr, double cx, double cy, double r, Colour fill = kPaper) {
  cairo_save(cr);
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  Use(cr, fill);
  cairo_fill(cr);
  cairo_restore(cr);
  Circle(cr, cx, cy, r);
}

void Dot(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_fill(cr);
}

// Section lining of the current path at 45 degrees (or the given angle); the path is consumed.
void Hatch(cairo_t* cr, double spacing = 3.0, double angle = 45.0) {
  cairo_save(cr);
  cairo_clip(cr);
  double x1, y1, x2, y2;
  cairo_clip_extents(cr, &x1, &y1, &x2, &y2);
  Use(cr, Pen::Hatch);
  const double a = Radians(angle);
  const P d{std::cos(a), -std::sin(a)};
  const P n = Normal(d);
  const P centre{(x1 + x2) / 2, (y1 + y2) / 2};
  const double reach = std::hypot(x2 - x1, y2 - y1) / 2 + 1;
  for (double s = -reach; s <= reach; s += spacing) {
    const P base = centre + n * s;
    Line(cr, base - d * reach, base + d * reach);
  }
  cairo_restore(cr);
  cairo_new_path(cr);
}

// A filled arrowhead with its tip at `tip`, pointing along `direction`.
void Arrowhead(cairo_t* cr, P tip, P direction, double length = 4.5, double width = 1.5) {
  const P d = Unit(direction);
  const P n = Normal(d);
  const P base = tip - d * length;
  Path(cr, {tip, base + n * width, base - n * width}, true);
  cairo_fill(cr);
}

const Font kDimensionFont{kCondensed, 5.6};
const Font kNoteFont{kCondensed, 5.2};
const Font kLabelFont{kCondensed, 6.0};
const Font kTinyFont{kCondensed, 3.8};

// An aligned dimension from a to b, its line `offset` pixels to the left of a->b (above a
// left-to-right dimension), with extension lines, arrowheads and the value.
void Dimension(cairo_t* cr, P a, P b, double offset, std::string_view value) {
  cairo_save(cr);
  Use(cr, Pen::Dimension);
  const P d = Unit(b - a);
  const P n = Normal(d);
  const double sign = offset >= 0 ? 1.0 : -1.0;
  Line(cr, a + n * (1.5 * sign), a + n * (offset + 2.5 * sign));
  Line(cr, b + n * (1.5 * sign), b + n * (offset + 2.5 * sign));
  const P da = a + n * offset;
  const P db = b + n * offset;
  Line(cr, da, db);
  Arrowhead(cr, da, a - b, 4.0, 1.3);
  Arrowhead(cr, db, b - a, 4.0, 1.3);
  double angle = std::atan2(d.y, d.x);
  P up = n;
  if (angle > kPi / 2 + 1e-9 || angle <= -kPi / 2 + 1e-9) {  // keep the value readable
    angle += kPi;
    up = n * -1.0;
  }
  const P mid = (da + db) * 0.5;
  // The value stands on the side away from the object, one pixel clear of the line.
  const P at = sign * (up.x * n.x + up.y * n.y) > 0 ? mid + up * 1.2 : mid - up * 5.2;
  TurnedText(cr, value, kDimensionFont, at.x, at.y, angle);
  cairo_restore(cr);
}

void HDimension(cairo_t* cr, double x1, double x2, double y, double lineY, std::string_view v) {
  Dimension(cr, {x1, y}, {x2, y}, y - lineY, v);
}
void VDimension(cairo_t* cr, double y1, double y2, double x, double lineX, std::string_view v) {
  // From bottom to top, so the value reads upwards on the left of the line.
  Dimension(cr, {x, std::max(y1, y2)}, {x, std::min(y1, y2)}, x - lineX, v);
}

// A centre line from a to b, overshooting both ends a little.
void CentreLine(cairo_t* cr, P a, P b, double overshoot = 4) {
  cairo_save(cr);
  Use(cr, Pen::Centre);
  const P d = Unit(b - a);
  Line(cr, a - d * overshoot, b + d * overshoot);
  cairo_restore(cr);
}

void CentreCross(cairo_t* cr, double cx, double cy, double r) {
  CentreLine(cr, {cx - r, cy}, {cx + r, cy});
  CentreLine(cr, {cx, cy - r}, {cx, cy + r});
}

// A level mark: an open triangle standing on a short line, with the elevation beside it.
void Level(cairo_t* cr, double x, double y, std::string_view text, bool right = true) {
  cairo_save(cr);
  Use(cr, Pen::Dimension);
  Line(cr, x - 6, y, x + 14 * (right ? 1 : -1) + (right ? 0 : 6), y);
  Polyline(cr, {{x - 3, y - 4}, {x + 3, y - 4}, {x, y}}, true);
  Text(cr, text, kDimensionFont, right ? x + 5 : x - 5, y - 1.5,
       right ? Align::Left : Align::Right);
  cairo_restore(cr);
}

// A cutting plane from a to b: heavy ends, a chain line between, arrows to the viewing side and
// the letters.
void SectionCut(cairo_t* cr, P a, P b, P view, std::string_view letter) {
  cairo_save(cr);
  const P d = Unit(b - a);
  const P v = Unit(view);
  Use(cr, Pen::Centre);
  Line(cr, a, b);
  Use(cr, kInk);
  cairo_set_dash(cr, nullptr, 0, 0);
  cairo_set_line_width(cr, 1.8);
  Line(cr, a - d * 3, a + d * 6);
  Line(cr, b + d * 3, b - d * 6);
  cairo_set_line_width(cr, 0.7);
  for (P end : {a - d * 3, b + d * 3}) {
    Line(cr, end, end + v * 8);
    Arrowhead(cr, end + v * 10, v, 4.5, 1.7);
    const P at = end + v * 5 - d * ((end.x == (a - d * 3).x && end.y == (a - d * 3).y) ? 5 : -5);
    Text(cr, letter, Font{kSans, 7.5, true}, at.x, at.y + 2.8, Align::Centre);
  }
  cairo_restore(cr);
}

// A view or detail marker: an arrow to the detail and its letter.
void ViewArrow(cairo_t* cr, P tail, P tip, std::string_view letter) {
  cairo_save(cr);
  Use(cr, kInk);
  cairo_set_line_width(cr, 0.7);
  Line(cr, tail, tip);
  Arrowhead(cr, tip, tip - tail, 4.5, 1.7);
  const P d = Unit(tip - tail);
  const P at = tail - d * 5;
  Text(cr, letter, Font{kSans, 7.5, true}, at.x, at.y + 2.8, Align::Centre);
  cairo_restore(cr);
}

// An item balloon at `at` with a leader to the part at `target`.
void Balloon(cairo_t* cr, P at, P target, int item) {
  cairo_save(cr);
  const double r = 4.6;
  Use(cr, kInk);
  cairo_set_line_width(cr, 0.45);
  const P d = Unit(target - at);
  Line(cr, at + d * r, target);
  Dot(cr, target.x, target.y, 0.9);
  cairo_set_line_width(cr, 0.6);
  SolidCircle(cr, at.x, at.y, r);
  Use(cr, kInk);
  Text(cr, std::to_string(item), Font{kCondensed, 5.8, true}, at.x, at.y + 2.1, Align::Centre);
  cairo_restore(cr);
}

// The name of a view, underlined, with its scale under it.
void ViewTitle(cairo_t* cr, double x, double y, std::string_view name, std::string_view scale) {
  cairo_save(cr);
  Use(cr, kInk);
  const Font font{kSans, 6.6, true};
  const double w = TextWidth(cr, name, font);
  Text(cr, name, font, x, y, Align::Centre);
  cairo_set_line_width(cr, 0.8);
  Line(cr, x - w / 2, y + 1.6, x + w / 2, y + 1.6);
  cairo_set_line_width(cr, 0.4);
  Line(cr, x - w / 2, y + 2.8, x + w / 2, y + 2.8);
  if (!scale.empty()) Text(cr, scale, Font{kCondensed, 5.2}, x, y + 8.6, Align::Centre);
  cairo_restore(cr);
}

// A ground line with short hatch strokes under it.
void Ground(cairo_t* cr, double x1, double x2, double y) {
  cairo_save(cr);
  Use(cr, Pen::Outline);
  Line(cr, x1, y, x2, y);
  Use(cr, Pen::Hatch);
  for (double x = x1 + 2; x < x2 - 2; x += 4) Line(cr, x, y + 0.5, x - 3, y + 3.5);
  cairo_restore(cr);
}

// A break line across a member: a straight line with a zigzag in the middle.
void BreakLine(cairo_t* cr, P a, P b) {
  cairo_save(cr);
  Use(cr, Pen::Thin);
  const P d = b - a;
  const P n = Normal(Unit(d)) * 2.5;
  const P m = a + d * 0.5;
  Polyline(cr, {a - Unit(d) * 2, m - Unit(d) * 2, m + n, m - n, m + Unit(d) * 2, b + Unit(d) * 2});
  cairo_restore(cr);
}

// A bolt head or nut seen side on.
void HexSide(cairo_t* cr, double x, double y, double w, double h) {
  SolidBox(cr, x, y, w, h);
  Line(cr, x + w / 4, y, x + w / 4, y + h);
  Line(cr, x + 3 * w / 4, y, x + 3 * w / 4, y + h);
}

// ---------------------------------------------------------------------------------------------
// The drawing sheet: border with zones, title block, parts list, notes and revisions

struct SheetFrame {
  double left, top, right, bottom;  // the inner frame
};

SheetFrame DrawSheet(cairo_t* cr, double width, double height) {
  Use(cr, kPaper);
  cairo_paint(cr);
  const double margin = 10;
  SheetFrame f{margin, margin, width - margin, height - margin};
  Use(cr, kFrameInk);
  cairo_set_line_width(cr, 0.5);
  Box(cr, 3.5, 3.5, width - 7, height - 7);
  cairo_set_line_width(cr, 1.5);
  Box(cr, f.left, f.top, f.right - f.left, f.bottom - f.top);
  // Zones: numbers across, letters down, with a tick between neighbours.
  const int columns = width > 560 ? 8 : 6;
  const int rows = 6;
  cairo_set_line_width(cr, 0.5);
  const Font zone{kCondensed, 4.6};
  for (int i = 0; i < columns; ++i) {
    const double x0 = f.left + (f.right - f.left) * i / columns;
    const double x1 = f.left + (f.right - f.left) * (i + 1) / columns;
    if (i > 0) {
      Line(cr, x0, 3.5, x0, f.top);
      Line(cr, x0, f.bottom, x0, height - 3.5);
    }
    const std::string n = std::to_string(i + 1);
    Text(cr, n, zone, (x0 + x1) / 2, 8.6, Align::Centre);
    Text(cr, n, zone, (x0 + x1) / 2, height - 5.0, Align::Centre);
  }
  for (int j = 0; j < rows; ++j) {
    const double y0 = f.top + (f.bottom - f.top) * j / rows;
    const double y1 = f.top + (f.bottom - f.top) * (j + 1) / rows;
    if (j > 0) {
      Line(cr, 3.5, y0, f.left, y0);
      Line(cr, f.right, y0, width - 3.5, y0);
    }
    const std::string letter(1, static_cast<char>('A' + j));
    Text(cr, letter, zone, 6.8, (y0 + y1) / 2 + 1.7, Align::Centre);
    Text(cr, letter, zone, width - 6.8, (y0 + y1) / 2 + 1.7, Align::Centre);
  }
  // Centring marks.
  cairo_set_line_width(cr, 1.2);
  Line(cr, width / 2, f.top, width / 2, f.top + 5);
  Line(cr, width / 2, f.bottom, width / 2, f.bottom - 5);
  Line(cr, f.left, height / 2, f.left + 5, height / 2);
  Line(cr, f.right, height / 2, f.right - 5, height / 2);
  return f;
}

// The first-angle projection symbol: a truncated cone seen from the side and from its end.
void ProjectionSymbol(cairo_t* cr, double x, double y) {
  cairo_save(cr);
  Use(cr, kInk);
  cairo_set_line_width(cr, 0.5);
  Polyline(cr, {{x, y - 2.5}, {x + 9, y - 4.5}, {x + 9, y + 4.5}, {x, y + 2.5}}, true);
  Circle(cr, x + 17, y, 4.5);
  Circle(cr, x + 17, y, 2.5);
  cairo_restore(cr);
  CentreLine(cr, {x - 1, y}, {x + 22, y}, 1);
}

// The NORVEX mark: an I-section in a square and the name.
void NorvexMark(cairo_t* cr, double x, double y, double size, Colour ink, Colour paper) {
  cairo_save(cr);
  Use(cr, ink);
  cairo_rectangle(cr, x, y, size, size);
  cairo_fill(cr);
  Use(cr, paper);
  const double s = size / 10;
  cairo_rectangle(cr, x + 2 * s, y + 2 * s, 6 * s, 1.3 * s);
  cairo_rectangle(cr, x + 2 * s, y + 6.7 * s, 6 * s, 1.3 * s);
  cairo_rectangle(cr, x + 4.4 * s, y + 3 * s, 1.2 * s, 4 * s);
  cairo_fill(cr);
  cairo_restore(cr);
}

struct TitleBlock {
  const char* title;
  const char* subtitle;
  const char* number;
  const char* scale;
  const char* date;
  const char* sheet;
  const char* revision;
  const char* weight;
};

constexpr double kTitleWidth = 190;
constexpr double kTitleHeight = 56;

void DrawTitleBlock(cairo_t* cr, double right, double bottom, const TitleBlock& t) {
  cairo_save(cr);
  const double x = right - kTitleWidth, y = bottom - kTitleHeight;
  Use(cr, kPaper);
  cairo_rectangle(cr, x, y, kTitleWidth, kTitleHeight);
  cairo_fill(cr);
  Use(cr, kFrameInk);
  cairo_set_line_width(cr, 1.2);
  Box(cr, x, y, kTitleWidth, kTitleHeight);
  cairo_set_line_width(cr, 0.5);
  const double split = x + 58;  // company | title
  Line(cr, split, y, split, bottom);
  // Company.
  NorvexMark(cr, x + 4, y + 4, 14, Rgb255(20, 50, 110), kPaper);
  Use(cr, Rgb255(20, 50, 110));
  Text(cr, "NORVEX", Font{kSans, 9.5, true}, x + 21, y + 13.5, Align::Left, 34);
  Use(cr, kInk);
  Text(cr, "ENGINEERING CO.", Font{kCondensed, 4.4, true}, x + 21, y + 18.6, Align::Left, 35);
  Line(cr, x, y + 22, split, y + 22);
  // Signatures.
  const char* roles[] = {"DRAWN", "CHECKED", "APPROVED"};
  const char* names[] = {"A. KARIMI", "M. SADEGHI", "A. BABAEI"};
  for (int i = 0; i < 3; ++i) {
    const double ry = y + 22 + 11.33 * i;
    if (i > 0) Line(cr, x, ry, split, ry);
    Text(cr, roles[i], kTinyFont, x + 2, ry + 4.2);
    Text(cr, names[i], Font{kCondensed, 5.0}, x + 2, ry + 9.8);
    Text(cr, t.date, Font{kCondensed, 4.2}, split - 1.5, ry + 9.8, Align::Right);
  }
  Line(cr, x + 32, y + 22, x + 32, bottom);
  // Title.
  Line(cr, split, y + 24, right, y + 24);
  Text(cr, "TITLE", kTinyFont, split + 2, y + 4.5);
  Text(cr, t.title, Font{kSans, 6.8, true}, split + 66, y + 13.0, Align::Centre, 126);
  Text(cr, t.subtitle, Font{kSans, 5.6}, split + 66, y + 20.5, Align::Centre, 126);
  // Number, revision, sheet.
  const double row2 = y + 24, row3 = y + 38;
  Line(cr, split, row3, right, row3);
  Line(cr, split + 84, row2, split + 84, bottom);
  Line(cr, split + 104, row2, split + 104, bottom);
  Text(cr, "DRAWING No.", kTinyFont, split + 2, row2 + 4.2);
  Text(cr, t.number, Font{kSans, 6.4, true}, split + 42, row2 + 11.6, Align::Centre, 80);
  Text(cr, "REV.", kTinyFont, split + 86, row2 + 4.2);
  Text(cr, t.revision, Font{kSans, 7.5, true}, split + 94, row2 + 12.0, Align::Centre);
  Text(cr, "SHEET", kTinyFont, split + 106, row2 + 4.2);
  Text(cr, t.sheet, Font{kCondensed, 5.8}, split + 118, row2 + 11.6, Align::Centre);
  // Scale, size, projection.
  Line(cr, split + 40, row3, split + 40, bottom);
  Text(cr, "SCALE", kTinyFont, split + 2, row3 + 4.2);
  Text(cr, t.scale, Font{kCondensed, 6.0, true}, split + 20, row3 + 13.8, Align::Centre);
  Text(cr, "PROJECTION", kTinyFont, split + 42, row3 + 4.2);
  ProjectionSymbol(cr, split + 52, row3 + 11);
  Text(cr, "SIZE", kTinyFont, split + 86, row3 + 4.2);
  Text(cr, "A2", Font{kCondensed, 6.0, true}, split + 94, row3 + 13.8, Align::Centre);
  Text(cr, "WEIGHT", kTinyFont, split + 106, row3 + 4.2);
  Text(cr, t.weight, Font{kCondensed, 5.4}, split + 118, row3 + 13.4, Align::Centre, 24);
  cairo_restore(cr);
}

struct PartsRow {
  const char* description;
  const char* quantity;
  const char* material;
};

// The parts list standing on the title block, numbered from the bottom; returns its top.
double DrawPartsList(cairo_t* cr, double right, double bottom, std::initializer_list<PartsRow> rows,
                     double rowHeight = 7.4) {
  cairo_save(cr);
  const double x = right - kTitleWidth;
  const double count = static_cast<double>(rows.size()) + 1;
  const double top = bottom - count * rowHeight;
  Use(cr, kPaper);
  cairo_rectangle(cr, x, top, kTitleWidth, bottom - top);
  cairo_fill(cr);
  Use(cr, kFrameInk);
  cairo_set_line_width(cr, 1.0);
  Box(cr, x, top, kTitleWidth, bottom - top);
  cairo_set_line_width(cr, 0.4);
  const double columns[] = {x + 14, x + 120, x + 142};
  for (double c : columns) Line(cr, c, top, c, bottom);
  const Font font{kCondensed, 4.9};
  const Font heading{kCondensed, 4.6, true};
  int item = static_cast<int>(rows.size());
  double y = top;
  for (const PartsRow& row : rows) {
    Line(cr, x, y + rowHeight, right, y + rowHeight);
    const double base = y + rowHeight - 1.8;
    Text(cr, std::to_string(item--), font, x + 7, base, Align::Centre);
    Text(cr, row.description, font, x + 16, base, Align::Left, 102);
    Text(cr, row.quantity, font, x + 131, base, Align::Centre, 20);
    Text(cr, row.material, font, x + 144, base, Align::Left, 44);
    y += rowHeight;
  }
  FillBox(cr, x, y, kTitleWidth, rowHeight, Rgb255(232, 232, 236));
  Use(cr, kFrameInk);
  for (double c : columns) Line(cr, c, y, c, bottom);
  const double base = y + rowHeight - 1.9;
  Text(cr, "ITEM", heading, x + 7, base, Align::Centre);
  Text(cr, "DESCRIPTION", heading, x + 16, base);
  Text(cr, "QTY", heading, x + 131, base, Align::Centre);
  Text(cr, "MATERIAL", heading, x + 144, base);
  cairo_set_line_width(cr, 1.0);
  Line(cr, x, y, right, y);
  cairo_restore(cr);
  return top;
}

void DrawNotes(cairo_t* cr, double x, double y, std::initializer_list<const char*> lines,
               double maxWidth = 186) {
  cairo_save(cr);
  Use(cr, kInk);
  Text(cr, "NOTES:", Font{kSans, 5.8, true}, x, y);
  double ly = y + 7.5;
  int n = 1;
  for (const char* line : lines) {
    Text(cr, std::to_string(n++) + ".", kNoteFont, x + 1, ly);
    Text(cr, line, kNoteFont, x + 8, ly, Align::Left, maxWidth - 8);
    ly += 6.6;
  }
  cairo_restore(cr);
}

struct Revision {
  const char* rev;
  const char* description;
  const char* date;
  const char* by;
};

void DrawRevisions(cairo_t* cr, double right, double top, std::initializer_list<Revision> rows) {
  cairo_save(cr);
  const double w = 170, h = 7.2;
  const double x = right - w;
  const double bottom = top + h * (static_cast<double>(rows.size()) + 1);
  Use(cr, kFrameInk);
  cairo_set_line_width(cr, 0.9);
  Box(cr, x, top, w, bottom - top);
  cairo_set_line_width(cr, 0.4);
  const double columns[] = {x + 14, x + 110, x + 145};
  for (double c : columns) Line(cr, c, top, c, bottom);
  const Font font{kCondensed, 4.8};
  const Font heading{kCondensed, 4.6, true};
  Text(cr, "REV", heading, x + 7, top + h - 1.9, Align::Centre);
  Text(cr, "DESCRIPTION", heading, x + 16, top + h - 1.9);
  Text(cr, "DATE", heading, x + 127, top + h - 1.9, Align::Centre);
  Text(cr, "BY", heading, x + 157, top + h - 1.9, Align::Centre);
  double y = top + h;
  for (const Revision& r : rows) {
    Line(cr, x, y, right, y);
    Text(cr, r.rev, font, x + 7, y + h - 1.8, Align::Centre);
    Text(cr, r.description, font, x + 16, y + h - 1.8, Align::Left, 92);
    Text(cr, r.date, font, x + 127, y + h - 1.8, Align::Centre);
    Text(cr, r.by, font, x + 157, y + h - 1.8, Align::Centre);
    y += h;
  }
  cairo_restore(cr);
}

// A small table of characteristics: name and value per row.
void DrawDataTable(cairo_t* cr, double x, double y, double w, const char* heading,
                   std::initializer_list<std::pair<const char*, const char*>> rows) {
  cairo_save(cr);
  const double h = 7.0;
  const double bottom = y + h * (static_cast<double>(rows.size()) + 1);
  FillBox(cr, x, y, w, h, Rgb255(232, 232, 236));
  Use(cr, kFrameInk);
  cairo_set_line_width(cr, 0.9);
  Box(cr, x, y, w, bottom - y);
  cairo_set_line_width(cr, 0.4);
  Text(cr, heading, Font{kCondensed, 5.0, true}, x + w / 2, y + h - 1.8, Align::Centre);
  double ry = y + h;
  const double split = x + w * 0.52;
  Line(cr, split, ry, split, bottom);
  const Font font{kCondensed, 4.8};
  for (const auto& [name, value] : rows) {
    Line(cr, x, ry, x + w, ry);
    Text(cr, name, font, x + 2, ry + h - 1.8, Align::Left, split - x - 3);
    Text(cr, value, font, split + 2, ry + h - 1.8, Align::Left, x + w - split - 3);
    ry += h;
  }
  cairo_restore(cr);
}

// ---------------------------------------------------------------------------------------------
// Writing the files

std::filesystem::path PicturePath(const std::filesystem::path& root, const char* file) {
  const std::filesystem::path path = root / "form3" / file;
  std::filesystem::create_directories(path.parent_path());
  return path;
}

void SaveBmp(const std::filesystem::path& root, const char* file, const Raster& raster) {
  WriteBmp(PicturePath(root, file), raster);
}

// The eleven JPEG pictures take this many bytes of the window's form stream between them; what
// the encoder leaves over goes into a comment segment in each, its subject padded with blanks.
constexpr std::size_t kJpegShare = 611647;

struct JpegPicture {
  const char* file;
  const char* subject;
  std::vector<std::uint8_t> bytes;
};

void SaveJpegs(const std::filesystem::path& root, std::vector<JpegPicture> pictures) {
  std::size_t encoded = 0, subjects = 0;
  for (const JpegPicture& p : pictures) {
    encoded += p.bytes.size();
    subjects += 4 + std::string_view(p.subject).size();  // marker, length, text
  }
  if (encoded + subjects > kJpegShare)
    throw std::runtime_error("the JPEG pictures exceed their " + std::to_string(kJpegShare) +
                             " bytes by " + std::to_string(encoded + subjects - kJpegShare));
  const std::size_t padding = kJpegShare - encoded - subjects;
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const std::size_t blanks = padding / pictures.size() + (i < padding % pictures.size() ? 1 : 0);
    std::string comment = pictures[i].subject;
    comment.append(blanks, ' ');
    AddJpegComment(pictures[i].bytes, comment);
    WriteBytes(PicturePath(root, pictures[i].file), pictures[i].bytes);
  }
}

// ---------------------------------------------------------------------------------------------
// Image2: the window's background, dark teal with faint diagonal bands and a fine grain

const Colour kBackdrop = Rgb255(0, 78, 84);

Colour BackgroundAt(int x, int y) {
  const double u = (x + y) / 96.0;
  const double band = 0.5 + 0.5 * std::sin(u * 2 * kPi + 0.6 * std::sin(u * 0.9));
  const double slow = 0.5 + 0.5 * std::sin((x - 0.6 * y) / 260.0);
  const double grain = (Noise(x / 2, y, 7) - 0.5) * 0.010;
  const double light = 0.92 + 0.10 * band + 0.05 * slow;
  return {kBackdrop.r * light, kBackdrop.g * light + grain, kBackdrop.b * light + grain};
}

Raster DrawBackground() {
  Raster raster(684, 459, {0, 0, 0});
  for (int y = 0; y < raster.Height(); ++y)
    for (int x = 0; x < raster.Width(); ++x) {
      const Colour c = BackgroundAt(x, y);
      raster.Set(x, y, {Byte(c.r), Byte(c.g), Byte(c.b)});
    }
  return raster;
}

// ---------------------------------------------------------------------------------------------
// Image12, Image13: lettering on navy, the transparent colour. Where a letter only partly covers
// a pixel, the pixel takes the mixture of the lettering and the background picture that shows
// there in the window, so the letters stand cleanly on the teal.

constexpr Rgb kNavy{0, 0, 128};

Raster KeyOut(const Canvas& lettering, int windowLeft, int windowTop) {
  Raster raster(lettering.Width(), lettering.Height(), kNavy);
  for (int y = 0; y < lettering.Height(); ++y)
    for (int x = 0; x < lettering.Width(); ++x) {
      const double a = lettering.Alpha(x, y);
      if (a < 0.06) continue;
      const Colour c = Mix(BackgroundAt(windowLeft + x, windowTop + y), lettering.ColourAt(x, y),
                           std::min(1.0, a * 1.05));
      raster.Set(x, y, {Byte(c.r), Byte(c.g), Byte(c.b)});
    }
  return raster;
}

Raster DrawFooterBanner() {
  Canvas canvas(509, 50);
  cairo_t* cr = canvas.Context();
  const Colour white = Rgb255(255, 255, 255);
  // Persian line: address, telephone and fax.
  Use(cr, white);
  Text(cr,
       "تهران، خيابان فلسطين، کوچه تير، پلاک ۱۲  -  تلفن: ۸۸۷۷۶۶۵ و ۸۸۷۷۶۶۶ (۰۲۱)  -  "
       "فاکس: ۸۸۷۷۶۶۷ (۰۲۱)",
       Font{kPersian, 12.5, true}, 254.5, 19, Align::Centre, 495);
  // A hairline between the two lines.
  cairo_set_line_width(cr, 0.8);
  Use(cr, white, 0.75);
  Line(cr, 40, 25.5, 469, 25.5);
  // Latin line: the same in short, with the web and mail addresses.
  Use(cr, white);
  Text(cr,
       "Tel: +98 21 8877665 - 8877666    Fax: +98 21 8877667    www.norvex.com    "
       "info@norvex.com",
       Font{kSans, 9.6, true}, 254.5, 38, Align::Centre, 495);
  return KeyOut(canvas, 61, 342);
}

Raster DrawIndustryList() {
  Canvas canvas(112, 182);
  cairo_t* cr = canvas.Context();
  const Colour yellow = Rgb255(255, 222, 40);
  const char* industries[] = {"سيمان",    "فولاد و ذوب آهن", "معادن",       "نيروگاه",
                              "پتروشيمي", "مواد غذايي",      "شيشه و کاشي", "کود و سموم"};
  double y = 17;
  for (const char* name : industries) {
    Use(cr, yellow);
    Text(cr, name, Font{kPersian, 12.5, true}, 98, y, Align::Right, 88);
    // A small diamond bullet at the right, where a Persian list begins.
    Path(cr, {{105, y - 8}, {108.5, y - 4.5}, {105, y - 1}, {101.5, y - 4.5}}, true);
    cairo_fill(cr);
    y += 22;
  }
  return KeyOut(canvas, 472, 88);
}

// ---------------------------------------------------------------------------------------------
// BitBtn1, BitBtn2: a green round button face with a white arrow, on white (transparent). The
// rim's partly covered pixels are mixed with the button face they stand on.

constexpr Rgb kGlyphKey{255, 255, 255};    // transparent: the glyph's bottom-left pixel
constexpr Rgb kArrowWhite{250, 250, 250};  // drawn

Raster DrawArrowGlyph(bool up) {
  const int w = 38, h = 39;
  Canvas canvas(w, h);
  cairo_t* cr = canvas.Context();
  const double cx = 19, cy = 19.5, r = 16.5;
  // Face: a radial gradient from a light spot at the upper left.
  cairo_pattern_t* face = cairo_pattern_create_radial(cx - 5, cy - 6, 1, cx, cy, r);
  cairo_pattern_add_color_stop_rgb(face, 0.0, 0.55, 0.90, 0.45);
  cairo_pattern_add_color_stop_rgb(face, 0.55, 0.14, 0.66, 0.16);
  cairo_pattern_add_color_stop_rgb(face, 1.0, 0.04, 0.42, 0.08);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_set_source(cr, face);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(face);
  cairo_set_line_width(cr, 1.2);
  Use(cr, Rgb255(8, 70, 16));
  cairo_stroke(cr);
  // A soft highlight on the upper half.
  cairo_pattern_t* gloss = cairo_pattern_create_linear(0, cy - r, 0, cy);
  cairo_pattern_add_color_stop_rgba(gloss, 0, 1, 1, 1, 0.45);
  cairo_pattern_add_color_stop_rgba(gloss, 1, 1, 1, 1, 0.0);
  cairo_save(cr);
  cairo_translate(cr, cx, cy - r * 0.45);
  cairo_scale(cr, 1.0, 0.55);
  cairo_arc(cr, 0, 0, r * 0.78, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_set_source(cr, gloss);
  cairo_fill(cr);
  cairo_pattern_destroy(gloss);
  // The arrow.
  const double s = up ? 1.0 : -1.0;
  auto at = [&](double x, double y) { return P{cx + x, cy + s * y}; };
  std::vector<P> arrow = {at(0, -10.5), at(9.5, -0.5), at(4, -0.5),   at(4, 9.5),
                          at(-4, 9.5),  at(-4, -0.5),  at(-9.5, -0.5)};
  Path(cr, arrow, true);
  Use(cr, Rgb255(0, 60, 10), 0.35);  // shadow
  cairo_save(cr);
  cairo_translate(cr, 0.8, 0.9);
  Path(cr, arrow, true);
  cairo_restore(cr);
  cairo_fill(cr);
  // The arrow is a white just off the background white, which the button keys out.
  Path(cr, arrow, true);
  Use(cr, Rgb255(kArrowWhite.r, kArrowWhite.g, kArrowWhite.b));
  cairo_fill(cr);
  // Key out: the background white where nothing is drawn, the face colour mixed in at the rim;
  // nothing drawn may come out as the background white.
  const Colour buttonFace = Rgb255(212, 208, 200);
  Raster raster(w, h, kGlyphKey);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double a = canvas.Alpha(x, y);
      if (a < 0.04) continue;
      const Colour c = Mix(buttonFace, canvas.ColourAt(x, y), a);
      const Rgb p{Byte(c.r), Byte(c.g), Byte(c.b)};
      const bool keyed = p.r == kGlyphKey.r && p.g == kGlyphKey.g && p.b == kGlyphKey.b;
      raster.Set(x, y, keyed ? kArrowWhite : p);
    }
  return raster;
}

// ---------------------------------------------------------------------------------------------
// Image1: belt conveyor BC-101, general arrangement

// A rectangle in a turned frame: the four corners given by a mapping of (u, v).
template <typename Map>
void FrameQuad(cairo_t* cr, Map s, double u0, double v0, double u1, double v1) {
  Path(cr, {s(u0, v0), s(u1, v0), s(u1, v1), s(u0, v1)}, true);
}

// A short column with a base plate on the ground line and its pedestal below, dashed.
void Column(cairo_t* cr, double x, double top, double ground, double width = 3.0) {
  Use(cr, Pen::Outline);
  Line(cr, x - width / 2, top, x - width / 2, ground - 1.5);
  Line(cr, x + width / 2, top, x + width / 2, ground - 1.5);
  SolidBox(cr, x - width / 2 - 3, ground - 1.5, width + 6, 1.5);
  Use(cr, Pen::Hidden);
  Box(cr, x - width / 2 - 4, ground, width + 8, 7);
}

void DrawMotorSide(cairo_t* cr, double x, double y, double w, double h, bool fanLeft) {
  // Body with cooling fins, fan cowl at one end, terminal box on top.
  Use(cr, Pen::Outline);
  SolidBox(cr, x, y, w, h);
  Use(cr, Pen::Thin);
  for (double fx = x + 3; fx < x + w - 1; fx += 2.2) Line(cr, fx, y + 1, fx, y + h - 1);
  Use(cr, Pen::Outline);
  const double cw = std::min(7.0, w * 0.25);
  const double cx = fanLeft ? x - cw : x + w;
  cairo_save(cr);
  cairo_new_sub_path(cr);
  if (fanLeft) {
    cairo_move_to(cr, x, y + 1);
    cairo_curve_to(cr, cx - 1, y + 1, cx - 1, y + h - 1, x, y + h - 1);
  } else {
    cairo_move_to(cr, x + w, y + 1);
    cairo_curve_to(cr, cx + cw + 1, y + 1, cx + cw + 1, y + h - 1, x + w, y + h - 1);
  }
  Use(cr, kPaper);
  cairo_fill_preserve(cr);
  Use(cr, Pen::Outline);
  cairo_stroke(cr);
  cairo_restore(cr);
  SolidBox(cr, x + w * 0.35, y - 3, w * 0.3, 3);
}

Raster DrawBeltConveyor() {
  Canvas canvas(609, 429, kPaper);
  cairo_t* cr = canvas.Context();
  const SheetFrame f = DrawSheet(cr, 609, 429);

  // ---- Elevation
  const double a = Radians(9);
  const P T{76, 172};
  const double L = 450;
  const P d{std::cos(a), -std::sin(a)};
  const P nd{std::sin(a), std::cos(a)};  // across the conveyor, pointing below the belt
  auto S = [&](double u, double v) { return T + d * u + nd * v; };
  const P H = S(L, 0);
  const double ground = 206;
  ViewTitle(cr, 150, 40, "ELEVATION", "SCALE 1:100");

  // Trestles under the stringer, with knee braces.
  for (double u : {105.0, 205.0, 305.0}) {
    const P top = S(u, 3.5);
    Column(cr, top.x, top.y, ground);
    Use(cr, Pen::Thin);
    Line(cr, top.x - 1.5, top.y + 12, S(u - 14, 3.5).x, S(u - 14, 3.5).y);
    Line(cr, top.x + 1.5, top.y + 12, S(u + 14, 3.5).x, S(u + 14, 3.5).y);
  }

  // Gravity take-up: two bend pulleys, the take-up pulley in its guides, the counterweight.
  const double tx = S(L - 96, 0).x;
  auto AtX = [&](double x, double v) { return (x - T.x - nd.x * v) / d.x; };
  const P b1 = S(AtX(tx - 15, 11.5), 11.5);
  const P b2 = S(AtX(tx + 15, 11.5), 11.5);
  const P tu{tx, std::max(b1.y, b2.y) + 40};
  {
    // Tower: guide columns either side from the ground to the stringer.
    for (double x : {tx - 20.0, tx + 20.0}) {
      const double top = S(AtX(x, 3.5), 3.5).y;
      Column(cr, x, top, ground, 2.6);
    }
    Use(cr, Pen::Thin);
    for (double y : {tu.y - 22, tu.y + 30}) Line(cr, tx - 18.7, y, tx + 18.7, y);
    Line(cr, tx - 18.7, tu.y + 30, tx + 18.7, ground - 1.5);
    Line(cr, tx + 18.7, tu.y + 30, tx - 18.7, ground - 1.5);
    // Belt loop.
    Use(cr, Pen::Heavy);
    cairo_set_line_width(cr, 1.3);
    Line(cr, b1.x + 4, b1.y, tx - 11, tu.y);
    Line(cr, b2.x - 4, b2.y, tx + 11, tu.y);
    cairo_new_sub_path(cr);
    cairo_arc(cr, tx, tu.y, 11, 0, kPi);
    cairo_stroke(cr);
    Use(cr, Pen::Outline);
    SolidCircle(cr, tu.x, tu.y, 10);
    Circle(cr, tu.x, tu.y, 3);
    for (P b : {b1, b2}) {
      SolidCircle(cr, b.x, b.y, 4);
      Circle(cr, b.x, b.y, 1.2);
    }
    // Carriage and counterweight.
    Box(cr, tx - 14, tu.y - 4, 28, 8);
    Line(cr, tx, tu.y + 4, tx, tu.y + 14);
    SolidBox(cr, tx - 12, tu.y + 14, 24, 16);
    cairo_rectangle(cr, tx - 12, tu.y + 14, 24, 16);
    Hatch(cr, 2.6);
    CentreCross(cr, tu.x, tu.y, 13);
  }

  // Head frame: two columns with cross bracing and the drive platform.
  const double platform = H.y + 17;
  {
    const double c0 = H.x - 24, c1 = H.x + 14;
    for (double x : {c0, c1}) Column(cr, x, platform, ground, 3.4);
    Use(cr, Pen::Thin);
    const double mid = (platform + ground) / 2;
    Line(cr, c0 + 2, mid, c1 - 2, mid);
    Line(cr, c0 + 2, platform + 2, c1 - 2, mid);
    Line(cr, c1 - 2, platform + 2, c0 + 2, mid);
    Line(cr, c0 + 2, mid, c1 - 2, ground - 1.5);
    Line(cr, c1 - 2, mid, c0 + 2, ground - 1.5);
    Use(cr, Pen::Outline);
    SolidBox(cr, H.x - 48, platform, 66, 3);
    // Platform handrail.
    Use(cr, Pen::Thin);
    for (double x : {H.x - 45, H.x - 28}) Line(cr, x, platform, x, platform - 19);
    Line(cr, H.x - 45, platform - 19, H.x - 28, platform - 19);
    Line(cr, H.x - 45, platform - 10, H.x - 28, platform - 10);
  }

  // Stringer, idlers, walkway.
  Use(cr, Pen::Outline);
  FrameQuad(cr, S, 14, -1, L - 20, 3.5);
  cairo_save(cr);
  Use(cr, kPaper);
  cairo_fill_preserve(cr);
  cairo_restore(cr);
  cairo_stroke(cr);
  Use(cr, Pen::Thin);
  Line(cr, S(14, 0.2), S(L - 20, 0.2));
  // Carrying idlers: closer in the loading zone.
  std::vector<double> carrying;
  for (double u = 20; u < 84; u += 8) carrying.push_back(u);
  for (double u = 92; u < L - 24; u += 15) carrying.push_back(u);
  for (double u : carrying) {
    Use(cr, Pen::Thin);
    Line(cr, S(u - 2, -1), S(u - 2, -4.5));
    Line(cr, S(u + 2, -1), S(u + 2, -4.5));
    Use(cr, Pen::Outline);
    const P c = S(u, -5.6);
    SolidCircle(cr, c.x, c.y, 2.3);
  }
  // Return idlers.
  for (double u = 40; u < L - 30; u += 45) {
    if (std::abs(S(u, 0).x - tx) < 26) continue;
    Use(cr, Pen::Thin);
    Line(cr, S(u - 2.5, 3.5), S(u - 2.5, 10.8));
    Line(cr, S(u + 2.5, 3.5), S(u + 2.5, 10.8));
    Use(cr, Pen::Outline);
    const P c = S(u, 10.6);
    SolidCircle(cr, c.x, c.y, 2.3);
  }
  // Belt: carrying strand, return strand either side of the take-up.
  Use(cr, kInk);
  cairo_set_line_width(cr, 1.5);
  Line(cr, S(0, -7.9), S(L, -9.0));
  cairo_set_line_width(cr, 1.3);
  Line(cr, S(0, 7.9), S(AtX(b1.x, 7.9), 7.9));
  Line(cr, S(AtX(b2.x, 7.9), 7.9), S(L - 26, 12.0));
  Line(cr, S(L - 26, 12.0), S(L, 9.0));
  // Snub pulley near the head.
  {
    const P sn = S(L - 26, 16.5);
    Use(cr, Pen::Outline);
    SolidCircle(cr, sn.x, sn.y, 4.3);
    Circle(cr, sn.x, sn.y, 1.2);
  }

  // Tail pulley with its screw take-up and the loading chute.
  {
    Use(cr, Pen::Outline);
    SolidCircle(cr, T.x, T.y, 7.5);
    Circle(cr, T.x, T.y, 2.2);
    CentreCross(cr, T.x, T.y, 11);
    Box(cr, T.x - 16, T.y - 3, 26, 6);
    Use(cr, Pen::Thin);
    Line(cr, T.x - 28, T.y, T.x - 16, T.y);
    HexSide(cr, T.x - 24, T.y - 2.5, 3, 5);
    Column(cr, T.x + 2, T.y + 4, ground, 3.0);
    // Skirt boards and chute.
    const P s0 = S(14, -9), s1 = S(86, -9);
    Use(cr, Pen::Outline);
    Path(cr, {s0, s1, S(86, -15), S(14, -15)}, true);
    cairo_stroke(cr);
    const P c0 = S(22, -15), c1 = S(60, -15);
    Polyline(cr, {c0, {c0.x - 8, c0.y - 26}, {c1.x + 8, c0.y - 26}, c1});
    SolidBox(cr, c0.x - 11, c0.y - 29, c1.x - c0.x + 22, 3);
    Use(cr, Pen::Thin);
    Text(cr, "FEED", kLabelFont, (c0.x + c1.x) / 2, c0.y - 33, Align::Centre);
  }

  // Head: pulley (hidden in the hood), hood and discharge chute, drive in front.
  {
    Use(cr, Pen::Outline);
    Path(cr, {{H.x - 18, S(L - 20, -9).y},
              {H.x - 18, H.y - 22},
              {H.x + 12, H.y - 22},
              {H.x + 22, H.y - 10},
              {H.x + 42, H.y + 38}});
    cairo_stroke(cr);
    Polyline(cr, {{H.x + 10, H.y + 10}, {H.x + 26, H.y + 46}});
    {
      // Chute end flange, across the chute.
      const P e0{H.x + 26, H.y + 46}, e1{H.x + 42, H.y + 38};
      const P u = Unit(e1 - e0), n = Normal(u) * -1.0;
      Path(cr, {e0 - u * 3, e1 + u * 3, e1 + u * 3 + n * 3, e0 - u * 3 + n * 3}, true);
      cairo_stroke(cr);
    }
    Use(cr, Pen::Hidden);
    Circle(cr, H.x, H.y, 9);
    Use(cr, Pen::Thin);
    Text(cr, "DISCHARGE", kLabelFont, H.x + 36, H.y + 62, Align::Centre);
    // Shaft-mounted gearbox and motor on the platform.
    Use(cr, Pen::Outline);
    DrawMotorSide(cr, H.x - 44, H.y + 3, 28, 12, true);
    SolidBox(cr, H.x - 16, H.y - 6, 22, 21);
    Circle(cr, H.x, H.y, 3.5);
    Use(cr, Pen::Thin);
    Line(cr, H.x - 6, H.y + 15, H.x - 6, platform);
    Line(cr, H.x - 2, H.y + 15, H.x - 2, platform);
    CentreCross(cr, H.x, H.y, 13);
  }

  // Walkway handrail along the near side, in front.
  {
    Use(cr, Pen::Thin);
    cairo_set_line_width(cr, 0.55);
    Line(cr, S(96, -27), S(L - 44, -27));
    Line(cr, S(96, -16), S(L - 44, -16));
    for (double u = 96; u <= L - 44 + 0.1; u += (L - 140) / 8) Line(cr, S(u, -27), S(u, -1));
  }

  Ground(cr, 24, 592, ground);
  // Levels, overall dimensions, incline.
  Level(cr, 30, ground, "\u00B10.000");
  Level(cr, T.x - 30, T.y, "+3.600", false);
  Level(cr, H.x + 48, H.y, "+11.200");
  Dimension(cr, {T.x, ground + 3}, {H.x, ground + 3}, -14, "46 900");
  {
    cairo_save(cr);
    Use(cr, Pen::Dimension);
    Line(cr, T.x + 8, T.y, T.x + 82, T.y);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, T.x, T.y, 74, 0, -a);
    cairo_stroke(cr);
    const P at = Polar(T, 78, a / 2);
    Text(cr, "9\u00B0", kDimensionFont, at.x + 1, at.y + 2.5);
    cairo_restore(cr);
  }
  SectionCut(cr, S(210, -38), S(210, 18), d, "A");
  ViewArrow(cr, {H.x - 30, H.y - 44}, {H.x - 30, H.y - 26}, "B");
  Balloon(cr, {H.x + 36, H.y - 42}, H + P{6, -5}, 1);
  Balloon(cr, {T.x - 8, T.y - 50}, T + P{-4, -5}, 2);
  Balloon(cr, S(150, -50), S(150, -7.4), 3);
  Balloon(cr, S(150, 34), S(150, 12.4), 4);
  Balloon(cr, S(262, -50), S(262, -8.3), 5);
  Balloon(cr, {H.x - 62, H.y - 30}, {H.x - 36, H.y + 5}, 6);
  Balloon(cr, {tx - 40, tu.y + 26}, {tx - 12, tu.y + 22}, 7);
  Balloon(cr, S(350, 34), S(350, 2), 8);
  Balloon(cr, {S(305, 0).x + 22, ground - 24}, {S(305, 0).x + 1.5, ground - 30}, 9);

  // ---- Section A-A: troughing idler set on the stringers, return idler, trestle, walkway.
  {
    const double cx = 112;
    ViewTitle(cr, cx, 244, "SECTION A-A", "SCALE 1:20");
    const double base = 312;
    // Stringers (channels, solid in section) on trestle legs.
    auto Channel = [&](double x, bool openRight) {
      const double w = 6, h = 16, t = 1.6;
      Use(cr, kInk);
      cairo_rectangle(cr, x, base + 4, w, t);
      cairo_rectangle(cr, x, base + 4 + h - t, w, t);
      cairo_rectangle(cr, openRight ? x : x + w - t, base + 4, t, h);
      cairo_fill(cr);
    };
    Channel(49, true);
    Channel(169, false);
    // Legs with bracing.
    const double sground = 396;
    for (double x : {52.0, 172.0}) Column(cr, x, base + 20, sground, 3.0);
    Use(cr, Pen::Thin);
    Line(cr, 53.5, 346, 170.5, 346);
    Line(cr, 53.5, 346, 170.5, sground - 2);
    Line(cr, 170.5, 346, 53.5, sground - 2);
    Ground(cr, 34, 200, sground);
    // Idler base frame and brackets.
    Use(cr, Pen::Outline);
    SolidBox(cr, 47, base, 130, 4);
    // Rolls: centre roll level, wing rolls at 35 degrees.
    const double rollR = 5.2, rollLen = 34, troughAngle = Radians(35);
    const double axisY = base - 10;
    const P cl{cx - rollLen / 2 - 1, axisY}, cr_{cx + rollLen / 2 + 1, axisY};
    auto Roll = [&](P from, P to) {
      const P u = Unit(to - from);
      const P n = Normal(u) * rollR;
      Use(cr, Pen::Outline);
      Path(cr, {from + n, to + n, to - n, from - n}, true);
      cairo_save(cr);
      Use(cr, kPaper);
      cairo_fill_preserve(cr);
      cairo_restore(cr);
      cairo_stroke(cr);
      Use(cr, Pen::Thin);
      Line(cr, from + u * 2 + n, from + u * 2 - n);
      Line(cr, to - u * 2 + n, to - u * 2 - n);
      CentreLine(cr, from, to, 3);
    };
    const P lw0 = cl + P{-1, 2},
            lw1 = lw0 + P{-std::cos(troughAngle), -std::sin(troughAngle)} * rollLen;
    const P rw0 = cr_ + P{1, 2},
            rw1 = rw0 + P{std::cos(troughAngle), -std::sin(troughAngle)} * rollLen;
    Use(cr, Pen::Outline);
    for (double x : {cl.x + 1, cr_.x - 1}) Box(cr, x - 1.2, axisY, 2.4, base - axisY);
    Box(cr, lw1.x - 3.2, lw1.y, 2.4, base - lw1.y);
    Box(cr, rw1.x + 0.8, rw1.y, 2.4, base - rw1.y);
    Roll(cl + P{1, 0}, cr_ - P{1, 0});
    Roll(lw0, lw1);
    Roll(rw0, rw1);
    // Belt on the rolls and the load on the belt.
    const P nl = Normal(Unit(lw0 - lw1));  // the left wing's normal into the trough
    const P nr = Normal(Unit(rw1 - rw0));
    const double lift = rollR + 1.2;
    const P e0 = lw1 + nl * lift + Unit(lw1 - lw0) * 4;
    const P e1 = lw0 + nl * lift;
    const P e2 = rw0 + nr * lift;
    const P e3 = rw1 + nr * lift + Unit(rw1 - rw0) * 4;
    const P m0{cl.x, axisY - lift}, m1{cr_.x, axisY - lift};
    Path(cr, {e0, e1, m0, m1, e2, e3});
    cairo_line_to(cr, e3.x, e3.y);
    // Load: a heap over the trough.
    cairo_save(cr);
    cairo_new_path(cr);
    Path(cr, {e0 + Unit(e1 - e0) * 3, e1, m0, m1, e2, e3 + Unit(e2 - e3) * 3});
    cairo_curve_to(cr, e3.x - 14, e3.y - 20, e0.x + 14, e0.y - 20, e0.x + Unit(e1 - e0).x * 3,
                   e0.y + Unit(e1 - e0).y * 3);
    cairo_close_path(cr);
    Use(cr, Rgb255(236, 230, 214));
    cairo_fill_preserve(cr);
    cairo_clip(cr);
    Use(cr, Rgb255(120, 110, 90));
    for (int i = 0; i < 260; ++i) {
      const double x = 60 + Noise(i, 1, 11) * 110, y = 250 + Noise(i, 2, 11) * 60;
      Dot(cr, x, y, 0.45);
    }
    cairo_restore(cr);
    Use(cr, kInk);
    cairo_set_line_width(cr, 1.8);
    Polyline(cr, {e0, e1, m0, m1, e2, e3});
    // Return idler hung from the stringers, and the return belt on it.
    Use(cr, Pen::Outline);
    Polyline(cr, {{57, base + 20}, {60, base + 34}});
    Polyline(cr, {{167, base + 20}, {164, base + 34}});
    Roll({62, base + 34}, {162, base + 34});
    Use(cr, kInk);
    cairo_set_line_width(cr, 1.5);
    Line(cr, 64, base + 34 - rollR - 1.2, 160, base + 34 - rollR - 1.2);
    // Walkway grating, toe plate, handrail post with its rail sections.
    Use(cr, Pen::Outline);
    Box(cr, 175, base + 4, 24, 3);
    cairo_rectangle(cr, 175, base + 4, 24, 3);
    Hatch(cr, 1.6, 90);
    Use(cr, Pen::Outline);
    Line(cr, 198, base + 7, 198, base - 34);
    Box(cr, 196, base - 2, 2, 6);
    SolidCircle(cr, 198, base - 34, 1.6);
    SolidCircle(cr, 198, base - 17, 1.6);
    Column(cr, 192, base + 7, sground, 2.0);
    // Dimensions.
    Dimension(cr, e0, e3, 16, "B = 800");
    {
      cairo_save(cr);
      Use(cr, Pen::Dimension);
      Line(cr, lw0.x - 2, lw0.y, lw0.x - 30, lw0.y);
      cairo_new_sub_path(cr);
      cairo_arc(cr, lw0.x, lw0.y, 22, kPi + 0.0, kPi + troughAngle);
      cairo_stroke(cr);
      Text(cr, "35\u00B0", kDimensionFont, lw0.x - 30, lw0.y - 5, Align::Right);
      cairo_restore(cr);
    }
    HDimension(cr, 52, 172, sground, sground + 10, "1 200");
    VDimension(cr, sground, base, 40, 36, "2 650");
    Balloon(cr, {140, 358}, {130, base + 34 + rollR}, 4);
    Balloon(cr, {166, 280}, rw1 + P{-3, 0}, 3);
  }

  // ---- View B: drive arrangement, in plan.
  {
    const double sx = 330, sy = 312;  // drum centre
    ViewTitle(cr, 300, 244, "VIEW B - DRIVE", "SCALE 1:25");
    // Head frame stringers and the belt coming in.
    Use(cr, Pen::Outline);
    for (double y : {sy - 38, sy + 34}) {
      Box(cr, 224, y, 150, 4);
    }
    Use(cr, Pen::Thin);
    Line(cr, 224, sy - 27, sx - 20, sy - 27);
    Line(cr, 224, sy + 27, sx - 20, sy + 27);
    BreakLine(cr, {224, sy - 42}, {224, sy + 42});
    // Drum with herringbone lagging.
    Use(cr, Pen::Outline);
    SolidBox(cr, sx - 20, sy - 32, 40, 64);
    cairo_rectangle(cr, sx - 19, sy - 31, 38, 31);
    Hatch(cr, 3.2, 30);
    cairo_rectangle(cr, sx - 19, sy, 38, 31);
    Hatch(cr, 3.2, -30);
    Use(cr, Pen::Outline);
    Box(cr, sx - 20, sy - 32, 40, 64);
    // Shaft, plummer blocks.
    SolidBox(cr, sx - 4, sy - 52, 8, 20);
    SolidBox(cr, sx - 4, sy + 32, 8, 22);
    for (double y : {sy - 50.0, sy + 36.0}) {
      SolidBox(cr, sx - 15, y + 2, 30, 10);
      SolidBox(cr, sx - 8, y, 16, 14);
      Use(cr, Pen::Thin);
      Circle(cr, sx - 12, y + 7, 1.3);
      Circle(cr, sx + 12, y + 7, 1.3);
      Use(cr, Pen::Outline);
    }
    // Gearbox (hollow shaft) and motor alongside the conveyor, with the torque arm.
    SolidBox(cr, sx - 17, sy + 54, 34, 28);
    Circle(cr, sx, sy + 68, 5);
    DrawMotorSide(cr, sx - 74, sy + 61, 57, 15, true);
    Use(cr, Pen::Thin);
    Polyline(cr, {{sx + 17, sy + 76}, {sx + 34, sy + 76}, {sx + 34, sy + 38}});
    CentreLine(cr, {sx, sy - 60}, {sx, sy + 86});
    CentreLine(cr, {222, sy}, {sx + 30, sy});
    CentreLine(cr, {sx - 86, sy + 68.5}, {sx - 17, sy + 68.5});
    Dimension(cr, {sx + 20, sy + 32}, {sx + 20, sy - 32}, -14, "1 150");
    Dimension(cr, {sx - 20, sy - 32}, {sx + 20, sy - 32}, 22, "\u00D8630");
    Use(cr, kInk);
    Text(cr, "37 kW - 1480 rpm", kLabelFont, sx - 46, sy + 92, Align::Centre);
    Text(cr, "i = 31.5", kLabelFont, sx + 30, sy + 92, Align::Centre);
    Balloon(cr, {sx + 48, sy - 8}, {sx + 16, sy - 14}, 1);
    Balloon(cr, {sx - 74, sy + 46}, {sx - 56, sy + 62}, 6);
  }

  // ---- Sheet furniture.
  DrawRevisions(cr, f.right, f.top,
                {{"A", "ISSUED FOR APPROVAL", "03.04.2005", "A.K."},
                 {"B", "ISSUED FOR CONSTRUCTION", "12.06.2005", "A.K."}});
  DrawTitleBlock(cr, f.right, f.bottom,
                 {"BELT CONVEYOR BC-101", "GENERAL ARRANGEMENT", "NX-0517-BC-001", "1:100",
                  "12.06.2005", "1 / 3", "B", "18 640 kg"});
  const double partsTop = DrawPartsList(cr, f.right, f.bottom - kTitleHeight,
                                        {{"SUPPORT TRESTLE, HEA 160", "3", "ST37-2"},
                                         {"STRINGER, UNP 160", "12", "ST37-2"},
                                         {"GRAVITY TAKE-UP, 2.4 t", "1", "ST37-2"},
                                         {"DRIVE UNIT 37 kW, i = 31.5", "1", "SEW / FLENDER"},
                                         {"BELT EP 630/4, B = 800, 6+2", "98 m", "RUBBER"},
                                         {"RETURN IDLER \u00D8133 x 950", "10", "DIN 22112"},
                                         {"TROUGHING IDLER 35\u00B0, \u00D8133", "34", "DIN 22112"},
                                         {"TAIL PULLEY \u00D8500 x 950", "1", "ST37-2"},
                                         {"HEAD PULLEY \u00D8630 x 950, LAGGED", "1", "ST37-2"}});
  DrawNotes(cr, f.right - kTitleWidth + 2, partsTop - 40,
            {"ALL DIMENSIONS IN mm, LEVELS IN m, UNLESS NOTED.",
             "STRUCTURAL STEEL ST37-2 (DIN 17100), BOLTS 8.8 GALV.",
             "WELDS: FILLET 6 mm CONTINUOUS UNLESS NOTED.",
             "CAPACITY 350 t/h, BELT SPEED 2.0 m/s, MATERIAL: LIMESTONE."});
  return canvas.Pixels();
}

// ---------------------------------------------------------------------------------------------
// Image3: screw conveyor SC-204, general arrangement

// The screw between x0 and x1 seen from the side: the near half of each turn of the flight's
// outer edge drawn, the far half hidden.
void ScrewFlight(cairo_t* cr, double x0, double x1, double cy, double radius, double pitch) {
  const int steps = 14;
  for (double start = x0; start < x1 - 0.5; start += pitch / 2) {
    const bool nearHalf = std::fmod((start - x0) / pitch, 1.0) < 0.25;
    Use(cr, nearHalf ? Pen::Outline : Pen::Hidden);
    if (nearHalf) cairo_set_line_width(cr, 0.9);
    for (int i = 0; i <= steps; ++i) {
      const double t = static_cast<double>(i) / steps;
      const double x = start + t * pitch / 2;
      if (x > x1) break;
      const double theta = (nearHalf ? 0 : kPi) + t * kPi;
      const double y = cy - radius * std::cos(theta);
      if (i == 0)
        cairo_move_to(cr, x, y);
      else
        cairo_line_to(cr, x, y);
    }
    cairo_stroke(cr);
  }
}

Raster DrawScrewConveyor() {
  Canvas canvas(555, 392, kPaper);
  cairo_t* cr = canvas.Context();
  const SheetFrame f = DrawSheet(cr, 555, 392);

  // ---- Elevation
  ViewTitle(cr, 150, 26, "ELEVATION (PARTIAL SECTION)", "SCALE 1:25");
  const double x0 = 62, x1 = 448, top = 96, bottom = 132, cy = 115, ground = 172;
  for (double x : {92.0, 250.0, 372.0}) {
    Column(cr, x, bottom, ground, 3.0);
    Use(cr, Pen::Thin);
    Line(cr, x - 1.5, bottom + 14, x - 12, bottom);
    Line(cr, x + 1.5, bottom + 14, x + 12, bottom);
  }
  // Outlet under the trough at the drive end.
  Use(cr, Pen::Outline);
  SolidBox(cr, 396, bottom, 36, 24);
  SolidBox(cr, 393, bottom + 24, 42, 3);
  // Trough, cover with clamps, section flanges and end plates.
  SolidBox(cr, x0, top, x1 - x0, bottom - top);
  SolidBox(cr, x0 - 1, top - 2.5, x1 - x0 + 2, 2.5);
  SolidBox(cr, x0, top - 5.5, x1 - x0, 3);
  Use(cr, Pen::Thin);
  for (double x = x0 + 10; x < x1 - 5; x += 19.3) Box(cr, x - 1.5, top - 7, 3, 5);
  Use(cr, Pen::Outline);
  for (double x : {190.0, 319.0}) SolidBox(cr, x - 1.5, top - 3, 3, bottom - top + 5);
  SolidBox(cr, x0 - 3, top - 6, 3, bottom - top + 8);
  SolidBox(cr, x1, top - 6, 3, bottom - top + 8);
  // Screw: pipe, flights between the hanger bearings.
  Use(cr, Pen::Outline);
  cairo_set_line_width(cr, 0.8);
  Line(cr, x0 + 2, cy - 4.5, x1 - 2, cy - 4.5);
  Line(cr, x0 + 2, cy + 4.5, x1 - 2, cy + 4.5);
  ScrewFlight(cr, x0 + 6, 183, cy, 15, 30);
  ScrewFlight(cr, 197, 312, cy, 15, 30);
  ScrewFlight(cr, 326, x1 - 6, cy, 15, 30);
  // Hanger bearings.
  Use(cr, Pen::Outline);
  for (double x : {190.0, 319.0}) {
    SolidBox(cr, x - 2.5, top - 2, 5, 14);
    SolidBox(cr, x - 6, cy - 7, 12, 14);
    Circle(cr, x, cy, 3);
  }
  // Inlet spout with its flange, and the flow arrows.
  SolidBox(cr, 74, top - 35, 36, 29.5);
  SolidBox(cr, 71, top - 38, 42, 3);
  Use(cr, kInk);
  Text(cr, "INLET", kLabelFont, 92, top - 42, Align::Centre);
  Text(cr, "OUTLET", kLabelFont, 414, bottom + 36, Align::Centre);
  cairo_set_line_width(cr, 0.7);
  Line(cr, 92, top - 30, 92, top - 14);
  Arrowhead(cr, {92, top - 12}, {0, 1});
  // End bearings, drive: coupling, helical gear reducer and motor on a base frame.
  Use(cr, Pen::Outline);
  SolidBox(cr, x0 - 9, cy - 7, 6, 14);
  SolidBox(cr, x0 - 14, cy - 3, 5, 6);
  SolidBox(cr, x1 + 3, cy - 7, 6, 14);
  SolidBox(cr, x1 + 9, cy - 3, 4, 6);
  SolidBox(cr, x1 + 13, cy - 6, 5, 12);
  SolidBox(cr, x1 + 18, cy - 13, 24, 28);
  Line(cr, x1 + 18, cy - 4, x1 + 42, cy - 4);
  DrawMotorSide(cr, x1 + 42, cy - 8, 34, 16, false);
  SolidBox(cr, x1 + 5, cy + 15, 78, 3.5);
  Column(cr, x1 + 64, cy + 18.5, ground, 3.0);
  Use(cr, Pen::Phantom);
  Box(cr, x1 + 8, cy - 9, 11, 18);
  CentreLine(cr, {x0 - 14, cy}, {x1 + 82, cy});
  Ground(cr, 28, 540, ground);
  // Dimensions and marks.
  Dimension(cr, {x0, ground + 2}, {x1, ground + 2}, -14, "9 650");
  Dimension(cr, {92, top - 38}, {414, top - 38}, 12, "8 050");
  Level(cr, 30, ground, "\u00B10.000");
  SectionCut(cr, {232, top - 16}, {232, bottom + 12}, {-1, 0}, "A");
  ViewArrow(cr, {304, top - 34}, {318, top - 10}, "C");
  Balloon(cr, {150, 156}, {150, bottom - 1}, 1);
  Balloon(cr, {124, 78}, {125, cy - 13}, 2);
  Balloon(cr, {164, 78}, {160, cy - 4.5}, 3);
  Balloon(cr, {214, 76}, {191, top + 3}, 4);
  Balloon(cr, {38, 90}, {x0 - 6, cy - 6}, 5);
  Balloon(cr, {128, 52}, {110, top - 24}, 6);
  Balloon(cr, {446, 152}, {432, bottom + 12}, 7);
  Balloon(cr, {500, 82}, {x1 + 60, cy - 8}, 8);
  Balloon(cr, {272, 156}, {251.5, 150}, 9);

  // ---- Section A-A: U trough with the screw, cover and support.
  {
    const double cx = 92, sy = 290;
    ViewTitle(cr, cx, 208, "SECTION A-A", "SCALE 1:10");
    const double ri = 37, ro = 39.2, lip = 244;
    // Support frame.
    const double sground = 366;
    Use(cr, Pen::Outline);
    SolidBox(cr, cx - 54, sy + ro, 108, 4);
    for (double x : {cx - 48, cx + 48}) Column(cr, x, sy + ro + 4, sground, 3.0);
    Use(cr, Pen::Thin);
    Line(cr, cx - 46.5, sy + ro + 18, cx + 46.5, sground - 2);
    Line(cr, cx + 46.5, sy + ro + 18, cx - 46.5, sground - 2);
    Ground(cr, 36, 150, sground);
    // Trough wall, solid in section, with the flange lips and the cover.
    cairo_move_to(cr, cx - ro, lip);
    cairo_line_to(cr, cx - ro, sy);
    cairo_arc_negative(cr, cx, sy, ro, kPi, 0);
    cairo_line_to(cr, cx + ro, lip);
    cairo_line_to(cr, cx + ri, lip);
    cairo_line_to(cr, cx + ri, sy);
    cairo_arc(cr, cx, sy, ri, 0, kPi);
    cairo_line_to(cr, cx - ri, lip);
    cairo_close_path(cr);
    Use(cr, kInk);
    cairo_fill(cr);
    cairo_rectangle(cr, cx - ro - 12, lip, 12 + ro - ri, 2.2);
    cairo_rectangle(cr, cx + ri, lip, 12 + ro - ri, 2.2);
    cairo_fill(cr);
    Use(cr, Pen::Outline);
    SolidBox(cr, cx - ro - 13, lip - 3.5, 2 * ro + 26, 3.5);
    cairo_rectangle(cr, cx - ro - 13, lip - 3.5, 2 * ro + 26, 3.5);
    Hatch(cr, 1.8);
    Use(cr, Pen::Thin);
    for (double x : {cx - ro - 7, cx + ro + 7}) {
      Line(cr, x, lip - 7, x, lip + 5);
      HexSide(cr, x - 2, lip - 6.5, 4, 3);
    }
    // Screw: flight behind the cut, pipe in section, the cut flight.
    Use(cr, Pen::Outline);
    SolidCircle(cr, cx, sy, 33, Rgb255(246, 246, 246));
    Use(cr, Pen::Thin);
    Circle(cr, cx, sy, 30);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, sy, 9, 0, 2 * kPi);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx, sy, 7, 2 * kPi, 0);
    Use(cr, kInk);
    cairo_fill(cr);
    cairo_set_line_width(cr, 2.0);
    Line(cr, Polar({cx, sy}, 9, Radians(60)), Polar({cx, sy}, 33, Radians(60)));
    CentreCross(cr, cx, sy, 40);
    Dimension(cr, {cx - ri, lip - 4}, {cx + ri, lip - 4}, 10, "350");
    Dimension(cr, Polar({cx, sy}, 33, Radians(200)), Polar({cx, sy}, 33, Radians(20)), 0, "");
    Use(cr, kDimensionInk);
    Text(cr, "\u00D8300", kDimensionFont, cx - 6, sy + 16, Align::Right);
    VDimension(cr, sground, sy, cx + 56, cx + 64, "950");
    Balloon(cr, {cx - 56, 270}, {cx - ro, 270}, 1);
    Balloon(cr, {cx + 22, 324}, Polar({cx, sy}, 22, Radians(60)) + P{0, 0}, 2);
  }

  // ---- Detail C: hanger bearing.
  {
    const double cx = 250, sy = 286;
    ViewTitle(cr, cx, 208, "DETAIL C - HANGER BEARING", "SCALE 1:5");
    Use(cr, Pen::Thin);
    cairo_move_to(cr, cx - 46, 246);
    cairo_line_to(cr, cx - 46, sy);
    cairo_arc_negative(cr, cx, sy, 46, kPi, 0);
    cairo_line_to(cr, cx + 46, 246);
    cairo_stroke(cr);
    Use(cr, Pen::Outline);
    SolidBox(cr, cx - 60, 244, 120, 5);
    cairo_rectangle(cr, cx - 60, 244, 120, 5);
    Hatch(cr, 2.0);
    for (double x : {cx - 53, cx + 53}) {
      Use(cr, Pen::Outline);
      HexSide(cr, x - 3, 239, 6, 5);
      Use(cr, Pen::Thin);
      Line(cr, x, 244, x, 256);
    }
    Use(cr, Pen::Outline);
    SolidBox(cr, cx - 5, 249, 10, 20);
    cairo_rectangle(cr, cx - 5, 249, 10, 20);
    Hatch(cr, 2.0, -45);
    Use(cr, Pen::Outline);
    SolidBox(cr, cx - 17, sy - 17, 34, 34);
    Box(cr, cx - 17, sy - 17, 34, 34);
    // Bronze bush (hatched ring) on the coupling shaft (hatched disc).
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, sy, 12, 0, 2 * kPi);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx, sy, 8.5, 2 * kPi, 0);
    Hatch(cr, 1.5, -45);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, sy, 8.5, 0, 2 * kPi);
    Hatch(cr, 2.2, 45);
    Use(cr, Pen::Outline);
    Circle(cr, cx, sy, 12);
    Circle(cr, cx, sy, 8.5);
    for (double x : {cx - 12, cx + 12}) SolidCircle(cr, x, sy - 13, 1.6);
    SolidBox(cr, cx - 1.5, sy - 23, 3, 6);
    CentreCross(cr, cx, sy, 22);
    Use(cr, kInk);
    cairo_set_line_width(cr, 0.45);
    Line(cr, cx + 8, sy + 8, cx + 40, sy + 40);
    Line(cr, cx + 40, sy + 40, cx + 66, sy + 40);
    Text(cr, "BRONZE BUSH", kLabelFont, cx + 41, sy + 38.5);
    Line(cr, cx - 3, sy + 4, cx - 36, sy + 46);
    Line(cr, cx - 36, sy + 46, cx - 70, sy + 46);
    Text(cr, "SHAFT \u00D860", kLabelFont, cx - 69, sy + 44.5);
    Line(cr, cx, sy - 22, cx + 30, sy - 48);
    Line(cr, cx + 30, sy - 48, cx + 66, sy - 48);
    Text(cr, "GREASE NIPPLE M8", kLabelFont, cx + 31, sy - 49.5);
    Dimension(cr, {cx - 17, sy + 17}, {cx + 17, sy + 17}, -16, "120");
  }

  // ---- Sheet furniture.
  DrawRevisions(cr, f.right, f.top, {{"A", "ISSUED FOR CONSTRUCTION", "21.08.2005", "M.S."}});
  DrawTitleBlock(cr, f.right, f.bottom,
                 {"SCREW CONVEYOR SC-204", "GENERAL ARRANGEMENT", "NX-0517-SC-004", "1:25",
                  "21.08.2005", "1 / 2", "A", "2 960 kg"});
  const double partsTop =
      DrawPartsList(cr, f.right, f.bottom - kTitleHeight,
                    {{"SUPPORT LEG, UNP 100", "3", "ST37-2"},
                     {"GEARMOTOR 7.5 kW, 58 rpm", "1", "SEW R77"},
                     {"OUTLET SPOUT 300 x 300", "1", "ST37-2"},
                     {"INLET SPOUT 300 x 300", "1", "ST37-2"},
                     {"END BEARING UCF 212, SEAL", "2", "SKF"},
                     {"HANGER BEARING, BRONZE BUSH", "2", "CuSn12"},
                     {"PIPE \u00D889 x 5", "3", "ST52"},
                     {"SCREW FLIGHT \u00D8300, PITCH 300", "3", "ST37-2, t = 5"},
                     {"U-TROUGH 350, t = 4, WITH COVER", "3", "ST37-2"}});
  DrawNotes(cr, f.right - kTitleWidth + 2, partsTop - 34,
            {"ALL DIMENSIONS IN mm UNLESS NOTED.", "CAPACITY 25 t/h CEMENT, FILLING 30 %, 58 rpm.",
             "FLIGHTS CONTINUOUSLY WELDED TO PIPE BOTH SIDES.",
             "TROUGH AND COVER SEALED WITH 3 mm RUBBER."});
  return canvas.Pixels();
}

// ---------------------------------------------------------------------------------------------
// Image4: bucket elevator BE-301, general arrangement

// A bucket in side view: its back on the belt at x, opening up, projecting by `depth` towards
// `side` (+1 right, -1 left).
void BucketProfile(cairo_t* cr, double x, double y, double depth, double height, int side) {
  const double s = side;
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x, y + height);
  cairo_curve_to(cr, x, y + height * 1.25, x + s * depth * 0.85, y + height * 1.05, x + s * depth,
                 y + height * 0.1);
  cairo_line_to(cr, x + s * depth * 1.05, y - height * 0.05);
}

Raster DrawBucketElevator() {
  Canvas canvas(552, 389, kPaper);
  cairo_t* cr = canvas.Context();
  const SheetFrame f = DrawSheet(cr, 552, 389);
  const double ground = 364;

  // ---- Front elevation
  {
    ViewTitle(cr, 70, 22, "ELEVATION", "");
    const double cx = 81, head = 66, boot = 340;
    // Legs with joint flanges.
    Use(cr, Pen::Outline);
    SolidBox(cr, 60, 92, 16, 226);
    SolidBox(cr, 86, 92, 16, 226);
    Use(cr, Pen::Thin);
    for (double y = 130; y < 318; y += 38) {
      Box(cr, 58.5, y - 1, 19, 2);
      Box(cr, 84.5, y - 1, 19, 2);
    }
    // Belt and buckets seen through a broken-out window in the up leg; belt hidden elsewhere.
    Use(cr, Pen::Hidden);
    Line(cr, 72, 96, 72, 150);
    Line(cr, 72, 232, 72, 314);
    Line(cr, 90, 96, 90, 314);
    FillBox(cr, 61, 150, 14, 82, kPaper);
    Use(cr, Pen::Thin);
    Polyline(cr, {{60, 150}, {64, 148}, {68, 152}, {72, 148}, {76, 151}});
    Polyline(cr, {{60, 232}, {64, 234}, {68, 230}, {72, 234}, {76, 231}});
    Use(cr, kInk);
    cairo_set_line_width(cr, 1.4);
    Line(cr, 72.5, 151, 72.5, 231);
    cairo_set_line_width(cr, 0.8);
    for (double y = 156; y < 226; y += 12) {
      BucketProfile(cr, 71.5, y, 8, 6, -1);
      cairo_stroke(cr);
    }
    // Head with hood, head pulley hidden, discharge spout.
    Use(cr, Pen::Outline);
    cairo_move_to(cr, 54, 92);
    cairo_line_to(cr, 54, head);
    cairo_arc(cr, cx, head, 27, kPi, 2 * kPi);
    cairo_line_to(cr, 108, 92);
    cairo_close_path(cr);
    cairo_save(cr);
    Use(cr, kPaper);
    cairo_fill_preserve(cr);
    cairo_restore(cr);
    cairo_stroke(cr);
    Use(cr, Pen::Hidden);
    Circle(cr, cx, head, 13);
    Use(cr, Pen::Outline);
    Polyline(cr, {{108, 62}, {136, 90}});
    Polyline(cr, {{108, 86}, {120, 98}});
    {
      const P e0{120, 98}, e1{136, 90};
      const P u = Unit(e1 - e0), n = Normal(u) * -1.0;
      Path(cr, {e0 - u * 3, e1 + u * 3, e1 + u * 3 + n * 3, e0 - u * 3 + n * 3}, true);
      cairo_stroke(cr);
    }
    Text(cr, "DISCHARGE", kLabelFont, 104, 112, Align::Left);
    // Drive on its platform: motor, gearbox on the head shaft, backstop.
    SolidBox(cr, 16, 92, 96, 3);
    DrawMotorSide(cr, 36, 60, 30, 13, true);
    SolidBox(cr, 66, 56, 24, 22);
    Circle(cr, cx, head, 3.5);
    SolidBox(cr, 90, 62, 5, 8);
    Use(cr, Pen::Thin);
    Box(cr, 38, 73, 26, 19);
    Line(cr, 38, 73, 64, 92);
    for (double x : {18.0, 30.0}) Line(cr, x, 92, x, 68);
    Line(cr, 18, 68, 30, 68);
    Line(cr, 18, 80, 30, 80);
    CentreCross(cr, cx, head, 17);
    // Inspection door on the up leg.
    Use(cr, Pen::Outline);
    SolidBox(cr, 62.5, 272, 11, 18);
    Use(cr, Pen::Thin);
    Line(cr, 65, 276, 71, 276);
    Line(cr, 65, 286, 71, 286);
    // Boot with pulley, take-up, clean-out door; inlet chute.
    Use(cr, Pen::Outline);
    SolidBox(cr, 52, 318, 58, 40);
    Use(cr, Pen::Hidden);
    Circle(cr, cx, boot, 13);
    Use(cr, Pen::Outline);
    SolidBox(cr, 70, 349, 22, 7);
    Use(cr, Pen::Thin);
    for (double x : {49.0, 113.0}) {
      Line(cr, x, 316, x, 356);
      HexSide(cr, x - 2, 314, 4, 2.5);
    }
    CentreCross(cr, cx, boot, 17);
    Use(cr, Pen::Outline);
    Polyline(cr, {{28, 292}, {52, 318}});
    Polyline(cr, {{20, 304}, {52, 338}});
    {
      const P e0{20, 304}, e1{28, 292};
      const P u = Unit(e1 - e0), n = Normal(u);
      Path(cr, {e0 - u * 3, e1 + u * 3, e1 + u * 3 + n * 3, e0 - u * 3 + n * 3}, true);
      cairo_stroke(cr);
    }
    Text(cr, "INLET", kLabelFont, 16, 286, Align::Left);
    SolidBox(cr, 48, 358, 66, 3);
    CentreLine(cr, {cx, 30}, {cx, ground + 4});
    Ground(cr, 14, 150, ground);
    // Dimensions, levels, section mark.
    Dimension(cr, {cx + 13, boot}, {cx + 13, head}, -58, "32 000");
    Level(cr, 124, ground, "\u00B10.000");
    Level(cr, 124, 39, "+34.100");
    SectionCut(cr, {50, 244}, {112, 244}, {0, 1}, "A");
    Balloon(cr, {132, 52}, {cx + 20, head - 14}, 1);
    Balloon(cr, {22, 46}, {44, 62}, 2);
    Balloon(cr, {40, 170}, {72, 180}, 3);
    Balloon(cr, {40, 206}, {66, 208}, 4);
    Balloon(cr, {124, 190}, {102, 190}, 5);
    Balloon(cr, {132, 330}, {110, 330}, 6);
  }

  // ---- Side view
  {
    ViewTitle(cr, 214, 22, "SIDE VIEW", "");
    Use(cr, Pen::Outline);
    SolidBox(cr, 198, 92, 30, 226);
    Use(cr, Pen::Thin);
    for (double y = 130; y < 318; y += 38) Box(cr, 196.5, y - 1, 33, 2);
    Use(cr, Pen::Outline);
    Path(cr, {{192, 92}, {192, 48}, {203, 38}, {223, 38}, {234, 48}, {234, 92}}, true);
    cairo_save(cr);
    Use(cr, kPaper);
    cairo_fill_preserve(cr);
    cairo_restore(cr);
    cairo_stroke(cr);
    SolidBox(cr, 234, 63, 7, 6);
    SolidBox(cr, 241, 54, 18, 24);
    SolidCircle(cr, 250, 66, 8);
    Circle(cr, 250, 66, 5);
    SolidBox(cr, 178, 92, 96, 3);
    Use(cr, Pen::Thin);
    for (double x : {262.0, 272.0}) Line(cr, x, 92, x, 68);
    Line(cr, 262, 68, 272, 68);
    Line(cr, 262, 80, 272, 80);
    Use(cr, Pen::Outline);
    SolidBox(cr, 192, 318, 42, 40);
    Use(cr, Pen::Thin);
    for (double x : {188.0, 238.0}) {
      Line(cr, x, 316, x, 356);
      HexSide(cr, x - 2, 314, 4, 2.5);
    }
    Use(cr, Pen::Outline);
    SolidBox(cr, 188, 358, 50, 3);
    Use(cr, Pen::Hidden);
    Box(cr, 200, 60, 26, 12);
    Box(cr, 200, 334, 26, 12);
    CentreLine(cr, {186, 66}, {262, 66});
    CentreLine(cr, {186, 340}, {240, 340});
    CentreLine(cr, {213, 30}, {213, ground + 4});
    Ground(cr, 170, 280, ground);
  }

  // ---- Section A-A through the legs.
  {
    ViewTitle(cr, 318, 46, "SECTION A-A", "SCALE 1:20");
    for (double x : {292.0, 320.0}) {
      cairo_rectangle(cr, x, 64, 24, 30);
      cairo_rectangle(cr, x + 24 - 1.6, 64 + 1.6, -(24 - 3.2), 30 - 3.2);
      Use(cr, kInk);
      cairo_fill(cr);
      for (double cxn : {x - 1.5, x + 22.5})
        for (double cyn : {62.5, 92.5}) FillBox(cr, cxn, cyn, 3, 3, kInk);
      cairo_set_line_width(cr, 1.4);
      Line(cr, x + 4, 70, x + 20, 70);
      Use(cr, Pen::Outline);
      Path(cr, {{x + 5, 71}, {x + 6, 82}, {x + 18, 82}, {x + 19, 71}});
      cairo_stroke(cr);
    }
    Dimension(cr, {292, 94}, {344, 94}, -10, "1 400");
    Dimension(cr, {344, 94}, {344, 64}, 10, "480");
  }

  // ---- Detail D: bucket on the belt.
  {
    ViewTitle(cr, 422, 46, "DETAIL D - BUCKET", "SCALE 1:5");
    Use(cr, kInk);
    cairo_set_line_width(cr, 2.2);
    Line(cr, 392, 58, 392, 128);
    for (double y : {70.0, 84.0}) {
      Use(cr, Pen::Outline);
      SolidBox(cr, 386, y - 2, 4, 4);
      Use(cr, Pen::Thin);
      Line(cr, 390, y, 397, y);
    }
    Use(cr, kInk);
    cairo_set_line_width(cr, 1.6);
    BucketProfile(cr, 394, 66, 44, 30, 1);
    cairo_close_path(cr);
    cairo_save(cr);
    Use(cr, Rgb255(226, 230, 236));
    cairo_fill_preserve(cr);
    cairo_restore(cr);
    cairo_stroke(cr);
    Use(cr, Pen::Thin);
    cairo_move_to(cr, 396, 70);
    cairo_line_to(cr, 396, 93);
    cairo_stroke(cr);
    Dimension(cr, {394, 104}, {440, 104}, -16, "250");
    Dimension(cr, {446, 98}, {446, 64}, -8, "180");
    Use(cr, kInk);
    Text(cr, "BELT EP 500/4", kLabelFont, 380, 136, Align::Left);
    Text(cr, "DIN 15234 BOLTS M10", kLabelFont, 380, 143, Align::Left);
  }

  DrawDataTable(cr, 290, 150, 186, "TECHNICAL DATA",
                {{"CAPACITY", "120 t/h"},
                 {"MATERIAL", "CLINKER, 1.4 t/m\u00B3"},
                 {"CENTRES", "32 000 mm"},
                 {"BELT", "EP 500/4, B = 300"},
                 {"BUCKETS", "250 x 160, PITCH 300"},
                 {"BELT SPEED", "1.45 m/s"},
                 {"DRIVE", "30 kW, i = 40, BACKSTOP"}});

  DrawRevisions(cr, f.right, f.top,
                {{"A", "ISSUED FOR APPROVAL", "02.10.2005", "A.K."},
                 {"B", "HEAD PLATFORM ADDED", "19.10.2005", "A.K."}});
  DrawTitleBlock(cr, f.right, f.bottom,
                 {"BUCKET ELEVATOR BE-301", "GENERAL ARRANGEMENT", "NX-0517-BE-002", "1:100",
                  "19.10.2005", "1 / 4", "B", "21 300 kg"});
  DrawNotes(cr, 290, 218,
            {"ALL DIMENSIONS IN mm, LEVELS IN m, UNLESS NOTED.",
             "CASING FLANGES BOLTED M12 WITH 6 mm GASKET, DUST TIGHT.",
             "BUCKETS BOLTED TO BELT WITH DIN 15234 ELEVATOR BOLTS.",
             "CASING SUPPORTED LATERALLY FROM STRUCTURE EVERY 6 m."},
            250);
  DrawPartsList(cr, f.right, f.bottom - kTitleHeight,
                {{"BOOT SECTION WITH TAKE-UP", "1", "ST37-2"},
                 {"CASING LEG 600 x 480, t = 4", "16", "ST37-2"},
                 {"BUCKET 250 x 160, t = 3", "214", "ST37-2"},
                 {"BELT EP 500/4, B = 300", "66 m", "RUBBER"},
                 {"DRIVE 30 kW WITH BACKSTOP", "1", "FLENDER"},
                 {"HEAD SECTION WITH HOOD", "1", "ST37-2"}},
                7.4);
  return canvas.Pixels();
}

// ---------------------------------------------------------------------------------------------
// Image5: drag chain conveyor DC-402, general arrangement

void Sprocket(cairo_t* cr, double cx, double cy, double r, int teeth) {
  for (int i = 0; i <= teeth * 2; ++i) {
    const double angle = kPi * i / teeth;
    const double rr = (i % 2 == 0) ? r + 1.8 : r - 0.6;
    const P p = Polar({cx, cy}, rr, angle);
    if (i == 0)
      cairo_move_to(cr, p.x, p.y);
    else
      cairo_line_to(cr, p.x, p.y);
  }
  cairo_close_path(cr);
}

Raster DrawDragChain() {
  Canvas canvas(551, 387, kPaper);
  cairo_t* cr = canvas.Context();
  const SheetFrame f = DrawSheet(cr, 551, 387);

  // ---- Elevation
  ViewTitle(cr, 150, 36, "ELEVATION (PARTIAL SECTION)", "SCALE 1:50");
  const double x0 = 74, x1 = 458, top = 96, bottom = 130, ground = 172;
  const double tail = 56, head = 475, cy = 113;
  for (double x : {118.0, 226.0, 334.0, 440.0}) Column(cr, x, bottom, ground, 3.0);
  Use(cr, Pen::Thin);
  Line(cr, 119.5, bottom + 3, 224.5, ground - 2);
  Line(cr, 224.5, bottom + 3, 119.5, ground - 2);
  Line(cr, 335.5, bottom + 3, 438.5, ground - 2);
  Line(cr, 438.5, bottom + 3, 335.5, ground - 2);
  // Casing with joint flanges and cover.
  Use(cr, Pen::Outline);
  SolidBox(cr, x0, top, x1 - x0, bottom - top);
  SolidBox(cr, x0, top - 3, x1 - x0, 3);
  for (double x = x0 + 64; x < x1 - 10; x += 64)
    SolidBox(cr, x - 1.5, top - 4, 3, bottom - top + 6);
  // Broken-out window: chain with flights on the bottom (carrying) and on the rails (return).
  const double w0 = 150, w1 = 396;
  FillBox(cr, w0, top + 1, w1 - w0, bottom - top - 2, kPaper);
  cairo_save(cr);
  cairo_rectangle(cr, w0, top + 1, w1 - w0, bottom - top - 2);
  cairo_clip(cr);
  FillBox(cr, w0, bottom - 16, w1 - w0, 12, Rgb255(236, 230, 214));
  Use(cr, Rgb255(120, 110, 90));
  for (int i = 0; i < 700; ++i)
    Dot(cr, w0 + Noise(i, 3, 5) * (w1 - w0), bottom - 16 + Noise(i, 4, 5) * 12, 0.4);
  cairo_rectangle(cr, w0, bottom - 4, w1 - w0, 3);
  Hatch(cr, 1.8);
  Use(cr, Pen::Outline);
  Line(cr, w0, bottom - 4, w1, bottom - 4);
  Line(cr, w0, top + 9, w1, top + 9);  // return rail
  for (double rail : {bottom - 8.0, top + 6.5}) {
    Use(cr, kInk);
    cairo_set_line_width(cr, 0.8);
    for (double x = w0 - 4; x < w1; x += 9) {
      cairo_new_sub_path(cr);
      const double yy = rail - 1.6;
      cairo_arc(cr, x + 1.6, yy + 1.6, 1.6, kPi / 2, 3 * kPi / 2);
      cairo_arc(cr, x + 7.4, yy + 1.6, 1.6, -kPi / 2, kPi / 2);
      cairo_close_path(cr);
      cairo_stroke(cr);
    }
  }
  for (double x = w0 + 6; x < w1; x += 18) {
    Use(cr, Pen::Outline);
    SolidBox(cr, x, bottom - 18, 2.8, 14, Rgb255(210, 210, 214));
    SolidBox(cr, x, top + 1, 2.8, 8, Rgb255(210, 210, 214));
  }
  cairo_restore(cr);
  Use(cr, Pen::Thin);
  Polyline(cr,
           {{w0, top}, {w0 + 3, top + 8}, {w0 - 3, top + 17}, {w0 + 3, top + 26}, {w0, bottom}});
  Polyline(cr,
           {{w1, top}, {w1 - 3, top + 9}, {w1 + 3, top + 18}, {w1 - 3, top + 27}, {w1, bottom}});
  // Inspection door.
  Use(cr, Pen::Outline);
  SolidBox(cr, 410, top + 7, 18, 18);
  Use(cr, Pen::Thin);
  Line(cr, 413, top + 11, 425, top + 11);
  Line(cr, 413, top + 21, 425, top + 21);
  // Tail housing with wheel and screw take-up.
  Use(cr, Pen::Outline);
  SolidBox(cr, 38, top - 8, 36, bottom - top + 14);
  Use(cr, Pen::Hidden);
  Sprocket(cr, tail, cy, 12, 9);
  cairo_stroke(cr);
  Use(cr, Pen::Outline);
  SolidBox(cr, tail - 6, cy - 5, 12, 10);
  Circle(cr, tail, cy, 2.5);
  Use(cr, Pen::Thin);
  for (double y : {cy - 9.0, cy + 9.0}) {
    Line(cr, 22, y, 38, y);
    HexSide(cr, 26, y - 2.5, 3, 5);
  }
  CentreCross(cr, tail, cy, 16);
  // Head housing with sprocket, drive in front.
  Use(cr, Pen::Outline);
  SolidBox(cr, x1, top - 10, 36, bottom - top + 18);
  SolidBox(cr, 462, bottom + 8, 26, 20);
  SolidBox(cr, 459, bottom + 28, 32, 3);
  Use(cr, Pen::Hidden);
  Sprocket(cr, head, cy, 13, 10);
  cairo_stroke(cr);
  Use(cr, Pen::Outline);
  SolidBox(cr, head - 10, cy - 12, 22, 24);
  Circle(cr, head, cy, 3.5);
  DrawMotorSide(cr, head + 12, cy - 12, 30, 13, false);
  Use(cr, Pen::Thin);
  Polyline(cr, {{head, cy + 12}, {head, ground - 24}, {440, ground - 24}});
  CentreCross(cr, head, cy, 17);
  // Inlets.
  for (double x : {100.0, 246.0}) {
    Use(cr, Pen::Outline);
    SolidBox(cr, x, top - 30, 30, 27);
    SolidBox(cr, x - 3, top - 33, 36, 3);
    Use(cr, kInk);
    cairo_set_line_width(cr, 0.7);
    Line(cr, x + 15, top - 28, x + 15, top - 12);
    Arrowhead(cr, {x + 15, top - 10}, {0, 1});
  }
  Use(cr, kInk);
  Text(cr, "INLET 1", kLabelFont, 115, top - 37, Align::Centre);
  Text(cr, "INLET 2", kLabelFont, 261, top - 37, Align::Centre);
  Text(cr, "OUTLET", kLabelFont, 475, bottom + 40, Align::Centre);
  CentreLine(cr, {tail - 20, cy}, {head + 20, cy});
  Ground(cr, 20, 540, ground);
  Dimension(cr, {tail, ground + 2}, {head, ground + 2}, -14, "24 000");
  Dimension(cr, {115, top - 33}, {261, top - 33}, 10, "8 400");
  Level(cr, 500, ground, "\u00B10.000");
  Level(cr, 508, top - 10, "+2.450");
  SectionCut(cr, {356, top - 12}, {356, bottom + 12}, {-1, 0}, "A");
  ViewArrow(cr, {200, 74}, {206, top + 14}, "B");
  Balloon(cr, {30, 70}, {tail - 4, cy - 8}, 1);
  Balloon(cr, {500, 72}, {head + 4, cy - 10}, 2);
  Balloon(cr, {180, 150}, {184, bottom - 10}, 3);
  Balloon(cr, {290, 150}, {296, bottom - 3}, 4);
  Balloon(cr, {320, 78}, {318, top - 1}, 5);
  Balloon(cr, {526, 140}, {head + 30, cy + 1}, 6);
  Balloon(cr, {400, 152}, {400, top + 30}, 7);
  Balloon(cr, {90, 152}, {116.5, 148}, 8);

  // ---- Section A-A: casing, liner, chain and flights.
  {
    const double cx = 100;
    ViewTitle(cr, cx, 206, "SECTION A-A", "SCALE 1:10");
    const double l = 60, r = 140, t = 240, b = 304, sground = 366;
    Use(cr, Pen::Outline);
    SolidBox(cr, l - 12, b + 1, r - l + 24, 5);
    for (double x : {l - 6, r + 6}) Column(cr, x, b + 6, sground, 3.0);
    Use(cr, Pen::Thin);
    Line(cr, l - 4.5, b + 20, r + 4.5, sground - 2);
    Line(cr, r + 4.5, b + 20, l - 4.5, sground - 2);
    Ground(cr, 36, 166, sground);
    // Walls, solid; flanged cover.
    Use(cr, kInk);
    cairo_rectangle(cr, l - 2, t, 2, b - t + 1);
    cairo_rectangle(cr, r, t, 2, b - t + 1);
    cairo_rectangle(cr, l - 2, b - 1, r - l + 4, 2);
    cairo_rectangle(cr, l - 8, t - 2, 8, 2);
    cairo_rectangle(cr, r, t - 2, 8, 2);
    cairo_fill(cr);
    Use(cr, Pen::Outline);
    SolidBox(cr, l - 9, t - 5.5, r - l + 18, 3.5);
    cairo_rectangle(cr, l - 9, t - 5.5, r - l + 18, 3.5);
    Hatch(cr, 1.8);
    for (double x : {l - 5, r + 5}) {
      Use(cr, Pen::Outline);
      HexSide(cr, x - 2, t - 8.5, 4, 3);
    }
    // Wear liner.
    Use(cr, Pen::Outline);
    SolidBox(cr, l, b - 6, r - l, 5);
    cairo_rectangle(cr, l, b - 6, r - l, 5);
    Hatch(cr, 1.6, -45);
    // Material.
    FillBox(cr, l + 1, b - 30, r - l - 2, 24, Rgb255(236, 230, 214));
    Use(cr, Rgb255(120, 110, 90));
    for (int i = 0; i < 160; ++i)
      Dot(cr, l + 2 + Noise(i, 5, 9) * (r - l - 4), b - 29 + Noise(i, 6, 9) * 22, 0.45);
    // Return rails (angles) and the return strand on them; the carrying strand on the liner.
    for (double x : {l, r}) {
      const double s = x == l ? 1 : -1;
      Use(cr, kInk);
      cairo_rectangle(cr, x, t + 18, s * 9, 2);
      cairo_rectangle(cr, x, t + 12, s * 2, 8);
      cairo_fill(cr);
    }
    for (double y : {t + 12.0, b - 16.0}) {
      Use(cr, Pen::Outline);
      SolidBox(cr, l + 4, y, r - l - 8, 6, Rgb255(215, 215, 220));
      SolidBox(cr, cx - 7, y - 4, 14, 14);
      Box(cr, cx - 4, y - 2, 8, 10);
    }
    Dimension(cr, {l, t - 6}, {r, t - 6}, 12, "600");
    Dimension(cr, {r + 2, b}, {r + 2, t}, -16, "560");
    Balloon(cr, {30, 262}, {l - 2, 262}, 3);
    Balloon(cr, {30, 290}, {l + 4, b - 4}, 4);
  }

  // ---- Detail B: chain and flight in plan.
  {
    const double cy2 = 270;
    ViewTitle(cr, 260, 206, "DETAIL B - CHAIN AND FLIGHT", "SCALE 1:5");
    Use(cr, Pen::Outline);
    SolidBox(cr, 256, 226, 8, 88, Rgb255(225, 225, 230));
    cairo_rectangle(cr, 256, 226, 8, 88);
    Hatch(cr, 2.4);
    // Forged links: outer links around pins, inner links between them.
    for (double x = 196; x < 324; x += 26) {
      Use(cr, Pen::Outline);
      cairo_new_sub_path(cr);
      cairo_arc(cr, x, cy2, 7, kPi / 2, 3 * kPi / 2);
      cairo_arc(cr, x + 13, cy2, 7, -kPi / 2, kPi / 2);
      cairo_close_path(cr);
      Use(cr, kPaper);
      cairo_fill_preserve(cr);
      Use(cr, Pen::Outline);
      cairo_stroke(cr);
      cairo_new_sub_path(cr);
      cairo_arc(cr, x, cy2, 3.6, kPi / 2, 3 * kPi / 2);
      cairo_arc(cr, x + 13, cy2, 3.6, -kPi / 2, kPi / 2);
      cairo_close_path(cr);
      cairo_stroke(cr);
    }
    for (double x = 196; x < 324; x += 13) SolidCircle(cr, x, cy2, 1.8);
    for (double y : {238.0, 302.0}) {
      Use(cr, Pen::Outline);
      SolidCircle(cr, 260, y, 2.2);
    }
    CentreLine(cr, {188, cy2}, {330, cy2});
    CentreLine(cr, {260, 220}, {260, 320});
    Dimension(cr, {222, cy2}, {248, cy2}, -22, "142");
    Dimension(cr, {264, 314}, {264, 226}, -34, "560");
  }

  DrawDataTable(cr, 188, 326, 150, "TECHNICAL DATA",
                {{"CAPACITY", "80 t/h"},
                 {"MATERIAL", "CEMENT RAW MEAL"},
                 {"CHAIN", "142 x 50, 20MnCr5"},
                 {"CHAIN SPEED", "0.35 m/s"},
                 {"DRIVE", "15 kW, i = 90"}});
  DrawRevisions(cr, f.right, f.top, {{"A", "ISSUED FOR CONSTRUCTION", "07.12.2005", "M.S."}});
  DrawTitleBlock(cr, f.right, f.bottom,
                 {"DRAG CHAIN CONVEYOR DC-402", "GENERAL ARRANGEMENT", "NX-0517-DC-003", "1:50",
                  "07.12.2005", "1 / 2", "A", "9 870 kg"});
  const double partsTop = DrawPartsList(cr, f.right, f.bottom - kTitleHeight,
                                        {{"SUPPORT, UNP 120", "4", "ST37-2"},
                                         {"INSPECTION DOOR 300 x 300", "2", "ST37-2"},
                                         {"DRIVE 15 kW, SHAFT MOUNTED", "1", "SEW"},
                                         {"CASING 600 x 560, t = 5", "6", "ST37-2"},
                                         {"WEAR LINER, t = 8", "12", "HARDOX 400"},
                                         {"CHAIN 142 WITH FLIGHTS", "49 m", "20MnCr5"},
                                         {"HEAD SPROCKET z = 10", "1", "C45, HARDENED"},
                                         {"TAIL WHEEL WITH SCREW TAKE-UP", "1", "ST37-2"}});
  DrawNotes(cr, f.right - kTitleWidth + 2, partsTop - 34,
            {"ALL DIMENSIONS IN mm UNLESS NOTED.", "CASING DUST TIGHT; FLANGES WITH 6 mm GASKET.",
             "SPROCKET TEETH FLAME HARDENED 50 HRC.", "CHAIN PRE-TENSION BY TAKE-UP, STROKE 300."});
  return canvas.Pixels();
}

// ---------------------------------------------------------------------------------------------
// Image6: cement silo SL-501, general arrangement

Raster DrawSilo() {
  Canvas canvas(619, 438, kPaper);
  cairo_t* cr = canvas.Context();
  const SheetFrame f = DrawSheet(cr, 619, 438);
  const double ground = 404;

  // ---- Elevation
  {
    const double cx = 160, l = 100, r = 220, eaves = 96, ring = 236, apex = 80;
    ViewTitle(cr, 60, 30, "ELEVATION", "SCALE 1:100");
    // Columns with bracing, behind the hopper.
    for (double x : {118.0, 202.0}) Column(cr, x, ring + 3, ground, 4.0);
    Use(cr, Pen::Thin);
    Line(cr, 120, 312, 200, 312);
    Line(cr, 120, 241, 200, 310);
    Line(cr, 200, 241, 120, 310);
    Line(cr, 120, 314, 200, ground - 2);
    Line(cr, 200, 314, 120, ground - 2);
    // Shell with its strakes, ring beam, hopper.
    Use(cr, Pen::Outline);
    Path(cr, {{l, ring}, {cx - 10, 300}, {cx + 10, 300}, {r, ring}}, true);
    cairo_save(cr);
    Use(cr, kPaper);
    cairo_fill_preserve(cr);
    cairo_restore(cr);
    cairo_stroke(cr);
    SolidBox(cr, l, eaves, r - l, ring - eaves);
    Use(cr, Pen::Thin);
    for (double y = eaves + 28; y < ring - 5; y += 28) Line(cr, l, y, r, y);
    Use(cr, Pen::Outline);
    SolidBox(cr, l - 4, ring - 2, r - l + 8, 5);
    // Roof, roof handrail, filter, relief valve, level probe, manhole.
    Path(cr, {{l - 2, eaves}, {cx, apex}, {r + 2, eaves}}, true);
    cairo_save(cr);
    Use(cr, kPaper);
    cairo_fill_preserve(cr);
    cairo_restore(cr);
    cairo_stroke(cr);
    SolidBox(cr, 170, 56, 28, 30);
    Polyline(cr, {{170, 86}, {176, 92}, {192, 92}, {198, 86}});
    SolidBox(cr, 178, 48, 12, 8);
    SolidBox(cr, 190, 50, 10, 3);
    Use(cr, Pen::Thin);
    for (double y = 60; y < 84; y += 4) Line(cr, 171, y, 197, y);
    Use(cr, Pen::Outline);
    SolidBox(cr, 126, 80, 8, 8);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 130, 80, 4, kPi, 2 * kPi);
    cairo_stroke(cr);
    Line(cr, 150, 77, 150, 84);
    Use(cr, Pen::Thin);
    for (double x : {l, r}) Line(cr, x, eaves, x, eaves - 16);
    Line(cr, l, eaves - 16, r, eaves - 16);
    Line(cr, l, eaves - 8, r, eaves - 8);
    // Outlet: slide gate, rotary valve with its motor, chute.
    Use(cr, Pen::Outline);
    SolidBox(cr, 148, 300, 24, 7);
    Use(cr, Pen::Thin);
    Line(cr, 172, 303.5, 184, 303.5);
    Use(cr, Pen::Outline);
    Circle(cr, 186, 303.5, 3);
    SolidBox(cr, 146, 307, 28, 18);
    Circle(cr, 160, 316, 6);
    SolidBox(cr, 174, 310, 14, 10);
    SolidBox(cr, 153, 325, 14, 20);
    SolidBox(cr, 150, 345, 20, 3);
    Use(cr, kInk);
    TextOnPaper(cr, "TO TRUCK LOADING", kLabelFont, 160, 357);
    // Ladder with cage (seen edge on), rest platform at the ring beam.
    Use(cr, Pen::Outline);
    Line(cr, 86, ground, 86, eaves - 14);
    Polyline(cr, {{86, eaves - 14}, {90, eaves - 18}, {l + 4, eaves - 18}});
    Use(cr, Pen::Thin);
    for (double y = ground - 40; y > eaves; y -= 9) Line(cr, 86, y, 70, y);
    for (double x : {70.0, 78.0}) Line(cr, x, ground - 40, x, eaves + 4);
    for (double y = ground - 20; y > eaves; y -= 40) Line(cr, 86, y, l, y);
    Use(cr, Pen::Outline);
    SolidBox(cr, 60, ring - 2, 40, 3);
    Use(cr, Pen::Thin);
    Line(cr, 61, ring - 2, 61, ring - 20);
    Line(cr, 61, ring - 20, 70, ring - 20);
    Line(cr, 61, ring - 11, 70, ring - 11);
    // Centre line, ground, dimensions, levels.
    CentreLine(cr, {cx, apex - 8}, {cx, ground + 6});
    Ground(cr, 30, 300, ground);
    Dimension(cr, {l, eaves - 18}, {r, eaves - 18}, 26, "\u00D8 4 000");
    Level(cr, 238, ring, "+6.200");
    Level(cr, 238, eaves, "+16.000");
    Level(cr, 238, apex, "+17.100");
    Level(cr, 238, ground, "\u00B10.000");
    VDimension(cr, ground, apex, 226, 284, "17 100");
    VDimension(cr, ground, ring, 206, 262, "6 200");
    SectionCut(cr, {88, 170}, {232, 170}, {0, 1}, "A");
    ViewArrow(cr, {112, 392}, {117, ground - 2}, "B");
    Balloon(cr, {240, 124}, {r, 130}, 1);
    Balloon(cr, {240, 276}, {200, 262}, 2);
    Balloon(cr, {214, 52}, {198, 64}, 3);
    Balloon(cr, {44, 150}, {78, 150}, 4);
    Balloon(cr, {44, 226}, {66, 234}, 5);
    Balloon(cr, {112, 330}, {148, 316}, 6);
    Balloon(cr, {250, 346}, {203.5, 360}, 7);
  }

  // ---- Section A-A (plan).
  {
    const double cx = 384, cy = 146, R = 62;
    ViewTitle(cr, cx, 56, "SECTION A-A", "SCALE 1:100");
    // Hopper below, seen from above, and the outlet.
    Use(cr, Pen::Thin);
    for (int i = 0; i < 4; ++i) {
      const double angle = Radians(45 + 90 * i);
      Line(cr, Polar({cx, cy}, 10, angle), Polar({cx, cy}, R - 2, angle));
    }
    Use(cr, Pen::Outline);
    Box(cr, cx - 10, cy - 10, 20, 20);
    Use(cr, Pen::Hidden);
    Box(cr, cx - R * 0.707, cy - R * 0.707, R * 1.414, R * 1.414);
    // Shell, solid in section.
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, R, 0, 2 * kPi);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx, cy, R - 2, 2 * kPi, 0);
    Use(cr, kInk);
    cairo_fill(cr);
    // Columns (H sections) under the ring beam, and their marks.
    const char* marks[] = {"C1", "C2", "C3", "C4"};
    for (int i = 0; i < 4; ++i) {
      const P c = Polar({cx, cy}, R, Radians(45 + 90 * i));
      Use(cr, kInk);
      cairo_rectangle(cr, c.x - 5, c.y - 5, 10, 2);
      cairo_rectangle(cr, c.x - 5, c.y + 3, 10, 2);
      cairo_rectangle(cr, c.x - 1, c.y - 3, 2, 6);
      cairo_fill(cr);
      const P m = Polar({cx, cy}, R + 14, Radians(45 + 90 * i));
      Use(cr, Pen::Thin);
      Circle(cr, m.x, m.y, 5);
      Use(cr, kInk);
      Text(cr, marks[i], Font{kCondensed, 4.6, true}, m.x, m.y + 1.7, Align::Centre);
    }
    // Ladder and cage on the west side.
    Use(cr, Pen::Outline);
    Box(cr, cx - R - 12, cy - 6, 4, 12);
    Use(cr, Pen::Thin);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx - R - 12, cy, 10, kPi / 2, 3 * kPi / 2);
    cairo_stroke(cr);
    Line(cr, cx - R - 8, cy - 4, cx - R, cy - 4);
    Line(cr, cx - R - 8, cy + 4, cx - R, cy + 4);
    CentreCross(cr, cx, cy, R + 8);
    Dimension(cr, {cx - R, cy + R + 4}, {cx + R, cy + R + 4}, -12, "\u00D8 4 000");
    const P c1 = Polar({cx, cy}, R, Radians(45)), c2 = Polar({cx, cy}, R, Radians(135));
    Dimension(cr, c2, c1, 22, "2 830");
  }

  // ---- Detail B: column base.
  {
    const double cx = 536;
    ViewTitle(cr, cx, 56, "DETAIL B", "SCALE 1:10");
    Use(cr, Pen::Outline);
    SolidBox(cr, cx - 10, 72, 20, 88);
    Use(cr, Pen::Thin);
    Line(cr, cx - 7, 72, cx - 7, 160);
    Line(cr, cx + 7, 72, cx + 7, 160);
    BreakLine(cr, {cx - 14, 72}, {cx + 14, 72});
    Use(cr, Pen::Outline);
    for (double s : {-1.0, 1.0}) {
      Path(cr, {{cx + s * 10, 160}, {cx + s * 24, 160}, {cx + s * 10, 132}}, true);
      cairo_save(cr);
      Use(cr, kPaper);
      cairo_fill_preserve(cr);
      cairo_restore(cr);
      cairo_stroke(cr);
    }
    SolidBox(cr, cx - 32, 160, 64, 5);
    cairo_rectangle(cr, cx - 32, 160, 64, 5);
    Hatch(cr, 1.8);
    // Grout and pedestal.
    FillBox(cr, cx - 32, 165, 64, 4, Rgb255(225, 225, 225));
    Use(cr, Pen::Outline);
    Path(cr, {{cx - 44, 212}, {cx - 44, 169}, {cx + 44, 169}, {cx + 44, 212}});
    cairo_stroke(cr);
    BreakLine(cr, {cx - 48, 212}, {cx + 48, 212});
    cairo_save(cr);
    cairo_rectangle(cr, cx - 44, 169, 88, 43);
    cairo_clip(cr);
    Use(cr, kHatchInk);
    for (int i = 0; i < 90; ++i) {
      const double x = cx - 43 + Noise(i, 7, 3) * 86, y = 170 + Noise(i, 8, 3) * 41;
      if (i % 3 == 0) {
        Path(cr, {{x, y}, {x + 2.2, y + 0.6}, {x + 0.8, y + 2.2}}, true);
        cairo_set_line_width(cr, 0.4);
        cairo_stroke(cr);
      } else {
        Dot(cr, x, y, 0.5);
      }
    }
    cairo_restore(cr);
    // Anchor bolts.
    for (double x : {cx - 22, cx + 22}) {
      Use(cr, Pen::Hidden);
      Line(cr, x, 169, x, 206);
      Line(cr, x, 206, x + 6, 206);
      Use(cr, Pen::Outline);
      HexSide(cr, x - 4, 154, 8, 4);
      SolidBox(cr, x - 5, 158, 10, 2);
      Line(cr, x, 150, x, 154);
    }
    Use(cr, kInk);
    cairo_set_line_width(cr, 0.45);
    Line(cr, cx + 10, 100, cx + 30, 90);
    Text(cr, "HEA 240", kLabelFont, cx + 31, 91);
    Line(cr, cx + 26, 162, cx + 50, 146);
    Text(cr, "PL 400x400x25", kLabelFont, cx + 51, 147, Align::Right, 46);
    Line(cr, cx - 22, 150, cx - 44, 132);
    Text(cr, "4 x M24", kLabelFont, cx - 44, 130, Align::Centre);
    Dimension(cr, {cx - 32, 160}, {cx + 32, 160}, -62, "400");
  }

  DrawDataTable(cr, 306, 240, 112, "DESIGN DATA",
                {{"CAPACITY", "150 m\u00B3"},
                 {"MATERIAL", "CEMENT"},
                 {"BULK DENSITY", "1.4 t/m\u00B3"},
                 {"DESIGN CODE", "DIN 1055-6"},
                 {"WIND LOAD", "1.0 kN/m\u00B2"},
                 {"SHELL", "t = 8 / 6 mm"}});
  DrawRevisions(cr, f.right, f.top,
                {{"A", "ISSUED FOR APPROVAL", "14.01.2006", "A.K."},
                 {"B", "LADDER CAGE REVISED", "02.02.2006", "A.K."}});
  DrawTitleBlock(cr, f.right, f.bottom,
                 {"CEMENT SILO SL-501, 150 m\u00B3", "GENERAL ARRANGEMENT", "NX-0517-SL-001",
                  "1:100", "02.02.2006", "1 / 3", "B", "24 500 kg"});
  const double partsTop = DrawPartsList(cr, f.right, f.bottom - kTitleHeight,
                                        {{"ANCHOR BOLT M24 x 600", "16", "8.8"},
                                         {"COLUMN HEA 240 WITH BRACING", "4", "ST37-2"},
                                         {"SLIDE GATE + ROTARY VALVE 300", "1", "-"},
                                         {"RING BEAM HEB 300", "1", "ST37-2"},
                                         {"LADDER WITH CAGE, PLATFORM", "1", "ST37-2, GALV."},
                                         {"PRESSURE RELIEF VALVE", "1", "-"},
                                         {"BIN VENT FILTER 24 m\u00B2", "1", "-"},
                                         {"HOPPER 60\u00B0, t = 8", "1", "ST37-2"},
                                         {"SHELL \u00D84000, ROOF", "1", "ST37-2"}});
  DrawNotes(cr, f.right - kTitleWidth + 2, partsTop - 34,
            {"ALL DIMENSIONS IN mm, LEVELS IN m.", "SHELL SEAMS FULL PENETRATION BUTT WELDS.",
             "ANCHOR BOLTS TO BE CAST IN WITH TEMPLATE.", "EXTERNAL PAINT: ZINC PRIMER + 2 x PU."});
  return canvas.Pixels();
}

// ---------------------------------------------------------------------------------------------
// Image7: ducting details: segmented bend, expansion joint, flange joint, sliding support

// A flange across the end of a duct: a thin rectangle centred on `at`, along `across`.
void DuctFlange(cairo_t* cr, P at, P across, double halfLength, double thickness) {
  const P u = Unit(across);
  const P n = Normal(u) * (thickness / 2);
  Use(cr, Pen::Outline);
  Path(cr,
       {at - u * halfLength + n, at + u * halfLength + n, at + u * halfLength - n,
        at - u * halfLength - n},
       true);
  cairo_save(cr);
  Use(cr, kPaper);
  cairo_fill_preserve(cr);
  cairo_restore(cr);
  cairo_stroke(cr);
}

Raster DrawDuctingDetails() {
  Canvas canvas(493, 346, kPaper);
  cairo_t* cr = canvas.Context();
  const SheetFrame f = DrawSheet(cr, 493, 346);

  // ---- Detail 1: 90 degree bend in five segments.
  {
    ViewTitle(cr, 88, 26, "DETAIL 1 - BEND 90\u00B0", "SCALE 1:25");
    const P o{48, 150};
    const double R = 78, half = 22;
    const double joints[] = {0, 11.25, 33.75, 56.25, 78.75, 90};
    auto At = [&](double radius, double deg) { return Polar(o, radius, Radians(deg)); };
    std::vector<P> outer, inner;
    for (double j : joints) {
      const double k = (j == 0 || j == 90) ? 1.0 : 1.0 / std::cos(Radians(11.25));
      outer.push_back(At((R + half) * k, j));
      inner.push_back(At((R - half) * k, j));
    }
    std::vector<P> shape = outer;
    shape.insert(shape.end(), inner.rbegin(), inner.rend());
    Use(cr, Pen::Outline);
    Path(cr, shape, true);
    cairo_save(cr);
    Use(cr, Rgb255(244, 246, 248));
    cairo_fill_preserve(cr);
    cairo_restore(cr);
    cairo_stroke(cr);
    Use(cr, Pen::Thin);
    for (std::size_t i = 1; i + 1 < outer.size(); ++i) Line(cr, inner[i], outer[i]);
    // Straight pieces beyond the flanges, broken off.
    Use(cr, Pen::Outline);
    const P a0 = At(R - half, 0), a1 = At(R + half, 0);
    Line(cr, a0, a0 + P{0, 14});
    Line(cr, a1, a1 + P{0, 14});
    BreakLine(cr, a0 + P{0, 14}, a1 + P{0, 14});
    const P b0 = At(R - half, 90), b1 = At(R + half, 90);
    Line(cr, b0, b0 + P{-14, 0});
    Line(cr, b1, b1 + P{-14, 0});
    BreakLine(cr, b1 + P{-14, 0}, b0 + P{-14, 0});
    DuctFlange(cr, At(R, 0), {1, 0}, half + 4, 3);
    DuctFlange(cr, At(R, 90), {0, 1}, half + 4, 3);
    // Centre line of the bend, radius and angle.
    cairo_save(cr);
    Use(cr, Pen::Centre);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, o.x, o.y, R, 0, -kPi / 2);
    cairo_stroke(cr);
    cairo_restore(cr);
    CentreLine(cr, o, At(R + half + 6, 0), 0);
    CentreLine(cr, o, At(R + half + 6, 90), 0);
    cairo_save(cr);
    Use(cr, Pen::Dimension);
    Line(cr, o, At(R, 45));
    Arrowhead(cr, At(R, 45), At(R, 45) - o);
    TurnedText(cr, "R 1 500", kDimensionFont, At(R * 0.55, 45).x - 2, At(R * 0.55, 45).y - 2,
               -Radians(45));
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, o.x, o.y, 22, 0, -kPi / 2);
    cairo_stroke(cr);
    Text(cr, "90\u00B0", kDimensionFont, o.x + 17, o.y - 17, Align::Left);
    cairo_restore(cr);
    Dimension(cr, a1 + P{0, 14}, a0 + P{0, 14}, -8, "\u00D8 1 000");
    Use(cr, kInk);
    Text(cr, "5 SEGMENTS", kLabelFont, 150, 64, Align::Centre);
    Text(cr, "t = 4", kLabelFont, 150, 71, Align::Centre);
  }

  // ---- Detail 2: fabric expansion joint.
  {
    ViewTitle(cr, 258, 26, "DETAIL 2 - EXPANSION JOINT", "SCALE 1:10");
    const double cy = 100, half = 30, g0 = 244, g1 = 274;
    Use(cr, Pen::Outline);
    for (double y : {cy - half, cy + half}) {
      Line(cr, 184, y, g0, y);
      Line(cr, g1, y, 334, y);
    }
    BreakLine(cr, {184, cy - half}, {184, cy + half});
    BreakLine(cr, {334, cy - half}, {334, cy + half});
    // Internal liner, fixed upstream.
    Use(cr, Pen::Hidden);
    Line(cr, g0 - 6, cy - half + 4, g1 + 8, cy - half + 4);
    Line(cr, g0 - 6, cy + half - 4, g1 + 8, cy + half - 4);
    for (double s : {-1.0, 1.0}) {
      const double y = cy + s * half;
      // Angle flanges, hatched; fabric belt bulging between; clamping bars and bolts.
      for (double x : {g0 - 4, g1}) {
        cairo_rectangle(cr, x, y, 4, s * 12);
        Use(cr, kPaper);
        cairo_fill_preserve(cr);
        Use(cr, Pen::Outline);
        cairo_stroke_preserve(cr);
        Hatch(cr, 1.5);
      }
      Use(cr, kInk);
      cairo_set_line_width(cr, 1.8);
      cairo_move_to(cr, g0 - 3, y + s * 12);
      cairo_curve_to(cr, g0 + 2, y + s * 24, g1 - 2, y + s * 24, g1 + 3, y + s * 12);
      cairo_stroke(cr);
      Use(cr, Pen::Outline);
      SolidBox(cr, g0 - 8, s > 0 ? y + 12 : y - 15, 10, 3);
      SolidBox(cr, g1 - 2, s > 0 ? y + 12 : y - 15, 10, 3);
      Use(cr, Pen::Thin);
      for (double x : {g0 - 6, g1 + 6}) Line(cr, x, y + s * 2, x, y + s * 17);
    }
    CentreLine(cr, {184, cy}, {334, cy});
    Use(cr, kInk);
    cairo_set_line_width(cr, 0.8);
    Line(cr, 196, cy - 8, 222, cy - 8);
    Arrowhead(cr, {226, cy - 8}, {1, 0});
    Text(cr, "FLOW", kLabelFont, 209, cy - 11, Align::Centre);
    Dimension(cr, {g0, cy + half + 12}, {g1, cy + half + 12}, -16, "300");
    Dimension(cr, {334, cy + half}, {334, cy - half}, -10, "\u00D8 1 000");
    Text(cr, "FABRIC: PTFE / GLASS, 3 LAYERS", kLabelFont, 258, cy + half + 44, Align::Centre);
    Text(cr, "MOVEMENT: AXIAL \u00B125, LATERAL \u00B110", kLabelFont, 258, cy + half + 52,
         Align::Centre);
  }

  // ---- Detail 3: bolted flange joint.
  {
    ViewTitle(cr, 420, 26, "DETAIL 3 - FLANGE", "SCALE 1:2");
    const double y = 108, xj = 420;
    for (double s : {-1.0, 1.0}) {
      const double xf = xj + s * 3;  // face of the flange at the gasket
      // Angle L 50x5: upright leg and horizontal leg, hatched; duct plate on the leg.
      cairo_rectangle(cr, xf, y - 38, s * 5, 42);
      cairo_rectangle(cr, xf + s * 5, y - 1, s * 24, 5);
      Use(cr, kPaper);
      cairo_fill_preserve(cr);
      Hatch(cr, 1.6, s > 0 ? 45 : -45);
      Use(cr, Pen::Outline);
      cairo_rectangle(cr, xf, y - 38, s * 5, 42);
      cairo_stroke(cr);
      cairo_rectangle(cr, xf + s * 5, y - 1, s * 24, 5);
      cairo_stroke(cr);
      Use(cr, kInk);
      cairo_rectangle(cr, xf + s * 5, y - 4, s * 52, 3);
      cairo_fill(cr);
      Path(cr, {{xf + s * 5, y - 4}, {xf + s * 9, y - 4}, {xf + s * 5, y - 8}}, true);
      cairo_fill(cr);
    }
    // Gasket and the bolt with washer and nut.
    FillBox(cr, xj - 3, y - 36, 6, 38, kInk);
    const double by = y - 22;
    Use(cr, Pen::Outline);
    SolidBox(cr, xj - 18, by - 3, 36, 6, Rgb255(230, 230, 232));
    HexSide(cr, xj - 24, by - 8, 6, 16);
    SolidBox(cr, xj - 10, by - 9, 2, 18);
    SolidBox(cr, xj + 8, by - 9, 2, 18);
    HexSide(cr, xj + 10, by - 8, 7, 16);
    Line(cr, xj + 17, by - 3, xj + 19, by - 2);
    Line(cr, xj + 17, by + 3, xj + 19, by + 2);
    CentreLine(cr, {xj - 28, by}, {xj + 24, by});
    Use(cr, kInk);
    cairo_set_line_width(cr, 0.45);
    Line(cr, xj + 22, by - 8, xj + 30, by - 30);
    Line(cr, xj + 30, by - 30, xj + 56, by - 30);
    Text(cr, "M12 x 50", kLabelFont, xj + 31, by - 31.5, Align::Left, 26);
    Line(cr, xj, y - 34, xj - 14, y - 52);
    Text(cr, "GASKET 6 mm", kLabelFont, xj - 14, y - 54, Align::Centre);
    Line(cr, xj + 30, y + 2, xj + 40, y + 20);
    Text(cr, "L 50x50x5", kLabelFont, xj + 40, y + 27, Align::Centre);
    Line(cr, xj - 44, y - 3, xj - 50, y + 20);
    Text(cr, "t = 4", kLabelFont, xj - 50, y + 27, Align::Centre);
  }

  // ---- Detail 4: sliding support.
  {
    const double cx = 96, cy = 238;
    ViewTitle(cr, cx, 184, "DETAIL 4 - SLIDING SUPPORT", "SCALE 1:20");
    // Beam below, broken off at both ends.
    Use(cr, Pen::Outline);
    SolidBox(cr, 30, 300, 132, 3);
    SolidBox(cr, 30, 315, 132, 3);
    Line(cr, 30, 303, 162, 303);
    Use(cr, Pen::Thin);
    Line(cr, 30, 309, 162, 309);
    BreakLine(cr, {30, 298}, {30, 320});
    BreakLine(cr, {162, 298}, {162, 320});
    // Slide plate (PTFE), base plate, guides.
    FillBox(cr, cx - 30, 298, 60, 2, kInk);
    Use(cr, Pen::Outline);
    SolidBox(cr, cx - 32, 294, 64, 4);
    for (double x : {cx - 40, cx + 36}) SolidBox(cr, x, 290, 4, 10);
    // Saddle and legs, stiffening ring, duct.
    for (double x : {cx - 26, cx + 22}) {
      SolidBox(cr, x, 268, 4, 26);
      cairo_rectangle(cr, x, 268, 4, 26);
      Hatch(cr, 1.5);
    }
    Use(cr, Pen::Outline);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, 48, Radians(20), Radians(160));
    cairo_arc_negative(cr, cx, cy, 44, Radians(160), Radians(20));
    cairo_close_path(cr);
    cairo_save(cr);
    Use(cr, kInk);
    cairo_fill_preserve(cr);
    cairo_restore(cr);
    cairo_stroke(cr);
    Use(cr, Pen::Outline);
    SolidCircle(cr, cx, cy, 44, Rgb255(244, 246, 248));
    Use(cr, kInk);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, 40, 0, 2 * kPi);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx, cy, 38.5, 2 * kPi, 0);
    cairo_fill(cr);
    CentreCross(cr, cx, cy, 54);
    Dimension(cr, {cx - 40, cy}, {cx + 40, cy}, 0, "");
    Use(cr, kDimensionInk);
    Text(cr, "\u00D8 1 000", kDimensionFont, cx + 14, cy - 2.5, Align::Left);
    Use(cr, kInk);
    cairo_set_line_width(cr, 0.45);
    Line(cr, cx + 20, 299, cx + 60, 282);
    Text(cr, "PTFE SLIDE PLATE", kLabelFont, cx + 60, 280, Align::Left);
    Line(cr, cx + 40, 262, cx + 62, 250);
    Text(cr, "STIFFENER RING", kLabelFont, cx + 62, 248, Align::Left);
    Text(cr, "L 80x80x8", kLabelFont, cx + 62, 255, Align::Left);
    Line(cr, cx + 164 - 100, 309, cx + 76, 318);
    Text(cr, "IPE 240", kLabelFont, cx + 76, 325, Align::Left);
  }

  // ---- Schedule, notes, title.
  {
    const double x = f.right - kTitleWidth, y = 196, h = 7.2;
    const char* rows[][4] = {{"MARK", "DESCRIPTION", "SIZE", "t"},
                             {"D-01", "STRAIGHT DUCT", "\u00D81000", "4"},
                             {"D-02", "STRAIGHT DUCT", "\u00D8800", "4"},
                             {"B-01", "BEND 90\u00B0, 5 SEG.", "R 1500", "4"},
                             {"B-02", "BEND 45\u00B0, 3 SEG.", "R 1500", "4"},
                             {"EJ-01", "EXPANSION JOINT", "\u00D81000", "-"},
                             {"S-01", "SLIDING SUPPORT", "IPE 240", "-"}};
    Use(cr, kInk);
    Text(cr, "DUCT SCHEDULE", Font{kSans, 5.8, true}, x, y - 3);
    FillBox(cr, x, y, kTitleWidth, h, Rgb255(232, 232, 236));
    Use(cr, kFrameInk);
    cairo_set_line_width(cr, 0.9);
    Box(cr, x, y, kTitleWidth, h * 7);
    cairo_set_line_width(cr, 0.4);
    const double cols[] = {x + 2, x + 28, x + 118, x + 170};
    for (int c = 1; c < 4; ++c) Line(cr, cols[c] - 2, y, cols[c] - 2, y + h * 7);
    for (int r = 0; r < 7; ++r) {
      if (r > 0) Line(cr, x, y + h * r, x + kTitleWidth, y + h * r);
      for (int c = 0; c < 4; ++c)
        Text(cr, rows[r][c], Font{kCondensed, 4.8, r == 0}, cols[c], y + h * (r + 1) - 1.8,
             Align::Left, 80);
    }
  }
  DrawNotes(cr, 210, 206,
            {"DIMENSIONS IN mm.", "PLATE ST37-2.", "ALL SEAMS SEAL", "WELDED, AIR TIGHT.",
             "PAINT HEAT RESIST.", "ALUMINIUM 250 \u00B0C."},
            72);
  DrawRevisions(cr, f.right, 196 - 48, {{"A", "ISSUED FOR FABRICATION", "28.02.2006", "A.K."}});
  DrawTitleBlock(cr, f.right, f.bottom,
                 {"KILN EXHAUST DUCTING", "TYPICAL DETAILS", "NX-0517-DU-011", "AS SHOWN",
                  "28.02.2006", "1 / 1", "A", "-"});
  return canvas.Pixels();
}

// ---------------------------------------------------------------------------------------------
// Rendered views: a small scene of flat-shaded polygons, shaded spheres and lines, seen through
// a pinhole camera and painted back to front.

struct V3 {
  double x, y, z;  // z up
};

V3 operator+(V3 a, V3 b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
V3 operator-(V3 a, V3 b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
V3 operator*(V3 a, double k) {
  return {a.x * k, a.y * k, a.z * k};
}
double Dot(V3 a, V3 b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
V3 Cross(V3 a, V3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
V3 Normalize(V3 a) {
  return a * (1.0 / std::sqrt(Dot(a, a)));
}

struct Camera {
  V3 eye, forward, right, up;
  double focal, cx, cy;

  Camera(V3 from, V3 target, double focalLength, double centreX, double centreY)
      : eye(from), focal(focalLength), cx(centreX), cy(centreY) {
    forward = Normalize(target - from);
    right = Normalize(Cross(forward, {0, 0, 1}));
    up = Cross(right, forward);
  }
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
  void Polygon(std::vector<V3> points, Colour colour, bool emissive = false) {
    items_.push_back({Kind::Polygon, std::move(points), colour, 0, 0, emissive});
  }
  void Quad(V3 a, V3 b, V3 c, V3 d, Colour colour, bool emissive = false) {
    Polygon({a, b, c, d}, colour, emissive);
  }
  // An axis-aligned box.
  void Box(V3 lo, V3 hi, Colour c) {
    const V3 p[8] = {{lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, hi.y, lo.z},
                     {lo.x, hi.y, lo.z}, {lo.x, lo.y, hi.z}, {hi.x, lo.y, hi.z},
                     {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}};
    Quad(p[0], p[1], p[2], p[3], c);
    Quad(p[4], p[5], p[6], p[7], c);
    Quad(p[0], p[1], p[5], p[4], c);
    Quad(p[1], p[2], p[6], p[5], c);
    Quad(p[2], p[3], p[7], p[6], c);
    Quad(p[3], p[0], p[4], p[7], c);
  }
  // A box of section w x h along a -> b, cut into pieces no longer than `piece` so that the
  // painter's order stays right along long members.
  void Beam(V3 a, V3 b, double w, double h, Colour c, double piece = 3.0) {
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
  // An I-section: two flanges and a web; the flanges lie across `v` (up for a beam).
  void ISection(V3 a, V3 b, double depth, double width, Colour c, double piece = 3.0) {
    const V3 d = Normalize(b - a);
    const V3 ref = std::abs(d.z) > 0.9 ? V3{1, 0, 0} : V3{0, 0, 1};
    const V3 v = Normalize(Cross(Normalize(Cross(d, ref)), d));
    const double tf = std::max(0.02, depth * 0.07);
    const V3 off = v * (depth / 2 - tf / 2);
    Beam(a + off, b + off, width, tf, c, piece);
    Beam(a - off, b - off, width, tf, c, piece);
    Beam(a, b, width * 0.12, depth - 2 * tf, Shade(c, 0.92), piece);
  }
  // A cylinder (or a cone frustum) from `base` along the unit `axis`; radii across two
  // directions allow an elliptic section.
  void Cylinder(V3 base, V3 axis, double length, double r0, double r1, Colour c, int segments = 16,
                double squash = 1.0, bool caps = true) {
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
  void Sphere(V3 centre, double radius, Colour c) {
    items_.push_back({Kind::Sphere, {centre}, c, radius, 0, false});
  }
  void Line3(V3 a, V3 b, Colour c, double width) {
    items_.push_back({Kind::Line, {a, b}, c, 0, width, false});
  }

  void Render(cairo_t* cr, const Camera& camera, const Look& look) const {
    struct Drawn {
      double depth;
      std::size_t index;
      std::vector<P> points;
    };
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
    for (const Drawn& d : drawn) {
      const Item& item = items_[d.index];
      const double fog = 1.0 - std::exp(-look.fogDensity * d.depth);
      switch (item.kind) {
        case Kind::Polygon: {
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
          break;
        }
        case Kind::Sphere: {
          const V3 v = camera.ToView(item.points[0]);
          const double r = camera.focal * item.radius / v.z;
          const P c = d.points[0];
          const V3 l = look.light;
          const P highlight{c.x + r * 0.45 * Dot(l, camera.right),
                            c.y - r * 0.45 * Dot(l, camera.up)};
          cairo_pattern_t* g =
              cairo_pattern_create_radial(highlight.x, highlight.y, r * 0.1, c.x, c.y, r);
          const Colour lit = Mix(Shade(item.colour, look.ambient + look.diffuse), look.fog, fog);
          const Colour dark = Mix(Shade(item.colour, look.ambient * 0.8), look.fog, fog);
          cairo_pattern_add_color_stop_rgb(g, 0, lit.r, lit.g, lit.b);
          cairo_pattern_add_color_stop_rgb(g, 1, dark.r, dark.g, dark.b);
          cairo_new_sub_path(cr);
          cairo_arc(cr, c.x, c.y, r, 0, 2 * kPi);
          cairo_set_source(cr, g);
          cairo_fill(cr);
          cairo_pattern_destroy(g);
          break;
        }
        case Kind::Line: {
          Use(cr, Mix(item.colour, look.fog, fog));
          cairo_set_line_width(cr, item.width);
          cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
          Line(cr, d.points[0], d.points[1]);
          cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
          break;
        }
      }
    }
  }

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

  static std::vector<V3> ClipNear(const std::vector<V3>& in, double nearPlane) {
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

  static Colour Lit(const Item& item, const Camera& camera, const Look& look) {
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

  std::vector<Item> items_;
};

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

// ---------------------------------------------------------------------------------------------
// Image8: a multi-storey steel frame being erected, seen from the site

Raster DrawSteelFrame() {
  const int w = 486, h = 363;
  Canvas canvas(w, h);
  cairo_t* cr = canvas.Context();
  const Camera camera({-10, -23, 2.2}, {11.5, 6, 7.4}, 340, w / 2.0, h / 2.0);
  // Sky with a few clouds.
  VerticalGradient(cr, 0, 0, w, h, Rgb255(92, 140, 196), Rgb255(214, 226, 236));
  Cloud(cr, 90, 60, 40, 1);
  Cloud(cr, 330, 40, 55, 2);
  Cloud(cr, 420, 120, 30, 3);

  Scene scene;
  const Colour steel = Rgb255(150, 64, 44);  // red oxide primer
  const Colour brace = Rgb255(120, 60, 48);
  const Colour concrete = Rgb255(186, 184, 178);
  // Far hills and the ground.
  for (int i = 0; i < 24; ++i) {
    const double x0 = -1600 + i * 160, x1 = x0 + 160;
    const double h0 = 40 + 70 * Noise(i, 0, 21), h1 = 40 + 70 * Noise(i + 1, 0, 21);
    scene.Quad({x0, 1400, -5}, {x1, 1400, -5}, {x1, 1400, h1}, {x0, 1400, h0},
               Rgb255(130, 140, 150), true);
  }
  GroundTexture(cr, w, h, HorizonY(camera), Rgb255(178, 176, 166), Rgb255(150, 136, 110), 31);
  // Buildings in the haze beyond the site.
  for (int i = 0; i < 14; ++i) {
    const double x = -180 + i * 32 + 10 * Noise(i, 1, 8), y = 260 + 120 * Noise(i, 2, 8);
    const double bw = 12 + 14 * Noise(i, 3, 8), bh = 6 + 22 * Noise(i, 4, 8);
    scene.Box({x, y, 0}, {x + bw, y + 10, bh},
              Shade(Rgb255(200, 196, 188), 0.9 + 0.15 * Noise(i, 5, 8)));
  }
  {
    Scene slab;
    slab.Box({-2, -2, 0}, {26, 14, 0.25}, concrete);
    Look look;
    slab.Render(cr, camera, look);
  }
  // Columns; the far corner bay is a storey short.
  for (double x = 0; x <= 24; x += 6)
    for (double y = 0; y <= 12; y += 6) {
      const double top = (x == 24 && y == 12) ? 12.0 : 16.3;
      scene.ISection({x, y, 0.25}, {x, y, top}, 0.32, 0.30, steel, 2.0);
      scene.Box({x - 0.3, y - 0.3, 0.25}, {x + 0.3, y + 0.3, 0.3}, Shade(steel, 0.8));
    }
  // Main beams at each level, joists on the lower two.
  for (double z : {4.0, 8.0, 12.0, 16.0}) {
    for (double y = 0; y <= 12; y += 6)
      for (double x = 0; x < 24; x += 6) {
        if (z == 16 && x == 18 && y == 12) continue;
        scene.ISection({x + 0.15, y, z - 0.2}, {x + 5.85, y, z - 0.2}, 0.4, 0.18, steel, 1.5);
      }
    for (double x = 0; x <= 24; x += 6)
      for (double y = 0; y < 12; y += 6) {
        if (z == 16 && x == 24 && y == 6) continue;
        scene.ISection({x, y + 0.15, z - 0.2}, {x, y + 5.85, z - 0.2}, 0.4, 0.18, steel, 1.5);
      }
    if (z <= 8)
      for (double x = 2; x < 24; x += 2) {
        if (static_cast<int>(x) % 6 == 0) continue;
        scene.ISection({x, 0.1, z - 0.15}, {x, 11.9, z - 0.15}, 0.27, 0.13, steel, 1.5);
      }
  }
  // Floors: concrete on the first, bare decking on part of the second.
  scene.Box({-0.1, -0.1, 4.0}, {24.1, 12.1, 4.18}, Rgb255(196, 194, 188));
  scene.Box({0, 0, 8.0}, {12, 12, 8.04}, Rgb255(160, 164, 170));
  // Bracing: crosses in the end bays of the long side and the near gable.
  for (double z0 : {0.25, 4.0, 8.0, 12.0}) {
    const double z1 = z0 < 1 ? 4.0 : z0 + 4.0;
    for (double x0 : {6.0, 18.0}) {
      scene.Beam({x0 + 0.2, -0.05, z0 + 0.2}, {x0 + 5.8, -0.05, z1 - 0.45}, 0.14, 0.14, brace);
      scene.Beam({x0 + 5.8, -0.05, z0 + 0.2}, {x0 + 0.2, -0.05, z1 - 0.45}, 0.14, 0.14, brace);
    }
    scene.Beam({-0.05, 0.2, z0 + 0.2}, {-0.05, 5.8, z1 - 0.45}, 0.14, 0.14, brace);
    scene.Beam({-0.05, 5.8, z0 + 0.2}, {-0.05, 0.2, z1 - 0.45}, 0.14, 0.14, brace);
  }
  // Steel waiting on the ground, two erectors on the top beams.
  for (int i = 0; i < 5; ++i) {
    const double y = -6 - 0.35 * i, z = 0.1 + (i % 2) * 0.3;
    scene.ISection({3, y, z + 0.2}, {11 - i * 0.4, y, z + 0.2}, 0.4, 0.18, steel, 1.5);
  }
  for (V3 p : {V3{9, 0, 16.0}, V3{18.5, 12, 12.0}, V3{7.5, -5.5, 0.1}}) {
    for (double dx : {-0.1, 0.1})
      scene.Cylinder(p + V3{dx, 0, 0}, {0, 0, 1}, 0.85, 0.07, 0.08, Rgb255(50, 60, 90), 8);
    scene.Cylinder(p + V3{0, 0, 0.85}, {0, 0, 1}, 0.6, 0.11, 0.13, Rgb255(245, 120, 20), 10, 1.4);
    scene.Sphere(p + V3{0, 0, 1.62}, 0.14, Rgb255(245, 245, 240));
  }
  // Tower crane: lattice mast, jib, counter-jib with its weights, hoist rope.
  {
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
    scene.Box({cx - 1, cy - 1.2, mast - 2.2}, {cx + 1, cy - 0.6, mast - 0.4},
              Rgb255(240, 240, 235));
    scene.Line3({4, cy, mast}, {4, cy, 19}, Rgb255(50, 50, 50), 0.5);
    scene.Box({3.7, cy - 0.3, 18.4}, {4.3, cy + 0.3, 19}, yellow);
  }
  Look look;
  look.fogDensity = 0.0035;
  look.fog = Rgb255(200, 212, 224);
  scene.Render(cr, camera, look);
  Vignette(cr, w, h, 0.28);
  return canvas.Pixels();
}

// ---------------------------------------------------------------------------------------------
// Image9: a lubrication course in the training room, seen from the back row

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

Raster DrawTrainingRoom() {
  const int w = 461, h = 346;
  Canvas canvas(w, h, Rgb255(0, 0, 0));
  cairo_t* cr = canvas.Context();
  const Camera camera({0.3, 0.4, 1.72}, {0.3, 9, 1.72}, 250, w / 2.0, h * 0.36);
  Look look;
  look.light = Normalize({-0.45, -0.25, 0.86});
  look.ambient = 0.66;
  look.diffuse = 0.36;

  // The room: walls, floor, ceiling with its lights, windows, screen and whiteboard.
  Scene room;
  const double x0 = -4.5, x1 = 4.5, y1 = 9, top = 3.1;
  const Colour wall = Rgb255(226, 218, 198);
  room.Quad({x0, 0, 0}, {x1, 0, 0}, {x1, y1, 0}, {x0, y1, 0}, Rgb255(92, 98, 112));
  room.Quad({x0, 0, top}, {x1, 0, top}, {x1, y1, top}, {x0, y1, top}, Rgb255(236, 236, 232));
  room.Quad({x0, y1, 0}, {x1, y1, 0}, {x1, y1, top}, {x0, y1, top}, Shade(wall, 1.02));
  room.Quad({x0, 0, 0}, {x0, y1, 0}, {x0, y1, top}, {x0, 0, top}, Shade(wall, 0.98));
  room.Quad({x1, 0, 0}, {x1, y1, 0}, {x1, y1, top}, {x1, 0, top}, Shade(wall, 0.9));
  room.Render(cr, camera, look);
  // Soft light from the windows on the left wall and the floor near them.
  {
    const P a = camera.ToScreen(camera.ToView({x0, 4.5, 1.6}));
    cairo_pattern_t* g = cairo_pattern_create_radial(a.x, a.y, 10, a.x, a.y, 260);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 0.95, 0.22);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 0.95, 0);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  // Fixtures on the walls and the ceiling, drawn over them.
  room = Scene();
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
      room.Line3({xw + 0.02, wy + wl * f, z0}, {xw + 0.02, wy + wl * f, z1}, Rgb255(250, 250, 250),
                 1.6);
    room.Line3({xw + 0.02, wy, z0}, {xw + 0.02, wy + wl, z0}, Rgb255(250, 250, 250), 2.0);
  }
  // Door and notice board on the right.
  room.Quad({x1 - 0.01, 7.4, 0}, {x1 - 0.01, 8.4, 0}, {x1 - 0.01, 8.4, 2.1}, {x1 - 0.01, 7.4, 2.1},
            Rgb255(150, 110, 72));
  room.Quad({x1 - 0.01, 3.0, 1.1}, {x1 - 0.01, 5.0, 1.1}, {x1 - 0.01, 5.0, 2.0},
            {x1 - 0.01, 3.0, 2.0}, Rgb255(176, 136, 90));
  for (int i = 0; i < 6; ++i) {
    const double py = 3.15 + i * 0.3, pz = 1.25 + 0.35 * (i % 2);
    room.Quad({x1 - 0.02, py, pz}, {x1 - 0.02, py + 0.21, pz}, {x1 - 0.02, py + 0.21, pz + 0.3},
              {x1 - 0.02, py, pz + 0.3}, Rgb255(245, 245, 240));
  }
  // Screen and whiteboard on the front wall.
  const double sy = y1 - 0.02;
  room.Quad({-2.85, sy, 1.0}, {0.25, sy, 1.0}, {0.25, sy, 2.8}, {-2.85, sy, 2.8},
            Rgb255(60, 60, 64), true);
  room.Quad({1.45, sy, 0.9}, {3.95, sy, 0.9}, {3.95, sy, 2.15}, {1.45, sy, 2.15},
            Rgb255(170, 172, 176), true);
  room.Render(cr, camera, look);

  // What the projector shows, and what is written on the whiteboard (the wall faces the
  // camera squarely, so both are plain rectangles on the picture).
  {
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

    // A clock above the whiteboard.
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

  // Warm indoor light and the lens.
  cairo_rectangle(cr, 0, 0, w, h);
  Use(cr, Rgb255(255, 200, 120), 0.06);
  cairo_fill(cr);
  Vignette(cr, w, h, 0.35);
  return canvas.Pixels();
}

// ---------------------------------------------------------------------------------------------
// Image10: plant piping with valves, photographed against a wall

// Cylindrical shading across a pipe: dark edges, a highlight a third of the way across.
void AddPipeStops(cairo_pattern_t* g, Colour c, double from = 0.0, double to = 1.0) {
  const double stops[][2] = {{0.0, 0.42}, {0.18, 0.85}, {0.34, 1.28},
                             {0.5, 1.05}, {0.8, 0.7},   {1.0, 0.4}};
  for (const auto& [t, k] : stops) {
    const Colour s = Shade(c, k);
    cairo_pattern_add_color_stop_rgb(g, from + (to - from) * t, s.r, s.g, s.b);
  }
}

void PipeH(cairo_t* cr, double x0, double x1, double cy, double d, Colour c) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, cy - d / 2, 0, cy + d / 2);
  AddPipeStops(g, c);
  cairo_rectangle(cr, x0, cy - d / 2, x1 - x0, d);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void PipeV(cairo_t* cr, double y0, double y1, double cx, double d, Colour c) {
  cairo_pattern_t* g = cairo_pattern_create_linear(cx - d / 2, 0, cx + d / 2, 0);
  AddPipeStops(g, c);
  cairo_rectangle(cr, cx - d / 2, y0, d, y1 - y0);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// A quarter bend about `centre` between the angles a0 and a1 (screen angles, clockwise).
void PipeBend(cairo_t* cr, P centre, double radius, double d, double a0, double a1, Colour c) {
  const double r0 = radius - d / 2, r1 = radius + d / 2;
  cairo_pattern_t* g = cairo_pattern_create_radial(centre.x, centre.y, 0, centre.x, centre.y, r1);
  AddPipeStops(g, c, r0 / r1, 1.0);
  cairo_new_sub_path(cr);
  cairo_arc(cr, centre.x, centre.y, r1, a0, a1);
  cairo_arc_negative(cr, centre.x, centre.y, r0, a1, a0);
  cairo_close_path(cr);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// A pair of flanges across a horizontal (or vertical) pipe, with bolt heads.
void FlangePair(cairo_t* cr, P at, double d, bool vertical, Colour c) {
  const double thick = 5, wide = d + 12;
  for (double s : {-1.0, 1.0}) {
    const double off = s * (thick / 2 + 0.6);
    if (vertical)
      PipeV(cr, at.y + off - thick / 2, at.y + off + thick / 2, at.x, wide, Shade(c, 0.95));
    else
      PipeH(cr, at.x + off - thick / 2, at.x + off + thick / 2, at.y, wide, Shade(c, 0.95));
  }
  Use(cr, Rgb255(60, 60, 60));
  for (double t : {-0.38, -0.13, 0.13, 0.38}) {
    const double along = t * wide * 1.02;
    if (vertical)
      FillBox(cr, at.x + along - 1.5, at.y - thick - 2.5, 3, 2 * thick + 5, Rgb255(70, 70, 72));
    else
      FillBox(cr, at.x - thick - 2.5, at.y + along - 1.5, 2 * thick + 5, 3, Rgb255(70, 70, 72));
  }
}

// A gate valve on a vertical pipe, its handwheel facing the camera.
void GateValve(cairo_t* cr, double cx, double cy, double d, Colour body) {
  FlangePair(cr, {cx, cy - 18}, d, true, body);
  FlangePair(cr, {cx, cy + 18}, d, true, body);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - 6, cy - 6, 2, cx, cy, 22);
  const Colour hi = Shade(body, 1.3), lo = Shade(body, 0.45);
  cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, 1.0, 0.8);
  cairo_arc(cr, 0, 0, 19, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // Bonnet towards the camera, then the red handwheel with its spokes.
  Use(cr, Shade(body, 0.8));
  Dot(cr, cx, cy, 9);
  Use(cr, Rgb255(190, 24, 24));
  cairo_set_line_width(cr, 3.4);
  Circle(cr, cx + 2, cy - 2, 17);
  cairo_set_line_width(cr, 2.0);
  for (int i = 0; i < 5; ++i)
    Line(cr, {cx + 2, cy - 2}, Polar({cx + 2, cy - 2}, 16, 2 * kPi * i / 5 + 0.3));
  Use(cr, Rgb255(255, 120, 110), 0.6);
  cairo_set_line_width(cr, 1.0);
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx + 2, cy - 2, 17.5, Radians(200), Radians(290));
  cairo_stroke(cr);
  Use(cr, Rgb255(70, 70, 74));
  Dot(cr, cx + 2, cy - 2, 3.5);
  Use(cr, Rgb255(200, 200, 204));
  Dot(cr, cx + 1.2, cy - 2.8, 1.2);
}

// Stencilled service name with a flow arrow, on a horizontal pipe.
void PipeMarking(cairo_t* cr, double x, double cy, std::string_view text, Colour ink) {
  Use(cr, ink, 0.9);
  Text(cr, text, Font{kSans, 8.5, true}, x, cy + 3);
  const double w = TextWidth(cr, text, Font{kSans, 8.5, true});
  cairo_set_line_width(cr, 2.2);
  Line(cr, x + w + 6, cy, x + w + 24, cy);
  Arrowhead(cr, {x + w + 30, cy}, {1, 0}, 7, 4);
}

Raster DrawPlantPiping() {
  const int w = 471, h = 353;
  Canvas canvas(w, h);
  cairo_t* cr = canvas.Context();
  // Concrete wall with panel joints and weathering, floor slab with a painted walkway line.
  VerticalGradient(cr, 0, 0, w, 300, Rgb255(196, 192, 182), Rgb255(164, 160, 150));
  for (int i = 0; i < 26; ++i) {
    const double x = Noise(i, 0, 51) * w, y = Noise(i, 1, 51) * 300, r = 20 + 40 * Noise(i, 2, 51);
    cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, r);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.3, 0.28, 0.25, 0.07);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.3, 0.28, 0.25, 0);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  Use(cr, Rgb255(140, 136, 128));
  cairo_set_line_width(cr, 1.2);
  for (double x : {118.0, 262.0, 406.0}) Line(cr, x, 0, x, 300);
  Line(cr, 0, 132, w, 132);
  VerticalGradient(cr, 0, 300, w, 53, Rgb255(150, 148, 142), Rgb255(118, 116, 110));
  Use(cr, Rgb255(96, 94, 88));
  cairo_set_line_width(cr, 1.5);
  Line(cr, 0, 300, w, 300);
  Use(cr, Rgb255(220, 180, 30));
  Path(cr, {{0, 330}, {w, 322}, {w, 328}, {0, 337}}, true);
  cairo_fill(cr);

  const Colour green = Rgb255(46, 128, 70), yellow = Rgb255(220, 176, 30);
  const Colour aluminium = Rgb255(196, 200, 204), red = Rgb255(184, 30, 28);
  const Colour frame = Rgb255(86, 104, 124), valveBody = Rgb255(64, 76, 90);
  const double drops[] = {96, 236, 376};

  // Shadows of everything on the wall, offset down and to the right.
  cairo_save(cr);
  cairo_translate(cr, 9, 11);
  Use(cr, Rgb255(40, 36, 30), 0.22);
  cairo_rectangle(cr, 0, 40 - 17, w, 34);
  cairo_rectangle(cr, 0, 92 - 9, w, 18);
  cairo_rectangle(cr, 0, 150 - 23, w, 46);
  for (double x : drops) cairo_rectangle(cr, x - 14, 150, 28, 150);
  cairo_rectangle(cr, 446 - 9, 94, 18, 206);
  cairo_rectangle(cr, 0, 61, 422, 18);
  cairo_rectangle(cr, 24, 14, 16, 286);
  cairo_fill(cr);
  cairo_restore(cr);

  // Support frame: a post at each side, cross beams under the pipes.
  auto IBeamV = [&](double x0, double y0, double y1, double width) {
    FillBox(cr, x0, y0, width, y1 - y0, Shade(frame, 0.8));
    FillBox(cr, x0 + width * 0.2, y0, width * 0.6, y1 - y0, Shade(frame, 1.05));
    Use(cr, Shade(frame, 0.55));
    cairo_set_line_width(cr, 0.8);
    Line(cr, x0 + width * 0.2, y0, x0 + width * 0.2, y1);
    Line(cr, x0 + width * 0.8, y0, x0 + width * 0.8, y1);
  };
  auto IBeamH = [&](double x0, double x1, double y0, double depth) {
    FillBox(cr, x0, y0, x1 - x0, depth, Shade(frame, 0.9));
    FillBox(cr, x0, y0, x1 - x0, depth * 0.18, Shade(frame, 1.2));
    FillBox(cr, x0, y0 + depth * 0.82, x1 - x0, depth * 0.18, Shade(frame, 0.6));
  };
  IBeamV(24, 8, 300, 16);
  IBeamH(0, w, 57, 10);
  IBeamH(0, w, 101, 9);
  IBeamH(0, w, 173, 10);

  // Steam line in aluminium cladding with its bands.
  PipeH(cr, 0, w, 40, 34, aluminium);
  Use(cr, Rgb255(120, 124, 128));
  cairo_set_line_width(cr, 1.0);
  for (double x = 30; x < w; x += 58) Line(cr, x, 23, x, 57);
  Use(cr, Rgb255(30, 30, 30), 0.85);
  Text(cr, "LP STEAM  6 bar", Font{kSans, 8, true}, 300, 43);
  // Fire water: a header behind the gas line, a riser with a butterfly valve.
  PipeH(cr, 0, 422, 70, 18, red);
  FlangePair(cr, {212, 70}, 18, false, red);
  PipeBend(cr, {422, 94}, 24, 18, -kPi / 2, 0, red);
  // Gas line with a ball valve.
  PipeH(cr, 0, w, 92, 16, yellow);
  FlangePair(cr, {280, 92}, 16, false, yellow);
  FlangePair(cr, {318, 92}, 16, false, yellow);
  {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 80, 0, 104);
    AddPipeStops(g, Rgb255(150, 150, 150));
    cairo_rectangle(cr, 286, 82, 26, 20);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    FillBox(cr, 296, 74, 6, 8, Rgb255(90, 90, 90));
    Use(cr, Rgb255(200, 30, 20));
    cairo_set_line_width(cr, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    Line(cr, 299, 74, 340, 70);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  }
  PipeMarking(cr, 120, 92, "NATURAL GAS", Rgb255(30, 30, 30));
  // Cooling water header with flanged joints; three drops with gate and check valves.
  for (double x : drops) PipeV(cr, 150, 300, x, 28, green);
  PipeH(cr, 0, w, 150, 46, green);
  FlangePair(cr, {176, 150}, 46, false, green);
  FlangePair(cr, {318, 150}, 46, false, green);
  for (double x : drops) {
    // Weld at the branch, gate valve, check valve, floor sleeve.
    Use(cr, Shade(green, 0.6), 0.8);
    cairo_set_line_width(cr, 1.4);
    Line(cr, x - 14, 175, x + 14, 175);
    GateValve(cr, x, 214, 28, valveBody);
    FlangePair(cr, {x, 252}, 28, true, green);
    cairo_pattern_t* g = cairo_pattern_create_linear(x - 18, 0, x + 18, 0);
    AddPipeStops(g, valveBody);
    cairo_rectangle(cr, x - 17, 258, 34, 22);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    FillBox(cr, x - 12, 262, 24, 3, Shade(valveBody, 1.4));
    FlangePair(cr, {x, 284}, 28, true, green);
    PipeV(cr, 294, 302, x, 40, Rgb255(130, 128, 122));
  }
  PipeMarking(cr, 24, 150, "COOLING WATER", Rgb255(250, 250, 250));
  // Pressure gauge on the middle drop.
  {
    const double gx = 272, gy = 188, x = drops[1];
    PipeH(cr, x + 12, gx - 6, gy, 6, Rgb255(170, 170, 170));
    Use(cr, Rgb255(30, 30, 30));
    Dot(cr, gx + 6, gy, 13);
    Use(cr, Rgb255(250, 250, 246));
    Dot(cr, gx + 6, gy, 11);
    Use(cr, Rgb255(30, 30, 30));
    cairo_set_line_width(cr, 0.6);
    for (int i = 0; i <= 8; ++i) {
      const double a = Radians(225 - 270.0 * i / 8);
      Line(cr, Polar({gx + 6, gy}, 8, a), Polar({gx + 6, gy}, 10.5, a));
    }
    Use(cr, Rgb255(200, 20, 20));
    cairo_set_line_width(cr, 1.2);
    Line(cr, {gx + 6, gy}, Polar({gx + 6, gy}, 9, Radians(80)));
    Use(cr, Rgb255(255, 255, 255), 0.5);
    cairo_new_sub_path(cr);
    cairo_arc(cr, gx + 4, gy - 3, 6, Radians(190), Radians(260));
    cairo_stroke(cr);
  }
  PipeV(cr, 94, 300, 446, 18, red);
  FlangePair(cr, {446, 236}, 18, true, red);
  {
    Use(cr, Rgb255(60, 60, 64));
    FillBox(cr, 438, 241, 16, 10, Rgb255(60, 60, 64));
    Use(cr, Rgb255(230, 200, 30));
    cairo_set_line_width(cr, 3.5);
    Line(cr, 446, 246, 418, 256);
  }
  FlangePair(cr, {446, 256}, 18, true, red);
  // U-bolts where the pipes cross the beams.
  Use(cr, Rgb255(90, 90, 90));
  cairo_set_line_width(cr, 1.4);
  for (double x : {60.0, 200.0, 340.0}) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, 150, 24, Radians(200), Radians(340));
    cairo_stroke(cr);
  }
  // Valve tag.
  Use(cr, Rgb255(250, 250, 250));
  FillBox(cr, 100, 232, 22, 10, Rgb255(250, 250, 250));
  Use(cr, Rgb255(20, 20, 20));
  Text(cr, "V-102", Font{kCondensed, 6.5, true}, 111, 240, Align::Centre);
  Vignette(cr, w, h, 0.3);
  return canvas.Pixels();
}

// ---------------------------------------------------------------------------------------------
// Image11: the 3D model of a raw material handling and cement storage plant

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

Raster DrawPlantModel() {
  const int w = 971, h = 665;
  Canvas canvas(w, h);
  cairo_t* cr = canvas.Context();
  const Camera camera({-66, -80, 44}, {0, 4, 11}, 1050, w / 2.0, h / 2.0 + 20);
  VerticalGradient(cr, 0, 0, w, h, Rgb255(34, 54, 88), Rgb255(170, 186, 206));

  Look look;
  look.light = Normalize({-0.35, -0.6, 0.72});
  look.ambient = 0.5;
  look.diffuse = 0.55;
  look.edges = true;
  look.edgeAlpha = 0.45;
  Scene scene;  // first the ground and the foundations, then what stands on them
  const Colour blue = Rgb255(44, 96, 170), yellow = Rgb255(236, 196, 40);
  const Colour concrete = Rgb255(186, 186, 180);
  const Colour orange = Rgb255(232, 122, 36), green = Rgb255(60, 132, 84);
  // Ground with a survey grid, foundations.
  {
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

  // Two silos and the conveyor from the tower roof to their roofs.
  const Colour silo = Rgb255(214, 216, 220);
  ModelSilo(scene, 26, 1, 5, silo, blue);
  ModelSilo(scene, 26, 14, 5, silo, blue);
  scene.Beam({12, 4.5, 27.2}, {22, 4.5, 27.2}, 1.2, 1.0, yellow, 2);
  scene.Beam({22, 1, 27.2}, {22, 14, 27.2}, 1.2, 1.0, yellow, 2);
  for (double y : {1.0, 14.0})
    scene.Box({21.2, y - 0.8, 25.4}, {22.8, y + 0.8, 26.7}, Rgb255(236, 236, 236));

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

  scene.Render(cr, camera, look);

  // Tags, title band and the axis triad of the modelling program.
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
  {
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
  }
  Use(cr, Rgb255(230, 236, 245), 0.85);
  Text(cr, "SOUTH-WEST ISOMETRIC  -  SHADED WITH EDGES", Font{kSans, 9}, w - 12, h - 12,
       Align::Right);
  return canvas.Pixels();
}

}  // namespace

void DrawShowcasePictures(const std::filesystem::path& root) {
  const auto jpeg = [](const char* file, const char* subject, const Raster& raster) {
    return JpegPicture{file, subject, EncodeJpeg(raster)};
  };
  std::vector<JpegPicture> jpegs;
  jpegs.push_back(jpeg("Image2.jpg", "Norvex Engineering: background", DrawBackground()));
  jpegs.push_back(jpeg("Image1.jpg",
                       "Norvex Engineering: belt conveyor BC-101, general arrangement",
                       DrawBeltConveyor()));
  jpegs.push_back(jpeg("Image3.jpg", "Norvex Engineering: screw conveyor, general arrangement",
                       DrawScrewConveyor()));
  jpegs.push_back(jpeg("Image4.jpg", "Norvex Engineering: bucket elevator, general arrangement",
                       DrawBucketElevator()));
  jpegs.push_back(jpeg("Image5.jpg", "Norvex Engineering: drag chain conveyor, general arrangement",
                       DrawDragChain()));
  jpegs.push_back(
      jpeg("Image6.jpg", "Norvex Engineering: storage silo, general arrangement", DrawSilo()));
  jpegs.push_back(jpeg("Image7.jpg", "Norvex Engineering: ducting bends and expansion joints",
                       DrawDuctingDetails()));
  jpegs.push_back(
      jpeg("Image8.jpg", "Norvex Engineering: steel frame structure", DrawSteelFrame()));
  jpegs.push_back(
      jpeg("Image9.jpg", "Norvex Engineering: lubrication training class", DrawTrainingRoom()));
  jpegs.push_back(jpeg("Image10.jpg", "Norvex Engineering: plant piping", DrawPlantPiping()));
  jpegs.push_back(jpeg("Image11.jpg", "Norvex Engineering: 3D plant model", DrawPlantModel()));
  SaveJpegs(root, std::move(jpegs));
  SaveBmp(root, "Image12.bmp", DrawFooterBanner());
  SaveBmp(root, "Image13.bmp", DrawIndustryList());
  SaveBmp(root, "BitBtn1.bmp", DrawArrowGlyph(true));
  SaveBmp(root, "BitBtn2.bmp", DrawArrowGlyph(false));
}

}  // namespace pw::pictures

// The window's own pictures: the background, the lettering that stands on it and the glyphs of
// the two arrow buttons.

#include <algorithm>
#include <cmath>
#include <vector>

#include "pictures/kit/Canvas.h"
#include "pictures/kit/Drafting.h"
#include "pictures/kit/Lettering.h"
#include "pictures/showcase/Drawings.h"

namespace pw::pictures {
namespace {

constexpr Colour kBackdrop = Rgb255(0, 78, 84);

Colour BackgroundAt(int x, int y) {
  const double u = (x + y) / 96.0;
  const double band = 0.5 + 0.5 * std::sin(u * 2 * kPi + 0.6 * std::sin(u * 0.9));
  const double slow = 0.5 + 0.5 * std::sin((x - 0.6 * y) / 260.0);
  const double grain = (Noise(x / 2, y, 7) - 0.5) * 0.010;
  const double light = 0.92 + 0.10 * band + 0.05 * slow;
  return {kBackdrop.r * light, kBackdrop.g * light + grain, kBackdrop.b * light + grain};
}

// Lettering on navy, the transparent colour. Where a letter only partly covers a pixel, the pixel
// takes the mixture of the lettering and the background picture that shows there in the window,
// so the letters stand cleanly on the teal.
constexpr Colour kNavy = Rgb255(0, 0, 128);

Raster KeyOut(const Canvas& lettering, int windowLeft, int windowTop) {
  Raster raster(lettering.Width(), lettering.Height(), kNavy);
  for (int y = 0; y < lettering.Height(); ++y)
    for (int x = 0; x < lettering.Width(); ++x) {
      const double a = lettering.Alpha(x, y);
      if (a < 0.06) continue;
      const Colour c = Mix(BackgroundAt(windowLeft + x, windowTop + y), lettering.ColourAt(x, y),
                           std::min(1.0, a * 1.05));
      raster.Set(x, y, c);
    }
  return raster;
}

// The glyphs' transparent colour (their bottom-left pixel), and the white their arrows are drawn
// in.
constexpr Colour kGlyphKey = Rgb255(255, 255, 255);
constexpr Colour kArrowWhite = Rgb255(250, 250, 250);

}  // namespace

Raster DrawBackground() {
  Raster raster(684, 459, Colour{0, 0, 0});
  for (int y = 0; y < raster.Height(); ++y)
    for (int x = 0; x < raster.Width(); ++x) raster.Set(x, y, BackgroundAt(x, y));
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
  Use(cr, kArrowWhite);
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
      raster.Set(x, y, SameBytes(c, kGlyphKey) ? kArrowWhite : c);
    }
  return raster;
}

}  // namespace pw::pictures

// The maker's emblems: the logo and the name banner.

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "pictures/calculator/Palette.h"
#include "pictures/calculator/Pictures.h"
#include "pictures/calculator/SteelBar.h"
#include "pictures/kit/Canvas.h"
#include "pictures/kit/Drafting.h"
#include "pictures/kit/Lettering.h"

namespace pw::pictures {
namespace {

constexpr Colour kLogoNavy = Rgb255(0, 16, 88);
constexpr Colour kCyan = Rgb255(0, 255, 255);

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
  Path(cr, {table[0], table[1], girdle[3], culet, girdle[0]}, true);
  Path(cr, {girdle[0], girdle[3]});
  Path(cr, {girdle[1], table[0]});
  Path(cr, {girdle[2], table[1]});
  Path(cr, {girdle[1], culet, girdle[2]});
  cairo_stroke(cr);
}

}  // namespace

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

}  // namespace pw::pictures

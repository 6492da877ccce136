#pragma once
// Lettering: one line of text in a font given by family, pixel size and weight, laid out by Pango
// with grey antialiasing and no hinting, so the pixels do not depend on the desktop's font
// settings.

#include <cairo.h>
#include <pango/pangocairo.h>

#include <string_view>

#include "pictures/kit/Geometry.h"

namespace pw::pictures {

enum class Align { Left, Centre, Right };

struct Font {
  const char* family;
  double size;  // em size in pixels
  bool bold = false;
};

constexpr const char* kSans = "DejaVu Sans";
constexpr const char* kCondensed = "DejaVu Sans Condensed";
constexpr const char* kSerif = "Liberation Serif";
constexpr const char* kPersian = "Titr";

// A line of text laid out for a context.
class Layout {
 public:
  Layout(cairo_t* cr, std::string_view text, const Font& font);
  ~Layout();
  Layout(const Layout&) = delete;
  Layout& operator=(const Layout&) = delete;

  PangoLayout* Get() const { return layout_; }
  // The logical box, in Pango units.
  PangoRectangle Logical() const;
  // The box of the inked pixels relative to the layout origin, in whole pixels.
  PangoRectangle Ink() const;
  // Draws the text in the current source colour with its inked box centred on the point.
  void ShowInkCentred(cairo_t* cr, Point centre) const;

 private:
  PangoLayout* layout_;
};

double TextWidth(cairo_t* cr, std::string_view text, const Font& font);

// One line of text in the current source colour with its baseline at y; x is its left end, its
// centre or its right end. Text wider than maxWidth (when given) is narrowed to fit.
void Text(cairo_t* cr, std::string_view text, const Font& font, double x, double y,
          Align align = Align::Left, double maxWidth = 0);

// Text on a patch of white paper that hides the lines behind it.
void TextOnPaper(cairo_t* cr, std::string_view text, const Font& font, double x, double y,
                 Align align = Align::Centre);

// Text turned by angle (radians, clockwise on screen) about its anchor point.
void TurnedText(cairo_t* cr, std::string_view text, const Font& font, double x, double y,
                double angle, Align align = Align::Centre);

}  // namespace pw::pictures

#include "pictures/kit/Lettering.h"

namespace pw::pictures {

Layout::Layout(cairo_t* cr, std::string_view text, const Font& font)
    : layout_(pango_cairo_create_layout(cr)) {
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  pango_cairo_context_set_font_options(pango_layout_get_context(layout_), options);
  cairo_font_options_destroy(options);
  pango_layout_context_changed(layout_);
  PangoFontDescription* description = pango_font_description_new();
  pango_font_description_set_family(description, font.family);
  pango_font_description_set_absolute_size(description, font.size * PANGO_SCALE);
  pango_font_description_set_weight(description,
                                    font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_layout_set_font_description(layout_, description);
  pango_font_description_free(description);
  pango_layout_set_text(layout_, text.data(), static_cast<int>(text.size()));
}

Layout::~Layout() {
  g_object_unref(layout_);
}

PangoRectangle Layout::Logical() const {
  PangoRectangle logical;
  pango_layout_get_extents(layout_, nullptr, &logical);
  return logical;
}

PangoRectangle Layout::Ink() const {
  PangoRectangle ink;
  pango_layout_get_extents(layout_, &ink, nullptr);
  return {ink.x / PANGO_SCALE, ink.y / PANGO_SCALE, ink.width / PANGO_SCALE,
          ink.height / PANGO_SCALE};
}

void Layout::ShowInkCentred(cairo_t* cr, Point centre) const {
  PangoRectangle ink;
  pango_layout_get_extents(layout_, &ink, nullptr);
  const double x = centre.x - (ink.x + ink.width / 2.0) / PANGO_SCALE;
  const double y = centre.y - (ink.y + ink.height / 2.0) / PANGO_SCALE;
  cairo_move_to(cr, x, y);
  pango_cairo_show_layout(cr, layout_);
}

double TextWidth(cairo_t* cr, std::string_view text, const Font& font) {
  return Layout(cr, text, font).Logical().width / static_cast<double>(PANGO_SCALE);
}

namespace {

double LeftEnd(double x, double width, Align align) {
  return align == Align::Left ? x : align == Align::Centre ? x - width / 2 : x - width;
}

}  // namespace

void Text(cairo_t* cr, std::string_view text, const Font& font, double x, double y, Align align,
          double maxWidth) {
  const Layout layout(cr, text, font);
  const PangoRectangle logical = layout.Logical();
  double width = logical.width / static_cast<double>(PANGO_SCALE);
  const double baseline =
      pango_layout_get_baseline(layout.Get()) / static_cast<double>(PANGO_SCALE);
  double squeeze = 1.0;
  if (maxWidth > 0 && width > maxWidth) {
    squeeze = maxWidth / width;
    width = maxWidth;
  }
  cairo_save(cr);
  cairo_translate(cr, LeftEnd(x, width, align), y);
  cairo_scale(cr, squeeze, 1.0);
  cairo_move_to(cr, -logical.x / static_cast<double>(PANGO_SCALE), -baseline);
  // Laid out before the squeeze: Pango would lay a narrowed font out anew, wider.
  pango_cairo_show_layout(cr, layout.Get());
  cairo_restore(cr);
}

void TextOnPaper(cairo_t* cr, std::string_view text, const Font& font, double x, double y,
                 Align align) {
  const double w = TextWidth(cr, text, font);
  cairo_save(cr);
  cairo_rectangle(cr, LeftEnd(x, w, align) - 1.5, y - font.size * 0.85, w + 3, font.size * 1.1);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill(cr);
  cairo_restore(cr);
  Text(cr, text, font, x, y, align);
}

void TurnedText(cairo_t* cr, std::string_view text, const Font& font, double x, double y,
                double angle, Align align) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  Text(cr, text, font, 0, 0, align);
  cairo_restore(cr);
}

}  // namespace pw::pictures

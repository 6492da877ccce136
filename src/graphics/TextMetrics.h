#pragma once
// Measuring text in a font, as a canvas does: through the graphics interface, or through a
// measure installed in its place (tests use one to stand for another screen).

#include <functional>
#include <string_view>

#include "graphics/Font.h"

namespace pw {

struct TSize {
  int cx = 0;
  int cy = 0;
};

using TextExtentMeasure = std::function<TSize(const TFont& font, std::u16string_view text)>;

// Replaces the graphics interface's measuring; an empty measure restores it.
void SetTextExtentMeasure(TextExtentMeasure measure);
// The extent of one line of `text` drawn in `font`.
TSize MeasureTextExtent(const TFont& font, std::u16string_view text);

}  // namespace pw

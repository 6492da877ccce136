#pragma once
// Measuring text in a font, as a canvas does. The display backend installs the measure; until
// one is installed nothing can be measured.

#include <functional>
#include <optional>
#include <string_view>

#include "graphics/Font.h"

namespace pw {

struct TSize {
  int cx = 0;
  int cy = 0;
};

using TextExtentMeasure = std::function<TSize(const TFont& font, std::u16string_view text)>;

void SetTextExtentMeasure(TextExtentMeasure measure);
// The extent of `text` drawn in `font`; none while no measure is installed.
std::optional<TSize> MeasureTextExtent(const TFont& font, std::u16string_view text);

}  // namespace pw

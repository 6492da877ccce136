#include "graphics/TextMetrics.h"

namespace pw {

namespace {
TextExtentMeasure& InstalledMeasure() {
  static TextExtentMeasure measure;
  return measure;
}
}  // namespace

void SetTextExtentMeasure(TextExtentMeasure measure) {
  InstalledMeasure() = std::move(measure);
}

std::optional<TSize> MeasureTextExtent(const TFont& font, std::u16string_view text) {
  const auto& measure = InstalledMeasure();
  if (!measure) return std::nullopt;
  return measure(font, text);
}

}  // namespace pw

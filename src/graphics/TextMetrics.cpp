#include "graphics/TextMetrics.h"

#include "platform/gfx/Text.h"
#include "platform/sys/ContextStore.h"

namespace pw {

namespace {
struct InstalledMeasureSlot {
  TextExtentMeasure measure;
};
TextExtentMeasure& InstalledMeasure() {
  return sys::ContextLocal<InstalledMeasureSlot>().measure;
}
}  // namespace

void SetTextExtentMeasure(TextExtentMeasure measure) {
  InstalledMeasure() = std::move(measure);
}

TSize MeasureTextExtent(const TFont& font, std::u16string_view text) {
  if (const auto& measure = InstalledMeasure()) return measure(font, text);
  const gfx::SIZE size =
      gfx::MeasureText(font.LogFont(), text, gfx::DT_SINGLELINE | gfx::DT_NOPREFIX);
  return {size.cx, size.cy};
}

}  // namespace pw

#include "controls/Label.h"

#include "graphics/TextMetrics.h"
#include "platform/sys/CodePage.h"

namespace pw {

namespace {
constexpr TPropInfo kLabelProperties[] = {
    EnumProperty<&TCustomLabel::Alignment, &TCustomLabel::SetAlignment>("Alignment",
                                                                        kAlignmentType),
    BoolProperty<&TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize>("AutoSize"),
    StringProperty<&TCustomLabel::SetCaption>("Caption"),
    EnumProperty<&TCustomLabel::Layout, &TCustomLabel::SetLayout>("Layout", kTextLayoutType),
    BoolProperty<&TCustomLabel::Transparent, &TCustomLabel::SetTransparent>("Transparent"),
    BoolProperty<&TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap>("WordWrap"),
};
}  // namespace

const TClassInfo TCustomLabel::classInfo{"TCustomLabel", &TGraphicControl::classInfo,
                                         kLabelProperties};
const TClassInfo TLabel::classInfo{"TLabel", &TCustomLabel::classInfo, {}, {},
                                   {},       CreateComponent<TLabel>};

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  AdjustBounds();
}

void TCustomLabel::SetWordWrap(bool wordWrap) {
  if (wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  AdjustBounds();
}

void TCustomLabel::FinishLoading() {
  TGraphicControl::FinishLoading();
  AdjustBounds();
}

std::u16string TCustomLabel::LabelText() const {
  return sys::NarrowToWide(Caption());
}

void TCustomLabel::AdjustBounds() {
  if (!autoSize_ || Loading()) return;
  const std::u16string text = LabelText();
  const std::u16string_view measured = text.empty() ? std::u16string_view(u" ") : text;
  const TSize extent = MeasureTextExtent(*Font(), measured);
  SetBounds(Left(), Top(), extent.cx, extent.cy);
}

}  // namespace pw

#include "controls/WideLabel.h"

#include "forms/Reader.h"

namespace pw {

namespace {
constexpr TPropInfo kWideLabelProperties[] = {
    WideStringProperty<&TWideLabel::SetCaption>("Caption"),
};
}  // namespace

const TClassInfo TWideLabel::classInfo{
    "TWideLabel", &TCustomLabel::classInfo,   kWideLabelProperties, {},
    {},           CreateComponent<TWideLabel>};

void TWideLabel::SetCaption(std::u16string caption) {
  if (caption == wideCaption_) return;
  wideCaption_ = std::move(caption);
  AdjustBounds();
}

void TWideLabel::DeclareExtraProperties(TReader& reader) {
  TCustomLabel::DeclareExtraProperties(reader);
  for (const char* name : {"CaptionW", "Caption_UTF7", "HintW", "Hint_UTF7"}) {
    reader.DeclareProperty(name, [](TReader& r) { r.ReadText(); });
  }
}

}  // namespace pw

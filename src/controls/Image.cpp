#include "controls/Image.h"

namespace pw {

namespace {
constexpr TPropInfo kImageProperties[] = {
    BoolProperty<&TImage::AutoSize, &TImage::SetAutoSize>("AutoSize"),
    BoolProperty<&TImage::Center, &TImage::SetCenter>("Center"),
    ObjectProperty<&TImage::Picture>("Picture"),
    BoolProperty<&TImage::Proportional, &TImage::SetProportional>("Proportional"),
    BoolProperty<&TImage::Stretch, &TImage::SetStretch>("Stretch"),
    BoolProperty<&TImage::Transparent, &TImage::SetTransparent>("Transparent"),
};
}  // namespace

const TClassInfo TImage::classInfo{"TImage", &TGraphicControl::classInfo, kImageProperties, {},
                                   {},       CreateComponent<TImage>};

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 105, 105);
}

}  // namespace pw

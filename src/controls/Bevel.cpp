#include "controls/Bevel.h"

namespace pw {

namespace {
constexpr TPropInfo kBevelProperties[] = {
    EnumProperty<&TBevel::Shape, &TBevel::SetShape>("Shape", kBevelShapeType),
    EnumProperty<&TBevel::Style, &TBevel::SetStyle>("Style", kBevelStyleType),
};
}  // namespace

const TClassInfo TBevel::classInfo{"TBevel", &TGraphicControl::classInfo, kBevelProperties, {},
                                   {},       CreateComponent<TBevel>};

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 50, 50);
}

}  // namespace pw

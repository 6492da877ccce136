#include "controls/BitBtn.h"

namespace pw {

namespace {
constexpr TPropInfo kButtonProperties[] = {
    BoolProperty<&TButton::Cancel, &TButton::SetCancel>("Cancel"),
    StringProperty<&TButton::SetCaption>("Caption"),
    BoolProperty<&TButton::Default, &TButton::SetDefault>("Default"),
    IntegerProperty<&TButton::ModalResult, &TButton::SetModalResult>("ModalResult"),
};
constexpr TPropInfo kBitBtnProperties[] = {
    ObjectProperty<&TBitBtn::Glyph>("Glyph"),
    EnumProperty<&TBitBtn::Kind, &TBitBtn::SetKind>("Kind", kBitBtnKindType),
    EnumProperty<&TBitBtn::Layout, &TBitBtn::SetLayout>("Layout", kButtonLayoutType),
    IntegerProperty<&TBitBtn::Margin, &TBitBtn::SetMargin>("Margin"),
    IntegerProperty<&TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs>("NumGlyphs"),
    IntegerProperty<&TBitBtn::Spacing, &TBitBtn::SetSpacing>("Spacing"),
};
}  // namespace

const TClassInfo TButton::classInfo{"TButton", &TButtonControl::classInfo, kButtonProperties, {},
                                    {},        CreateComponent<TButton>};
const TClassInfo TBitBtn::classInfo{"TBitBtn", &TButton::classInfo,     kBitBtnProperties, {},
                                    {},        CreateComponent<TBitBtn>};

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

}  // namespace pw

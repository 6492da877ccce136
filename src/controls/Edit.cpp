#include "controls/Edit.h"

namespace pw {

namespace {
constexpr TPropInfo kEditProperties[] = {
    BoolProperty<&TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect>("AutoSelect"),
    BoolProperty<&TCustomEdit::AutoSize, &TCustomEdit::SetAutoSize>("AutoSize"),
    IntegerProperty<&TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength>("MaxLength"),
    BoolProperty<&TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly>("ReadOnly"),
    StringProperty<&TCustomEdit::SetText>("Text"),
    EventProperty<&TCustomEdit::OnChange>("OnChange"),
};
}  // namespace

const TClassInfo TCustomEdit::classInfo{"TCustomEdit", &TWinControl::classInfo, kEditProperties};
const TClassInfo TEdit::classInfo{"TEdit", &TCustomEdit::classInfo, {}, {},
                                  {},      CreateComponent<TEdit>};

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 25);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

// Without a native window the assignment itself announces the change.
void TCustomEdit::TextChanged() {
  Raise(OnChange, this);
}

}  // namespace pw

#include "controls/RadioButton.h"

namespace pw {

namespace {
constexpr TPropInfo kRadioButtonProperties[] = {
    EnumProperty<&TRadioButton::Alignment, &TRadioButton::SetAlignment>("Alignment",
                                                                        kAlignmentType),
    StringProperty<&TRadioButton::SetCaption>("Caption"),
    BoolProperty<&TRadioButton::Checked, &TRadioButton::SetChecked>("Checked"),
};
}  // namespace

const TClassInfo TRadioButton::classInfo{"TRadioButton",
                                         &TButtonControl::classInfo,
                                         kRadioButtonProperties,
                                         {},
                                         {},
                                         CreateComponent<TRadioButton>};

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
  SetBounds(0, 0, 113, 17);
}

void TRadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  SetTabStop(checked);
  if (!checked) return;
  if (Parent() != nullptr) {
    for (TWinControl* sibling : Parent()->WindowedChildren()) {
      if (sibling == this) continue;
      if (auto* radio = dynamic_cast<TRadioButton*>(sibling)) radio->SetChecked(false);
    }
  }
  if (!clicksDisabled_) Click();
}

}  // namespace pw

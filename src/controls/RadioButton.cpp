#include "controls/RadioButton.h"

#include "controls/ControlMessages.h"

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
  SetControlStyle(StyleBit(TControlStyle::csSetCaption) | StyleBit(TControlStyle::csDoubleClicks));
}

void TRadioButton::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  if (HandleAllocated()) {
    TCreateParams params;
    CreateParams(params);
    win::SetWindowLong(Handle(), win::GWL_STYLE, static_cast<std::intptr_t>(params.style));
    Invalidate();
  }
}

void TRadioButton::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.className = "BUTTON";
  params.style |= win::BS_RADIOBUTTON;
  const bool leftText = alignment_ == TAlignment::taLeftJustify;
  const bool rightToLeft = BiDiMode() == TBiDiMode::bdRightToLeft;
  if (leftText != rightToLeft) params.style |= win::BS_LEFTTEXT;
}

void TRadioButton::InitializeHandle() {
  TButtonControl::InitializeHandle();
  win::SendMessage(Handle(), win::BM_SETCHECK, checked_ ? 1 : 0, 0);
}

win::LRESULT TRadioButton::WndProc(unsigned message, win::WPARAM wParam, win::LPARAM lParam) {
  if (message == CN_COMMAND) {
    switch (win::HIWORD(wParam)) {
      case win::BN_CLICKED:
        SetChecked(true);
        return 0;
      case win::BN_DOUBLECLICKED:
        return 0;  // no double-click event is used
      default:
        return 0;
    }
  }
  return TButtonControl::WndProc(message, wParam, lParam);
}

void TRadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  SetTabStop(checked);
  if (HandleAllocated()) win::SendMessage(Handle(), win::BM_SETCHECK, checked ? 1 : 0, 0);
  if (!checked) return;
  if (Parent() != nullptr) {
    for (TWinControl* sibling : Parent()->WindowedChildren()) {
      if (sibling == this) continue;
      if (auto* radio = dynamic_cast<TRadioButton*>(sibling)) radio->SetChecked(false);
    }
  }
  if (!ClicksDisabled()) Click();
}

}  // namespace pw

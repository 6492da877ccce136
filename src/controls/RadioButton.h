#pragma once
// TRadioButton: checking it unchecks the other radio buttons of its parent and raises its click.

#include "controls/ButtonControl.h"

namespace pw {

class TRadioButton : public TButtonControl {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  explicit TRadioButton(TComponent* owner);

  bool Checked() const { return checked_; }
  // Assigning the current value does nothing. Checking stores the value (a checked button is the
  // group's tab stop), unchecks the sibling radio buttons silently and then raises OnClick,
  // unless clicks are disabled; unchecking raises nothing.
  void SetChecked(bool checked);

  // Set while a press moves the focus to the button, so that the click it may cause is ignored.
  // Which side of the circle the caption stands on.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment) { alignment_ = alignment; }

  bool ClicksDisabled() const { return clicksDisabled_; }
  void SetClicksDisabled(bool disabled) { clicksDisabled_ = disabled; }

 private:
  bool checked_ = false;
  TAlignment alignment_ = TAlignment::taRightJustify;
  bool clicksDisabled_ = false;
};

}  // namespace pw

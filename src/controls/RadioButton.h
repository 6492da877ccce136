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

  // Which side of the circle the caption stands on.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeHandle() override;
  win::LRESULT WndProc(unsigned message, win::WPARAM wParam, win::LPARAM lParam) override;

 private:
  bool checked_ = false;
  TAlignment alignment_ = TAlignment::taRightJustify;
};

}  // namespace pw

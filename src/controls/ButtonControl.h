#pragma once
// TButtonControl: the base of the button classes. A press on a button that does not have the
// focus first moves the focus to it (so the exit event of the control that had it runs first);
// the click notifications the native button sends meanwhile are ignored, and when the button did
// not get the focus the press is dropped.

#include "controls/WinControl.h"

namespace pw {

class TButtonControl : public TWinControl {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  using TWinControl::TWinControl;

  // Set while a press moves the focus to the button.
  bool ClicksDisabled() const { return clicksDisabled_; }
  void SetClicksDisabled(bool disabled) { clicksDisabled_ = disabled; }

 protected:
  win::LRESULT WndProc(unsigned message, win::WPARAM wParam, win::LPARAM lParam) override;

 private:
  bool clicksDisabled_ = false;
};

}  // namespace pw

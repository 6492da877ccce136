#pragma once
// TButtonControl: the base of the button classes.

#include "controls/WinControl.h"

namespace pw {

class TButtonControl : public TWinControl {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  using TWinControl::TWinControl;
};

}  // namespace pw

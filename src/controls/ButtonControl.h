#pragma once
// TButtonControl: the base of the button classes.

#include "controls/WinControl.h"

namespace pw {

class TButtonControl : public TWinControl {
 public:
  using TWinControl::TWinControl;
};

}  // namespace pw

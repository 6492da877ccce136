#pragma once
// TBitBtn: a push button with a caption and a glyph.

#include "controls/ButtonControl.h"

namespace pw {

class TButton : public TButtonControl {
 public:
  explicit TButton(TComponent* owner);
};

class TBitBtn : public TButton {
 public:
  using TButton::TButton;
};

}  // namespace pw

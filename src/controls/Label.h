#pragma once
// TLabel: a graphic control showing its caption.

#include "controls/Control.h"

namespace pw {

class TCustomLabel : public TGraphicControl {
 public:
  explicit TCustomLabel(TComponent* owner);
};

class TLabel : public TCustomLabel {
 public:
  using TCustomLabel::TCustomLabel;
};

}  // namespace pw

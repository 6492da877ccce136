#pragma once
// TImage: a graphic control showing a picture.

#include "controls/Control.h"

namespace pw {

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);
};

}  // namespace pw

#include "controls/Label.h"

namespace pw {

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 65, 17);
}

}  // namespace pw

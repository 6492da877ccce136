#include "controls/BitBtn.h"

namespace pw {

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

}  // namespace pw

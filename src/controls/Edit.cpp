#include "controls/Edit.h"

namespace pw {

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 25);
  SetTabStop(true);
}

// Without a native window the assignment itself announces the change.
void TCustomEdit::TextChanged() {
  Raise(OnChange, this);
}

}  // namespace pw

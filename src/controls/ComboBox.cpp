#include "controls/ComboBox.h"

namespace pw {

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 145, 25);
  SetTabStop(true);
}

void TComboBox::SetItems(const TStringList& items) {
  itemIndex_ = -1;
  items_ = items;
}

void TComboBox::SetItemIndex(int index) {
  if (index == itemIndex_) return;
  itemIndex_ = (index >= 0 && index < items_.Count()) ? index : -1;
  SetText(items_.Strings(itemIndex_));
}

}  // namespace pw

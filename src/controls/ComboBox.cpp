#include "controls/ComboBox.h"

#include <utility>

namespace pw {

namespace {
constexpr TPropInfo kComboBoxProperties[] = {
    IntegerProperty<&TComboBox::DropDownCount, &TComboBox::SetDropDownCount>("DropDownCount"),
    IntegerProperty<&TComboBox::ItemHeight, &TComboBox::SetItemHeight>("ItemHeight"),
    IntegerProperty<&TComboBox::ItemIndex, &TComboBox::SetItemIndex>("ItemIndex"),
    EnumProperty<&TComboBox::Style, &TComboBox::SetStyle>("Style", kComboBoxStyleType),
    StringProperty<&TComboBox::SetText>("Text"),
    EventProperty<&TComboBox::OnChange>("OnChange"),
    EventProperty<&TComboBox::OnSelect>("OnSelect"),
};
}  // namespace

const TClassInfo TComboBox::classInfo{
    "TComboBox", &TWinControl::classInfo, kComboBoxProperties, {}, {}, CreateComponent<TComboBox>};

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 145, 25);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

void TComboBox::SetItems(const TStringList& items) {
  itemIndex_ = -1;
  items_ = items;
}

void TComboBox::SetItemIndex(int index) {
  if (Loading()) {
    storedItemIndex_ = index;
    return;
  }
  if (index == itemIndex_) return;
  itemIndex_ = (index >= 0 && index < items_.Count()) ? index : -1;
  SetText(items_.Strings(itemIndex_));
}

}  // namespace pw

namespace pw {

void TComboBox::FinishLoading() {
  TWinControl::FinishLoading();
  if (storedItemIndex_) SetItemIndex(*std::exchange(storedItemIndex_, std::nullopt));
}

}  // namespace pw

#pragma once
// TComboBox: a drop-down list with an edit part. The program's assignments of items, index and
// text raise no event; the user's selections and typing raise OnChange.

#include "controls/StringList.h"
#include "controls/WinControl.h"

namespace pw {

class TComboBox : public TWinControl {
 public:
  explicit TComboBox(TComponent* owner);

  const TStringList& Items() const { return items_; }
  // Replaces the items with copies of `items`; the edit text stays as it was.
  void SetItems(const TStringList& items);

  // The selected item, -1 when none.
  int ItemIndex() const { return itemIndex_; }
  // Selects that item and shows its text in the edit part; an index outside the list leaves
  // nothing selected.
  void SetItemIndex(int index);

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;

 private:
  TStringList items_;
  int itemIndex_ = -1;
};

}  // namespace pw

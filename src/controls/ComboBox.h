#pragma once
// TComboBox: a drop-down list with an edit part. The program's assignments of items, index and
// text raise no event; the user's selections and typing raise OnChange.

#include <optional>

#include "controls/WinControl.h"
#include "forms/StringList.h"

namespace pw {

class TComboBox : public TWinControl {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  explicit TComboBox(TComponent* owner);

  const TStringList& Items() const { return items_; }
  // Replaces the items with copies of `items`; the edit text stays as it was.
  void SetItems(const TStringList& items);

  // The selected item, -1 when none.
  int ItemIndex() const { return itemIndex_; }
  // Selects that item and shows its text in the edit part; an index outside the list leaves
  // nothing selected.
  void SetItemIndex(int index);

  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int height) { itemHeight_ = height; }
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int count) { dropDownCount_ = count; }
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle style) { style_ = style; }

  // Applies an item index read from the stream.
  void FinishLoading() override;

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;

 private:
  TStringList items_;
  int itemIndex_ = -1;
  std::optional<int> storedItemIndex_;
  int itemHeight_ = 16;
  int dropDownCount_ = 8;
  TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
};

}  // namespace pw

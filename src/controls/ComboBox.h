#pragma once
// TComboBox: a drop-down list with an edit part. The program's assignments of items, index and
// text raise no event; the user's selections and typing raise OnChange (a selection its click
// and then OnSelect when assigned instead). Typed characters complete to the first item they
// begin.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "controls/WinControl.h"
#include "forms/StringList.h"

namespace pw {

class TComboBox;

// The items of a combo box: the native list itself.
class TComboBoxItems {
 public:
  explicit TComboBoxItems(TComboBox& combo) : combo_(combo) {}

  int Count() const;
  // The item at `index`; the empty string outside the list. Items hold at most 4095 characters.
  std::string Strings(int index) const;
  // Appends an item; raises EOutOfResources "Unable to insert a line" when the list refuses it.
  int Add(std::string_view item);
  // Empties the list; the edit part keeps its text.
  void Clear();
  // Replaces the items with copies of `source`, drawing once at the end.
  void Assign(const TStringList& source);

 private:
  TComboBox& combo_;
};

class TComboBox : public TWinControl {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  explicit TComboBox(TComponent* owner);
  ~TComboBox() override;

  TComboBoxItems& Items() { return items_; }
  const TComboBoxItems& Items() const { return items_; }
  void SetItems(const TStringList& items) { items_.Assign(items); }

  // The selected item, -1 when none. Setting it selects that item and shows its text in the
  // edit part (an index outside the list leaves nothing selected); no event. While the window is
  // read the value is kept and applied when reading ends.
  int ItemIndex() const;
  void SetItemIndex(int index);

  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int height) { itemHeight_ = height; }
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int count) { dropDownCount_ = count; }
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle style) { style_ = style; }
  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted) { sorted_ = sorted; }
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int maxLength);
  bool AutoComplete() const { return autoComplete_; }
  void SetAutoComplete(bool autoComplete) { autoComplete_ = autoComplete; }
  bool AutoDropDown() const { return autoDropDown_; }
  void SetAutoDropDown(bool autoDropDown) { autoDropDown_ = autoDropDown; }
  bool DroppedDown() const;
  // The edit part's focus is the combo box's.
  bool Focused() const override;

  // Applies an item index read from the stream.
  void FinishLoading() override;

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void InitializeHandle() override;
  win::LRESULT WndProc(unsigned message, win::WPARAM wParam, win::LPARAM lParam) override;

 private:
  friend class TComboBoxItems;
  // The edit part's messages before its own procedure: focus and typed characters.
  win::LRESULT EditPartProc(unsigned message, win::WPARAM wParam, win::LPARAM lParam);
  // Completes a typed character against the items; true when it consumed the key.
  bool AutoCompleteKey(char key);
  // A selection by the user: the text, the click, then OnSelect or OnChange.
  void Selected();
  void Changed();
  void RaiseSelect();

  TComboBoxItems items_{*this};
  std::optional<int> storedItemIndex_;
  int itemHeight_ = 16;
  int dropDownCount_ = 8;
  int maxLength_ = 0;
  TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
  bool sorted_ = false;
  bool autoComplete_ = true;
  bool autoDropDown_ = false;
  std::string filter_;
  std::uint32_t lastKeyTime_ = 0;
  win::HWND editPart_ = nullptr;
  win::WindowProc editPartProc_;
};

}  // namespace pw

#pragma once
// TEdit: a single-line edit box. Every change of its text raises OnChange once, inside the
// assignment that made it: the native box's change notification when it has a window, the
// text-changed step when it has none (a hidden edit box never gets one).

#include "controls/WinControl.h"

namespace pw {

class TCustomEdit : public TWinControl {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  explicit TCustomEdit(TComponent* owner);

  // Stops typing, not assignments.
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  // The most characters the user may type; 0: no limit.
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int maxLength);
  // Entering the box selects its text (unless the mouse button is down).
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool autoSelect) { autoSelect_ = autoSelect; }
  // The height follows the font: its text height plus the border.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  void SelectAll();

  void FinishLoading() override;

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void InitializeHandle() override;
  win::LRESULT WndProc(unsigned message, win::WPARAM wParam, win::LPARAM lParam) override;
  void TextChanged() override;
  void FontChanged() override;
  void DoEnter() override;

 private:
  void AdjustHeight();

  bool readOnly_ = false;
  int maxLength_ = 0;
  bool autoSelect_ = true;
  bool autoSize_ = true;
  bool creating_ = false;  // set while the native window is created
};

class TEdit : public TCustomEdit {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  using TCustomEdit::TCustomEdit;
};

}  // namespace pw

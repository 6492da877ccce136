#pragma once
// TEdit: a single-line edit box. Every change of its text raises OnChange once, inside the
// assignment that made it.

#include "controls/WinControl.h"

namespace pw {

class TCustomEdit : public TWinControl {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  explicit TCustomEdit(TComponent* owner);

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int maxLength) { maxLength_ = maxLength; }
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool autoSelect) { autoSelect_ = autoSelect; }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize) { autoSize_ = autoSize; }

  TNotifyEvent OnChange;

 protected:
  void TextChanged() override;

 private:
  bool readOnly_ = false;
  int maxLength_ = 0;
  bool autoSelect_ = true;
  bool autoSize_ = true;
};

class TEdit : public TCustomEdit {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  using TCustomEdit::TCustomEdit;
};

}  // namespace pw

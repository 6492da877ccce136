#pragma once
// TEdit: a single-line edit box. Every change of its text raises OnChange once, inside the
// assignment that made it.

#include "controls/WinControl.h"

namespace pw {

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

  TNotifyEvent OnChange;

 protected:
  void TextChanged() override;

 private:
  bool readOnly_ = false;
};

class TEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
};

}  // namespace pw

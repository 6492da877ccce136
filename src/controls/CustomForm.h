#pragma once
// TCustomForm: a top-level window that owns and contains its controls.

#include "controls/WinControl.h"

namespace pw {

class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* owner);
  // Frees the owned controls first, while the window is still whole.
  ~TCustomForm() override;

  TNotifyEvent OnCreate;
};

class TForm : public TCustomForm {
 public:
  using TCustomForm::TCustomForm;
};

}  // namespace pw

#include "controls/CustomForm.h"

namespace pw {

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
}

TCustomForm::~TCustomForm() {
  DestroyComponents();
}

}  // namespace pw

#include "controls/Screen.h"

#include <algorithm>

namespace pw {

void TScreen::RemoveForm(TCustomForm* form) {
  std::erase(forms_, form);
  if (focusedForm_ == form) focusedForm_ = nullptr;
}

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

}  // namespace pw

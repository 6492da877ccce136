#include "controls/Screen.h"
#include "platform/sys/ContextStore.h"

#include <algorithm>

namespace pw {

void TScreen::RemoveForm(TCustomForm* form) {
  std::erase(forms_, form);
  if (focusedForm_ == form) focusedForm_ = nullptr;
}

TScreen& Screen() {
  return sys::ContextLocal<TScreen>();
}

}  // namespace pw

#include "controls/ButtonControl.h"

namespace pw {

const TClassInfo TButtonControl::classInfo{"TButtonControl", &TWinControl::classInfo};

win::LRESULT TButtonControl::WndProc(unsigned message, win::WPARAM wParam, win::LPARAM lParam) {
  if ((message == win::WM_LBUTTONDOWN || message == win::WM_LBUTTONDBLCLK) && !Focused()) {
    clicksDisabled_ = true;
    try {
      win::SetFocus(Handle());
    } catch (...) {
      clicksDisabled_ = false;
      throw;
    }
    clicksDisabled_ = false;
    if (!Focused()) return 0;
  }
  return TWinControl::WndProc(message, wParam, lParam);
}

}  // namespace pw

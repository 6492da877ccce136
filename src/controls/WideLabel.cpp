#include "controls/WideLabel.h"

namespace pw {

void TWideLabel::SetCaption(std::u16string caption) {
  if (caption == wideCaption_) return;
  wideCaption_ = std::move(caption);
}

}  // namespace pw

#pragma once
// TWideLabel: a label whose caption is UTF-16 text, kept whatever the system code page.

#include <string>

#include "controls/Label.h"

namespace pw {

class TWideLabel : public TCustomLabel {
 public:
  using TCustomLabel::TCustomLabel;

  const std::u16string& Caption() const { return wideCaption_; }
  // Assigning the current caption does nothing.
  void SetCaption(std::u16string caption);

 private:
  std::u16string wideCaption_;
};

}  // namespace pw

#pragma once
// TWideLabel: a label whose caption is UTF-16 text, kept whatever the system code page.

#include <string>

#include "controls/Label.h"

namespace pw {

class TWideLabel : public TCustomLabel {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }
  using TCustomLabel::TCustomLabel;

  const std::u16string& Caption() const { return wideCaption_; }
  // Assigning the current caption does nothing; another one is kept and the label resized.
  void SetCaption(std::u16string caption);

  // The UTF-8 and UTF-7 copies of the caption that streams carry are read and dropped.
  void DeclareExtraProperties(TReader& reader) override;

 protected:
  std::u16string LabelText() const override { return wideCaption_; }

 private:
  std::u16string wideCaption_;
};

}  // namespace pw

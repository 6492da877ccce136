#pragma once
// TLabel: a graphic control showing its caption; with AutoSize it takes the size of its text.

#include <string>

#include "controls/Control.h"

namespace pw {

class TCustomLabel : public TGraphicControl {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  explicit TCustomLabel(TComponent* owner);

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent) { transparent_ = transparent; }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment) { alignment_ = alignment; }
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout layout) { layout_ = layout; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);

  void FinishLoading() override;

 protected:
  // The text the label shows and measures.
  virtual std::u16string LabelText() const;
  // With AutoSize, takes the measured size of the text (an empty text: one blank, one line),
  // keeping the left edge; waits while loading.
  void AdjustBounds();
  void TextChanged() override { AdjustBounds(); }
  void FontChanged() override { AdjustBounds(); }

 private:
  bool autoSize_ = true;
  bool transparent_ = false;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TTextLayout layout_ = TTextLayout::tlTop;
  bool wordWrap_ = false;
};

class TLabel : public TCustomLabel {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }
  using TCustomLabel::TCustomLabel;
};

}  // namespace pw

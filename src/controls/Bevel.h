#pragma once
// TBevel: a graphic control drawing a raised or lowered frame or line.

#include "controls/Control.h"

namespace pw {

class TBevel : public TGraphicControl {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  explicit TBevel(TComponent* owner);

  TBevelShape Shape() const { return shape_; }
  void SetShape(TBevelShape shape) { shape_ = shape; }
  TBevelStyle Style() const { return style_; }
  void SetStyle(TBevelStyle style) { style_ = style; }

 private:
  TBevelShape shape_ = TBevelShape::bsBox;
  TBevelStyle style_ = TBevelStyle::bsLowered;
};

}  // namespace pw

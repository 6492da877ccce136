#pragma once
// TBevel: a graphic control drawing a raised or lowered frame or line in the button shadow and
// highlight colours. It fills nothing and is not opaque.

#include "controls/Control.h"

namespace pw {

class TBevel : public TGraphicControl {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  explicit TBevel(TComponent* owner);

  // Each change repaints the bevel.
  TBevelShape Shape() const { return shape_; }
  void SetShape(TBevelShape shape);
  TBevelStyle Style() const { return style_; }
  void SetStyle(TBevelStyle style);

  void Paint(gfx::HDC dc) override;

 private:
  TBevelShape shape_ = TBevelShape::bsBox;
  TBevelStyle style_ = TBevelStyle::bsLowered;
};

}  // namespace pw

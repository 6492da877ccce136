#pragma once
// TImage: a graphic control showing a picture.

#include <memory>

#include "controls/Control.h"
#include "graphics/Picture.h"

namespace pw {

class TImage : public TGraphicControl {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  explicit TImage(TComponent* owner);

  TPicture* Picture() const { return picture_.get(); }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch) { stretch_ = stretch; }
  bool Center() const { return center_; }
  void SetCenter(bool center) { center_ = center; }
  bool Proportional() const { return proportional_; }
  void SetProportional(bool proportional) { proportional_ = proportional; }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent) { transparent_ = transparent; }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize) { autoSize_ = autoSize; }

 private:
  std::unique_ptr<TPicture> picture_ = std::make_unique<TPicture>();
  bool stretch_ = false;
  bool center_ = false;
  bool proportional_ = false;
  bool transparent_ = false;
  bool autoSize_ = false;
};

}  // namespace pw

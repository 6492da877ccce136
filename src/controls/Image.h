#pragma once
// TImage: a graphic control showing a picture at its natural size from the top-left corner, or
// stretched to the control (keeping its proportions when asked), or centred. A stretched picture
// that is not transparent covers the whole control, which then counts as opaque.

#include <memory>

#include "controls/Control.h"
#include "graphics/Picture.h"

namespace pw {

class TImage : public TGraphicControl {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  explicit TImage(TComponent* owner);
  ~TImage() override;

  TPicture* Picture() const { return picture_.get(); }

  // Each setter that changes a value runs PictureChanged.
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  bool Center() const { return center_; }
  void SetCenter(bool center);
  bool Proportional() const { return proportional_; }
  void SetProportional(bool proportional);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  // Kept for the stream; decoding progress does not redraw the control.
  bool IncrementalDisplay() const { return incrementalDisplay_; }
  void SetIncrementalDisplay(bool incremental) { incrementalDisplay_ = incremental; }

  // Where the picture goes, in client coordinates: its natural size, or the client area when
  // stretched (fitted inside it, keeping the aspect ratio, when proportional), moved to the
  // centre when centred.
  gfx::RECT DestRect() const;
  // True while the control paints.
  bool Drawing() const { return drawing_; }

  void Paint(gfx::HDC dc) override;

 protected:
  // After the picture or a setting changed: sizes the control to the picture when auto-sized,
  // hands the transparency to the graphic, decides whether the control is opaque, and repaints
  // (not while painting).
  virtual void PictureChanged();

 private:
  std::unique_ptr<TPicture> picture_;
  bool stretch_ = false;
  bool center_ = false;
  bool proportional_ = false;
  bool transparent_ = false;
  bool autoSize_ = false;
  bool incrementalDisplay_ = false;
  bool drawing_ = false;
};

}  // namespace pw

#include "controls/Image.h"

#include <cmath>

#include "graphics/StoredGraphic.h"

namespace pw {

namespace {
constexpr TPropInfo kImageProperties[] = {
    BoolProperty<&TImage::AutoSize, &TImage::SetAutoSize>("AutoSize"),
    BoolProperty<&TImage::Center, &TImage::SetCenter>("Center"),
    BoolProperty<&TImage::IncrementalDisplay, &TImage::SetIncrementalDisplay>("IncrementalDisplay"),
    ObjectProperty<&TImage::Picture>("Picture"),
    BoolProperty<&TImage::Proportional, &TImage::SetProportional>("Proportional"),
    BoolProperty<&TImage::Stretch, &TImage::SetStretch>("Stretch"),
    BoolProperty<&TImage::Transparent, &TImage::SetTransparent>("Transparent"),
};
}  // namespace

const TClassInfo TImage::classInfo{"TImage", &TGraphicControl::classInfo, kImageProperties, {},
                                   {},       CreateComponent<TImage>};

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TPicture>()) {
  picture_->OnChange = [this](TObject*) { PictureChanged(); };
  SetBounds(0, 0, 105, 105);
}

TImage::~TImage() {
  picture_->OnChange = nullptr;
}

void TImage::SetStretch(bool stretch) {
  if (stretch == stretch_) return;
  stretch_ = stretch;
  PictureChanged();
}

void TImage::SetCenter(bool center) {
  if (center == center_) return;
  center_ = center;
  PictureChanged();
}

void TImage::SetProportional(bool proportional) {
  if (proportional == proportional_) return;
  proportional_ = proportional;
  PictureChanged();
}

void TImage::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  PictureChanged();
}

void TImage::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  PictureChanged();
}

gfx::RECT TImage::DestRect() const {
  const int w = picture_->Width(), h = picture_->Height();
  const int cw = Width(), ch = Height();
  int width = w, height = h;
  if (stretch_ || (proportional_ && (w > cw || h > ch))) {
    if (proportional_ && w > 0 && h > 0) {
      const double ratio = static_cast<double>(w) / h;
      if (w > h) {
        width = cw;
        height = static_cast<int>(std::trunc(cw / ratio));
        if (height > ch) {
          height = ch;
          width = static_cast<int>(std::trunc(ch * ratio));
        }
      } else {
        height = ch;
        width = static_cast<int>(std::trunc(ch * ratio));
        if (width > cw) {
          width = cw;
          height = static_cast<int>(std::trunc(cw / ratio));
        }
      }
    } else {
      width = cw;
      height = ch;
    }
  }
  gfx::RECT rect{0, 0, width, height};
  if (center_) {
    const int dx = (cw - width) / 2, dy = (ch - height) / 2;  // truncated toward zero
    rect = {dx, dy, dx + width, dy + height};
  }
  return rect;
}

void TImage::Paint(gfx::HDC dc) {
  const bool wasDrawing = drawing_;
  drawing_ = true;
  try {
    if (TGraphic* graphic = picture_->Graphic()) graphic->Draw(dc, DestRect());
  } catch (...) {
    drawing_ = wasDrawing;
    throw;
  }
  drawing_ = wasDrawing;
}

void TImage::PictureChanged() {
  if (autoSize_ && picture_->Width() > 0 && picture_->Height() > 0) {
    SetBounds(Left(), Top(), picture_->Width(), picture_->Height());
  }
  bool opaque = false;
  if (TGraphic* graphic = picture_->Graphic()) {
    if (dynamic_cast<TStoredGraphic*>(graphic) == nullptr) {  // not a metafile or an icon
      graphic->SetTransparent(transparent_);
    }
    opaque = !graphic->Transparent() && stretch_ && !proportional_;
  }
  const TControlStyles opaqueBit = StyleBit(TControlStyle::csOpaque);
  SetControlStyle(opaque ? ControlStyle() | opaqueBit : ControlStyle() & ~opaqueBit);
  if (!drawing_) Invalidate();
}

}  // namespace pw

#include "controls/Bevel.h"

#include <array>

namespace pw {

namespace {
constexpr TPropInfo kBevelProperties[] = {
    EnumProperty<&TBevel::Shape, &TBevel::SetShape>("Shape", kBevelShapeType),
    EnumProperty<&TBevel::Style, &TBevel::SetStyle>("Style", kBevelStyleType),
};

// One-pixel lines in one colour; each line is drawn up to, not including, its last point.
class Pen {
 public:
  Pen(gfx::HDC dc, TColor color)
      : dc_(dc),
        pen_(gfx::CreatePen(gfx::PS_SOLID, 1, ColorToRGB(color))),
        previous_(gfx::SelectObject(dc, pen_)) {}
  ~Pen() {
    gfx::SelectObject(dc_, previous_);
    gfx::DeleteObject(pen_);
  }
  Pen(const Pen&) = delete;
  Pen& operator=(const Pen&) = delete;

  void Line(int x1, int y1, int x2, int y2) {
    gfx::MoveToEx(dc_, x1, y1, nullptr);
    gfx::LineTo(dc_, x2, y2);
  }
  void Polyline(std::array<gfx::POINT, 3> points) { gfx::Polyline(dc_, points); }

 private:
  gfx::HDC dc_;
  gfx::HPEN pen_;
  gfx::HGDIOBJ previous_;
};

// The rectangle as two polylines: `first` along the left and top edges, `second` along the right
// and bottom ones.
void BevelRect(gfx::HDC dc, const gfx::RECT& r, TColor first, TColor second) {
  Pen(dc, first).Polyline({{{r.left, r.bottom}, {r.left, r.top}, {r.right, r.top}}});
  Pen(dc, second).Polyline({{{r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}}});
}
}  // namespace

const TClassInfo TBevel::classInfo{"TBevel", &TGraphicControl::classInfo, kBevelProperties, {},
                                   {},       CreateComponent<TBevel>};

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape shape) {
  if (shape == shape_) return;
  shape_ = shape;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle style) {
  if (style == style_) return;
  style_ = style;
  Invalidate();
}

void TBevel::Paint(gfx::HDC dc) {
  const bool lowered = style_ == TBevelStyle::bsLowered;
  const TColor color1 = lowered ? clBtnShadow : clBtnHighlight;
  const TColor color2 = lowered ? clBtnHighlight : clBtnShadow;
  const int w = Width();
  const int h = Height();
  switch (shape_) {
    case TBevelShape::bsBox:
      BevelRect(dc, {0, 0, w - 1, h - 1}, color1, color2);
      break;
    case TBevelShape::bsFrame:
      BevelRect(dc, {1, 1, w - 1, h - 1}, color2, color2);
      BevelRect(dc, {0, 0, w - 2, h - 2}, color1, color1);
      break;
    case TBevelShape::bsTopLine:
      Pen(dc, color1).Line(0, 0, w, 0);
      Pen(dc, color2).Line(0, 1, w, 1);
      break;
    case TBevelShape::bsBottomLine:
      Pen(dc, color1).Line(0, h - 2, w, h - 2);
      Pen(dc, color2).Line(0, h - 1, w, h - 1);
      break;
    case TBevelShape::bsLeftLine:
      Pen(dc, color1).Line(0, 0, 0, h);
      Pen(dc, color2).Line(1, 0, 1, h);
      break;
    case TBevelShape::bsRightLine:
      Pen(dc, color1).Line(w - 2, 0, w - 2, h);
      Pen(dc, color2).Line(w - 1, 0, w - 1, h);
      break;
    case TBevelShape::bsSpacer:
      break;
  }
}

}  // namespace pw

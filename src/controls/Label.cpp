#include "controls/Label.h"

#include "platform/gfx/Text.h"

namespace pw {

namespace {
constexpr TPropInfo kLabelProperties[] = {
    EnumProperty<&TCustomLabel::Alignment, &TCustomLabel::SetAlignment>("Alignment",
                                                                        kAlignmentType),
    BoolProperty<&TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize>("AutoSize"),
    StringProperty<&TCustomLabel::SetCaption>("Caption"),
    EnumProperty<&TCustomLabel::Layout, &TCustomLabel::SetLayout>("Layout", kTextLayoutType),
    BoolProperty<&TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar>("ShowAccelChar"),
    BoolProperty<&TCustomLabel::Transparent, &TCustomLabel::SetTransparent>("Transparent"),
    BoolProperty<&TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap>("WordWrap"),
};

constexpr unsigned kAlignmentFlags[] = {gfx::DT_LEFT, gfx::DT_RIGHT, gfx::DT_CENTER};

unsigned WordWrapFlag(bool wordWrap) {
  return wordWrap ? gfx::DT_WORDBREAK : 0u;
}
}  // namespace

const TClassInfo TCustomLabel::classInfo{"TCustomLabel", &TGraphicControl::classInfo,
                                         kLabelProperties};
const TClassInfo TLabel::classInfo{"TLabel", &TCustomLabel::classInfo, {}, {},
                                   {},       CreateComponent<TLabel>};

void SelectLabelFont(gfx::HDC dc, const TFont& font, TColor color) {
  gfx::SelectObject(dc, font.Handle());
  gfx::SetTextColor(dc, ColorToRGB(color));
}

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(ControlStyle() | StyleBit(TControlStyle::csOpaque));
  SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  Invalidate();
  AdjustBounds();
}

void TCustomLabel::SetTransparent(bool transparent) {
  if (transparent == Transparent()) return;
  const TControlStyles opaque = StyleBit(TControlStyle::csOpaque);
  SetControlStyle(transparent ? ControlStyle() & ~opaque : ControlStyle() | opaque);
  Invalidate();
}

void TCustomLabel::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool wordWrap) {
  if (wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  Invalidate();
  AdjustBounds();
}

void TCustomLabel::SetShowAccelChar(bool showAccelChar) {
  if (showAccelChar == showAccelChar_) return;
  showAccelChar_ = showAccelChar;
  Invalidate();
}

void TCustomLabel::TextChanged() {
  Invalidate();
  AdjustBounds();
}

void TCustomLabel::FontChanged() {
  Invalidate();
  AdjustBounds();
}

void TCustomLabel::FinishLoading() {
  TGraphicControl::FinishLoading();
  AdjustBounds();
}

void TCustomLabel::DoDrawText(gfx::HDC dc, gfx::RECT& rect, unsigned flags) {
  DrawLabelText(dc, Caption(), rect, flags,
                [](gfx::HDC target, const std::string& text, gfx::RECT& r, unsigned f) {
                  gfx::DrawTextA(target, text, r, f);
                });
}

void TCustomLabel::Paint(gfx::HDC dc) {
  gfx::RECT rect = ClientRect();
  if (!Transparent()) gfx::FillRect(dc, rect, ColorBrush(Color()));
  gfx::SetBkMode(dc, gfx::TRANSPARENT);
  const unsigned flags =
      gfx::DT_EXPANDTABS | WordWrapFlag(wordWrap_) | kAlignmentFlags[static_cast<int>(alignment_)];
  if (layout_ != TTextLayout::tlTop) {
    gfx::RECT measured = rect;
    DoDrawText(dc, measured, flags | gfx::DT_CALCRECT);
    const int room = Height() - measured.bottom;
    rect.top += layout_ == TTextLayout::tlBottom ? room : room / 2;
    rect.bottom += layout_ == TTextLayout::tlBottom ? room : room / 2;
  }
  DoDrawText(dc, rect, flags);
}

void TCustomLabel::AdjustBounds() {
  if (!autoSize_ || Reading() || Loading()) return;
  gfx::RECT rect = ClientRect();
  gfx::HDC dc = win::GetDC(nullptr);
  DoDrawText(dc, rect, gfx::DT_EXPANDTABS | gfx::DT_CALCRECT | WordWrapFlag(wordWrap_));
  win::ReleaseDC(nullptr, dc);
  TAlignment alignment = alignment_;
  if (UseRightToLeftAlignment()) {
    if (alignment == TAlignment::taLeftJustify) {
      alignment = TAlignment::taRightJustify;
    } else if (alignment == TAlignment::taRightJustify) {
      alignment = TAlignment::taLeftJustify;
    }
  }
  int left = Left();
  if (alignment == TAlignment::taRightJustify) left += Width() - rect.right;
  SetBounds(left, Top(), rect.right, rect.bottom);
}

}  // namespace pw

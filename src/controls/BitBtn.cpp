#include "controls/BitBtn.h"

#include "controls/ControlMessages.h"
#include "controls/CustomForm.h"
#include "platform/gfx/Text.h"

namespace pw {

namespace {
constexpr TPropInfo kButtonProperties[] = {
    BoolProperty<&TButton::Cancel, &TButton::SetCancel>("Cancel"),
    StringProperty<&TButton::SetCaption>("Caption"),
    BoolProperty<&TButton::Default, &TButton::SetDefault>("Default"),
    IntegerProperty<&TButton::ModalResult, &TButton::SetModalResult>("ModalResult"),
};
constexpr TPropInfo kBitBtnProperties[] = {
    ObjectProperty<&TBitBtn::Glyph>("Glyph"),
    EnumProperty<&TBitBtn::Kind, &TBitBtn::SetKind>("Kind", kBitBtnKindType),
    EnumProperty<&TBitBtn::Layout, &TBitBtn::SetLayout>("Layout", kButtonLayoutType),
    IntegerProperty<&TBitBtn::Margin, &TBitBtn::SetMargin>("Margin"),
    IntegerProperty<&TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs>("NumGlyphs"),
    IntegerProperty<&TBitBtn::Spacing, &TBitBtn::SetSpacing>("Spacing"),
};
}  // namespace

const TClassInfo TButton::classInfo{"TButton", &TButtonControl::classInfo, kButtonProperties, {},
                                    {},        CreateComponent<TButton>};
const TClassInfo TBitBtn::classInfo{"TBitBtn", &TButton::classInfo,     kBitBtnProperties, {},
                                    {},        CreateComponent<TBitBtn>};

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
  SetBounds(0, 0, 75, 25);
  // A quick second press is another press, not a double click.
  SetControlStyle(StyleBit(TControlStyle::csSetCaption));
  SetTabStop(true);
}

}  // namespace pw

namespace pw {

void TButton::Click() {
  if (TCustomForm* form = ParentForm()) form->SetModalResult(modalResult_);
  TButtonControl::Click();
}

void TButton::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.className = "BUTTON";
  params.style |= default_ ? win::BS_DEFPUSHBUTTON : win::BS_PUSHBUTTON;
}

win::LRESULT TButton::WndProc(unsigned message, win::WPARAM wParam, win::LPARAM lParam) {
  switch (message) {
    case CN_COMMAND:
      if (win::HIWORD(wParam) == win::BN_CLICKED && !ClicksDisabled()) Click();
      return 0;
    case CN_DRAWITEM:
      DrawItem(*reinterpret_cast<const win::DRAWITEMSTRUCT*>(lParam));
      return 1;
    case CM_FOCUSCHANGED: {
      auto* focused = reinterpret_cast<TWinControl*>(lParam);
      const bool active =
          focused == this || (default_ && dynamic_cast<TButtonControl*>(focused) == nullptr);
      if (active != active_) {
        active_ = active;
        Invalidate();
      }
      return 0;
    }
    case CM_DIALOGKEY:
      if (((wParam == win::VK_RETURN && active_) || (wParam == win::VK_ESCAPE && cancel_)) &&
          CanFocus()) {
        Click();
        return 1;
      }
      return 0;
    default:
      return TButtonControl::WndProc(message, wParam, lParam);
  }
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), glyph_(std::make_unique<TButtonGlyph>()) {
  Glyph()->OnChange = [this](TObject*) { GlyphChanged(); };
}

TBitBtn::~TBitBtn() = default;

void TBitBtn::GlyphChanged() {
  glyph_->GlyphChanged();
  Invalidate();
}

void TBitBtn::SetGlyph(const TBitmap& glyph) {
  Glyph()->Assign(glyph);
  const int width = glyph.Width();
  const int height = glyph.Height();
  if (height > 0 && width % height == 0) SetNumGlyphs(width / height <= 4 ? width / height : 1);
}

void TBitBtn::SetLayout(TButtonLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  Invalidate();
}

void TBitBtn::SetSpacing(int spacing) {
  if (spacing == spacing_) return;
  spacing_ = spacing;
  Invalidate();
}

void TBitBtn::SetMargin(int margin) {
  if (margin == margin_ || margin < -1) return;
  margin_ = margin;
  Invalidate();
}

void TBitBtn::SetNumGlyphs(int count) {
  if (count > 4) count = 4;
  if (count <= 0 || count == glyph_->NumGlyphs()) return;
  glyph_->SetNumGlyphs(count);
  Invalidate();
}

void TBitBtn::Click() {
  if (kind_ == TBitBtnKind::bkClose) {
    if (TCustomForm* form = ParentForm()) form->RequestClose();
    return;
  }
  TButton::Click();
}

void TBitBtn::CreateParams(TCreateParams& params) {
  TButton::CreateParams(params);
  params.style = (params.style & ~0xFu) | win::BS_OWNERDRAW;
}

namespace {

// A one-pixel outline of `r` in `line`, filled with `fill` (none when null).
void Outline(gfx::HDC dc, const gfx::RECT& r, TColor line, gfx::HBRUSH fill) {
  gfx::HPEN pen = gfx::CreatePen(gfx::PS_SOLID, 1, ColorToRGB(line));
  gfx::HGDIOBJ oldPen = gfx::SelectObject(dc, pen);
  gfx::HGDIOBJ oldBrush = gfx::SelectObject(dc, fill ? fill : gfx::GetStockBrush(gfx::NULL_BRUSH));
  gfx::Rectangle(dc, r.left, r.top, r.right, r.bottom);
  gfx::SelectObject(dc, oldBrush);
  gfx::SelectObject(dc, oldPen);
  gfx::DeleteObject(pen);
}

}  // namespace

void TBitBtn::DrawItem(const win::DRAWITEMSTRUCT& item) {
  gfx::HDC dc = item.hDC;
  const gfx::RECT client = item.rcItem;
  gfx::RECT r = client;
  const bool down = (item.itemState & win::ODS_SELECTED) != 0;
  const bool shownDefault = (item.itemState & win::ODS_FOCUS) != 0;
  const TButtonState state = !Enabled() ? TButtonState::bsDisabled
                             : down     ? TButtonState::bsDown
                                        : TButtonState::bsUp;
  const bool active = Active();

  if (active || shownDefault) {
    Outline(dc, r, clWindowFrame, nullptr);
    r = r.Inflate(-1, -1);
  }
  if (down) {
    Outline(dc, r, clBtnShadow, ColorBrush(clBtnFace));
    r = r.Inflate(-1, -1);
  } else {
    unsigned flags = gfx::DFCS_BUTTONPUSH | gfx::DFCS_ADJUSTRECT;
    if (item.itemState & win::ODS_DISABLED) flags |= gfx::DFCS_INACTIVE;
    gfx::DrawFrameControl(dc, r, gfx::DFC_BUTTON, flags);
  }
  if (active) r = client.Inflate(-1, -1);

  gfx::HGDIOBJ oldFont = gfx::SelectObject(dc, Font()->Handle());
  if (down) r = r.Offset(1, 1);
  TButtonLayout layout = layout_;
  if (UseRightToLeftAlignment()) {
    if (layout == TButtonLayout::blGlyphLeft) {
      layout = TButtonLayout::blGlyphRight;
    } else if (layout == TButtonLayout::blGlyphRight) {
      layout = TButtonLayout::blGlyphLeft;
    }
  }
  const unsigned textFlags = UseRightToLeftReading() ? gfx::DT_RTLREADING : 0u;
  glyph_->Draw(dc, r, Caption(), layout, margin_, spacing_, state, ColorToRGB(Font()->Color()),
               textFlags);
  gfx::SelectObject(dc, oldFont);

  if (active && shownDefault) gfx::DrawFocusRect(dc, client.Inflate(-4, -4));
}

}  // namespace pw

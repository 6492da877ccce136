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

void TBitBtn::CreateParams(TCreateParams& params) {
  TButton::CreateParams(params);
  params.style = (params.style & ~0xFu) | win::BS_OWNERDRAW;
}

void TBitBtn::DrawItem(const win::DRAWITEMSTRUCT& item) {
  gfx::HDC dc = item.hDC;
  gfx::RECT rect = item.rcItem;
  const bool pressed = (item.itemState & win::ODS_SELECTED) != 0;
  gfx::DrawFrameControl(dc, rect, gfx::DFC_BUTTON,
                        gfx::DFCS_BUTTONPUSH | (pressed ? gfx::DFCS_PUSHED : 0u));
  gfx::SelectObject(dc, Font()->Handle());
  gfx::SetBkMode(dc, gfx::TRANSPARENT);
  gfx::SetTextColor(dc, ColorToRGB(Font()->Color()));
  gfx::RECT text = rect;
  if (pressed) {
    text.left += 1;
    text.top += 1;
    text.right += 1;
    text.bottom += 1;
  }
  gfx::DrawTextA(dc, Caption(), text, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
  if (item.itemState & win::ODS_FOCUS) {
    const gfx::RECT focus{rect.left + 4, rect.top + 4, rect.right - 4, rect.bottom - 4};
    gfx::DrawFocusRect(dc, focus);
  }
}

}  // namespace pw

#include "controls/Edit.h"

#include "controls/ControlMessages.h"
#include "platform/gfx/Text.h"

namespace pw {

namespace {
constexpr TPropInfo kEditProperties[] = {
    BoolProperty<&TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect>("AutoSelect"),
    BoolProperty<&TCustomEdit::AutoSize, &TCustomEdit::SetAutoSize>("AutoSize"),
    IntegerProperty<&TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength>("MaxLength"),
    BoolProperty<&TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly>("ReadOnly"),
    StringProperty<&TCustomEdit::SetText>("Text"),
    EventProperty<&TCustomEdit::OnChange>("OnChange"),
};
// The border a three-dimensional single-line box adds to its text height.
constexpr int kBorderHeight = 8;
}  // namespace

const TClassInfo TCustomEdit::classInfo{"TCustomEdit", &TWinControl::classInfo, kEditProperties};
const TClassInfo TEdit::classInfo{"TEdit", &TCustomEdit::classInfo, {}, {},
                                  {},      CreateComponent<TEdit>};

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 25);
  SetControlStyle(ControlStyle() | StyleBit(TControlStyle::csFixedHeight));
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.className = "EDIT";
  params.style |= win::ES_AUTOHSCROLL | win::ES_AUTOVSCROLL;
  params.exStyle |= win::WS_EX_CLIENTEDGE;
  if (readOnly_) params.style |= win::ES_READONLY;
}

void TCustomEdit::CreateWnd() {
  creating_ = true;
  try {
    TWinControl::CreateWnd();
  } catch (...) {
    creating_ = false;
    throw;
  }
  creating_ = false;
}

void TCustomEdit::InitializeHandle() {
  TWinControl::InitializeHandle();
  win::SendMessage(Handle(), win::EM_LIMITTEXT, static_cast<win::WPARAM>(maxLength_), 0);
  AdjustHeight();
}

void TCustomEdit::SetReadOnly(bool readOnly) {
  if (readOnly == readOnly_) return;
  readOnly_ = readOnly;
  if (HandleAllocated()) win::SendMessage(Handle(), win::EM_SETREADONLY, readOnly ? 1 : 0, 0);
}

void TCustomEdit::SetMaxLength(int maxLength) {
  if (maxLength == maxLength_) return;
  maxLength_ = maxLength;
  if (HandleAllocated()) {
    win::SendMessage(Handle(), win::EM_LIMITTEXT, static_cast<win::WPARAM>(maxLength), 0);
  }
}

void TCustomEdit::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  AdjustHeight();
}

void TCustomEdit::AdjustHeight() {
  if (!autoSize_ || Loading()) return;
  SetHeight(gfx::GetFontMetrics(Font()->LogFont()).height + kBorderHeight);
}

void TCustomEdit::FinishLoading() {
  TWinControl::FinishLoading();
  AdjustHeight();
}

void TCustomEdit::FontChanged() {
  TWinControl::FontChanged();
  AdjustHeight();
}

void TCustomEdit::SelectAll() {
  if (HandleAllocated()) win::SendMessage(Handle(), win::EM_SETSEL, 0, -1);
}

void TCustomEdit::DoEnter() {
  if (autoSelect_ && win::GetKeyState(win::VK_LBUTTON) >= 0) SelectAll();
  TWinControl::DoEnter();
}

win::LRESULT TCustomEdit::WndProc(unsigned message, win::WPARAM wParam, win::LPARAM lParam) {
  if (message == CN_COMMAND) {
    if (win::HIWORD(wParam) == win::EN_CHANGE && !creating_) Raise(OnChange, this);
    return 0;
  }
  return TWinControl::WndProc(message, wParam, lParam);
}

// A box with a window heard of the change from the window already.
void TCustomEdit::TextChanged() {
  if (!HandleAllocated()) Raise(OnChange, this);
}

}  // namespace pw

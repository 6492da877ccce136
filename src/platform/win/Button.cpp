// The native "BUTTON" class: push buttons (plain and default), owner-drawn buttons, which ask
// their parent to draw them with WM_DRAWITEM, and radio buttons (plain and automatic). A press
// takes the focus, tracks the mouse while the button is held, and a release inside the button
// tells the parent BN_CLICKED; the space bar clicks as well. Radio and owner-drawn buttons report
// a double click with BN_DOUBLECLICKED.

#include <algorithm>
#include <string>

#include "platform/gfx/Gdi.h"
#include "platform/gfx/Text.h"
#include "platform/win/Messages.h"
#include "platform/win/NativeClasses.h"
#include "platform/win/NativeSupport.h"
#include "platform/win/Window.h"

namespace pw::win::native {
namespace {

constexpr unsigned kTypeMask = 0x0F;
constexpr unsigned DLGC_DEFPUSHBUTTON = 0x0010;
constexpr unsigned DLGC_UNDEFPUSHBUTTON = 0x0020;
constexpr unsigned DLGC_RADIOBUTTON = 0x0040;
constexpr int kRadioSize = 13;

unsigned Type(HWND window) {
  return static_cast<unsigned>(GetWindowLong(window, GWL_STYLE)) & kTypeMask;
}
bool IsRadio(HWND window) {
  const unsigned type = Type(window);
  return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}
bool IsOwnerDrawn(HWND window) {
  return Type(window) == BS_OWNERDRAW;
}

void DrawCaption(HDC dc, const std::string& text, RECT rect, unsigned format, bool enabled) {
  gfx::SetBkMode(dc, gfx::TRANSPARENT);
  if (!enabled) {
    RECT shifted = rect.Offset(1, 1);
    gfx::SetTextColor(dc, gfx::GetSysColor(gfx::COLOR_BTNHIGHLIGHT));
    gfx::DrawTextA(dc, text, shifted, format);
    gfx::SetTextColor(dc, gfx::GetSysColor(gfx::COLOR_BTNSHADOW));
  } else {
    gfx::SetTextColor(dc, gfx::GetSysColor(gfx::COLOR_BTNTEXT));
  }
  gfx::DrawTextA(dc, text, rect, format);
}

// A button window: its state and one handler per message.
class Button final : public NativeWindow {
 public:
  using NativeWindow::NativeWindow;
  static MessageMap<Button> Messages();

 private:
  LRESULT OnGetDlgCode(WPARAM, LPARAM);
  LRESULT OnLButtonDblClk(WPARAM wParam, LPARAM lParam);
  LRESULT OnLButtonDown(WPARAM, LPARAM);
  LRESULT OnMouseMove(WPARAM, LPARAM lParam);
  LRESULT OnLButtonUp(WPARAM, LPARAM lParam);
  LRESULT OnCaptureChanged(WPARAM, LPARAM);
  LRESULT OnKeyDown(WPARAM key, LPARAM);
  LRESULT OnKeyUp(WPARAM key, LPARAM);
  LRESULT OnSetFocus(WPARAM, LPARAM);
  LRESULT OnKillFocus(WPARAM, LPARAM);
  LRESULT OnEnable(WPARAM, LPARAM);
  LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
  LRESULT OnGetCheck(WPARAM, LPARAM) { return check_; }
  LRESULT OnSetCheck(WPARAM check, LPARAM);
  LRESULT OnGetState(WPARAM, LPARAM);
  LRESULT OnSetState(WPARAM pushed, LPARAM);
  LRESULT OnClick(WPARAM, LPARAM);
  LRESULT OnEraseBackground(WPARAM, LPARAM) { return 1; }  // the paint covers the whole button
  LRESULT OnPaint(WPARAM, LPARAM);

  void Redraw() { InvalidateRect(window(), nullptr, true); }
  void SetPushed(bool pushed);
  void SetCheck(unsigned check);
  void CheckAutomatically();
  void Click();
  void EndTracking();
  gfx::HFONT Font() const { return font_ ? font_ : DefaultControlFont(); }
  void PaintOwnerDrawn(HDC dc, const RECT& client);
  void PaintPush(HDC dc, const RECT& client);
  void PaintRadio(HDC dc, const RECT& client);
  void PaintRadioFocus(HDC dc, const RECT& client, const RECT& textRect, const std::string& text,
                       unsigned format, bool leftText);

  unsigned check_ = BST_UNCHECKED;
  bool pushed_ = false;    // drawn pressed
  bool tracking_ = false;  // the left button went down on it and is held
  bool spaceDown_ = false;
  bool focused_ = false;
  gfx::HFONT font_ = nullptr;
};

MessageMap<Button> Button::Messages() {
  static constexpr MessageHandler<Button> kMap[] = {
      {WM_GETDLGCODE, &Button::OnGetDlgCode},
      {WM_LBUTTONDBLCLK, &Button::OnLButtonDblClk},
      {WM_LBUTTONDOWN, &Button::OnLButtonDown},
      {WM_MOUSEMOVE, &Button::OnMouseMove},
      {WM_LBUTTONUP, &Button::OnLButtonUp},
      {WM_CAPTURECHANGED, &Button::OnCaptureChanged},
      {WM_KEYDOWN, &Button::OnKeyDown},
      {WM_KEYUP, &Button::OnKeyUp},
      {WM_SETFOCUS, &Button::OnSetFocus},
      {WM_KILLFOCUS, &Button::OnKillFocus},
      {WM_ENABLE, &Button::OnEnable},
      {WM_SETTEXT, &Button::OnSetText},
      {WM_SETFONT, &Button::OnSetFont},
      {BM_GETCHECK, &Button::OnGetCheck},
      {BM_SETCHECK, &Button::OnSetCheck},
      {BM_GETSTATE, &Button::OnGetState},
      {BM_SETSTATE, &Button::OnSetState},
      {BM_CLICK, &Button::OnClick},
      {WM_ERASEBKGND, &Button::OnEraseBackground},
      {WM_PAINT, &Button::OnPaint},
  };
  return kMap;
}

// ---- State changes

void Button::SetPushed(bool pushed) {
  if (pushed_ == pushed) return;
  pushed_ = pushed;
  Redraw();
}

void Button::SetCheck(unsigned check) {
  if (check_ == check) return;
  check_ = check;
  Redraw();
}

// An automatic radio button checks itself and unchecks the automatic radio buttons beside it.
void Button::CheckAutomatically() {
  if (Type(window()) != BS_AUTORADIOBUTTON) return;
  if (HWND parent = GetParent(window())) {
    for (HWND sibling = GetWindow(window(), GW_HWNDFIRST); sibling;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
      if (sibling == window() || GetParent(sibling) != parent) continue;
      if (GetClassName(sibling) != "BUTTON" || Type(sibling) != BS_AUTORADIOBUTTON) continue;
      SendMessage(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
  SetCheck(BST_CHECKED);
}

void Button::Click() {
  CheckAutomatically();
  Notify(window(), BN_CLICKED);
}

void Button::EndTracking() {
  tracking_ = false;
  if (GetCapture() == window()) ReleaseCapture();
}

// ---- Mouse and keyboard

LRESULT Button::OnGetDlgCode(WPARAM, LPARAM) {
  if (IsRadio(window())) return DLGC_BUTTON | DLGC_RADIOBUTTON;
  if (IsOwnerDrawn(window())) return DLGC_BUTTON;
  return DLGC_BUTTON |
         (Type(window()) == BS_DEFPUSHBUTTON ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

LRESULT Button::OnLButtonDblClk(WPARAM wParam, LPARAM lParam) {
  if (IsRadio(window()) || IsOwnerDrawn(window())) {
    Notify(window(), BN_DOUBLECLICKED);
    return 0;
  }
  return OnLButtonDown(wParam, lParam);  // a push button takes a double click as another press
}

LRESULT Button::OnLButtonDown(WPARAM, LPARAM) {
  if (GetFocus() != window()) SetFocus(window());
  if (!IsWindow(window())) return 0;
  tracking_ = true;
  SetCapture(window());
  SetPushed(true);
  return 0;
}

LRESULT Button::OnMouseMove(WPARAM, LPARAM lParam) {
  if (tracking_) {
    RECT client;
    GetClientRect(window(), client);
    SetPushed(client.Contains(MousePoint(lParam)));
  }
  return 0;
}

LRESULT Button::OnLButtonUp(WPARAM, LPARAM lParam) {
  if (!tracking_) return 0;
  RECT client;
  GetClientRect(window(), client);
  const bool inside = client.Contains(MousePoint(lParam));
  EndTracking();
  SetPushed(false);
  if (inside) Click();
  return 0;
}

LRESULT Button::OnCaptureChanged(WPARAM, LPARAM) {
  if (tracking_) {
    tracking_ = false;
    SetPushed(false);
  }
  return 0;
}

LRESULT Button::OnKeyDown(WPARAM key, LPARAM) {
  if (key == VK_SPACE && !tracking_) {
    spaceDown_ = true;
    SetPushed(true);
  }
  return 0;
}

LRESULT Button::OnKeyUp(WPARAM key, LPARAM) {
  if (key == VK_SPACE && spaceDown_) {
    spaceDown_ = false;
    SetPushed(false);
    Click();
  }
  return 0;
}

// ---- Focus, enabling, text and font

LRESULT Button::OnSetFocus(WPARAM, LPARAM) {
  focused_ = true;
  Redraw();
  // A radio button reached by the keyboard checks itself: it tells the parent it was clicked,
  // unless the mouse is what is pressing it.
  if (IsRadio(window()) && check_ != BST_CHECKED && !tracking_ && !KeyDown(VK_LBUTTON)) Click();
  return 0;
}

LRESULT Button::OnKillFocus(WPARAM, LPARAM) {
  focused_ = false;
  spaceDown_ = false;
  if (tracking_) EndTracking();
  pushed_ = false;
  Redraw();
  return 0;
}

LRESULT Button::OnEnable(WPARAM, LPARAM) {
  Redraw();
  return 0;
}

LRESULT Button::OnSetText(WPARAM wParam, LPARAM lParam) {
  const LRESULT result = Default(WM_SETTEXT, wParam, lParam);
  Redraw();
  return result;
}

LRESULT Button::OnSetFont(WPARAM wParam, LPARAM lParam) {
  font_ = FontArgument(wParam);
  if (lParam) Redraw();
  return 0;
}

// ---- Button messages

LRESULT Button::OnSetCheck(WPARAM check, LPARAM) {
  SetCheck(check == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED);
  return 0;
}

LRESULT Button::OnGetState(WPARAM, LPARAM) {
  return check_ | (pushed_ ? BST_PUSHED : 0) | (focused_ ? BST_FOCUS : 0);
}

LRESULT Button::OnSetState(WPARAM pushed, LPARAM) {
  SetPushed(pushed != 0);
  return 0;
}

LRESULT Button::OnClick(WPARAM, LPARAM) {
  Click();
  return 0;
}

// ---- Painting

void Button::PaintOwnerDrawn(HDC dc, const RECT& client) {
  DRAWITEMSTRUCT item;
  item.CtlType = ODT_BUTTON;
  item.CtlID = static_cast<unsigned>(GetWindowLong(window(), GWL_ID));
  item.itemAction = ODA_DRAWENTIRE;
  if (pushed_) item.itemState |= ODS_SELECTED;
  if (focused_) item.itemState |= ODS_FOCUS;
  if (!IsWindowEnabled(window())) item.itemState |= ODS_DISABLED;
  item.hwndItem = window();
  item.hDC = dc;
  item.rcItem = client;
  if (HWND parent = GetParent(window())) {
    SendMessage(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
  }
}

void Button::PaintPush(HDC dc, const RECT& client) {
  const bool enabled = IsWindowEnabled(window());
  RECT rect = client;
  const bool isDefault = Type(window()) == BS_DEFPUSHBUTTON || focused_;
  if (isDefault) {
    gfx::FrameRect(dc, rect, gfx::GetSysColorBrush(gfx::COLOR_WINDOWFRAME));
    rect = rect.Inflate(-1, -1);
  }
  if (pushed_) {
    gfx::FillRect(dc, rect, gfx::GetSysColorBrush(gfx::COLOR_BTNFACE));
    gfx::FrameRect(dc, rect, gfx::GetSysColorBrush(gfx::COLOR_BTNSHADOW));
    rect = RECT{rect.left + 2, rect.top + 2, rect.right, rect.bottom};
  } else {
    unsigned flags = gfx::DFCS_BUTTONPUSH | gfx::DFCS_ADJUSTRECT;
    if (!enabled) flags |= gfx::DFCS_INACTIVE;
    gfx::DrawFrameControl(dc, rect, gfx::DFC_BUTTON, flags);
  }
  gfx::SelectObject(dc, Font());
  DrawCaption(dc, GetWindowText(window()), rect,
              gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE, enabled);
  if (focused_) {
    RECT focus = client.Inflate(-4, -4);
    gfx::DrawFocusRect(dc, focus);
  }
}

void Button::PaintRadio(HDC dc, const RECT& client) {
  const bool enabled = IsWindowEnabled(window());
  gfx::SetBkColor(dc, gfx::GetSysColor(gfx::COLOR_BTNFACE));
  gfx::FillRect(
      dc, client,
      ParentColorBrush(window(), WM_CTLCOLORSTATIC, dc, gfx::GetSysColorBrush(gfx::COLOR_BTNFACE)));
  const bool leftText = (GetWindowLong(window(), GWL_STYLE) & BS_LEFTTEXT) != 0;
  const int top = client.top + (client.Height() - kRadioSize) / 2;
  RECT circle = leftText ? RECT{client.right - kRadioSize, top, client.right, top + kRadioSize}
                         : RECT{client.left, top, client.left + kRadioSize, top + kRadioSize};
  unsigned flags = gfx::DFCS_BUTTONRADIO;
  if (check_ == BST_CHECKED) flags |= gfx::DFCS_CHECKED;
  if (pushed_) flags |= gfx::DFCS_PUSHED;
  if (!enabled) flags |= gfx::DFCS_INACTIVE;
  gfx::DrawFrameControl(dc, circle, gfx::DFC_BUTTON, flags);

  gfx::SelectObject(dc, Font());
  const std::string text = GetWindowText(window());
  RECT textRect = leftText
                      ? RECT{client.left, client.top, client.right - kRadioSize - 4, client.bottom}
                      : RECT{client.left + kRadioSize + 4, client.top, client.right, client.bottom};
  const unsigned format = gfx::DT_SINGLELINE | gfx::DT_VCENTER | (leftText ? gfx::DT_RIGHT : 0);
  DrawCaption(dc, text, textRect, format, enabled);
  if (focused_ && !text.empty()) PaintRadioFocus(dc, client, textRect, text, format, leftText);
}

// The focus rectangle around a radio button's caption, kept inside the button.
void Button::PaintRadioFocus(HDC dc, const RECT& client, const RECT& textRect,
                             const std::string& text, unsigned format, bool leftText) {
  RECT measured = textRect;
  gfx::DrawTextA(dc, text, measured, format | gfx::DT_CALCRECT);
  const int width = measured.Width();
  const int height = measured.Height();
  RECT focus{textRect.left - 1, client.top + (client.Height() - height) / 2 - 1,
             textRect.left + width + 1, client.top + (client.Height() + height) / 2 + 1};
  if (leftText) {
    focus.left = textRect.right - width - 1;
    focus.right = textRect.right + 1;
  }
  focus.left = std::max(focus.left, client.left);
  focus.top = std::max(focus.top, client.top);
  focus.right = std::min(focus.right, client.right);
  focus.bottom = std::min(focus.bottom, client.bottom);
  gfx::DrawFocusRect(dc, focus);
}

LRESULT Button::OnPaint(WPARAM, LPARAM) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window(), paint);
  if (!dc) return 0;
  RECT client;
  GetClientRect(window(), client);
  gfx::SaveDC(dc);
  if (IsOwnerDrawn(window())) {
    PaintOwnerDrawn(dc, client);
  } else if (IsRadio(window())) {
    PaintRadio(dc, client);
  } else {
    PaintPush(dc, client);
  }
  gfx::RestoreDC(dc, -1);
  EndPaint(window(), paint);
  return 0;
}

}  // namespace

void RegisterButtonClass() {
  RegisterClass({"BUTTON", CS_DBLCLKS, ControlProc<Button>});
}

}  // namespace pw::win::native

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

struct ButtonState {
  unsigned check = BST_UNCHECKED;
  bool pushed = false;    // drawn pressed
  bool tracking = false;  // the left button went down on it and is held
  bool spaceDown = false;
  bool focused = false;
  gfx::HFONT font = nullptr;
};

StateTable<ButtonState>& States() {
  static StateTable<ButtonState> table;
  return table;
}

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

void Redraw(HWND window) {
  InvalidateRect(window, nullptr, true);
}

void SetPushed(HWND window, ButtonState& state, bool pushed) {
  if (state.pushed == pushed) return;
  state.pushed = pushed;
  Redraw(window);
}

void SetCheck(HWND window, ButtonState& state, unsigned check) {
  if (state.check == check) return;
  state.check = check;
  Redraw(window);
}

// An automatic radio button checks itself and unchecks the automatic radio buttons beside it.
void CheckAutomatically(HWND window, ButtonState& state) {
  if (Type(window) != BS_AUTORADIOBUTTON) return;
  if (HWND parent = GetParent(window)) {
    for (HWND sibling = GetWindow(window, GW_HWNDFIRST); sibling;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
      if (sibling == window || GetParent(sibling) != parent) continue;
      if (GetClassName(sibling) != "BUTTON" || Type(sibling) != BS_AUTORADIOBUTTON) continue;
      SendMessage(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
  SetCheck(window, state, BST_CHECKED);
}

void Click(HWND window, ButtonState& state) {
  CheckAutomatically(window, state);
  Notify(window, BN_CLICKED);
}

void EndTracking(HWND window, ButtonState& state) {
  state.tracking = false;
  if (GetCapture() == window) ReleaseCapture();
}

gfx::HFONT FontOf(const ButtonState& state) {
  return state.font ? state.font : DefaultControlFont();
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

void PaintOwnerDrawn(HWND window, ButtonState& state, HDC dc, const RECT& client) {
  DRAWITEMSTRUCT item;
  item.CtlType = ODT_BUTTON;
  item.CtlID = static_cast<unsigned>(GetWindowLong(window, GWL_ID));
  item.itemAction = ODA_DRAWENTIRE;
  if (state.pushed) item.itemState |= ODS_SELECTED;
  if (state.focused) item.itemState |= ODS_FOCUS;
  if (!IsWindowEnabled(window)) item.itemState |= ODS_DISABLED;
  item.hwndItem = window;
  item.hDC = dc;
  item.rcItem = client;
  if (HWND parent = GetParent(window)) {
    SendMessage(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
  }
}

void PaintPush(HWND window, ButtonState& state, HDC dc, const RECT& client) {
  const bool enabled = IsWindowEnabled(window);
  RECT rect = client;
  const bool isDefault = Type(window) == BS_DEFPUSHBUTTON || state.focused;
  if (isDefault) {
    gfx::FrameRect(dc, rect, gfx::GetSysColorBrush(gfx::COLOR_WINDOWFRAME));
    rect = rect.Inflate(-1, -1);
  }
  if (state.pushed) {
    gfx::FillRect(dc, rect, gfx::GetSysColorBrush(gfx::COLOR_BTNFACE));
    gfx::FrameRect(dc, rect, gfx::GetSysColorBrush(gfx::COLOR_BTNSHADOW));
    rect = RECT{rect.left + 2, rect.top + 2, rect.right, rect.bottom};
  } else {
    unsigned flags = gfx::DFCS_BUTTONPUSH | gfx::DFCS_ADJUSTRECT;
    if (!enabled) flags |= gfx::DFCS_INACTIVE;
    gfx::DrawFrameControl(dc, rect, gfx::DFC_BUTTON, flags);
  }
  gfx::SelectObject(dc, FontOf(state));
  DrawCaption(dc, GetWindowText(window), rect,
              gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE, enabled);
  if (state.focused) {
    RECT focus = client.Inflate(-4, -4);
    gfx::DrawFocusRect(dc, focus);
  }
}

void PaintRadio(HWND window, ButtonState& state, HDC dc, const RECT& client) {
  const bool enabled = IsWindowEnabled(window);
  gfx::SetBkColor(dc, gfx::GetSysColor(gfx::COLOR_BTNFACE));
  gfx::FillRect(
      dc, client,
      ParentColorBrush(window, WM_CTLCOLORSTATIC, dc, gfx::GetSysColorBrush(gfx::COLOR_BTNFACE)));
  const bool leftText = (GetWindowLong(window, GWL_STYLE) & BS_LEFTTEXT) != 0;
  const int top = client.top + (client.Height() - kRadioSize) / 2;
  RECT circle = leftText ? RECT{client.right - kRadioSize, top, client.right, top + kRadioSize}
                         : RECT{client.left, top, client.left + kRadioSize, top + kRadioSize};
  unsigned flags = gfx::DFCS_BUTTONRADIO;
  if (state.check == BST_CHECKED) flags |= gfx::DFCS_CHECKED;
  if (state.pushed) flags |= gfx::DFCS_PUSHED;
  if (!enabled) flags |= gfx::DFCS_INACTIVE;
  gfx::DrawFrameControl(dc, circle, gfx::DFC_BUTTON, flags);

  gfx::SelectObject(dc, FontOf(state));
  const std::string text = GetWindowText(window);
  RECT textRect = leftText
                      ? RECT{client.left, client.top, client.right - kRadioSize - 4, client.bottom}
                      : RECT{client.left + kRadioSize + 4, client.top, client.right, client.bottom};
  const unsigned format = gfx::DT_SINGLELINE | gfx::DT_VCENTER | (leftText ? gfx::DT_RIGHT : 0);
  DrawCaption(dc, text, textRect, format, enabled);
  if (state.focused && !text.empty()) {
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
}

void Paint(HWND window, ButtonState& state) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, paint);
  if (!dc) return;
  RECT client;
  GetClientRect(window, client);
  gfx::SaveDC(dc);
  if (IsOwnerDrawn(window)) {
    PaintOwnerDrawn(window, state, dc, client);
  } else if (IsRadio(window)) {
    PaintRadio(window, state, dc, client);
  } else {
    PaintPush(window, state, dc, client);
  }
  gfx::RestoreDC(dc, -1);
  EndPaint(window, paint);
}

LRESULT ButtonProc(HWND window, unsigned message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) {
    States().Drop(window);
    return DefWindowProc(window, message, wParam, lParam);
  }
  ButtonState& state = States().Get(window);
  switch (message) {
    case WM_GETDLGCODE:
      if (IsRadio(window)) return DLGC_BUTTON | DLGC_RADIOBUTTON;
      if (IsOwnerDrawn(window)) return DLGC_BUTTON;
      return DLGC_BUTTON |
             (Type(window) == BS_DEFPUSHBUTTON ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    case WM_LBUTTONDBLCLK:
      if (IsRadio(window) || IsOwnerDrawn(window)) {
        Notify(window, BN_DOUBLECLICKED);
        return 0;
      }
      [[fallthrough]];  // a push button takes a double click as another press
    case WM_LBUTTONDOWN:
      if (GetFocus() != window) SetFocus(window);
      if (!IsWindow(window)) return 0;
      state.tracking = true;
      SetCapture(window);
      SetPushed(window, state, true);
      return 0;
    case WM_MOUSEMOVE:
      if (state.tracking) {
        RECT client;
        GetClientRect(window, client);
        SetPushed(window, state, client.Contains(MousePoint(lParam)));
      }
      return 0;
    case WM_LBUTTONUP: {
      if (!state.tracking) return 0;
      RECT client;
      GetClientRect(window, client);
      const bool inside = client.Contains(MousePoint(lParam));
      EndTracking(window, state);
      SetPushed(window, state, false);
      if (inside) Click(window, state);
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (state.tracking) {
        state.tracking = false;
        SetPushed(window, state, false);
      }
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE && !state.tracking) {
        state.spaceDown = true;
        SetPushed(window, state, true);
      }
      return 0;
    case WM_KEYUP:
      if (wParam == VK_SPACE && state.spaceDown) {
        state.spaceDown = false;
        SetPushed(window, state, false);
        Click(window, state);
      }
      return 0;
    case WM_SETFOCUS:
      state.focused = true;
      Redraw(window);
      // A radio button reached by the keyboard checks itself: it tells the parent it was
      // clicked, unless the mouse is what is pressing it.
      if (IsRadio(window) && state.check != BST_CHECKED && !state.tracking &&
          !KeyDown(VK_LBUTTON)) {
        Click(window, state);
      }
      return 0;
    case WM_KILLFOCUS:
      state.focused = false;
      state.spaceDown = false;
      if (state.tracking) EndTracking(window, state);
      state.pushed = false;
      Redraw(window);
      return 0;
    case WM_ENABLE:
      Redraw(window);
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProc(window, message, wParam, lParam);
      Redraw(window);
      return result;
    }
    case WM_SETFONT:
      state.font = FontArgument(wParam);
      if (lParam) Redraw(window);
      return 0;
    case BM_GETCHECK:
      return state.check;
    case BM_SETCHECK:
      SetCheck(window, state, wParam == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED);
      return 0;
    case BM_GETSTATE:
      return state.check | (state.pushed ? BST_PUSHED : 0) | (state.focused ? BST_FOCUS : 0);
    case BM_SETSTATE:
      SetPushed(window, state, wParam != 0);
      return 0;
    case BM_CLICK:
      Click(window, state);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers the whole button
    case WM_PAINT:
      Paint(window, state);
      return 0;
    default:
      return DefWindowProc(window, message, wParam, lParam);
  }
}

}  // namespace

void RegisterButtonClass() {
  RegisterClass({"BUTTON", CS_DBLCLKS, ButtonProc});
}

}  // namespace pw::win::native

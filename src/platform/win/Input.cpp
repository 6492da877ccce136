// Input as the backend delivers it, turned into queued messages for the window that gets it:
// the mouse to the capture window or the window under the pointer, keys and characters to the
// focus window. Disabled windows (and everything inside them) get nothing.

#include <cstdlib>

#include "platform/sys/CodePage.h"
#include "platform/win/NativeClasses.h"
#include "platform/win/WindowObjects.h"

namespace pw::win {

namespace {

constexpr std::uint32_t kDoubleClickMs = 500;
constexpr int kDoubleClickDistance = 4;

void Queue(HWND window, unsigned message, WPARAM wParam, LPARAM lParam, POINT screenPoint = {}) {
  State().input.push_back(
      {MakeMessage(window, message, wParam, lParam, screenPoint), State().keys});
}

bool EnabledChain(HWND window) {
  for (HWND w = window; w; w = w->IsChildWindow() ? w->parent : nullptr)
    if (w->style & WS_DISABLED) return false;
  return true;
}

bool Down(unsigned key) {
  return (State().keys[key] & 0x80) != 0;
}

void SetDown(unsigned key, bool down) {
  std::uint8_t& k = State().keys[key & 0xFF];
  if (down && !(k & 0x80)) k ^= 0x01;
  k = static_cast<std::uint8_t>(down ? (k | 0x80) : (k & ~0x80));
}

WPARAM MouseKeys() {
  WPARAM keys = 0;
  if (Down(VK_LBUTTON)) keys |= MK_LBUTTON;
  if (Down(VK_RBUTTON)) keys |= MK_RBUTTON;
  if (Down(VK_SHIFT)) keys |= MK_SHIFT;
  if (Down(VK_CONTROL)) keys |= MK_CONTROL;
  return keys;
}

bool IsPress(unsigned message) {
  return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_LBUTTONDBLCLK;
}

// Keys and characters go to the keyboard grab (an open menu), else to the focus window, else to
// the active window.
HWND KeyTarget() {
  auto& s = State();
  if (Live(s.keyboardGrab)) return s.keyboardGrab;
  return Live(s.focus) ? s.focus : s.active;
}

// The window under a screen point for input: null when the point hits nothing or a disabled
// window (which takes the input of everything inside it).
HWND InputTarget(POINT screenPoint) {
  HWND hit = WindowFromPoint(screenPoint);
  if (!hit || !EnabledChain(hit)) return nullptr;
  return hit;
}

// A press in an inactive top-level window activates it, as the window under the pointer agrees.
// Returns false when the press is to be dropped.
bool MouseActivate(HWND target, unsigned message, int hit) {
  auto& s = State();
  HWND root = GetAncestorRoot(target);
  if (s.active == root) return true;
  const LRESULT answer = SendMessage(target, WM_MOUSEACTIVATE, WParamOf(root),
                                     MAKELPARAM(hit, static_cast<int>(message)));
  if (!Live(root)) return false;
  if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) SetActiveWindow(root);
  return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT && Live(target);
}

}  // namespace

void InputMouse(unsigned message, POINT screenPoint) {
  auto& s = State();
  if (message == WM_LBUTTONDBLCLK) message = WM_LBUTTONDOWN;  // decided below
  switch (message) {
    case WM_LBUTTONDOWN:
      SetDown(VK_LBUTTON, true);
      break;
    case WM_LBUTTONUP:
      SetDown(VK_LBUTTON, false);
      break;
    case WM_RBUTTONDOWN:
      SetDown(VK_RBUTTON, true);
      break;
    case WM_RBUTTONUP:
      SetDown(VK_RBUTTON, false);
      break;
    default:
      break;
  }

  HWND target = Live(s.capture) ? s.capture : InputTarget(screenPoint);
  if (!target) {
    Queue(nullptr, WM_NULL, 0, 0);
    return;
  }
  POINT client = screenPoint;
  ScreenToClient(target, client);
  const RECT box = ClientBox(*target);
  const bool inClient =
      client.x >= 0 && client.y >= 0 && client.x < box.right && client.y < box.bottom;
  if (IsPress(message) && !s.capture &&
      !MouseActivate(target, message, inClient ? HTCLIENT : HTCAPTION)) {
    Queue(nullptr, WM_NULL, 0, 0);
    return;
  }
  if (!Live(target) || (!Live(s.capture) && !inClient)) {
    // The frame of a top-level window: it activates (above) but gets no client message.
    Queue(nullptr, WM_NULL, 0, 0);
    return;
  }

  if (message == WM_LBUTTONDOWN) {
    const std::uint32_t now = GetTickCount();
    const bool dblclks = (target->windowClass->style & CS_DBLCLKS) != 0;
    if (dblclks && s.lastClickValid && s.lastClickWindow == target &&
        now - s.lastClickTime <= kDoubleClickMs &&
        std::abs(screenPoint.x - s.lastClickPoint.x) <= kDoubleClickDistance &&
        std::abs(screenPoint.y - s.lastClickPoint.y) <= kDoubleClickDistance) {
      message = WM_LBUTTONDBLCLK;
      s.lastClickValid = false;
    } else {
      s.lastClickValid = true;
      s.lastClickWindow = target;
      s.lastClickTime = now;
      s.lastClickPoint = screenPoint;
    }
  }

  Queue(target, message, MouseKeys(), MAKELPARAM(client.x, client.y), screenPoint);
}

void InputKey(unsigned virtualKey, bool down) {
  virtualKey &= 0xFF;
  const bool wasDown = Down(virtualKey);
  SetDown(virtualKey, down);
  HWND target = KeyTarget();
  if (!Live(target) || !EnabledChain(target) || !EnabledChain(GetAncestorRoot(target))) {
    Queue(nullptr, WM_NULL, 0, 0);
    return;
  }
  const bool alt = Down(VK_MENU) || (virtualKey == VK_MENU && !down);
  const bool system = alt && !Down(VK_CONTROL);
  unsigned message =
      down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
  LPARAM lParam = 1;
  if (alt) lParam |= LPARAM{1} << 29;
  if (wasDown) lParam |= LPARAM{1} << 30;
  if (!down) lParam |= (LPARAM{1} << 30) | (LPARAM{1} << 31);
  Queue(target, message, virtualKey, lParam);
}

void InputChar(char32_t character) {
  HWND target = KeyTarget();
  if (!Live(target) || !EnabledChain(target) || !EnabledChain(GetAncestorRoot(target))) return;
  const std::string narrow = sys::WideToNarrow(sys::CodePointToWide(character));
  if (narrow.empty()) {
    Queue(target, WM_CHAR, static_cast<unsigned char>('?'), 1);
    return;
  }
  // A character of several bytes (UTF-8) arrives as one message per byte.
  for (char byte : narrow) Queue(target, WM_CHAR, static_cast<unsigned char>(byte), 1);
}

void InputClose(HWND topLevel) {
  if (!Live(topLevel) || !EnabledChain(topLevel)) return;
  Queue(GetAncestorRoot(topLevel), WM_SYSCOMMAND, SC_CLOSE, 0);
}

void InputActivate(HWND topLevel) {
  if (!Live(topLevel)) return;
  topLevel = GetAncestorRoot(topLevel);
  if (!EnabledChain(topLevel) || !(topLevel->style & WS_VISIBLE)) return;
  SetActiveWindow(topLevel);
}

}  // namespace pw::win

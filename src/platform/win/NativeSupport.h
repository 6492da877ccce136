#pragma once
// Helpers shared by the native control classes (Button.cpp, Edit.cpp, ComboBox.cpp, PopupMenu.cpp):
// per-window objects and their message maps, the text messages' buffers, notifications to the
// parent and the default control font.

#include <algorithm>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/gfx/Text.h"
#include "platform/win/NativeClasses.h"
#include "platform/win/Window.h"

namespace pw::win::native {

// ---- Per-window objects and message maps
//
// Each window of a native class owns one object of the class (its window data) that holds the
// window's state and has one member function per message it handles; a table of message ->
// member function (the class's message map) is the dispatch.

// The window's data when it is a T, else null.
template <typename T>
T* FindData(HWND window) {
  return dynamic_cast<T*>(GetWindowData(window));
}

// The base of a native class's per-window object.
class NativeWindow : public WindowData {
 public:
  explicit NativeWindow(HWND window) : window_(window) {}
  HWND window() const { return window_; }

 protected:
  LRESULT Default(unsigned message, WPARAM wParam, LPARAM lParam) const {
    return DefWindowProc(window_, message, wParam, lParam);
  }

 private:
  HWND window_;
};

// One line of a message map: the member function that handles a message.
template <typename Control>
struct MessageHandler {
  unsigned message;
  LRESULT (Control::*handle)(WPARAM, LPARAM);
};
template <typename Control>
using MessageMap = std::span<const MessageHandler<Control>>;

// Hands a message for `window` to its handler in the map; messages without one go to
// DefWindowProc.
template <typename Control>
LRESULT Dispatch(Control& control, MessageMap<Control> map, HWND window, unsigned message,
                 WPARAM wParam, LPARAM lParam) {
  for (const MessageHandler<Control>& entry : map) {
    if (entry.message == message) return (control.*entry.handle)(wParam, lParam);
  }
  return DefWindowProc(window, message, wParam, lParam);
}

// The window procedure of a class whose windows each own a Control, made on the window's first
// message (WM_CREATE) and freed with the window; Control::Messages() is the class's message map.
template <typename Control>
LRESULT ControlProc(HWND window, unsigned message, WPARAM wParam, LPARAM lParam) {
  WindowData* data = GetWindowData(window);
  if (!data) data = SetWindowData(window, std::make_unique<Control>(window));
  auto* control = dynamic_cast<Control*>(data);
  if (!control) return DefWindowProc(window, message, wParam, lParam);
  return Dispatch(*control, Control::Messages(), window, message, wParam, lParam);
}

// WM_SETTEXT and the string messages carry a NUL-terminated narrow string in lParam.
inline std::string_view TextArgument(LPARAM lParam) {
  const char* text = reinterpret_cast<const char*>(lParam);
  return text ? std::string_view(text) : std::string_view();
}

// WM_GETTEXT: copies at most `size` - 1 bytes and a NUL into the buffer; returns the bytes copied.
inline LRESULT CopyTextOut(std::string_view text, WPARAM size, LPARAM buffer) {
  char* out = reinterpret_cast<char*>(buffer);
  if (!out || size == 0) return 0;
  const std::size_t count = std::min<std::size_t>(text.size(), size - 1);
  std::memcpy(out, text.data(), count);
  out[count] = '\0';
  return static_cast<LRESULT>(count);
}

// A signed message argument (EM_SETSEL and the like pass -1).
inline int SignedArgument(WPARAM value) {
  return static_cast<int>(static_cast<std::intptr_t>(value));
}
inline int SignedArgument(LPARAM value) {
  return static_cast<int>(value);
}

// WM_COMMAND to the control's parent: wParam = (id, code), lParam = the control.
inline void Notify(HWND control, unsigned code) {
  HWND parent = GetParent(control);
  if (!parent) return;
  const int id = static_cast<int>(GetWindowLong(control, GWL_ID));
  SendMessage(parent, WM_COMMAND, MAKEWPARAM(id, static_cast<int>(code)), LParamOf(control));
}

// The font controls use until WM_SETFONT gives them another: "MS Sans Serif", 11 pixels.
inline gfx::HFONT DefaultControlFont() {
  gfx::LOGFONT request;
  request.height = -11;
  request.faceName = "MS Sans Serif";
  return gfx::SharedFont(request);
}

inline gfx::HFONT FontArgument(WPARAM wParam) {
  return gfx::HFONT::FromValue(wParam);
}

inline bool KeyDown(unsigned virtualKey) {
  return GetKeyState(virtualKey) < 0;
}

inline POINT MousePoint(LPARAM lParam) {
  return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

// A brush from the parent's WM_CTLCOLOR* answer, or the fallback when the parent gives none.
inline gfx::HBRUSH ParentColorBrush(HWND control, unsigned message, HDC dc, gfx::HBRUSH fallback) {
  HWND parent = GetParent(control);
  if (!parent) return fallback;
  const LRESULT answer = SendMessage(parent, message, dc.Value(), LParamOf(control));
  return answer ? gfx::HBRUSH::FromValue(answer) : fallback;
}

// Registration of each class (defined in its own file).
void RegisterButtonClass();
void RegisterEditClass();
void RegisterComboBoxClasses();
void RegisterPopupMenuClass();  // PopupMenu.cpp

}  // namespace pw::win::native

#pragma once
// Helpers shared by the native control classes (Button.cpp, Edit.cpp, ComboBox.cpp): per-window
// state, the text messages' buffers, notifications to the parent and the default control font.

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/gfx/Text.h"
#include "platform/win/NativeClasses.h"
#include "platform/win/Window.h"

namespace pw::win::native {

// State of each window of one class, made on first use and dropped at WM_NCDESTROY.
template <typename State>
class StateTable {
 public:
  State& Get(HWND window) {
    auto& slot = states_[window];
    if (!slot) slot = std::make_unique<State>();
    return *slot;
  }
  State* Find(HWND window) {
    auto it = states_.find(window);
    return it == states_.end() ? nullptr : it->second.get();
  }
  void Drop(HWND window) { states_.erase(window); }

 private:
  std::map<HWND, std::unique_ptr<State>> states_;
};

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
  SendMessage(parent, WM_COMMAND, MAKEWPARAM(id, static_cast<int>(code)),
              reinterpret_cast<LPARAM>(control));
}

// The font controls use until WM_SETFONT gives them another: "MS Sans Serif", 11 pixels.
inline gfx::HFONT DefaultControlFont() {
  gfx::LOGFONT request;
  request.height = -11;
  request.faceName = "MS Sans Serif";
  return gfx::SharedFont(request);
}

inline gfx::HFONT FontArgument(WPARAM wParam) {
  return reinterpret_cast<gfx::HFONT>(wParam);
}

inline bool KeyDown(unsigned virtualKey) {
  return GetKeyState(virtualKey) < 0;
}

inline bool PointIn(const RECT& rect, POINT point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
         point.y < rect.bottom;
}

inline POINT MousePoint(LPARAM lParam) {
  return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

// A brush from the parent's WM_CTLCOLOR* answer, or the fallback when the parent gives none.
inline gfx::HBRUSH ParentColorBrush(HWND control, unsigned message, HDC dc, gfx::HBRUSH fallback) {
  HWND parent = GetParent(control);
  if (!parent) return fallback;
  const LRESULT answer =
      SendMessage(parent, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
  return answer ? reinterpret_cast<gfx::HBRUSH>(answer) : fallback;
}

// Registration of each class (defined in its own file).
void RegisterButtonClass();
void RegisterEditClass();
void RegisterComboBoxClasses();
void RegisterPopupMenuClass();  // PopupMenu.cpp

}  // namespace pw::win::native

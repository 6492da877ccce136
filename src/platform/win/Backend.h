#pragma once
// The display backend behind the windowing stand-in: it shows top-level windows, presents their
// surfaces, keeps the clock, waits for input and feeds it in through the Input functions, and
// shows message boxes. `headless` (tests, scripted sessions) and `sdl` (a real display) implement
// it, in platform/backend, made by its factory (ChooseBackend.h).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/win/Window.h"

namespace pw::win {

class Backend {
 public:
  virtual ~Backend() = default;

  // A top-level window was created, changed (position, size, visibility, text, enabled state,
  // style) or destroyed. Window state is read through the functions of Window.h.
  virtual void WindowCreated(HWND window) = 0;
  virtual void WindowChanged(HWND window) = 0;
  virtual void WindowDestroyed(HWND window) = 0;
  // The window's client surface (32 bits, top-down, client size) was painted within `dirty`.
  virtual void Present(HWND window, gfx::HBITMAP surface, const RECT& dirty) = 0;

  // Delivers pending input through the Input functions; with a timeout, waits up to that many
  // milliseconds (none: until something arrives) when nothing is pending.
  virtual void PumpEvents(std::optional<std::uint32_t> timeoutMs) = 0;
  // Milliseconds since the backend started.
  virtual std::uint32_t Now() = 0;

  // A modal message box owned by `owner`; returns the button pressed (IDOK).
  virtual int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption,
                             unsigned flags) = 0;

  // The desktop clipboard's text in UTF-8; nothing when it holds no text.
  virtual std::optional<std::string> ClipboardText() = 0;
  // Puts text (UTF-8) on the clipboard; false when the clipboard would not take it.
  virtual bool SetClipboardText(std::string_view text) = 0;
};

// The backend of the current platform context (PlatformContext.h).
Backend& CurrentBackend();

// The surface a top-level window's client area is composited into (32 bits, top-down).
gfx::HBITMAP GetWindowSurface(HWND topLevel);

// ---- Input, as the backend delivers it; positions in screen coordinates

// WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK (the windowing stand-in turns a
// second press within the double-click time and distance into WM_LBUTTONDBLCLK for classes with
// CS_DBLCLKS, so backends may send plain presses), WM_RBUTTONDOWN, WM_RBUTTONUP.
void InputMouse(unsigned message, POINT screenPoint);
// A key going down or up (virtual key code); Alt makes it a system key.
void InputKey(unsigned virtualKey, bool down);
// A typed character (UTF-32), delivered as WM_CHAR in the process code page.
void InputChar(char32_t character);
// The close box of a top-level window (WM_SYSCOMMAND SC_CLOSE, then WM_CLOSE).
void InputClose(HWND topLevel);
// The user activated a top-level window (clicked its frame or switched to it).
void InputActivate(HWND topLevel);

}  // namespace pw::win

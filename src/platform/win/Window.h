#pragma once
// Our stand-in for the windowing system: windows behind handles, window classes and procedures,
// the thread's message queue, focus, activation, capture, enabling, z-order, invalidation and
// painting. Top-level windows are shown through a display backend (Backend.h); child windows are
// ours, composited into their top-level window's 32-bit surface.
//
// Texts are narrow strings in the process code page. Coordinates are pixels; a top-level
// window's position is on the screen, a child's in its parent's client area.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/Gdi.h"
#include "platform/win/Messages.h"

namespace pw::win {

using gfx::HDC;
using gfx::POINT;
using gfx::RECT;
using gfx::SIZE;

struct Window;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// A window handle: a slot of the window table and the generation the slot had when the window
// was made. Destroying a window ends its slot's generation, so a handle of a destroyed window
// never reaches a later window in that slot. The null handle names no window.
class WindowHandle {
 public:
  constexpr WindowHandle() = default;
  constexpr WindowHandle(std::nullptr_t) {}
  constexpr WindowHandle(std::uint32_t slot, std::uint32_t generation)
      : slot_(slot), generation_(generation) {}

  constexpr std::uint32_t Slot() const { return slot_; }
  constexpr std::uint32_t Generation() const { return generation_; }
  constexpr explicit operator bool() const { return generation_ != 0; }
  friend constexpr bool operator==(WindowHandle, WindowHandle) = default;
  friend constexpr auto operator<=>(WindowHandle, WindowHandle) = default;

  // The handle as a message parameter carries it (wParam, lParam), and back.
  constexpr std::uintptr_t Value() const {
    return static_cast<std::uintptr_t>(generation_) << 32 | slot_;
  }
  static constexpr WindowHandle FromValue(std::uintptr_t value) {
    return {static_cast<std::uint32_t>(value), static_cast<std::uint32_t>(value >> 32)};
  }
  static constexpr WindowHandle FromValue(std::intptr_t value) {
    return FromValue(static_cast<std::uintptr_t>(value));
  }

  // The window object behind the handle (also while a destroyed window's last messages are
  // handled); null when it is gone. For the windowing code, where Window is complete.
  Window* operator->() const;
  Window& operator*() const { return *operator->(); }

 private:
  std::uint32_t slot_ = 0;
  std::uint32_t generation_ = 0;  // 0: the null handle; live slots count from 1
};
static_assert(sizeof(std::uintptr_t) >= 8, "a handle value holds the slot and the generation");

using HWND = WindowHandle;

// A window handle as a message parameter.
constexpr WPARAM WParamOf(HWND window) {
  return window.Value();
}
constexpr LPARAM LParamOf(HWND window) {
  return static_cast<LPARAM>(window.Value());
}

constexpr LPARAM MAKELPARAM(int low, int high) {
  return static_cast<LPARAM>(static_cast<std::uint32_t>((low & 0xFFFF) | ((high & 0xFFFF) << 16)));
}
constexpr int LOWORD(std::uintptr_t v) {
  return static_cast<int>(v & 0xFFFF);
}
constexpr int HIWORD(std::uintptr_t v) {
  return static_cast<int>((v >> 16) & 0xFFFF);
}
// Signed coordinates of mouse messages.
constexpr int GET_X_LPARAM(LPARAM v) {
  return static_cast<std::int16_t>(v & 0xFFFF);
}
constexpr int GET_Y_LPARAM(LPARAM v) {
  return static_cast<std::int16_t>((v >> 16) & 0xFFFF);
}

// A window procedure. The framework binds its controls' procedures to objects, so a procedure is
// any callable.
using WindowProc = std::function<LRESULT(HWND, unsigned, WPARAM, LPARAM)>;

// ---- Classes

inline constexpr unsigned CS_DBLCLKS = 0x0008;
struct WindowClass {
  std::string name;  // compared without regard to ASCII case
  unsigned style = 0;
  WindowProc proc;
  gfx::HBRUSH background = nullptr;  // erases the background in DefWindowProc's WM_ERASEBKGND
};
// False when a class of that name exists already.
bool RegisterClass(const WindowClass& windowClass);
bool IsClassRegistered(std::string_view name);

// ---- Creation, destruction, procedures

// Sends WM_CREATE (a -1 answer destroys the window and returns null); a child with WS_VISIBLE
// shows at once. `parent` is the parent for WS_CHILD, else the owner.
HWND CreateWindowEx(std::uint32_t exStyle, std::string_view className, std::string_view text,
                    std::uint32_t style, int x, int y, int width, int height, HWND parent,
                    int id = 0);
// Destroys the children first, then the window: WM_DESTROY goes to the window and then down the
// tree (owned top-level windows and children), WM_NCDESTROY comes back up, the window last.
bool DestroyWindow(HWND window);
bool IsWindow(HWND window);

LRESULT DefWindowProc(HWND window, unsigned message, WPARAM wParam, LPARAM lParam);
// Replaces the window's procedure; returns the previous one (to be called for what the new one
// does not handle).
WindowProc SetWindowProc(HWND window, WindowProc proc);
LRESULT CallWindowProc(const WindowProc& proc, HWND window, unsigned message, WPARAM wParam,
                       LPARAM lParam);

// ---- Per-window data of a class

// A class's procedure keeps the state of each of its windows in an object the window owns (as a
// window's extra bytes would hold it). It is freed with the window object, which outlives every
// message still being handled when the window is destroyed.
class WindowData {
 public:
  virtual ~WindowData() = default;
};
// Null when the window is gone or has none.
WindowData* GetWindowData(HWND window);
// Gives the window its data; returns it, or null (dropping `data`) when the window is gone or has
// data already.
WindowData* SetWindowData(HWND window, std::unique_ptr<WindowData> data);

// ---- Attributes

HWND GetParent(HWND window);        // the parent of a child, the owner of a top-level window
HWND GetAncestorRoot(HWND window);  // the top-level window containing it
bool IsChild(HWND parent, HWND window);
inline constexpr int GWL_STYLE = -16;
inline constexpr int GWL_EXSTYLE = -20;
inline constexpr int GWL_ID = -12;
std::intptr_t GetWindowLong(HWND window, int index);
std::intptr_t SetWindowLong(HWND window, int index, std::intptr_t value);
std::string GetClassName(HWND window);
// The icon a top-level window shows: its images, one per size (32-bit top-down bitmaps with
// alpha, kept by the caller); none: no icon.
bool SetWindowIcon(HWND window, std::vector<gfx::HBITMAP> images);
std::vector<gfx::HBITMAP> GetWindowIcon(HWND window);
// Window text through WM_SETTEXT / WM_GETTEXT.
bool SetWindowText(HWND window, std::string_view text);
std::string GetWindowText(HWND window);

// Siblings in z-order, topmost first.
inline constexpr unsigned GW_HWNDFIRST = 0;
inline constexpr unsigned GW_HWNDLAST = 1;
inline constexpr unsigned GW_HWNDNEXT = 2;
inline constexpr unsigned GW_HWNDPREV = 3;
inline constexpr unsigned GW_OWNER = 4;
inline constexpr unsigned GW_CHILD = 5;
HWND GetWindow(HWND window, unsigned relation);

// ---- Position, size, visibility, z-order

inline constexpr HWND HWND_TOP = nullptr;
// A handle no window has: the last slot's first generation.
inline constexpr HWND HWND_BOTTOM{0xFFFFFFFFu, 1};
// lParam of WM_WINDOWPOSCHANGING and WM_WINDOWPOSCHANGED: the new position (as SetWindowPos
// takes it: screen for top-level windows, frame included; parent client for children).
struct WINDOWPOS {
  HWND window = nullptr;
  HWND insertAfter = nullptr;
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
  unsigned flags = 0;
};
bool SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height,
                  unsigned flags);
bool MoveWindow(HWND window, int x, int y, int width, int height, bool repaint);
bool ShowWindow(HWND window, int command);
bool IsWindowVisible(HWND window);            // it and all its parents are visible
bool GetWindowRect(HWND window, RECT& rect);  // screen coordinates, frame included
bool GetClientRect(HWND window, RECT& rect);  // (0, 0, client width, client height)
bool ClientToScreen(HWND window, POINT& point);
bool ScreenToClient(HWND window, POINT& point);
// The deepest visible, enabled-or-not child window under a screen point; null when none.
HWND WindowFromPoint(POINT screenPoint);
// The frame a top-level window's style gives it around the client area.
RECT FrameInsets(std::uint32_t style, std::uint32_t exStyle);
// The thread's top-level windows in z-order, topmost first (hidden ones included).
std::vector<HWND> GetTopLevelWindows();

// ---- Input state

bool EnableWindow(HWND window, bool enable);  // sends WM_ENABLE; returns whether it was disabled
bool IsWindowEnabled(HWND window);
// Sends WM_KILLFOCUS to the old and WM_SETFOCUS to the new window; activates its top-level
// window first. Returns the previous focus window.
HWND SetFocus(HWND window);
HWND GetFocus();
HWND SetActiveWindow(HWND window);
HWND GetActiveWindow();
HWND SetCapture(HWND window);
bool ReleaseCapture();
HWND GetCapture();
// An open pop-up menu takes the keyboard without taking the focus: while a grab is set, keys and
// characters go to that window instead of the focus window. Null ends it; it also ends when the
// window goes. Returns the previous grab.
HWND SetKeyboardGrab(HWND window);
HWND GetKeyboardGrab();
// Key state as the last input left it: the high bit (negative value) when down.
short GetKeyState(unsigned virtualKey);

// ---- Messages

struct MSG {
  HWND window = nullptr;
  unsigned message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  std::uint32_t time = 0;
  POINT point;
};
inline constexpr unsigned PM_NOREMOVE = 0;
inline constexpr unsigned PM_REMOVE = 1;

// Calls the window's procedure at once (re-entrant).
LRESULT SendMessage(HWND window, unsigned message, WPARAM wParam = 0, LPARAM lParam = 0);
bool PostMessage(HWND window, unsigned message, WPARAM wParam = 0, LPARAM lParam = 0);
void PostQuitMessage(int exitCode);
// Posted messages first, then input, then WM_PAINT for windows with an invalid region, then
// WM_TIMER; filters by window (and its children) and message range (0, 0: all).
bool PeekMessage(MSG& msg, HWND window, unsigned filterMin, unsigned filterMax, unsigned remove);
// Waits for a message; false for WM_QUIT.
bool GetMessage(MSG& msg, HWND window, unsigned filterMin, unsigned filterMax);
// Returns at once when the queue holds a message; otherwise lets the backend deliver input,
// waiting at most until the next timer is due.
void WaitMessage();
// Posts WM_CHAR / WM_SYSCHAR for a key message that has a character.
bool TranslateMessage(const MSG& msg);
LRESULT DispatchMessage(const MSG& msg);

using TimerProc = std::function<void(HWND, unsigned, std::uintptr_t, std::uint32_t)>;
std::uintptr_t SetTimer(HWND window, std::uintptr_t id, unsigned elapseMs);
bool KillTimer(HWND window, std::uintptr_t id);
// Milliseconds of the backend's clock (virtual on the headless backend).
std::uint32_t GetTickCount();

// ---- Painting

bool InvalidateRect(HWND window, const RECT* rect, bool erase);  // null: the whole client area
bool ValidateRect(HWND window, const RECT* rect);
bool GetUpdateRect(HWND window, RECT& rect);
bool UpdateWindow(HWND window);  // sends WM_PAINT now when something is invalid
bool RedrawWindow(HWND window, const RECT* rect, unsigned flags);

struct PAINTSTRUCT {
  HDC dc = nullptr;
  bool erase = false;
  RECT paint;  // client coordinates
};
// A context clipped to the invalid region (and to the window without its child windows); sends
// WM_ERASEBKGND first when the invalidation asked for erasing. Validates the window.
HDC BeginPaint(HWND window, PAINTSTRUCT& paint);
bool EndPaint(HWND window, const PAINTSTRUCT& paint);
// A context on the window's client area, clipped to the window without its child windows.
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);

// ---- Message box

// A modal box owned by `owner`, with the text, the caption and an OK button (and the icon the
// flags ask for); returns the button pressed.
int MessageBox(HWND owner, std::string_view text, std::string_view caption, unsigned flags);

}  // namespace pw::win

template <>
struct std::hash<pw::win::WindowHandle> {
  std::size_t operator()(pw::win::WindowHandle handle) const noexcept {
    return std::hash<std::uintptr_t>()(handle.Value());
  }
};

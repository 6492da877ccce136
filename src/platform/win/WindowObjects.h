#pragma once
// The objects behind window handles and the thread's windowing state, shared by the parts of the
// windowing stand-in; not for use outside src/platform/win.

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/win/Backend.h"
#include "platform/win/PlatformContext.h"
#include "platform/win/Window.h"

namespace pw::win {

struct Window {
  std::shared_ptr<const WindowClass> windowClass;
  // Shared so that a procedure that replaces itself or destroys its window keeps running.
  std::shared_ptr<const WindowProc> proc;
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  int id = 0;
  std::string text;
  // Child: in the parent's client area; top-level: on the screen, frame included.
  RECT rect;
  HWND parent = nullptr;       // children only
  HWND owner = nullptr;        // top-level windows only
  std::vector<HWND> children;  // topmost first
  bool destroying = false;
  std::unique_ptr<WindowData> data;  // the class procedure's state of this window

  // Painting: the invalid part of the client area (client coordinates).
  std::vector<RECT> update;
  bool erase = false;
  bool redraw = true;  // WM_SETREDRAW

  // Top-level windows: the client surface, its part painted since the last presentation, and
  // the focus window to give back on activation.
  gfx::HBITMAP surface = nullptr;
  RECT dirty;
  HWND lastFocus = nullptr;
  std::vector<gfx::HBITMAP> icon;  // not owned

  bool IsChildWindow() const { return (style & WS_CHILD) != 0; }
  ~Window();
};

// A slot of the window table. Its window object stays while the slot is live and, after the
// window is destroyed, until no message is being handled; then it is freed and the generation
// moves on.
struct WindowSlot {
  std::unique_ptr<Window> window;
  std::uint32_t generation = 1;
  bool live = false;  // created and not yet destroyed
};

struct Timer {
  HWND window = nullptr;
  std::uintptr_t id = 0;
  unsigned elapse = 0;
  std::uint32_t due = 0;
};

// A message as the queue holds it, stamped with the time it was queued.
inline MSG MakeMessage(HWND window, unsigned message, WPARAM wParam, LPARAM lParam,
                       POINT screenPoint = {}) {
  MSG msg;
  msg.window = window;
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  msg.time = GetTickCount();
  msg.point = screenPoint;
  return msg;
}

// An input message with the key state it leaves behind (GetKeyState answers with the state as of
// the last input message taken from the queue). A null window only carries a key change.
struct InputEntry {
  MSG msg;
  std::array<std::uint8_t, 256> keys{};
};

struct WindowingState {
  std::vector<WindowSlot> slots;         // the handle table
  std::vector<std::uint32_t> freeSlots;  // slots whose window was freed, to be reused
  std::vector<std::uint32_t> destroyed;  // freed when no message is being handled
  std::vector<std::shared_ptr<const WindowClass>> classes;
  std::vector<HWND> topLevels;  // topmost first
  HWND focus = nullptr;
  HWND active = nullptr;
  HWND capture = nullptr;
  HWND keyboardGrab = nullptr;
  // Bit 0x80: down, bit 0x01: toggled; as input arrives, and as of the last input message taken.
  std::array<std::uint8_t, 256> keys{};
  std::array<std::uint8_t, 256> syncKeys{};

  std::deque<MSG> posted;
  std::deque<InputEntry> input;
  bool quit = false;
  int quitCode = 0;
  std::vector<Timer> timers;
  std::uintptr_t nextTimerId = 1;
  int sendDepth = 0;

  // Double clicks: the last left press.
  HWND lastClickWindow = nullptr;
  std::uint32_t lastClickTime = 0;
  POINT lastClickPoint;
  bool lastClickValid = false;

  bool nativeRegistered = false;  // the native control classes

  std::unique_ptr<Backend> backend;
};

WindowingState& State();
// The window behind a live handle, or null.
Window* Live(HWND window);
// Frees the objects of destroyed windows; their slots take a new generation.
void FreeDestroyedWindows();

// ---- Geometry (Window.cpp)

// The client area in the window's own coordinates and its origin on the top-level surface.
RECT ClientRect(const Window& window);
// The client area in its own coordinates: (0, 0, width, height).
inline RECT ClientBox(const Window& window) {
  const RECT c = ClientRect(window);
  return {0, 0, c.Width(), c.Height()};
}
POINT SurfaceOrigin(HWND window);
// Whether it and every parent have WS_VISIBLE (and redraw on, when `drawable`).
bool VisibleChain(HWND window, bool drawable);

// ---- Rectangle lists (Painting.cpp)

// Removes `cut` from every rectangle of the list (the list stays disjoint when it was).
void Subtract(std::vector<RECT>& rects, const RECT& cut);
RECT Bounds(const std::vector<RECT>& rects);

// ---- Painting (Painting.cpp)

// The window's client area on its top-level surface that is not covered by siblings above it
// (or above a parent), by its own visible children or cut off by its parents.
std::vector<RECT> VisibleClientArea(HWND window);
// Invalidates `rect` (client coordinates of `window`) of the window and, with `children`, of
// every visible descendant it meets.
void InvalidateArea(HWND window, const RECT& rect, bool erase, bool children);
// The top-level surface follows the client size (contents kept where they overlap).
void ResizeSurface(HWND topLevel);
void MarkDirty(HWND window, const std::vector<RECT>& surfaceRects);
// Hands the painted parts of the top-level surfaces to the backend.
void FlushPresents();
// The first window (top-level windows in z-order, parents before children) with an invalid
// region, within `filter` (and its children) when given.
HWND FindPaintWindow(HWND filter);

// ---- Activation (Window.cpp)

// After `window` was hidden or is going away: activates another visible, enabled top-level.
void ActivateNext(HWND window);

}  // namespace pw::win

#pragma once
// What an X11 window manager reads from a program's window and SDL2 leaves unset or sets its own
// way: the frame's functions and decorations by border style (_MOTIF_WM_HINTS), fixed sizes and
// the program-specified position (WM_NORMAL_HINTS), the icon in several sizes (_NET_WM_ICON),
// and the frame the window manager added (_NET_FRAME_EXTENTS). Xlib on the native window that
// SDL2 hands out.

#include <SDL_video.h>

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/gfx/Gdi.h"

namespace pw::win {

// An SDL window's X11 display connection and window; nothing for windows of other drivers.
struct X11Window {
  void* display = nullptr;  // Display*
  unsigned long window = 0;
};
std::optional<X11Window> NativeX11Window(SDL_Window* window);

// The resource database text the server held when the connection opened (empty: none).
std::string_view X11Resources(const X11Window& window);

// _MOTIF_WM_HINTS for the window's style bits (WS_CAPTION, WS_SYSMENU, WS_THICKFRAME,
// WS_MINIMIZEBOX, WS_MAXIMIZEBOX): a box or function the style does not have is not offered.
void SetFrameFunctions(const X11Window& window, std::uint32_t style);

// WM_NORMAL_HINTS: the position, if given, as the program's (the frame's top-left corner goes
// there) and, unless `sizeable`, the client size as both the smallest and the largest.
void SetPlacementHints(const X11Window& window, std::optional<gfx::POINT> position, int width,
                       int height, bool sizeable);

// _NET_WM_ICON with every image (32-bit top-down bitmaps with alpha).
void SetIcon(const X11Window& window, const std::vector<gfx::HBITMAP>& images);

// The frame the window manager put around the window (left, top, right, bottom widths in
// `left`, `top`, `right`, `bottom`); all zero when it has none or says nothing.
gfx::RECT FrameExtents(const X11Window& window);

}  // namespace pw::win

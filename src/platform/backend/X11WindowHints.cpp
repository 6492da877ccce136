#include "platform/backend/X11WindowHints.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <array>
#include <cstring>

#include "platform/win/Messages.h"

namespace pw::win {
namespace {

Display* DisplayOf(const X11Window& window) {
  return static_cast<Display*>(window.display);
}

enum AtomIndex { kMotifHints, kNetWmIcon, kNetFrameExtents, kCardinal, kAtomCount };

// Interned once per connection, in one round trip.
Atom AtomOf(Display* display, AtomIndex index) {
  static Display* interned = nullptr;
  static std::array<Atom, kAtomCount> atoms{};
  if (interned != display) {
    std::array<char*, kAtomCount> names{
        const_cast<char*>("_MOTIF_WM_HINTS"), const_cast<char*>("_NET_WM_ICON"),
        const_cast<char*>("_NET_FRAME_EXTENTS"), const_cast<char*>("CARDINAL")};
    XInternAtoms(display, names.data(), kAtomCount, False, atoms.data());
    interned = display;
  }
  return atoms[index];
}

// The Motif window manager hints: which fields count, then the functions and decorations.
constexpr long kMwmHintsFunctions = 1L << 0;
constexpr long kMwmHintsDecorations = 1L << 1;
constexpr long kMwmFuncResize = 1L << 1;
constexpr long kMwmFuncMove = 1L << 2;
constexpr long kMwmFuncMinimize = 1L << 3;
constexpr long kMwmFuncMaximize = 1L << 4;
constexpr long kMwmFuncClose = 1L << 5;
constexpr long kMwmDecorBorder = 1L << 1;
constexpr long kMwmDecorResizeHandle = 1L << 2;
constexpr long kMwmDecorTitle = 1L << 3;
constexpr long kMwmDecorMenu = 1L << 4;
constexpr long kMwmDecorMinimize = 1L << 5;
constexpr long kMwmDecorMaximize = 1L << 6;

}  // namespace

std::optional<X11Window> NativeX11Window(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window == nullptr || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) {
    return std::nullopt;
  }
  return X11Window{info.info.x11.display, info.info.x11.window};
}

std::string_view X11Resources(const X11Window& window) {
  const char* resources = XResourceManagerString(DisplayOf(window));
  return resources != nullptr ? std::string_view(resources) : std::string_view();
}

void SetFrameFunctions(const X11Window& window, std::uint32_t style) {
  long functions = kMwmFuncMove;
  long decorations = kMwmDecorBorder;
  if ((style & WS_CAPTION) == WS_CAPTION) decorations |= kMwmDecorTitle;
  if (style & WS_SYSMENU) functions |= kMwmFuncClose, decorations |= kMwmDecorMenu;
  if (style & WS_THICKFRAME) functions |= kMwmFuncResize, decorations |= kMwmDecorResizeHandle;
  if (style & WS_MINIMIZEBOX) functions |= kMwmFuncMinimize, decorations |= kMwmDecorMinimize;
  if (style & WS_MAXIMIZEBOX) functions |= kMwmFuncMaximize, decorations |= kMwmDecorMaximize;
  const std::array<long, 5> hints{kMwmHintsFunctions | kMwmHintsDecorations, functions, decorations,
                                  0, 0};
  Display* display = DisplayOf(window);
  const Atom atom = AtomOf(display, kMotifHints);
  XChangeProperty(display, window.window, atom, atom, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(hints.data()), hints.size());
}

void SetPlacementHints(const X11Window& window, std::optional<gfx::POINT> position, int width,
                       int height, bool sizeable) {
  Display* display = DisplayOf(window);
  XSizeHints* hints = XAllocSizeHints();
  if (hints == nullptr) return;
  long supplied = 0;
  if (!XGetWMNormalHints(display, window.window, hints, &supplied)) hints->flags = 0;
  if (position) {
    hints->flags |= USPosition | PPosition | PWinGravity;
    hints->x = position->x;
    hints->y = position->y;
    hints->win_gravity = NorthWestGravity;
  }
  if (sizeable) {
    hints->flags &= ~(PMinSize | PMaxSize);
  } else {
    hints->flags |= PMinSize | PMaxSize;
    hints->min_width = hints->max_width = width;
    hints->min_height = hints->max_height = height;
  }
  XSetWMNormalHints(display, window.window, hints);
  XFree(hints);
}

void SetIcon(const X11Window& window, const std::vector<gfx::HBITMAP>& images) {
  // Per image: width, height, then the pixels as ARGB, one per CARDINAL (a long to Xlib).
  std::vector<long> data;
  for (gfx::HBITMAP image : images) {
    gfx::BitmapInfo info;
    if (!gfx::GetBitmapInfo(image, info) || info.bits == nullptr || info.bitsPerPixel != 32) {
      continue;
    }
    data.push_back(info.width);
    data.push_back(info.height);
    for (int y = 0; y < info.height; ++y) {
      const int row = info.topDown ? y : info.height - 1 - y;
      const auto* pixels = static_cast<const std::uint8_t*>(info.bits) +
                           static_cast<std::ptrdiff_t>(row) * info.stride;
      for (int x = 0; x < info.width; ++x) {
        std::uint32_t pixel;
        std::memcpy(&pixel, pixels + x * 4, 4);
        data.push_back(static_cast<long>(pixel));
      }
    }
  }
  Display* display = DisplayOf(window);
  const Atom atom = AtomOf(display, kNetWmIcon);
  if (data.empty()) {
    XDeleteProperty(display, window.window, atom);
    return;
  }
  XChangeProperty(display, window.window, atom, AtomOf(display, kCardinal), 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(data.data()),
                  static_cast<int>(data.size()));
}

gfx::RECT FrameExtents(const X11Window& window) {
  Display* display = DisplayOf(window);
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  gfx::RECT extents;
  if (XGetWindowProperty(display, window.window, AtomOf(display, kNetFrameExtents), 0, 4, False,
                         AtomOf(display, kCardinal), &type, &format, &count, &remaining,
                         &data) == Success &&
      format == 32 && count == 4 && data != nullptr) {
    const auto* values = reinterpret_cast<const long*>(data);
    extents = {static_cast<int>(values[0]), static_cast<int>(values[2]),
               static_cast<int>(values[1]), static_cast<int>(values[3])};
  }
  if (data != nullptr) XFree(data);
  return extents;
}

}  // namespace pw::win

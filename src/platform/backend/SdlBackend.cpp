#include "platform/backend/SdlBackend.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/backend/DesktopScale.h"
#include "platform/sys/CodePage.h"

namespace pw::win {
namespace {

XErrorHandler g_previousXErrorHandler = nullptr;

// SDL wakes its own event wait by sending an event to one of its windows over a second display
// connection; the server may take that request only after the main connection has destroyed the
// window (a closed message box, say). That error is harmless; every other one goes on to Xlib's
// handler, which ends the process. The error may come as late as the closing of that connection
// when the video subsystem stops, after SDL has put back the handler it found when it started:
// so this one is installed before SDL starts, and SDL's own handler passes errors on to it.
int IgnoreWakeupsOfGoneWindows(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
  return g_previousXErrorHandler != nullptr ? g_previousXErrorHandler(display, error) : 0;
}

// A window without a caption: a pop-up such as a combo box's list.
bool IsPopup(std::uint32_t style) {
  return (style & WS_POPUP) != 0 && (style & WS_CAPTION) != WS_CAPTION;
}

std::string TitleOf(std::string_view narrow) {
  return sys::WideToUtf8(sys::NarrowToWide(narrow));
}

}  // namespace

SdlBackend::SdlBackend(std::unique_ptr<VideoSubsystem> video, bool x11)
    : video_(std::move(video)), x11_(x11), start_(SDL_GetTicks()) {
  SDL_StartTextInput();
  SDL_EventState(SDL_DROPFILE, SDL_DISABLE);
}

SdlBackend::~SdlBackend() {
  windows_.clear();
  SDL_StopTextInput();
}

void SdlBackend::WindowCreated(HWND window) {
  windows_.try_emplace(window);
  Sync(window);
}

void SdlBackend::WindowChanged(HWND window) {
  windows_.try_emplace(window);
  Sync(window);
}

void SdlBackend::WindowDestroyed(HWND window) {
  auto found = windows_.find(window);
  if (found == windows_.end()) return;
  if (const HWND owner = found->second.shown ? found->second.layerOf : nullptr) {
    const RECT where = found->second.layerRect;
    windows_.erase(found);
    Compose(owner, where);
    return;
  }
  const bool hadKeyboard =
      found->second.window && SDL_GetKeyboardFocus() == found->second.window.get();
  if (found->second.window) byId_.erase(found->second.id);
  windows_.erase(found);
  if (hadKeyboard) RefocusActive();
}

void SdlBackend::Present(HWND window, gfx::HBITMAP /*surface*/, const RECT& dirty) {
  Entry* entry = Find(window);
  if (entry == nullptr || !entry->shown) return;
  if (entry->layerOf != nullptr) {
    Compose(entry->layerOf,
            {entry->layerRect.left + dirty.left, entry->layerRect.top + dirty.top,
             entry->layerRect.left + dirty.right, entry->layerRect.top + dirty.bottom});
  } else {
    Compose(window, dirty);
  }
  if (reportFirstFrame_) {
    // For start-up measurements: the wall-clock time once the first painted frame is shown.
    reportFirstFrame_ = false;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::fprintf(
        stderr, "first painted frame at %lld ms\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count()));
  }
}

void SdlBackend::Compose(HWND window, const RECT& area) {
  Entry* entry = Find(window);
  if (entry == nullptr || !entry->shown || !entry->window || area.Empty()) return;
  std::vector<Layer> layers{{GetWindowSurface(window), {0, 0}}};
  for (const auto& [other, layer] : windows_) {
    if (layer.layerOf == window && layer.shown && IsWindow(other)) {
      layers.push_back({GetWindowSurface(other), {layer.layerRect.left, layer.layerRect.top}});
    }
  }
  PresentLayers(entry->window.get(), layers, area);
}

void SdlBackend::SyncLayer(HWND window, Entry& entry) {
  const HWND before = entry.shown ? entry.layerOf : nullptr;
  const RECT beforeRect = entry.layerRect;
  RECT frame;
  GetWindowRect(window, frame);
  entry.popup = true;
  if (!IsWindowVisible(window) || frame.Width() <= 0 || frame.Height() <= 0) {
    entry.shown = false;
    if (before != nullptr) Compose(before, beforeRect);
    return;
  }
  // Over the window it belongs to, else over the one it came up from.
  if (!entry.shown) {
    HWND owner = GetParent(window);
    if (ShownSdlWindow(owner) == nullptr) owner = GetActiveWindow();
    if (ShownSdlWindow(owner) == nullptr) return;
    entry.layerOf = owner;
    entry.shown = true;
  }
  POINT origin{0, 0}, ownerOrigin{0, 0};
  ClientToScreen(window, origin);
  ClientToScreen(entry.layerOf, ownerOrigin);
  RECT client;
  GetClientRect(window, client);
  entry.layerRect = {origin.x - ownerOrigin.x, origin.y - ownerOrigin.y,
                     origin.x - ownerOrigin.x + client.Width(),
                     origin.y - ownerOrigin.y + client.Height()};
  if (before != nullptr && before != entry.layerOf) Compose(before, beforeRect);
  Compose(entry.layerOf, before == entry.layerOf && !(beforeRect == entry.layerRect)
                             ? RECT{std::min(beforeRect.left, entry.layerRect.left),
                                    std::min(beforeRect.top, entry.layerRect.top),
                                    std::max(beforeRect.right, entry.layerRect.right),
                                    std::max(beforeRect.bottom, entry.layerRect.bottom)}
                             : entry.layerRect);
}

void SdlBackend::LearnScale(SDL_Window* first) {
  if (scale_) return;
  const std::optional<double> wanted = ScaleOverride();
  if (auto native = NativeX11Window(first)) {
    scale_ = wanted ? *wanted : ScaleFromXResources(X11Resources(*native)).value_or(1.0);
    return;
  }
  // Wayland: SDL gives high-density windows the output's scale in pixels per window unit and
  // the compositor shows one unit as that many pixels; only what PW_SCALE asks beyond it is ours.
  int units = 0, pixels = 0;
  SDL_GetWindowSize(first, &units, nullptr);
  SDL_GetWindowSizeInPixels(first, &pixels, nullptr);
  const double output = units > 0 && pixels > 0 ? static_cast<double>(pixels) / units : 1.0;
  scale_ = wanted ? *wanted / output : 1.0;
}

bool SdlBackend::Create(HWND window, Entry& entry, std::uint32_t style, std::uint32_t exStyle,
                        const std::string& title) {
  RECT frame, client;
  GetWindowRect(window, frame);
  GetClientRect(window, client);
  const bool resizable = (style & WS_THICKFRAME) != 0;
  const bool topmost = (exStyle & WS_EX_TOPMOST) != 0;
  // Windows without a caption (pop-ups such as a combo box's list) get no frame and no taskbar
  // entry; the window manager is asked not to treat them as application windows.
  const bool popup = IsPopup(style);
  Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI;
  if (resizable && !popup) flags |= SDL_WINDOW_RESIZABLE;
  if (popup) flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_POPUP_MENU;
  if (topmost) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
  // X11 places the frame at the position given (the window manager adds its frame there);
  // Wayland places toplevels itself.
  const POINT at{frame.left, frame.top};
  const int width = std::max(client.Width(), 1);
  const int height = std::max(client.Height(), 1);
  entry.window.reset(SDL_CreateWindow(title.c_str(), Scaled(at.x), Scaled(at.y), Scaled(width),
                                      Scaled(height), flags));
  if (!entry.window) {
    SDL_Log("cannot create a window: %s", SDL_GetError());
    return false;
  }
  SDL_Window* sdl = entry.window.get();
  if (!scale_) {
    LearnScale(sdl);
    if (Scale() != 1.0) {
      SDL_SetWindowSize(sdl, Scaled(width), Scaled(height));
      SDL_SetWindowPosition(sdl, Scaled(at.x), Scaled(at.y));
    }
  }
  entry.id = SDL_GetWindowID(sdl);
  byId_[entry.id] = window;
  entry.popup = popup;
  entry.x11 = NativeX11Window(sdl);
  entry.title = title;
  entry.frameX = frame.left, entry.frameY = frame.top;
  entry.width = width, entry.height = height;
  entry.style = style;
  entry.resizable = resizable && !popup;
  entry.topmost = topmost;
  ApplyFrameHints(entry);
  return true;
}

void SdlBackend::ApplyFrameHints(Entry& entry) {
  if (!entry.x11 || entry.popup) return;
  SetFrameFunctions(*entry.x11, entry.style);
  SetPlacementHints(*entry.x11, POINT{Scaled(entry.frameX), Scaled(entry.frameY)},
                    Scaled(entry.width), Scaled(entry.height), entry.resizable);
}

void SdlBackend::Place(Entry& entry, int frameX, int frameY) {
  entry.frameX = frameX, entry.frameY = frameY;
  if (!x11_) return;  // Wayland toplevels are placed by the compositor
  // SDL positions the client area, taking off the frame the window manager reported.
  const RECT extents = entry.x11 ? FrameExtents(*entry.x11) : RECT{};
  SDL_SetWindowPosition(entry.window.get(), Scaled(frameX) + extents.left,
                        Scaled(frameY) + extents.top);
}

void SdlBackend::ApplyIcon(Entry& entry, std::vector<gfx::HBITMAP> icon) {
  entry.icon = std::move(icon);
  if (entry.x11) {
    SetIcon(*entry.x11, entry.icon);
    return;
  }
  // Other drivers take one image: the largest.
  gfx::HBITMAP largest = nullptr;
  int largestWidth = 0;
  for (gfx::HBITMAP image : entry.icon) {
    gfx::BitmapInfo info;
    if (gfx::GetBitmapInfo(image, info) && info.width > largestWidth) {
      largest = image, largestWidth = info.width;
    }
  }
  gfx::BitmapInfo info;
  if (largest == nullptr || !gfx::GetBitmapInfo(largest, info) || info.bits == nullptr ||
      info.bitsPerPixel != 32 || !info.topDown) {
    return;
  }
  if (SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
          info.bits, info.width, info.height, 32, info.stride, SDL_PIXELFORMAT_ARGB8888)) {
    SDL_SetWindowIcon(entry.window.get(), surface);
    SDL_FreeSurface(surface);
  }
}

// Longer than most: each step (hide, create or update, icon, owner, show) depends on the ones
// before it in this order, and the SDL calls must not be repeated when nothing changed.
void SdlBackend::Sync(HWND window) {
  Entry* entry = Find(window);
  if (entry == nullptr || !IsWindow(window)) return;
  if (!x11_ && IsPopup(static_cast<std::uint32_t>(GetWindowLong(window, GWL_STYLE)))) {
    SyncLayer(window, *entry);
    return;
  }
  RECT frame;
  GetWindowRect(window, frame);
  // A window of no size (the application's hidden owner window) has nothing to show.
  if (!IsWindowVisible(window) || frame.Width() <= 0 || frame.Height() <= 0) {
    if (entry->shown) {
      const bool hadKeyboard = SDL_GetKeyboardFocus() == entry->window.get();
      SDL_HideWindow(entry->window.get());
      entry->shown = false;
      if (hadKeyboard) RefocusActive();
    }
    return;
  }

  const auto style = static_cast<std::uint32_t>(GetWindowLong(window, GWL_STYLE));
  const auto exStyle = static_cast<std::uint32_t>(GetWindowLong(window, GWL_EXSTYLE));
  std::string title = TitleOf(GetWindowText(window));

  applying_ = true;
  if (!entry->window) {
    if (!Create(window, *entry, style, exStyle, title)) {
      applying_ = false;
      return;
    }
  } else {
    SDL_Window* sdl = entry->window.get();
    RECT client;
    GetClientRect(window, client);
    const int width = std::max(client.Width(), 1);
    const int height = std::max(client.Height(), 1);
    const bool resizable = (style & WS_THICKFRAME) != 0;
    const bool topmost = (exStyle & WS_EX_TOPMOST) != 0;
    bool hintsChanged = false;
    if (title != entry->title) {
      SDL_SetWindowTitle(sdl, title.c_str());
      entry->title = std::move(title);
    }
    if (!entry->popup && resizable != entry->resizable) {
      SDL_SetWindowResizable(sdl, resizable ? SDL_TRUE : SDL_FALSE);
      entry->resizable = resizable;
      hintsChanged = true;
    }
    if (style != entry->style) {
      entry->style = style;
      hintsChanged = true;
    }
    if (topmost != entry->topmost) {
      SDL_SetWindowAlwaysOnTop(sdl, topmost ? SDL_TRUE : SDL_FALSE);
      entry->topmost = topmost;
    }
    if (width != entry->width || height != entry->height) {
      SDL_SetWindowSize(sdl, Scaled(width), Scaled(height));
      entry->width = width, entry->height = height;
      hintsChanged = true;
    }
    if (frame.left != entry->frameX || frame.top != entry->frameY) {
      Place(*entry, frame.left, frame.top);
      hintsChanged = true;
    }
    if (hintsChanged) ApplyFrameHints(*entry);
  }

  if (std::vector<gfx::HBITMAP> icon = GetWindowIcon(window); icon != entry->icon) {
    ApplyIcon(*entry, std::move(icon));
  }

  // An owned window stays above its owner (transient for it) while the owner is on screen; a
  // window shown with an owner that is not (the application's hidden window) stays above the
  // window that was active when it came up, as a dialog box stays above the window it serves.
  SDL_Window* owner = ShownSdlWindow(GetParent(window));
  if (owner == nullptr && !entry->shown && !entry->popup && GetActiveWindow() != window) {
    owner = ShownSdlWindow(GetActiveWindow());
  }
  if (owner != nullptr && owner != entry->modalFor && owner != entry->window.get()) {
    SDL_SetWindowModalFor(entry->window.get(), owner);
    entry->modalFor = owner;
  }

  const bool wasShown = entry->shown;
  if (!wasShown) {
    SDL_ShowWindow(entry->window.get());
    entry->shown = true;
    if (!entry->popup && GetActiveWindow() == window) SDL_RaiseWindow(entry->window.get());
  }
  applying_ = false;
  if (!wasShown) PresentAll(window);
}

std::unique_ptr<Backend> CreateSdlBackend() {
  // Termination signals end the program as usual instead of becoming SDL_QUIT events that
  // nothing here would act on.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // A click that activates a window counts like any other (the window stand-in decides through
  // WM_MOUSEACTIVATE); SDL would drop one that comes within a few milliseconds of the focus.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  // Wayland windows through xdg-shell itself (the compositor decorates them where it offers
  // server-side decorations): SDL2 2.26 with libdecor frames ends the process on a frame event
  // that comes after a window with a libdecor frame (a closed message box) has gone.
  SDL_SetHintWithPriority(SDL_HINT_VIDEO_WAYLAND_ALLOW_LIBDECOR, "0", SDL_HINT_DEFAULT);
  // The driver for the display the environment names (unless SDL_VIDEODRIVER says otherwise).
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  const char* x11 = std::getenv("DISPLAY");
  if (wayland == nullptr || *wayland == '\0') {
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "x11", SDL_HINT_DEFAULT);
  } else if (x11 == nullptr || *x11 == '\0') {
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "wayland", SDL_HINT_DEFAULT);
  }
  if (const XErrorHandler previous = XSetErrorHandler(IgnoreWakeupsOfGoneWindows);
      previous != IgnoreWakeupsOfGoneWindows) {
    g_previousXErrorHandler = previous;
  }
  auto video = std::make_unique<VideoSubsystem>();
  if (!video->started()) return nullptr;
  // SDL falls back to drivers without a screen (offscreen, dummy) when no display answers.
  const std::string_view driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
  if (driver != "x11" && driver != "wayland") return nullptr;
  if (driver == "x11") {
    // Window surfaces go to the X server directly (shared memory) rather than through a GL
    // texture: starting GL costs more time and memory than the whole program. SDL2's Wayland
    // driver has no such surfaces: its window surfaces are textures drawn by a renderer, and
    // without one nothing would ever reach the screen.
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
  }
  return std::make_unique<SdlBackend>(std::move(video), driver == "x11");
}

std::optional<std::string> SdlBackend::ClipboardText() {
  if (!SDL_HasClipboardText()) return std::nullopt;
  char* text = SDL_GetClipboardText();
  if (text == nullptr) return std::nullopt;
  std::string result(text);
  SDL_free(text);
  return result;
}

bool SdlBackend::SetClipboardText(std::string_view text) {
  return SDL_SetClipboardText(std::string(text).c_str()) == 0;
}

}  // namespace pw::win

#include "platform/backend/SdlBackend.h"

#include <SDL.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <unordered_map>

#include "platform/backend/MessageBoxPainter.h"
#include "platform/backend/SdlKeys.h"
#include "platform/sys/CodePage.h"

namespace pw::win {
namespace {

XErrorHandler g_previousXErrorHandler = nullptr;

// SDL wakes its own event wait by sending an event to one of its windows over a second display
// connection; the server may take that request only after the main connection has destroyed the
// window (a closed message box, say). That error is harmless; every other one goes on to the
// handler SDL installed, which ends the process.
int IgnoreWakeupsOfGoneWindows(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
  return g_previousXErrorHandler != nullptr ? g_previousXErrorHandler(display, error) : 0;
}

struct WindowDeleter {
  void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
};
using WindowPtr = std::unique_ptr<SDL_Window, WindowDeleter>;

// The video subsystem, started for the lifetime of the object.
class VideoSubsystem {
 public:
  VideoSubsystem() : started_(SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {}
  ~VideoSubsystem() {
    if (!started_) return;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    // The last one out also lets go of what SDL started for itself (its D-Bus connection).
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
  }
  VideoSubsystem(const VideoSubsystem&) = delete;
  VideoSubsystem& operator=(const VideoSubsystem&) = delete;
  bool started() const { return started_; }

 private:
  bool started_;
};

std::string TitleOf(std::string_view narrow) {
  return sys::WideToUtf8(sys::NarrowToWide(narrow));
}

// Copies `area` of a 32-bit surface of ours into the SDL window's surface and shows it.
void PresentBitmap(SDL_Window* window, gfx::HBITMAP bitmap, RECT area) {
  gfx::BitmapInfo info;
  if (bitmap == nullptr || !gfx::GetBitmapInfo(bitmap, info) || info.bitsPerPixel != 32 ||
      info.bits == nullptr) {
    return;
  }
  SDL_Surface* target = SDL_GetWindowSurface(window);
  if (target == nullptr) return;
  area.left = std::max(area.left, 0);
  area.top = std::max(area.top, 0);
  area.right = std::min({area.right, info.width, target->w});
  area.bottom = std::min({area.bottom, info.height, target->h});
  if (area.Empty()) return;

  const Uint32 format = target->format->format;
  const bool direct = format == SDL_PIXELFORMAT_XRGB8888 || format == SDL_PIXELFORMAT_ARGB8888;
  if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) return;
  const auto* source = static_cast<const std::uint8_t*>(info.bits);
  auto* destination = static_cast<std::uint8_t*>(target->pixels);
  for (int y = area.top; y < area.bottom; ++y) {
    const int memoryRow = info.topDown ? y : info.height - 1 - y;
    const auto* from = source + static_cast<std::ptrdiff_t>(memoryRow) * info.stride +
                       static_cast<std::ptrdiff_t>(area.left) * 4;
    auto* to = destination + static_cast<std::ptrdiff_t>(y) * target->pitch;
    if (direct) {
      // Same byte order (B, G, R, X); the fourth byte is made opaque.
      auto* out = reinterpret_cast<std::uint32_t*>(to) + area.left;
      for (int x = 0; x < area.Width(); ++x) {
        std::uint32_t pixel;
        std::memcpy(&pixel, from + x * 4, 4);
        out[x] = pixel | 0xFF000000u;
      }
    } else {
      SDL_ConvertPixels(area.Width(), 1, SDL_PIXELFORMAT_XRGB8888, from, info.stride, format,
                        to + area.left * target->format->BytesPerPixel, target->pitch);
    }
  }
  if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
  const SDL_Rect rect{area.left, area.top, area.Width(), area.Height()};
  SDL_UpdateWindowSurfaceRects(window, &rect, 1);
}

class SdlBackend final : public Backend {
 public:
  explicit SdlBackend(std::unique_ptr<VideoSubsystem> video)
      : video_(std::move(video)), start_(SDL_GetTicks()) {
    SDL_StartTextInput();
    SDL_EventState(SDL_DROPFILE, SDL_DISABLE);
  }
  ~SdlBackend() override {
    windows_.clear();
    SDL_StopTextInput();
  }

  void WindowCreated(HWND window) override {
    windows_.try_emplace(window);
    Sync(window);
  }
  void WindowChanged(HWND window) override {
    windows_.try_emplace(window);
    Sync(window);
  }
  void WindowDestroyed(HWND window) override {
    auto found = windows_.find(window);
    if (found == windows_.end()) return;
    const bool hadKeyboard =
        found->second.window && SDL_GetKeyboardFocus() == found->second.window.get();
    if (found->second.window) byId_.erase(found->second.id);
    windows_.erase(found);
    if (hadKeyboard) RefocusActive();
  }

  void Present(HWND window, gfx::HBITMAP surface, const RECT& dirty) override {
    auto found = windows_.find(window);
    if (found == windows_.end() || !found->second.window || !found->second.shown) return;
    PresentBitmap(found->second.window.get(), surface, dirty);
    if (reportFirstFrame_) {
      // For start-up measurements: the wall-clock time once the first painted frame is shown.
      reportFirstFrame_ = false;
      const auto now = std::chrono::system_clock::now().time_since_epoch();
      std::fprintf(stderr, "first painted frame at %lld ms\n",
                   static_cast<long long>(
                       std::chrono::duration_cast<std::chrono::milliseconds>(now).count()));
    }
  }

  void PumpEvents(std::optional<std::uint32_t> timeoutMs) override {
    SDL_Event event;
    bool have;
    if (!timeoutMs) {
      have = SDL_WaitEvent(&event) != 0;
    } else if (*timeoutMs == 0) {
      have = SDL_PollEvent(&event) != 0;
    } else {
      const auto wait = std::min<std::uint32_t>(*timeoutMs, std::numeric_limits<int>::max());
      have = SDL_WaitEventTimeout(&event, static_cast<int>(wait)) != 0;
    }
    // One piece of input at a time: the window stand-in routes input when it arrives (to the
    // capture, the focus), so what the previous piece led to (a list dropping down and taking
    // the capture, say) must have happened first. Window events are taken in bulk.
    while (have && !Handle(event)) have = SDL_PollEvent(&event) != 0;
  }

  std::uint32_t Now() override { return SDL_GetTicks() - start_; }

  int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption,
                     unsigned flags) override;

  // The desktop clipboard (X11 or Wayland), through SDL.
  std::optional<std::string> ClipboardText() override {
    if (!SDL_HasClipboardText()) return std::nullopt;
    char* text = SDL_GetClipboardText();
    if (text == nullptr) return std::nullopt;
    std::string result(text);
    SDL_free(text);
    return result;
  }
  bool SetClipboardText(std::string_view text) override {
    return SDL_SetClipboardText(std::string(text).c_str()) == 0;
  }

 private:
  struct Entry {
    WindowPtr window;
    Uint32 id = 0;
    bool shown = false;
    bool popup = false;  // created without a frame (drop-down lists and the like)
    // What the SDL window was last given, to skip calls that change nothing.
    std::string title;
    int x = 0, y = 0, width = 0, height = 0;
    bool resizable = false;
    bool topmost = false;
    SDL_Window* modalFor = nullptr;
    gfx::HBITMAP icon = nullptr;
  };

  Entry* Find(HWND window) {
    auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : &found->second;
  }
  HWND FromId(Uint32 id) const {
    auto found = byId_.find(id);
    return found == byId_.end() ? nullptr : found->second;
  }
  SDL_Window* ShownSdlWindow(HWND window) {
    Entry* entry = window ? Find(window) : nullptr;
    return entry && entry->shown ? entry->window.get() : nullptr;
  }

  void Sync(HWND window);
  // Gives the keyboard back to the active window after a window of ours that had it went away.
  // Without a window manager X11 would otherwise leave the focus nowhere.
  void RefocusActive() {
    if (SDL_Window* active = ShownSdlWindow(GetActiveWindow())) SDL_SetWindowInputFocus(active);
  }
  void PresentAll(HWND window) {
    Entry* entry = Find(window);
    if (entry == nullptr || !entry->shown) return;
    RECT client;
    if (!GetClientRect(window, client)) return;
    PresentBitmap(entry->window.get(), GetWindowSurface(window), client);
  }
  // Each returns whether it gave the window stand-in input.
  bool Handle(const SDL_Event& event);
  bool HandleWindowEvent(const SDL_WindowEvent& event);
  bool Mouse(Uint32 windowId, unsigned message, int x, int y);

  std::unique_ptr<VideoSubsystem> video_;  // first in, last out: outlives the windows
  Uint32 start_;
  std::unordered_map<HWND, Entry> windows_;
  std::unordered_map<Uint32, HWND> byId_;
  bool reportFirstFrame_ = std::getenv("PW_REPORT_FIRST_FRAME") != nullptr;
  bool applying_ = false;  // inside Sync: window events it causes are not fed back
};

void SdlBackend::Sync(HWND window) {
  Entry* entry = Find(window);
  if (entry == nullptr || !IsWindow(window)) return;
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
  POINT origin{0, 0};
  ClientToScreen(window, origin);
  RECT client;
  GetClientRect(window, client);
  const int width = std::max(client.Width(), 1);
  const int height = std::max(client.Height(), 1);
  const bool resizable = (style & WS_THICKFRAME) != 0;
  const bool topmost = (exStyle & WS_EX_TOPMOST) != 0;
  std::string title = TitleOf(GetWindowText(window));

  applying_ = true;
  if (!entry->window) {
    // Windows without a caption (pop-ups such as a combo box's list) get no frame and no
    // taskbar entry; the window manager is asked not to treat them as application windows.
    const bool popup = (style & WS_POPUP) != 0 && (style & WS_CAPTION) != WS_CAPTION;
    Uint32 flags = SDL_WINDOW_HIDDEN;
    if (resizable && !popup) flags |= SDL_WINDOW_RESIZABLE;
    if (popup) flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_POPUP_MENU;
    if (topmost) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
    entry->window.reset(SDL_CreateWindow(title.c_str(), origin.x, origin.y, width, height, flags));
    if (!entry->window) {
      applying_ = false;
      SDL_Log("cannot create a window: %s", SDL_GetError());
      return;
    }
    entry->id = SDL_GetWindowID(entry->window.get());
    byId_[entry->id] = window;
    entry->popup = popup;
    entry->title = title;
    entry->x = origin.x, entry->y = origin.y, entry->width = width, entry->height = height;
    entry->resizable = resizable && !popup;
    entry->topmost = topmost;
  } else {
    SDL_Window* sdl = entry->window.get();
    if (title != entry->title) {
      SDL_SetWindowTitle(sdl, title.c_str());
      entry->title = std::move(title);
    }
    if (!entry->popup && resizable != entry->resizable) {
      SDL_SetWindowResizable(sdl, resizable ? SDL_TRUE : SDL_FALSE);
      entry->resizable = resizable;
    }
    if (topmost != entry->topmost) {
      SDL_SetWindowAlwaysOnTop(sdl, topmost ? SDL_TRUE : SDL_FALSE);
      entry->topmost = topmost;
    }
    if (width != entry->width || height != entry->height) {
      SDL_SetWindowSize(sdl, width, height);
      entry->width = width, entry->height = height;
    }
    if (origin.x != entry->x || origin.y != entry->y) {
      SDL_SetWindowPosition(sdl, origin.x, origin.y);
      entry->x = origin.x, entry->y = origin.y;
    }
  }

  if (gfx::HBITMAP icon = GetWindowIcon(window); icon != entry->icon) {
    entry->icon = icon;
    gfx::BitmapInfo info;
    if (icon != nullptr && gfx::GetBitmapInfo(icon, info) && info.bits != nullptr &&
        info.bitsPerPixel == 32 && info.topDown) {
      SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
          info.bits, info.width, info.height, 32, info.stride, SDL_PIXELFORMAT_ARGB8888);
      if (surface != nullptr) {
        SDL_SetWindowIcon(entry->window.get(), surface);
        SDL_FreeSurface(surface);
      }
    }
  }

  // An owned window stays above its owner (transient for it) while the owner is on screen.
  SDL_Window* owner = ShownSdlWindow(GetParent(window));
  if (owner != nullptr && owner != entry->modalFor) {
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

bool SdlBackend::Mouse(Uint32 windowId, unsigned message, int x, int y) {
  HWND window = FromId(windowId);
  if (window == nullptr || !IsWindow(window)) return false;
  // Screen coordinates as the window stand-in places the window, so the point lands in it even
  // when the window manager put the real window somewhere else.
  POINT point{x, y};
  ClientToScreen(window, point);
  InputMouse(message, point);
  return true;
}

bool SdlBackend::HandleWindowEvent(const SDL_WindowEvent& event) {
  HWND window = FromId(event.windowID);
  if (window == nullptr || !IsWindow(window)) return false;
  Entry* entry = Find(window);
  if (entry == nullptr) return false;
  switch (event.event) {
    case SDL_WINDOWEVENT_EXPOSED:
      PresentAll(window);
      return false;
    case SDL_WINDOWEVENT_CLOSE:
      InputClose(window);
      return true;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      // Pop-ups never take the activation from the window that opened them. A disabled window
      // (one a modal window stands over) sends the user back to the active window.
      if (entry->popup || GetActiveWindow() == window) return false;
      if (IsWindowEnabled(window)) {
        InputActivate(window);
        return true;
      }
      if (SDL_Window* active = ShownSdlWindow(GetActiveWindow())) SDL_RaiseWindow(active);
      return false;
    case SDL_WINDOWEVENT_MOVED: {
      if (applying_ || (event.data1 == entry->x && event.data2 == entry->y)) return false;
      // The window manager placed the window: the window follows, frame included.
      RECT frame;
      POINT origin{0, 0};
      if (!GetWindowRect(window, frame) || !ClientToScreen(window, origin)) return false;
      entry->x = event.data1, entry->y = event.data2;
      SetWindowPos(window, nullptr, event.data1 - (origin.x - frame.left),
                   event.data2 - (origin.y - frame.top), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return true;
    }
    case SDL_WINDOWEVENT_SIZE_CHANGED: {
      if (applying_ || (event.data1 == entry->width && event.data2 == entry->height)) {
        return false;
      }
      if (!entry->resizable) return false;
      RECT frame, client;
      if (!GetWindowRect(window, frame) || !GetClientRect(window, client)) return false;
      entry->width = event.data1, entry->height = event.data2;
      SetWindowPos(window, nullptr, 0, 0, event.data1 + frame.Width() - client.Width(),
                   event.data2 + frame.Height() - client.Height(),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      PresentAll(window);
      return true;
    }
    default:
      return false;
  }
}

bool SdlBackend::Handle(const SDL_Event& event) {
  switch (event.type) {
    case SDL_WINDOWEVENT:
      return HandleWindowEvent(event.window);
    case SDL_MOUSEMOTION:
      if (event.motion.which == SDL_TOUCH_MOUSEID) return false;
      return Mouse(event.motion.windowID, WM_MOUSEMOVE, event.motion.x, event.motion.y);
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      if (event.button.which == SDL_TOUCH_MOUSEID) return false;
      const bool down = event.type == SDL_MOUSEBUTTONDOWN;
      unsigned message = 0;
      if (event.button.button == SDL_BUTTON_LEFT) {
        message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
      } else if (event.button.button == SDL_BUTTON_RIGHT) {
        message = down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
      }
      if (message == 0) return false;
      return Mouse(event.button.windowID, message, event.button.x, event.button.y);
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      if (auto key = VirtualKeyFromSdl(event.key.keysym.sym)) {
        InputKey(*key, event.type == SDL_KEYDOWN);
        return true;
      }
      return false;
    case SDL_TEXTINPUT:
      for (char32_t c : sys::Utf8ToCodePoints(event.text.text)) InputChar(c);
      return true;
    default:
      return false;
  }
}

int SdlBackend::ShowMessageBox(HWND owner, std::string_view text, std::string_view caption,
                               unsigned flags) {
  const MessageBoxLayout layout = LayoutMessageBox(text, flags);
  Canvas canvas(layout.client.cx, layout.client.cy);
  bool pressed = false;
  PaintMessageBox(canvas.dc(), layout, text, flags, pressed);

  // Centred over the owner, else over the active window, else on the first display.
  SDL_Window* parent = ShownSdlWindow(owner);
  if (parent == nullptr) parent = ShownSdlWindow(GetActiveWindow());
  int x = SDL_WINDOWPOS_CENTERED;
  int y = SDL_WINDOWPOS_CENTERED;
  if (parent != nullptr) {
    int px, py, pw, ph;
    SDL_GetWindowPosition(parent, &px, &py);
    SDL_GetWindowSize(parent, &pw, &ph);
    x = px + (pw - layout.client.cx) / 2;
    y = py + (ph - layout.client.cy) / 2;
  }
  const std::string title = TitleOf(caption);
  WindowPtr box(SDL_CreateWindow(title.c_str(), x, y, layout.client.cx, layout.client.cy,
                                 SDL_WINDOW_HIDDEN | SDL_WINDOW_SKIP_TASKBAR));
  if (!box) {
    SDL_Log("cannot create the message box: %s", SDL_GetError());
    return IDOK;
  }
  if (parent != nullptr) SDL_SetWindowModalFor(box.get(), parent);
  SDL_ShowWindow(box.get());
  SDL_RaiseWindow(box.get());
  const Uint32 boxId = SDL_GetWindowID(box.get());
  const RECT whole{0, 0, layout.client.cx, layout.client.cy};
  auto repaint = [&](bool nowPressed) {
    if (nowPressed == pressed) return;
    pressed = nowPressed;
    PaintMessageBox(canvas.dc(), layout, text, flags, pressed);
    PresentBitmap(box.get(), canvas.bitmap(), whole);
  };
  PresentBitmap(box.get(), canvas.bitmap(), whole);

  // The box is modal: the other windows only get their pictures back when uncovered. Keys count
  // wherever the keyboard focus is, so the box answers even when the focus stayed elsewhere.
  bool mouseDown = false;
  bool spaceDown = false;
  SDL_Event event;
  for (bool done = false; !done && SDL_WaitEvent(&event) != 0;) {
    switch (event.type) {
      case SDL_WINDOWEVENT:
        if (event.window.windowID == boxId) {
          if (event.window.event == SDL_WINDOWEVENT_CLOSE) done = true;
          if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
            PresentBitmap(box.get(), canvas.bitmap(), whole);
          }
        } else if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
          if (HWND other = FromId(event.window.windowID)) PresentAll(other);
        } else if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
          SDL_RaiseWindow(box.get());
        }
        break;
      case SDL_MOUSEBUTTONDOWN:
        if (event.button.windowID != boxId) {
          SDL_RaiseWindow(box.get());
        } else if (event.button.button == SDL_BUTTON_LEFT &&
                   layout.button.Contains({event.button.x, event.button.y})) {
          mouseDown = true;
          repaint(true);
        }
        break;
      case SDL_MOUSEMOTION:
        if (mouseDown && event.motion.windowID == boxId) {
          repaint(layout.button.Contains({event.motion.x, event.motion.y}));
        }
        break;
      case SDL_MOUSEBUTTONUP:
        if (mouseDown && event.button.button == SDL_BUTTON_LEFT) {
          mouseDown = false;
          if (event.button.windowID == boxId &&
              layout.button.Contains({event.button.x, event.button.y})) {
            done = true;
          } else {
            repaint(false);
          }
        }
        break;
      case SDL_KEYDOWN:
        if (event.key.repeat != 0) break;
        switch (event.key.keysym.sym) {
          case SDLK_RETURN:
          case SDLK_KP_ENTER:
          case SDLK_ESCAPE:
            done = true;
            break;
          case SDLK_SPACE:
            spaceDown = true;
            repaint(true);
            break;
          default:
            break;
        }
        break;
      case SDL_KEYUP:
        if (spaceDown && event.key.keysym.sym == SDLK_SPACE) done = true;
        break;
      default:
        break;
    }
  }
  box.reset();
  RefocusActive();
  return IDOK;
}

}  // namespace

std::unique_ptr<Backend> CreateSdlBackend() {
  // Termination signals end the program as usual instead of becoming SDL_QUIT events that
  // nothing here would act on.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // A click that activates a window counts like any other (the window stand-in decides through
  // WM_MOUSEACTIVATE); SDL would drop one that comes within a few milliseconds of the focus.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  // Window surfaces go to the display server directly (shared memory on X11) rather than
  // through a GL texture: starting GL costs more time and memory than the whole program.
  SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
  // The driver for the display the environment names (unless SDL_VIDEODRIVER says otherwise).
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  const char* x11 = std::getenv("DISPLAY");
  if (wayland == nullptr || *wayland == '\0') {
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "x11", SDL_HINT_DEFAULT);
  } else if (x11 == nullptr || *x11 == '\0') {
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "wayland", SDL_HINT_DEFAULT);
  }
  auto video = std::make_unique<VideoSubsystem>();
  if (!video->started()) return nullptr;
  // SDL falls back to drivers without a screen (offscreen, dummy) when no display answers.
  const std::string_view driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
  if (driver != "x11" && driver != "wayland") return nullptr;
  if (driver == "x11") {
    const XErrorHandler previous = XSetErrorHandler(IgnoreWakeupsOfGoneWindows);
    if (previous != IgnoreWakeupsOfGoneWindows) g_previousXErrorHandler = previous;
  }
  return std::make_unique<SdlBackend>(std::move(video));
}

}  // namespace pw::win

#pragma once
// The display backend for a real desktop (X11 or Wayland) on SDL2. Each shown top-level window
// becomes an SDL window of its client size, framed by the window manager as its border style
// says (X11WindowHints), with the program's icon; our surfaces are presented in software through
// the SDL window surface (SdlPresenter). At a desktop scale other than 1 (DesktopScale) the SDL
// windows are the designed sizes and positions times the scale, the surfaces are presented
// scaled and input is mapped back, so the framework keeps its 96-pixel-per-inch layout. Message
// boxes are small SDL windows of our own, painted with the graphics stand-in.
//
// The parts: windows (SdlBackend.cpp), input (SdlEvents.cpp), the message box (SdlMessageBox.cpp).
//
// Pop-ups (drop-down lists, menus) are borderless SDL windows on X11. SDL2 2.26 cannot show
// pop-ups on Wayland (the positioner it gives the compositor is incomplete, which ends the
// connection) and a toplevel cannot place itself there, so on Wayland a pop-up is drawn over the
// client area of the window it belongs to; pointer input reaches it by position as before.
//
// Limitations of SDL2 that show: a disabled window is not greyed out by the window manager (its
// input is dropped instead); minimising by the window manager is not reported to the window. On
// Wayland, SDL2 2.26 sets no window icon (the desktop takes it from the desktop entry), cannot
// ask for a frame without minimise and maximise boxes, and windows have a frame only where the
// compositor draws one (libdecor, which would draw one otherwise, is left out: see
// CreateSdlBackend).

#include <SDL.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/backend/SdlPresenter.h"
#include "platform/backend/X11WindowHints.h"
#include "platform/win/Backend.h"

namespace pw::win {

struct SdlWindowDeleter {
  void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
};
using SdlWindowPtr = std::unique_ptr<SDL_Window, SdlWindowDeleter>;

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

struct MessageBoxLayout;

class SdlBackend final : public Backend {
 public:
  SdlBackend(std::unique_ptr<VideoSubsystem> video, bool x11);
  ~SdlBackend() override;

  void WindowCreated(HWND window) override;
  void WindowChanged(HWND window) override;
  void WindowDestroyed(HWND window) override;
  void Present(HWND window, gfx::HBITMAP surface, const RECT& dirty) override;
  void PumpEvents(std::optional<std::uint32_t> timeoutMs) override;
  std::uint32_t Now() override { return SDL_GetTicks() - start_; }
  int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption,
                     unsigned flags) override;
  // The desktop clipboard (X11 or Wayland), through SDL.
  std::optional<std::string> ClipboardText() override;
  bool SetClipboardText(std::string_view text) override;

 private:
  struct Entry {
    SdlWindowPtr window;
    Uint32 id = 0;
    bool shown = false;
    bool popup = false;  // created without a frame (drop-down lists and the like)
    std::optional<X11Window> x11;
    // What the SDL window was last given, to skip calls that change nothing (designed units).
    std::string title;
    int frameX = 0, frameY = 0;  // the frame's top-left corner on the screen
    int width = 0, height = 0;   // the client area
    std::uint32_t style = 0;
    bool resizable = false;
    bool topmost = false;
    SDL_Window* modalFor = nullptr;
    std::vector<gfx::HBITMAP> icon;
    // A pop-up drawn over another window's client area instead of a window of its own: that
    // window, and where it was last drawn there.
    HWND layerOf = nullptr;
    RECT layerRect;
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

  // SDL window units per designed pixel; known once the first window exists.
  double Scale() const { return scale_.value_or(1.0); }
  int Scaled(int designed) const { return static_cast<int>(std::lround(designed * Scale())); }
  int Designed(int scaled) const { return static_cast<int>(std::floor(scaled / Scale())); }
  void LearnScale(SDL_Window* first);

  void Sync(HWND window);
  void SyncLayer(HWND window, Entry& entry);
  // Presents `area` (client coordinates) of a window with the pop-ups drawn over it.
  void Compose(HWND window, const RECT& area);
  bool Create(HWND window, Entry& entry, std::uint32_t style, std::uint32_t exStyle,
              const std::string& title);
  void Place(Entry& entry, int frameX, int frameY);
  void ApplyFrameHints(Entry& entry);
  void ApplyIcon(Entry& entry, std::vector<gfx::HBITMAP> icon);
  // The message box's window, centred over `parent` (or the screen), and its modal loop.
  SdlWindowPtr OpenMessageBox(SDL_Window* parent, std::string_view caption, gfx::SIZE client);
  void RunMessageBox(SDL_Window* box, const MessageBoxLayout& layout, std::string_view text,
                     unsigned flags);
  // Gives the keyboard back to the active window after a window of ours that had it went away.
  // Without a window manager X11 would otherwise leave the focus nowhere.
  void RefocusActive() {
    if (SDL_Window* active = ShownSdlWindow(GetActiveWindow())) SDL_SetWindowInputFocus(active);
  }
  void PresentAll(HWND window) {
    RECT client;
    if (GetClientRect(window, client)) Compose(window, client);
  }

  // Each returns whether it gave the window stand-in input.
  bool Handle(const SDL_Event& event);
  bool HandleWindowEvent(const SDL_WindowEvent& event);
  bool Mouse(Uint32 windowId, unsigned message, int x, int y);

  std::unique_ptr<VideoSubsystem> video_;  // first in, last out: outlives the windows
  bool x11_;
  Uint32 start_;
  std::optional<double> scale_;
  std::unordered_map<HWND, Entry> windows_;
  std::unordered_map<Uint32, HWND> byId_;
  bool reportFirstFrame_ = std::getenv("PW_REPORT_FIRST_FRAME") != nullptr;
  bool applying_ = false;  // inside Sync: window events it causes are not fed back
};

// The SDL2 backend, or null when SDL's video subsystem cannot start (no display).
std::unique_ptr<Backend> CreateSdlBackend();

}  // namespace pw::win

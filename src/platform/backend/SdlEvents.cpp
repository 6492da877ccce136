// The SDL2 backend's input: SDL events turned into the window stand-in's input, with positions
// and sizes mapped from the desktop's scale back to the designed one.

#include <algorithm>
#include <limits>

#include "platform/backend/SdlBackend.h"
#include "platform/backend/SdlKeys.h"
#include "platform/sys/CodePage.h"

namespace pw::win {

void SdlBackend::PumpEvents(std::optional<std::uint32_t> timeoutMs) {
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

bool SdlBackend::Mouse(Uint32 windowId, unsigned message, int x, int y) {
  HWND window = FromId(windowId);
  if (window == nullptr || !IsWindow(window)) return false;
  // Screen coordinates as the window stand-in places the window, so the point lands in it even
  // when the window manager put the real window somewhere else.
  POINT point{Designed(x), Designed(y)};
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
      // Wayland reports no positions of toplevels; X11 reports the client area's.
      if (applying_ || !x11_ || entry->popup) return false;
      const RECT extents = entry->x11 ? FrameExtents(*entry->x11) : RECT{};
      const int frameX = Designed(event.data1 - extents.left);
      const int frameY = Designed(event.data2 - extents.top);
      if (frameX == entry->frameX && frameY == entry->frameY) return false;
      // The window manager placed the window: the window follows, frame included.
      entry->frameX = frameX, entry->frameY = frameY;
      SetWindowPos(window, nullptr, frameX, frameY, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return true;
    }
    case SDL_WINDOWEVENT_SIZE_CHANGED: {
      const int width = static_cast<int>(std::lround(event.data1 / Scale()));
      const int height = static_cast<int>(std::lround(event.data2 / Scale()));
      if (applying_ || !entry->resizable || (width == entry->width && height == entry->height)) {
        PresentAll(window);
        return false;
      }
      RECT frame, client;
      if (!GetWindowRect(window, frame) || !GetClientRect(window, client)) return false;
      entry->width = width, entry->height = height;
      SetWindowPos(window, nullptr, 0, 0, width + frame.Width() - client.Width(),
                   height + frame.Height() - client.Height(),
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

}  // namespace pw::win

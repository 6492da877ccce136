// The SDL2 backend's message box: a small SDL window of our own, painted with the graphics
// stand-in (MessageBoxPainter), presented at the desktop's scale, in a modal loop of its own.

#include <string>

#include "platform/backend/MessageBoxPainter.h"
#include "platform/backend/SdlBackend.h"
#include "platform/sys/CodePage.h"

namespace pw::win {
int SdlBackend::ShowMessageBox(HWND owner, std::string_view text, std::string_view caption,
                               unsigned flags) {
  const MessageBoxLayout layout = LayoutMessageBox(text, flags);
  Canvas canvas(layout.client.cx, layout.client.cy);
  bool pressed = false;
  PaintMessageBox(canvas.dc(), layout, text, flags, pressed);

  // Centred over the owner, else over the active window, else on the first display.
  SDL_Window* parent = ShownSdlWindow(owner);
  if (parent == nullptr) parent = ShownSdlWindow(GetActiveWindow());
  const int width = Scaled(layout.client.cx);
  const int height = Scaled(layout.client.cy);
  int x = SDL_WINDOWPOS_CENTERED;
  int y = SDL_WINDOWPOS_CENTERED;
  if (parent != nullptr) {
    int px, py, pw, ph;
    SDL_GetWindowPosition(parent, &px, &py);
    SDL_GetWindowSize(parent, &pw, &ph);
    x = px + (pw - width) / 2;
    y = py + (ph - height) / 2;
  }
  const std::string title = sys::WideToUtf8(sys::NarrowToWide(caption));
  SdlWindowPtr box(
      SDL_CreateWindow(title.c_str(), x, y, width, height,
                       SDL_WINDOW_HIDDEN | SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_ALLOW_HIGHDPI));
  if (!box) {
    SDL_Log("cannot create the message box: %s", SDL_GetError());
    return IDOK;
  }
  if (!scale_) LearnScale(box.get());
  if (auto native = NativeX11Window(box.get())) {
    SetFrameFunctions(*native, WS_CAPTION | WS_SYSMENU);
    const auto position = parent != nullptr ? std::optional<POINT>(POINT{x, y}) : std::nullopt;
    SetPlacementHints(*native, position, width, height, false);
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
  auto onButton = [&](int scaledX, int scaledY) {
    return layout.button.Contains({Designed(scaledX), Designed(scaledY)});
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
          if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
              event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
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
                   onButton(event.button.x, event.button.y)) {
          mouseDown = true;
          repaint(true);
        }
        break;
      case SDL_MOUSEMOTION:
        if (mouseDown && event.motion.windowID == boxId) {
          repaint(onButton(event.motion.x, event.motion.y));
        }
        break;
      case SDL_MOUSEBUTTONUP:
        if (mouseDown && event.button.button == SDL_BUTTON_LEFT) {
          mouseDown = false;
          if (event.button.windowID == boxId && onButton(event.button.x, event.button.y)) {
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

}  // namespace pw::win

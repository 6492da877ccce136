// The SDL2 backend's message box: a small SDL window of our own, painted with the graphics
// stand-in (MessageBoxPainter), presented at the desktop's scale, in a modal loop of its own.

#include <string>

#include "platform/backend/MessageBoxPainter.h"
#include "platform/backend/SdlBackend.h"
#include "platform/sys/CodePage.h"

namespace pw::win {
namespace {

// The OK button under the mouse and the keys: whether it shows pushed, and whether the box has
// been answered. Points are client coordinates at the designed size.
class BoxButton {
 public:
  explicit BoxButton(const RECT& button) : button_(button) {}
  bool pressed() const { return pressed_; }
  bool answered() const { return answered_; }
  void Answer() { answered_ = true; }

  // Each of these returns whether the button changed its look.
  bool MouseDown(POINT point) {
    if (!button_.Contains(point)) return false;
    mouseDown_ = true;
    return Push(true);
  }
  bool MouseMove(POINT point) { return mouseDown_ && Push(button_.Contains(point)); }
  // Without a point the release came over another window.
  bool MouseUp(std::optional<POINT> point) {
    if (!mouseDown_) return false;
    mouseDown_ = false;
    if (point && button_.Contains(*point)) {
      answered_ = true;
      return false;
    }
    return Push(false);
  }
  bool KeyDown(SDL_Keycode key) {
    switch (key) {
      case SDLK_RETURN:
      case SDLK_KP_ENTER:
      case SDLK_ESCAPE:
        answered_ = true;
        return false;
      case SDLK_SPACE:
        spaceDown_ = true;
        return Push(true);
      default:
        return false;
    }
  }
  void KeyUp(SDL_Keycode key) {
    if (spaceDown_ && key == SDLK_SPACE) answered_ = true;
  }

 private:
  bool Push(bool pushed) {
    if (pushed == pressed_) return false;
    pressed_ = pushed;
    return true;
  }

  RECT button_;
  bool pressed_ = false;
  bool answered_ = false;
  bool mouseDown_ = false;
  bool spaceDown_ = false;
};

}  // namespace

int SdlBackend::ShowMessageBox(HWND owner, std::string_view text, std::string_view caption,
                               unsigned flags) {
  const MessageBoxLayout layout = LayoutMessageBox(text, flags);
  // Centred over the owner, else over the active window, else on the first display.
  SDL_Window* parent = ShownSdlWindow(owner);
  if (parent == nullptr) parent = ShownSdlWindow(GetActiveWindow());
  SdlWindowPtr box = OpenMessageBox(parent, caption, layout.client);
  if (box) RunMessageBox(box.get(), layout, text, flags);
  box.reset();
  RefocusActive();
  return IDOK;
}

SdlWindowPtr SdlBackend::OpenMessageBox(SDL_Window* parent, std::string_view caption,
                                        gfx::SIZE client) {
  const int width = Scaled(client.cx);
  const int height = Scaled(client.cy);
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
    return box;
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
  return box;
}

void SdlBackend::RunMessageBox(SDL_Window* box, const MessageBoxLayout& layout,
                               std::string_view text, unsigned flags) {
  Canvas canvas(layout.client.cx, layout.client.cy);
  BoxButton button(layout.button);
  const RECT whole{0, 0, layout.client.cx, layout.client.cy};
  const auto present = [&] { PresentBitmap(box, canvas.bitmap(), whole); };
  const auto repaint = [&] {
    PaintMessageBox(canvas.dc(), layout, text, flags, button.pressed());
    present();
  };
  const auto designed = [&](int x, int y) { return POINT{Designed(x), Designed(y)}; };
  repaint();

  // The box is modal: the other windows only get their pictures back when uncovered. Keys count
  // wherever the keyboard focus is, so the box answers even when the focus stayed elsewhere.
  const Uint32 boxId = SDL_GetWindowID(box);
  SDL_Event event;
  while (!button.answered() && SDL_WaitEvent(&event) != 0) {
    bool changed = false;
    switch (event.type) {
      case SDL_WINDOWEVENT: {
        const SDL_WindowEvent& window = event.window;
        if (window.windowID == boxId) {
          if (window.event == SDL_WINDOWEVENT_CLOSE) button.Answer();
          if (window.event == SDL_WINDOWEVENT_EXPOSED ||
              window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            present();
          }
        } else if (window.event == SDL_WINDOWEVENT_EXPOSED) {
          if (HWND other = FromId(window.windowID)) PresentAll(other);
        } else if (window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
          SDL_RaiseWindow(box);
        }
        break;
      }
      case SDL_MOUSEBUTTONDOWN:
        if (event.button.windowID != boxId) {
          SDL_RaiseWindow(box);
        } else if (event.button.button == SDL_BUTTON_LEFT) {
          changed = button.MouseDown(designed(event.button.x, event.button.y));
        }
        break;
      case SDL_MOUSEMOTION:
        if (event.motion.windowID == boxId) {
          changed = button.MouseMove(designed(event.motion.x, event.motion.y));
        }
        break;
      case SDL_MOUSEBUTTONUP:
        if (event.button.button == SDL_BUTTON_LEFT) {
          changed = button.MouseUp(event.button.windowID == boxId
                                       ? std::optional(designed(event.button.x, event.button.y))
                                       : std::nullopt);
        }
        break;
      case SDL_KEYDOWN:
        if (event.key.repeat == 0) changed = button.KeyDown(event.key.keysym.sym);
        break;
      case SDL_KEYUP:
        button.KeyUp(event.key.keysym.sym);
        break;
      default:
        break;
    }
    if (changed) repaint();
  }
}

}  // namespace pw::win

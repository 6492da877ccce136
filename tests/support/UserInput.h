#pragma once
// Input as a user gives it, on the headless backend: each mouse step, key and character is
// delivered and everything it causes (messages, paints) is handled before the next one. Message
// boxes are answered with OK at once and recorded.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "controls/Application.h"
#include "controls/Control.h"
#include "controls/CustomForm.h"
#include "platform/gfx/Gdi.h"
#include "platform/sys/CodePage.h"
#include "platform/win/Backend.h"
#include "platform/backend/HeadlessBackend.h"
#include "support/TestContext.h"

namespace pw::testing {

struct MessageBoxRecord {
  std::string text;
  std::string caption;
  unsigned flags = 0;
};

class UserInput {
 public:
  UserInput() {
    Backend().SetMessageBoxHandler(
        [this](win::HWND, std::string_view text, std::string_view caption, unsigned flags) {
          boxes.push_back({std::string(text), std::string(caption), flags});
          return win::IDOK;
        });
  }
  ~UserInput() { Backend().SetMessageBoxHandler(nullptr); }
  UserInput(const UserInput&) = delete;
  UserInput& operator=(const UserInput&) = delete;

  static win::HeadlessBackend& Backend() { return Headless(); }

  // A client pixel of a window as it was last painted; CLR_INVALID without a surface.
  static gfx::COLORREF Pixel(win::HWND window, int x, int y) {
    gfx::BitmapInfo info;
    if (!gfx::GetBitmapInfo(win::GetWindowSurface(window), info)) return gfx::CLR_INVALID;
    const auto* row = static_cast<const std::uint8_t*>(info.bits) + y * info.stride;
    const std::uint32_t p = reinterpret_cast<const std::uint32_t*>(row)[x];
    return gfx::RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }

  // Handles every pending event and message.
  static void Settle() {
    do {
      Backend().PumpEvents(0);
      Application().ProcessMessages();
    } while (Backend().HasPendingEvents());
  }

  // A point of the control (its centre by default) in its window's client area.
  static gfx::POINT WindowPoint(const TControl& control, int x = -1, int y = -1) {
    gfx::POINT point{x < 0 ? control.Width() / 2 : x, y < 0 ? control.Height() / 2 : y};
    for (const TControl* c = &control; c->Parent() != nullptr; c = c->Parent()) {
      point.x += c->Left();
      point.y += c->Top();
    }
    return point;
  }

  static void Mouse(unsigned message, TCustomForm& form, gfx::POINT client) {
    Backend().InjectMouse(message, form.Handle(), client);
    Settle();
  }
  static void ClickAt(TCustomForm& form, gfx::POINT client) {
    Mouse(win::WM_MOUSEMOVE, form, client);
    Mouse(win::WM_LBUTTONDOWN, form, client);
    Mouse(win::WM_LBUTTONUP, form, client);
  }
  static void Click(TControl& control, int x = -1, int y = -1) {
    ClickAt(*control.ParentForm(), WindowPoint(control, x, y));
  }

  static void Key(unsigned key, bool shift = false) {
    if (shift) Send(win::VK_SHIFT, true);
    Send(key, true);
    Send(key, false);
    if (shift) Send(win::VK_SHIFT, false);
  }
  // Typed characters (UTF-8), one after another.
  static void Type(std::string_view text) {
    for (char16_t c : sys::Utf8ToWide(text)) {
      Backend().InjectChar(c);
      Settle();
    }
  }

  std::vector<MessageBoxRecord> boxes;

 private:
  static void Send(unsigned key, bool down) {
    Backend().InjectKey(key, down);
    Settle();
  }
};

}  // namespace pw::testing

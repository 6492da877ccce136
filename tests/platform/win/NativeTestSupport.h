#pragma once
// Set-up of the native control tests: a fresh headless backend, a parent window that records the
// WM_COMMAND notifications and WM_DRAWITEM requests of its controls, and input helpers that let
// the loop handle each event before the next one (so Shift and the mouse buttons are down while
// the keys and moves between them are handled).

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "MessagePump.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Gdi.h"
#include "platform/win/Backend.h"
#include "platform/win/Messages.h"
#include "platform/win/NativeClasses.h"
#include "platform/win/Window.h"

namespace pw::win::testing {

struct Command {
  int id;
  unsigned code;
  HWND control;
  bool operator==(const Command&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Command& c) {
  return out << "{id " << c.id << ", code " << c.code << "}";
}

class NativeControlTest : public ::testing::Test {
 protected:
  static constexpr const char* kParentClass = "PwNativeTestParent";
  static inline std::vector<Command> commands;
  static inline std::vector<DRAWITEMSTRUCT> drawn;
  // Called for each notification after it is recorded (the parent's own reaction).
  static inline std::function<void(const Command&)> onCommand;
  // Fills the item's rectangle with this colour while drawing an owner-drawn button.
  static inline gfx::COLORREF drawColor = gfx::RGB(255, 0, 0);

  HeadlessBackend* backend = nullptr;
  HWND parent = nullptr;

  void SetUp() override {
    backend = &pw::testing::Headless();
    RegisterNativeClasses();
    WindowClass c;
    c.name = kParentClass;
    c.proc = ParentProc;
    c.background = gfx::GetSysColorBrush(gfx::COLOR_BTNFACE);
    RegisterClass(c);
    commands.clear();
    drawn.clear();
    onCommand = nullptr;
    parent =
        CreateWindowEx(0, kParentClass, "Parent", WS_POPUP | WS_VISIBLE, 40, 30, 400, 300, nullptr);
    ASSERT_NE(parent, nullptr);
    SetActiveWindow(parent);
    Pump();
  }

  void TearDown() override {
    onCommand = nullptr;
    if (IsWindow(parent)) DestroyWindow(parent);
    Drain();
    for (unsigned key : {VK_SHIFT, VK_CONTROL, VK_MENU}) {
      if (GetKeyState(key) < 0) InputKey(key, false);
    }
    Drain();
  }

  static LRESULT ParentProc(HWND window, unsigned message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
      commands.push_back(
          {LOWORD(wParam), static_cast<unsigned>(HIWORD(wParam)), HWND::FromValue(lParam)});
      if (onCommand) onCommand(commands.back());
      return 0;
    }
    if (message == WM_DRAWITEM) {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      drawn.push_back(*item);
      gfx::HBRUSH brush = gfx::CreateSolidBrush(drawColor);
      gfx::FillRect(item->hDC, item->rcItem, brush);
      gfx::DeleteObject(brush);
      return 1;
    }
    return DefWindowProc(window, message, wParam, lParam);
  }

  HWND Create(const char* className, std::string_view text, std::uint32_t style, int x, int y,
              int width, int height, int id, std::uint32_t exStyle = 0) {
    HWND control = CreateWindowEx(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y,
                                  width, height, parent, id);
    Pump();
    return control;
  }

  static void Drain() { testing::Drain(); }
  static void Pump() { testing::Pump(); }

  // ---- Input, one event at a time
  void Mouse(unsigned message, HWND window, POINT client) {
    backend->InjectMouse(message, window, client);
    Pump();
  }
  void Click(HWND window, POINT client) {
    Mouse(WM_LBUTTONDOWN, window, client);
    Mouse(WM_LBUTTONUP, window, client);
  }
  void ScreenMouse(unsigned message, POINT screen) {
    backend->Inject([message, screen] { InputMouse(message, screen); });
    Pump();
  }
  void KeyDown(unsigned key) {
    backend->InjectKey(key, true);
    Pump();
  }
  void KeyUp(unsigned key) {
    backend->InjectKey(key, false);
    Pump();
  }
  void Key(unsigned key) {
    KeyDown(key);
    KeyUp(key);
  }
  // A key with a modifier (VK_SHIFT, VK_CONTROL, VK_MENU) held.
  void Key(unsigned modifier, unsigned key) {
    KeyDown(modifier);
    Key(key);
    KeyUp(modifier);
  }
  void Type(std::string_view text) {
    for (char c : text) {
      backend->InjectChar(static_cast<unsigned char>(c));
      Pump();
    }
  }

  // ---- Reading back
  static std::vector<unsigned> Codes() {
    std::vector<unsigned> codes;
    for (const Command& c : commands) codes.push_back(c.code);
    return codes;
  }
  // A pixel of the control as composited into the parent's surface.
  gfx::COLORREF Pixel(HWND control, int x, int y) {
    POINT point{x, y};
    ClientToScreen(control, point);
    ScreenToClient(parent, point);
    gfx::BitmapInfo info;
    gfx::GetBitmapInfo(GetWindowSurface(parent), info);
    if (point.x < 0 || point.y < 0 || point.x >= info.width || point.y >= info.height)
      return gfx::CLR_INVALID;
    const auto* row = reinterpret_cast<const std::uint8_t*>(info.bits) +
                      static_cast<std::ptrdiff_t>(point.y) * info.stride;
    const std::uint8_t* p = row + point.x * 4;
    return gfx::RGB(p[2], p[1], p[0]);
  }
  int CountPixels(HWND control, gfx::COLORREF color) {
    RECT client;
    GetClientRect(control, client);
    int count = 0;
    for (int y = 0; y < client.bottom; ++y) {
      for (int x = 0; x < client.right; ++x) count += Pixel(control, x, y) == color ? 1 : 0;
    }
    return count;
  }
};

}  // namespace pw::win::testing

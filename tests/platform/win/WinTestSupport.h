#pragma once
// Shared set-up of the windowing tests: a fresh headless backend per test, a recording window
// class, and clean-up of every window and queued message afterwards.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "MessagePump.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/win/Window.h"

namespace pw::win::testing {

// One recorded message: the window's text and the message number.
struct Record {
  std::string window;
  unsigned message;
  WPARAM wParam;
  LPARAM lParam;
};

class WinTest : public ::testing::Test {
 protected:
  static inline std::vector<Record> log;
  // Messages to record (others are handled without a trace).
  static inline std::vector<unsigned> watched;
  // Per-window handlers, called before DefWindowProc; return true when handled.
  static inline std::map<HWND, std::function<bool(HWND, unsigned, WPARAM, LPARAM, LRESULT&)>> hooks;
  HeadlessBackend* backend = nullptr;

  static constexpr const char* kClass = "PwTestWindow";
  static constexpr const char* kDblClass = "PwTestDblClicks";

  void SetUp() override {
    backend = &pw::testing::Headless();
    log.clear();
    watched.clear();
    hooks.clear();
    names().clear();  // a new window may reuse the address of an earlier test's one
    WindowClass c;
    c.name = kClass;
    c.proc = Proc;
    c.background = gfx::CreateSolidBrush(gfx::RGB(10, 20, 30));
    RegisterClass(c);
    c.name = kDblClass;
    c.style = CS_DBLCLKS;
    RegisterClass(c);
  }

  void TearDown() override {
    for (HWND top : GetTopLevelWindows()) DestroyWindow(top);
    MSG msg;
    while (PeekMessage(msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    hooks.clear();
  }

  static LRESULT Proc(HWND window, unsigned message, WPARAM wParam, LPARAM lParam) {
    if (std::find(watched.begin(), watched.end(), message) != watched.end()) {
      // The text is read directly: WM_GETTEXT would be recorded too.
      log.push_back({Name(window), message, wParam, lParam});
    }
    auto hook = hooks.find(window);
    if (hook != hooks.end()) {
      LRESULT result = 0;
      if (hook->second(window, message, wParam, lParam, result)) return result;
    }
    return DefWindowProc(window, message, wParam, lParam);
  }

  static std::string Name(HWND window) {
    auto it = names().find(window);
    return it == names().end() ? GetWindowText(window) : it->second;
  }
  static std::map<HWND, std::string>& names() {
    static std::map<HWND, std::string> n;
    return n;
  }

  HWND Top(const std::string& name, int x = 100, int y = 100, int w = 200, int h = 150,
           std::uint32_t style = WS_POPUP | WS_VISIBLE, const char* cls = kClass) {
    HWND window = CreateWindowEx(0, cls, name, style, x, y, w, h, nullptr);
    names()[window] = name;
    return window;
  }
  HWND Child(HWND parent, const std::string& name, int x, int y, int w, int h,
             std::uint32_t style = WS_CHILD | WS_VISIBLE, const char* cls = kClass) {
    HWND window = CreateWindowEx(0, cls, name, style, x, y, w, h, parent);
    names()[window] = name;
    return window;
  }

  static void Drain() { testing::Drain(); }
  static void Pump() { testing::Pump(); }

  // "window:message" for the recorded messages.
  static std::vector<std::string> Trace() {
    std::vector<std::string> out;
    for (const Record& r : log) out.push_back(r.window + ":" + std::to_string(r.message));
    return out;
  }
  static std::string T(const std::string& window, unsigned message) {
    return window + ":" + std::to_string(message);
  }
};

}  // namespace pw::win::testing

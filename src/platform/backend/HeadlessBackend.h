#pragma once
// The display backend without a display: tests and scripted sessions. Its clock is virtual and
// moves only when told to (or when the loop waits with a timeout and nothing is pending, so
// timers fire deterministically); input is injected as events that PumpEvents delivers one at a
// time; presented surfaces stay readable; message boxes are answered at once.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win/Backend.h"

namespace pw::win {

class HeadlessBackend : public Backend {
 public:
  using MessageBoxHandler = std::function<int(HWND owner, std::string_view text,
                                              std::string_view caption, unsigned flags)>;
  // Called when the loop waits and no event is pending; may inject events (the scripted runner
  // reads its next command here). Returns false when it has nothing more to give.
  using IdleHandler = std::function<bool()>;

  void WindowCreated(HWND window) override;
  void WindowChanged(HWND window) override;
  void WindowDestroyed(HWND window) override;
  void Present(HWND window, gfx::HBITMAP surface, const RECT& dirty) override;
  void PumpEvents(std::optional<std::uint32_t> timeoutMs) override;
  std::uint32_t Now() override { return now_; }
  int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption,
                     unsigned flags) override;
  // A clipboard of the process's own.
  std::optional<std::string> ClipboardText() override { return clipboard_; }
  bool SetClipboardText(std::string_view text) override {
    clipboard_ = std::string(text);
    return true;
  }

  // ---- For tests and the scripted runner

  void Advance(std::uint32_t ms) { now_ += ms; }
  // Empties the clipboard (no text on it).
  void ClearClipboard() { clipboard_.reset(); }
  // An event delivered by a later PumpEvents, one per call in the order injected (it calls the
  // Input functions of Backend.h).
  void Inject(std::function<void()> event) { events_.push_back(std::move(event)); }
  // Mouse input at a point of a window's client area (converted to the screen).
  void InjectMouse(unsigned message, HWND window, POINT client);
  void InjectKey(unsigned virtualKey, bool down);
  void InjectChar(char32_t character);
  void InjectClose(HWND topLevel);
  bool HasPendingEvents() const { return !events_.empty(); }

  void SetMessageBoxHandler(MessageBoxHandler handler) { messageBox_ = std::move(handler); }
  void SetIdleHandler(IdleHandler handler) { idle_ = std::move(handler); }

  // Top-level windows known to the backend, in creation order.
  const std::vector<HWND>& Windows() const { return windows_; }
  // How often a window was presented, and the area of its last presentation.
  int PresentCount(HWND window) const;
  RECT LastPresented(HWND window) const;

 private:
  struct Presentation {
    int count = 0;
    RECT last;
  };
  std::uint32_t now_ = 0;
  std::deque<std::function<void()>> events_;
  std::vector<HWND> windows_;
  std::map<HWND, Presentation> presented_;
  MessageBoxHandler messageBox_;
  IdleHandler idle_;
  std::optional<std::string> clipboard_;
};

}  // namespace pw::win

// The headless display backend.

#include "platform/backend/HeadlessBackend.h"

#include <algorithm>

namespace pw::win {

void HeadlessBackend::WindowCreated(HWND window) {
  windows_.push_back(window);
}

void HeadlessBackend::WindowChanged(HWND) {}

void HeadlessBackend::WindowDestroyed(HWND window) {
  std::erase(windows_, window);
  presented_.erase(window);
}

void HeadlessBackend::Present(HWND window, gfx::HBITMAP, const RECT& dirty) {
  Presentation& p = presented_[window];
  ++p.count;
  p.last = dirty;
}

void HeadlessBackend::PumpEvents(std::optional<std::uint32_t> timeoutMs) {
  if (events_.empty() && idle_) idle_();
  if (events_.empty()) {
    if (timeoutMs) now_ += *timeoutMs;
    return;
  }
  // One piece of input at a time, as a desktop gives it: input is routed when it arrives (to the
  // capture, the focus, the window under the mouse), so what the previous piece led to (a modal
  // window opened, a window disabled) must have been handled first.
  const std::function<void()> event = std::move(events_.front());
  events_.pop_front();
  event();
}

int HeadlessBackend::ShowMessageBox(HWND owner, std::string_view text, std::string_view caption,
                                    unsigned flags) {
  return messageBox_ ? messageBox_(owner, text, caption, flags) : IDOK;
}

void HeadlessBackend::InjectMouse(unsigned message, HWND window, POINT client) {
  POINT screen = client;
  ClientToScreen(window, screen);
  Inject([message, screen] { InputMouse(message, screen); });
}

void HeadlessBackend::InjectKey(unsigned virtualKey, bool down) {
  Inject([virtualKey, down] { InputKey(virtualKey, down); });
}

void HeadlessBackend::InjectChar(char32_t character) {
  Inject([character] { InputChar(character); });
}

void HeadlessBackend::InjectClose(HWND topLevel) {
  Inject([topLevel] { InputClose(topLevel); });
}

int HeadlessBackend::PresentCount(HWND window) const {
  auto found = presented_.find(window);
  return found == presented_.end() ? 0 : found->second.count;
}

RECT HeadlessBackend::LastPresented(HWND window) const {
  auto found = presented_.find(window);
  return found == presented_.end() ? RECT{} : found->second.last;
}

}  // namespace pw::win

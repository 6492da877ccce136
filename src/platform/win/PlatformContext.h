#pragma once
// One run of the platform: the graphics context (handle tables, stock and shared objects), the
// windowing state (windows, registered classes, the message queue, focus, activation, capture,
// timers, double-click tracking) and the display backend. While a context is alive, every call of
// the platform works on it; a context made inside another hides the outer one until it goes.
// When it goes, its windows are destroyed (with their messages) and all its objects freed.
//
// A program makes one at start (controls/FrameworkContext.h does it for framework programs), with
// the backend the factory (backend/ChooseBackend.h) makes; tests make a fresh one per test.

#include <memory>

namespace pw::gfx {
class GdiContext;
}

namespace pw::win {

class Backend;
struct WindowingState;

class PlatformContext {
 public:
  explicit PlatformContext(std::unique_ptr<Backend> backend);
  ~PlatformContext();
  PlatformContext(const PlatformContext&) = delete;
  PlatformContext& operator=(const PlatformContext&) = delete;

 private:
  std::unique_ptr<gfx::GdiContext> gdi_;
  std::unique_ptr<WindowingState> state_;
  PlatformContext* outer_ = nullptr;
  friend WindowingState& State();
};

}  // namespace pw::win

#include "platform/win/PlatformContext.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "platform/gfx/GdiContext.h"
#include "platform/win/WindowObjects.h"

namespace pw::win {

namespace {

PlatformContext*& Innermost() {
  static PlatformContext* context = nullptr;
  return context;
}

}  // namespace

PlatformContext::PlatformContext(std::unique_ptr<Backend> backend)
    : gdi_(std::make_unique<gfx::GdiContext>()),
      state_(std::make_unique<WindowingState>()),
      outer_(Innermost()) {
  if (!backend) {
    std::fputs("PlatformContext: a backend is needed\n", stderr);
    std::abort();
  }
  state_->backend = std::move(backend);
  Innermost() = this;
}

PlatformContext::~PlatformContext() {
  PlatformContext* const inner = Innermost();
  Innermost() = this;  // the teardown works on this run's windows
  // What is left goes as it would on the desktop: owned windows with their owners, children
  // with their parents, each told with WM_DESTROY and WM_NCDESTROY.
  while (!state_->topLevels.empty()) {
    const std::size_t before = state_->topLevels.size();
    DestroyWindow(state_->topLevels.back());
    if (state_->topLevels.size() == before) break;
  }
  state_->sendDepth = 0;
  FreeDestroyedWindows();
  state_->slots.clear();
  state_->backend.reset();
  state_.reset();
  gdi_.reset();
  Innermost() = inner == this ? outer_ : inner;
}

WindowingState& State() {
  if (Innermost() == nullptr) {
    std::fputs("no platform context: a program makes one before it uses windows\n", stderr);
    std::abort();
  }
  return *Innermost()->state_;
}

}  // namespace pw::win

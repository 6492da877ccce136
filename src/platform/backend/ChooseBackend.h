#pragma once
// Picks the display backend for a program: SDL2 when a display is there, else the headless one
// the windowing stand-in starts with.

#include <memory>
#include <string_view>

#include "platform/win/Backend.h"

namespace pw::win {

enum class BackendKind { kHeadless, kSdl };

struct ChosenBackend {
  BackendKind kind = BackendKind::kHeadless;
  std::unique_ptr<Backend> backend;  // for the platform context (PlatformContext.h)
};

// The SDL2 backend when DISPLAY or WAYLAND_DISPLAY is set and SDL's video subsystem starts;
// otherwise the headless one. PW_BACKEND=headless in the environment forces the headless backend.
ChosenBackend ChooseBackend();

std::string_view BackendName(BackendKind kind);

}  // namespace pw::win

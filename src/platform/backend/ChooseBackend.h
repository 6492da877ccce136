#pragma once
// The factory of display backends: the headless one (tests, scripted sessions, no display) and
// SDL2 (a real display), and the choice between them for a program. The platform context
// (win/PlatformContext.h) takes the backend made here. Tools that drive the headless backend
// themselves (injecting input, moving its clock) make a HeadlessBackend directly.

#include <memory>
#include <string_view>

#include "platform/win/Backend.h"

namespace pw::win {

enum class BackendKind { kHeadless, kSdl };

// A backend of that kind; null when SDL's video subsystem does not start.
std::unique_ptr<Backend> CreateBackend(BackendKind kind);

struct ChosenBackend {
  BackendKind kind = BackendKind::kHeadless;
  std::unique_ptr<Backend> backend;  // for the platform context
};

// The SDL2 backend when DISPLAY or WAYLAND_DISPLAY is set and SDL's video subsystem starts;
// otherwise the headless one. PW_BACKEND=headless in the environment forces the headless backend.
ChosenBackend ChooseBackend();

std::string_view BackendName(BackendKind kind);

}  // namespace pw::win

#pragma once
// Picks the display backend for a program: SDL2 when a display is there, else the headless one
// the windowing stand-in starts with.

#include <string_view>

namespace pw::win {

enum class BackendKind { kHeadless, kSdl };

// Installs the SDL2 backend when DISPLAY or WAYLAND_DISPLAY is set and SDL's video subsystem
// starts; otherwise leaves the headless backend in place. PW_BACKEND=headless in the environment
// forces the headless backend. Returns the kind in use.
BackendKind ChooseBackend();

std::string_view BackendName(BackendKind kind);

}  // namespace pw::win

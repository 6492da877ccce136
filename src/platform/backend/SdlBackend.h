#pragma once
// The display backend for a real desktop (X11 or Wayland) on SDL2. Each shown top-level window
// becomes an SDL window of its client size, framed by the window manager; our surfaces are
// presented in software through the SDL window surface. Message boxes are small SDL windows of
// our own, painted with the graphics stand-in.
//
// Limitations of SDL2 that show: a window without the minimise or maximise box still gets what
// the window manager gives a fixed-size window; a disabled window is not greyed out by the
// window manager (its input is dropped instead); minimising by the window manager is not
// reported to the window.

#include <memory>

#include "platform/win/Backend.h"

namespace pw::win {

// The SDL2 backend, or null when SDL's video subsystem cannot start (no display).
std::unique_ptr<Backend> CreateSdlBackend();

}  // namespace pw::win

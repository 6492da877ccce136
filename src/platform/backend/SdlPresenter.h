#pragma once
// Presentation of our 32-bit surfaces in SDL windows. The window surface is the client area at
// the desktop's scale: surfaces of the designed size are copied as they are at scale 1 and scaled
// (SurfaceScaler) otherwise. Where a pop-up cannot be a window of its own (Wayland, see
// SdlBackend.h) it is a further layer drawn over its owner's client area.

#include <SDL_video.h>

#include <span>

#include "platform/gfx/Gdi.h"

namespace pw::win {

struct Layer {
  gfx::HBITMAP bitmap;  // 32 bits
  gfx::POINT at;        // its top-left corner in the window's client area (designed pixels)
};

// Shows `area` (designed client coordinates) of the layers in the SDL window, later layers over
// earlier ones; the first layer is the client area, which sets the scale.
void PresentLayers(SDL_Window* window, std::span<const Layer> layers, gfx::RECT area);

// A window without further layers.
inline void PresentBitmap(SDL_Window* window, gfx::HBITMAP bitmap, gfx::RECT area) {
  const Layer layer{bitmap, {0, 0}};
  PresentLayers(window, {&layer, 1}, area);
}

}  // namespace pw::win

#include "platform/backend/SdlPresenter.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/backend/SurfaceScaler.h"

namespace pw::win {
namespace {

bool RowsOf(gfx::HBITMAP bitmap, PixelRows& rows) {
  gfx::BitmapInfo info;
  if (bitmap == nullptr || !gfx::GetBitmapInfo(bitmap, info) || info.bitsPerPixel != 32 ||
      info.bits == nullptr) {
    return false;
  }
  auto* bits = static_cast<std::uint8_t*>(info.bits);
  rows = info.topDown ? PixelRows{bits, info.stride, info.width, info.height}
                      : PixelRows{bits + static_cast<std::ptrdiff_t>(info.height - 1) * info.stride,
                                  -info.stride, info.width, info.height};
  return true;
}

gfx::RECT Union(const gfx::RECT& a, const gfx::RECT& b) {
  if (a.Empty()) return b;
  if (b.Empty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

}  // namespace

void PresentLayers(SDL_Window* window, std::span<const Layer> layers, gfx::RECT area) {
  PixelRows client;
  if (layers.empty() || !RowsOf(layers.front().bitmap, client)) return;
  SDL_Surface* target = SDL_GetWindowSurface(window);
  if (target == nullptr) return;
  const double factorX = static_cast<double>(target->w) / client.width;
  const double factorY = static_cast<double>(target->h) / client.height;
  auto scaledX = [&](int x) { return static_cast<int>(std::lround(x * factorX)); };
  auto scaledY = [&](int y) { return static_cast<int>(std::lround(y * factorY)); };

  const Uint32 format = target->format->format;
  const bool direct = format == SDL_PIXELFORMAT_XRGB8888 || format == SDL_PIXELFORMAT_ARGB8888;
  // Other formats: drawn into a buffer first, then converted.
  std::vector<std::uint32_t> buffer;
  if (!direct) buffer.resize(static_cast<std::size_t>(target->w) * target->h);
  if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) return;
  const PixelRows out =
      direct ? PixelRows{static_cast<std::uint8_t*>(target->pixels), target->pitch, target->w,
                         target->h}
             : PixelRows{reinterpret_cast<std::uint8_t*>(buffer.data()),
                         static_cast<std::ptrdiff_t>(target->w) * 4, target->w, target->h};
  gfx::RECT written;
  for (const Layer& layer : layers) {
    PixelRows source;
    if (!RowsOf(layer.bitmap, source)) continue;
    const gfx::RECT own{area.left - layer.at.x, area.top - layer.at.y, area.right - layer.at.x,
                        area.bottom - layer.at.y};
    const gfx::RECT placement{scaledX(layer.at.x), scaledY(layer.at.y),
                              scaledX(layer.at.x + source.width),
                              scaledY(layer.at.y + source.height)};
    written = Union(written, ScaleArea(source, own, out, placement));
  }
  if (!direct && !written.Empty()) {
    SDL_ConvertPixels(written.Width(), written.Height(), SDL_PIXELFORMAT_XRGB8888,
                      out.Row(written.top) + written.left, static_cast<int>(out.stride), format,
                      static_cast<std::uint8_t*>(target->pixels) + written.top * target->pitch +
                          written.left * target->format->BytesPerPixel,
                      target->pitch);
  }
  if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
  if (written.Empty()) return;
  const SDL_Rect rect{written.left, written.top, written.Width(), written.Height()};
  SDL_UpdateWindowSurfaceRects(window, &rect, 1);
}

}  // namespace pw::win

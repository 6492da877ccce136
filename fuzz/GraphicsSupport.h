#pragma once
// For the targets that draw: GLib criticals and warnings (Pango's reports of misuse, which it
// survives) stop the run, and pictures are read as form streams carry them and drawn every way
// into a small surface.

#include <glib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "forms/Stream.h"
#include "graphics/Picture.h"
#include "platform/gfx/Gdi.h"

namespace pw::fuzz {

inline void AbortOnGlibCriticals() {
  g_log_set_default_handler(
      [](const gchar* domain, GLogLevelFlags level, const gchar* message, gpointer) {
        std::fprintf(stderr, "%s: %s\n", domain ? domain : "GLib", message);
        if (level & (G_LOG_LEVEL_ERROR | G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING)) std::abort();
      },
      nullptr);
}

// A picture's "Data": the class name as a short text, the 32-bit size, then the file.
inline void ReadPicture(TPicture& picture, std::string_view className,
                        std::span<const std::uint8_t> file) {
  std::vector<std::uint8_t> payload{static_cast<std::uint8_t>(className.size())};
  payload.insert(payload.end(), className.begin(), className.end());
  const auto size = static_cast<std::uint32_t>(file.size());
  for (int shift = 0; shift < 32; shift += 8)
    payload.push_back(static_cast<std::uint8_t>(size >> shift));
  payload.insert(payload.end(), file.begin(), file.end());
  TMemoryStream stream(std::move(payload));
  picture.ReadData(stream);
}

// Plain, stretched, shrunk, mirrored, partly outside the surface; then again transparent, unless
// the picture is large: drawing through the mask works on a copy of the whole picture, and a few
// header bytes may declare 256 MB of pixels.
inline void DrawEveryWay(TGraphic& graphic) {
  static const gfx::HDC dc = [] {
    const gfx::HBITMAP surface = gfx::CreateDIBSection(64, 48, nullptr);
    const gfx::HDC context = gfx::CreateCompatibleDC(nullptr);
    gfx::SelectObject(context, surface);
    return context;
  }();
  constexpr std::int64_t kTransparentPixels = 1 << 20;
  for (const bool transparent : {false, true}) {
    const int width = graphic.Width();
    const int height = graphic.Height();
    if (transparent && static_cast<std::int64_t>(width) * height > kTransparentPixels) break;
    graphic.SetTransparent(transparent);
    graphic.Draw(dc, {0, 0, width, height});
    graphic.Draw(dc, {3, 2, 61, 45});
    graphic.Draw(dc, {10, 10, 13, 12});
    graphic.Draw(dc, {60, 40, 4, 6});
    graphic.Draw(dc, {-5, 4, 70, 20});
  }
}

}  // namespace pw::fuzz

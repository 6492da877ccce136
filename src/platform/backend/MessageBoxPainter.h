#pragma once
// The look of the message box the SDL2 backend shows: its layout from the text and the flags,
// and its painting into a 32-bit surface with the graphics stand-in (no display needed).

#include <string_view>

#include "platform/gfx/Gdi.h"

namespace pw::win {

// A 32-bit top-down bitmap selected into a memory context, freed with the object.
class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  gfx::HDC dc() const { return dc_; }
  gfx::HBITMAP bitmap() const { return bitmap_; }
  int width() const { return width_; }
  int height() const { return height_; }
  // The pixel at (x, y) as 0x00RRGGBB.
  std::uint32_t Pixel(int x, int y) const;

 private:
  int width_;
  int height_;
  gfx::HDC dc_ = nullptr;
  gfx::HBITMAP bitmap_ = nullptr;
  gfx::HGDIOBJ previous_ = nullptr;
  void* bits_ = nullptr;
};

struct MessageBoxLayout {
  gfx::SIZE client;  // the box's client area
  gfx::RECT icon;    // empty without an icon
  gfx::RECT text;
  gfx::RECT button;  // the OK button
};

// The text is narrow, in the process code page; "\n" breaks lines and long lines wrap.
MessageBoxLayout LayoutMessageBox(std::string_view text, unsigned flags);

// Paints the whole box onto `dc` (client coordinates). `pressed` draws the OK button pushed in.
void PaintMessageBox(gfx::HDC dc, const MessageBoxLayout& layout, std::string_view text,
                     unsigned flags, bool pressed);

}  // namespace pw::win

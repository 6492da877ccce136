#pragma once
// The image record that TBitmap objects share: the section, its mask and, for a compressed file,
// the file as it was read. Internal to the graphics layer.

#include <cstdint>
#include <memory>
#include <vector>

#include "graphics/Bitmap.h"
#include "platform/gfx/Gdi.h"

namespace pw {

struct TBitmapImage {
  TBitmapImage() = default;
  TBitmapImage(const TBitmapImage&) = delete;
  TBitmapImage& operator=(const TBitmapImage&) = delete;
  ~TBitmapImage();

  // A record with a new section of that size (bottom-up when height > 0, top-down when < 0);
  // raises EInvalidGraphic when the section cannot be made.
  static std::shared_ptr<TBitmapImage> Create(int width, int height, TPixelFormat format);

  bool Empty() const { return handle == nullptr; }
  // Row y counted from the top.
  std::uint32_t* Row(int y) const {
    const int memoryRow = topDown ? y : height - 1 - y;
    return reinterpret_cast<std::uint32_t*>(bits +
                                            static_cast<std::ptrdiff_t>(memoryRow) * width * 4);
  }
  void DropMask();

  gfx::HBITMAP handle = nullptr;
  std::uint8_t* bits = nullptr;
  int width = 0;
  int height = 0;  // rows; the memory order is `topDown`
  bool topDown = false;
  TPixelFormat format = TPixelFormat::pfDevice;
  // A run-length compressed file exactly as read; written back as it stands.
  std::vector<std::uint8_t> savedFile;
  gfx::HBITMAP mask = nullptr;
  gfx::COLORREF maskColor = 0;
};

// Reads a bitmap file of `size` bytes from the stream's position into a new record. Raises
// EInvalidGraphic for a header that is not a bitmap's or an image that cannot be made, and
// EReadError when the stream ends before what the headers and colour table need.
std::shared_ptr<TBitmapImage> ReadBitmapFile(TStream& stream, std::int64_t size);

// Appends a bitmap file of the image: 1 bit per pixel for a monochrome image of black and
// white pixels, else 24.
void WriteBitmapFile(const TBitmapImage& image, std::vector<std::uint8_t>& out);

[[noreturn]] void RaiseInvalidBitmap();
[[noreturn]] void RaiseReadError();
[[noreturn]] void RaiseOutOfResources();

}  // namespace pw

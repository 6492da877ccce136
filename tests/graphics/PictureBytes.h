#pragma once
// Pictures made in the tests: bitmap files field by field, JPEG streams compressed by libjpeg,
// the size-prefixed payloads of form streams, and a 32-bit canvas to draw on. Colours are
// 0x00RRGGBB, as bitmap rows hold them.

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string_view>
#include <vector>

#include <jpeglib.h>

#include "forms/Stream.h"
#include "platform/gfx/Gdi.h"

namespace pw::test {

using Bytes = std::vector<std::uint8_t>;
using ColorAt = std::function<std::uint32_t(int x, int y)>;

inline void Put(Bytes& b, std::uint64_t v, int size) {
  for (int i = 0; i < size; ++i) b.push_back(i < 8 ? static_cast<std::uint8_t>(v >> (8 * i)) : 0);
}

// A bitmap file; `pixels` are the file rows as they stand.
struct BitmapFile {
  std::int32_t width = 1, height = 1;
  int bitCount = 24;
  std::uint32_t headerSize = 40, compression = 0, sizeImage = 0, colorsUsed = 0;
  int planes = 1;
  std::vector<std::uint32_t> masks = {};   // written after the header
  std::vector<std::uint32_t> colors = {};  // in the header's entry size
  Bytes pixels = {};
  std::string_view signature = "BM";

  Bytes Build() const {
    Bytes b{static_cast<std::uint8_t>(signature[0]), static_cast<std::uint8_t>(signature[1])};
    Put(b, 0, 12);
    Put(b, headerSize, 4);
    const int field = headerSize == 12 ? 2 : 4;
    Put(b, static_cast<std::uint32_t>(width), field);
    Put(b, static_cast<std::uint32_t>(height), field);
    Put(b, static_cast<std::uint32_t>(planes), 2);
    Put(b, static_cast<std::uint32_t>(bitCount), 2);
    if (headerSize != 12) {
      Put(b, compression, 4);
      Put(b, sizeImage, 4);
      Put(b, 0, 8);
      Put(b, colorsUsed, 4);
      Put(b, 0, 4);
      for (std::uint32_t i = 40; i < headerSize && i < 4096; ++i) b.push_back(0);
    }
    for (std::uint32_t m : masks) Put(b, m, 4);
    for (std::uint32_t c : colors) Put(b, c, headerSize == 12 ? 3 : 4);
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
  }
};

// A 24-bit bottom-up bitmap file.
inline Bytes Bitmap24(int width, int height, const ColorAt& color) {
  BitmapFile f{.width = width, .height = height};
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) Put(f.pixels, color(x, y), 3);
    Put(f.pixels, 0, (4 - width * 3 % 4) % 4);
  }
  return f.Build();
}

// A payload preceded by its 32-bit size.
inline Bytes Sized(const Bytes& payload) {
  Bytes b;
  Put(b, payload.size(), 4);
  b.insert(b.end(), payload.begin(), payload.end());
  return b;
}

// A picture's "Data": the class name as a short text, then the graphic's data.
inline Bytes PictureData(std::string_view className, const Bytes& graphicData) {
  Bytes b{static_cast<std::uint8_t>(className.size())};
  b.insert(b.end(), className.begin(), className.end());
  b.insert(b.end(), graphicData.begin(), graphicData.end());
  return b;
}

struct JpegOptions {
  J_COLOR_SPACE space = JCS_RGB;  // or JCS_GRAYSCALE (the green channel), JCS_CMYK
  bool progressive = false;
};

inline Bytes Jpeg(int width, int height, const ColorAt& color, JpegOptions options = {}) {
  jpeg_compress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &out, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.in_color_space = options.space;
  const int n = options.space == JCS_GRAYSCALE ? 1 : options.space == JCS_CMYK ? 4 : 3;
  info.input_components = n;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  if (options.progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(width * n));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = color(x, y);
      const JSAMPLE rgb[4] = {static_cast<JSAMPLE>(c >> 16), static_cast<JSAMPLE>(c >> 8),
                              static_cast<JSAMPLE>(c), 0};
      for (int k = 0; k < n; ++k) row[static_cast<std::size_t>(x * n + k)] = rgb[n == 1 ? 1 : k];
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  Bytes bytes(out, out + size);
  jpeg_destroy_compress(&info);
  std::free(out);
  return bytes;
}

// A 32-bit surface in a memory context, filled with one colour; pixels read as COLORREF.
class Canvas {
 public:
  Canvas(int width, int height, gfx::COLORREF fill)
      : bitmap_(gfx::CreateDIBSection(width, -height, nullptr)),
        dc_(gfx::CreateCompatibleDC(nullptr)) {
    gfx::SelectObject(dc_, bitmap_);
    gfx::HBRUSH brush = gfx::CreateSolidBrush(fill);
    gfx::FillRect(dc_, {0, 0, width, height}, brush);
    gfx::DeleteObject(brush);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  ~Canvas() {
    gfx::DeleteDC(dc_);
    gfx::DeleteObject(bitmap_);
  }
  gfx::HDC dc() const { return dc_; }
  gfx::COLORREF operator()(int x, int y) const { return gfx::GetPixel(dc_, x, y); }

 private:
  gfx::HBITMAP bitmap_;
  gfx::HDC dc_;
};

}  // namespace pw::test

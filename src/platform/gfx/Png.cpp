// PNG output through libpng's simplified interface.

#include "platform/gfx/Png.h"

#include <png.h>

#include "platform/gfx/GdiObjects.h"

namespace pw::gfx {
namespace {

// The bitmap as rows of red, green, blue bytes, top row first.
std::vector<std::uint8_t> RgbRows(const Bitmap& bitmap) {
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(bitmap.width) *
                                static_cast<std::size_t>(bitmap.height) * 3);
  std::uint8_t* out = rgb.data();
  for (int y = 0; y < bitmap.height; ++y) {
    if (bitmap.bitsPerPixel == 1) {
      for (int x = 0; x < bitmap.width; ++x) {
        const std::uint8_t level = bitmap.Bit(x, y) ? 255 : 0;
        *out++ = level;
        *out++ = level;
        *out++ = level;
      }
      continue;
    }
    const std::uint32_t* row = bitmap.Pixels32(y);
    for (int x = 0; x < bitmap.width; ++x) {
      *out++ = static_cast<std::uint8_t>(row[x] >> 16);
      *out++ = static_cast<std::uint8_t>(row[x] >> 8);
      *out++ = static_cast<std::uint8_t>(row[x]);
    }
  }
  return rgb;
}

png_image Header(const Bitmap& bitmap) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(bitmap.width);
  image.height = static_cast<png_uint_32>(bitmap.height);
  image.format = PNG_FORMAT_RGB;
  return image;
}

}  // namespace

bool WritePng(HBITMAP bitmap, const std::string& path) {
  const Bitmap* b = AsBitmap(bitmap);
  if (!b) return false;
  const std::vector<std::uint8_t> rgb = RgbRows(*b);
  png_image image = Header(*b);
  const bool written = png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr);
  png_image_free(&image);
  return written;
}

std::vector<std::uint8_t> EncodePng(HBITMAP bitmap) {
  const Bitmap* b = AsBitmap(bitmap);
  if (!b) return {};
  const std::vector<std::uint8_t> rgb = RgbRows(*b);
  png_image image = Header(*b);
  png_alloc_size_t size = 0;
  // The first call measures, the second writes.
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr)) return {};
  std::vector<std::uint8_t> png(size);
  if (!png_image_write_to_memory(&image, png.data(), &size, 0, rgb.data(), 0, nullptr)) return {};
  png.resize(size);
  png_image_free(&image);
  return png;
}

HBITMAP DecodePng(std::span<const std::uint8_t> bytes) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return nullptr;
  image.format = PNG_FORMAT_BGRA;
  void* bits = nullptr;
  // The rows are read top row first, so the section is a top-down one.
  HBITMAP bitmap =
      CreateDIBSection(static_cast<int>(image.width), -static_cast<int>(image.height), &bits);
  if (bitmap == nullptr) {
    png_image_free(&image);
    return nullptr;
  }
  if (!png_image_finish_read(&image, nullptr, bits, 0, nullptr)) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}

std::vector<HBITMAP> DecodeIconFile(std::span<const std::uint8_t> bytes) {
  auto read16 = [&](std::size_t at) {
    return static_cast<unsigned>(bytes[at] | bytes[at + 1] << 8);
  };
  auto read32 = [&](std::size_t at) {
    return static_cast<std::size_t>(read16(at)) | static_cast<std::size_t>(read16(at + 2)) << 16;
  };
  std::vector<HBITMAP> images;
  if (bytes.size() < 6 || read16(0) != 0 || read16(2) != 1) return images;
  const std::size_t count = read16(4);
  for (std::size_t i = 0; i < count && 6 + 16 * (i + 1) <= bytes.size(); ++i) {
    const std::size_t entry = 6 + 16 * i;
    const std::size_t size = read32(entry + 8);
    const std::size_t offset = read32(entry + 12);
    if (offset > bytes.size() || size > bytes.size() - offset) continue;
    if (HBITMAP image = DecodePng(bytes.subspan(offset, size))) images.push_back(image);
  }
  return images;
}

}  // namespace pw::gfx

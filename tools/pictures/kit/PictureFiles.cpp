#include "pictures/kit/PictureFiles.h"

#include <jpeglib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace pw::pictures {

Raster::Raster(int width, int height, Colour fill)
    : width_(width), height_(height), bytes_(3 * static_cast<std::size_t>(width) * height) {
  const std::uint8_t rgb[3] = {Byte(fill.r), Byte(fill.g), Byte(fill.b)};
  for (std::size_t i = 0; i < bytes_.size(); ++i) bytes_[i] = rgb[i % 3];
}

void Raster::Set(int x, int y, Colour colour) {
  std::uint8_t* p = &bytes_[Offset(x, y)];
  p[0] = Byte(colour.r);
  p[1] = Byte(colour.g);
  p[2] = Byte(colour.b);
}

Raster Raster::FromSurface(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  Raster raster(width, height, Colour{0, 0, 0});
  for (int y = 0; y < height; ++y) {
    const auto* row =
        reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = row[x];
      raster.Set(x, y, Rgb255((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    }
  }
  return raster;
}

namespace {

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

// A bottom-up 24-bit bitmap file: file header, 40-byte info header, rows padded to 4 bytes.
std::vector<std::uint8_t> EncodeBmp(const Raster& raster) {
  const std::uint32_t rowSize = (static_cast<std::uint32_t>(raster.Width()) * 3 + 3) / 4 * 4;
  const std::uint32_t pixelBytes = rowSize * static_cast<std::uint32_t>(raster.Height());
  const std::uint32_t offset = 14 + 40;
  std::vector<std::uint8_t> out;
  out.reserve(offset + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  PutLe(out, offset + pixelBytes, 4);
  PutLe(out, 0, 2);
  PutLe(out, 0, 2);
  PutLe(out, offset, 4);
  PutLe(out, 40, 4);
  PutLe(out, static_cast<std::uint32_t>(raster.Width()), 4);
  PutLe(out, static_cast<std::uint32_t>(raster.Height()), 4);
  PutLe(out, 1, 2);   // planes
  PutLe(out, 24, 2);  // bits per pixel
  PutLe(out, 0, 4);   // uncompressed
  PutLe(out, pixelBytes, 4);
  PutLe(out, 0, 4);  // horizontal resolution
  PutLe(out, 0, 4);  // vertical resolution
  PutLe(out, 0, 4);  // colours used
  PutLe(out, 0, 4);  // important colours
  for (int y = raster.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < raster.Width(); ++x) {
      const std::uint8_t* p = raster.At(x, y);
      out.push_back(p[2]);
      out.push_back(p[1]);
      out.push_back(p[0]);
    }
    for (std::uint32_t pad = static_cast<std::uint32_t>(raster.Width()) * 3; pad < rowSize; ++pad)
      out.push_back(0);
  }
  return out;
}

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

void WriteBmp(const std::filesystem::path& path, const Raster& raster) {
  WriteBytes(path, EncodeBmp(raster));
}

// A baseline JFIF file with three components (YCbCr), standard Huffman tables.
std::vector<std::uint8_t> EncodeJpeg(const Raster& raster) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);  // a fatal error ends the tool, which is what a build wants
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(raster.Width());
  cinfo.image_height = static_cast<JDIMENSION>(raster.Height());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 90, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(raster.Width()) * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    const int y = static_cast<int>(cinfo.next_scanline);
    for (int x = 0; x < raster.Width(); ++x) {
      const std::uint8_t* p = raster.At(x, y);
      row[3 * x] = p[0];
      row[3 * x + 1] = p[1];
      row[3 * x + 2] = p[2];
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<std::uint8_t> bytes(buffer, buffer + size);
  std::free(buffer);
  return bytes;
}

void WriteJpeg(const std::filesystem::path& path, const Raster& raster) {
  WriteBytes(path, EncodeJpeg(raster));
}

void AddJpegComment(std::vector<std::uint8_t>& jpeg, std::string_view comment) {
  if (comment.size() > 65533) throw std::length_error("JPEG comment longer than 65533 bytes");
  // After SOI and, when it is there, the JFIF APP0 segment that must come first.
  std::size_t at = 2;
  if (jpeg.size() >= 6 && jpeg[2] == 0xFF && jpeg[3] == 0xE0)
    at = 4 + (static_cast<std::size_t>(jpeg[4]) << 8 | jpeg[5]);
  if (jpeg.size() < at || jpeg[0] != 0xFF || jpeg[1] != 0xD8)
    throw std::runtime_error("not a JPEG file");
  const std::size_t length = comment.size() + 2;
  std::vector<std::uint8_t> segment{0xFF, 0xFE, static_cast<std::uint8_t>(length >> 8),
                                    static_cast<std::uint8_t>(length)};
  segment.insert(segment.end(), comment.begin(), comment.end());
  jpeg.insert(jpeg.begin() + static_cast<std::ptrdiff_t>(at), segment.begin(), segment.end());
}

void WritePng(const std::filesystem::path& path, cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  if (cairo_surface_write_to_png(surface, path.c_str()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot write " + path.string());
}

void WriteIconFile(const std::filesystem::path& path,
                   const std::vector<std::filesystem::path>& pngFiles) {
  std::vector<std::vector<std::uint8_t>> images;
  for (const auto& file : pngFiles) {
    std::ifstream in(file, std::ios::binary);
    images.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in && !in.eof()) throw std::runtime_error("cannot read " + file.string());
  }
  std::vector<std::uint8_t> out;
  auto put16 = [&](unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
  };
  auto put32 = [&](std::size_t value) {
    put16(static_cast<unsigned>(value & 0xFFFF));
    put16(static_cast<unsigned>(value >> 16));
  };
  put16(0);  // reserved
  put16(1);  // an icon
  put16(static_cast<unsigned>(images.size()));
  std::size_t offset = 6 + 16 * images.size();
  for (const auto& image : images) {
    // The PNG header holds the size: width at byte 16, height at byte 20 (big-endian).
    if (image.size() < 24) throw std::runtime_error("not a PNG image");
    const unsigned side = image[18] << 8 | image[19];
    out.push_back(static_cast<std::uint8_t>(side >= 256 ? 0 : side));  // 0 stands for 256
    out.push_back(static_cast<std::uint8_t>(side >= 256 ? 0 : side));
    out.push_back(0);  // no palette
    out.push_back(0);
    put16(1);   // planes
    put16(32);  // bits per pixel
    put32(image.size());
    put32(offset);
    offset += image.size();
  }
  for (const auto& image : images) out.insert(out.end(), image.begin(), image.end());
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace pw::pictures

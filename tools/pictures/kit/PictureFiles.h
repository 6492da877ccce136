#pragma once
// The picture files of the form descriptions: a raster of RGB pixels, written as a 24-bit Windows
// bitmap (bottom-up, 40-byte info header, no colour table) or as a baseline three-component JFIF
// file, and a cairo surface to draw it with.

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "pictures/kit/Colour.h"

namespace pw::pictures {

// Pixels of eight bits a component, top row first.
class Raster {
 public:
  Raster(int width, int height, Colour fill);
  // The pixels of a cairo image surface (ARGB32 or RGB24), alpha ignored.
  static Raster FromSurface(cairo_surface_t* surface);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // The red, green and blue bytes of a pixel.
  const std::uint8_t* At(int x, int y) const { return &bytes_[Offset(x, y)]; }
  void Set(int x, int y, Colour colour);

 private:
  std::size_t Offset(int x, int y) const {
    return 3 * (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                static_cast<std::size_t>(x));
  }

  int width_, height_;
  std::vector<std::uint8_t> bytes_;
};

std::vector<std::uint8_t> EncodeBmp(const Raster& raster);
void WriteBmp(const std::filesystem::path& path, const Raster& raster);
// Baseline JFIF, YCbCr, quality 90, standard Huffman tables.
std::vector<std::uint8_t> EncodeJpeg(const Raster& raster);
void WriteJpeg(const std::filesystem::path& path, const Raster& raster);
// Puts a comment segment (COM) after the JFIF header of a JPEG file; at most 65533 bytes.
void AddJpegComment(std::vector<std::uint8_t>& jpeg, std::string_view comment);
void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
// A PNG file with alpha, from an ARGB32 cairo image surface.
void WritePng(const std::filesystem::path& path, cairo_surface_t* surface);
// An icon file (the icon directory followed by the images) whose images are the given PNG files,
// each square, of at most 256 pixels.
void WriteIconFile(const std::filesystem::path& path,
                   const std::vector<std::filesystem::path>& pngFiles);

}  // namespace pw::pictures

#pragma once
// The picture files of the form descriptions: a raster of RGB pixels, written as a 24-bit Windows
// bitmap (bottom-up, 40-byte info header, no colour table) or as a baseline three-component JFIF
// file, and a cairo surface to draw it with.

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace pw::pictures {

struct Rgb {
  std::uint8_t r, g, b;
};

struct Rect {
  int left, top, width, height;  // top-down coordinates
};

class Raster {
 public:
  Raster(int width, int height, Rgb fill)
      : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}
  // The pixels of a cairo image surface (ARGB32 or RGB24), alpha ignored.
  static Raster FromSurface(cairo_surface_t* surface);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  void Set(int x, int y, Rgb colour) { pixels_[static_cast<std::size_t>(y) * width_ + x] = colour; }
  void Fill(Rect r, Rgb colour);

 private:
  int width_, height_;
  std::vector<Rgb> pixels_;
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

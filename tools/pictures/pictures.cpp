// pw_pictures: draws the pictures of the two form descriptions and writes them as files, 24-bit
// Windows bitmaps (bottom-up, 40-byte info header, no colour table) and baseline JPEG images.
//
//   pw_pictures OUTPUT_DIR
//
// writes OUTPUT_DIR/form1/P1.bmp .. P11.bmp, G1.bmp, G2.bmp and OUTPUT_DIR/form3/<component>.jpg
// or .bmp. The pictures are placeholders for now: a background in the colour the windows expect
// (the transparent ones with the stated colour in their bottom-left corner) and one block in an
// accent colour standing for what the picture shows. Output depends only on this table, so the
// form streams are the same from build to build.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

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

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

  void Fill(Rect r, Rgb colour) {
    for (int y = std::max(r.top, 0); y < std::min(r.top + r.height, height_); ++y)
      for (int x = std::max(r.left, 0); x < std::min(r.left + r.width, width_); ++x)
        pixels_[static_cast<std::size_t>(y) * width_ + x] = colour;
  }

 private:
  int width_, height_;
  std::vector<Rgb> pixels_;
};

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

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
      const Rgb p = raster.At(x, y);
      out.push_back(p.b);
      out.push_back(p.g);
      out.push_back(p.r);
    }
    for (std::uint32_t pad = static_cast<std::uint32_t>(raster.Width()) * 3; pad < rowSize; ++pad)
      out.push_back(0);
  }
  return out;
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

// A baseline JFIF file with three components (YCbCr), standard Huffman tables.
void WriteJpeg(const std::filesystem::path& path, const Raster& raster) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) throw std::runtime_error("cannot write " + path.string());
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);  // a fatal error ends the tool, which is what a build wants
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, file);
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
      const Rgb p = raster.At(x, y);
      row[3 * x] = p.r;
      row[3 * x + 1] = p.g;
      row[3 * x + 2] = p.b;
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  if (std::fclose(file) != 0) throw std::runtime_error("cannot write " + path.string());
}

enum class Format { Bmp, Jpeg };

struct Picture {
  const char* file;  // relative to the output folder
  Format format;
  int width, height;
  Rgb background;  // also the bottom-left pixel: the transparent colour where one is stated
  Rgb accent;
  Rect block;  // drawn in the accent colour; never reaches the bottom-left pixel
};

constexpr Rgb kTeal{0, 128, 128};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kNavy{0, 0, 128};
constexpr Rgb kGrey{160, 160, 160};
constexpr Rgb kDarkBlue{0, 0, 96};
constexpr Rgb kPaper{236, 236, 228};

const Picture kPictures[] = {
    // The calculator window.
    {"form1/P1.bmp", Format::Bmp, 383, 615, {98, 173, 172}, {40, 120, 120}, {0, 300, 383, 120}},
    {"form1/P2.bmp", Format::Bmp, 300, 158, kTeal, kGrey, {30, 50, 240, 50}},
    {"form1/P3.bmp", Format::Bmp, 300, 158, kTeal, kGrey, {120, 15, 60, 120}},
    {"form1/P4.bmp", Format::Bmp, 301, 159, kTeal, kGrey, {30, 40, 240, 70}},
    {"form1/P5.bmp", Format::Bmp, 300, 158, kTeal, kGrey, {30, 60, 240, 40}},
    {"form1/P6.bmp", Format::Bmp, 51, 43, kTeal, kWhite, {10, 6, 8, 30}},
    {"form1/P7.bmp", Format::Bmp, 51, 43, kTeal, kWhite, {10, 24, 30, 8}},
    {"form1/P8.bmp", Format::Bmp, 51, 43, kTeal, kWhite, {6, 17, 38, 8}},
    {"form1/P9.bmp", Format::Bmp, 51, 43, kTeal, kWhite, {12, 17, 26, 8}},
    {"form1/P10.bmp", Format::Bmp, 48, 48, kWhite, {0, 0, 64}, {8, 8, 32, 32}},
    {"form1/P11.bmp", Format::Bmp, 239, 30, {0, 255, 255}, {0, 0, 0}, {20, 6, 200, 16}},
    {"form1/G1.bmp", Format::Bmp, 22, 22, {0, 0, 255}, kWhite, {4, 3, 14, 16}},
    {"form1/G2.bmp", Format::Bmp, 32, 32, kWhite, {64, 64, 64}, {4, 4, 24, 18}},
    // The showcase window.
    {"form3/Image2.jpg", Format::Jpeg, 684, 459, {0, 72, 72}, {0, 88, 88}, {0, 0, 684, 120}},
    {"form3/Image1.jpg", Format::Jpeg, 609, 429, kPaper, kDarkBlue, {40, 140, 520, 40}},
    {"form3/Image3.jpg", Format::Jpeg, 555, 392, kPaper, {0, 96, 0}, {40, 160, 470, 60}},
    {"form3/Image4.jpg", Format::Jpeg, 552, 389, kPaper, {96, 0, 0}, {240, 30, 70, 320}},
    {"form3/Image5.jpg", Format::Jpeg, 551, 387, kPaper, {96, 64, 0}, {40, 170, 470, 30}},
    {"form3/Image6.jpg", Format::Jpeg, 619, 438, kPaper, {64, 0, 96}, {220, 40, 180, 340}},
    {"form3/Image7.jpg", Format::Jpeg, 493, 346, kPaper, {0, 64, 96}, {40, 120, 400, 100}},
    {"form3/Image8.jpg",
     Format::Jpeg,
     486,
     363,
     {150, 170, 190},
     {80, 80, 80},
     {100, 40, 280, 300}},
    {"form3/Image9.jpg",
     Format::Jpeg,
     461,
     346,
     {200, 190, 170},
     {120, 60, 40},
     {60, 200, 340, 100}},
    {"form3/Image10.jpg",
     Format::Jpeg,
     471,
     353,
     {180, 180, 170},
     {200, 30, 30},
     {40, 150, 390, 50}},
    {"form3/Image11.jpg",
     Format::Jpeg,
     971,
     665,
     {40, 40, 60},
     {200, 200, 220},
     {200, 150, 570, 360}},
    {"form3/Image12.bmp", Format::Bmp, 509, 50, kNavy, kWhite, {20, 6, 470, 36}},
    {"form3/Image13.bmp", Format::Bmp, 112, 182, kNavy, {255, 255, 0}, {10, 10, 92, 160}},
    {"form3/BitBtn1.bmp", Format::Bmp, 38, 39, kWhite, {0, 160, 0}, {3, 3, 32, 32}},
    {"form3/BitBtn2.bmp", Format::Bmp, 38, 39, kWhite, {0, 160, 0}, {3, 3, 32, 32}},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: pw_pictures OUTPUT_DIR\n";
    return 2;
  }
  try {
    const std::filesystem::path root = argv[1];
    for (const Picture& picture : kPictures) {
      Raster raster(picture.width, picture.height, picture.background);
      raster.Fill(picture.block, picture.accent);
      const std::filesystem::path path = root / picture.file;
      std::filesystem::create_directories(path.parent_path());
      if (picture.format == Format::Bmp)
        WriteFile(path, EncodeBmp(raster));
      else
        WriteJpeg(path, raster);
    }
  } catch (const std::exception& e) {
    std::cerr << "pw_pictures: " << e.what() << '\n';
    return 1;
  }
  return 0;
}

// Placeholder pictures until the drawings are done: a background in the colour the window
// expects (the transparent ones with the stated colour in their bottom-left corner) and one block
// in an accent colour standing for what the picture shows.

#include "pictures/PictureFiles.h"
#include "pictures/WindowPictures.h"

namespace pw::pictures {
namespace {

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
};

}  // namespace

void DrawCalculatorPictures(const std::filesystem::path& root) {
  for (const Picture& picture : kPictures) {
    Raster raster(picture.width, picture.height, picture.background);
    raster.Fill(picture.block, picture.accent);
    const std::filesystem::path path = root / picture.file;
    std::filesystem::create_directories(path.parent_path());
    if (picture.format == Format::Bmp)
      WriteBmp(path, raster);
    else
      WriteJpeg(path, raster);
  }
}

}  // namespace pw::pictures

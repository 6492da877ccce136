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

void DrawShowcasePictures(const std::filesystem::path& root) {
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

// The showcase window's picture files as pw_pictures writes them: JPEG pictures that are baseline
// files with three 8-bit components at the sizes the window lays out, 24-bit bottom-up bitmaps
// whose bottom-left pixel is the transparent colour, arrow glyphs pointing the right way, and
// the same bytes from one run to the next.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace pw::test {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// Runs the picture tool into a fresh folder; returns that folder's form3 subfolder.
fs::path DrawPictures(const std::string& name) {
  const fs::path root =
      fs::temp_directory_path() / ("pw_showcase_" + std::to_string(::getpid()) + "_" + name);
  fs::remove_all(root);
  const std::string command = std::string("\"") + PW_PICTURES + "\" \"" + root.string() + "\"";
  if (std::system(command.c_str()) != 0) return {};
  return root / "form3";
}

// The pictures of one run, drawn once per test process and removed at its end.
const fs::path& Pictures() {
  static const struct Run {
    fs::path folder = DrawPictures("a");
    ~Run() {
      if (!folder.empty()) fs::remove_all(folder.parent_path());
    }
  } run;
  return run.folder;
}

Bytes Read(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

unsigned Le(const Bytes& b, std::size_t at, int count) {
  unsigned v = 0;
  for (int i = count - 1; i >= 0; --i) v = v << 8 | b[at + static_cast<std::size_t>(i)];
  return v;
}

struct FrameHeader {
  std::uint8_t marker;  // 0xC0 baseline, 0xC1 extended, 0xC2 progressive, ...
  int precision, height, width, components;
};

// The first start-of-frame segment, found by walking the marker segments from SOI.
std::optional<FrameHeader> ReadFrameHeader(const Bytes& b) {
  if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return std::nullopt;
  std::size_t at = 2;
  while (at + 4 <= b.size()) {
    if (b[at] != 0xFF) return std::nullopt;
    const std::uint8_t marker = b[at + 1];
    const std::size_t length = static_cast<std::size_t>(b[at + 2]) << 8 | b[at + 3];
    const bool frame =
        marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame) {
      if (at + 10 > b.size()) return std::nullopt;
      return FrameHeader{marker, b[at + 4], b[at + 5] << 8 | b[at + 6], b[at + 7] << 8 | b[at + 8],
                         b[at + 9]};
    }
    if (marker == 0xDA || marker == 0xD9) return std::nullopt;  // scan before any frame
    at += 2 + length;
  }
  return std::nullopt;
}

struct Pixel {
  int r, g, b;
};

// A pixel of a bottom-up 24-bit bitmap file, (x, y) counted from the top-left.
Pixel BitmapPixel(const Bytes& b, int x, int y) {
  const int width = static_cast<int>(Le(b, 18, 4)), height = static_cast<int>(Le(b, 22, 4));
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  const std::size_t at = Le(b, 10, 4) + static_cast<std::size_t>(height - 1 - y) * stride +
                         static_cast<std::size_t>(x) * 3;
  return {b[at + 2], b[at + 1], b[at]};
}

bool Same(Pixel p, Pixel q) {
  return p.r == q.r && p.g == q.g && p.b == q.b;
}

TEST(ShowcasePictures, JpegPicturesAreBaselineWithThreeComponentsAtTheirSizes) {
  ASSERT_FALSE(Pictures().empty()) << "pw_pictures failed";
  const struct {
    const char* file;
    int width, height;
  } pictures[] = {{"Image2.jpg", 684, 459},  {"Image1.jpg", 609, 429}, {"Image3.jpg", 555, 392},
                  {"Image4.jpg", 552, 389},  {"Image5.jpg", 551, 387}, {"Image6.jpg", 619, 438},
                  {"Image7.jpg", 493, 346},  {"Image8.jpg", 486, 363}, {"Image9.jpg", 461, 346},
                  {"Image10.jpg", 471, 353}, {"Image11.jpg", 971, 665}};
  for (const auto& p : pictures) {
    SCOPED_TRACE(p.file);
    const Bytes bytes = Read(Pictures() / p.file);
    const auto frame = ReadFrameHeader(bytes);
    ASSERT_TRUE(frame.has_value());
    EXPECT_EQ(frame->marker, 0xC0);  // baseline sequential, Huffman
    EXPECT_EQ(frame->precision, 8);
    EXPECT_EQ(frame->components, 3);
    EXPECT_EQ(frame->width, p.width);
    EXPECT_EQ(frame->height, p.height);
    EXPECT_EQ(bytes[bytes.size() - 2], 0xFF);
    EXPECT_EQ(bytes[bytes.size() - 1], 0xD9);  // ends with EOI
    // Pictures are embedded in the form stream: drawn, not noise.
    EXPECT_LT(bytes.size(), 160u * 1024u);
  }
}

// The eleven JPEG files fill the showcase stream to its size: 611647 bytes between them, made up
// with comment segments after the JFIF header.
TEST(ShowcasePictures, JpegPicturesAddUpToTheirShareOfTheStream) {
  ASSERT_FALSE(Pictures().empty()) << "pw_pictures failed";
  std::size_t total = 0;
  for (int i = 1; i <= 11; ++i) {
    const std::string file = "Image" + std::to_string(i) + ".jpg";
    SCOPED_TRACE(file);
    const Bytes b = Read(Pictures() / file);
    total += b.size();
    ASSERT_GE(b.size(), 24u);
    EXPECT_EQ(b[2], 0xFF);
    EXPECT_EQ(b[3], 0xE0);  // APP0 (JFIF) first
    const std::size_t comment = 4 + (static_cast<std::size_t>(b[4]) << 8 | b[5]);
    EXPECT_EQ(b[comment], 0xFF);
    EXPECT_EQ(b[comment + 1], 0xFE);  // then a comment
    EXPECT_TRUE(ReadFrameHeader(b).has_value());
  }
  EXPECT_EQ(total, 611647u);
}

TEST(ShowcasePictures, BitmapsAreBottomUp24BitFilesWithTheKeyColourInTheirCorner) {
  ASSERT_FALSE(Pictures().empty()) << "pw_pictures failed";
  const Pixel navy{0, 0, 128}, white{255, 255, 255};
  const struct {
    const char* file;
    int width, height;
    Pixel key;
  } bitmaps[] = {{"Image12.bmp", 509, 50, navy},
                 {"Image13.bmp", 112, 182, navy},
                 {"BitBtn1.bmp", 38, 39, white},
                 {"BitBtn2.bmp", 38, 39, white}};
  for (const auto& m : bitmaps) {
    SCOPED_TRACE(m.file);
    const Bytes b = Read(Pictures() / m.file);
    ASSERT_GE(b.size(), 54u);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(Le(b, 2, 4), b.size());
    EXPECT_EQ(Le(b, 10, 4), 54u);
    EXPECT_EQ(Le(b, 14, 4), 40u);  // info header
    EXPECT_EQ(Le(b, 18, 4), static_cast<unsigned>(m.width));
    EXPECT_EQ(Le(b, 22, 4), static_cast<unsigned>(m.height));  // positive: bottom-up
    EXPECT_EQ(Le(b, 26, 2), 1u);
    EXPECT_EQ(Le(b, 28, 2), 24u);
    EXPECT_EQ(Le(b, 30, 4), 0u);  // uncompressed
    ASSERT_EQ(b.size(), 54u + (static_cast<std::size_t>(m.width) * 3 + 3) / 4 * 4 * m.height);
    EXPECT_TRUE(Same(BitmapPixel(b, 0, m.height - 1), m.key));
    // Something is drawn on the key colour.
    int drawn = 0;
    for (int y = 0; y < m.height; ++y)
      for (int x = 0; x < m.width; ++x) drawn += Same(BitmapPixel(b, x, y), m.key) ? 0 : 1;
    EXPECT_GT(drawn, m.width * m.height / 20);
  }
  // The button glyph streams carry this byte count.
  EXPECT_EQ(Read(Pictures() / "BitBtn1.bmp").size(), 4578u);
}

TEST(ShowcasePictures, LetteringStaysWhereTheWindowShowsIt) {
  ASSERT_FALSE(Pictures().empty()) << "pw_pictures failed";
  // The footer image is four rows shorter than its bitmap: those rows must be empty.
  const Bytes banner = Read(Pictures() / "Image12.bmp");
  int white = 0;
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 509; ++x) {
      const Pixel p = BitmapPixel(banner, x, y);
      if (y >= 46) {
        ASSERT_TRUE(Same(p, {0, 0, 128})) << x << "," << y;
      } else if (p.r > 240 && p.g > 240 && p.b > 240) {
        ++white;
      }
    }
  EXPECT_GT(white, 1000);
  // The side list is yellow.
  const Bytes list = Read(Pictures() / "Image13.bmp");
  int yellow = 0;
  for (int y = 0; y < 182; ++y)
    for (int x = 0; x < 112; ++x) {
      const Pixel p = BitmapPixel(list, x, y);
      if (p.r > 220 && p.g > 190 && p.b < 100) ++yellow;
    }
  EXPECT_GT(yellow, 500);
}

TEST(ShowcasePictures, NextArrowPointsUpAndPreviousArrowDown) {
  ASSERT_FALSE(Pictures().empty()) << "pw_pictures failed";
  const auto isWhite = [](Pixel p) { return p.r > 230 && p.g > 230 && p.b > 230; };
  const auto isGreen = [](Pixel p) { return p.g > p.r + 40 && p.g > p.b + 40; };
  // Beside the centre the arrow's head is wide and its shaft narrow.
  const Bytes next = Read(Pictures() / "BitBtn1.bmp");
  EXPECT_TRUE(isWhite(BitmapPixel(next, 25, 17)));
  EXPECT_TRUE(isGreen(BitmapPixel(next, 25, 22)));
  const Bytes previous = Read(Pictures() / "BitBtn2.bmp");
  EXPECT_TRUE(isWhite(BitmapPixel(previous, 25, 21)));
  EXPECT_TRUE(isGreen(BitmapPixel(previous, 25, 16)));
}

// The glyph's bottom-left pixel is its transparent colour: nothing on the round face may have
// it, or the arrow shows the button face through.
TEST(ShowcasePictures, ArrowsAreWhiteButNotTheTransparentColour) {
  ASSERT_FALSE(Pictures().empty()) << "pw_pictures failed";
  for (const char* file : {"BitBtn1.bmp", "BitBtn2.bmp"}) {
    SCOPED_TRACE(file);
    const Bytes glyph = Read(Pictures() / file);
    const Pixel key = BitmapPixel(glyph, 0, 38);
    int keyed = 0, white = 0;
    for (int y = 0; y < 39; ++y)
      for (int x = 0; x < 38; ++x) {
        const double dx = x + 0.5 - 19, dy = y + 0.5 - 19.5;
        if (dx * dx + dy * dy > 15.5 * 15.5) continue;  // the face, inside its rim
        const Pixel p = BitmapPixel(glyph, x, y);
        keyed += Same(p, key) ? 1 : 0;
        white += p.r > 240 && p.g > 240 && p.b > 240 && !Same(p, key) ? 1 : 0;
      }
    EXPECT_EQ(keyed, 0);
    EXPECT_GT(white, 100);  // the arrow
  }
}

TEST(ShowcasePictures, EveryRunWritesTheSameBytes) {
  ASSERT_FALSE(Pictures().empty()) << "pw_pictures failed";
  const fs::path again = DrawPictures("b");
  ASSERT_FALSE(again.empty()) << "pw_pictures failed";
  int files = 0;
  for (const auto& entry : fs::directory_iterator(Pictures())) {
    SCOPED_TRACE(entry.path().filename().string());
    EXPECT_EQ(Read(entry.path()), Read(again / entry.path().filename()));
    ++files;
  }
  EXPECT_EQ(files, 15);
  fs::remove_all(again.parent_path());
}

}  // namespace
}  // namespace pw::test

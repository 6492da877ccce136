// Bitmaps: bitmap files of every layout, broken ones, drawing plain, stretched and transparent,
// the transparent colour with its mask, and shared pixels.

#include <gtest/gtest.h>

#include "forms/FilerErrors.h"
#include "graphics/Bitmap.h"
#include "graphics/PictureBytes.h"

namespace pw {
namespace {

using test::BitmapFile;
using test::Bytes;
using Rows = std::vector<std::vector<std::uint32_t>>;

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

void Read(TBitmap& bitmap, const Bytes& file) {
  TMemoryStream stream(test::Sized(file));
  bitmap.ReadData(stream);
}

Rows Pixels(const TBitmap& bitmap) {
  Rows rows;
  for (int y = 0; y < bitmap.Height(); ++y) {
    rows.emplace_back(bitmap.ScanLine(y), bitmap.ScanLine(y) + bitmap.Width());
  }
  return rows;
}

TEST(BitmapReading, BrokenFilesFailWithTheirErrorAndLeaveTheBitmapAsItWas) {
  struct Case {
    const char* what;
    std::function<void(BitmapFile&)> spoil;
    const char* message;
  };
  const char* invalid = "Bitmap image is not valid";
  const char* readError = "Stream read error";
  const std::vector<Case> cases = {
      {"not BM", [](BitmapFile& f) { f.signature = "MB"; }, invalid},
      {"two planes", [](BitmapFile& f) { f.planes = 2; }, invalid},
      {"two bits per pixel", [](BitmapFile& f) { f.bitCount = 2; }, invalid},
      {"bit fields at 24 bits", [](BitmapFile& f) { f.compression = 3; }, invalid},
      {"no columns", [](BitmapFile& f) { f.width = 0; }, invalid},
      {"larger than any section", [](BitmapFile& f) { f.width = f.height = 100000; }, invalid},
      {"a row longer than an int counts", [](BitmapFile& f) { f.width = 0x2C000003; }, invalid},
      {"compressed, not run-length", [](BitmapFile& f) { f.compression = 5; }, invalid},
      {"header beyond the payload", [](BitmapFile& f) { f.headerSize = 0x7FFFFFFF; }, readError},
      {"colour table beyond the payload",
       [](BitmapFile& f) { f.bitCount = 8, f.colorsUsed = 0x40000000; }, readError},
      {"pixels beyond the stream", [](BitmapFile& f) { f.pixels.resize(2); }, readError},
  };
  for (const Case& c : cases) {
    TBitmap bitmap;
    Read(bitmap, test::Bitmap24(1, 1, [](int, int) { return kGreen; }));
    BitmapFile file{.pixels = {1, 2, 3, 0}};
    c.spoil(file);
    Bytes data = test::Sized(file.Build());
    if (file.pixels.size() == 2) data[0] += 2;  // the size claims two bytes more than follow
    TMemoryStream stream(data);
    try {
      bitmap.ReadData(stream);
      ADD_FAILURE() << c.what << ": read";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), c.message) << c.what;
      EXPECT_EQ(dynamic_cast<const EReadError*>(&e) != nullptr, c.message == readError) << c.what;
    }
    EXPECT_EQ(Pixels(bitmap), (Rows{{kGreen}})) << c.what;
  }
}

TEST(BitmapReading, RowsLandInPictureOrderAndRowsBeyondTheSizeStayBlack) {
  // A 2 x 2 picture, red green / blue white from the top, stored both ways.
  const Bytes top = {0, 0, 0xFF, 0, 0xFF, 0, 0, 0}, bottom = {0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0};
  BitmapFile f{.width = 2, .height = 2, .pixels = bottom};
  f.pixels.insert(f.pixels.end(), top.begin(), top.end());
  TBitmap bitmap;
  Read(bitmap, f.Build());
  EXPECT_EQ(Pixels(bitmap), (Rows{{kRed, kGreen}, {kBlue, kWhite}}));
  f.height = -2;
  f.pixels = top;
  f.pixels.insert(f.pixels.end(), bottom.begin(), bottom.end());
  Read(bitmap, f.Build());
  EXPECT_EQ(Pixels(bitmap), (Rows{{kRed, kGreen}, {kBlue, kWhite}}));
  // Four rows announced; the size covers the bottom two only.
  Read(bitmap,
       BitmapFile{.height = 4, .sizeImage = 16, .pixels = {0xFF, 0, 0, 0, 0, 0xFF, 0, 0}}.Build());
  EXPECT_EQ(Pixels(bitmap), (Rows{{0}, {0}, {kGreen}, {kBlue}}));
  // A size larger than the rows: nothing beyond the rows is read into the image.
  Read(bitmap, BitmapFile{.sizeImage = 64, .pixels = Bytes(64, 0x40)}.Build());
  EXPECT_EQ(Pixels(bitmap), (Rows{{0x404040}}));
}

TEST(BitmapReading, ColourTablesBitFieldsPackedAndCompressedPixels) {
  std::vector<std::uint32_t> sixteen(16);
  sixteen[1] = kRed, sixteen[2] = kGreen;
  struct Case {
    const char* what;
    BitmapFile file;
    Rows expected;
    TPixelFormat format;
  };
  const std::vector<Case> cases = {
      {"1 bit",
       {.width = 3, .bitCount = 1, .colors = {kRed, kBlue}, .pixels = {0xA0, 0, 0, 0}},
       {{kBlue, kRed, kBlue}},
       TPixelFormat::pf1bit},
      {"4 bits, core header",
       {.width = 3, .bitCount = 4, .headerSize = 12, .colors = sixteen, .pixels = {0x12, 0, 0, 0}},
       {{kRed, kGreen, 0}},
       TPixelFormat::pf4bit},
      {"8 bits, two colours used, an index past them",
       {.width = 3,
        .bitCount = 8,
        .colorsUsed = 2,
        .colors = {kGreen, kBlue},
        .pixels = {1, 0, 7, 0}},
       {{kBlue, kGreen, 0}},
       TPixelFormat::pf8bit},
      {"16 bits, 5-5-5",
       {.width = 2, .bitCount = 16, .pixels = {0x00, 0x7C, 0x1F, 0x00}},
       {{kRed, kBlue}},
       TPixelFormat::pf15bit},
      {"16 bits, 5-6-5 fields",
       {.width = 2,
        .bitCount = 16,
        .compression = 3,
        .masks = {0xF800, 0x07E0, 0x001F},
        .pixels = {0xE0, 0x07, 0x10, 0x84}},
       {{kGreen, 0x848284}},
       TPixelFormat::pf16bit},
      {"32 bits, fields (all 0) inside a larger header",
       {.bitCount = 32, .headerSize = 56, .compression = 3, .pixels = {0x11, 0x22, 0x33, 0x44}},
       {{0}},
       TPixelFormat::pf32bit},
      {"32 bits",
       {.bitCount = 32, .pixels = {0x11, 0x22, 0x33, 0x44}},
       {{0x332211}},
       TPixelFormat::pf32bit},
      // Bottom row: a run of three 1s, end of line. Top row: an absolute run 2, 1, 2 padded to
      // an even length, a run of one 1, end of bitmap.
      {"8 bits, run-length",
       {.width = 4,
        .height = 2,
        .bitCount = 8,
        .compression = 1,
        .sizeImage = 14,
        .colorsUsed = 3,
        .colors = {0, kRed, kBlue},
        .pixels = {3, 1, 0, 0, 0, 3, 2, 1, 2, 0, 1, 1, 0, 1}},
       {{kBlue, kRed, kBlue, kRed}, {kRed, kRed, kRed, 0}},
       TPixelFormat::pf8bit},
  };
  for (const Case& c : cases) {
    TBitmap bitmap;
    Read(bitmap, c.file.Build());
    EXPECT_EQ(Pixels(bitmap), c.expected) << c.what;
    EXPECT_EQ(bitmap.PixelFormat(), c.format) << c.what;
    if (c.file.compression == 1) {
      EXPECT_EQ(bitmap.Data(), test::Sized(c.file.Build())) << "kept as read";
    }
    TBitmap copy;
    TMemoryStream written(bitmap.Data());
    copy.ReadData(written);
    EXPECT_EQ(Pixels(copy), c.expected) << c.what << ", written and read back";
  }
}

TEST(BitmapDrawing, TransparentWhiteShowsTheBackgroundAndOneStepOffIsDrawn) {
  // White, but one step off white at (1, 0) and red at (2, 1).
  TBitmap bitmap;
  Read(bitmap, test::Bitmap24(4, 2, [](int x, int y) {
         return x == 1 && y == 0 ? 0xFFFFFEu : x == 2 && y == 1 ? kRed : kWhite;
       }));
  bitmap.SetTransparent(true);
  const gfx::COLORREF back = gfx::RGB(0, 0, 128);
  for (const int scale : {1, 3}) {  // through the mask at 1:1, by four blits when stretched
    test::Canvas canvas(16, 8, back);
    bitmap.Draw(canvas.dc(), {0, 0, 4 * scale, 2 * scale});
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 16; ++x) {
        const int px = x / scale, py = y / scale;
        const gfx::COLORREF expected = px == 1 && py == 0   ? gfx::RGB(0xFF, 0xFF, 0xFE)
                                       : px == 2 && py == 1 ? gfx::RGB(0xFF, 0, 0)
                                                            : back;
        ASSERT_EQ(canvas(x, y), expected) << scale << ": " << x << ", " << y;
      }
    }
  }
  bitmap.SetTransparent(false);
  test::Canvas opaque(2, 1, back);
  bitmap.Draw(opaque.dc(), {0, 0, 2, 1});  // shrunk: columns 0 and 2 of the top row
  EXPECT_EQ(opaque(0, 0), gfx::RGB(255, 255, 255));
  EXPECT_EQ(opaque(1, 0), gfx::RGB(255, 255, 255));
}

TEST(BitmapTransparency, AutomaticColourFixedColourAndTheMask) {
  TBitmap bitmap;
  Read(bitmap, test::Bitmap24(2, 2, [](int x, int y) { return y == 1 && x == 0 ? kBlue : kRed; }));
  EXPECT_EQ(bitmap.TransparentMode(), TTransparentMode::tmAuto);
  EXPECT_EQ(bitmap.TransparentColor(), TColor{gfx::RGB(0, 0, 255)}) << "the bottom-left pixel";
  const gfx::HBITMAP mask = bitmap.MaskHandle();
  EXPECT_EQ(bitmap.MaskHandle(), mask) << "built once";
  gfx::BitmapInfo info;
  const auto bits = [&] {  // the mask's bits, rows from the top
    EXPECT_TRUE(gfx::GetBitmapInfo(bitmap.MaskHandle(), info));
    const auto* b = static_cast<const std::uint8_t*>(info.bits);
    return std::vector<int>{b[0] >> 7, (b[0] >> 6) & 1, b[info.stride] >> 7,
                            (b[info.stride] >> 6) & 1};
  };
  EXPECT_EQ(bits(), (std::vector<int>{0, 0, 1, 0}));
  EXPECT_EQ(info.bitsPerPixel, 1);
  bitmap.SetTransparentColor(TColor{gfx::RGB(255, 0, 0)});
  EXPECT_EQ(bitmap.TransparentMode(), TTransparentMode::tmFixed);
  EXPECT_EQ(bits(), (std::vector<int>{1, 1, 0, 1}));
  Read(bitmap, test::Bitmap24(1, 1, [](int, int) { return kGreen; }));
  EXPECT_EQ(bitmap.TransparentColor(), TColor{gfx::RGB(255, 0, 0)}) << "fixed stays fixed";
  bitmap.SetTransparentColor(clDefault);
  EXPECT_EQ(bitmap.TransparentColor(), TColor{gfx::RGB(0, 255, 0)});
  Read(bitmap, BitmapFile{.bitCount = 1, .colors = {kRed, kBlue}, .pixels = {0, 0, 0, 0}}.Build());
  EXPECT_EQ(bitmap.TransparentColor(), clWhite) << "monochrome bitmaps";
}

TEST(BitmapSharing, CopiesSharePixelsUntilOneChanges) {
  TBitmap a, b;
  Read(a, test::Bitmap24(2, 1, [](int, int) { return kRed; }));
  b.Assign(a);
  EXPECT_EQ(b.Handle(), a.Handle());
  b.ScanLine(0)[0] = kBlue;
  EXPECT_NE(b.Handle(), a.Handle());
  EXPECT_EQ(Pixels(a), (Rows{{kRed, kRed}}));
  b.SetSize(3, 2);
  EXPECT_EQ(Pixels(b), (Rows{{kBlue, kRed, 0}, {0, 0, 0}}));
}

}  // namespace
}  // namespace pw

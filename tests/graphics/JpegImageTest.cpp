// JPEG images: the header read with the data, decoding on first draw, grayscale and 8-bit output,
// reduced scales, truncated and broken streams, progress handlers, and the errors.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <string>

#include "forms/FilerErrors.h"
#include "graphics/JpegImage.h"
#include "graphics/PictureBytes.h"

// After jpeglib.h (from PictureBytes.h): the message codes.
#include <jerror.h>

namespace pw {
namespace {

using test::Bytes;

void Read(TJPEGImage& image, const Bytes& jpeg) {
  TMemoryStream stream(test::Sized(jpeg));
  image.ReadData(stream);
}

// Red, green / blue, white quadrants.
Bytes Quadrants(int width, int height, test::JpegOptions options = {}) {
  return test::Jpeg(
      width, height,
      [=](int x, int y) -> std::uint32_t {
        return y < height / 2 ? (x < width / 2 ? 0xFF0000 : 0x00FF00)
                              : (x < width / 2 ? 0x0000FF : 0xFFFFFF);
      },
      options);
}

// Each channel of a pixel (0x00RRGGBB) within `tolerance` of the expected one.
bool Near(std::uint32_t pixel, std::uint32_t expected, int tolerance = 12) {
  for (int shift = 0; shift < 24; shift += 8) {
    if (std::abs(static_cast<int>((pixel >> shift) & 0xFF) -
                 static_cast<int>((expected >> shift) & 0xFF)) > tolerance) {
      return false;
    }
  }
  return true;
}

std::string JpegError(int code) {
  return "JPEG error #" + std::to_string(code);
}

TEST(JpegReading, SizeAndKindAreKnownFromTheHeaderBeforeAnyDecoding) {
  TJPEGImage image, gray, progressive;
  const Bytes jpeg = Quadrants(65, 47);
  Read(image, jpeg);
  EXPECT_EQ(image.Width(), 65);
  EXPECT_EQ(image.Height(), 47);
  EXPECT_FALSE(image.Decoded());
  EXPECT_FALSE(image.Grayscale() || image.ProgressiveEncoding());
  EXPECT_EQ(image.Data(), test::Sized(jpeg)) << "kept exactly as read";
  image.SetScale(TJPEGScale::jsHalf);
  EXPECT_EQ(image.Width(), 33) << "as libjpeg rounds the output size";
  EXPECT_EQ(image.Height(), 24);
  EXPECT_FALSE(image.Decoded());
  EXPECT_EQ(image.Bitmap()->Width(), 33) << "decoded at that scale";
  Read(gray, Quadrants(16, 16, {.space = JCS_GRAYSCALE}));
  EXPECT_TRUE(gray.Grayscale());
  Read(progressive, Quadrants(16, 16, {.progressive = true}));
  EXPECT_TRUE(progressive.ProgressiveEncoding());
}

TEST(JpegDecoding, FirstDrawDecodesTheColoursOnceWhateverTheScanOrder) {
  for (const bool progressive : {false, true}) {
    TJPEGImage image;
    Read(image, Quadrants(32, 32, {.progressive = progressive}));
    image.SetProgressiveDisplay(progressive);
    int changes = 0;
    image.OnChange = [&](TObject*) { ++changes; };
    test::Canvas canvas(32, 32, 0);
    image.Draw(canvas.dc(), {0, 0, 32, 32});
    const TBitmap* bitmap = image.Bitmap();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(bitmap->PixelFormat(), TPixelFormat::pf24bit);
    ASSERT_EQ(bitmap->Width(), 32);
    EXPECT_TRUE(Near(bitmap->ScanLine(4)[4], 0xFF0000)) << progressive;
    EXPECT_TRUE(Near(bitmap->ScanLine(4)[28], 0x00FF00)) << progressive;
    EXPECT_TRUE(Near(bitmap->ScanLine(28)[4], 0x0000FF)) << progressive;
    EXPECT_TRUE(Near(bitmap->ScanLine(28)[28], 0xFFFFFF)) << progressive;
    const std::uint32_t p = bitmap->ScanLine(28)[4];
    EXPECT_EQ(canvas(4, 28), gfx::RGB(p >> 16, p >> 8, p));
    image.Draw(canvas.dc(), {0, 0, 32, 32});
    EXPECT_EQ(image.Bitmap(), bitmap);
    EXPECT_EQ(changes, 1);
  }
}

TEST(JpegDecoding, GrayscaleAnd8BitOutputGoThroughAColourMap) {
  TJPEGImage gray, colour;
  Read(gray,
       test::Jpeg(32, 8, [](int x, int) { return x * 8 * 0x010101u; }, {.space = JCS_GRAYSCALE}));
  EXPECT_EQ(gray.Bitmap()->PixelFormat(), TPixelFormat::pf8bit);
  for (int x = 0; x < 32; ++x) {
    const std::uint32_t p = gray.Bitmap()->ScanLine(3)[x];
    EXPECT_EQ(p, (p & 0xFF) * 0x010101u);
    EXPECT_TRUE(Near(p, x * 8 * 0x010101u)) << x;
  }
  Read(colour, Quadrants(32, 32));
  colour.SetPixelFormat(TJPEGPixelFormat::jf8Bit);
  EXPECT_EQ(colour.Bitmap()->PixelFormat(), TPixelFormat::pf8bit);
  EXPECT_TRUE(Near(colour.Bitmap()->ScanLine(4)[4], 0xFF0000, 40));
  EXPECT_TRUE(Near(colour.Bitmap()->ScanLine(28)[28], 0xFFFFFF, 40));
}

TEST(JpegDecoding, ATruncatedStreamDecodesWithoutErrorAndTheLibraryFillsTheRest) {
  Bytes jpeg = Quadrants(64, 64);
  std::size_t scan = 0;  // cut halfway through the data after the start of the scan
  while (!(jpeg[scan] == 0xFF && jpeg[scan + 1] == 0xDA)) ++scan;
  jpeg.resize(scan + (jpeg.size() - scan) / 2);
  TJPEGImage image;
  Read(image, jpeg);
  test::Canvas canvas(64, 64, 0);
  EXPECT_NO_THROW(image.Draw(canvas.dc(), {0, 0, 64, 64}));
  ASSERT_EQ(image.Bitmap()->Height(), 64);
  EXPECT_TRUE(Near(image.Bitmap()->ScanLine(2)[2], 0xFF0000));
  EXPECT_FALSE(Near(image.Bitmap()->ScanLine(60)[60], 0xFFFFFF, 60)) << "the end is missing";
}

// The message of the exception of class E that `action` raises.
template <class E, class Action>
std::string ErrorOf(Action&& action) {
  try {
    action();
  } catch (const E& e) {
    return e.Message();
  }
  return "no error";
}

TEST(JpegFailures, EachFailureHasItsClassAndMessage) {
  TJPEGImage empty, image;
  TMemoryStream zero(Bytes{0, 0, 0, 0});
  empty.ReadData(zero);
  EXPECT_TRUE(empty.Empty());
  test::Canvas canvas(4, 4, 0);
  const auto draw = [&](TJPEGImage& jpeg) { jpeg.Draw(canvas.dc(), {0, 0, 4, 4}); };
  EXPECT_EQ(ErrorOf<EJPEG>([&] { draw(empty); }), JpegError(JERR_INPUT_EMPTY));
  EXPECT_TRUE(empty.Decoded());
  EXPECT_NO_THROW(draw(empty)) << "decoding is not tried again";

  EXPECT_EQ(ErrorOf<EJPEG>([&] {
              Read(image, Bytes{'G', 'I', 'F', '8', '9', 'a'});
            }),
            JpegError(JERR_NO_SOI));
  Bytes cut = test::Sized(Quadrants(8, 8));
  cut.pop_back();
  TMemoryStream cutStream(cut);
  EXPECT_EQ(ErrorOf<EReadError>([&] { image.ReadData(cutStream); }), "Stream read error");
  // Four components cannot become blue-green-red rows: an error, not a wild write.
  Read(image, Quadrants(16, 16, {.space = JCS_CMYK}));
  EXPECT_EQ(ErrorOf<EJPEG>([&] { draw(image); }), JpegError(JERR_CONVERSION_NOTIMPL));
  const std::string resize = "Cannot change the size of a JPEG image";
  EXPECT_EQ(ErrorOf<EInvalidGraphicOperation>([&] { image.SetWidth(10); }), resize);
  EXPECT_EQ(ErrorOf<EInvalidGraphicOperation>([&] { image.SetHeight(10); }), resize);
}

TEST(JpegDecoding, AnAbortFromTheProgressHandlerStopsQuietlyAndOtherErrorsPropagate) {
  TJPEGImage image;
  Read(image, Quadrants(16, 16));
  int starts = 0;
  image.OnProgress = [&](TGraphic&, TProgressStage stage, int, bool, const gfx::RECT&,
                         std::string_view) {
    if (stage != TProgressStage::psStarting) return;
    if (++starts == 1) throw EAbort("stop");
    throw EConvertError("handler failed");
  };
  test::Canvas canvas(16, 16, 0);
  EXPECT_NO_THROW(image.Draw(canvas.dc(), {0, 0, 16, 16}));
  EXPECT_NO_THROW(image.Draw(canvas.dc(), {0, 0, 16, 16}));
  EXPECT_EQ(starts, 1);
  image.SetScale(TJPEGScale::jsQuarter);  // a new decoding
  EXPECT_THROW(image.Draw(canvas.dc(), {0, 0, 16, 16}), EConvertError);
}

// A small progressive file whose frame header declares `width` x `height`.
Bytes ProgressiveDeclaring(int width, int height) {
  Bytes jpeg = Quadrants(16, 16, {.progressive = true});
  for (std::size_t i = 0; i + 9 < jpeg.size(); ++i) {
    if (jpeg[i] != 0xFF || jpeg[i + 1] != 0xC2) continue;
    jpeg[i + 5] = static_cast<std::uint8_t>(height >> 8);
    jpeg[i + 6] = static_cast<std::uint8_t>(height);
    jpeg[i + 7] = static_cast<std::uint8_t>(width >> 8);
    jpeg[i + 8] = static_cast<std::uint8_t>(width);
    break;
  }
  return jpeg;
}

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// A few hundred bytes declaring a huge multi-scan image: the library's working memory runs out
// before it takes gigabytes for the coefficients, also when the output is small.
TEST(JpegFailures, HugeDeclaredImagesFailWithoutTakingTheirMemory) {
  const long before = PeakKilobytes();
  TJPEGImage full;
  Read(full, ProgressiveDeclaring(16384, 16384));  // 0.8 GB of coefficients
  EXPECT_EQ(ErrorOf<EJPEG>([&] { full.Bitmap(); }), JpegError(JERR_NO_BACKING_STORE));
  TJPEGImage scaled;
  Read(scaled, ProgressiveDeclaring(24000, 24000));  // 1.7 GB, for 3000 x 3000 pixels
  scaled.SetScale(TJPEGScale::jsEighth);
  EXPECT_EQ(ErrorOf<EJPEG>([&] { scaled.Bitmap(); }), JpegError(JERR_NO_BACKING_STORE));
  EXPECT_TRUE(scaled.Bitmap()->Empty());
  EXPECT_LT(PeakKilobytes() - before, 256 * 1024);
}

}  // namespace
}  // namespace pw

// The image control: where its picture goes, when it is opaque, auto-sizing, and its pictures on a
// shown window (cut at the edges, stretched, transparent, decoded once).

#include <gtest/gtest.h>

#include <memory>

#include "controls/Image.h"
#include "graphics/JpegImage.h"
#include "graphics/PictureBytes.h"
#include "graphics/StoredGraphic.h"
#include "support/UserInput.h"

namespace pw {
namespace {

using test::Bytes;

std::unique_ptr<TBitmap> BlankBitmap(int width, int height) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(width, height);
  return bitmap;
}

void ReadPicture(TImage& image, const char* className, const Bytes& data) {
  TMemoryStream stream(test::PictureData(className, test::Sized(data)));
  image.Picture()->ReadData(stream);
}

bool IsOpaque(const TImage& image) {
  return image.HasStyle(TControlStyle::csOpaque);
}

TEST(ImagePlacement, NaturalStretchedProportionalAndCentred) {
  struct Case {
    int w, h, cw, ch;
    bool stretch, proportional, center;
    gfx::RECT expected;
  };
  const std::vector<Case> cases = {
      {30, 20, 105, 105, false, false, false, {0, 0, 30, 20}},
      {30, 20, 50, 40, true, false, false, {0, 0, 50, 40}},
      {600, 300, 100, 100, false, true, false, {0, 0, 100, 50}},
      {600, 300, 100, 100, false, true, true, {0, 25, 100, 75}},
      {300, 600, 100, 100, false, true, true, {25, 0, 75, 100}},
      {200, 100, 100, 30, false, true, false, {0, 0, 60, 30}},
      {30, 20, 100, 100, false, true, false, {0, 0, 30, 20}},
      {30, 20, 100, 100, true, true, false, {0, 0, 100, 66}},
      {685, 460, 590, 391, false, false, true, {-47, -34, 638, 426}},
      {0, 0, 80, 60, true, true, false, {0, 0, 80, 60}},
  };
  for (const Case& c : cases) {
    TImage image(nullptr);
    image.SetBounds(0, 0, c.cw, c.ch);
    image.Picture()->SetGraphic(BlankBitmap(c.w, c.h));
    image.SetStretch(c.stretch);
    image.SetProportional(c.proportional);
    image.SetCenter(c.center);
    EXPECT_EQ(image.DestRect(), c.expected)
        << c.w << "x" << c.h << " in " << c.cw << "x" << c.ch << " s" << c.stretch << " p"
        << c.proportional << " c" << c.center;
  }
}

TEST(ImageSettings, OpaqueOnlyWhenStretchedAndNeitherTransparentNorProportionalAndAutoSize) {
  TImage image(nullptr);
  image.SetStretch(true);
  EXPECT_FALSE(IsOpaque(image)) << "no picture";
  image.Picture()->SetGraphic(BlankBitmap(4, 4));
  EXPECT_TRUE(IsOpaque(image));
  image.SetProportional(true);
  EXPECT_FALSE(IsOpaque(image));
  image.SetProportional(false);
  image.SetTransparent(true);
  EXPECT_TRUE(image.Picture()->Graphic()->Transparent()) << "the graphic follows the control";
  EXPECT_FALSE(IsOpaque(image));
  image.Picture()->SetGraphic(std::make_unique<TMetafile>());
  EXPECT_FALSE(image.Picture()->Graphic()->Transparent()) << "metafiles keep their own";
  EXPECT_TRUE(IsOpaque(image));
  image.Picture()->SetGraphic(nullptr);
  EXPECT_FALSE(IsOpaque(image));

  // Auto-sizing takes the picture's size, but not an empty picture's.
  image.SetBounds(5, 6, 70, 80);
  image.SetAutoSize(true);
  ReadPicture(image, "TBitmap", test::Bitmap24(30, 20, [](int, int) { return 0u; }));
  EXPECT_EQ(image.BoundsRect(), (gfx::RECT{5, 6, 35, 26}));
  ReadPicture(image, "TBitmap", {});
  EXPECT_EQ(image.BoundsRect(), (gfx::RECT{5, 6, 35, 26}));
  image.SetAutoSize(false);
  image.SetBounds(5, 6, 70, 80);
  ReadPicture(image, "TJPEGImage", test::Jpeg(12, 9, [](int, int) { return 0u; }));
  image.SetAutoSize(true);
  EXPECT_EQ(image.BoundsRect(), (gfx::RECT{5, 6, 17, 15})) << "a JPEG's size from its header";
}

// An image that counts its paints.
class CountingImage : public TImage {
 public:
  using TImage::TImage;
  void Paint(gfx::HDC dc) override {
    ++paints;
    TImage::Paint(dc);
  }
  int paints = 0;
};

class ImageOnWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    form_->SetColor(static_cast<TColor>(kBack));
    form_->SetBounds(0, 0, 400, 300);
    form_->SetClientWidth(590);
    form_->SetClientHeight(391);
  }
  CountingImage* AddImage() {
    auto* image = new CountingImage(form_.get());
    image->SetParent(form_.get());
    return image;
  }
  void Show() {
    form_->SetVisible(true);
    testing::UserInput::Settle();
  }
  gfx::COLORREF Pixel(int x, int y) const {
    return testing::UserInput::Pixel(form_->Handle(), x, y);
  }
  static bool Near(gfx::COLORREF a, gfx::COLORREF b) {
    return std::abs(gfx::GetRValue(a) - gfx::GetRValue(b)) < 24 &&
           std::abs(gfx::GetGValue(a) - gfx::GetGValue(b)) < 24 &&
           std::abs(gfx::GetBValue(a) - gfx::GetBValue(b)) < 24;
  }

  static constexpr gfx::COLORREF kBack = gfx::RGB(200, 180, 40);
  testing::UserInput input_;
  std::unique_ptr<TForm> form_ = std::make_unique<TForm>(nullptr);
};

TEST_F(ImageOnWindow, ALargePictureIsCutAtTheClientEdgesOrReducedExactlyWhenStretched) {
  // 684 x 459: gray with a blue column band at 576..591 and a green row band at 384..399.
  const Bytes jpeg = test::Jpeg(684, 459, [](int x, int y) -> std::uint32_t {
    if (x >= 576 && x < 592) return 0x0000FF;
    return y >= 384 && y < 400 ? 0x00FF00 : 0x808080;
  });
  CountingImage* background = AddImage();
  background->SetAlign(TAlign::alClient);
  ReadPicture(*background, "TJPEGImage", jpeg);
  Show();
  ASSERT_EQ(background->BoundsRect(), (gfx::RECT{0, 0, 590, 391}));
  EXPECT_TRUE(Near(Pixel(0, 0), gfx::RGB(128, 128, 128)));
  EXPECT_TRUE(Near(Pixel(589, 10), gfx::RGB(0, 0, 255))) << "natural size, cut at the right";
  EXPECT_TRUE(Near(Pixel(10, 390), gfx::RGB(0, 255, 0))) << "natural size, cut at the bottom";
  EXPECT_TRUE(Near(Pixel(570, 10), gfx::RGB(128, 128, 128)));

  background->SetAlign(TAlign::alNone);
  background->SetBounds(10, 20, 49, 41);
  background->SetStretch(true);
  testing::UserInput::Settle();
  for (int y = 19; y <= 61; ++y) {
    for (int x = 9; x <= 59; ++x) {
      const bool inside = x >= 10 && x < 59 && y >= 20 && y < 61;
      ASSERT_EQ(Pixel(x, y) != kBack, inside) << x << ", " << y;
    }
  }
  EXPECT_TRUE(Near(Pixel(10 + 576 * 49 / 684 + 1, 25), gfx::RGB(0, 0, 255)))
      << "the band where the reduction puts it";
}

TEST_F(ImageOnWindow, TransparentPixelsShowTheWindowAndTheDecodingPaintsOnce) {
  // Navy corners, a red square in the middle.
  const Bytes bitmap = test::Bitmap24(10, 10, [](int x, int y) -> std::uint32_t {
    return x >= 3 && x < 7 && y >= 3 && y < 7 ? 0xFF0000 : 0x000080;
  });
  CountingImage* image = AddImage();
  image->SetBounds(20, 30, 10, 10);
  image->SetTransparent(true);
  ReadPicture(*image, "TBitmap", bitmap);
  CountingImage* photo = AddImage();
  photo->SetBounds(100, 100, 16, 16);
  ReadPicture(*photo, "TJPEGImage", test::Jpeg(16, 16, [](int, int) { return 0xFFFFFFu; }));
  Show();
  EXPECT_EQ(Pixel(20, 30), kBack);
  EXPECT_EQ(Pixel(29, 39), kBack);
  EXPECT_EQ(Pixel(25, 35), gfx::RGB(255, 0, 0));
  EXPECT_EQ(photo->paints, 1) << "the change announced by the first decoding repaints nothing";
  EXPECT_TRUE(dynamic_cast<TJPEGImage*>(photo->Picture()->Graphic())->Decoded());
  EXPECT_TRUE(Near(Pixel(108, 108), gfx::RGB(255, 255, 255)));
}

TEST(ImagePainting, AFailingFirstDecodingIsRaisedFromThePaintAndTheFlagRestored) {
  auto image = std::make_unique<TImage>(nullptr);
  ReadPicture(*image, "TJPEGImage", {});
  test::Canvas canvas(8, 8, 0);
  EXPECT_THROW(image->Paint(canvas.dc()), EJPEG);
  EXPECT_FALSE(image->Drawing());
  EXPECT_NO_THROW(image->Paint(canvas.dc()));
}

}  // namespace
}  // namespace pw

// Image lists as bitmap-button glyphs use them: masked images drawn on a background colour.

#include <gtest/gtest.h>

#include "GfxTestSupport.h"
#include "platform/gfx/ImageList.h"

namespace pw::gfx {
namespace {

using test::Canvas;
using test::MonoCanvas;

constexpr COLORREF kOlive = RGB(128, 128, 0);
constexpr COLORREF kFace = RGB(212, 208, 200);
constexpr COLORREF kPaper = RGB(1, 2, 3);

// A strip of two 3 x 2 cells; the olive pixels are the transparent ones.
class ImageLists : public ::testing::Test {
 protected:
  ImageLists() {
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 6; ++x) strip_.Set(x, y, RGB(10 * x, 20 * y, 30));
    }
    strip_.Set(0, 0, kOlive);
    strip_.Set(4, 1, kOlive);
    list_ = ImageList_Create(3, 2, ILC_MASK | ILC_COLOR32, 4, 4);
  }
  ~ImageLists() override { ImageList_Destroy(list_); }

  Canvas strip_{6, 2};
  HIMAGELIST list_;
};

TEST_F(ImageLists, MaskedImagesShowTheBackgroundColourOrTheDestination) {
  ASSERT_EQ(ImageList_AddMasked(list_, strip_.bitmap(), kOlive), 0);
  EXPECT_EQ(ImageList_GetImageCount(list_), 2);
  int cx = 0, cy = 0;
  EXPECT_TRUE(ImageList_GetIconSize(list_, &cx, &cy));
  EXPECT_EQ(cx * 10 + cy, 32);

  Canvas target(8, 4);
  target.Fill(kPaper);
  ASSERT_TRUE(ImageList_DrawEx(list_, 0, target.dc(), 2, 1, 0, 0, kFace, CLR_NONE, ILD_NORMAL));
  EXPECT_EQ(target.At(2, 1), kFace);  // masked: the background colour
  EXPECT_EQ(target.At(3, 1), RGB(10, 0, 30));
  EXPECT_EQ(target.At(4, 2), RGB(20, 20, 30));
  EXPECT_EQ(target.At(5, 1), kPaper);
  EXPECT_EQ(target.At(2, 3), kPaper);

  target.Fill(kPaper);
  ImageList_DrawEx(list_, 1, target.dc(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_NORMAL);
  EXPECT_EQ(target.At(1, 1), kPaper);  // transparent: the destination stays
  EXPECT_EQ(target.At(0, 1), RGB(30, 20, 30));
  // The list's own background colour stands in for CLR_DEFAULT; ILD_TRANSPARENT ignores it.
  ImageList_SetBkColor(list_, RGB(9, 9, 9));
  ImageList_Draw(list_, 1, target.dc(), 0, 0, ILD_NORMAL);
  EXPECT_EQ(target.At(1, 1), RGB(9, 9, 9));
  target.Fill(kPaper);
  ImageList_Draw(list_, 1, target.dc(), 0, 0, ILD_TRANSPARENT);
  EXPECT_EQ(target.At(1, 1), kPaper);
  EXPECT_FALSE(ImageList_Draw(list_, 2, target.dc(), 0, 0, ILD_NORMAL));
}

TEST_F(ImageLists, ExplicitMasksClippingAndRemoval) {
  MonoCanvas mask(3, 2);
  mask.SetBit(2, 1, true);
  ASSERT_EQ(ImageList_Add(list_, strip_.bitmap(), mask.bitmap()), 0);
  EXPECT_EQ(ImageList_GetImageCount(list_), 2);  // the mask covers the first cell only

  Canvas target(4, 3);
  target.Fill(kPaper);
  SetViewportOrg(target.dc(), {1, 1});
  IntersectClipRect(target.dc(), 0, 0, 2, 2);
  ImageList_DrawEx(list_, 0, target.dc(), 0, 0, 0, 0, kFace, CLR_NONE, ILD_NORMAL);
  EXPECT_EQ(target.At(1, 1), kOlive);  // no colour mask: olive is drawn
  EXPECT_EQ(target.At(2, 2), RGB(10, 20, 30));
  EXPECT_EQ(target.At(3, 2), kPaper);  // clipped

  const int added = ImageList_AddMasked(list_, strip_.bitmap(), kOlive);
  EXPECT_EQ(added, 2);
  EXPECT_TRUE(ImageList_Replace(list_, 0, strip_.bitmap(), nullptr));
  EXPECT_TRUE(ImageList_Remove(list_, 1));
  EXPECT_EQ(ImageList_GetImageCount(list_), 3);
  EXPECT_FALSE(ImageList_Remove(list_, 3));
  EXPECT_TRUE(ImageList_Remove(list_, -1));
  EXPECT_EQ(ImageList_GetImageCount(list_), 0);
  EXPECT_EQ(ImageList_Add(list_, nullptr, nullptr), -1);
}

}  // namespace
}  // namespace pw::gfx

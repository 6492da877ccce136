// Blits: raster operations, colour and monochrome conversions, stretching, masks.

#include <gtest/gtest.h>

#include <functional>

#include "GfxTestSupport.h"

namespace pw::gfx {
namespace {

using test::Canvas;
using test::Coded;
using test::CodedX;
using test::CodedY;
using test::MonoCanvas;
using test::PaintCoded;
using test::SolidBrush;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

TEST(RasterOperations, CombineSourcePatternAndDestinationBitwise) {
  // Every operation on the same 4 x 1 source and destination, against its formula.
  const COLORREF sources[] = {RGB(0x0F, 0xF0, 0x33), RGB(0, 0, 0), RGB(255, 255, 255),
                              RGB(0x12, 0x34, 0x56)};
  const COLORREF dests[] = {RGB(0x55, 0xAA, 0x0F), RGB(0x80, 0x01, 0xFE), RGB(1, 2, 3),
                            RGB(0x65, 0x43, 0x21)};
  const COLORREF pattern = RGB(0x3C, 0xC3, 0x99);
  using Formula = std::function<std::uint32_t(std::uint32_t, std::uint32_t, std::uint32_t)>;
  const struct {
    std::uint32_t rop;
    Formula formula;
  } cases[] = {
      {SRCCOPY, [](auto, auto s, auto) { return s; }},
      {SRCAND, [](auto, auto s, auto d) { return s & d; }},
      {SRCPAINT, [](auto, auto s, auto d) { return s | d; }},
      {SRCINVERT, [](auto, auto s, auto d) { return s ^ d; }},
      {SRCERASE, [](auto, auto s, auto d) { return s & ~d; }},
      {DSna, [](auto, auto s, auto d) { return d & ~s; }},
      {NOTSRCCOPY, [](auto, auto s, auto) { return ~s; }},
      {NOTSRCERASE, [](auto, auto s, auto d) { return ~(s | d); }},
      {MERGECOPY, [](auto p, auto s, auto) { return p & s; }},
      {MERGEPAINT, [](auto, auto s, auto d) { return ~s | d; }},
      {PATCOPY, [](auto p, auto, auto) { return p; }},
      {PATPAINT, [](auto p, auto s, auto d) { return p | ~s | d; }},
      {PATINVERT, [](auto p, auto, auto d) { return p ^ d; }},
      {DSTINVERT, [](auto, auto, auto d) { return ~d; }},
      {BLACKNESS, [](auto, auto, auto) { return 0u; }},
      {WHITENESS, [](auto, auto, auto) { return ~0u; }},
      {0x00B8074A, [](auto p, auto s, auto d) { return (p & ~s) | (d & s); }},  // PSDPxax
  };
  Canvas source(4, 1);
  for (int x = 0; x < 4; ++x) source.Set(x, 0, sources[x]);
  SolidBrush brush(pattern);
  for (const auto& c : cases) {
    Canvas dest(4, 1);
    for (int x = 0; x < 4; ++x) dest.Set(x, 0, dests[x]);
    SelectObject(dest.dc(), brush);
    ASSERT_TRUE(BitBlt(dest.dc(), 0, 0, 4, 1, source.dc(), 0, 0, c.rop)) << std::hex << c.rop;
    for (int x = 0; x < 4; ++x) {
      const COLORREF expected = c.formula(pattern, sources[x], dests[x]) & 0xFFFFFF;
      EXPECT_EQ(dest.At(x, 0), expected) << std::hex << c.rop << " at " << x;
    }
    SelectObject(dest.dc(), GetStockBrush(WHITE_BRUSH));
  }
}

TEST(RasterOperations, PatBltUsesTheSelectedBrushAndAHollowBrushPaintsNothing) {
  Canvas canvas(6, 4);
  canvas.Fill(RGB(10, 20, 30));
  SolidBrush brush(RGB(200, 100, 50));
  SelectObject(canvas.dc(), brush);
  EXPECT_TRUE(PatBlt(canvas.dc(), 5, 3, -3, -2, PATCOPY));  // negative extents are normalised
  EXPECT_EQ(canvas.At(2, 1), RGB(200, 100, 50));
  EXPECT_EQ(canvas.At(4, 2), RGB(200, 100, 50));
  EXPECT_EQ(canvas.At(5, 3), RGB(10, 20, 30));
  EXPECT_EQ(canvas.At(1, 1), RGB(10, 20, 30));
  SelectObject(canvas.dc(), GetStockBrush(NULL_BRUSH));
  EXPECT_TRUE(PatBlt(canvas.dc(), 0, 0, 6, 4, PATCOPY));
  EXPECT_EQ(canvas.At(0, 0), RGB(10, 20, 30));
  EXPECT_FALSE(PatBlt(canvas.dc(), 0, 0, 6, 4, SRCCOPY));
}

TEST(Copies, ClipToTheSourceAndTheDestination) {
  Canvas source(10, 8);
  PaintCoded(source);
  Canvas dest(12, 12);
  dest.Fill(kWhite);
  // From (6, 5): only 4 x 3 source pixels exist; the destination clip cuts column 3.
  IntersectClipRect(dest.dc(), 0, 0, 3 + 2, 12);
  ASSERT_TRUE(BitBlt(dest.dc(), 2, 2, 8, 8, source.dc(), 6, 5, SRCCOPY));
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 12; ++x) {
      const bool drawn = x >= 2 && x < 5 && y >= 2 && y < 5;
      EXPECT_EQ(dest.At(x, y), drawn ? Coded(x + 4, y + 3) : kWhite) << x << "," << y;
    }
  }
  // Negative source positions draw nothing where there is no source.
  dest.Fill(kWhite);
  ResetClip(dest.dc());
  BitBlt(dest.dc(), 0, 0, 4, 4, source.dc(), -2, -1, SRCCOPY);
  EXPECT_EQ(dest.At(1, 3), kWhite);
  EXPECT_EQ(dest.At(2, 1), Coded(0, 0));
  EXPECT_EQ(dest.At(3, 3), Coded(1, 2));
}

TEST(Copies, OverlappingCopiesWithinOneBitmapUseTheOriginalPixels) {
  Canvas canvas(8, 8);
  PaintCoded(canvas);
  BitBlt(canvas.dc(), 1, 1, 7, 7, canvas.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(canvas.At(7, 7), Coded(6, 6));
  EXPECT_EQ(canvas.At(1, 1), Coded(0, 0));
  BitBlt(canvas.dc(), 0, 0, 7, 7, canvas.dc(), 1, 1, SRCCOPY);
  EXPECT_EQ(canvas.At(0, 0), Coded(0, 0));
  EXPECT_EQ(canvas.At(6, 6), Coded(6, 6));
}

TEST(Copies, SourceAndDestinationOriginsApply) {
  Canvas source(6, 6);
  PaintCoded(source);
  Canvas dest(10, 10);
  dest.Fill(kWhite);
  SetViewportOrg(source.dc(), {1, 2});  // logical (0, 0) is device (1, 2)
  SetViewportOrg(dest.dc(), {3, 4});
  BitBlt(dest.dc(), 0, 0, 2, 2, source.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(dest.At(3, 4), Coded(1, 2));
  EXPECT_EQ(dest.At(4, 5), Coded(2, 3));
  EXPECT_EQ(dest.At(5, 6), kWhite);
}

TEST(Conversions, ColourToMonochromeMarksTheSourceBackgroundColour) {
  Canvas source(4, 1);
  source.Set(0, 0, kWhite);
  source.Set(1, 0, RGB(254, 255, 255));
  source.Set(2, 0, RGB(0, 128, 128));
  source.Set(3, 0, kBlack);
  MonoCanvas mask(4, 1);
  SetBkColor(source.dc(), kWhite);
  SetBkColor(mask.dc(), RGB(0, 128, 128));  // the destination's colours do not count
  ASSERT_TRUE(BitBlt(mask.dc(), 0, 0, 4, 1, source.dc(), 0, 0, SRCCOPY));
  EXPECT_TRUE(mask.Bit(0, 0));
  EXPECT_FALSE(mask.Bit(1, 0));
  EXPECT_FALSE(mask.Bit(2, 0));
  EXPECT_FALSE(mask.Bit(3, 0));

  SetBkColor(source.dc(), RGB(0, 128, 128));
  BitBlt(mask.dc(), 0, 0, 4, 1, source.dc(), 0, 0, SRCCOPY);
  EXPECT_FALSE(mask.Bit(0, 0));
  EXPECT_TRUE(mask.Bit(2, 0));
}

TEST(Conversions, MonochromeToColourTakesTheDestinationTextAndBackgroundColours) {
  MonoCanvas mono(3, 1);
  mono.SetBit(1, 0, true);
  SetTextColor(mono.dc(), RGB(1, 2, 3));  // the source's colours do not count
  SetBkColor(mono.dc(), RGB(4, 5, 6));
  Canvas dest(3, 1);
  SetTextColor(dest.dc(), RGB(200, 0, 0));
  SetBkColor(dest.dc(), RGB(0, 0, 200));
  ASSERT_TRUE(BitBlt(dest.dc(), 0, 0, 3, 1, mono.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(dest.At(0, 0), RGB(200, 0, 0));
  EXPECT_EQ(dest.At(1, 0), RGB(0, 0, 200));
  EXPECT_EQ(dest.At(2, 0), RGB(200, 0, 0));

  // Monochrome to monochrome copies the bits; brushes on monochrome become black or white.
  MonoCanvas copy(3, 1);
  BitBlt(copy.dc(), 0, 0, 3, 1, mono.dc(), 0, 0, SRCCOPY);
  EXPECT_FALSE(copy.Bit(0, 0));
  EXPECT_TRUE(copy.Bit(1, 0));
  SolidBrush light(RGB(200, 200, 200)), dark(RGB(100, 60, 60));
  FillRect(copy.dc(), {0, 0, 2, 1}, light);
  EXPECT_TRUE(copy.Bit(0, 0));
  FillRect(copy.dc(), {1, 0, 3, 1}, dark);
  EXPECT_TRUE(copy.Bit(0, 0));
  EXPECT_FALSE(copy.Bit(1, 0));
}

// A 684 x 459 picture as the showcase window's background and thumbnails use it.
class Stretching : public ::testing::Test {
 protected:
  Stretching() { PaintCoded(picture_); }

  // Each destination pixel of a COLORONCOLOR reduction or enlargement is the source pixel at
  // (x * 684 / width, y * 459 / height): rows and columns picked, never blended.
  void ExpectPicked(const Canvas& dest, int width, int height) {
    int wrong = 0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const COLORREF c = dest.At(x, y);
        if (CodedX(c) != x * 684 / width || CodedY(c) != y * 459 / height ||
            c != Coded(CodedX(c), CodedY(c))) {
          ++wrong;
        }
      }
    }
    EXPECT_EQ(wrong, 0) << width << " x " << height;
  }

  Canvas picture_{684, 459, false};
};

TEST_F(Stretching, UnscaledDrawingIntoASmallerControlShowsTheTopLeftPart) {
  Canvas window(700, 450);
  window.Fill(kWhite);
  SaveDC(window.dc());
  IntersectClipRect(window.dc(), 0, 0, 590, 391);
  SetStretchBltMode(window.dc(), COLORONCOLOR);
  ASSERT_TRUE(StretchBlt(window.dc(), 0, 0, 684, 459, picture_.dc(), 0, 0, 684, 459, SRCCOPY));
  RestoreDC(window.dc(), -1);
  int wrong = 0;
  for (int y = 0; y < 450; ++y) {
    for (int x = 0; x < 700; ++x) {
      const COLORREF expected = x < 590 && y < 391 ? Coded(x, y) : kWhite;
      wrong += window.At(x, y) != expected;
    }
  }
  EXPECT_EQ(wrong, 0);
}

TEST_F(Stretching, ColourOnColourPicksRowsAndColumns) {
  for (const auto& [width, height] :
       {std::pair{49, 41}, std::pair{425, 313}, std::pair{700, 500}}) {
    Canvas dest(width, height);
    SetStretchBltMode(dest.dc(), COLORONCOLOR);
    ASSERT_TRUE(StretchBlt(dest.dc(), 0, 0, width, height, picture_.dc(), 0, 0, 684, 459, SRCCOPY));
    ExpectPicked(dest, width, height);
  }
  // The thumbnail's columns, spelled out for the first few.
  Canvas thumb(49, 41);
  SetStretchBltMode(thumb.dc(), COLORONCOLOR);
  StretchBlt(thumb.dc(), 0, 0, 49, 41, picture_.dc(), 0, 0, 684, 459, SRCCOPY);
  EXPECT_EQ(CodedX(thumb.At(0, 0)), 0);
  EXPECT_EQ(CodedX(thumb.At(1, 0)), 13);
  EXPECT_EQ(CodedX(thumb.At(2, 0)), 27);
  EXPECT_EQ(CodedX(thumb.At(48, 0)), 670);
  EXPECT_EQ(CodedY(thumb.At(0, 40)), 447);
}

TEST_F(Stretching, OtherOperationsPickTheSamePixels) {
  Canvas dest(49, 41);
  dest.Fill(kBlack);
  SetStretchBltMode(dest.dc(), COLORONCOLOR);
  StretchBlt(dest.dc(), 0, 0, 49, 41, picture_.dc(), 0, 0, 684, 459, SRCPAINT);
  ExpectPicked(dest, 49, 41);
}

TEST_F(Stretching, NegativeExtentsMirror) {
  Canvas dest(4, 3);
  SetStretchBltMode(dest.dc(), COLORONCOLOR);
  StretchBlt(dest.dc(), 3, 0, -4, 3, picture_.dc(), 10, 20, 4, 3, SRCCOPY);
  EXPECT_EQ(dest.At(0, 0), Coded(13, 20));
  EXPECT_EQ(dest.At(3, 2), Coded(10, 22));
}

// Halving a 20 x 20 source area that starts at (-4, -2) of a 10 x 10 picture: destination
// (x, y) comes from (-4 + 2x, -2 + 2y) and is drawn only where that exists.
TEST(StretchModes, EveryModeDropsWhatLiesOutsideTheSource) {
  Canvas source(10, 10);
  test::PaintCoded(source);
  const auto mean = [&](int x, int y) {
    int r = 0, g = 0;
    for (int dy = 0; dy < 2; ++dy) {
      for (int dx = 0; dx < 2; ++dx) {
        r += GetRValue(source.At(x + dx, y + dy));
        g += GetGValue(source.At(x + dx, y + dy));
      }
    }
    return RGB((r + 2) / 4, (g + 2) / 4, 0);
  };
  const auto both = [&](int x, int y) {
    COLORREF c = 0xFFFFFF;
    for (int dy = 0; dy < 2; ++dy) {
      for (int dx = 0; dx < 2; ++dx) c &= source.At(x + dx, y + dy);
    }
    return c;
  };
  for (const int mode : {COLORONCOLOR, HALFTONE, BLACKONWHITE}) {
    Canvas dest(10, 10);
    dest.Fill(RGB(7, 7, 7));
    SetStretchBltMode(dest.dc(), mode);
    StretchBlt(dest.dc(), 0, 0, 10, 10, source.dc(), -4, -2, 20, 20, SRCCOPY);
    for (int y = 0; y < 10; ++y) {
      for (int x = 0; x < 10; ++x) {
        const int sx = -4 + 2 * x, sy = -2 + 2 * y;
        COLORREF expected = RGB(7, 7, 7);
        if (sx >= 0 && sx < 10 && sy >= 0 && sy < 10) {
          expected = mode == COLORONCOLOR ? Coded(sx, sy)
                     : mode == HALFTONE   ? mean(sx, sy)
                                          : both(sx, sy);
        }
        EXPECT_EQ(dest.At(x, y), expected) << mode << ": " << x << "," << y;
      }
    }
  }
}

TEST(StretchModes, HalftoneAveragesAndTheScanModesKeepBlackOrWhite) {
  // Columns: white, black, white, black, with weights over a 3 -> 2 reduction of 0, 90, 210.
  Canvas source(4, 1);
  for (int x = 0; x < 4; ++x) source.Set(x, 0, x % 2 ? kBlack : kWhite);
  Canvas dest(2, 1);
  SetStretchBltMode(dest.dc(), HALFTONE);
  StretchBlt(dest.dc(), 0, 0, 2, 1, source.dc(), 0, 0, 4, 1, SRCCOPY);
  EXPECT_EQ(dest.At(0, 0), RGB(128, 128, 128));
  EXPECT_EQ(dest.At(1, 0), RGB(128, 128, 128));

  Canvas ramp(3, 1);
  ramp.Set(0, 0, RGB(0, 0, 0));
  ramp.Set(1, 0, RGB(90, 90, 90));
  ramp.Set(2, 0, RGB(210, 30, 3));
  StretchBlt(dest.dc(), 0, 0, 2, 1, ramp.dc(), 0, 0, 3, 1, SRCCOPY);
  EXPECT_EQ(dest.At(0, 0), RGB(30, 30, 30));   // (2 * 0 + 90) / 3
  EXPECT_EQ(dest.At(1, 0), RGB(170, 50, 32));  // (90 + 2 * x) / 3, rounded

  // A 2 x 2 block of four colours becomes their mean.
  Canvas block(2, 2);
  block.Set(0, 0, RGB(0, 0, 0));
  block.Set(1, 0, RGB(100, 0, 0));
  block.Set(0, 1, RGB(0, 200, 0));
  block.Set(1, 1, RGB(100, 200, 40));
  Canvas one(1, 1);
  SetStretchBltMode(one.dc(), HALFTONE);
  StretchBlt(one.dc(), 0, 0, 1, 1, block.dc(), 0, 0, 2, 2, SRCCOPY);
  EXPECT_EQ(one.At(0, 0), RGB(50, 100, 10));

  SetStretchBltMode(dest.dc(), COLORONCOLOR);
  StretchBlt(dest.dc(), 0, 0, 2, 1, source.dc(), 0, 0, 4, 1, SRCCOPY);
  EXPECT_EQ(dest.At(0, 0), kWhite);
  SetStretchBltMode(dest.dc(), BLACKONWHITE);
  StretchBlt(dest.dc(), 0, 0, 2, 1, source.dc(), 0, 0, 4, 1, SRCCOPY);
  EXPECT_EQ(dest.At(0, 0), kBlack);
  SetStretchBltMode(dest.dc(), WHITEONBLACK);
  StretchBlt(dest.dc(), 0, 0, 2, 1, source.dc(), 0, 0, 4, 1, SRCCOPY);
  EXPECT_EQ(dest.At(1, 0), kWhite);
}

// A transparent picture as the showcase window's title bitmaps: pure white is the transparent
// colour, one step off white is drawn.
class Transparency : public ::testing::Test {
 protected:
  static constexpr int kWidth = 509;
  static constexpr int kHeight = 50;
  static constexpr COLORREF kNearWhite = RGB(254, 255, 255);
  static constexpr COLORREF kBackground = RGB(0, 128, 128);

  Transparency() {
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        COLORREF c = kWhite;
        if ((x / 7 + y / 5) % 3 == 0) c = Coded(x, y);
        if ((x / 7 + y / 5) % 3 == 1 && x % 2) c = kNearWhite;
        picture_.Set(x, y, c);
      }
    }
    // The mask: 1 where the picture has the transparent colour.
    SetBkColor(picture_.dc(), kWhite);
    BitBlt(mask_.dc(), 0, 0, kWidth, kHeight, picture_.dc(), 0, 0, SRCCOPY);
  }

  static void PaintBackground(Canvas& target) {
    for (int y = 0; y < target.height(); ++y) {
      for (int x = 0; x < target.width(); ++x) target.Set(x, y, (x + y) % 2 ? kBackground : kBlack);
    }
  }

  // The four stretched blits: mask to a work bitmap, source erased through it, mask AND onto
  // the target, work bitmap XOR onto the target.
  void DrawStretched(HDC target, int x, int y, int width, int height) {
    HDC work = CreateCompatibleDC(nullptr);
    HBITMAP workBitmap = CreateCompatibleBitmap(picture_.dc(), kWidth, kHeight);
    HGDIOBJ previous = SelectObject(work, workBitmap);
    BitBlt(work, 0, 0, kWidth, kHeight, mask_.dc(), 0, 0, SRCCOPY);
    BitBlt(work, 0, 0, kWidth, kHeight, picture_.dc(), 0, 0, SRCERASE);
    const COLORREF text = SetTextColor(target, kBlack);
    const COLORREF back = SetBkColor(target, kWhite);
    StretchBlt(target, x, y, width, height, mask_.dc(), 0, 0, kWidth, kHeight, SRCAND);
    StretchBlt(target, x, y, width, height, work, 0, 0, kWidth, kHeight, SRCINVERT);
    SetTextColor(target, text);
    SetBkColor(target, back);
    SelectObject(work, previous);
    DeleteObject(workBitmap);
    DeleteDC(work);
  }

  Canvas picture_{kWidth, kHeight, false};
  MonoCanvas mask_{kWidth, kHeight};
};

TEST_F(Transparency, TheMaskSetsExactlyThePureWhitePixels) {
  int set = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      ASSERT_EQ(mask_.Bit(x, y), picture_.At(x, y) == kWhite) << x << "," << y;
      set += mask_.Bit(x, y);
    }
  }
  EXPECT_GT(set, 0);
}

TEST_F(Transparency, MaskBltAndTheFourBlitsAgreeAtFullSize) {
  Canvas byMask(kWidth + 20, kHeight + 10), byFour(kWidth + 20, kHeight + 10);
  PaintBackground(byMask);
  PaintBackground(byFour);
  ASSERT_TRUE(MaskBlt(byMask.dc(), 10, 5, kWidth, kHeight, picture_.dc(), 0, 0, mask_.bitmap(), 0,
                      0, MAKEROP4(DSTCOPY, SRCCOPY)));
  DrawStretched(byFour.dc(), 10, 5, kWidth, kHeight);
  EXPECT_TRUE(byMask.SameAs(byFour));
  Canvas background(kWidth + 20, kHeight + 10);
  PaintBackground(background);
  int wrong = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const COLORREF source = picture_.At(x, y);
      const COLORREF expected = source == kWhite ? background.At(x + 10, y + 5) : source;
      wrong += byMask.At(x + 10, y + 5) != expected;
    }
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(byMask.At(9, 4), background.At(9, 4));
}

TEST_F(Transparency, StretchedThroughTheMaskPicksPixelsAndKeepsTheBackground) {
  for (const auto& [width, height] : {std::pair{300, 30}, std::pair{800, 71}}) {
    Canvas target(width, height), background(width, height);
    PaintBackground(target);
    PaintBackground(background);
    SetStretchBltMode(target.dc(), COLORONCOLOR);
    DrawStretched(target.dc(), 0, 0, width, height);
    int wrong = 0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const COLORREF source = picture_.At(x * kWidth / width, y * kHeight / height);
        wrong += target.At(x, y) != (source == kWhite ? background.At(x, y) : source);
      }
    }
    EXPECT_EQ(wrong, 0) << width;
  }
}

TEST_F(Transparency, MaskBltClipsToTheMaskAndAppliesBothOperations) {
  Canvas target(20, 10);
  target.Fill(RGB(9, 9, 9));
  MonoCanvas small(4, 4);
  small.SetBit(1, 1, true);
  // Foreground (mask 1): invert the destination; background: copy the source.
  MaskBlt(target.dc(), 0, 0, 10, 10, picture_.dc(), 0, 0, small.bitmap(), 0, 0,
          MAKEROP4(DSTINVERT, SRCCOPY));
  EXPECT_EQ(target.At(1, 1), RGB(246, 246, 246));
  EXPECT_EQ(target.At(0, 0), picture_.At(0, 0));
  EXPECT_EQ(target.At(4, 0), RGB(9, 9, 9));  // past the mask
  EXPECT_FALSE(MaskBlt(target.dc(), 0, 0, 2, 2, picture_.dc(), 0, 0, picture_.bitmap(), 0, 0,
                       MAKEROP4(DSTCOPY, SRCCOPY)));
}

}  // namespace
}  // namespace pw::gfx

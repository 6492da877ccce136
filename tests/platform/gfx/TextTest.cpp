// Fonts and text: how requests resolve, metrics, measuring, and what DrawText puts on a surface.

#include "platform/gfx/Text.h"

#include <glib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "GfxTestSupport.h"
#include "platform/gfx/Gdi.h"
#include "platform/sys/CodePage.h"

namespace pw::gfx {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

LOGFONT Request(const char* face, int height, bool bold = false) {
  LOGFONT font;
  font.faceName = face;
  font.height = height;
  font.weight = bold ? FW_BOLD : FW_NORMAL;
  return font;
}

LOGFONT SansSerif() {
  return Request("MS Sans Serif", -11);
}
LOGFONT TitrBold() {
  return Request("Titr", -16, true);
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A 32-bit surface in a memory context, filled with one colour, with a font selected and the
// background mode transparent.
class Canvas : public test::Canvas {
 public:
  Canvas(int width, int height, const LOGFONT& font, bool topDown = true, COLORREF fill = kWhite)
      : test::Canvas(width, height, topDown), font_(CreateFontIndirect(font)) {
    oldFont_ = SelectObject(dc(), font_);
    SetTextColor(dc(), kBlack);
    SetBkColor(dc(), kWhite);
    SetBkMode(dc(), TRANSPARENT);
    Fill(fill);
  }
  ~Canvas() {
    SelectObject(dc(), oldFont_);
    DeleteObject(font_);
  }

  // Measuring (DT_CALCRECT) writes back into `rect`.
  int Draw(std::u16string_view text, RECT& rect, unsigned format) {
    return DrawTextW(dc(), text, rect, format);
  }
  int Draw(std::u16string_view text, const RECT& rect, unsigned format) {
    RECT copy = rect;
    return DrawTextW(dc(), text, copy, format);
  }

  // Columns [left, right) of the picture, row by row.
  std::vector<COLORREF> Columns(int left, int right) const {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height(); ++y) {
      for (int x = left; x < right; ++x) pixels.push_back(At(x, y));
    }
    return pixels;
  }
  std::vector<COLORREF> Pixels() const { return Columns(0, width()); }
  // The smallest rectangle around the pixels that differ from `background`; empty when none do.
  RECT InkBox(COLORREF background = kWhite) const {
    RECT box{width(), height(), 0, 0};
    for (int y = 0; y < height(); ++y) {
      for (int x = 0; x < width(); ++x) {
        if (At(x, y) == background) continue;
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
               std::max(box.bottom, y + 1)};
      }
    }
    return box.Empty() ? RECT{} : box;
  }
  int CountNot(COLORREF background = kWhite) const {
    int count = 0;
    for (COLORREF c : Pixels()) count += c != background;
    return count;
  }

 private:
  HFONT font_;
  HGDIOBJ oldFont_ = nullptr;
};

// ---- Resolution and metrics

TEST(FontResolution, RequestedNamesComeToTheInstalledFaces) {
  const FontFaceInfo sans = DescribeFont(SansSerif());
  EXPECT_EQ(sans.family, "MS Sans Serif");
  EXPECT_TRUE(EndsWith(sans.file, "/ms_sans_serif.ttf")) << sans.file;
  EXPECT_TRUE(sans.bitmap);

  EXPECT_TRUE(EndsWith(DescribeFont(Request("Tahoma", -11, true)).file, "/tahomabd.ttf"));
  EXPECT_TRUE(EndsWith(DescribeFont(Request("Tahoma", -11)).file, "/tahoma.ttf"));
  EXPECT_TRUE(EndsWith(DescribeFont(TitrBold()).file, "/titr.ttf"));
  EXPECT_TRUE(EndsWith(DescribeFont(Request("Times New Roman", -15, true)).file,
                       "/LiberationSerif-Bold.ttf"));
  EXPECT_TRUE(
      EndsWith(DescribeFont(Request("Times New Roman", -15)).file, "/LiberationSerif-Regular.ttf"));
}

TEST(FontResolution, DefaultStandsForMsSansSerif) {
  EXPECT_EQ(DescribeFont(Request("Default", -11)).file, DescribeFont(SansSerif()).file);
  EXPECT_EQ(DescribeFont(Request("", -11)).file, DescribeFont(SansSerif()).file);
}

TEST(FontResolution, UnknownNamesFallBackToARealFace) {
  const FontFaceInfo face = DescribeFont(Request("No Such Face", -12));
  EXPECT_FALSE(face.file.empty());
  EXPECT_FALSE(face.bitmap);
  EXPECT_GT(MeasureText(Request("No Such Face", -12), u"abc").cx, 0);
}

TEST(FontResolution, FixedPitchFallsBackToAMonospacedFace) {
  LOGFONT font = Request("No Such Face", -12);
  font.pitchAndFamily = FIXED_PITCH;
  EXPECT_EQ(MeasureText(font, u"iiii").cx, MeasureText(font, u"MMMM").cx);
  EXPECT_LT(MeasureText(Request("No Such Face", -12), u"iiii").cx,
            MeasureText(Request("No Such Face", -12), u"MMMM").cx);
}

TEST(FontMetrics, MsSansSerifAtMinus11IsThe13PixelStrike) {
  const TEXTMETRIC tm = GetFontMetrics(SansSerif());
  EXPECT_EQ(tm.height, 13);
  EXPECT_EQ(tm.ascent, 11);
  EXPECT_EQ(tm.descent, 2);
  EXPECT_EQ(tm.internalLeading, 2);
  EXPECT_EQ(DescribeFont(SansSerif()).pixelSize, 13);
}

TEST(FontMetrics, BitmapFacePicksTheNearestStrike) {
  // Character heights 11, 13 and 16 belong to the 13, 16 and 20 pixel strikes.
  EXPECT_EQ(GetFontMetrics(Request("MS Sans Serif", -13)).height, 16);
  EXPECT_EQ(GetFontMetrics(Request("MS Sans Serif", -16)).height, 20);
  EXPECT_EQ(GetFontMetrics(Request("MS Sans Serif", -12)).height, 13);  // tie: the smaller
  // A positive height is the cell height.
  EXPECT_EQ(GetFontMetrics(Request("MS Sans Serif", 16)).height, 16);
  EXPECT_EQ(GetFontMetrics(Request("MS Sans Serif", 20)).height, 20);
}

TEST(FontMetrics, OutlineHeightsNegativeIsCharacterHeightPositiveIsCell) {
  const TEXTMETRIC character = GetFontMetrics(Request("Times New Roman", -15, true));
  EXPECT_EQ(character.height - character.internalLeading, 15);
  EXPECT_EQ(character.height, character.ascent + character.descent);
  EXPECT_GT(character.internalLeading, 0);

  const TEXTMETRIC cell = GetFontMetrics(Request("Times New Roman", 20));
  EXPECT_EQ(cell.height, 20);
  EXPECT_LT(cell.height - cell.internalLeading, 20);
}

TEST(FontMetrics, WeightIsReported) {
  EXPECT_EQ(GetFontMetrics(Request("Tahoma", -11, true)).weight, FW_BOLD);
  EXPECT_EQ(GetFontMetrics(Request("Tahoma", -11)).weight, FW_NORMAL);
}

TEST(FontMetrics, GetTextMetricsReportsTheSelectedFont) {
  Canvas canvas(20, 20, TitrBold());
  TEXTMETRIC tm;
  ASSERT_TRUE(GetTextMetrics(canvas.dc(), tm));
  EXPECT_EQ(tm.height, 29);
  EXPECT_EQ(tm.ascent, 19);
  EXPECT_EQ(tm.descent, 10);
  EXPECT_FALSE(GetTextMetrics(nullptr, tm));
}

// ---- Measuring

TEST(TextExtent, HeightOfZeroInTheWindowFontIs13) {
  Canvas canvas(20, 20, SansSerif());
  SIZE size;
  ASSERT_TRUE(GetTextExtentPoint32A(canvas.dc(), "0", size));
  EXPECT_EQ(size.cy, 13);
  EXPECT_EQ(size.cx, 6);  // the strike's own advance, not the outline design's
}

TEST(TextExtent, BitmapFaceAdvancesAreTheStrikes) {
  // H e l l o _ W o r l d: 8 6 2 2 6 3 11 6 3 2 6.
  EXPECT_EQ(MeasureText(SansSerif(), u"Hello World").cx, 55);
  // Synthetic bold widens every character by one pixel.
  EXPECT_EQ(MeasureText(Request("MS Sans Serif", -11, true), u"NORVEX").cx,
            MeasureText(SansSerif(), u"NORVEX").cx + 6);
}

TEST(TextExtent, TitrCaptionMeasures97By29) {
  const SIZE size = MeasureText(TitrBold(), u"طراحي نوار نقاله");
  EXPECT_EQ(size.cx, 97);
  EXPECT_EQ(size.cy, 29);
}

TEST(TextExtent, WideAndNarrowAgree) {
  Canvas canvas(20, 20, Request("Times New Roman", -15, true));
  SIZE narrow;
  SIZE wide;
  ASSERT_TRUE(GetTextExtentPoint32A(canvas.dc(), "122.4 kg", narrow));
  ASSERT_TRUE(GetTextExtentPoint32W(canvas.dc(), u"122.4 kg", wide));
  EXPECT_EQ(narrow, wide);
  EXPECT_GT(wide.cx, MeasureText(Request("Times New Roman", -15, true), u"122.4").cx);
  // An extent takes "&" literally.
  SIZE amp;
  ASSERT_TRUE(GetTextExtentPoint32W(canvas.dc(), u"&a", amp));
  EXPECT_GT(amp.cx, MeasureText(Request("Times New Roman", -15, true), u"a").cx);
}

// ---- DT_CALCRECT

TEST(CalcRect, SingleLineSetsRightAndBottomOnly) {
  Canvas canvas(50, 50, SansSerif());
  RECT rect{10, 20, 11, 21};
  EXPECT_EQ(canvas.Draw(u"Hello World", rect, DT_CALCRECT), 13);
  EXPECT_EQ(rect, (RECT{10, 20, 65, 33}));
  EXPECT_EQ(canvas.CountNot(), 0);  // measuring draws nothing
}

TEST(CalcRect, LinesAreCellHeightsApart) {
  Canvas canvas(50, 50, SansSerif());
  RECT rect{0, 0, 200, 0};
  EXPECT_EQ(canvas.Draw(u"ab\nHello", rect, DT_CALCRECT), 26);
  EXPECT_EQ(rect.Width(), MeasureText(SansSerif(), u"Hello").cx);
  rect = {0, 0, 200, 0};
  EXPECT_EQ(canvas.Draw(u"ab\r\nc\rd", rect, DT_CALCRECT), 39);
  // On a single line, line breaks do not break.
  rect = {0, 0, 200, 0};
  EXPECT_EQ(canvas.Draw(u"ab\nHello", rect, DT_CALCRECT | DT_SINGLELINE), 13);
  EXPECT_GT(rect.Width(), MeasureText(SansSerif(), u"abHello").cx);
}

TEST(CalcRect, WordBreakWrapsAtTheRectangleWidth) {
  Canvas canvas(50, 50, SansSerif());
  RECT rect{5, 0, 65, 0};
  const int height = canvas.Draw(u"the quick brown fox jumps", rect, DT_CALCRECT | DT_WORDBREAK);
  EXPECT_EQ(height % 13, 0);
  EXPECT_GE(height, 3 * 13);
  EXPECT_EQ(rect.bottom, height);
  EXPECT_LE(rect.Width(), 60);
  EXPECT_EQ(rect.left, 5);
  // Without the flag it stays one line.
  rect = {5, 0, 65, 0};
  EXPECT_EQ(canvas.Draw(u"the quick brown fox jumps", rect, DT_CALCRECT), 13);
  EXPECT_GT(rect.Width(), 60);
}

TEST(CalcRect, AWordWiderThanTheRectangleWidensIt) {
  Canvas canvas(50, 50, SansSerif());
  RECT rect{0, 0, 20, 0};
  EXPECT_EQ(canvas.Draw(u"abcdefghij xy", rect, DT_CALCRECT | DT_WORDBREAK), 26);
  EXPECT_EQ(rect.Width(), MeasureText(SansSerif(), u"abcdefghij").cx);
}

TEST(CalcRect, EmptyTextIsNothingAndABlankIsOneLine) {
  Canvas canvas(50, 50, SansSerif());
  RECT rect{3, 4, 40, 40};
  EXPECT_EQ(canvas.Draw(u"", rect, DT_CALCRECT), 0);
  EXPECT_EQ(rect, (RECT{3, 4, 3, 4}));
  rect = {3, 4, 40, 40};
  EXPECT_EQ(canvas.Draw(u" ", rect, DT_CALCRECT), 13);
  EXPECT_EQ(rect, (RECT{3, 4, 6, 17}));
}

TEST(CalcRect, MeasureTextMatchesDrawText) {
  Canvas canvas(50, 50, TitrBold());
  RECT rect{0, 0, 0, 0};
  canvas.Draw(u"طراحي نوار نقاله", rect, DT_CALCRECT | DT_EXPANDTABS);
  EXPECT_EQ((SIZE{rect.Width(), rect.Height()}),
            MeasureText(TitrBold(), u"طراحي نوار نقاله", DT_EXPANDTABS));
}

TEST(CalcRect, TabsExpandToEightAverageWidths) {
  const TEXTMETRIC tm = GetFontMetrics(SansSerif());
  const int b = MeasureText(SansSerif(), u"b").cx;
  EXPECT_EQ(MeasureText(SansSerif(), u"a\tb", DT_EXPANDTABS).cx, 8 * tm.aveCharWidth + b);
  EXPECT_EQ(MeasureText(SansSerif(), u"a\t\tb", DT_EXPANDTABS).cx, 16 * tm.aveCharWidth + b);
}

// ---- Drawing: placement

TEST(DrawText, BitmapFaceDrawsCrispInTheTextColour) {
  Canvas canvas(80, 20, SansSerif());
  SetTextColor(canvas.dc(), RGB(0, 0, 128));
  RECT rect{0, 0, 80, 20};
  EXPECT_EQ(canvas.Draw(u"Hello", rect, DT_LEFT), 13);
  int ink = 0;
  for (COLORREF c : canvas.Pixels()) {
    if (c == kWhite) continue;
    EXPECT_EQ(c, RGB(0, 0, 128));
    ++ink;
  }
  EXPECT_GT(ink, 20);
  // The glyphs stand on the baseline (ascent 11): nothing below the descent, "H" reaches row 2.
  const RECT box = canvas.InkBox();
  EXPECT_GE(box.top, 1);
  EXPECT_LE(box.bottom, 13);
  EXPECT_LE(box.right, MeasureText(SansSerif(), u"Hello").cx + 1);
}

TEST(DrawText, AlignmentPlacesTheLineInTheRectangle) {
  const RECT rect{10, 5, 110, 25};
  const int width = MeasureText(SansSerif(), u"Hi there").cx;
  auto inkFor = [&](unsigned format) {
    Canvas canvas(130, 30, SansSerif());
    canvas.Draw(u"Hi there", rect, format);
    return canvas.InkBox();
  };
  const RECT left = inkFor(DT_LEFT);
  const RECT center = inkFor(DT_CENTER);
  const RECT right = inkFor(DT_RIGHT);
  ASSERT_FALSE(left.Empty());
  EXPECT_GE(left.left, 10);
  EXPECT_LE(left.left, 12);
  EXPECT_EQ(center.left - left.left, (100 - width) / 2);
  EXPECT_EQ(right.left - left.left, 100 - width);
  EXPECT_LE(right.right, 110);
  EXPECT_EQ(center.top, left.top);
  EXPECT_EQ(right.top, left.top);
}

TEST(DrawText, VerticalPlacementOnASingleLine) {
  const RECT rect{0, 0, 60, 40};
  auto draw = [&](unsigned format, int* result) {
    Canvas canvas(60, 40, SansSerif());
    RECT r = rect;
    *result = canvas.Draw(u"Hi", r, format);
    return canvas.InkBox();
  };
  int top = 0;
  int middle = 0;
  int bottom = 0;
  const RECT a = draw(DT_SINGLELINE, &top);
  const RECT b = draw(DT_SINGLELINE | DT_VCENTER, &middle);
  const RECT c = draw(DT_SINGLELINE | DT_BOTTOM, &bottom);
  EXPECT_EQ(b.top - a.top, (40 - 13) / 2);
  EXPECT_EQ(c.top - a.top, 40 - 13);
  EXPECT_EQ(top, 13);
  EXPECT_EQ(middle, (40 - 13) / 2 + 13);
  EXPECT_EQ(bottom, 40);
  // Without DT_SINGLELINE the vertical flags do nothing.
  int unused = 0;
  EXPECT_EQ(draw(DT_VCENTER, &unused).top, a.top);
}

TEST(DrawText, SecondLineIsOneCellLower) {
  Canvas one(60, 40, SansSerif());
  Canvas two(60, 40, SansSerif());
  one.Draw(u"Hi", RECT{0, 13, 60, 40}, DT_LEFT);
  two.Draw(u"\nHi", RECT{0, 0, 60, 40}, DT_LEFT);
  EXPECT_EQ(one.Pixels(), two.Pixels());
}

TEST(DrawText, ContextOriginMovesTheText) {
  Canvas plain(80, 40, SansSerif());
  Canvas moved(80, 40, SansSerif());
  plain.Draw(u"Hello", RECT{7, 9, 60, 30}, DT_LEFT);
  SetViewportOrg(moved.dc(), POINT{7, 9});
  moved.Draw(u"Hello", RECT{0, 0, 53, 21}, DT_LEFT);
  EXPECT_EQ(plain.Pixels(), moved.Pixels());
}

TEST(DrawText, BottomUpBitmapGetsTheSamePicture) {
  Canvas topDown(90, 40, TitrBold(), true);
  Canvas bottomUp(90, 40, TitrBold(), false);
  topDown.Draw(u"نوار", RECT{0, 0, 90, 40}, DT_LEFT);
  bottomUp.Draw(u"نوار", RECT{0, 0, 90, 40}, DT_LEFT);
  EXPECT_GT(topDown.CountNot(), 0);
  EXPECT_EQ(topDown.Pixels(), bottomUp.Pixels());
}

TEST(DrawText, SameTextDrawsTheSameWherePlaced) {
  Canvas canvas(120, 40, TitrBold());
  canvas.Draw(u"نوار", RECT{0, 0, 60, 40}, DT_LEFT);
  canvas.Draw(u"نوار", RECT{60, 5, 120, 40}, DT_LEFT);
  for (int y = 0; y < 35; ++y) {
    for (int x = 0; x < 60; ++x) EXPECT_EQ(canvas.At(x, y), canvas.At(x + 60, y + 5));
  }
}

TEST(DrawText, WindowContextDrawsOnlyInItsVisiblePart) {
  void* bits = nullptr;
  const HBITMAP surface = CreateDIBSection(100, -30, &bits);
  std::fill_n(static_cast<std::uint32_t*>(bits), 100 * 30, 0x00FFFFFFu);
  const RECT limits[] = {RECT{10, 5, 40, 25}};
  const HDC dc = CreateSurfaceDC(surface, POINT{10, 5}, limits);
  const HFONT font = CreateFontIndirect(SansSerif());
  const HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  RECT rect{0, 0, 90, 25};
  DrawTextW(dc, u"Hello World", rect, DT_LEFT);
  int inside = 0;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 100; ++x) {
      const bool ink = static_cast<std::uint32_t*>(bits)[y * 100 + x] != 0x00FFFFFFu;
      if (x < 10 || x >= 40 || y < 5 || y >= 25) {
        EXPECT_FALSE(ink) << x << "," << y;
      } else {
        inside += ink;
      }
    }
  }
  EXPECT_GT(inside, 20);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(font);
  DeleteObject(surface);
}

TEST(DrawText, MonochromeBitmapGetsTheTextAsBits) {
  test::MonoCanvas canvas(64, 16);
  const HFONT font = CreateFontIndirect(SansSerif());
  const HGDIOBJ old = SelectObject(canvas.dc(), font);
  SetBkMode(canvas.dc(), OPAQUE);
  SetBkColor(canvas.dc(), kWhite);
  SetTextColor(canvas.dc(), kBlack);
  RECT rect{0, 0, 64, 16};
  DrawTextW(canvas.dc(), u"Hello", rect, DT_LEFT);
  // White background bits set over the text cell, black glyph bits cleared inside it.
  const int width = MeasureText(SansSerif(), u"Hello").cx;
  int set = 0;
  int cleared = 0;
  for (int y = 0; y < 13; ++y) {
    for (int x = 0; x < width; ++x) (canvas.Bit(x, y) ? set : cleared)++;
  }
  EXPECT_GT(set, cleared);
  EXPECT_GT(cleared, 20);
  for (int x = 0; x < 64; ++x) EXPECT_FALSE(canvas.Bit(x, 14));  // below the cell: untouched
  SelectObject(canvas.dc(), old);
  DeleteObject(font);
}

// ---- Background and clipping

TEST(DrawText, OpaqueModeFillsTheTextCellWithTheBackgroundColour) {
  Canvas canvas(80, 30, SansSerif(), true, RGB(0, 128, 0));
  SetBkMode(canvas.dc(), OPAQUE);
  SetBkColor(canvas.dc(), RGB(255, 255, 0));
  canvas.Draw(u"Hello", RECT{5, 5, 75, 25}, DT_LEFT);
  const int width = MeasureText(SansSerif(), u"Hello").cx;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 80; ++x) {
      const bool inCell = x >= 5 && x < 5 + width && y >= 5 && y < 18;
      const COLORREF c = canvas.At(x, y);
      if (inCell) {
        EXPECT_TRUE(c == RGB(255, 255, 0) || c == kBlack) << x << "," << y;
      } else {
        EXPECT_EQ(c, RGB(0, 128, 0)) << x << "," << y;
      }
    }
  }
}

TEST(DrawText, TransparentModeLeavesTheBackground) {
  Canvas canvas(80, 30, SansSerif(), true, RGB(0, 128, 0));
  SetBkColor(canvas.dc(), RGB(255, 255, 0));
  canvas.Draw(u"Hello", RECT{5, 5, 75, 25}, DT_LEFT);
  for (COLORREF c : canvas.Pixels()) EXPECT_TRUE(c == RGB(0, 128, 0) || c == kBlack);
  EXPECT_GT(canvas.CountNot(RGB(0, 128, 0)), 0);
}

TEST(DrawText, ClippedToTheRectangleUnlessNoClip) {
  Canvas clipped(100, 30, SansSerif());
  Canvas unclipped(100, 30, SansSerif());
  clipped.Draw(u"Hello World", RECT{10, 0, 30, 8}, DT_LEFT);
  unclipped.Draw(u"Hello World", RECT{10, 0, 30, 8}, DT_LEFT | DT_NOCLIP);
  const RECT inside = clipped.InkBox();
  ASSERT_FALSE(inside.Empty());
  EXPECT_GE(inside.left, 10);
  EXPECT_LE(inside.right, 30);
  EXPECT_LE(inside.bottom, 8);
  const RECT all = unclipped.InkBox();
  EXPECT_GT(all.right, 30);
  EXPECT_GT(all.bottom, 8);
  // Inside the rectangle both agree.
  for (int y = 0; y < 8; ++y) {
    for (int x = 10; x < 30; ++x) EXPECT_EQ(clipped.At(x, y), unclipped.At(x, y));
  }
}

TEST(DrawText, OpaqueBackgroundIsClippedToo) {
  Canvas canvas(100, 30, SansSerif());
  SetBkMode(canvas.dc(), OPAQUE);
  SetBkColor(canvas.dc(), RGB(255, 0, 0));
  canvas.Draw(u"Hello World", RECT{10, 0, 30, 8}, DT_LEFT);
  const RECT box = canvas.InkBox();
  EXPECT_EQ(box, (RECT{10, 0, 30, 8}));
}

TEST(DrawText, ContextClipRegionIsHonoured) {
  Canvas canvas(100, 30, SansSerif());
  IntersectClipRect(canvas.dc(), 0, 0, 20, 30);
  canvas.Draw(u"Hello World", RECT{0, 0, 100, 30}, DT_LEFT);
  const RECT box = canvas.InkBox();
  ASSERT_FALSE(box.Empty());
  EXPECT_LE(box.right, 20);
}

// ---- Accelerator prefixes

TEST(Prefix, AmpersandIsNotDrawnAndUnderlinesTheNextCharacter) {
  Canvas marked(60, 20, SansSerif());
  Canvas plain(60, 20, SansSerif());
  marked.Draw(u"&File", RECT{0, 0, 60, 20}, DT_LEFT);
  plain.Draw(u"File", RECT{0, 0, 60, 20}, DT_LEFT);
  const int fWidth = MeasureText(SansSerif(), u"F").cx;
  int underline = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 60; ++x) {
      if (marked.At(x, y) == plain.At(x, y)) continue;
      // The only difference: a line below the baseline, under the "F".
      EXPECT_GE(y, 11) << x << "," << y;
      EXPECT_LT(x, fWidth + 1) << x << "," << y;
      ++underline;
    }
  }
  EXPECT_GE(underline, fWidth - 1);
  RECT a{0, 0, 0, 0};
  RECT b{0, 0, 0, 0};
  marked.Draw(u"&File", a, DT_CALCRECT);
  plain.Draw(u"File", b, DT_CALCRECT);
  EXPECT_EQ(a, b);
}

TEST(Prefix, DoubleAmpersandDrawsOne) {
  Canvas doubled(60, 20, SansSerif());
  Canvas literal(60, 20, SansSerif());
  doubled.Draw(u"a&&b", RECT{0, 0, 60, 20}, DT_LEFT);
  literal.Draw(u"a&b", RECT{0, 0, 60, 20}, DT_LEFT | DT_NOPREFIX);
  EXPECT_EQ(doubled.Pixels(), literal.Pixels());
  EXPECT_GT(doubled.CountNot(), 0);
}

TEST(Prefix, NoPrefixDrawsTheAmpersand) {
  Canvas literal(60, 20, SansSerif());
  Canvas plain(60, 20, SansSerif());
  literal.Draw(u"&File", RECT{0, 0, 60, 20}, DT_LEFT | DT_NOPREFIX);
  plain.Draw(u"&File", RECT{0, 0, 60, 20}, DT_LEFT);
  EXPECT_GT(literal.InkBox().right, plain.InkBox().right);
  EXPECT_EQ(MeasureText(SansSerif(), u"&File", DT_NOPREFIX).cx,
            MeasureText(SansSerif(), u"&", DT_NOPREFIX).cx + MeasureText(SansSerif(), u"File").cx);
}

TEST(Prefix, TrailingAmpersandIsDropped) {
  EXPECT_EQ(MeasureText(SansSerif(), u"ab&", 0), MeasureText(SansSerif(), u"ab", 0));
  // A lone "&" is a line with nothing on it.
  EXPECT_EQ(MeasureText(SansSerif(), u"&", 0), (SIZE{0, 13}));
}

// A NUL in the text: Pango ends a layout's text there, so the rest (and an accelerator index in it)
// used to be lost, with a critical from Pango.
TEST(Prefix, TextAfterANulStaysWithItsAccelerator) {
  int criticals = 0;
  const guint handler = g_log_set_handler(
      "Pango", static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING),
      [](const gchar*, GLogLevelFlags, const gchar*, gpointer count) {
        ++*static_cast<int*>(count);
      },
      &criticals);
  const std::u16string marked(u"a\0&b", 4);
  const std::u16string plain(u"a\0b", 3);
  EXPECT_GT(MeasureText(SansSerif(), marked, 0).cx, MeasureText(SansSerif(), u"ab", 0).cx);
  Canvas withAccelerator(60, 20, SansSerif());
  Canvas without(60, 20, SansSerif());
  withAccelerator.Draw(marked, RECT{0, 0, 60, 20}, DT_LEFT);
  without.Draw(plain, RECT{0, 0, 60, 20}, DT_LEFT);
  EXPECT_TRUE(withAccelerator.Pixels() != without.Pixels());  // "b" underlined
  g_log_remove_handler("Pango", handler);
  EXPECT_EQ(criticals, 0);
}

// ---- Font attributes

TEST(FontStyle, UnderlineAndStrikeOutAddLines) {
  LOGFONT underlined = Request("Times New Roman", -15);
  underlined.underline = true;
  LOGFONT struck = Request("Times New Roman", -15);
  struck.strikeOut = true;
  Canvas plain(80, 24, Request("Times New Roman", -15));
  Canvas under(80, 24, underlined);
  Canvas strike(80, 24, struck);
  for (Canvas* c : {&plain, &under, &strike}) c->Draw(u"mmmm", RECT{0, 0, 80, 24}, DT_LEFT);
  const RECT p = plain.InkBox();
  // The underline lies below the letters; the strike-out line crosses them.
  EXPECT_GT(under.InkBox().bottom, p.bottom);
  EXPECT_EQ(strike.InkBox().bottom, p.bottom);
  EXPECT_EQ(strike.InkBox().top, p.top);
  // Some row inside the letters is inked across the gaps between the strokes.
  int widest = 0;
  for (int y = p.top; y < p.bottom; ++y) {
    int gapsFilled = 0;
    for (int x = p.left; x < p.right; ++x) {
      gapsFilled += plain.At(x, y) == kWhite && strike.At(x, y) != kWhite;
    }
    widest = std::max(widest, gapsFilled);
  }
  EXPECT_GT(widest, p.Width() / 3);
}

TEST(FontStyle, BoldIsWiderAndItalicIsSlanted) {
  EXPECT_GT(MeasureText(Request("Times New Roman", -15, true), u"Profile Length").cx,
            MeasureText(Request("Times New Roman", -15), u"Profile Length").cx);
  LOGFONT italic = Request("Times New Roman", -15);
  italic.italic = true;
  Canvas upright(80, 24, Request("Times New Roman", -15));
  Canvas slanted(80, 24, italic);
  upright.Draw(u"llll", RECT{0, 0, 80, 24}, DT_LEFT);
  slanted.Draw(u"llll", RECT{0, 0, 80, 24}, DT_LEFT);
  EXPECT_NE(upright.Pixels(), slanted.Pixels());
}

// ---- Right to left

TEST(RightToLeft, ReadingOrderPutsTheLatinPartAfterThePersianOne) {
  const LOGFONT font = Request("Tahoma", -13);
  const std::u16string persian = u"نوار";
  const std::u16string mixed = u"ABC " + persian;
  const int persianWidth = MeasureText(font, persian).cx;
  const int abcWidth = MeasureText(font, u"ABC").cx;
  ASSERT_GT(persianWidth, 4);
  auto draw = [&](std::u16string_view text, unsigned format) {
    auto canvas = std::make_unique<Canvas>(120, 24, font);
    canvas->Draw(text, RECT{0, 0, 120, 24}, format);
    return canvas;
  };
  const auto persianAlone = draw(persian, DT_LEFT);
  const auto abcAlone = draw(u"ABC", DT_LEFT);
  const auto ltr = draw(mixed, DT_LEFT);
  const auto rtl = draw(mixed, DT_LEFT | DT_RTLREADING);
  // Left to right: "ABC" first. Right to left: the Persian word first, at the left end.
  EXPECT_EQ(ltr->Columns(0, abcWidth - 1), abcAlone->Columns(0, abcWidth - 1));
  EXPECT_EQ(rtl->Columns(0, persianWidth - 1), persianAlone->Columns(0, persianWidth - 1));
  EXPECT_NE(ltr->Pixels(), rtl->Pixels());
  EXPECT_EQ(MeasureText(font, mixed, DT_RTLREADING), MeasureText(font, mixed));
}

TEST(RightToLeft, AlignmentFlagsAreNotSwapped) {
  // Right-to-left reading does not move the line; the caller swaps DT_LEFT and DT_RIGHT.
  const LOGFONT font = Request("Tahoma", -13);
  Canvas canvas(120, 24, font);
  canvas.Draw(u"نوار", RECT{0, 0, 120, 24}, DT_LEFT | DT_RTLREADING);
  EXPECT_LT(canvas.InkBox().right, 60);
}

TEST(Persian, LettersAreJoined) {
  const LOGFONT font = TitrBold();
  const std::u16string word = u"نقاله";
  int isolated = 0;
  for (char16_t letter : word) isolated += MeasureText(font, std::u16string(1, letter)).cx;
  EXPECT_LT(MeasureText(font, word).cx, isolated);

  // Two joining letters drawn as a word differ from the same letters drawn apart.
  const LOGFONT tahoma = Request("Tahoma", -13);
  Canvas joined(60, 24, tahoma);
  Canvas apart(60, 24, tahoma);
  joined.Draw(u"بب", RECT{0, 0, 60, 24}, DT_LEFT);
  const int b = MeasureText(tahoma, u"ب").cx;
  apart.Draw(u"ب", RECT{0, 0, 60, 24}, DT_LEFT);
  apart.Draw(u"ب", RECT{b, 0, 60, 24}, DT_LEFT);
  EXPECT_NE(joined.Pixels(), apart.Pixels());
  EXPECT_LT(MeasureText(tahoma, u"بب").cx, 2 * b);
}

TEST(Persian, FirstLetterStandsAtTheRightEnd) {
  // Alef and dal join no following letter, so "اد" is the two isolated forms, alef on the right.
  const LOGFONT font = Request("Tahoma", -13);
  const int dal = MeasureText(font, u"د").cx;
  Canvas word(60, 24, font);
  Canvas pieces(60, 24, font);
  word.Draw(u"اد", RECT{0, 0, 60, 24}, DT_LEFT);
  pieces.Draw(u"د", RECT{0, 0, 60, 24}, DT_LEFT);
  pieces.Draw(u"ا", RECT{dal, 0, 60, 24}, DT_LEFT);
  EXPECT_EQ(word.Pixels(), pieces.Pixels());
  Canvas reversed(60, 24, font);
  reversed.Draw(u"ا", RECT{0, 0, 60, 24}, DT_LEFT);
  reversed.Draw(u"د", RECT{MeasureText(font, u"ا").cx, 0, 60, 24}, DT_LEFT);
  EXPECT_NE(word.Pixels(), reversed.Pixels());
}

TEST(Persian, NarrowTextInTheArabicCodePageDrawsLikeItsWideForm) {
  const int saved = sys::CodePage();
  sys::SetCodePage(sys::kCodePageArabic);
  Canvas narrow(100, 30, TitrBold());
  Canvas wide(100, 30, TitrBold());
  // "نوار" in code page 1256.
  RECT a{0, 0, 100, 30};
  RECT b{0, 0, 100, 30};
  DrawTextA(narrow.dc(), "\xE4\xE6\xC7\xD1", a, DT_LEFT);
  DrawTextW(wide.dc(), u"نوار", b, DT_LEFT);
  sys::SetCodePage(saved);
  EXPECT_GT(wide.CountNot(), 20);
  EXPECT_EQ(narrow.Pixels(), wide.Pixels());
}

TEST(Persian, MsSansSerifFallsBackForPersianLetters) {
  // The bitmap face has no Persian letters; another face supplies them on the same baseline.
  const SIZE size = MeasureText(SansSerif(), u"مدير طراحي");
  EXPECT_GT(size.cx, 20);
  EXPECT_EQ(size.cy, 13);
  Canvas canvas(120, 30, SansSerif());
  canvas.Draw(u"مدير طراحي", RECT{0, 0, 120, 30}, DT_LEFT);
  EXPECT_GT(canvas.CountNot(), 20);
}

// ---- Handles

TEST(FontHandles, CreatedFontsAreDeletable) {
  const HFONT font = CreateFontIndirect(SansSerif());
  ASSERT_NE(font, nullptr);
  EXPECT_TRUE(DeleteObject(font));
  EXPECT_FALSE(DeleteObject(font));
}

TEST(FontHandles, InvalidContextsDrawNothing) {
  RECT rect{0, 0, 10, 10};
  EXPECT_EQ(DrawTextW(nullptr, u"x", rect, DT_CALCRECT), 0);
  SIZE size{1, 1};
  EXPECT_FALSE(GetTextExtentPoint32W(nullptr, u"x", size));
}

}  // namespace
}  // namespace pw::gfx

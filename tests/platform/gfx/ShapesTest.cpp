// Lines, rectangles, focus rectangles, edges, frame controls and the system colours they use.

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "GfxTestSupport.h"

namespace pw::gfx {
namespace {

using test::Canvas;
using test::SolidBrush;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(200, 0, 0);
constexpr COLORREF kPaper = RGB(1, 2, 3);

// The pixels of a canvas that differ from the paper colour.
std::set<std::pair<int, int>> Inked(const Canvas& canvas) {
  std::set<std::pair<int, int>> result;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      if (canvas.At(x, y) != kPaper) result.insert({x, y});
    }
  }
  return result;
}

class Lines : public ::testing::Test {
 protected:
  Lines() {
    canvas_.Fill(kPaper);
    pen_ = CreatePen(PS_SOLID, 1, kInk);
    SelectObject(canvas_.dc(), pen_);
  }
  ~Lines() override {
    SelectObject(canvas_.dc(), GetStockPen(BLACK_PEN));
    DeleteObject(pen_);
  }
  std::set<std::pair<int, int>> Line(int x0, int y0, int x1, int y1) {
    canvas_.Fill(kPaper);
    MoveToEx(canvas_.dc(), x0, y0, nullptr);
    LineTo(canvas_.dc(), x1, y1);
    return Inked(canvas_);
  }

  Canvas canvas_{12, 12};
  HPEN pen_;
};

TEST_F(Lines, TheLastPointIsNotDrawnInAnyDirection) {
  using Points = std::set<std::pair<int, int>>;
  EXPECT_EQ(Line(2, 3, 6, 3), (Points{{2, 3}, {3, 3}, {4, 3}, {5, 3}}));
  EXPECT_EQ(Line(6, 3, 2, 3), (Points{{6, 3}, {5, 3}, {4, 3}, {3, 3}}));
  EXPECT_EQ(Line(4, 1, 4, 4), (Points{{4, 1}, {4, 2}, {4, 3}}));
  EXPECT_EQ(Line(4, 4, 4, 1), (Points{{4, 4}, {4, 3}, {4, 2}}));
  EXPECT_EQ(Line(1, 1, 4, 4), (Points{{1, 1}, {2, 2}, {3, 3}}));
  EXPECT_EQ(Line(4, 4, 1, 1), (Points{{4, 4}, {3, 3}, {2, 2}}));
  EXPECT_EQ(Line(5, 1, 2, 4), (Points{{5, 1}, {4, 2}, {3, 3}}));
  EXPECT_EQ(Line(2, 4, 5, 1), (Points{{2, 4}, {3, 3}, {4, 2}}));
  EXPECT_TRUE(Line(3, 3, 3, 3).empty());
  // The end becomes the current position.
  POINT position;
  MoveToEx(canvas_.dc(), 0, 0, &position);
  EXPECT_EQ(position, (POINT{3, 3}));
}

TEST_F(Lines, ShallowAndSteepLinesHaveOnePixelPerStep) {
  const auto shallow = Line(0, 0, 10, 3);
  EXPECT_EQ(shallow.size(), 10u);
  std::set<int> columns;
  for (const auto& [x, y] : shallow) {
    columns.insert(x);
    EXPECT_LE(y, 3);
  }
  EXPECT_EQ(columns.size(), 10u);
  EXPECT_TRUE(shallow.count({0, 0}));
  const auto steep = Line(3, 11, 0, 1);
  EXPECT_EQ(steep.size(), 10u);
  EXPECT_TRUE(steep.count({3, 11}));
  EXPECT_FALSE(steep.count({0, 1}));
}

TEST_F(Lines, FollowTheOriginAndTheClip) {
  SetViewportOrg(canvas_.dc(), {2, 1});
  IntersectClipRect(canvas_.dc(), 0, 0, 3, 5);
  EXPECT_EQ(Line(-2, 0, 8, 0), (std::set<std::pair<int, int>>{{2, 1}, {3, 1}, {4, 1}}));
  SelectObject(canvas_.dc(), GetStockPen(NULL_PEN));
  EXPECT_TRUE(Line(0, 1, 3, 1).empty());
}

// A top-line bevel 114 x 7: the first colour from (0, 0) to (114, 0), the second from (0, 1) to
// (114, 1).
TEST(Bevels, TopLineCoversTheWholeWidthOfRowsZeroAndOne) {
  Canvas canvas(120, 9);
  canvas.Fill(kPaper);
  HDC dc = canvas.dc();
  SaveDC(dc);
  OffsetViewportOrg(dc, 3, 1);
  IntersectClipRect(dc, 0, 0, 114, 7);
  HPEN highlight = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
  HPEN shadow = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
  SelectObject(dc, highlight);
  MoveToEx(dc, 0, 0, nullptr);
  LineTo(dc, 114, 0);
  SelectObject(dc, shadow);
  MoveToEx(dc, 0, 1, nullptr);
  LineTo(dc, 114, 1);
  RestoreDC(dc, -1);
  DeleteObject(highlight);
  DeleteObject(shadow);
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 120; ++x) {
      COLORREF expected = kPaper;
      if (x >= 3 && x < 117 && y == 1) expected = kWhite;
      if (x >= 3 && x < 117 && y == 2) expected = RGB(128, 128, 128);
      ASSERT_EQ(canvas.At(x, y), expected) << x << "," << y;
    }
  }
}

// A box bevel as two polylines: (L, B) to (L, T) to (R, T), then (R, T) to (R, B) to (L, B).
TEST(Bevels, BoxPolylinesCloseTheFrame) {
  Canvas canvas(10, 8);
  canvas.Fill(kPaper);
  HPEN first = CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
  HPEN second = CreatePen(PS_SOLID, 1, kWhite);
  const POINT topLeft[] = {{0, 7}, {0, 0}, {9, 0}};
  const POINT bottomRight[] = {{9, 0}, {9, 7}, {0, 7}};
  SelectObject(canvas.dc(), first);
  Polyline(canvas.dc(), topLeft);
  SelectObject(canvas.dc(), second);
  Polyline(canvas.dc(), bottomRight);
  SelectObject(canvas.dc(), GetStockPen(BLACK_PEN));
  DeleteObject(first);
  DeleteObject(second);
  EXPECT_EQ(Inked(canvas).size(), 2u * 10 + 2u * 6);
  EXPECT_EQ(canvas.At(0, 0), RGB(128, 128, 128));
  EXPECT_EQ(canvas.At(0, 7), RGB(128, 128, 128));
  EXPECT_EQ(canvas.At(9, 0), kWhite);
  EXPECT_EQ(canvas.At(9, 7), kWhite);
  EXPECT_EQ(canvas.At(1, 7), kWhite);
}

TEST(Rectangles, ExtentsOfFillFrameAndOutline) {
  Canvas canvas(12, 10);
  SolidBrush fill(RGB(0, 200, 0));
  const auto inked = [&] { return Inked(canvas); };
  const auto box = [](int l, int t, int r, int b) {
    std::set<std::pair<int, int>> s;
    for (int y = t; y < b; ++y) {
      for (int x = l; x < r; ++x) s.insert({x, y});
    }
    return s;
  };

  canvas.Fill(kPaper);
  FillRect(canvas.dc(), {2, 3, 7, 8}, fill);
  EXPECT_EQ(inked(), box(2, 3, 7, 8));

  canvas.Fill(kPaper);
  FrameRect(canvas.dc(), {2, 3, 7, 8}, fill);
  auto frame = box(2, 3, 7, 8);
  for (const auto& p : box(3, 4, 6, 7)) frame.erase(p);
  EXPECT_EQ(inked(), frame);

  // Rectangle: the pen on the outline, the brush inside.
  canvas.Fill(kPaper);
  HPEN pen = CreatePen(PS_SOLID, 1, kInk);
  SelectObject(canvas.dc(), pen);
  SelectObject(canvas.dc(), fill);
  Rectangle(canvas.dc(), 2, 3, 7, 8);
  EXPECT_EQ(inked(), box(2, 3, 7, 8));
  EXPECT_EQ(canvas.At(2, 3), kInk);
  EXPECT_EQ(canvas.At(6, 7), kInk);
  EXPECT_EQ(canvas.At(3, 4), RGB(0, 200, 0));
  EXPECT_EQ(canvas.At(5, 6), RGB(0, 200, 0));

  // A hollow brush leaves the inside; no pen fills one pixel less to the right and bottom.
  canvas.Fill(kPaper);
  SelectObject(canvas.dc(), GetStockBrush(NULL_BRUSH));
  Rectangle(canvas.dc(), 2, 3, 7, 8);
  EXPECT_EQ(inked(), frame);
  canvas.Fill(kPaper);
  SelectObject(canvas.dc(), fill);
  SelectObject(canvas.dc(), GetStockPen(NULL_PEN));
  Rectangle(canvas.dc(), 2, 3, 7, 8);
  EXPECT_EQ(inked(), box(2, 3, 6, 7));
  SelectObject(canvas.dc(), GetStockBrush(WHITE_BRUSH));
  DeleteObject(pen);
}

TEST(FocusRectangles, InvertEveryOtherFramePixelAndASecondCallRestores) {
  Canvas canvas(12, 10);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 12; ++x) canvas.Set(x, y, RGB(x * 20, y * 20, 77));
  }
  Canvas original(12, 10);
  BitBlt(original.dc(), 0, 0, 12, 10, canvas.dc(), 0, 0, SRCCOPY);
  SetViewportOrg(canvas.dc(), {1, 1});
  ASSERT_TRUE(DrawFocusRect(canvas.dc(), {1, 1, 9, 7}));  // device (2, 2) .. (9, 7)
  int inverted = 0;
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 12; ++x) {
      const bool onFrame =
          x >= 2 && x <= 9 && y >= 2 && y <= 7 && (x == 2 || x == 9 || y == 2 || y == 7);
      const COLORREF was = original.At(x, y);
      const COLORREF flipped =
          RGB(255 - GetRValue(was), 255 - GetGValue(was), 255 - GetBValue(was));
      if (onFrame && (x + y) % 2 == 0) {
        EXPECT_EQ(canvas.At(x, y), flipped) << x << "," << y;
        ++inverted;
      } else {
        EXPECT_EQ(canvas.At(x, y), was) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(inverted, 12);  // 24 frame pixels, every other one
  DrawFocusRect(canvas.dc(), {1, 1, 9, 7});
  EXPECT_TRUE(canvas.SameAs(original));
}

TEST(Edges, SunkenClientEdgeOfAnEditBox) {
  Canvas canvas(121, 21);
  canvas.Fill(kPaper);
  RECT rect{0, 0, 121, 21};
  ASSERT_TRUE(DrawEdge(canvas.dc(), rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST));
  EXPECT_EQ(rect, (RECT{2, 2, 119, 19}));
  const COLORREF shadow = RGB(128, 128, 128), dark = RGB(64, 64, 64), light = RGB(212, 208, 200);
  EXPECT_EQ(canvas.At(0, 0), shadow);
  EXPECT_EQ(canvas.At(119, 0), shadow);
  EXPECT_EQ(canvas.At(120, 0), kWhite);  // the bottom and right lines own their corners
  EXPECT_EQ(canvas.At(0, 20), kWhite);
  EXPECT_EQ(canvas.At(120, 20), kWhite);
  EXPECT_EQ(canvas.At(1, 1), dark);
  EXPECT_EQ(canvas.At(1, 19), light);
  EXPECT_EQ(canvas.At(119, 19), light);
  EXPECT_EQ(canvas.At(2, 2), kPaper);  // the inside is left alone
}

TEST(FrameControls, PushButtonFrameIsTwoPixelsAndFillsTheFace) {
  Canvas canvas(75, 25);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  for (const unsigned extra : {0u, DFCS_INACTIVE}) {
    canvas.Fill(kPaper);
    RECT rect{0, 0, 75, 25};
    ASSERT_TRUE(
        DrawFrameControl(canvas.dc(), rect, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | extra));
    EXPECT_EQ(rect, (RECT{2, 2, 73, 23}));
    EXPECT_EQ(canvas.At(0, 0), kWhite);                // outer: highlight
    EXPECT_EQ(canvas.At(74, 24), RGB(64, 64, 64));     // outer: dark shadow
    EXPECT_EQ(canvas.At(1, 1), face);                  // inner: light
    EXPECT_EQ(canvas.At(73, 23), RGB(128, 128, 128));  // inner: shadow
    EXPECT_EQ(canvas.At(2, 2), face);
    EXPECT_EQ(canvas.At(72, 22), face);
  }
  // Pushed: sunken; without DFCS_ADJUSTRECT the rectangle stays.
  RECT rect{0, 0, 75, 25};
  DrawFrameControl(canvas.dc(), rect, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
  EXPECT_EQ(rect, (RECT{0, 0, 75, 25}));
  EXPECT_EQ(canvas.At(0, 0), RGB(64, 64, 64));
  EXPECT_EQ(canvas.At(74, 24), kWhite);
}

TEST(FrameControls, RadioButtonsAreRoundAndShowTheirState) {
  Canvas canvas(13, 13);
  const auto draw = [&](unsigned state) {
    canvas.Fill(kPaper);
    RECT rect{0, 0, 13, 13};
    EXPECT_TRUE(DrawFrameControl(canvas.dc(), rect, DFC_BUTTON, DFCS_BUTTONRADIO | state));
  };
  draw(DFCS_CHECKED);
  EXPECT_EQ(canvas.At(0, 0), kPaper);  // outside the circle
  EXPECT_EQ(canvas.At(11, 11), kPaper);
  EXPECT_EQ(canvas.At(5, 0), RGB(128, 128, 128));  // outer ring, top
  EXPECT_EQ(canvas.At(0, 5), RGB(128, 128, 128));
  EXPECT_EQ(canvas.At(5, 11), kWhite);  // outer ring, bottom
  EXPECT_EQ(canvas.At(5, 1), RGB(64, 64, 64));
  EXPECT_EQ(canvas.At(5, 5), RGB(0, 0, 0));  // the dot
  EXPECT_EQ(canvas.At(4, 4), kWhite);        // its rounded corner
  EXPECT_EQ(canvas.At(3, 5), kWhite);
  EXPECT_EQ(canvas.At(12, 12), kPaper);  // the cell's last row and column stay
  draw(0);
  EXPECT_EQ(canvas.At(5, 5), kWhite);
  draw(DFCS_CHECKED | DFCS_INACTIVE);
  EXPECT_EQ(canvas.At(5, 5), RGB(128, 128, 128));
  EXPECT_EQ(canvas.At(3, 5), GetSysColor(COLOR_BTNFACE));
}

TEST(FrameControls, ComboDropButtonIsRaisedWithADownTriangle) {
  Canvas canvas(17, 21);
  canvas.Fill(kPaper);
  RECT rect{0, 0, 17, 21};
  ASSERT_TRUE(DrawFrameControl(canvas.dc(), rect, DFC_SCROLL, DFCS_SCROLLCOMBOBOX));
  EXPECT_EQ(canvas.At(16, 20), RGB(64, 64, 64));
  EXPECT_EQ(canvas.At(1, 1), kWhite);
  // Rows of 7, 5, 3 and 1 black pixels from (5, 8).
  int black = 0;
  for (int y = 0; y < 21; ++y) {
    for (int x = 0; x < 17; ++x) black += canvas.At(x, y) == RGB(0, 0, 0);
  }
  EXPECT_EQ(black, 16);
  EXPECT_EQ(canvas.At(5, 8), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(11, 8), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(8, 11), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(7, 11), GetSysColor(COLOR_BTNFACE));
  // Pushed: the triangle moves one pixel right and down.
  DrawFrameControl(canvas.dc(), rect, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_PUSHED);
  EXPECT_EQ(canvas.At(9, 12), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(5, 8), GetSysColor(COLOR_BTNFACE));
}

TEST(SystemColours, AClassicPaletteAndTheMetricsTheControlsUse) {
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(212, 208, 200));
  EXPECT_EQ(GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(10, 36, 106));
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), kWhite);
  EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(0, 0, 0));
  EXPECT_EQ(GetSysColor(COLOR_GRADIENTINACTIVECAPTION), RGB(192, 192, 192));
  Canvas canvas(2, 1);
  FillRect(canvas.dc(), {0, 0, 2, 1}, GetSysColorBrush(COLOR_BTNSHADOW));
  EXPECT_EQ(canvas.At(1, 0), RGB(128, 128, 128));
  EXPECT_EQ(GetSysColorBrush(COLOR_BTNSHADOW), GetSysColorBrush(COLOR_BTNSHADOW));
  // An edit box with a client edge: text height + 8 border heights.
  EXPECT_EQ(8 * GetSystemMetrics(SM_CYBORDER), 8);
  EXPECT_EQ(GetSystemMetrics(SM_CXICON), 32);
  EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), 16);
  EXPECT_EQ(GetSystemMetrics(SM_MIDEASTENABLED), 0);
}

}  // namespace
}  // namespace pw::gfx

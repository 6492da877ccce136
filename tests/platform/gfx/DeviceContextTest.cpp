// Device contexts: bitmaps and their memory order, objects, origin, clip, saved states and
// window contexts.

#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

#include "GfxTestSupport.h"

namespace pw::gfx {
namespace {

using test::Canvas;
using test::SolidBrush;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

TEST(Bitmaps, BottomUpSectionsHoldTheLastRowFirstInMemory) {
  for (const bool topDown : {true, false}) {
    Canvas canvas(3, 4, topDown);
    canvas.Fill(kWhite);
    SolidBrush red(kRed);
    FillRect(canvas.dc(), {0, 0, 3, 1}, red);  // the picture's top row
    const std::uint8_t* memory = canvas.Memory();
    const std::uint8_t* topRowInMemory = memory + (topDown ? 0 : 3 * 3 * 4);
    // Blue, green, red, unused.
    EXPECT_EQ(topRowInMemory[0], 0) << topDown;
    EXPECT_EQ(topRowInMemory[2], 255) << topDown;
    EXPECT_EQ(canvas.At(2, 0), kRed);
    EXPECT_EQ(canvas.At(2, 1), kWhite);
  }
}

TEST(Bitmaps, CreationAndInformation) {
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(5, 2, &bits);
  ASSERT_NE(section, nullptr);
  BitmapInfo info;
  ASSERT_TRUE(GetBitmapInfo(section, info));
  EXPECT_EQ(info.width, 5);
  EXPECT_EQ(info.height, 2);
  EXPECT_EQ(info.bitsPerPixel, 32);
  EXPECT_FALSE(info.topDown);
  EXPECT_EQ(info.stride, 20);
  EXPECT_EQ(info.bits, bits);

  // Monochrome rows are given padded to 16 bits and held padded to 32.
  const std::uint8_t rows[] = {0xA0, 0x00, 0x50, 0x00};
  HBITMAP mono = CreateBitmap(4, 2, 1, 1, rows);
  ASSERT_TRUE(GetBitmapInfo(mono, info));
  EXPECT_EQ(info.bitsPerPixel, 1);
  EXPECT_EQ(info.stride, 4);
  EXPECT_EQ(static_cast<const std::uint8_t*>(info.bits)[0], 0xA0);
  EXPECT_EQ(static_cast<const std::uint8_t*>(info.bits)[4], 0x50);

  // A compatible bitmap follows the context's bitmap: monochrome for a fresh memory context.
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP fromFresh = CreateCompatibleBitmap(dc, 8, 8);
  ASSERT_TRUE(GetBitmapInfo(fromFresh, info));
  EXPECT_EQ(info.bitsPerPixel, 1);
  HGDIOBJ previous = SelectObject(dc, section);
  HBITMAP fromColour = CreateCompatibleBitmap(dc, 8, 8);
  ASSERT_TRUE(GetBitmapInfo(fromColour, info));
  EXPECT_EQ(info.bitsPerPixel, 32);
  SelectObject(dc, previous);

  EXPECT_EQ(CreateDIBSection(0, 10, nullptr), nullptr);
  EXPECT_EQ(CreateDIBSection(1 << 20, 1 << 20, nullptr), nullptr);
  EXPECT_EQ(CreateBitmap(4, 4, 1, 8, nullptr), nullptr);
  for (HGDIOBJ object : {section, mono, fromFresh, fromColour}) EXPECT_TRUE(DeleteObject(object));
  DeleteDC(dc);
}

TEST(Objects, SelectionReturnsThePreviousObjectAndDeletionWaitsForRelease) {
  Canvas canvas(4, 4);
  HBRUSH brush = CreateSolidBrush(kRed);
  const HGDIOBJ stockBrush = SelectObject(canvas.dc(), brush);
  EXPECT_EQ(stockBrush, GetStockBrush(WHITE_BRUSH));
  EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_BRUSH), brush);
  EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_BITMAP), canvas.bitmap());

  // Deleted while selected: still usable until the context lets go of it.
  EXPECT_TRUE(DeleteObject(brush));
  EXPECT_TRUE(PatBlt(canvas.dc(), 0, 0, 4, 4, PATCOPY));
  EXPECT_EQ(canvas.At(3, 3), kRed);
  EXPECT_EQ(SelectObject(canvas.dc(), stockBrush), brush);
  EXPECT_FALSE(DeleteObject(brush));  // gone now

  // A saved state holds its objects too.
  HPEN pen = CreatePen(PS_SOLID, 1, kBlue);
  const HGDIOBJ stockPen = SelectObject(canvas.dc(), pen);
  SaveDC(canvas.dc());
  SelectObject(canvas.dc(), stockPen);
  EXPECT_TRUE(DeleteObject(pen));
  RestoreDC(canvas.dc(), -1);
  EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_PEN), pen);
  SelectObject(canvas.dc(), stockPen);
  EXPECT_FALSE(DeleteObject(pen));

  // Stock objects survive deletion.
  EXPECT_TRUE(DeleteObject(GetStockBrush(BLACK_BRUSH)));
  EXPECT_EQ(FillRect(canvas.dc(), {0, 0, 1, 1}, GetStockBrush(BLACK_BRUSH)), 1);
  EXPECT_EQ(canvas.At(0, 0), RGB(0, 0, 0));
  // A context without its own font hands back the system font.
  EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), GetStockFont(SYSTEM_FONT));
  EXPECT_EQ(SelectObject(canvas.dc(), nullptr), nullptr);
}

static_assert(!std::is_convertible_v<HFONT, HBITMAP> && !std::is_convertible_v<HBITMAP, HFONT>,
              "a font is not a bitmap");
static_assert(!std::is_convertible_v<HPEN, HBRUSH> && !std::is_convertible_v<HBRUSH, HPEN>);
static_assert(std::is_convertible_v<HFONT, HGDIOBJ> && !std::is_convertible_v<HGDIOBJ, HFONT>,
              "any object is an HGDIOBJ; back only through GdiCast");
static_assert(!std::is_convertible_v<HDC, HGDIOBJ> && !std::is_convertible_v<HGDIOBJ, HDC>);
static_assert(std::is_trivially_copyable_v<HBITMAP> && std::is_trivially_copyable_v<HDC>);

TEST(Objects, DeletedObjectsAndContextsStayDeadWhenTheirSlotsAreReused) {
  Canvas canvas(2, 2);
  canvas.Fill(kWhite);
  std::vector<HGDIOBJ> dead;
  for (int i = 0; i < 10; ++i) {
    const HBRUSH a = CreateSolidBrush(kRed);
    ASSERT_TRUE(DeleteObject(a));
    const HBRUSH b = CreateSolidBrush(kBlue);
    EXPECT_EQ(b.Slot(), a.Slot()) << "the freed slot is taken again";
    EXPECT_NE(b, a);
    dead.push_back(a);
    for (HGDIOBJ old : dead) {
      EXPECT_EQ(GdiCast<HBRUSH>(old), nullptr);
      EXPECT_EQ(SelectObject(canvas.dc(), old), nullptr);
      EXPECT_EQ(FillRect(canvas.dc(), {0, 0, 2, 2}, GdiCast<HBRUSH>(old)), 0);
      EXPECT_FALSE(DeleteObject(old));
    }
    EXPECT_EQ(FillRect(canvas.dc(), {0, 0, 2, 2}, HBRUSH::FromValue(a.Value())), 0);
    EXPECT_EQ(canvas.At(0, 0), kWhite) << "the stale brush painted nothing";
    EXPECT_EQ(GdiCast<HBRUSH>(HGDIOBJ(b)), b);
    EXPECT_EQ(GdiCast<HPEN>(HGDIOBJ(b)), nullptr) << "a brush is no pen";
    EXPECT_EQ(FillRect(canvas.dc(), {0, 0, 1, 1}, b), 1);
    EXPECT_EQ(canvas.At(0, 0), kBlue);
    canvas.Fill(kWhite);
    EXPECT_TRUE(DeleteObject(b));
    dead.push_back(b);
  }

  const HDC first = CreateCompatibleDC(nullptr);
  ASSERT_TRUE(DeleteDC(first));
  const HDC second = CreateCompatibleDC(nullptr);
  EXPECT_EQ(second.Slot(), first.Slot());
  EXPECT_FALSE(DeleteDC(first));
  EXPECT_EQ(GetCurrentObject(first, OBJ_PEN), nullptr);
  EXPECT_EQ(SetTextColor(second, kRed), RGB(0, 0, 0));
  EXPECT_EQ(SetTextColor(first, kBlue), CLR_INVALID);
  EXPECT_EQ(GetTextColor(second), kRed);
  EXPECT_TRUE(DeleteDC(second));
}

TEST(Clip, IntersectExcludeAndTheClipBox) {
  Canvas canvas(20, 10);
  canvas.Fill(kWhite);
  SolidBrush red(kRed);
  RECT box;
  EXPECT_EQ(GetClipBox(canvas.dc(), box), SIMPLEREGION);
  EXPECT_EQ(box, (RECT{0, 0, 20, 10}));

  EXPECT_EQ(IntersectClipRect(canvas.dc(), 2, 1, 18, 9), SIMPLEREGION);
  EXPECT_EQ(ExcludeClipRect(canvas.dc(), 5, 3, 8, 6), COMPLEXREGION);
  FillRect(canvas.dc(), {0, 0, 20, 10}, red);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 20; ++x) {
      const bool inside = x >= 2 && x < 18 && y >= 1 && y < 9;
      const bool hole = x >= 5 && x < 8 && y >= 3 && y < 6;
      EXPECT_EQ(canvas.At(x, y), inside && !hole ? kRed : kWhite) << x << "," << y;
    }
  }
  EXPECT_EQ(GetClipBox(canvas.dc(), box), COMPLEXREGION);
  EXPECT_EQ(box, (RECT{2, 1, 18, 9}));
  EXPECT_TRUE(RectVisible(canvas.dc(), {0, 0, 3, 2}));
  EXPECT_FALSE(RectVisible(canvas.dc(), {5, 3, 8, 6}));
  EXPECT_FALSE(RectVisible(canvas.dc(), {18, 0, 20, 10}));

  EXPECT_EQ(IntersectClipRect(canvas.dc(), 30, 30, 40, 40), NULLREGION);
  EXPECT_EQ(GetClipBox(canvas.dc(), box), NULLREGION);
  ResetClip(canvas.dc());
  EXPECT_EQ(GetClipBox(canvas.dc(), box), SIMPLEREGION);
  EXPECT_EQ(box, (RECT{0, 0, 20, 10}));
}

// The painting of graphic children: save, move the origin to the child, narrow the clip to its
// size, paint, restore.
TEST(Clip, SavedStatesRestoreOriginClipAndObjectsInOrder) {
  Canvas canvas(30, 20);
  canvas.Fill(kWhite);
  SolidBrush red(kRed), blue(kBlue);
  HDC dc = canvas.dc();

  EXPECT_EQ(SaveDC(dc), 1);
  OffsetViewportOrg(dc, 10, 5);
  IntersectClipRect(dc, 0, 0, 6, 4);
  SetTextColor(dc, kBlue);
  EXPECT_EQ(SaveDC(dc), 2);
  OffsetViewportOrg(dc, 3, 2);
  EXPECT_EQ(GetViewportOrg(dc), (POINT{13, 7}));
  // The clip stays where it was set, in device terms, when the origin moves on.
  FillRect(dc, {-20, -20, 50, 50}, red);
  EXPECT_EQ(canvas.At(10, 5), kRed);
  EXPECT_EQ(canvas.At(15, 8), kRed);
  EXPECT_EQ(canvas.At(16, 8), kWhite);
  EXPECT_EQ(canvas.At(15, 9), kWhite);
  EXPECT_EQ(canvas.At(9, 5), kWhite);
  RECT box;
  GetClipBox(dc, box);
  EXPECT_EQ(box, (RECT{-3, -2, 3, 2}));

  EXPECT_EQ(SaveDC(dc), 3);
  EXPECT_TRUE(RestoreDC(dc, 2));  // back past the third and the second
  EXPECT_EQ(GetViewportOrg(dc), (POINT{10, 5}));
  EXPECT_EQ(GetTextColor(dc), kBlue);
  EXPECT_FALSE(RestoreDC(dc, 2));
  EXPECT_TRUE(RestoreDC(dc, -1));
  EXPECT_EQ(GetViewportOrg(dc), (POINT{0, 0}));
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
  FillRect(dc, {0, 0, 30, 20}, blue);
  EXPECT_EQ(canvas.At(29, 19), kBlue);
  EXPECT_FALSE(RestoreDC(dc, -1));
}

TEST(WindowContexts, DrawOnlyOnTheirVisiblePartFromTheirOrigin) {
  Canvas surface(40, 30);
  surface.Fill(kWhite);
  SolidBrush red(kRed);
  // A window at (10, 5); a sibling above covers its part right of x = 25.
  const std::vector<RECT> visible = {{10, 5, 25, 20}};
  HDC dc = CreateSurfaceDC(surface.bitmap(), {10, 5}, visible);
  ASSERT_NE(dc, nullptr);
  // The viewport origin counts from the window.
  EXPECT_EQ(GetViewportOrg(dc), (POINT{0, 0}));
  FillRect(dc, {0, 0, 100, 100}, red);
  EXPECT_EQ(surface.At(10, 5), kRed);
  EXPECT_EQ(surface.At(24, 19), kRed);
  EXPECT_EQ(surface.At(25, 19), kWhite);
  EXPECT_EQ(surface.At(9, 5), kWhite);
  RECT box;
  GetClipBox(dc, box);
  EXPECT_EQ(box, (RECT{0, 0, 15, 15}));
  EXPECT_EQ(SelectObject(dc, surface.bitmap()), nullptr);
  SetViewportOrg(dc, {2, 2});
  EXPECT_EQ(SetPixel(dc, 0, 0, kBlue), kBlue);
  EXPECT_EQ(surface.At(12, 7), kBlue);
  EXPECT_EQ(GetPixel(dc, 0, 0), kBlue);
  EXPECT_EQ(GetPixel(dc, 30, 0), CLR_INVALID);
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_FALSE(DeleteDC(dc));

  // Nothing visible: nothing drawn.
  HDC hidden = CreateSurfaceDC(surface.bitmap(), {0, 0}, {});
  FillRect(hidden, {0, 0, 40, 30}, red);
  EXPECT_EQ(surface.At(0, 0), kWhite);
  DeleteDC(hidden);
}

TEST(DeviceCaps, TheScreenIsA96DpiTrueColourDevice) {
  Canvas canvas(1, 1);
  EXPECT_EQ(GetDeviceCaps(canvas.dc(), LOGPIXELSY), 96);
  EXPECT_EQ(GetDeviceCaps(canvas.dc(), LOGPIXELSX), 96);
  EXPECT_EQ(GetDeviceCaps(nullptr, BITSPIXEL) * GetDeviceCaps(nullptr, PLANES), 32);
}

}  // namespace
}  // namespace pw::gfx

// Invalidation, erasing and painting into the top-level surface.

#include "WinTestSupport.h"
#include "platform/gfx/Gdi.h"

namespace pw::win::testing {
namespace {

using ::testing::ElementsAre;

constexpr gfx::COLORREF kBackground = gfx::RGB(10, 20, 30);

class PaintingTest : public WinTest {
 protected:
  // A surface pixel of a top-level window (client coordinates).
  static gfx::COLORREF Pixel(HWND top, int x, int y) {
    gfx::BitmapInfo info;
    if (!gfx::GetBitmapInfo(GetWindowSurface(top), info)) return gfx::CLR_INVALID;
    const auto* row = static_cast<const std::uint8_t*>(info.bits) + y * info.stride;
    const std::uint32_t p = reinterpret_cast<const std::uint32_t*>(row)[x];
    return gfx::RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  // A window whose WM_PAINT fills its paint rectangle with a colour.
  void PaintsWith(HWND window, gfx::COLORREF color) {
    hooks[window] = [color](HWND w, unsigned m, WPARAM, LPARAM, LRESULT& result) {
      if (m != WM_PAINT) return false;
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(w, ps);
      gfx::HBRUSH brush = gfx::CreateSolidBrush(color);
      RECT all{0, 0, 1000, 1000};
      gfx::FillRect(dc, all, brush);
      gfx::DeleteObject(brush);
      EndPaint(w, ps);
      result = 0;
      return true;
    };
  }
};

TEST_F(PaintingTest, ShowingPaintsParentThenChildWithErase) {
  HWND top = Top("top", 0, 0, 100, 80, WS_POPUP);
  HWND child = Child(top, "child", 10, 10, 20, 20);
  watched = {WM_PAINT, WM_ERASEBKGND};
  ShowWindow(top, SW_SHOW);
  Drain();
  EXPECT_THAT(Trace(), ElementsAre(T("top", WM_PAINT), T("top", WM_ERASEBKGND),
                                   T("child", WM_PAINT), T("child", WM_ERASEBKGND)));
  EXPECT_EQ(Pixel(top, 50, 50), kBackground);
  EXPECT_EQ(Pixel(top, 15, 15), kBackground);
  EXPECT_GT(backend->PresentCount(top), 0);
  (void)child;
}

TEST_F(PaintingTest, EraseOnlyWhenAsked) {
  HWND top = Top("top", 0, 0, 100, 80);
  Drain();
  watched = {WM_PAINT, WM_ERASEBKGND};
  RECT r{0, 0, 10, 10};
  InvalidateRect(top, &r, false);
  Drain();
  EXPECT_THAT(Trace(), ElementsAre(T("top", WM_PAINT)));
  log.clear();
  InvalidateRect(top, &r, false);
  InvalidateRect(top, &r, true);  // one erase request is enough
  Drain();
  EXPECT_THAT(Trace(), ElementsAre(T("top", WM_PAINT), T("top", WM_ERASEBKGND)));
}

TEST_F(PaintingTest, PaintIsClippedToTheUpdateAreaAndExcludesChildren) {
  HWND top = Top("top", 0, 0, 100, 80);
  HWND child = Child(top, "child", 40, 40, 20, 20);
  PaintsWith(child, gfx::RGB(0, 255, 0));
  Drain();
  ASSERT_EQ(Pixel(top, 45, 45), gfx::RGB(0, 255, 0));
  PaintsWith(top, gfx::RGB(255, 0, 0));
  RECT r{0, 0, 70, 70};
  InvalidateRect(top, &r, false);
  Drain();
  EXPECT_EQ(Pixel(top, 5, 5), gfx::RGB(255, 0, 0));
  EXPECT_EQ(Pixel(top, 69, 69), gfx::RGB(255, 0, 0));
  EXPECT_EQ(Pixel(top, 75, 75), kBackground);          // outside the update area
  EXPECT_EQ(Pixel(top, 45, 45), gfx::RGB(0, 255, 0));  // the child's area is not the parent's
  RECT presented = backend->LastPresented(top);
  EXPECT_EQ(presented, (RECT{0, 0, 70, 70}));
}

TEST_F(PaintingTest, OverlappingSiblingsPaintOnlyTheirVisiblePart) {
  HWND top = Top("top", 0, 0, 100, 80);
  HWND below = Child(top, "below", 10, 10, 40, 40);
  HWND above = Child(top, "above", 30, 30, 40, 40);
  PaintsWith(below, gfx::RGB(0, 0, 255));
  PaintsWith(above, gfx::RGB(255, 255, 0));
  Drain();
  EXPECT_EQ(Pixel(top, 35, 35), gfx::RGB(255, 255, 0));
  InvalidateRect(below, nullptr, false);
  Drain();
  EXPECT_EQ(Pixel(top, 35, 35), gfx::RGB(255, 255, 0));
  EXPECT_EQ(Pixel(top, 15, 15), gfx::RGB(0, 0, 255));
}

TEST_F(PaintingTest, SendingAChildToTheBottomRepaintsTheSiblingsAboveIt) {
  HWND top = Top("top", 0, 0, 100, 80);
  HWND below = Child(top, "below", 10, 10, 40, 40);
  HWND above = Child(top, "above", 30, 30, 40, 40);
  PaintsWith(below, gfx::RGB(0, 0, 255));
  PaintsWith(above, gfx::RGB(255, 255, 0));
  Drain();
  ASSERT_EQ(Pixel(top, 35, 35), gfx::RGB(255, 255, 0));
  SetWindowPos(above, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Drain();
  EXPECT_EQ(Pixel(top, 35, 35), gfx::RGB(0, 0, 255));
  EXPECT_EQ(Pixel(top, 60, 60), gfx::RGB(255, 255, 0));
}

TEST_F(PaintingTest, MovingAChildRepaintsBothPlaces) {
  HWND top = Top("top", 0, 0, 100, 80);
  HWND child = Child(top, "child", 0, 0, 20, 20);
  PaintsWith(child, gfx::RGB(0, 255, 0));
  Drain();
  MoveWindow(child, 50, 50, 20, 20, true);
  Drain();
  EXPECT_EQ(Pixel(top, 5, 5), kBackground);
  EXPECT_EQ(Pixel(top, 55, 55), gfx::RGB(0, 255, 0));
}

TEST_F(PaintingTest, HidingAChildRepaintsItsAreaInTheParent) {
  HWND top = Top("top", 0, 0, 100, 80);
  HWND child = Child(top, "child", 10, 10, 20, 20);
  PaintsWith(child, gfx::RGB(0, 255, 0));
  Drain();
  ASSERT_EQ(Pixel(top, 15, 15), gfx::RGB(0, 255, 0));
  watched = {WM_PAINT, WM_ERASEBKGND};
  ShowWindow(child, SW_HIDE);
  Drain();
  EXPECT_THAT(Trace(), ElementsAre(T("top", WM_PAINT), T("top", WM_ERASEBKGND)));
  EXPECT_EQ(Pixel(top, 15, 15), kBackground);
}

TEST_F(PaintingTest, RedrawOffIgnoresInvalidation) {
  HWND top = Top("top", 0, 0, 100, 80);
  Drain();
  SendMessage(top, WM_SETREDRAW, 0);
  InvalidateRect(top, nullptr, true);
  RECT update;
  EXPECT_FALSE(GetUpdateRect(top, update));
  SendMessage(top, WM_SETREDRAW, 1);
  EXPECT_FALSE(GetUpdateRect(top, update));  // nothing happens by itself
  InvalidateRect(top, nullptr, true);
  EXPECT_TRUE(GetUpdateRect(top, update));
  EXPECT_EQ(update, (RECT{0, 0, 100, 80}));
}

TEST_F(PaintingTest, ValidateRectRemovesPartOfTheUpdateRegion) {
  HWND top = Top("top", 0, 0, 100, 80);
  Drain();
  InvalidateRect(top, nullptr, false);
  RECT left{0, 0, 50, 80};
  ValidateRect(top, &left);
  RECT update;
  ASSERT_TRUE(GetUpdateRect(top, update));
  EXPECT_EQ(update, (RECT{50, 0, 100, 80}));
  ValidateRect(top, nullptr);
  EXPECT_FALSE(GetUpdateRect(top, update));
}

// A paint that inverts what it covers: drawing any pixel twice would undo it.
TEST_F(PaintingTest, OverlappingInvalidationsPaintEachPixelOnce) {
  HWND top = Top("top", 0, 0, 100, 80);
  PaintsWith(top, kBackground);
  Drain();
  hooks[top] = [](HWND w, unsigned m, WPARAM, LPARAM, LRESULT& result) {
    if (m != WM_PAINT) return false;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, ps);
    gfx::PatBlt(dc, 0, 0, 100, 80, gfx::DSTINVERT);
    EndPaint(w, ps);
    result = 0;
    return true;
  };
  // A label's old place and its wider new place, and a rectangle across both.
  const RECT old{10, 10, 40, 30}, wider{10, 10, 60, 30}, across{30, 0, 50, 50};
  for (const RECT& r : {old, wider, across}) InvalidateRect(top, &r, false);
  Drain();
  const gfx::COLORREF inverted = gfx::RGB(245, 235, 225);
  for (const gfx::POINT p : {gfx::POINT{15, 15}, gfx::POINT{35, 20}, gfx::POINT{55, 25},
                             gfx::POINT{35, 5}, gfx::POINT{45, 45}}) {
    EXPECT_EQ(Pixel(top, p.x, p.y), inverted) << p.x << "," << p.y;
  }
  EXPECT_EQ(Pixel(top, 5, 5), kBackground);
  EXPECT_EQ(Pixel(top, 65, 25), kBackground);
}

TEST_F(PaintingTest, UpdateWindowPaintsAtOnce) {
  HWND top = Top("top", 0, 0, 100, 80);
  Drain();
  PaintsWith(top, gfx::RGB(1, 2, 3));
  InvalidateRect(top, nullptr, false);
  UpdateWindow(top);
  EXPECT_EQ(Pixel(top, 0, 0), gfx::RGB(1, 2, 3));
  MSG msg;
  EXPECT_FALSE(PeekMessage(msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE));
}

TEST_F(PaintingTest, GetDcDrawsAtTheChildOriginWithoutItsChildren) {
  HWND top = Top("top", 0, 0, 100, 80);
  HWND child = Child(top, "child", 20, 20, 40, 40);
  HWND inner = Child(child, "inner", 0, 0, 10, 10);
  Drain();
  HDC dc = GetDC(child);
  gfx::HBRUSH brush = gfx::CreateSolidBrush(gfx::RGB(9, 9, 9));
  RECT all{0, 0, 40, 40};
  gfx::FillRect(dc, all, brush);
  gfx::DeleteObject(brush);
  ReleaseDC(child, dc);
  EXPECT_EQ(Pixel(top, 20 + 15, 20 + 15), gfx::RGB(9, 9, 9));
  EXPECT_EQ(Pixel(top, 20 + 5, 20 + 5), kBackground);  // the inner child's area
  EXPECT_EQ(Pixel(top, 10, 10), kBackground);
  (void)inner;
}

TEST_F(PaintingTest, FramedWindowsEraseTheirWholeClientArea) {
  HWND top = Top("top", 0, 0, 120, 100, WS_CAPTION | WS_VISIBLE);
  Drain();
  RECT client;
  GetClientRect(top, client);
  EXPECT_EQ(Pixel(top, 0, 0), kBackground);
  EXPECT_EQ(Pixel(top, client.right - 1, client.bottom - 1), kBackground);
}

TEST_F(PaintingTest, RedrawWindowReachesChildrenOnlyWhenAsked) {
  HWND top = Top("top", 0, 0, 100, 80);
  HWND child = Child(top, "child", 10, 10, 20, 20);
  Drain();
  watched = {WM_PAINT, WM_ERASEBKGND};
  RedrawWindow(top, nullptr, RDW_INVALIDATE);
  Drain();
  EXPECT_THAT(Trace(), ElementsAre(T("top", WM_PAINT)));
  log.clear();
  RedrawWindow(top, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_THAT(Trace(), ElementsAre(T("top", WM_PAINT), T("top", WM_ERASEBKGND),
                                   T("child", WM_PAINT), T("child", WM_ERASEBKGND)));
  (void)child;
}

TEST_F(PaintingTest, ChildrenOfAWindowWithRedrawOffAreNotInvalidated) {
  HWND top = Top("top", 0, 0, 100, 80);
  HWND child = Child(top, "child", 10, 10, 20, 20);
  Drain();
  SendMessage(top, WM_SETREDRAW, 0);
  InvalidateRect(child, nullptr, true);
  RECT update;
  EXPECT_FALSE(GetUpdateRect(child, update));
  SendMessage(top, WM_SETREDRAW, 1);
  InvalidateRect(child, nullptr, true);
  EXPECT_TRUE(GetUpdateRect(child, update));
}

TEST_F(PaintingTest, PaintsArePresentedForTheDirtyArea) {
  HWND top = Top("top", 0, 0, 100, 80);
  Drain();
  const int before = backend->PresentCount(top);
  RECT r{5, 6, 15, 16};
  InvalidateRect(top, &r, true);
  Drain();
  EXPECT_EQ(backend->PresentCount(top), before + 1);
  EXPECT_EQ(backend->LastPresented(top), r);
  Drain();
  EXPECT_EQ(backend->PresentCount(top), before + 1);  // nothing new painted
}

TEST_F(PaintingTest, SurfaceFollowsTheClientSize) {
  HWND top = Top("top", 0, 0, 100, 80);
  Drain();
  SetWindowPos(top, nullptr, 0, 0, 150, 90, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  gfx::BitmapInfo info;
  ASSERT_TRUE(gfx::GetBitmapInfo(GetWindowSurface(top), info));
  EXPECT_EQ(info.width, 150);
  EXPECT_EQ(info.height, 90);
  Drain();
  EXPECT_EQ(Pixel(top, 149, 89), kBackground);
}

}  // namespace
}  // namespace pw::win::testing

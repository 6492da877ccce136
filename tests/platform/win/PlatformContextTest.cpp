// A platform context keeps one run's windows, classes and graphics objects: an inner one starts
// from nothing, and what it leaves is destroyed, as the desktop destroys it, when it goes.

#include "platform/win/PlatformContext.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Gdi.h"
#include "platform/gfx/Text.h"
#include "platform/win/Window.h"

namespace pw::win {
namespace {

std::vector<unsigned> endings;  // WM_DESTROY and WM_NCDESTROY seen by the inner run's windows

LRESULT RecordingProc(HWND window, unsigned message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY || message == WM_NCDESTROY) endings.push_back(message);
  return DefWindowProc(window, message, wParam, lParam);
}

TEST(PlatformContext, AnInnerRunSeesNothingOfTheOuterAndDestroysWhatItLeaves) {
  RegisterClass({"PwOuter", 0, DefWindowProc});
  HWND outer = CreateWindowEx(0, "PwOuter", "outer", WS_POPUP | WS_VISIBLE, 0, 0, 50, 40, nullptr);
  ASSERT_TRUE(IsWindow(outer));
  const gfx::HBRUSH outerBrush = gfx::CreateSolidBrush(gfx::RGB(1, 2, 3));
  endings.clear();
  {
    PlatformContext inner(std::make_unique<HeadlessBackend>());
    EXPECT_FALSE(IsWindow(outer));
    EXPECT_TRUE(GetTopLevelWindows().empty());
    EXPECT_FALSE(IsClassRegistered("PwOuter"));
    EXPECT_FALSE(gfx::DeleteObject(outerBrush));
    // The native classes are there in every run.
    EXPECT_TRUE(IsClassRegistered("BUTTON"));

    RegisterClass({"PwInner", 0, RecordingProc});
    HWND top = CreateWindowEx(0, "PwInner", "top", WS_POPUP | WS_VISIBLE, 0, 0, 50, 40, nullptr);
    CreateWindowEx(0, "PwInner", "child", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, top);
    ASSERT_EQ(GetTopLevelWindows().size(), 1u);
  }
  // Both windows told, children after their parent for WM_DESTROY, before it for WM_NCDESTROY.
  EXPECT_EQ(endings, (std::vector<unsigned>{WM_DESTROY, WM_DESTROY, WM_NCDESTROY, WM_NCDESTROY}));
  EXPECT_TRUE(IsWindow(outer));
  EXPECT_EQ(GetWindowText(outer), "outer");
  EXPECT_FALSE(IsClassRegistered("PwInner"));
  EXPECT_TRUE(gfx::DeleteObject(outerBrush));
  DestroyWindow(outer);
}

TEST(PlatformContext, SharedObjectsAreOnePerRequestAndOutliveDeleteObject) {
  gfx::LOGFONT request;
  request.height = -11;
  request.faceName = "Tahoma";
  const gfx::HFONT font = gfx::SharedFont(request);
  EXPECT_EQ(gfx::SharedFont(request), font);
  request.weight = gfx::FW_BOLD;
  EXPECT_NE(gfx::SharedFont(request), font);

  const gfx::HBRUSH brush = gfx::SharedSolidBrush(gfx::RGB(9, 8, 7));
  EXPECT_EQ(gfx::SharedSolidBrush(gfx::RGB(9, 8, 7)), brush);
  EXPECT_TRUE(gfx::DeleteObject(brush));
  gfx::HDC dc = gfx::CreateCompatibleDC(nullptr);
  EXPECT_NE(gfx::SelectObject(dc, brush), nullptr);  // still alive
  gfx::DeleteDC(dc);
}

}  // namespace
}  // namespace pw::win

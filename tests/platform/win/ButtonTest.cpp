// The native "BUTTON" class: clicks by mouse and space bar, focus on press, owner drawing and
// radio checks.

#include "NativeTestSupport.h"

namespace pw::win::testing {
namespace {

class ButtonTest : public NativeControlTest {
 protected:
  HWND Button(std::uint32_t style = BS_PUSHBUTTON, int id = 7, int x = 10, int y = 10) {
    return Create("BUTTON", "OK", style, x, y, 80, 25, id);
  }
  bool Pushed(HWND button) { return (SendMessage(button, BM_GETSTATE) & BST_PUSHED) != 0; }
};

TEST_F(ButtonTest, PressAndReleaseInsideClicksOnce) {
  HWND button = Button();
  Mouse(WM_LBUTTONDOWN, button, {20, 10});
  EXPECT_TRUE(commands.empty()) << "the press alone does not click";
  EXPECT_TRUE(Pushed(button));
  Mouse(WM_LBUTTONUP, button, {22, 12});
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0], (Command{7, BN_CLICKED, button}));
  EXPECT_FALSE(Pushed(button));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ButtonTest, ReleaseOutsideDoesNotClick) {
  HWND button = Button();
  Mouse(WM_LBUTTONDOWN, button, {20, 10});
  Mouse(WM_MOUSEMOVE, button, {120, 10});
  EXPECT_FALSE(Pushed(button)) << "the button comes up while the pointer is outside";
  Mouse(WM_LBUTTONUP, button, {120, 10});
  EXPECT_TRUE(commands.empty());
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ButtonTest, ComingBackInsideBeforeTheReleaseClicks) {
  HWND button = Button();
  Mouse(WM_LBUTTONDOWN, button, {20, 10});
  Mouse(WM_MOUSEMOVE, button, {120, 10});
  Mouse(WM_MOUSEMOVE, button, {30, 10});
  EXPECT_TRUE(Pushed(button));
  Mouse(WM_LBUTTONUP, button, {30, 10});
  EXPECT_EQ(Codes(), std::vector<unsigned>{BN_CLICKED});
}

TEST_F(ButtonTest, PressTakesTheFocus) {
  HWND other = Button(BS_PUSHBUTTON, 8, 100, 10);
  HWND button = Button();
  SetFocus(other);
  Mouse(WM_LBUTTONDOWN, button, {5, 5});
  EXPECT_EQ(GetFocus(), button) << "focus moves on the press, before any click";
  EXPECT_TRUE(commands.empty());
  Mouse(WM_LBUTTONUP, button, {5, 5});
  EXPECT_EQ(Codes(), std::vector<unsigned>{BN_CLICKED});
}

TEST_F(ButtonTest, SpaceBarClicksOnRelease) {
  HWND button = Button();
  SetFocus(button);
  KeyDown(VK_SPACE);
  EXPECT_TRUE(Pushed(button));
  EXPECT_TRUE(commands.empty());
  KeyUp(VK_SPACE);
  EXPECT_FALSE(Pushed(button));
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0], (Command{7, BN_CLICKED, button}));
}

TEST_F(ButtonTest, ButtonsLeaveArrowsToTheDialog) {
  HWND button = Button();
  const LRESULT code = SendMessage(button, WM_GETDLGCODE);
  EXPECT_TRUE(code & DLGC_BUTTON);
  EXPECT_FALSE(code & DLGC_WANTARROWS);
  EXPECT_FALSE(SendMessage(Button(BS_RADIOBUTTON, 9, 10, 60), WM_GETDLGCODE) & DLGC_WANTARROWS);
}

TEST_F(ButtonTest, OwnerDrawnButtonAsksItsParentToDraw) {
  HWND button = Button(BS_OWNERDRAW);
  ASSERT_FALSE(drawn.empty());
  const DRAWITEMSTRUCT& item = drawn.back();
  EXPECT_EQ(item.CtlType, ODT_BUTTON);
  EXPECT_EQ(item.CtlID, 7u);
  EXPECT_EQ(item.hwndItem, button);
  EXPECT_EQ(item.itemAction, ODA_DRAWENTIRE);
  EXPECT_EQ(item.itemState, 0u);
  EXPECT_EQ(item.rcItem, (RECT{0, 0, 80, 25}));
  // What the parent draws lands on the button.
  EXPECT_EQ(Pixel(button, 0, 0), drawColor);
  EXPECT_EQ(Pixel(button, 79, 24), drawColor);
}

TEST_F(ButtonTest, OwnerDrawnStatesFollowPressFocusAndEnabling) {
  HWND button = Button(BS_OWNERDRAW);
  drawn.clear();
  Mouse(WM_LBUTTONDOWN, button, {5, 5});
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.back().itemState, ODS_SELECTED | ODS_FOCUS);
  Mouse(WM_LBUTTONUP, button, {5, 5});
  EXPECT_EQ(drawn.back().itemState, ODS_FOCUS);
  drawn.clear();
  SetFocus(parent);
  EnableWindow(button, false);
  Pump();
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.back().itemState, ODS_DISABLED);
}

TEST_F(ButtonTest, OwnerDrawnAndRadioButtonsReportDoubleClicks) {
  HWND button = Button(BS_OWNERDRAW);
  Click(button, {5, 5});
  Click(button, {5, 5});
  EXPECT_EQ(Codes(), (std::vector<unsigned>{BN_CLICKED, BN_DOUBLECLICKED}));
}

TEST_F(ButtonTest, PushButtonTakesADoubleClickAsASecondPress) {
  HWND button = Button();
  Click(button, {5, 5});
  Click(button, {5, 5});
  EXPECT_EQ(Codes(), (std::vector<unsigned>{BN_CLICKED, BN_CLICKED}));
}

TEST_F(ButtonTest, RadioCheckIsSetAndReadWithoutNotifications) {
  HWND radio = Button(BS_RADIOBUTTON);
  EXPECT_EQ(SendMessage(radio, BM_GETCHECK), static_cast<LRESULT>(BST_UNCHECKED));
  SendMessage(radio, BM_SETCHECK, BST_CHECKED);
  EXPECT_EQ(SendMessage(radio, BM_GETCHECK), static_cast<LRESULT>(BST_CHECKED));
  SendMessage(radio, BM_SETCHECK, BST_UNCHECKED);
  EXPECT_EQ(SendMessage(radio, BM_GETCHECK), static_cast<LRESULT>(BST_UNCHECKED));
  EXPECT_TRUE(commands.empty());
}

TEST_F(ButtonTest, PlainRadioReportsTheClickButLeavesCheckingToTheParent) {
  HWND radio = Button(BS_RADIOBUTTON);
  Click(radio, {5, 5});
  EXPECT_EQ(Codes(), std::vector<unsigned>{BN_CLICKED});
  EXPECT_EQ(SendMessage(radio, BM_GETCHECK), static_cast<LRESULT>(BST_UNCHECKED));
}

TEST_F(ButtonTest, AutomaticRadioChecksItselfAndUnchecksItsSiblings) {
  HWND first = Button(BS_AUTORADIOBUTTON, 1, 10, 10);
  HWND second = Button(BS_AUTORADIOBUTTON, 2, 10, 40);
  SendMessage(first, BM_SETCHECK, BST_CHECKED);
  Click(second, {5, 5});
  EXPECT_EQ(SendMessage(second, BM_GETCHECK), static_cast<LRESULT>(BST_CHECKED));
  EXPECT_EQ(SendMessage(first, BM_GETCHECK), static_cast<LRESULT>(BST_UNCHECKED));
}

TEST_F(ButtonTest, UncheckedRadioReachedByTheKeyboardReportsAClick) {
  HWND checked = Button(BS_RADIOBUTTON, 1, 10, 10);
  HWND unchecked = Button(BS_RADIOBUTTON, 2, 10, 40);
  SendMessage(checked, BM_SETCHECK, BST_CHECKED);
  SetFocus(checked);
  EXPECT_TRUE(commands.empty()) << "a checked radio button gains the focus silently";
  SetFocus(unchecked);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0], (Command{2, BN_CLICKED, unchecked}));
}

TEST_F(ButtonTest, RadioPaintsItsCheckMark) {
  HWND radio = Button(BS_RADIOBUTTON);
  const int before = CountPixels(radio, gfx::GetSysColor(gfx::COLOR_WINDOWTEXT));
  SendMessage(radio, BM_SETCHECK, BST_CHECKED);
  Pump();
  EXPECT_GT(CountPixels(radio, gfx::GetSysColor(gfx::COLOR_WINDOWTEXT)), before);
}

TEST_F(ButtonTest, BmClickReportsAClick) {
  HWND button = Button();
  SendMessage(button, BM_CLICK);
  EXPECT_EQ(Codes(), std::vector<unsigned>{BN_CLICKED});
}

}  // namespace
}  // namespace pw::win::testing

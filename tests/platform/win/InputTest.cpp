// Input routing: mouse to the capture window or the window under the pointer, activation by
// the mouse, double clicks, keys to the focus window, characters in the code page, and closing.

#include "WinTestSupport.h"
#include "platform/sys/CodePage.h"

namespace pw::win::testing {
namespace {

using ::testing::ElementsAre;

class InputTest : public WinTest {
 protected:
  void Click(HWND window, POINT client) {
    backend->InjectMouse(WM_LBUTTONDOWN, window, client);
    backend->InjectMouse(WM_LBUTTONUP, window, client);
    Pump();
  }
};

TEST_F(InputTest, MouseGoesToTheDeepestChildInClientCoordinates) {
  HWND top = Top("top", 100, 100, 200, 150);
  HWND child = Child(top, "child", 20, 30, 50, 50);
  Drain();
  watched = {WM_LBUTTONDOWN, WM_LBUTTONUP};
  Click(top, {25, 40});
  ASSERT_THAT(Trace(), ElementsAre(T("child", WM_LBUTTONDOWN), T("child", WM_LBUTTONUP)));
  EXPECT_EQ(GET_X_LPARAM(log[0].lParam), 5);
  EXPECT_EQ(GET_Y_LPARAM(log[0].lParam), 10);
  EXPECT_EQ(log[0].wParam & MK_LBUTTON, MK_LBUTTON);
  EXPECT_EQ(log[1].wParam & MK_LBUTTON, 0u);
  (void)child;
}

TEST_F(InputTest, CaptureTakesTheMouseEvenOutside) {
  HWND top = Top("top", 100, 100, 200, 150);
  HWND a = Child(top, "a", 0, 0, 50, 50);
  HWND b = Child(top, "b", 100, 0, 50, 50);
  Drain();
  SetCapture(a);
  watched = {WM_MOUSEMOVE};
  backend->InjectMouse(WM_MOUSEMOVE, top, {110, 10});
  Pump();
  ASSERT_THAT(Trace(), ElementsAre(T("a", WM_MOUSEMOVE)));
  EXPECT_EQ(GET_X_LPARAM(log[0].lParam), 110);
  ReleaseCapture();
  log.clear();
  backend->InjectMouse(WM_MOUSEMOVE, top, {110, 10});
  Pump();
  EXPECT_THAT(Trace(), ElementsAre(T("b", WM_MOUSEMOVE)));
  (void)b;
}

TEST_F(InputTest, DisabledWindowsGetNoInput) {
  HWND top = Top("top", 100, 100, 200, 150);
  HWND box = Child(top, "box", 0, 0, 100, 100);
  HWND inner = Child(box, "inner", 10, 10, 20, 20);
  Drain();
  SetFocus(inner);
  watched = {WM_LBUTTONDOWN, WM_KEYDOWN, WM_CHAR};
  EnableWindow(box, false);
  Click(top, {15, 15});
  EXPECT_TRUE(log.empty());
  Click(top, {150, 120});  // the enabled parent still gets its own clicks
  EXPECT_THAT(Trace(), ElementsAre(T("top", WM_LBUTTONDOWN)));
  log.clear();
  EnableWindow(box, true);
  EnableWindow(top, false);  // as while a modal window runs
  Click(top, {150, 120});
  SetFocus(inner);
  backend->InjectKey('A', true);
  backend->InjectChar(U'a');
  Pump();
  EXPECT_TRUE(log.empty());
}

TEST_F(InputTest, PressInAnInactiveWindowActivatesItWithoutMovingItsFocus) {
  HWND first = Top("first", 0, 0, 100, 100);
  HWND edit = Child(first, "edit", 0, 0, 50, 20);
  HWND plain = Child(first, "plain", 0, 50, 50, 20);
  SetFocus(edit);
  HWND second = Top("second", 200, 0, 100, 100);
  Drain();
  ASSERT_EQ(GetActiveWindow(), second);
  watched = {WM_MOUSEACTIVATE, WM_ACTIVATE, WM_LBUTTONDOWN};
  Click(first, {10, 60});
  EXPECT_THAT(Trace(), ElementsAre(T("plain", WM_MOUSEACTIVATE), T("first", WM_MOUSEACTIVATE),
                                   T("second", WM_ACTIVATE), T("first", WM_ACTIVATE),
                                   T("plain", WM_LBUTTONDOWN)));
  EXPECT_EQ(GetActiveWindow(), first);
  EXPECT_EQ(GetFocus(), edit);
  (void)plain;
}

TEST_F(InputTest, PressOnTheFrameActivatesWithoutAClientMessage) {
  HWND framed = Top("framed", 0, 0, 200, 150, WS_CAPTION | WS_VISIBLE);
  Top("other", 300, 0, 100, 100);
  Drain();
  ASSERT_NE(GetActiveWindow(), framed);
  watched = {WM_LBUTTONDOWN, WM_LBUTTONUP};
  backend->Inject([] { InputMouse(WM_LBUTTONDOWN, {50, 5}); });  // on the caption
  backend->Inject([] { InputMouse(WM_LBUTTONUP, {50, 5}); });
  Pump();
  EXPECT_EQ(GetActiveWindow(), framed);
  EXPECT_TRUE(log.empty());
}

TEST_F(InputTest, DoubleClicksNeedTheClassStyleTimeAndDistance) {
  HWND top = Top("top", 0, 0, 200, 150);
  HWND dbl = Child(top, "dbl", 0, 0, 100, 100, WS_CHILD | WS_VISIBLE, kDblClass);
  HWND plain = Child(top, "plain", 100, 0, 100, 100);
  Drain();
  watched = {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK};
  Click(top, {10, 10});
  backend->Advance(500);
  Click(top, {14, 14});
  Click(top, {14, 14});  // a third press starts over
  EXPECT_THAT(Trace(), ElementsAre(T("dbl", WM_LBUTTONDOWN), T("dbl", WM_LBUTTONDBLCLK),
                                   T("dbl", WM_LBUTTONDOWN)));
  log.clear();
  backend->Advance(501);
  Click(top, {14, 14});
  EXPECT_THAT(Trace(), ElementsAre(T("dbl", WM_LBUTTONDOWN)));
  log.clear();
  backend->Advance(1000);
  Click(top, {19, 14});  // 5 pixels away
  EXPECT_THAT(Trace(), ElementsAre(T("dbl", WM_LBUTTONDOWN)));
  log.clear();
  Click(top, {110, 10});
  Click(top, {110, 10});
  EXPECT_THAT(Trace(), ElementsAre(T("plain", WM_LBUTTONDOWN), T("plain", WM_LBUTTONDOWN)));
  (void)dbl;
  (void)plain;
}

TEST_F(InputTest, KeysGoToTheFocusWindowAndAltMakesSystemKeys) {
  HWND top = Top("top");
  HWND edit = Child(top, "edit", 0, 0, 50, 20);
  SetFocus(edit);
  Drain();
  watched = {WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP};
  backend->InjectKey(VK_SHIFT, true);
  backend->InjectKey(VK_SHIFT, false);
  backend->InjectKey(VK_MENU, true);
  backend->InjectKey('X', true);
  backend->InjectKey('X', false);
  backend->InjectKey(VK_MENU, false);
  Pump();
  EXPECT_THAT(Trace(), ElementsAre(T("edit", WM_KEYDOWN), T("edit", WM_KEYUP),
                                   T("edit", WM_SYSKEYDOWN), T("edit", WM_SYSKEYDOWN),
                                   T("edit", WM_SYSKEYUP), T("edit", WM_SYSKEYUP)));
  EXPECT_EQ(GetKeyState(VK_MENU) & 0x8000, 0);
}

TEST_F(InputTest, KeyStateFollowsInput) {
  Top("top");
  backend->InjectKey(VK_SHIFT, true);
  Pump();
  EXPECT_LT(GetKeyState(VK_SHIFT), 0);
  backend->InjectKey(VK_SHIFT, false);
  Pump();
  EXPECT_GE(GetKeyState(VK_SHIFT), 0);
}

TEST_F(InputTest, KeyStateIsAsOfTheMessageBeingHandled) {
  HWND top = Top("top");
  Drain();
  bool shiftWithTab = false;
  hooks[top] = [&](HWND, unsigned m, WPARAM wp, LPARAM, LRESULT&) {
    if (m == WM_KEYDOWN && wp == VK_TAB) shiftWithTab = GetKeyState(VK_SHIFT) < 0;
    return false;
  };
  // All four arrive before the first message is handled.
  backend->InjectKey(VK_SHIFT, true);
  backend->InjectKey(VK_TAB, true);
  backend->InjectKey(VK_TAB, false);
  backend->InjectKey(VK_SHIFT, false);
  Pump();
  EXPECT_TRUE(shiftWithTab);
  EXPECT_GE(GetKeyState(VK_SHIFT), 0);
  hooks.clear();
}

TEST_F(InputTest, CharactersArriveInTheCodePage) {
  const int saved = sys::CodePage();
  sys::SetCodePage(sys::kCodePageWestern);
  HWND top = Top("top");
  Drain();
  watched = {WM_CHAR};
  backend->InjectChar(U'\u00e9');  // é is 0xE9 in the western code page
  backend->InjectChar(U'\u0628');  // an Arabic letter it lacks
  Pump();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].wParam, 0xE9u);
  EXPECT_EQ(log[1].wParam, static_cast<WPARAM>('?'));
  sys::SetCodePage(saved);
  (void)top;
}

TEST_F(InputTest, AltF4AndTheCloseBoxReachTheCloseMessage) {
  HWND top = Top("top");
  HWND edit = Child(top, "edit", 0, 0, 50, 20);
  SetFocus(edit);
  Drain();
  watched = {WM_CLOSE};
  hooks[top] = [](HWND, unsigned m, WPARAM, LPARAM, LRESULT& r) {
    r = 0;
    return m == WM_CLOSE;  // kept open
  };
  backend->InjectKey(VK_MENU, true);
  backend->InjectKey(VK_F4, true);
  backend->InjectKey(VK_F4, false);
  backend->InjectKey(VK_MENU, false);
  Pump();
  EXPECT_THAT(Trace(), ElementsAre(T("top", WM_CLOSE)));
  log.clear();
  backend->InjectClose(top);
  Pump();
  EXPECT_THAT(Trace(), ElementsAre(T("top", WM_CLOSE)));
  log.clear();
  // F4 alone closes nothing.
  backend->InjectKey(VK_F4, true);
  Pump();
  EXPECT_TRUE(log.empty());
  hooks.clear();
  backend->InjectClose(top);
  Pump();
  EXPECT_FALSE(IsWindow(top));
}

TEST_F(InputTest, CloseBoxOfADisabledWindowDoesNothing) {
  HWND top = Top("top");
  Drain();
  EnableWindow(top, false);
  backend->InjectClose(top);
  Pump();
  EXPECT_TRUE(IsWindow(top));
}

TEST_F(InputTest, MessageBoxesAreAnsweredAndReported) {
  std::string seen;
  backend->SetMessageBoxHandler(
      [&](HWND, std::string_view text, std::string_view caption, unsigned flags) {
        seen = std::string(caption) + "|" + std::string(text) + "|" + std::to_string(flags);
        return IDOK;
      });
  EXPECT_EQ(CurrentBackend().ShowMessageBox(nullptr, "Text", "Caption", MB_ICONERROR), IDOK);
  EXPECT_EQ(seen, "Caption|Text|16");
}

}  // namespace
}  // namespace pw::win::testing

// Windows: creation and destruction, classes, text, z-order, positions, focus, activation,
// enabling and capture.

#include "WinTestSupport.h"

namespace pw::win::testing {
namespace {

using ::testing::ElementsAre;

class WindowTest : public WinTest {};

TEST_F(WindowTest, ClassNamesAreCaseInsensitiveAndRegisteredOnce) {
  EXPECT_TRUE(IsClassRegistered("pwtestwindow"));
  WindowClass again;
  again.name = "PWTESTWINDOW";
  EXPECT_FALSE(RegisterClass(again));
  HWND w = CreateWindowEx(0, "pwTestWindow", "x", WS_POPUP, 0, 0, 10, 10, nullptr);
  ASSERT_TRUE(IsWindow(w));
  EXPECT_EQ(GetClassName(w), kClass);
  EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "x", WS_POPUP, 0, 0, 10, 10, nullptr), nullptr);
}

TEST_F(WindowTest, CreationSendsCreateSizeMoveThenShows) {
  watched = {WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW, WM_ACTIVATE, WM_SETFOCUS};
  HWND w = Top("a", 10, 20, 100, 50);
  EXPECT_THAT(Trace(),
              ElementsAre(T("a", WM_CREATE), T("a", WM_SIZE), T("a", WM_MOVE),
                          T("a", WM_SHOWWINDOW), T("a", WM_ACTIVATE), T("a", WM_SETFOCUS)));
  EXPECT_TRUE(IsWindowVisible(w));
  EXPECT_EQ(GetActiveWindow(), w);
  EXPECT_EQ(GetFocus(), w);
}

TEST_F(WindowTest, CreateAnswerMinusOneDestroysTheWindow) {
  WindowClass c;
  c.name = "PwRefuses";
  c.proc = [](HWND w, unsigned m, WPARAM wp, LPARAM lp) -> LRESULT {
    return m == WM_CREATE ? -1 : DefWindowProc(w, m, wp, lp);
  };
  RegisterClass(c);
  EXPECT_EQ(CreateWindowEx(0, "PwRefuses", "", WS_POPUP, 0, 0, 5, 5, nullptr), nullptr);
  EXPECT_TRUE(GetTopLevelWindows().empty());
}

TEST_F(WindowTest, DestroyNotifiesParentThenChildrenAndFreesChildrenFirst) {
  HWND top = Top("top");
  HWND child = Child(top, "child", 0, 0, 10, 10);
  HWND grandchild = Child(child, "grand", 0, 0, 5, 5);
  watched = {WM_DESTROY, WM_NCDESTROY};
  EXPECT_TRUE(DestroyWindow(top));
  EXPECT_THAT(Trace(), ElementsAre(T("top", WM_DESTROY), T("child", WM_DESTROY),
                                   T("grand", WM_DESTROY), T("grand", WM_NCDESTROY),
                                   T("child", WM_NCDESTROY), T("top", WM_NCDESTROY)));
  EXPECT_FALSE(IsWindow(top));
  EXPECT_FALSE(IsWindow(child));
  EXPECT_FALSE(IsWindow(grandchild));
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(GetActiveWindow(), nullptr);
  EXPECT_FALSE(DestroyWindow(top));
}

TEST_F(WindowTest, ADestroyedWindowsHandleStaysDeadWhenNewWindowsAreMade) {
  HWND a = Top("A");
  ASSERT_TRUE(DestroyWindow(a));
  Drain();  // the destroyed window's memory is let go of
  std::vector<HWND> made;
  for (int i = 0; i < 8; ++i) {
    made.push_back(Top("B"));
    EXPECT_NE(made.back(), a);
    EXPECT_FALSE(IsWindow(a));
    EXPECT_EQ(GetWindowText(a), "");
    EXPECT_FALSE(SetWindowText(a, "again"));
    EXPECT_FALSE(DestroyWindow(a));
    EXPECT_EQ(GetWindowText(made.back()), "B");
  }
  for (HWND w : made) DestroyWindow(w);
}

static_assert(std::is_trivially_copyable_v<HWND>);
static_assert(!std::is_convertible_v<HWND, WPARAM> && !std::is_convertible_v<WPARAM, HWND>,
              "a handle goes into a message parameter only on purpose");

TEST_F(WindowTest, ReusedSlotsLeaveOldHandlesDead) {
  std::vector<HWND> dead;
  HWND parent = Top("parent");
  for (int i = 0; i < 20; ++i) {
    HWND a = i % 2 ? Child(parent, "A", 0, 0, 10, 10) : Top("A");
    ASSERT_TRUE(DestroyWindow(a));
    EXPECT_FALSE(IsWindow(a)) << "dead at once, before its object is freed";
    Drain();
    dead.push_back(a);
    HWND b = i % 2 ? Child(parent, "B", 0, 0, 10, 10) : Top("B");
    ASSERT_TRUE(IsWindow(b));
    EXPECT_EQ(b.Slot(), a.Slot()) << "the freed slot is taken again";
    EXPECT_NE(b, a);
    log.clear();
    watched = {WM_USER, WM_SETTEXT, WM_GETTEXT};
    for (HWND old : dead) {
      EXPECT_FALSE(IsWindow(old));
      EXPECT_EQ(GetWindowText(old), "");
      EXPECT_FALSE(SetWindowText(old, "stale"));
      EXPECT_EQ(SendMessage(old, WM_USER, 1, 2), 0);
      EXPECT_FALSE(PostMessage(old, WM_USER));
      EXPECT_FALSE(ShowWindow(old, SW_HIDE));
      EXPECT_EQ(CreateWindowEx(0, kClass, "c", WS_CHILD, 0, 0, 5, 5, old), nullptr);
      EXPECT_FALSE(DestroyWindow(old));
    }
    EXPECT_TRUE(Trace().empty()) << "no message reached the new window";
    watched.clear();
    EXPECT_EQ(GetWindowText(b), "B");
    EXPECT_TRUE(IsWindowVisible(b));
    EXPECT_EQ(HWND::FromValue(WParamOf(b)), b);
    EXPECT_EQ(HWND::FromValue(LParamOf(b)), b);
    ASSERT_TRUE(DestroyWindow(b));
    Drain();
    dead.push_back(b);
  }
  EXPECT_EQ(GetTopLevelWindows(), std::vector<HWND>{parent});
}

TEST_F(WindowTest, DestroyingTheActiveWindowActivatesAnother) {
  HWND a = Top("a");
  HWND b = Top("b");
  ASSERT_EQ(GetActiveWindow(), b);
  DestroyWindow(b);
  EXPECT_EQ(GetActiveWindow(), a);
  EXPECT_EQ(GetFocus(), a);
}

TEST_F(WindowTest, OwnedWindowsGoWithTheirOwner) {
  HWND owner = Top("owner");
  HWND owned = CreateWindowEx(0, kClass, "owned", WS_POPUP, 0, 0, 10, 10, owner);
  EXPECT_EQ(GetParent(owned), owner);
  EXPECT_EQ(GetWindow(owned, GW_OWNER), owner);
  DestroyWindow(owner);
  EXPECT_FALSE(IsWindow(owned));
}

TEST_F(WindowTest, TextThroughMessages) {
  HWND w = Top("t");
  EXPECT_EQ(GetWindowText(w), "t");
  EXPECT_TRUE(SetWindowText(w, "Hello"));
  EXPECT_EQ(GetWindowText(w), "Hello");
  EXPECT_EQ(SendMessage(w, WM_GETTEXTLENGTH), 5);
  char small[3];
  EXPECT_EQ(SendMessage(w, WM_GETTEXT, sizeof small, reinterpret_cast<LPARAM>(small)), 2);
  EXPECT_STREQ(small, "He");
}

TEST_F(WindowTest, NewChildrenGoOnTopAndSetWindowPosReorders) {
  HWND top = Top("top");
  HWND a = Child(top, "a", 0, 0, 50, 50);
  HWND b = Child(top, "b", 0, 0, 50, 50);
  HWND c = Child(top, "c", 0, 0, 50, 50);
  EXPECT_EQ(GetWindow(top, GW_CHILD), c);
  EXPECT_EQ(GetWindow(c, GW_HWNDNEXT), b);
  EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), a);
  EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), nullptr);
  EXPECT_EQ(GetWindow(a, GW_HWNDPREV), b);

  SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(GetWindow(top, GW_CHILD), a);
  SetWindowPos(a, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(GetWindow(a, GW_HWNDLAST), a);
  // After c: between c and b.
  SetWindowPos(a, c, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(GetWindow(c, GW_HWNDNEXT), a);
  EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
}

TEST_F(WindowTest, WindowFromPointFindsTheTopmostDeepestVisibleChild) {
  HWND top = Top("top", 100, 100, 200, 150);
  HWND a = Child(top, "a", 10, 10, 50, 50);
  HWND b = Child(top, "b", 30, 30, 50, 50);
  HWND inner = Child(b, "inner", 5, 5, 10, 10);
  EXPECT_EQ(WindowFromPoint({100 + 40, 100 + 40}), inner);  // popup: no frame
  EXPECT_EQ(WindowFromPoint({100 + 15, 100 + 15}), a);
  EXPECT_EQ(WindowFromPoint({100 + 70, 100 + 70}), b);
  EXPECT_EQ(WindowFromPoint({100 + 150, 100 + 120}), top);
  EXPECT_EQ(WindowFromPoint({50, 50}), nullptr);

  SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(WindowFromPoint({100 + 40, 100 + 40}), a);
  ShowWindow(a, SW_HIDE);
  EXPECT_EQ(WindowFromPoint({100 + 40, 100 + 40}), inner);
}

TEST_F(WindowTest, SetWindowPosMovesAndSizesWithNotifications) {
  HWND top = Top("top");
  HWND c = Child(top, "c", 0, 0, 20, 20);
  watched = {WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE, WM_ACTIVATE};
  SetWindowPos(c, nullptr, 5, 6, 30, 40, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_THAT(Trace(), ElementsAre(T("c", WM_WINDOWPOSCHANGED), T("c", WM_MOVE), T("c", WM_SIZE)));
  EXPECT_EQ(GET_X_LPARAM(log[1].lParam), 5);
  EXPECT_EQ(GET_Y_LPARAM(log[1].lParam), 6);
  EXPECT_EQ(LOWORD(log[2].lParam), 30);
  EXPECT_EQ(HIWORD(log[2].lParam), 40);
  RECT r;
  GetWindowRect(c, r);
  EXPECT_EQ(r, (RECT{105, 106, 135, 146}));
  log.clear();
  SetWindowPos(c, nullptr, 7, 6, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_THAT(Trace(), ElementsAre(T("c", WM_WINDOWPOSCHANGED), T("c", WM_MOVE)));
}

TEST_F(WindowTest, FramedWindowsHaveCaptionAndBorders) {
  const RECT popup = FrameInsets(WS_POPUP, 0);
  EXPECT_EQ(popup, RECT{});
  const RECT framed = FrameInsets(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0);
  EXPECT_GT(framed.top, framed.left);
  EXPECT_GT(framed.left, 0);
  HWND w = Top("f", 100, 100, 200, 150, WS_CAPTION | WS_VISIBLE);
  RECT client;
  GetClientRect(w, client);
  EXPECT_EQ(client.Width(), 200 - framed.left - framed.right);
  EXPECT_EQ(client.Height(), 150 - framed.top - framed.bottom);
  POINT p{0, 0};
  ClientToScreen(w, p);
  EXPECT_EQ(p, (POINT{100 + framed.left, 100 + framed.top}));
  ScreenToClient(w, p);
  EXPECT_EQ(p, (POINT{0, 0}));
}

TEST_F(WindowTest, FocusChangeKillsTheOldBeforeSettingTheNew) {
  HWND top = Top("top");
  HWND a = Child(top, "a", 0, 0, 10, 10);
  HWND b = Child(top, "b", 20, 0, 10, 10);
  SetFocus(a);
  watched = {WM_KILLFOCUS, WM_SETFOCUS};
  EXPECT_EQ(SetFocus(b), a);
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(Trace(), (std::vector<std::string>{T("a", WM_KILLFOCUS), T("b", WM_SETFOCUS)}));
  EXPECT_EQ(log[0].wParam, WParamOf(b));
  EXPECT_EQ(log[1].wParam, WParamOf(a));
  EXPECT_EQ(GetFocus(), b);
}

TEST_F(WindowTest, FocusInAnotherWindowActivatesItAndActivationGivesBackTheLastFocus) {
  HWND first = Top("first");
  HWND edit = Child(first, "edit", 0, 0, 10, 10);
  SetFocus(edit);
  HWND second = Top("second");
  HWND button = Child(second, "button", 0, 0, 10, 10);
  watched = {WM_ACTIVATE, WM_KILLFOCUS, WM_SETFOCUS};
  SetFocus(button);
  EXPECT_EQ(GetActiveWindow(), second);
  log.clear();
  SetFocus(edit);
  EXPECT_THAT(Trace(), ElementsAre(T("second", WM_ACTIVATE), T("first", WM_ACTIVATE),
                                   T("button", WM_KILLFOCUS), T("edit", WM_SETFOCUS)));
  EXPECT_EQ(log[0].wParam, WA_INACTIVE);
  EXPECT_EQ(log[1].wParam, WA_ACTIVE);
  log.clear();
  SetActiveWindow(second);
  EXPECT_EQ(GetFocus(), button);  // the focus it had when it lost activation
  SetActiveWindow(first);
  EXPECT_EQ(GetFocus(), edit);
}

TEST_F(WindowTest, HidingTheActiveWindowActivatesTheNext) {
  HWND a = Top("a");
  HWND b = Top("b");
  ASSERT_EQ(GetActiveWindow(), b);
  ShowWindow(b, SW_HIDE);
  EXPECT_EQ(GetActiveWindow(), a);
  EXPECT_FALSE(IsWindowVisible(b));
  // Hiding without activation (as a modal window is hidden) leaves activation alone.
  ShowWindow(b, SW_SHOW);
  ASSERT_EQ(GetActiveWindow(), b);
  SetWindowPos(b, nullptr, 0, 0, 0, 0,
               SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_FALSE(IsWindowVisible(b));
  EXPECT_EQ(GetActiveWindow(), b);
}

TEST_F(WindowTest, ShowWithoutActivationFlagsKeepsTheActiveWindow) {
  HWND a = Top("a");
  HWND app = Top("app", 0, 0, 0, 0, WS_POPUP);
  ASSERT_EQ(GetActiveWindow(), a);
  SetWindowPos(app, nullptr, 0, 0, 0, 0, 0x57);
  EXPECT_TRUE(IsWindowVisible(app));
  EXPECT_EQ(GetActiveWindow(), a);
  SetWindowPos(app, nullptr, 0, 0, 0, 0, 0x97);
  EXPECT_FALSE(IsWindowVisible(app));
  EXPECT_EQ(GetActiveWindow(), a);
}

TEST_F(WindowTest, DisablingTheFocusWindowDropsFocusAndSendsEnable) {
  HWND top = Top("top");
  HWND a = Child(top, "a", 0, 0, 10, 10);
  SetFocus(a);
  watched = {WM_ENABLE, WM_KILLFOCUS};
  EXPECT_FALSE(EnableWindow(top, false));
  EXPECT_THAT(Trace(), ElementsAre(T("a", WM_KILLFOCUS), T("top", WM_ENABLE)));
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_FALSE(IsWindowEnabled(top));
  EXPECT_TRUE(EnableWindow(top, true));
  EXPECT_TRUE(IsWindowEnabled(top));
}

TEST_F(WindowTest, CaptureChangesAreAnnounced) {
  HWND top = Top("top");
  HWND a = Child(top, "a", 0, 0, 10, 10);
  HWND b = Child(top, "b", 20, 0, 10, 10);
  watched = {WM_CAPTURECHANGED};
  EXPECT_EQ(SetCapture(a), nullptr);
  EXPECT_EQ(SetCapture(b), a);
  EXPECT_EQ(GetCapture(), b);
  SendMessage(b, WM_CANCELMODE);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_THAT(Trace(), ElementsAre(T("a", WM_CAPTURECHANGED), T("b", WM_CAPTURECHANGED)));
  EXPECT_EQ(log[0].lParam, LParamOf(b));
  EXPECT_EQ(log[1].lParam, 0);
}

// A window that is hidden or disabled lets go of the mouse, itself or through a child.
TEST_F(WindowTest, HidingOrDisablingReleasesTheCapture) {
  HWND top = Top("top");
  HWND other = Top("other");
  HWND child = Child(top, "child", 0, 0, 10, 10);
  watched = {WM_CAPTURECHANGED};
  SetCapture(top);
  SetWindowPos(top, nullptr, 0, 0, 0, 0,
               SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(GetCapture(), nullptr);
  ShowWindow(top, SW_SHOW);
  SetCapture(child);
  ShowWindow(top, SW_HIDE);
  EXPECT_EQ(GetCapture(), nullptr);
  ShowWindow(top, SW_SHOW);
  SetCapture(child);
  ShowWindow(child, SW_HIDE);
  EXPECT_EQ(GetCapture(), nullptr);
  ShowWindow(child, SW_SHOW);
  SetCapture(child);
  EnableWindow(top, false);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_THAT(Trace(), ElementsAre(T("top", WM_CAPTURECHANGED), T("child", WM_CAPTURECHANGED),
                                   T("child", WM_CAPTURECHANGED), T("child", WM_CAPTURECHANGED)));
  // Hiding another window leaves the capture where it is.
  EnableWindow(top, true);
  SetCapture(top);
  ShowWindow(other, SW_HIDE);
  EXPECT_EQ(GetCapture(), top);
}

TEST_F(WindowTest, ReplacedProcedureCanChainToThePrevious) {
  HWND w = Top("w");
  WindowProc previous;
  int seen = 0;
  previous = SetWindowProc(w, [&](HWND h, unsigned m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (m == WM_USER) ++seen;
    return CallWindowProc(previous, h, m, wp, lp);
  });
  SendMessage(w, WM_USER);
  EXPECT_EQ(seen, 1);
  EXPECT_TRUE(SetWindowText(w, "chained"));
  EXPECT_EQ(GetWindowText(w), "chained");
  DestroyWindow(w);  // the procedure refers to this test's locals
}

TEST_F(WindowTest, AProcedureMayDestroyItsOwnWindow) {
  HWND w = Top("w");
  SetWindowProc(w, [](HWND h, unsigned m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (m == WM_USER) {
      DestroyWindow(h);
      return 7;
    }
    return DefWindowProc(h, m, wp, lp);
  });
  EXPECT_EQ(SendMessage(w, WM_USER), 7);
  EXPECT_FALSE(IsWindow(w));
  EXPECT_EQ(SendMessage(w, WM_USER), 0);
}

TEST_F(WindowTest, CloseMessageDestroysByDefault) {
  HWND w = Top("w");
  watched = {WM_CLOSE, WM_DESTROY};
  SendMessage(w, WM_SYSCOMMAND, SC_CLOSE);
  EXPECT_THAT(Trace(), ElementsAre(T("w", WM_CLOSE), T("w", WM_DESTROY)));
  EXPECT_FALSE(IsWindow(w));
}

// A class's per-window data: one object per window, not reachable through a dead handle, kept
// while a message of the window is still being handled and freed once the loop is idle.
TEST_F(WindowTest, WindowDataLivesAndDiesWithItsWindow) {
  struct Counted : WindowData {
    explicit Counted(int& freed) : freed(freed) {}
    ~Counted() override { ++freed; }
    int& freed;
    int value = 0;
  };
  int freed = 0;
  HWND a = Top("a");
  HWND b = Top("b");
  auto* data = static_cast<Counted*>(SetWindowData(a, std::make_unique<Counted>(freed)));
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(GetWindowData(a), data);
  EXPECT_EQ(GetWindowData(b), nullptr) << "each window has its own";
  EXPECT_EQ(SetWindowData(a, std::make_unique<Counted>(freed)), nullptr) << "set once";
  EXPECT_EQ(freed, 1) << "the refused object is dropped";
  EXPECT_EQ(GetWindowData(a), data);

  SetWindowProc(a, [](HWND h, unsigned m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (m != WM_USER) return DefWindowProc(h, m, wp, lp);
    auto* own = static_cast<Counted*>(GetWindowData(h));
    DestroyWindow(h);
    own->value = 7;  // still alive while this message is handled
    return own->value;
  });
  EXPECT_EQ(SendMessage(a, WM_USER), 7);
  EXPECT_FALSE(IsWindow(a));
  EXPECT_EQ(GetWindowData(a), nullptr);
  EXPECT_EQ(SetWindowData(a, std::make_unique<Counted>(freed)), nullptr)
      << "a dead window takes none";
  Drain();
  EXPECT_EQ(freed, 3);
}

}  // namespace
}  // namespace pw::win::testing

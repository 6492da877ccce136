// The message queue: posted messages, filters, the quit message, timers on the virtual clock and
// key translation.

#include "WinTestSupport.h"

namespace pw::win::testing {
namespace {

using ::testing::ElementsAre;

class MessageQueueTest : public WinTest {};

TEST_F(MessageQueueTest, PostedMessagesComeInOrderAndFiltersApply) {
  HWND a = Top("a");
  HWND b = Top("b");
  Drain();
  PostMessage(a, WM_USER + 1);
  PostMessage(b, WM_USER + 2);
  PostMessage(a, WM_USER + 3);
  MSG msg;
  ASSERT_TRUE(PeekMessage(msg, b, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_USER + 2u);
  ASSERT_TRUE(PeekMessage(msg, nullptr, WM_USER + 3, WM_USER + 3, PM_NOREMOVE));
  EXPECT_EQ(msg.window, a);
  ASSERT_TRUE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_USER + 1u);
  ASSERT_TRUE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_USER + 3u);
  EXPECT_FALSE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueueTest, FilterByParentIncludesChildren) {
  HWND top = Top("top");
  HWND child = Child(top, "child", 0, 0, 10, 10);
  HWND other = Top("other");
  Drain();
  PostMessage(other, WM_USER);
  PostMessage(child, WM_USER + 1);
  MSG msg;
  ASSERT_TRUE(PeekMessage(msg, top, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.window, child);
}

TEST_F(MessageQueueTest, MessagesForDestroyedWindowsAreDropped) {
  HWND a = Top("a");
  Drain();
  PostMessage(a, WM_USER);
  DestroyWindow(a);
  MSG msg;
  EXPECT_FALSE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueueTest, QuitComesAfterPostedMessagesAndEndsGetMessage) {
  HWND a = Top("a");
  Drain();
  PostQuitMessage(3);
  PostMessage(a, WM_USER);
  MSG msg;
  ASSERT_TRUE(GetMessage(msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, WM_USER);
  EXPECT_FALSE(GetMessage(msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, WM_QUIT);
  EXPECT_EQ(msg.wParam, 3u);
  EXPECT_FALSE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueueTest, PaintComesWhenNothingElseIsQueued) {
  HWND a = Top("a");
  Drain();
  InvalidateRect(a, nullptr, false);
  PostMessage(a, WM_USER);
  MSG msg;
  ASSERT_TRUE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_USER);
  ASSERT_TRUE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_PAINT);
  // Stays until the window is validated.
  ASSERT_TRUE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_PAINT);
  DispatchMessage(msg);
  EXPECT_FALSE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueueTest, TimersFireByTheVirtualClock) {
  HWND a = Top("a");
  Drain();
  watched = {WM_TIMER};
  SetTimer(a, 7, 100);
  backend->Advance(99);
  Drain();
  EXPECT_TRUE(log.empty());
  backend->Advance(1);
  Drain();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].wParam, 7u);
  Drain();
  EXPECT_EQ(log.size(), 1u);  // the next one is 100 ms later
  backend->Advance(100);
  Drain();
  EXPECT_EQ(log.size(), 2u);
  EXPECT_TRUE(KillTimer(a, 7));
  backend->Advance(500);
  Drain();
  EXPECT_EQ(log.size(), 2u);
  EXPECT_FALSE(KillTimer(a, 7));
}

TEST_F(MessageQueueTest, WaitingMovesTheClockToTheNextTimer) {
  HWND a = Top("a");
  Drain();
  SetTimer(a, 1, 250);
  const std::uint32_t start = GetTickCount();
  MSG msg;
  ASSERT_TRUE(GetMessage(msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, WM_TIMER);
  EXPECT_EQ(GetTickCount() - start, 250u);
}

TEST_F(MessageQueueTest, WaitingDeliversInjectedInputFirst) {
  HWND a = Top("a");
  Drain();
  SetTimer(a, 1, 250);
  backend->InjectKey('A', true);
  MSG msg;
  ASSERT_TRUE(GetMessage(msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, WM_KEYDOWN);
  EXPECT_EQ(GetTickCount(), 0u);
}

TEST_F(MessageQueueTest, TheIdleHandlerRunsOnlyWhenNothingIsPending) {
  HWND a = Top("a");
  int idleCalls = 0;
  backend->SetIdleHandler([&] {
    ++idleCalls;
    backend->InjectKey('Q', true);
    return true;
  });
  PostMessage(a, WM_USER);
  MSG msg;
  ASSERT_TRUE(GetMessage(msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, WM_USER);
  DispatchMessage(msg);
  while (GetMessage(msg, nullptr, 0, 0) && msg.message != WM_KEYDOWN) DispatchMessage(msg);
  EXPECT_EQ(msg.message, WM_KEYDOWN);
  // The posted message and the first paint came without asking for input.
  EXPECT_EQ(idleCalls, 1);
  backend->SetIdleHandler(nullptr);
}

TEST_F(MessageQueueTest, TimersEndWithTheirWindow) {
  HWND a = Top("a");
  Drain();
  SetTimer(a, 1, 10);
  DestroyWindow(a);
  backend->Advance(100);
  MSG msg;
  EXPECT_FALSE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueueTest, TranslateTurnsControlKeysIntoCharacters) {
  Top("a");
  Drain();
  watched = {WM_KEYDOWN, WM_CHAR, WM_KEYUP};
  backend->InjectKey(VK_RETURN, true);
  backend->InjectKey(VK_RETURN, false);
  backend->InjectKey('A', true);
  backend->InjectKey('A', false);
  Pump();
  EXPECT_THAT(Trace(), ElementsAre(T("a", WM_KEYDOWN), T("a", WM_CHAR), T("a", WM_KEYUP),
                                   T("a", WM_KEYDOWN), T("a", WM_KEYUP)));
  EXPECT_EQ(log[1].wParam, static_cast<WPARAM>(VK_RETURN));
}

TEST_F(MessageQueueTest, SendMessageIsReentrant) {
  HWND a = Top("a");
  int depth = 0;
  int deepest = 0;
  hooks[a] = [&](HWND w, unsigned m, WPARAM wp, LPARAM, LRESULT& r) {
    if (m != WM_USER) return false;
    ++depth;
    deepest = std::max(deepest, depth);
    r = wp == 0 ? 0 : 1 + SendMessage(w, WM_USER, wp - 1);
    --depth;
    return true;
  };
  EXPECT_EQ(SendMessage(a, WM_USER, 3), 3);
  EXPECT_EQ(deepest, 4);
  hooks.clear();
}

}  // namespace
}  // namespace pw::win::testing

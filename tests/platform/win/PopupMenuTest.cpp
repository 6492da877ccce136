// The edit box's context menu: opening it (right button, Shift+F10, the Menu key), its items
// enabled as the box's state allows, choosing by mouse, keys and mnemonics, closing, and its
// look.

#include "NativeTestSupport.h"
#include "platform/win/Clipboard.h"
#include "platform/win/PopupMenu.h"

namespace pw::win::testing {
namespace {

// The edit box's menu, in order.
enum Item { kUndo = 0, kCut = 2, kCopy = 3, kPaste = 4, kDelete = 5, kSelectAll = 7 };

class ContextMenuTest : public NativeControlTest {
 protected:
  HWND edit = nullptr;
  HWND button = nullptr;

  void MakeEdit(std::string_view text, std::uint32_t style = ES_AUTOHSCROLL) {
    edit = Create("EDIT", text, style, 10, 10, 121, 21, 5, WS_EX_CLIENTEDGE);
    button = Create("BUTTON", "OK", BS_PUSHBUTTON, 10, 200, 75, 25, 6);
    ASSERT_NE(edit, nullptr);
    commands.clear();
  }
  void RightClick(HWND window, POINT client) {
    Mouse(WM_MOUSEMOVE, window, client);
    Mouse(WM_RBUTTONDOWN, window, client);
    Mouse(WM_RBUTTONUP, window, client);
  }
  void OpenByMouse() {
    RightClick(edit, {40, 10});
    ASSERT_NE(GetOpenMenu(), nullptr);
  }
  // Which items are enabled, as a string of the items' mnemonics ('-' for a disabled one).
  static std::string Enabled() {
    std::string out;
    for (const MenuItem& item : GetMenuItems()) {
      const auto mark = item.text.find('&');
      if (mark == std::string::npos) continue;
      out += item.enabled ? item.text[mark + 1] : '-';
    }
    return out;
  }
  POINT ItemCentre(int index) {
    RECT rect;
    EXPECT_TRUE(GetMenuItemRect(index, rect));
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  }
  void ClickItem(int index) {
    const POINT at = ItemCentre(index);
    ScreenMouse(WM_MOUSEMOVE, at);
    ScreenMouse(WM_LBUTTONDOWN, at);
    ScreenMouse(WM_LBUTTONUP, at);
  }
  int Changes() {
    int count = 0;
    for (const Command& c : commands) count += c.code == EN_CHANGE ? 1 : 0;
    return count;
  }
};

TEST_F(ContextMenuTest, RightButtonOpensTheMenuAtThePointerAndFocusesTheBox) {
  MakeEdit("abc");
  ASSERT_NE(GetFocus(), edit);
  OpenByMouse();
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_EQ(GetActiveWindow(), parent) << "the menu does not take the activation";
  EXPECT_EQ(GetCapture(), GetOpenMenu());
  EXPECT_EQ(GetMenuOwner(), edit);
  RECT menu;
  GetWindowRect(GetOpenMenu(), menu);
  POINT pointer{40, 10};
  ClientToScreen(edit, pointer);
  EXPECT_EQ(menu.left, pointer.x);
  EXPECT_EQ(menu.top, pointer.y);
  EXPECT_EQ(GetMenuItems().size(), 8u);
  EXPECT_EQ(GetMenuHighlight(), -1) << "nothing highlighted until the pointer moves there";
}

TEST_F(ContextMenuTest, ItemsAreEnabledAsTheBoxsStateAllows) {
  MakeEdit("abc");
  OpenByMouse();
  EXPECT_EQ(Enabled(), "-----A") << "nothing selected, nothing to undo, nothing to paste";
  EndMenu();

  SetClipboardText("x");
  SendMessage(edit, EM_SETSEL, 0, 1);
  OpenByMouse();
  EXPECT_EQ(Enabled(), "-tCPDA");
  EndMenu();

  Key(VK_CONTROL, 'A');
  Type("z");
  OpenByMouse();
  EXPECT_EQ(Enabled(), "U--P-A") << "after typing: undo; everything selected: no Select All";
  EXPECT_EQ(GetMenuItems()[kSelectAll].enabled, true);
  EndMenu();

  Key(VK_CONTROL, 'A');
  OpenByMouse();
  EXPECT_EQ(GetMenuItems()[kSelectAll].enabled, false);
  EndMenu();

  SendMessage(edit, EM_SETREADONLY, 1);
  OpenByMouse();
  EXPECT_EQ(Enabled(), "--C---") << "a read-only box only copies";
}

TEST_F(ContextMenuTest, PointerHighlightsEnabledItemsAndAClickChooses) {
  MakeEdit("6000 mm");
  SendMessage(edit, EM_SETSEL, 0, 4);
  OpenByMouse();
  ScreenMouse(WM_MOUSEMOVE, ItemCentre(kCopy));
  EXPECT_EQ(GetMenuHighlight(), kCopy);
  ScreenMouse(WM_MOUSEMOVE, ItemCentre(kUndo));
  EXPECT_EQ(GetMenuHighlight(), -1) << "a disabled item does not light up";
  ClickItem(kCopy);
  EXPECT_EQ(GetOpenMenu(), nullptr);
  EXPECT_EQ(GetClipboardText(), "6000");
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(GetKeyboardGrab(), nullptr);
  EXPECT_EQ(GetFocus(), edit);

  OpenByMouse();
  ClickItem(kDelete);
  EXPECT_EQ(GetWindowText(edit), " mm");
  OpenByMouse();
  ClickItem(kPaste);
  EXPECT_EQ(GetWindowText(edit), "6000 mm");
  OpenByMouse();
  ClickItem(kUndo);
  EXPECT_EQ(GetWindowText(edit), " mm");
  EXPECT_EQ(Changes(), 3);
  OpenByMouse();
  ClickItem(kSelectAll);
  std::uint32_t start = 9;
  std::uint32_t end = 9;
  SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 3u);
}

TEST_F(ContextMenuTest, ADisabledItemOrAClickOutsideChoosesNothing) {
  MakeEdit("abc");
  OpenByMouse();
  ClickItem(kCut);
  EXPECT_NE(GetOpenMenu(), nullptr) << "a disabled item keeps the menu open";
  // A click on the button outside the menu only closes the menu.
  Click(button, {30, 12});
  EXPECT_EQ(GetOpenMenu(), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_TRUE(commands.empty()) << "the button heard nothing";
  EXPECT_EQ(GetFocus(), edit);
}

TEST_F(ContextMenuTest, KeysMoveOverEnabledItemsAndReturnChooses) {
  MakeEdit("hello");
  SetFocus(edit);
  SetClipboardText("J");
  SendMessage(edit, EM_SETSEL, 0, 1);
  Key(VK_SHIFT, VK_F10);
  ASSERT_NE(GetOpenMenu(), nullptr);
  EXPECT_EQ(GetMenuHighlight(), kCut) << "from the keyboard the first enabled item lights up";
  Key(VK_DOWN);
  Key(VK_DOWN);
  EXPECT_EQ(GetMenuHighlight(), kPaste);
  Key(VK_DOWN);
  Key(VK_DOWN);
  EXPECT_EQ(GetMenuHighlight(), kSelectAll) << "separators are passed over";
  Key(VK_DOWN);
  EXPECT_EQ(GetMenuHighlight(), kCut) << "and the end wraps round past the disabled Undo";
  Key(VK_UP);
  Key(VK_UP);
  Key(VK_UP);
  EXPECT_EQ(GetMenuHighlight(), kPaste);
  Key(VK_RETURN);
  EXPECT_EQ(GetOpenMenu(), nullptr);
  EXPECT_EQ(GetWindowText(edit), "Jello");
  EXPECT_EQ(Changes(), 1);
}

TEST_F(ContextMenuTest, EscapeClosesAndKeysWhileOpenDoNotReachTheBox) {
  MakeEdit("abc");
  SetFocus(edit);
  Key(VK_APPS);
  ASSERT_NE(GetOpenMenu(), nullptr);
  Type("xy");
  Key(VK_DELETE);
  Key(VK_ESCAPE);
  EXPECT_EQ(GetOpenMenu(), nullptr);
  EXPECT_EQ(GetWindowText(edit), "abc");
  EXPECT_EQ(Changes(), 0);
  EXPECT_TRUE(commands.empty()) << "Escape reached neither the box nor its parent";
}

TEST_F(ContextMenuTest, AMnemonicChoosesItsItem) {
  MakeEdit("abc");
  SetFocus(edit);
  Key(VK_SHIFT, VK_F10);
  Type("a");
  EXPECT_EQ(GetOpenMenu(), nullptr);
  std::uint32_t start = 9;
  std::uint32_t end = 9;
  SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(end - start, 3u) << "Select &All";
  EXPECT_EQ(GetWindowText(edit), "abc");
}

TEST_F(ContextMenuTest, ClosesWhenTheBoxLosesTheFocusOrGoes) {
  MakeEdit("abc");
  OpenByMouse();
  SetFocus(button);
  EXPECT_EQ(GetOpenMenu(), nullptr);
  EXPECT_EQ(GetKeyboardGrab(), nullptr);
  OpenByMouse();
  const HWND menu = GetOpenMenu();
  DestroyWindow(edit);
  EXPECT_EQ(GetOpenMenu(), nullptr);
  EXPECT_FALSE(IsWindow(menu));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ContextMenuTest, PaintedInTheMenuLook) {
  MakeEdit("abc");
  SetFocus(edit);
  Key(VK_SHIFT, VK_F10);
  const HWND menu = GetOpenMenu();
  ASSERT_NE(menu, nullptr);
  Pump();
  gfx::BitmapInfo info;
  ASSERT_TRUE(gfx::GetBitmapInfo(GetWindowSurface(menu), info));
  auto pixel = [&](POINT screen) {
    ScreenToClient(menu, screen);
    const auto* p = reinterpret_cast<const std::uint8_t*>(info.bits) +
                    static_cast<std::ptrdiff_t>(screen.y) * info.stride + screen.x * 4;
    return gfx::RGB(p[2], p[1], p[0]);
  };
  RECT selectAll;
  ASSERT_TRUE(GetMenuItemRect(kSelectAll, selectAll));
  EXPECT_EQ(pixel({selectAll.left + 2, selectAll.top + 2}), gfx::GetSysColor(gfx::COLOR_HIGHLIGHT));
  RECT undo;
  ASSERT_TRUE(GetMenuItemRect(kUndo, undo));
  EXPECT_EQ(pixel({undo.left + 2, undo.top + 2}), gfx::GetSysColor(gfx::COLOR_MENU));
  RECT frame;
  GetWindowRect(menu, frame);
  EXPECT_EQ(pixel({frame.right - 1, frame.bottom - 1}), gfx::GetSysColor(gfx::COLOR_3DDKSHADOW))
      << "a raised edge";
}

TEST_F(ContextMenuTest, StaysOnTheScreen) {
  MakeEdit("abc");
  const int width = gfx::GetSystemMetrics(gfx::SM_CXSCREEN);
  const int height = gfx::GetSystemMetrics(gfx::SM_CYSCREEN);
  const HWND menu = TrackPopupMenu({{"&One", 1}, {"&Two", 2}}, POINT{width - 5, height - 5}, edit);
  ASSERT_NE(menu, nullptr);
  RECT rect;
  GetWindowRect(menu, rect);
  EXPECT_EQ(rect.right, width - 5);
  EXPECT_EQ(rect.bottom, height - 5);
}

}  // namespace
}  // namespace pw::win::testing

// The native "COMBOBOX" class (drop-down style): its list messages, the drop-down list with the
// mouse and the keys, typing into the edit part, and which of these the parent hears about.

#include "NativeTestSupport.h"

namespace pw::win::testing {
namespace {

class ComboBoxTest : public NativeControlTest {
 protected:
  HWND combo = nullptr;
  static constexpr int kId = 3;
  static constexpr int kWidth = 145;
  static constexpr int kHeight = 25;

  void SetUp() override {
    NativeControlTest::SetUp();
    combo = Create("COMBOBOX", "ComboBox1",
                   CBS_DROPDOWN | CBS_HASSTRINGS | CBS_AUTOHSCROLL | WS_VSCROLL, 20, 20, kWidth,
                   kHeight, kId);
    ASSERT_NE(combo, nullptr);
    SendMessage(combo, CB_SETITEMHEIGHT, 0, ItemHeight());
    commands.clear();
  }

  void Add(std::initializer_list<const char*> items) {
    for (const char* item : items)
      SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  int Selected() { return static_cast<int>(SendMessage(combo, CB_GETCURSEL)); }
  bool Dropped() { return SendMessage(combo, CB_GETDROPPEDSTATE) != 0; }
  std::string Item(int index) {
    const LRESULT length = SendMessage(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length < 0) return "<error>";
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessage(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
  }
  int Find(int after, const char* text) {
    return static_cast<int>(SendMessage(combo, CB_FINDSTRING, static_cast<WPARAM>(after),
                                        reinterpret_cast<LPARAM>(text)));
  }
  void ClickButton() { Click(combo, {kWidth - 6, kHeight / 2}); }
  // The screen point in the middle of the list's row `index`.
  POINT ListRow(int index) {
    RECT bounds;
    GetWindowRect(combo, bounds);
    const int rowHeight = ItemHeight();
    return POINT{bounds.left + 20, bounds.bottom + 1 + index * rowHeight + rowHeight / 2};
  }
  int ItemHeight() { return 16; }
  HWND EditPart() { return GetWindow(combo, GW_CHILD); }
  void CheckSenders() {
    for (const Command& c : commands) {
      EXPECT_EQ(c.id, kId);
      EXPECT_EQ(c.control, combo);
    }
  }
};

TEST_F(ComboBoxTest, ProgramChangesRaiseNothing) {
  Add({"Box", "Pipe", "Angle"});
  EXPECT_EQ(SendMessage(combo, CB_GETCOUNT), 3);
  EXPECT_EQ(GetWindowText(combo), "ComboBox1") << "adding items leaves the text";
  SendMessage(combo, CB_SETCURSEL, 1);
  EXPECT_EQ(Selected(), 1);
  EXPECT_EQ(GetWindowText(combo), "Pipe");
  SetWindowText(combo, "typed by the program");
  EXPECT_EQ(GetWindowText(combo), "typed by the program");
  SendMessage(combo, CB_RESETCONTENT);
  EXPECT_EQ(SendMessage(combo, CB_GETCOUNT), 0);
  EXPECT_EQ(Selected(), -1);
  SendMessage(combo, CB_SHOWDROPDOWN, 0);
  EXPECT_TRUE(commands.empty());
}

TEST_F(ComboBoxTest, EditPartIsAnEditChildHoldingTheText) {
  HWND edit = EditPart();
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(GetClassName(edit), "EDIT");
  EXPECT_EQ(GetWindowText(edit), "ComboBox1");
  EXPECT_EQ(SendMessage(combo, WM_GETTEXTLENGTH), 9);
  SendMessage(edit, EM_SETSEL, 9, 9);
  SetFocus(combo);
  EXPECT_EQ(GetFocus(), edit) << "the combo box hands the focus to its edit part";
  EXPECT_EQ(SendMessage(edit, EM_GETSEL), MAKELPARAM(0, 9)) << "with the whole text selected";
  EXPECT_TRUE(SendMessage(edit, WM_GETDLGCODE) & DLGC_WANTARROWS);
}

TEST_F(ComboBoxTest, ItemTextsAndErrors) {
  Add({"first", "second"});
  EXPECT_EQ(Item(0), "first");
  EXPECT_EQ(Item(1), "second");
  EXPECT_EQ(SendMessage(combo, CB_GETLBTEXTLEN, 1), 6);
  EXPECT_EQ(SendMessage(combo, CB_GETLBTEXTLEN, 2), CB_ERR);
  EXPECT_EQ(SendMessage(combo, CB_GETLBTEXT, static_cast<WPARAM>(-1), 0), CB_ERR);
  EXPECT_EQ(SendMessage(combo, CB_SETCURSEL, 5), CB_ERR);
  EXPECT_EQ(Selected(), -1);
}

TEST_F(ComboBoxTest, FindStringIsACaseInsensitivePrefixSearchAfterTheStart) {
  Add({"Apple", "banana", "Apricot", "Blueberry"});
  EXPECT_EQ(Find(-1, "ap"), 0);
  EXPECT_EQ(Find(0, "ap"), 2);
  EXPECT_EQ(Find(2, "AP"), 0) << "the search wraps round";
  EXPECT_EQ(Find(-1, "B"), 1);
  EXPECT_EQ(Find(1, "b"), 3);
  EXPECT_EQ(Find(-1, "banana split"), CB_ERR);
  EXPECT_EQ(Find(-1, "x"), CB_ERR);
}

TEST_F(ComboBoxTest, SortedStyleKeepsItemsInOrder) {
  HWND sorted = Create("COMBOBOX", "", CBS_DROPDOWN | CBS_SORT, 20, 80, kWidth, kHeight, 4);
  for (const char* item : {"pear", "Apple", "fig"})
    SendMessage(sorted, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  char buffer[16];
  SendMessage(sorted, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(buffer));
  EXPECT_STREQ(buffer, "Apple");
  SendMessage(sorted, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(buffer));
  EXPECT_STREQ(buffer, "pear");
}

TEST_F(ComboBoxTest, ClickOnTheButtonOpensTheListAndAgainClosesIt) {
  Add({"one", "two"});
  ClickButton();
  EXPECT_TRUE(Dropped());
  EXPECT_EQ(Codes(), std::vector<unsigned>{CBN_DROPDOWN});
  EXPECT_EQ(GetFocus(), EditPart());
  ClickButton();
  EXPECT_FALSE(Dropped());
  EXPECT_EQ(Codes(), (std::vector<unsigned>{CBN_DROPDOWN, CBN_CLOSEUP}));
  CheckSenders();
}

TEST_F(ComboBoxTest, ClickOnAnItemSelectsItAndClosesTheList) {
  Add({"one", "two", "three"});
  ClickButton();
  commands.clear();
  ScreenMouse(WM_LBUTTONDOWN, ListRow(1));
  EXPECT_TRUE(commands.empty()) << "the choice is made on the release";
  ScreenMouse(WM_LBUTTONUP, ListRow(1));
  EXPECT_EQ(Codes(), (std::vector<unsigned>{CBN_SELCHANGE, CBN_CLOSEUP}));
  EXPECT_EQ(Selected(), 1);
  EXPECT_EQ(GetWindowText(combo), "two");
  EXPECT_FALSE(Dropped());
  EXPECT_EQ(GetCapture(), nullptr);
  CheckSenders();
}

TEST_F(ComboBoxTest, ListIsAPopupBelowTheComboBoxShowingTheItems) {
  Add({"one", "two", "three"});
  SendMessage(combo, CB_SETCURSEL, 2);
  ClickButton();
  // The topmost visible top-level window under the first row is the list.
  const POINT row = ListRow(0);
  HWND list = WindowFromPoint(row);
  ASSERT_NE(list, nullptr);
  ASSERT_NE(list, parent);
  EXPECT_EQ(GetClassName(list), kComboListClass);
  EXPECT_TRUE(GetWindowLong(list, GWL_STYLE) & WS_POPUP);
  RECT bounds;
  RECT comboBounds;
  GetWindowRect(list, bounds);
  GetWindowRect(combo, comboBounds);
  EXPECT_EQ(bounds.left, comboBounds.left);
  EXPECT_EQ(bounds.top, comboBounds.bottom);
  EXPECT_EQ(bounds.Width(), comboBounds.Width());
  EXPECT_EQ(bounds.Height(), 3 * ItemHeight() + 2);
  // The selected row is highlighted.
  gfx::BitmapInfo info;
  gfx::GetBitmapInfo(GetWindowSurface(list), info);
  auto pixel = [&](int x, int y) {
    const auto* p = static_cast<const std::uint8_t*>(info.bits) +
                    static_cast<std::ptrdiff_t>(y) * info.stride + x * 4;
    return gfx::RGB(p[2], p[1], p[0]);
  };
  const gfx::COLORREF highlight = gfx::GetSysColor(gfx::COLOR_HIGHLIGHT);
  EXPECT_EQ(pixel(bounds.Width() - 3, 1 + 2 * ItemHeight() + 1), highlight);
  EXPECT_NE(pixel(bounds.Width() - 3, 1 + ItemHeight() + 1), highlight);
}

TEST_F(ComboBoxTest, ClickOutsideTheOpenListClosesIt) {
  Add({"one", "two"});
  ClickButton();
  commands.clear();
  Click(parent, {300, 250});
  EXPECT_FALSE(Dropped());
  EXPECT_EQ(Codes(), std::vector<unsigned>{CBN_CLOSEUP});
  EXPECT_EQ(Selected(), -1);
}

TEST_F(ComboBoxTest, ArrowKeysSelectWithTheListClosed) {
  Add({"one", "two", "three"});
  SetFocus(combo);
  Key(VK_DOWN);
  EXPECT_EQ(Selected(), 0);
  EXPECT_EQ(GetWindowText(combo), "one");
  Key(VK_DOWN);
  Key(VK_DOWN);
  Key(VK_DOWN);  // at the last item already: nothing changes
  EXPECT_EQ(Selected(), 2);
  Key(VK_UP);
  EXPECT_EQ(Selected(), 1);
  EXPECT_EQ(GetWindowText(combo), "two");
  EXPECT_EQ(Codes(),
            (std::vector<unsigned>{CBN_SELCHANGE, CBN_SELCHANGE, CBN_SELCHANGE, CBN_SELCHANGE}));
  EXPECT_FALSE(Dropped());
  CheckSenders();
}

TEST_F(ComboBoxTest, F4AndAltDownOpenEnterAndEscapeClose) {
  Add({"one", "two"});
  SetFocus(combo);
  Key(VK_F4);
  EXPECT_TRUE(Dropped());
  Key(VK_DOWN);
  EXPECT_TRUE(Dropped()) << "arrows move through the open list";
  EXPECT_EQ(Selected(), 0);
  Key(VK_RETURN);
  EXPECT_FALSE(Dropped());
  Key(VK_MENU, VK_DOWN);
  EXPECT_TRUE(Dropped());
  Key(VK_ESCAPE);
  EXPECT_FALSE(Dropped());
  EXPECT_EQ(Codes(), (std::vector<unsigned>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_CLOSEUP, CBN_DROPDOWN,
                                            CBN_CLOSEUP}));
  EXPECT_EQ(GetWindowText(combo), "one");
}

TEST_F(ComboBoxTest, EnterTakesTheRowUnderThePointerEscapeDoesNot) {
  Add({"one", "two", "three"});
  SetFocus(combo);
  Key(VK_F4);
  ScreenMouse(WM_MOUSEMOVE, ListRow(2));
  EXPECT_EQ(Selected(), -1) << "pointing alone selects nothing";
  Key(VK_ESCAPE);
  EXPECT_EQ(Selected(), -1);
  Key(VK_F4);
  ScreenMouse(WM_MOUSEMOVE, ListRow(2));
  Key(VK_RETURN);
  EXPECT_EQ(Selected(), 2);
  EXPECT_EQ(GetWindowText(combo), "three");
  EXPECT_EQ(Codes(), (std::vector<unsigned>{CBN_DROPDOWN, CBN_CLOSEUP, CBN_DROPDOWN, CBN_SELCHANGE,
                                            CBN_CLOSEUP}));
}

TEST_F(ComboBoxTest, LongListShowsEightRowsAndScrollsToTheHighlightedItem) {
  for (int i = 0; i < 12; ++i) {
    const std::string item = "item " + std::to_string(i);
    SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  SetFocus(combo);
  Key(VK_F4);
  HWND list = WindowFromPoint(ListRow(0));
  ASSERT_NE(list, nullptr);
  RECT bounds;
  GetWindowRect(list, bounds);
  EXPECT_EQ(bounds.Height(), 8 * ItemHeight() + 2);
  for (int i = 0; i < 10; ++i) Key(VK_DOWN);
  EXPECT_EQ(Selected(), 9);
  // Item 9 is now the last row shown, so the first row shows item 2.
  ScreenMouse(WM_LBUTTONDOWN, ListRow(0));
  ScreenMouse(WM_LBUTTONUP, ListRow(0));
  EXPECT_EQ(Selected(), 2);
  EXPECT_EQ(GetWindowText(combo), "item 2");
}

TEST_F(ComboBoxTest, ScrollBarArrowsStepThroughALongList) {
  for (int i = 0; i < 12; ++i) {
    const std::string item = "item " + std::to_string(i);
    SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  ClickButton();
  RECT bounds;
  GetWindowRect(combo, bounds);
  const POINT downArrow{bounds.right - 4, bounds.bottom + 8 * ItemHeight() - 2};
  ScreenMouse(WM_LBUTTONDOWN, downArrow);
  ScreenMouse(WM_LBUTTONUP, downArrow);
  ScreenMouse(WM_LBUTTONDOWN, downArrow);
  ScreenMouse(WM_LBUTTONUP, downArrow);
  EXPECT_TRUE(Dropped()) << "scrolling keeps the list open";
  ScreenMouse(WM_LBUTTONDOWN, ListRow(0));
  ScreenMouse(WM_LBUTTONUP, ListRow(0));
  EXPECT_EQ(Selected(), 2);
  EXPECT_FALSE(Dropped());
}

TEST_F(ComboBoxTest, TypingChangesTheEditPartAndClearsTheSelection) {
  Add({"Box", "Pipe"});
  SendMessage(combo, CB_SETCURSEL, 1);
  SetFocus(combo);
  Type("x");
  EXPECT_EQ(GetWindowText(combo), "x") << "the selected item's text was all selected";
  EXPECT_EQ(Selected(), -1);
  EXPECT_EQ(Codes(), std::vector<unsigned>{CBN_EDITCHANGE});
  Type("\b");
  EXPECT_EQ(Codes(), (std::vector<unsigned>{CBN_EDITCHANGE, CBN_EDITCHANGE}));
  CheckSenders();
}

TEST_F(ComboBoxTest, TypingWhileOpenSelectsTheFirstItemBeginningWithTheText) {
  Add({"Box", "Pipe", "Plate"});
  SetWindowText(combo, "");
  SetFocus(combo);
  Key(VK_F4);
  commands.clear();
  Type("pl");
  EXPECT_EQ(Selected(), 2);
  EXPECT_EQ(GetWindowText(combo), "pl") << "the typed text stays as typed";
  Type("\b");
  EXPECT_EQ(Selected(), 1);
  Type("z");
  EXPECT_EQ(Selected(), -1);
  EXPECT_EQ(Codes(), (std::vector<unsigned>(4, CBN_EDITCHANGE)));
}

TEST_F(ComboBoxTest, ResetKeepsNothingAndAddingAgainWorks) {
  Add({"a", "b"});
  SendMessage(combo, CB_SETCURSEL, 1);
  SendMessage(combo, CB_RESETCONTENT);
  EXPECT_EQ(GetWindowText(combo), "");
  Add({"c"});
  EXPECT_EQ(SendMessage(combo, CB_GETCOUNT), 1);
  EXPECT_EQ(Item(0), "c");
  EXPECT_TRUE(commands.empty());
}

TEST_F(ComboBoxTest, LosingTheFocusClosesTheList) {
  HWND other = Create("BUTTON", "other", BS_PUSHBUTTON, 200, 200, 60, 25, 9);
  Add({"a"});
  SetFocus(combo);
  Key(VK_F4);
  ASSERT_TRUE(Dropped());
  SetFocus(other);
  EXPECT_FALSE(Dropped());
}

TEST_F(ComboBoxTest, DestroyingTheComboBoxTakesItsListAlong) {
  Add({"a"});
  ClickButton();
  HWND list = WindowFromPoint(ListRow(0));
  ASSERT_NE(list, nullptr);
  DestroyWindow(combo);
  EXPECT_FALSE(IsWindow(list));
  EXPECT_EQ(GetCapture(), nullptr);
}

// The parent may destroy the combo box while it reports the user's choice, from the list or
// from the keyboard: the list closes once (as the focus leaves with the combo box) and nothing
// more comes from it.
TEST_F(ComboBoxTest, ParentMayDestroyTheComboBoxWhileItReportsAChoice) {
  const std::vector<unsigned> expected{CBN_DROPDOWN, CBN_SELCHANGE, CBN_CLOSEUP};
  Add({"one", "two", "three"});
  onCommand = [this](const Command& c) {
    if (c.code == CBN_SELCHANGE) DestroyWindow(combo);
  };
  ClickButton();
  const POINT row = ListRow(1);
  HWND list = WindowFromPoint(row);
  ASSERT_NE(list, nullptr);
  ScreenMouse(WM_LBUTTONDOWN, row);
  ScreenMouse(WM_LBUTTONUP, row);
  EXPECT_FALSE(IsWindow(combo));
  EXPECT_FALSE(IsWindow(list));
  EXPECT_EQ(Codes(), expected);
  EXPECT_EQ(GetCapture(), nullptr);

  combo = Create("COMBOBOX", "", CBS_DROPDOWN | CBS_HASSTRINGS, 20, 20, kWidth, kHeight, kId);
  Add({"one", "two", "three"});
  commands.clear();
  SetFocus(combo);
  Key(VK_F4);
  ScreenMouse(WM_MOUSEMOVE, ListRow(2));
  Key(VK_RETURN);
  EXPECT_FALSE(IsWindow(combo));
  EXPECT_EQ(Codes(), expected);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ComboBoxTest, PaintsASunkenFieldWithTheDropButton) {
  EXPECT_EQ(Pixel(combo, 0, 0), gfx::GetSysColor(gfx::COLOR_BTNSHADOW));
  EXPECT_EQ(Pixel(combo, kWidth - 10, 4), gfx::GetSysColor(gfx::COLOR_BTNFACE))
      << "the button face at the right";
  // The arrow of the button is drawn in the button text colour.
  int arrow = 0;
  for (int y = 2; y < kHeight - 2; ++y) {
    for (int x = kWidth - 18; x < kWidth - 2; ++x)
      arrow += Pixel(combo, x, y) == gfx::GetSysColor(gfx::COLOR_BTNTEXT) ? 1 : 0;
  }
  EXPECT_GT(arrow, 3);
}

}  // namespace
}  // namespace pw::win::testing

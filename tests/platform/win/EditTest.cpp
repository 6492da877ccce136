// The native "EDIT" class: typing and editing keys, selection, change notifications, read-only
// mode and painting; and the line editor beneath it.

#include "NativeTestSupport.h"
#include "platform/gfx/Text.h"
#include "platform/win/TextEditing.h"

namespace pw::win::testing {
namespace {

using native::LineEditor;

// ---- The line editor

TEST(LineEditorTest, InsertsAtTheCaretAndReplacesTheSelection) {
  LineEditor editor;
  editor.SetText("hello");
  editor.MoveEnd(false);
  EXPECT_TRUE(editor.Replace("!"));
  EXPECT_EQ(editor.text(), "hello!");
  editor.SetSelection(1, 3);
  EXPECT_TRUE(editor.Replace("EE"));
  EXPECT_EQ(editor.text(), "hEElo!");
  EXPECT_EQ(editor.caret(), 3u);
  EXPECT_FALSE(editor.hasSelection());
}

TEST(LineEditorTest, BackspaceAndDeleteAtTheEnds) {
  LineEditor editor;
  editor.SetText("ab");
  EXPECT_FALSE(editor.DeleteBackward()) << "nothing before the caret at the start";
  EXPECT_TRUE(editor.DeleteForward());
  EXPECT_EQ(editor.text(), "b");
  editor.MoveEnd(false);
  EXPECT_FALSE(editor.DeleteForward()) << "nothing after the caret at the end";
  EXPECT_TRUE(editor.DeleteBackward());
  EXPECT_EQ(editor.text(), "");
}

TEST(LineEditorTest, SelectionKeepsItsAnchorWhileExtending) {
  LineEditor editor;
  editor.SetText("abcdef");
  editor.MoveTo(3, false);
  editor.MoveLeft(true);
  editor.MoveLeft(true);
  EXPECT_EQ(editor.selectionStart(), 1u);
  EXPECT_EQ(editor.selectionEnd(), 3u);
  editor.MoveRight(true);
  editor.MoveRight(true);
  editor.MoveRight(true);
  editor.MoveRight(true);
  EXPECT_EQ(editor.anchor(), 3u);
  EXPECT_EQ(editor.selectionStart(), 3u);
  EXPECT_EQ(editor.selectionEnd(), 5u);
  editor.MoveLeft(false);
  EXPECT_EQ(editor.caret(), 3u) << "Left on a selection goes to its start";
  EXPECT_FALSE(editor.hasSelection());
}

TEST(LineEditorTest, LimitCutsTheInsertion) {
  LineEditor editor;
  editor.SetText("abc");
  editor.MoveEnd(false);
  EXPECT_TRUE(editor.Replace("defg", 5));
  EXPECT_EQ(editor.text(), "abcde");
  EXPECT_FALSE(editor.Replace("x", 5));
}

TEST(LineEditorTest, Utf8CharactersMoveAndDeleteWhole) {
  LineEditor editor(true);
  editor.SetText("a\xC3\xA9z");  // a, e acute (two bytes), z
  editor.MoveEnd(false);
  editor.MoveLeft(false);
  editor.MoveLeft(false);
  EXPECT_EQ(editor.caret(), 1u);
  EXPECT_TRUE(editor.DeleteForward());
  EXPECT_EQ(editor.text(), "az");
  editor.SetText("\xC3\xA9");
  editor.SetSelection(1, 1);
  EXPECT_EQ(editor.caret(), 0u) << "a position inside a character moves to its start";
}

TEST(LineEditorTest, SelectWordAt) {
  LineEditor editor;
  editor.SetText("one two  three");
  editor.SelectWordAt(5);
  EXPECT_EQ(editor.selectionStart(), 4u);
  EXPECT_EQ(editor.selectionEnd(), 7u);
  editor.SelectWordAt(8);
  EXPECT_EQ(editor.selectionStart(), 7u);
  EXPECT_EQ(editor.selectionEnd(), 9u);
  editor.SelectWordAt(14);
  EXPECT_EQ(editor.selectionStart(), 9u);
  EXPECT_EQ(editor.selectionEnd(), 14u);
}

TEST(LineEditorTest, WordMovement) {
  LineEditor editor;
  editor.SetText("one two  three");
  editor.MoveRight(false, true);
  EXPECT_EQ(editor.caret(), 4u);
  editor.MoveRight(false, true);
  EXPECT_EQ(editor.caret(), 9u);
  editor.MoveLeft(false, true);
  EXPECT_EQ(editor.caret(), 4u);
}

// ---- The window class

class EditTest : public NativeControlTest {
 protected:
  HWND edit = nullptr;
  void MakeEdit(std::string_view text = "", std::uint32_t style = ES_AUTOHSCROLL,
                std::uint32_t exStyle = WS_EX_CLIENTEDGE) {
    edit = Create("EDIT", text, style, 10, 10, 121, 21, 5, exStyle);
    ASSERT_NE(edit, nullptr);
    commands.clear();
  }
  std::pair<int, int> Selection() {
    std::uint32_t start = 99;
    std::uint32_t end = 99;
    const LRESULT both = SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                                     reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(both)), static_cast<int>(start));
    EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(both)), static_cast<int>(end));
    return {static_cast<int>(start), static_cast<int>(end)};
  }
  int Changes() {
    int count = 0;
    for (const Command& c : commands) {
      EXPECT_EQ(c.control, edit);
      EXPECT_EQ(c.id, 5);
      if (c.code == EN_CHANGE) ++count;
    }
    return count;
  }
};

TEST_F(EditTest, KeepsTheTextGivenAtCreation) {
  MakeEdit("start");
  EXPECT_EQ(GetWindowText(edit), "start");
  EXPECT_EQ(SendMessage(edit, WM_GETTEXTLENGTH), 5);
  EXPECT_EQ(Changes(), 0);
}

TEST_F(EditTest, TypingInsertsAndReportsEachChange) {
  MakeEdit();
  SetFocus(edit);
  Type("abc");
  EXPECT_EQ(GetWindowText(edit), "abc");
  EXPECT_EQ(Changes(), 3);
  EXPECT_EQ(Selection(), std::make_pair(3, 3));
}

TEST_F(EditTest, BackspaceDeleteHomeAndEnd) {
  MakeEdit("abcd");
  SetFocus(edit);
  Key(VK_END);
  Key(VK_BACK);
  EXPECT_EQ(GetWindowText(edit), "abc");
  Key(VK_HOME);
  Key(VK_DELETE);
  EXPECT_EQ(GetWindowText(edit), "bc");
  Key(VK_RIGHT);
  Type("\b");
  EXPECT_EQ(GetWindowText(edit), "c");
  EXPECT_EQ(Changes(), 3);
  Key(VK_HOME);
  Type("\b");  // nothing before the caret: no change, no notification
  EXPECT_EQ(Changes(), 3);
}

TEST_F(EditTest, ShiftArrowsSelectAndTypingReplacesTheSelection) {
  MakeEdit("hello");
  SetFocus(edit);
  Key(VK_HOME);
  Key(VK_SHIFT, VK_RIGHT);
  Key(VK_SHIFT, VK_RIGHT);
  EXPECT_EQ(Selection(), std::make_pair(0, 2));
  Type("J");
  EXPECT_EQ(GetWindowText(edit), "Jllo");
  EXPECT_EQ(Selection(), std::make_pair(1, 1));
  Key(VK_SHIFT, VK_END);
  EXPECT_EQ(Selection(), std::make_pair(1, 4));
  Key(VK_DELETE);
  EXPECT_EQ(GetWindowText(edit), "J");
  EXPECT_EQ(Changes(), 2);
}

TEST_F(EditTest, SelectAllThenType) {
  MakeEdit("12.5");
  SetFocus(edit);
  SendMessage(edit, EM_SETSEL, 0, -1);
  EXPECT_EQ(Selection(), std::make_pair(0, 4));
  EXPECT_EQ(Changes(), 0) << "selecting is no change";
  Type("7");
  EXPECT_EQ(GetWindowText(edit), "7");
  EXPECT_EQ(Changes(), 1);
}

TEST_F(EditTest, SetTextReportsAChangeButNotForTheSameText) {
  MakeEdit("1");
  SetWindowText(edit, "2");
  EXPECT_EQ(Changes(), 1);
  EXPECT_EQ(GetWindowText(edit), "2");
  SetWindowText(edit, "2");
  EXPECT_EQ(Changes(), 1);
  SetWindowText(edit, "");
  EXPECT_EQ(Changes(), 2);
}

TEST_F(EditTest, ChangeIsReportedAfterTheTextIsStored) {
  MakeEdit("old");
  std::string seen;
  std::function<void()> probe = [&] { seen = GetWindowText(edit); };
  // Read the text from inside the notification through a one-off procedure on the parent.
  WindowProc previous = SetWindowProc(parent, [&](HWND w, unsigned m, WPARAM wp, LPARAM lp) {
    if (m == WM_COMMAND && HIWORD(wp) == static_cast<int>(EN_CHANGE)) probe();
    return ParentProc(w, m, wp, lp);
  });
  SetWindowText(edit, "new");
  EXPECT_EQ(seen, "new");
  SetWindowProc(parent, previous);
}

TEST_F(EditTest, ReadOnlyBlocksTypingButNotSetText) {
  MakeEdit("abc", ES_AUTOHSCROLL | ES_READONLY);
  SetFocus(edit);
  Key(VK_END);
  Type("x\b");
  Key(VK_HOME);
  Key(VK_DELETE);
  EXPECT_EQ(GetWindowText(edit), "abc");
  EXPECT_EQ(Changes(), 0);
  SetWindowText(edit, "xyz");
  EXPECT_EQ(GetWindowText(edit), "xyz");
  EXPECT_EQ(Changes(), 1);
  // The caret still moves and selects.
  Key(VK_SHIFT, VK_END);
  EXPECT_EQ(Selection(), std::make_pair(0, 3));
}

TEST_F(EditTest, SetReadOnlyTurnsTheStyleOnAndOff) {
  MakeEdit("a");
  SetFocus(edit);
  SendMessage(edit, EM_SETREADONLY, 1);
  EXPECT_TRUE(GetWindowLong(edit, GWL_STYLE) & ES_READONLY);
  Key(VK_END);
  Type("b");
  EXPECT_EQ(GetWindowText(edit), "a");
  SendMessage(edit, EM_SETREADONLY, 0);
  EXPECT_FALSE(GetWindowLong(edit, GWL_STYLE) & ES_READONLY);
  Type("b");
  EXPECT_EQ(GetWindowText(edit), "ab");
}

TEST_F(EditTest, ReplaceSelReportsAChange) {
  MakeEdit("abc");
  SendMessage(edit, EM_SETSEL, 1, 2);
  SendMessage(edit, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("XY"));
  EXPECT_EQ(GetWindowText(edit), "aXYc");
  EXPECT_EQ(Changes(), 1);
}

TEST_F(EditTest, LimitStopsTyping) {
  MakeEdit();
  SetFocus(edit);
  SendMessage(edit, EM_LIMITTEXT, 2);
  Type("abc");
  EXPECT_EQ(GetWindowText(edit), "ab");
  EXPECT_EQ(Changes(), 2);
}

TEST_F(EditTest, CaseStyles) {
  MakeEdit("", ES_AUTOHSCROLL | ES_UPPERCASE);
  SetFocus(edit);
  Type("aB1");
  EXPECT_EQ(GetWindowText(edit), "AB1");
}

TEST_F(EditTest, ClaimsArrowsAndCharacters) {
  MakeEdit();
  const LRESULT code = SendMessage(edit, WM_GETDLGCODE);
  EXPECT_EQ(code, static_cast<LRESULT>(DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL));
}

TEST_F(EditTest, PressTakesFocusAndPlacesTheCaret) {
  MakeEdit("iiiiiiiiii");
  ASSERT_NE(GetFocus(), edit);
  Mouse(WM_LBUTTONDOWN, edit, {118, 10});
  Mouse(WM_LBUTTONUP, edit, {118, 10});
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_EQ(Selection(), std::make_pair(10, 10)) << "a press right of the text goes to its end";
  Mouse(WM_LBUTTONDOWN, edit, {0, 10});
  Mouse(WM_LBUTTONUP, edit, {0, 10});
  EXPECT_EQ(Selection(), std::make_pair(0, 0));
}

TEST_F(EditTest, DoubleClickSelectsAWord) {
  MakeEdit("one two three");
  // Where "tw" ends in the default font, inside the sunken edge and the one-pixel margin.
  gfx::LOGFONT request;
  request.height = -11;
  request.faceName = "MS Sans Serif";
  const SIZE extent = gfx::MeasureText(request, u"one tw");
  const POINT inTwo{3 + extent.cx, 10};
  Mouse(WM_LBUTTONDOWN, edit, inTwo);
  Mouse(WM_LBUTTONUP, edit, inTwo);
  Mouse(WM_LBUTTONDOWN, edit, inTwo);
  Mouse(WM_LBUTTONUP, edit, inTwo);
  EXPECT_EQ(Selection(), std::make_pair(4, 7));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(EditTest, DraggingSelects) {
  MakeEdit("mmmmmmmm");
  Mouse(WM_LBUTTONDOWN, edit, {1, 10});
  Mouse(WM_MOUSEMOVE, edit, {118, 10});
  Mouse(WM_LBUTTONUP, edit, {118, 10});
  EXPECT_EQ(Selection(), std::make_pair(0, 8));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(EditTest, PaintsWhiteInsideASunkenEdge) {
  MakeEdit();
  EXPECT_EQ(Pixel(edit, 60, 10), gfx::GetSysColor(gfx::COLOR_WINDOW));
  EXPECT_EQ(Pixel(edit, 0, 0), gfx::GetSysColor(gfx::COLOR_BTNSHADOW));
  EXPECT_EQ(Pixel(edit, 120, 20), gfx::GetSysColor(gfx::COLOR_BTNHIGHLIGHT));
}

TEST_F(EditTest, ReadOnlyAndDisabledPaintButtonFace) {
  MakeEdit("", ES_AUTOHSCROLL | ES_READONLY);
  EXPECT_EQ(Pixel(edit, 60, 10), gfx::GetSysColor(gfx::COLOR_BTNFACE));
  SendMessage(edit, EM_SETREADONLY, 0);
  Pump();
  EXPECT_EQ(Pixel(edit, 60, 10), gfx::GetSysColor(gfx::COLOR_WINDOW));
  EnableWindow(edit, false);
  Pump();
  EXPECT_EQ(Pixel(edit, 60, 10), gfx::GetSysColor(gfx::COLOR_BTNFACE));
}

TEST_F(EditTest, SelectionIsHighlightedWhileFocused) {
  MakeEdit("selected");
  const gfx::COLORREF highlight = gfx::GetSysColor(gfx::COLOR_HIGHLIGHT);
  SendMessage(edit, EM_SETSEL, 0, -1);
  Pump();
  EXPECT_EQ(CountPixels(edit, highlight), 0) << "hidden without the focus";
  SetFocus(edit);
  Pump();
  EXPECT_GT(CountPixels(edit, highlight), 20);
  SendMessage(edit, EM_SETSEL, 0, 0);
  Pump();
  EXPECT_EQ(CountPixels(edit, highlight), 0);
}

TEST_F(EditTest, TextIsDrawnInTheGivenFont) {
  MakeEdit("WWWW");
  const gfx::COLORREF ink = gfx::GetSysColor(gfx::COLOR_WINDOWTEXT);
  const int normal = CountPixels(edit, ink);
  EXPECT_GT(normal, 0);
  gfx::LOGFONT big;
  big.height = -20;
  big.weight = gfx::FW_BOLD;
  big.faceName = "MS Sans Serif";
  gfx::HFONT font = gfx::CreateFontIndirect(big);
  SendMessage(edit, WM_SETFONT, font.Value(), 1);
  Pump();
  EXPECT_GT(CountPixels(edit, ink), normal);
  DestroyWindow(edit);
  gfx::DeleteObject(font);
}

TEST_F(EditTest, CaretShowsOnlyWithTheFocus) {
  MakeEdit();
  const gfx::COLORREF black = gfx::RGB(0, 0, 0);
  const int without = CountPixels(edit, black);
  SetFocus(edit);
  Pump();
  EXPECT_GT(CountPixels(edit, black), without);
}

}  // namespace
}  // namespace pw::win::testing

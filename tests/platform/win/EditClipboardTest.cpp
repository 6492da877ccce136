// The "EDIT" class with the clipboard: copy, cut, paste, clear, undo and select-all by their keys
// and messages, in read-only boxes, at the length limit and across code pages; and the combo
// box's edit part, whose pastes reach the parent as CBN_EDITCHANGE.

#include <optional>

#include "NativeTestSupport.h"
#include "platform/sys/CodePage.h"
#include "platform/win/Clipboard.h"
#include "support/CodePageScope.h"

namespace pw::win::testing {
namespace {

using pw::testing::CodePageScope;

class EditClipboardTest : public NativeControlTest {
 protected:
  HWND edit = nullptr;

  void MakeEdit(std::string_view text, std::uint32_t style = ES_AUTOHSCROLL) {
    edit = Create("EDIT", text, style, 10, 10, 121, 21, 5, WS_EX_CLIENTEDGE);
    ASSERT_NE(edit, nullptr);
    SetFocus(edit);
    Pump();
    commands.clear();
  }
  void Select(int from, int to) { SendMessage(edit, EM_SETSEL, from, to); }
  std::pair<int, int> Selection() {
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
  }
  int Changes() {
    int count = 0;
    for (const Command& c : commands) count += c.code == EN_CHANGE ? 1 : 0;
    return count;
  }
  static std::optional<std::string> Clipboard() { return GetClipboardText(); }
};

TEST_F(EditClipboardTest, CopyAndCutByEveryChord) {
  MakeEdit("hello world");
  Select(0, 5);
  Key(VK_CONTROL, 'C');
  EXPECT_EQ(Clipboard(), "hello");
  Select(6, 11);
  Key(VK_CONTROL, VK_INSERT);
  EXPECT_EQ(Clipboard(), "world");
  EXPECT_EQ(Changes(), 0) << "copying changes nothing";

  Key(VK_CONTROL, 'X');
  EXPECT_EQ(GetWindowText(edit), "hello ");
  EXPECT_EQ(Clipboard(), "world");
  Select(0, 2);
  Key(VK_SHIFT, VK_DELETE);
  EXPECT_EQ(GetWindowText(edit), "llo ");
  EXPECT_EQ(Clipboard(), "he");
  EXPECT_EQ(Changes(), 2);
}

TEST_F(EditClipboardTest, NothingToCopyOrPasteChangesNothing) {
  MakeEdit("abc");
  SetClipboardText("kept");
  Key(VK_CONTROL, 'C');
  Key(VK_CONTROL, 'X');
  Key(VK_SHIFT, VK_DELETE);
  SendMessage(edit, WM_CLEAR);
  EXPECT_EQ(Clipboard(), "kept") << "nothing selected";
  backend->ClearClipboard();
  Key(VK_CONTROL, 'A');
  Key(VK_CONTROL, 'V');
  EXPECT_EQ(GetWindowText(edit), "abc") << "no text on the clipboard";
  EXPECT_EQ(Changes(), 0);
}

TEST_F(EditClipboardTest, PasswordBoxesGiveNothingAway) {
  MakeEdit("secret", ES_AUTOHSCROLL | ES_PASSWORD);
  SetClipboardText("kept");
  Key(VK_CONTROL, 'A');
  Key(VK_CONTROL, 'C');
  Key(VK_CONTROL, 'X');
  SendMessage(edit, WM_COPY);
  EXPECT_EQ(Clipboard(), "kept");
  EXPECT_EQ(GetWindowText(edit), "secret");
  Key(VK_CONTROL, 'V');
  EXPECT_EQ(GetWindowText(edit), "kept") << "pasting into one works";
}

TEST_F(EditClipboardTest, PasteReplacesTheSelectionAsOneReportedChange) {
  MakeEdit("length 1000 mm");
  SetClipboardText("6000");
  Select(7, 11);
  Key(VK_CONTROL, 'V');
  EXPECT_EQ(GetWindowText(edit), "length 6000 mm");
  EXPECT_EQ(Selection(), std::make_pair(11, 11)) << "the caret ends after the pasted text";
  EXPECT_EQ(Changes(), 1);
  Key(VK_SHIFT, VK_INSERT);
  EXPECT_EQ(GetWindowText(edit), "length 60006000 mm");
  SendMessage(edit, WM_PASTE);
  EXPECT_EQ(GetWindowText(edit), "length 600060006000 mm");
  EXPECT_EQ(Changes(), 3);
}

TEST_F(EditClipboardTest, PasteTakesTheTextUpToTheFirstLineBreak) {
  MakeEdit("");
  SetClipboardText("12.5\r\n7\n8");
  Key(VK_CONTROL, 'V');
  EXPECT_EQ(GetWindowText(edit), "12.5");
  SetClipboardText("3\n4");
  Key(VK_CONTROL, 'A');
  Key(VK_CONTROL, 'V');
  EXPECT_EQ(GetWindowText(edit), "3");
  // An empty first line replaces the selection with nothing.
  SetClipboardText("\nlater");
  Key(VK_CONTROL, 'A');
  Key(VK_CONTROL, 'V');
  EXPECT_EQ(GetWindowText(edit), "");
  EXPECT_EQ(Changes(), 3);
}

TEST_F(EditClipboardTest, ReadOnlyBoxesCopyButChangeNothing) {
  MakeEdit("fixed", ES_AUTOHSCROLL | ES_READONLY);
  SetClipboardText("new");
  Key(VK_CONTROL, 'A');
  Key(VK_CONTROL, 'V');
  Key(VK_SHIFT, VK_INSERT);
  Key(VK_CONTROL, 'X');
  Key(VK_SHIFT, VK_DELETE);
  for (unsigned message : {WM_PASTE, WM_CUT, WM_CLEAR, WM_UNDO}) SendMessage(edit, message);
  EXPECT_EQ(GetWindowText(edit), "fixed");
  EXPECT_EQ(Clipboard(), "new") << "cut takes nothing out of a read-only box";
  Key(VK_CONTROL, 'C');
  EXPECT_EQ(Clipboard(), "fixed");
  EXPECT_EQ(Changes(), 0);
}

TEST_F(EditClipboardTest, PasteStopsAtTheLengthLimit) {
  MakeEdit("abc");
  SendMessage(edit, EM_LIMITTEXT, 5);
  SetClipboardText("12345");
  Key(VK_END);
  Key(VK_CONTROL, 'V');
  EXPECT_EQ(GetWindowText(edit), "abc12");
  EXPECT_EQ(Changes(), 1);
  Key(VK_CONTROL, 'V');
  EXPECT_EQ(GetWindowText(edit), "abc12") << "a full box takes nothing";
  EXPECT_EQ(Changes(), 1) << "and reports nothing";
  // Over a selection the selected text makes room.
  Select(0, 3);
  Key(VK_CONTROL, 'V');
  EXPECT_EQ(GetWindowText(edit), "12312");
}

TEST_F(EditClipboardTest, PasteConvertsToTheCodePage) {
  CodePageScope western(sys::kCodePageWestern);
  MakeEdit("");
  SetClipboardText("\xD8\xB7\xD9\x88\xD9\x84 6000 caf\xC3\xA9");  // Persian "length", then Latin
  Key(VK_CONTROL, 'V');
  EXPECT_EQ(GetWindowText(edit), "??? 6000 caf\xE9");
  // Copying converts back to UTF-8.
  Select(9, 13);
  Key(VK_CONTROL, 'C');
  EXPECT_EQ(Clipboard(), "caf\xC3\xA9");
}

TEST_F(EditClipboardTest, Utf8PasteAtTheLimitKeepsWholeCharacters) {
  CodePageScope utf8(sys::kCodePageUtf8);
  MakeEdit("a");
  SendMessage(edit, EM_LIMITTEXT, 4);
  SetClipboardText("\xC3\xA9\xC3\xA9");  // two characters of two bytes
  Key(VK_END);
  Key(VK_CONTROL, 'V');
  EXPECT_EQ(GetWindowText(edit), "a\xC3\xA9");
}

TEST_F(EditClipboardTest, UndoTakesBackTheLastEditAndUndoAgainRedoesIt) {
  MakeEdit("1000");
  EXPECT_EQ(SendMessage(edit, EM_CANUNDO), 0);
  SetClipboardText("6000");
  Key(VK_CONTROL, 'A');
  Key(VK_CONTROL, 'V');
  EXPECT_EQ(SendMessage(edit, EM_CANUNDO), 1);
  Key(VK_CONTROL, 'Z');
  EXPECT_EQ(GetWindowText(edit), "1000");
  EXPECT_EQ(Selection(), std::make_pair(0, 4)) << "the selection comes back too";
  KeyDown(VK_MENU);
  Key(VK_BACK);
  KeyUp(VK_MENU);
  EXPECT_EQ(GetWindowText(edit), "6000") << "Alt+Backspace undoes the undo";
  EXPECT_EQ(SendMessage(edit, EM_UNDO), 1);
  EXPECT_EQ(GetWindowText(edit), "1000");
  SendMessage(edit, WM_UNDO);
  EXPECT_EQ(GetWindowText(edit), "6000");
  EXPECT_EQ(Changes(), 5) << "the paste and each undo";
}

TEST_F(EditClipboardTest, TypingUndoesAsOneStepUntilTheCaretMoves) {
  MakeEdit("");
  Type("12");
  Key(VK_LEFT);
  Type("5");
  EXPECT_EQ(GetWindowText(edit), "152");
  Key(VK_CONTROL, 'Z');
  EXPECT_EQ(GetWindowText(edit), "12");
  Key(VK_END);
  Type("\b\b");
  Key(VK_CONTROL, 'Z');
  EXPECT_EQ(GetWindowText(edit), "12") << "the Backspaces undo together";
}

TEST_F(EditClipboardTest, TheProgramsTextEmptiesTheUndoBuffer) {
  MakeEdit("");
  Type("7");
  SetWindowText(edit, "8");
  EXPECT_EQ(SendMessage(edit, EM_CANUNDO), 0);
  Key(VK_CONTROL, 'Z');
  EXPECT_EQ(GetWindowText(edit), "8");
  Key(VK_END);
  Type("9");
  SendMessage(edit, EM_EMPTYUNDOBUFFER);
  EXPECT_EQ(SendMessage(edit, EM_UNDO), 0);
  EXPECT_EQ(GetWindowText(edit), "89");
  // EM_REPLACESEL is undoable only when asked.
  SendMessage(edit, EM_REPLACESEL, 1, reinterpret_cast<LPARAM>("0"));
  EXPECT_EQ(SendMessage(edit, EM_CANUNDO), 1);
  SendMessage(edit, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("1"));
  EXPECT_EQ(SendMessage(edit, EM_CANUNDO), 0);
}

TEST_F(EditClipboardTest, UndoRespectsTheLengthLimit) {
  MakeEdit("");
  Type("12345");
  Key(VK_CONTROL, 'A');
  Type("6");
  SendMessage(edit, EM_LIMITTEXT, 3);
  Key(VK_CONTROL, 'Z');
  EXPECT_EQ(GetWindowText(edit), "6") << "the old text no longer fits";
}

TEST_F(EditClipboardTest, CtrlASelectsAllAndClearDeletesTheSelection) {
  MakeEdit("abcdef");
  Key(VK_CONTROL, 'A');
  EXPECT_EQ(Selection(), std::make_pair(0, 6));
  EXPECT_EQ(Changes(), 0);
  Select(1, 3);
  SendMessage(edit, WM_CLEAR);
  EXPECT_EQ(GetWindowText(edit), "adef");
  EXPECT_EQ(Changes(), 1);
}

TEST_F(EditClipboardTest, ComboBoxEditPartReportsPastesAsEditChanges) {
  HWND combo = Create("COMBOBOX", "", CBS_DROPDOWN, 10, 40, 120, 21, 9);
  for (const char* item : {"IPB 100", "IPB 120"}) {
    SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  SendMessage(combo, CB_SETCURSEL, 1);
  SetFocus(combo);
  Pump();
  commands.clear();
  SetClipboardText("IPB 100");
  Key(VK_CONTROL, 'A');
  Key(VK_CONTROL, 'V');
  EXPECT_EQ(GetWindowText(combo), "IPB 100");
  Key(VK_CONTROL, 'Z');
  EXPECT_EQ(GetWindowText(combo), "IPB 120");
  const std::vector<Command> expected = {{9, CBN_EDITCHANGE, combo}, {9, CBN_EDITCHANGE, combo}};
  EXPECT_EQ(commands, expected);
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL), -1) << "typed text selects no item, pasted neither";
}

}  // namespace
}  // namespace pw::win::testing

// The native "EDIT" class: a single-line edit field with a caret, a selection, typing, Backspace,
// Delete, Home, End and the arrows (Shift extends the selection, Ctrl moves by words), mouse
// placement and drag selection, read-only mode, a length limit and the upper/lower case and
// password styles; the clipboard (Ctrl+C / Ctrl+Insert, Ctrl+X / Shift+Delete, Ctrl+V /
// Shift+Insert), one level of undo (Ctrl+Z, Alt+Backspace), Ctrl+A and a context menu (right
// button, Shift+F10, the Menu key). It tells its parent about every change of its text, typed,
// pasted or assigned, with EN_CHANGE.

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/gfx/Gdi.h"
#include "platform/gfx/Text.h"
#include "platform/sys/CodePage.h"
#include "platform/win/Clipboard.h"
#include "platform/win/Messages.h"
#include "platform/win/NativeClasses.h"
#include "platform/win/NativeSupport.h"
#include "platform/win/PopupMenu.h"
#include "platform/win/TextEditing.h"
#include "platform/win/Window.h"

namespace pw::win::native {
namespace {

constexpr std::size_t kDefaultLimit = 32767;

// The text and selection before an edit, for undoing it.
struct Snapshot {
  std::string text;
  std::size_t anchor = 0;
  std::size_t caret = 0;
};

// Edits of a kind that follow each other with the caret left alone undo as one step.
enum class EditRun { kNone, kTyping, kDeleting };

std::uint32_t Style(HWND window) {
  return static_cast<std::uint32_t>(GetWindowLong(window, GWL_STYLE));
}
bool ReadOnly(HWND window) {
  return (Style(window) & ES_READONLY) != 0;
}

std::string ApplyCase(HWND window, std::string text) {
  const std::uint32_t style = Style(window);
  for (char& c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte >= 0x80) continue;
    if (style & ES_UPPERCASE) c = static_cast<char>(std::toupper(byte));
    if (style & ES_LOWERCASE) c = static_cast<char>(std::tolower(byte));
  }
  return text;
}

// The inside of the border, where the text goes.
RECT TextArea(HWND window) {
  RECT area;
  GetClientRect(window, area);
  int inset = 0;
  if (GetWindowLong(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) {
    inset = 2;
  } else if (Style(window) & WS_BORDER) {
    inset = 1;
  }
  area.left += inset + 1;
  area.right -= inset + 1;
  area.top += inset;
  area.bottom -= inset;
  return area;
}

// An edit window: its text, selection and undo, and one handler per message.
class EditField final : public NativeWindow {
 public:
  using NativeWindow::NativeWindow;
  static MessageMap<EditField> Messages();

 private:
  // Creation, text, font, focus
  LRESULT OnCreate(WPARAM, LPARAM);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetText(WPARAM, LPARAM lParam);
  LRESULT OnGetText(WPARAM size, LPARAM buffer) {
    return CopyTextOut(editor_.text(), size, buffer);
  }
  LRESULT OnGetTextLength(WPARAM, LPARAM) { return static_cast<LRESULT>(editor_.text().size()); }
  LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
  LRESULT OnGetDlgCode(WPARAM, LPARAM) { return DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL; }
  LRESULT OnSetFocus(WPARAM, LPARAM);
  LRESULT OnKillFocus(WPARAM, LPARAM);
  LRESULT OnEnable(WPARAM, LPARAM);
  // Keys and mouse
  LRESULT OnKeyDown(WPARAM key, LPARAM);
  LRESULT OnSysKeyDown(WPARAM key, LPARAM lParam);
  LRESULT OnChar(WPARAM code, LPARAM);
  LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnLButtonDblClk(WPARAM, LPARAM lParam);
  LRESULT OnMouseMove(WPARAM, LPARAM lParam);
  LRESULT OnLButtonUp(WPARAM, LPARAM);
  LRESULT OnCaptureChanged(WPARAM, LPARAM);
  LRESULT OnRButtonDown(WPARAM, LPARAM);
  LRESULT OnRButtonUp(WPARAM, LPARAM lParam);
  // Edit control messages
  LRESULT OnGetSel(WPARAM start, LPARAM end);
  LRESULT OnSetSel(WPARAM anchor, LPARAM caret);
  LRESULT OnReplaceSel(WPARAM undoable, LPARAM text);
  LRESULT OnLimitText(WPARAM limit, LPARAM);
  LRESULT OnSetReadOnly(WPARAM readOnly, LPARAM);
  // Clipboard, undo and the context menu
  LRESULT OnCopy(WPARAM, LPARAM);
  LRESULT OnCut(WPARAM, LPARAM);
  LRESULT OnPaste(WPARAM, LPARAM);
  LRESULT OnClear(WPARAM, LPARAM);
  LRESULT OnUndo(WPARAM, LPARAM) { return Undo() ? 1 : 0; }
  LRESULT OnCanUndo(WPARAM, LPARAM) { return undo_ ? 1 : 0; }
  LRESULT OnEmptyUndoBuffer(WPARAM, LPARAM);
  LRESULT OnContextMenu(WPARAM, LPARAM lParam);
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  // Painting
  LRESULT OnEraseBackground(WPARAM, LPARAM) { return 1; }  // the paint fills everything
  LRESULT OnPaint(WPARAM, LPARAM);

  gfx::HFONT Font() const { return font_ ? font_ : DefaultControlFont(); }
  std::string Shown() const;
  std::size_t ShownPosition(std::size_t position) const;
  int OffsetOf(std::size_t position) const;
  std::size_t PositionAt(int offset) const;
  std::size_t PositionAtPoint(LPARAM lParam) const;
  void KeepCaretVisible();
  void Changed(bool notify);
  void SelectionMoved();
  template <typename Change>
  bool ChangeText(EditRun run, Change change);
  void Type(std::string_view typed);
  void TypeByte(unsigned char byte);
  bool CanCopy() const;
  bool CanChange() const { return !ReadOnly(window()); }
  void Copy() const;
  void Clear();
  void Cut();
  void Paste();
  bool Undo();
  void SelectAll();
  bool OnCommandKey(WPARAM key);
  std::vector<MenuItem> ContextMenuItems() const;
  void PaintFrame(HDC dc, RECT& inside) const;
  void PaintText(HDC dc) const;

  LineEditor editor_{sys::CodePage() == sys::kCodePageUtf8};
  std::size_t limit_ = kDefaultLimit;
  // One level of undo: undoing swaps it with the current text, so undoing again redoes.
  std::optional<Snapshot> undo_;
  EditRun run_ = EditRun::kNone;
  gfx::HFONT font_ = nullptr;
  bool focused_ = false;
  bool created_ = false;
  bool dragging_ = false;
  int scroll_ = 0;       // pixels of text scrolled out at the left
  std::string pending_;  // an incomplete UTF-8 sequence typed byte by byte
};

MessageMap<EditField> EditField::Messages() {
  static constexpr MessageHandler<EditField> kMap[] = {
      {WM_CREATE, &EditField::OnCreate},
      {WM_DESTROY, &EditField::OnDestroy},
      {WM_SETTEXT, &EditField::OnSetText},
      {WM_GETTEXT, &EditField::OnGetText},
      {WM_GETTEXTLENGTH, &EditField::OnGetTextLength},
      {WM_SETFONT, &EditField::OnSetFont},
      {WM_GETDLGCODE, &EditField::OnGetDlgCode},
      {WM_SETFOCUS, &EditField::OnSetFocus},
      {WM_KILLFOCUS, &EditField::OnKillFocus},
      {WM_ENABLE, &EditField::OnEnable},
      {WM_KEYDOWN, &EditField::OnKeyDown},
      {WM_SYSKEYDOWN, &EditField::OnSysKeyDown},
      {WM_CHAR, &EditField::OnChar},
      {WM_LBUTTONDOWN, &EditField::OnLButtonDown},
      {WM_LBUTTONDBLCLK, &EditField::OnLButtonDblClk},
      {WM_MOUSEMOVE, &EditField::OnMouseMove},
      {WM_LBUTTONUP, &EditField::OnLButtonUp},
      {WM_CAPTURECHANGED, &EditField::OnCaptureChanged},
      {WM_RBUTTONDOWN, &EditField::OnRButtonDown},
      {WM_RBUTTONUP, &EditField::OnRButtonUp},
      {EM_GETSEL, &EditField::OnGetSel},
      {EM_SETSEL, &EditField::OnSetSel},
      {EM_REPLACESEL, &EditField::OnReplaceSel},
      {EM_LIMITTEXT, &EditField::OnLimitText},
      {EM_SETREADONLY, &EditField::OnSetReadOnly},
      {WM_COPY, &EditField::OnCopy},
      {WM_CUT, &EditField::OnCut},
      {WM_PASTE, &EditField::OnPaste},
      {WM_CLEAR, &EditField::OnClear},
      {WM_UNDO, &EditField::OnUndo},
      {EM_UNDO, &EditField::OnUndo},
      {EM_CANUNDO, &EditField::OnCanUndo},
      {EM_EMPTYUNDOBUFFER, &EditField::OnEmptyUndoBuffer},
      {WM_CONTEXTMENU, &EditField::OnContextMenu},
      {WM_COMMAND, &EditField::OnCommand},
      {WM_ERASEBKGND, &EditField::OnEraseBackground},
      {WM_PAINT, &EditField::OnPaint},
  };
  return kMap;
}

// ---- Measuring

// The text as it shows: password fields show one '*' per character.
std::string EditField::Shown() const {
  const std::string& text = editor_.text();
  if (!(Style(window()) & ES_PASSWORD)) return text;
  std::string stars;
  for (std::size_t at = 0; at < text.size(); at = editor_.Next(at)) stars += '*';
  return stars;
}

// The position in the shown text of a position in the text.
std::size_t EditField::ShownPosition(std::size_t position) const {
  if (!(Style(window()) & ES_PASSWORD)) return position;
  std::size_t count = 0;
  for (std::size_t at = 0; at < position && at < editor_.text().size(); at = editor_.Next(at))
    ++count;
  return count;
}

// Pixel offset of a text position from the start of the text.
int EditField::OffsetOf(std::size_t position) const {
  const std::string shown = Shown();
  const std::size_t at = std::min(ShownPosition(position), shown.size());
  if (at == 0) return 0;
  HDC dc = GetDC(window());
  if (!dc) return 0;
  gfx::HGDIOBJ old = gfx::SelectObject(dc, Font());
  SIZE size;
  gfx::GetTextExtentPoint32A(dc, std::string_view(shown).substr(0, at), size);
  gfx::SelectObject(dc, old);
  ReleaseDC(window(), dc);
  return size.cx;
}

// The text position nearest to a pixel offset from the start of the text.
std::size_t EditField::PositionAt(int offset) const {
  const std::string& text = editor_.text();
  std::size_t best = 0;
  int bestDistance = offset < 0 ? -offset : offset;
  for (std::size_t at = editor_.Next(0); at <= text.size() && !text.empty();
       at = editor_.Next(at)) {
    const int distance = std::abs(OffsetOf(at) - offset);
    if (distance < bestDistance) {
      best = at;
      bestDistance = distance;
    }
    if (at == text.size()) break;
  }
  return best;
}

// The text position nearest to a mouse message's point.
std::size_t EditField::PositionAtPoint(LPARAM lParam) const {
  const RECT area = TextArea(window());
  return PositionAt(GET_X_LPARAM(lParam) - area.left + scroll_);
}

// Scrolls so that the caret is inside the text area.
void EditField::KeepCaretVisible() {
  const RECT area = TextArea(window());
  const int width = std::max(1, area.Width() - 1);
  const int caret = OffsetOf(editor_.caret());
  if (caret < scroll_) {
    scroll_ = caret;
  } else if (caret - scroll_ > width) {
    scroll_ = caret - width;
  }
  if (scroll_ < 0) scroll_ = 0;
}

// ---- Changes of the text and the selection

void EditField::Changed(bool notify) {
  DefWindowProc(window(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(editor_.text().c_str()));
  KeepCaretVisible();
  InvalidateRect(window(), nullptr, true);
  if (notify && created_) Notify(window(), EN_CHANGE);
}

void EditField::SelectionMoved() {
  run_ = EditRun::kNone;
  KeepCaretVisible();
  InvalidateRect(window(), nullptr, true);
}

// A change of the text by `change` (a function of the line editor that says whether the text
// changed), remembered for undo and reported.
template <typename Change>
bool EditField::ChangeText(EditRun run, Change change) {
  Snapshot before{editor_.text(), editor_.anchor(), editor_.caret()};
  if (!change(editor_)) return false;
  if (run == EditRun::kNone || run != run_) undo_ = std::move(before);
  run_ = run;
  Changed(true);
  return true;
}

void EditField::Type(std::string_view typed) {
  if (ReadOnly(window())) return;
  const std::string text = ApplyCase(window(), std::string(typed));
  ChangeText(EditRun::kTyping, [&](LineEditor& editor) { return editor.Replace(text, limit_); });
}

// ---- Creation, text, font, focus

LRESULT EditField::OnCreate(WPARAM, LPARAM) {
  // The text given at creation is kept by the core until now.
  std::string text(static_cast<std::size_t>(Default(WM_GETTEXTLENGTH, 0, 0)), '\0');
  text.resize(static_cast<std::size_t>(
      Default(WM_GETTEXT, text.size() + 1, reinterpret_cast<LPARAM>(text.data()))));
  editor_.SetText(ApplyCase(window(), text));
  created_ = true;
  return 0;
}

LRESULT EditField::OnDestroy(WPARAM wParam, LPARAM lParam) {
  if (GetMenuOwner() == window()) EndMenu();
  return Default(WM_DESTROY, wParam, lParam);
}

LRESULT EditField::OnSetText(WPARAM, LPARAM lParam) {
  const std::string text = ApplyCase(window(), std::string(TextArgument(lParam)));
  const bool same = text == editor_.text();
  editor_.SetText(text);
  scroll_ = 0;
  undo_.reset();  // the program's text cannot be undone
  run_ = EditRun::kNone;
  if (same) {
    InvalidateRect(window(), nullptr, true);
  } else {
    Changed(true);
  }
  return 1;
}

LRESULT EditField::OnSetFont(WPARAM wParam, LPARAM lParam) {
  font_ = FontArgument(wParam);
  if (lParam) InvalidateRect(window(), nullptr, true);
  return 0;
}

LRESULT EditField::OnSetFocus(WPARAM, LPARAM) {
  focused_ = true;
  InvalidateRect(window(), nullptr, true);
  return 0;
}

LRESULT EditField::OnKillFocus(WPARAM, LPARAM) {
  if (GetMenuOwner() == window()) EndMenu();
  focused_ = false;
  InvalidateRect(window(), nullptr, true);
  return 0;
}

LRESULT EditField::OnEnable(WPARAM, LPARAM) {
  InvalidateRect(window(), nullptr, true);
  return 0;
}

// ---- Keys

LRESULT EditField::OnKeyDown(WPARAM key, LPARAM) {
  if (OnCommandKey(key)) return 0;
  const bool shift = KeyDown(VK_SHIFT);
  const bool control = KeyDown(VK_CONTROL);
  switch (key) {
    case VK_LEFT:
      editor_.MoveLeft(shift, control);
      SelectionMoved();
      break;
    case VK_RIGHT:
      editor_.MoveRight(shift, control);
      SelectionMoved();
      break;
    case VK_HOME:
      editor_.MoveHome(shift);
      SelectionMoved();
      break;
    case VK_END:
      editor_.MoveEnd(shift);
      SelectionMoved();
      break;
    case VK_DELETE:
      if (!ReadOnly(window())) {
        ChangeText(EditRun::kDeleting, [](LineEditor& line) { return line.DeleteForward(); });
      }
      break;
    default:
      break;
  }
  return 0;
}

// The keys of the clipboard, undo, select-all and the context menu; true when the key was one.
bool EditField::OnCommandKey(WPARAM key) {
  const bool shift = KeyDown(VK_SHIFT);
  const bool control = KeyDown(VK_CONTROL) && !KeyDown(VK_MENU);
  if (control && !shift) {
    switch (key) {
      case 'C':
      case VK_INSERT:
        Copy();
        return true;
      case 'X':
        Cut();
        return true;
      case 'V':
        Paste();
        return true;
      case 'Z':
        Undo();
        return true;
      case 'A':
        SelectAll();
        return true;
      default:
        return false;
    }
  }
  if (shift && !control) {
    switch (key) {
      case VK_INSERT:
        Paste();
        return true;
      case VK_DELETE:
        Cut();
        return true;
      case VK_F10:
        SendMessage(window(), WM_CONTEXTMENU, WParamOf(window()), -1);
        return true;
      default:
        return false;
    }
  }
  if (key == VK_APPS && !control) {
    SendMessage(window(), WM_CONTEXTMENU, WParamOf(window()), -1);
    return true;
  }
  return false;
}

LRESULT EditField::OnSysKeyDown(WPARAM key, LPARAM lParam) {
  if (key != VK_BACK) return Default(WM_SYSKEYDOWN, key, lParam);
  Undo();  // Alt+Backspace
  return 0;
}

// WM_CHAR: a byte of the process code page, or (above 0xFF) a Unicode character.
LRESULT EditField::OnChar(WPARAM code, LPARAM) {
  if (code == VK_BACK) {
    pending_.clear();
    if (!ReadOnly(window())) {
      ChangeText(EditRun::kDeleting, [](LineEditor& editor) { return editor.DeleteBackward(); });
    }
    return 0;
  }
  if (code > 0xFF) {
    Type(sys::WideToNarrow(sys::CodePointToWide(static_cast<char32_t>(code))));
    return 0;
  }
  const unsigned char byte = static_cast<unsigned char>(code);
  if (byte < 0x20 || byte == 0x7F) return 0;  // control characters do not type
  TypeByte(byte);
  return 0;
}

void EditField::TypeByte(unsigned char byte) {
  if (sys::CodePage() != sys::kCodePageUtf8 || byte < 0x80) {
    pending_.clear();
    Type(std::string(1, static_cast<char>(byte)));
    return;
  }
  // UTF-8 arriving byte by byte: collect a whole character before it goes in.
  if ((byte & 0xC0) != 0x80) pending_.clear();
  pending_ += static_cast<char>(byte);
  const unsigned char lead = static_cast<unsigned char>(pending_[0]);
  const std::size_t need = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  if (pending_.size() >= need) {
    const std::string complete = pending_;
    pending_.clear();
    if ((lead & 0xC0) != 0x80) Type(complete);
  }
}

// ---- Mouse

LRESULT EditField::OnLButtonDown(WPARAM wParam, LPARAM lParam) {
  if (GetFocus() != window()) SetFocus(window());
  editor_.MoveTo(PositionAtPoint(lParam), (wParam & MK_SHIFT) != 0);
  dragging_ = true;
  SetCapture(window());
  SelectionMoved();
  return 0;
}

LRESULT EditField::OnLButtonDblClk(WPARAM, LPARAM lParam) {
  editor_.SelectWordAt(PositionAtPoint(lParam));
  SelectionMoved();
  return 0;
}

LRESULT EditField::OnMouseMove(WPARAM, LPARAM lParam) {
  if (dragging_) {
    editor_.MoveTo(PositionAtPoint(lParam), true);
    SelectionMoved();
  }
  return 0;
}

LRESULT EditField::OnLButtonUp(WPARAM, LPARAM) {
  if (dragging_) {
    dragging_ = false;
    if (GetCapture() == window()) ReleaseCapture();
  }
  return 0;
}

LRESULT EditField::OnCaptureChanged(WPARAM, LPARAM) {
  dragging_ = false;
  return 0;
}

LRESULT EditField::OnRButtonDown(WPARAM, LPARAM) {
  if (GetFocus() != window()) SetFocus(window());
  return 0;
}

LRESULT EditField::OnRButtonUp(WPARAM, LPARAM lParam) {
  POINT at = MousePoint(lParam);
  ClientToScreen(window(), at);
  SendMessage(window(), WM_CONTEXTMENU, WParamOf(window()), MAKELPARAM(at.x, at.y));
  return 0;
}

// ---- Edit control messages

LRESULT EditField::OnGetSel(WPARAM start, LPARAM end) {
  const auto from = static_cast<std::uint32_t>(editor_.selectionStart());
  const auto to = static_cast<std::uint32_t>(editor_.selectionEnd());
  if (auto* out = reinterpret_cast<std::uint32_t*>(start)) *out = from;
  if (auto* out = reinterpret_cast<std::uint32_t*>(end)) *out = to;
  return MAKELPARAM(static_cast<int>(from), static_cast<int>(to));
}

LRESULT EditField::OnSetSel(WPARAM anchor, LPARAM caret) {
  editor_.SetSelection(SignedArgument(anchor), SignedArgument(caret));
  SelectionMoved();
  return 0;
}

LRESULT EditField::OnReplaceSel(WPARAM undoable, LPARAM lParam) {
  const std::string text = ApplyCase(window(), std::string(TextArgument(lParam)));
  if (ChangeText(EditRun::kNone, [&](LineEditor& editor) { return editor.Replace(text); }) &&
      !undoable) {
    undo_.reset();
  }
  return 0;
}

LRESULT EditField::OnLimitText(WPARAM limit, LPARAM) {
  limit_ = limit == 0 ? 0x7FFFFFFE : static_cast<std::size_t>(limit);
  return 0;
}

LRESULT EditField::OnSetReadOnly(WPARAM readOnly, LPARAM) {
  const std::uint32_t style = Style(window());
  SetWindowLong(window(), GWL_STYLE, readOnly ? (style | ES_READONLY) : (style & ~ES_READONLY));
  InvalidateRect(window(), nullptr, true);
  return 1;
}

// ---- Clipboard, undo and the context menu

// Password fields give nothing away.
bool EditField::CanCopy() const {
  return editor_.hasSelection() && !(Style(window()) & ES_PASSWORD);
}

void EditField::Copy() const {
  if (!CanCopy()) return;
  SetClipboardNarrowText(
      std::string_view(editor_.text())
          .substr(editor_.selectionStart(), editor_.selectionEnd() - editor_.selectionStart()));
}

// Deletes the selection (WM_CLEAR, the menu's Delete).
void EditField::Clear() {
  if (!CanChange() || !editor_.hasSelection()) return;
  ChangeText(EditRun::kNone, [](LineEditor& editor) { return editor.Replace({}); });
}

void EditField::Cut() {
  if (!CanChange() || !CanCopy()) return;
  Copy();
  Clear();
}

// The clipboard's text up to its first line break, in the process code page, as if typed at
// once: in place of the selection and as far as the length limit allows.
void EditField::Paste() {
  if (!CanChange()) return;
  const std::optional<std::string> clipboard = GetClipboardNarrowText();
  if (!clipboard) return;
  const std::string_view breaks("\r\n\0", 3);
  const std::string line =
      ApplyCase(window(), clipboard->substr(0, clipboard->find_first_of(breaks)));
  ChangeText(EditRun::kNone, [&](LineEditor& editor) { return editor.Replace(line, limit_); });
}

bool EditField::Undo() {
  if (!CanChange() || !undo_ || undo_->text.size() > limit_) return false;
  Snapshot current{editor_.text(), editor_.anchor(), editor_.caret()};
  const Snapshot restored = std::exchange(*undo_, std::move(current));
  const bool changed = restored.text != editor_.text();
  editor_.SetText(restored.text);
  editor_.SetSelection(static_cast<int>(restored.anchor), static_cast<int>(restored.caret));
  run_ = EditRun::kNone;
  if (changed) {
    Changed(true);
  } else {
    SelectionMoved();
  }
  return true;
}

void EditField::SelectAll() {
  editor_.SelectAll();
  SelectionMoved();
}

LRESULT EditField::OnCopy(WPARAM, LPARAM) {
  Copy();
  return 0;
}
LRESULT EditField::OnCut(WPARAM, LPARAM) {
  Cut();
  return 0;
}
LRESULT EditField::OnPaste(WPARAM, LPARAM) {
  Paste();
  return 0;
}
LRESULT EditField::OnClear(WPARAM, LPARAM) {
  Clear();
  return 0;
}

LRESULT EditField::OnEmptyUndoBuffer(WPARAM, LPARAM) {
  undo_.reset();
  run_ = EditRun::kNone;
  return 0;
}

// The context menu's items: the commands' message numbers are their ids.
std::vector<MenuItem> EditField::ContextMenuItems() const {
  const bool change = CanChange();
  const bool all = editor_.selectionStart() == 0 && editor_.selectionEnd() == editor_.text().size();
  return {{"&Undo", WM_UNDO, change && undo_.has_value()},
          {"", 0, false},
          {"Cu&t", WM_CUT, change && CanCopy()},
          {"&Copy", WM_COPY, CanCopy()},
          {"&Paste", WM_PASTE, change && IsClipboardTextAvailable()},
          {"&Delete", WM_CLEAR, change && editor_.hasSelection()},
          {"", 0, false},
          {"Select &All", EM_SETSEL, !all}};
}

// WM_CONTEXTMENU: at the pointer, or (lParam -1, from the keyboard) below the caret.
LRESULT EditField::OnContextMenu(WPARAM, LPARAM lParam) {
  if (GetFocus() != window()) SetFocus(window());
  if (!IsWindow(window())) return 0;
  const bool keyboard = static_cast<std::uint32_t>(lParam) == 0xFFFFFFFFu;
  POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (keyboard) {
    const RECT area = TextArea(window());
    at = POINT{area.left - scroll_ + OffsetOf(editor_.caret()), area.bottom};
    ClientToScreen(window(), at);
  }
  TrackPopupMenu(ContextMenuItems(), at, window(), keyboard);
  return 0;
}

// The context menu's choice comes as a command with the chosen command's own message.
LRESULT EditField::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (lParam != 0 || HIWORD(wParam) != 0) return Default(WM_COMMAND, wParam, lParam);
  if (LOWORD(wParam) == static_cast<int>(EM_SETSEL)) {
    SelectAll();
  } else {
    SendMessage(window(), static_cast<unsigned>(LOWORD(wParam)), 0, 0);
  }
  return 0;
}

// ---- Painting

// The border and the background inside it; `inside` becomes the part within the border.
void EditField::PaintFrame(HDC dc, RECT& inside) const {
  if (GetWindowLong(window(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) {
    gfx::DrawEdge(dc, inside, gfx::EDGE_SUNKEN, gfx::BF_RECT | gfx::BF_ADJUST);
  } else if (Style(window()) & WS_BORDER) {
    gfx::FrameRect(dc, inside, gfx::GetSysColorBrush(gfx::COLOR_WINDOWFRAME));
    inside.left += 1;
    inside.top += 1;
    inside.right -= 1;
    inside.bottom -= 1;
  }
  const bool enabled = IsWindowEnabled(window());
  const bool grey = ReadOnly(window()) || !enabled;
  gfx::SetTextColor(dc, gfx::GetSysColor(enabled ? gfx::COLOR_WINDOWTEXT : gfx::COLOR_GRAYTEXT));
  gfx::SetBkColor(dc, gfx::GetSysColor(grey ? gfx::COLOR_BTNFACE : gfx::COLOR_WINDOW));
  gfx::HBRUSH background =
      ParentColorBrush(window(), grey ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT, dc,
                       gfx::GetSysColorBrush(grey ? gfx::COLOR_BTNFACE : gfx::COLOR_WINDOW));
  gfx::FillRect(dc, inside, background);
}

// The text, the selection over it and the caret, clipped to the text area.
void EditField::PaintText(HDC dc) const {
  const RECT area = TextArea(window());
  gfx::IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  gfx::SelectObject(dc, Font());
  gfx::TEXTMETRIC metrics;
  gfx::GetTextMetrics(dc, metrics);
  const int top = area.top + std::max(0, (area.Height() - metrics.height) / 2);
  const int origin = area.left - scroll_;
  const std::string shown = Shown();
  gfx::SetBkMode(dc, gfx::TRANSPARENT);
  RECT line{origin, top, origin + 0x7FFF, top + metrics.height};
  constexpr unsigned kFlags = gfx::DT_LEFT | gfx::DT_SINGLELINE | gfx::DT_NOPREFIX | gfx::DT_NOCLIP;
  gfx::DrawTextA(dc, shown, line, kFlags);

  const bool showSelection = focused_ || (Style(window()) & ES_NOHIDESEL);
  if (showSelection && editor_.hasSelection()) {
    const int from = OffsetOf(editor_.selectionStart());
    const int to = OffsetOf(editor_.selectionEnd());
    RECT band{origin + from, top, origin + to, top + metrics.height};
    gfx::FillRect(dc, band, gfx::GetSysColorBrush(gfx::COLOR_HIGHLIGHT));
    gfx::SetTextColor(dc, gfx::GetSysColor(gfx::COLOR_HIGHLIGHTTEXT));
    const std::size_t start = ShownPosition(editor_.selectionStart());
    const std::size_t end = ShownPosition(editor_.selectionEnd());
    RECT selected{origin + from, top, origin + to + 0x7FFF, top + metrics.height};
    gfx::DrawTextA(dc, std::string_view(shown).substr(start, end - start), selected, kFlags);
  }
  if (focused_ && IsWindowEnabled(window())) {
    const int x = origin + OffsetOf(editor_.caret());
    RECT caret{x, top, x + 1, top + metrics.height};
    gfx::FillRect(dc, caret, gfx::GetStockBrush(gfx::BLACK_BRUSH));
  }
}

LRESULT EditField::OnPaint(WPARAM, LPARAM) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window(), paint);
  if (!dc) return 0;
  RECT inside;
  GetClientRect(window(), inside);
  PaintFrame(dc, inside);
  gfx::SaveDC(dc);
  PaintText(dc);
  gfx::RestoreDC(dc, -1);
  EndPaint(window(), paint);
  return 0;
}

}  // namespace

void RegisterEditClass() {
  RegisterClass({"EDIT", CS_DBLCLKS, ControlProc<EditField>});
}

}  // namespace pw::win::native

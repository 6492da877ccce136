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

struct EditState {
  LineEditor editor{sys::CodePage() == sys::kCodePageUtf8};
  std::size_t limit = kDefaultLimit;
  // One level of undo: undoing swaps it with the current text, so undoing again redoes.
  std::optional<Snapshot> undo;
  EditRun run = EditRun::kNone;
  gfx::HFONT font = nullptr;
  bool focused = false;
  bool created = false;
  bool dragging = false;
  int scroll = 0;       // pixels of text scrolled out at the left
  std::string pending;  // an incomplete UTF-8 sequence typed byte by byte
};

StateTable<EditState>& States() {
  static StateTable<EditState> table;
  return table;
}

std::uint32_t Style(HWND window) {
  return static_cast<std::uint32_t>(GetWindowLong(window, GWL_STYLE));
}
bool ReadOnly(HWND window) {
  return (Style(window) & ES_READONLY) != 0;
}

gfx::HFONT FontOf(const EditState& state) {
  return state.font ? state.font : DefaultControlFont();
}

// The text as it shows: password fields show one '*' per character.
std::string Shown(HWND window, const EditState& state) {
  const std::string& text = state.editor.text();
  if (!(Style(window) & ES_PASSWORD)) return text;
  std::string stars;
  for (std::size_t at = 0; at < text.size(); at = state.editor.Next(at)) stars += '*';
  return stars;
}

// The position in the shown text of a position in the text.
std::size_t ShownPosition(HWND window, const EditState& state, std::size_t position) {
  if (!(Style(window) & ES_PASSWORD)) return position;
  std::size_t count = 0;
  for (std::size_t at = 0; at < position && at < state.editor.text().size();
       at = state.editor.Next(at))
    ++count;
  return count;
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

// Pixel offset of a text position from the start of the text.
int OffsetOf(HWND window, EditState& state, std::size_t position) {
  const std::string shown = Shown(window, state);
  const std::size_t at = std::min(ShownPosition(window, state, position), shown.size());
  if (at == 0) return 0;
  HDC dc = GetDC(window);
  if (!dc) return 0;
  gfx::HGDIOBJ old = gfx::SelectObject(dc, FontOf(state));
  SIZE size;
  gfx::GetTextExtentPoint32A(dc, std::string_view(shown).substr(0, at), size);
  gfx::SelectObject(dc, old);
  ReleaseDC(window, dc);
  return size.cx;
}

// The text position nearest to a pixel offset from the start of the text.
std::size_t PositionAt(HWND window, EditState& state, int offset) {
  const std::string& text = state.editor.text();
  std::size_t best = 0;
  int bestDistance = offset < 0 ? -offset : offset;
  for (std::size_t at = state.editor.Next(0); at <= text.size() && !text.empty();
       at = state.editor.Next(at)) {
    const int distance = std::abs(OffsetOf(window, state, at) - offset);
    if (distance < bestDistance) {
      best = at;
      bestDistance = distance;
    }
    if (at == text.size()) break;
  }
  return best;
}

// Scrolls so that the caret is inside the text area.
void KeepCaretVisible(HWND window, EditState& state) {
  const RECT area = TextArea(window);
  const int width = std::max(1, area.Width() - 1);
  const int caret = OffsetOf(window, state, state.editor.caret());
  if (caret < state.scroll) {
    state.scroll = caret;
  } else if (caret - state.scroll > width) {
    state.scroll = caret - width;
  }
  if (state.scroll < 0) state.scroll = 0;
}

void Changed(HWND window, EditState& state, bool notify) {
  DefWindowProc(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(state.editor.text().c_str()));
  KeepCaretVisible(window, state);
  InvalidateRect(window, nullptr, true);
  if (notify && state.created) Notify(window, EN_CHANGE);
}

void SelectionMoved(HWND window, EditState& state) {
  state.run = EditRun::kNone;
  KeepCaretVisible(window, state);
  InvalidateRect(window, nullptr, true);
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

// A change of the text by `change` (a function of the line editor that says whether the text
// changed), remembered for undo and reported.
template <typename Change>
bool Edit(HWND window, EditState& state, EditRun run, Change change) {
  Snapshot before{state.editor.text(), state.editor.anchor(), state.editor.caret()};
  if (!change(state.editor)) return false;
  if (run == EditRun::kNone || run != state.run) state.undo = std::move(before);
  state.run = run;
  Changed(window, state, true);
  return true;
}

void Type(HWND window, EditState& state, std::string_view typed) {
  if (ReadOnly(window)) return;
  const std::string text = ApplyCase(window, std::string(typed));
  Edit(window, state, EditRun::kTyping,
       [&](LineEditor& editor) { return editor.Replace(text, state.limit); });
}

// ---- Clipboard, undo and the context menu

// Password fields give nothing away.
bool CanCopy(HWND window, const EditState& state) {
  return state.editor.hasSelection() && !(Style(window) & ES_PASSWORD);
}
bool CanChange(HWND window) {
  return !ReadOnly(window);
}

void Copy(HWND window, const EditState& state) {
  if (!CanCopy(window, state)) return;
  const LineEditor& editor = state.editor;
  SetClipboardNarrowText(
      std::string_view(editor.text())
          .substr(editor.selectionStart(), editor.selectionEnd() - editor.selectionStart()));
}

// Deletes the selection (WM_CLEAR, the menu's Delete).
void Clear(HWND window, EditState& state) {
  if (!CanChange(window) || !state.editor.hasSelection()) return;
  Edit(window, state, EditRun::kNone, [](LineEditor& editor) { return editor.Replace({}); });
}

void Cut(HWND window, EditState& state) {
  if (!CanChange(window) || !CanCopy(window, state)) return;
  Copy(window, state);
  Clear(window, state);
}

// The clipboard's text up to its first line break, in the process code page, as if typed at
// once: in place of the selection and as far as the length limit allows.
void Paste(HWND window, EditState& state) {
  if (!CanChange(window)) return;
  const std::optional<std::string> clipboard = GetClipboardNarrowText();
  if (!clipboard) return;
  const std::string_view breaks("\r\n\0", 3);
  const std::string line =
      ApplyCase(window, clipboard->substr(0, clipboard->find_first_of(breaks)));
  Edit(window, state, EditRun::kNone,
       [&](LineEditor& editor) { return editor.Replace(line, state.limit); });
}

bool Undo(HWND window, EditState& state) {
  if (!CanChange(window) || !state.undo || state.undo->text.size() > state.limit) return false;
  LineEditor& editor = state.editor;
  Snapshot current{editor.text(), editor.anchor(), editor.caret()};
  const Snapshot restored = std::exchange(*state.undo, std::move(current));
  const bool changed = restored.text != editor.text();
  editor.SetText(restored.text);
  editor.SetSelection(static_cast<int>(restored.anchor), static_cast<int>(restored.caret));
  state.run = EditRun::kNone;
  if (changed) {
    Changed(window, state, true);
  } else {
    SelectionMoved(window, state);
  }
  return true;
}

void SelectAll(HWND window, EditState& state) {
  state.editor.SelectAll();
  SelectionMoved(window, state);
}

// The context menu's items: the commands' message numbers are their ids.
std::vector<MenuItem> ContextMenuItems(HWND window, const EditState& state) {
  const LineEditor& editor = state.editor;
  const bool change = CanChange(window);
  const bool all = editor.selectionStart() == 0 && editor.selectionEnd() == editor.text().size();
  return {{"&Undo", WM_UNDO, change && state.undo.has_value()},
          {"", 0, false},
          {"Cu&t", WM_CUT, change && CanCopy(window, state)},
          {"&Copy", WM_COPY, CanCopy(window, state)},
          {"&Paste", WM_PASTE, change && IsClipboardTextAvailable()},
          {"&Delete", WM_CLEAR, change && editor.hasSelection()},
          {"", 0, false},
          {"Select &All", EM_SETSEL, !all}};
}

// WM_CONTEXTMENU: at the pointer, or (lParam -1, from the keyboard) below the caret.
void OpenContextMenu(HWND window, EditState& state, LPARAM lParam) {
  if (GetFocus() != window) SetFocus(window);
  if (!IsWindow(window)) return;
  const bool keyboard = static_cast<std::uint32_t>(lParam) == 0xFFFFFFFFu;
  POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (keyboard) {
    const RECT area = TextArea(window);
    at = POINT{area.left - state.scroll + OffsetOf(window, state, state.editor.caret()),
               area.bottom};
    ClientToScreen(window, at);
  }
  TrackPopupMenu(ContextMenuItems(window, state), at, window, keyboard);
}

// The keys of the clipboard, undo, select-all and the context menu; true when the key was one.
bool OnCommandKey(HWND window, EditState& state, WPARAM key) {
  const bool shift = KeyDown(VK_SHIFT);
  const bool control = KeyDown(VK_CONTROL) && !KeyDown(VK_MENU);
  if (control && !shift) {
    switch (key) {
      case 'C':
      case VK_INSERT:
        Copy(window, state);
        return true;
      case 'X':
        Cut(window, state);
        return true;
      case 'V':
        Paste(window, state);
        return true;
      case 'Z':
        Undo(window, state);
        return true;
      case 'A':
        SelectAll(window, state);
        return true;
      default:
        return false;
    }
  }
  if (shift && !control) {
    switch (key) {
      case VK_INSERT:
        Paste(window, state);
        return true;
      case VK_DELETE:
        Cut(window, state);
        return true;
      case VK_F10:
        SendMessage(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), -1);
        return true;
      default:
        return false;
    }
  }
  if (key == VK_APPS && !control) {
    SendMessage(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), -1);
    return true;
  }
  return false;
}

// The clipboard and undo messages, the right button and the context menu and its commands;
// false for other messages.
bool OnEditingMessage(HWND window, EditState& state, unsigned message, WPARAM wParam, LPARAM lParam,
                      LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_COPY:
      Copy(window, state);
      return true;
    case WM_CUT:
      Cut(window, state);
      return true;
    case WM_PASTE:
      Paste(window, state);
      return true;
    case WM_CLEAR:
      Clear(window, state);
      return true;
    case WM_UNDO:
    case EM_UNDO:
      result = Undo(window, state) ? 1 : 0;
      return true;
    case EM_CANUNDO:
      result = state.undo ? 1 : 0;
      return true;
    case EM_EMPTYUNDOBUFFER:
      state.undo.reset();
      state.run = EditRun::kNone;
      return true;
    case WM_SYSKEYDOWN:
      if (wParam != VK_BACK) return false;  // Alt+Backspace undoes
      Undo(window, state);
      return true;
    case WM_RBUTTONDOWN:
      if (GetFocus() != window) SetFocus(window);
      return true;
    case WM_RBUTTONUP: {
      POINT at = MousePoint(lParam);
      ClientToScreen(window, at);
      SendMessage(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), MAKELPARAM(at.x, at.y));
      return true;
    }
    case WM_CONTEXTMENU:
      OpenContextMenu(window, state, lParam);
      return true;
    case WM_COMMAND:
      // The context menu's choice: the command's own message.
      if (lParam != 0 || HIWORD(wParam) != 0) return false;
      if (LOWORD(wParam) == static_cast<int>(EM_SETSEL)) {
        SelectAll(window, state);
      } else {
        SendMessage(window, static_cast<unsigned>(LOWORD(wParam)), 0, 0);
      }
      return true;
    default:
      return false;
  }
}

// WM_CHAR: a byte of the process code page, or (above 0xFF) a Unicode character.
void OnChar(HWND window, EditState& state, WPARAM code) {
  if (code == VK_BACK) {
    state.pending.clear();
    if (!ReadOnly(window)) {
      Edit(window, state, EditRun::kDeleting,
           [](LineEditor& editor) { return editor.DeleteBackward(); });
    }
    return;
  }
  if (code > 0xFF) {
    Type(window, state, sys::WideToNarrow(sys::CodePointToWide(static_cast<char32_t>(code))));
    return;
  }
  const unsigned char byte = static_cast<unsigned char>(code);
  if (byte < 0x20 || byte == 0x7F) return;  // control characters do not type
  if (sys::CodePage() != sys::kCodePageUtf8 || byte < 0x80) {
    state.pending.clear();
    Type(window, state, std::string(1, static_cast<char>(byte)));
    return;
  }
  // UTF-8 arriving byte by byte: collect a whole character before it goes in.
  if ((byte & 0xC0) != 0x80) state.pending.clear();
  state.pending += static_cast<char>(byte);
  const unsigned char lead = static_cast<unsigned char>(state.pending[0]);
  const std::size_t need = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  if (state.pending.size() >= need) {
    const std::string complete = state.pending;
    state.pending.clear();
    if ((lead & 0xC0) != 0x80) Type(window, state, complete);
  }
}

void OnKeyDown(HWND window, EditState& state, WPARAM key) {
  if (OnCommandKey(window, state, key)) return;
  const bool shift = KeyDown(VK_SHIFT);
  const bool control = KeyDown(VK_CONTROL);
  LineEditor& editor = state.editor;
  switch (key) {
    case VK_LEFT:
      editor.MoveLeft(shift, control);
      SelectionMoved(window, state);
      break;
    case VK_RIGHT:
      editor.MoveRight(shift, control);
      SelectionMoved(window, state);
      break;
    case VK_HOME:
      editor.MoveHome(shift);
      SelectionMoved(window, state);
      break;
    case VK_END:
      editor.MoveEnd(shift);
      SelectionMoved(window, state);
      break;
    case VK_DELETE:
      if (!ReadOnly(window)) {
        Edit(window, state, EditRun::kDeleting,
             [](LineEditor& line) { return line.DeleteForward(); });
      }
      break;
    default:
      break;
  }
}

void Paint(HWND window, EditState& state) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, paint);
  if (!dc) return;
  RECT client;
  GetClientRect(window, client);
  RECT inside = client;
  if (GetWindowLong(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) {
    gfx::DrawEdge(dc, inside, gfx::EDGE_SUNKEN, gfx::BF_RECT | gfx::BF_ADJUST);
  } else if (Style(window) & WS_BORDER) {
    gfx::FrameRect(dc, inside, gfx::GetSysColorBrush(gfx::COLOR_WINDOWFRAME));
    inside.left += 1;
    inside.top += 1;
    inside.right -= 1;
    inside.bottom -= 1;
  }

  const bool enabled = IsWindowEnabled(window);
  const bool grey = ReadOnly(window) || !enabled;
  gfx::SetTextColor(dc, gfx::GetSysColor(enabled ? gfx::COLOR_WINDOWTEXT : gfx::COLOR_GRAYTEXT));
  gfx::SetBkColor(dc, gfx::GetSysColor(grey ? gfx::COLOR_BTNFACE : gfx::COLOR_WINDOW));
  gfx::HBRUSH background =
      ParentColorBrush(window, grey ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT, dc,
                       gfx::GetSysColorBrush(grey ? gfx::COLOR_BTNFACE : gfx::COLOR_WINDOW));
  gfx::FillRect(dc, inside, background);

  const RECT area = TextArea(window);
  gfx::SaveDC(dc);
  gfx::IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  gfx::SelectObject(dc, FontOf(state));
  gfx::TEXTMETRIC metrics;
  gfx::GetTextMetrics(dc, metrics);
  const int top = area.top + std::max(0, (area.Height() - metrics.height) / 2);
  const int origin = area.left - state.scroll;
  const std::string shown = Shown(window, state);
  gfx::SetBkMode(dc, gfx::TRANSPARENT);
  RECT line{origin, top, origin + 0x7FFF, top + metrics.height};
  constexpr unsigned kFlags = gfx::DT_LEFT | gfx::DT_SINGLELINE | gfx::DT_NOPREFIX | gfx::DT_NOCLIP;
  gfx::DrawTextA(dc, shown, line, kFlags);

  const bool showSelection = state.focused || (Style(window) & ES_NOHIDESEL);
  if (showSelection && state.editor.hasSelection()) {
    const int from = OffsetOf(window, state, state.editor.selectionStart());
    const int to = OffsetOf(window, state, state.editor.selectionEnd());
    RECT band{origin + from, top, origin + to, top + metrics.height};
    gfx::FillRect(dc, band, gfx::GetSysColorBrush(gfx::COLOR_HIGHLIGHT));
    gfx::SetTextColor(dc, gfx::GetSysColor(gfx::COLOR_HIGHLIGHTTEXT));
    const std::size_t start = ShownPosition(window, state, state.editor.selectionStart());
    const std::size_t end = ShownPosition(window, state, state.editor.selectionEnd());
    RECT selected{origin + from, top, origin + to + 0x7FFF, top + metrics.height};
    gfx::DrawTextA(dc, std::string_view(shown).substr(start, end - start), selected, kFlags);
  }
  if (state.focused && enabled) {
    const int x = origin + OffsetOf(window, state, state.editor.caret());
    RECT caret{x, top, x + 1, top + metrics.height};
    gfx::FillRect(dc, caret, gfx::GetStockObject(gfx::BLACK_BRUSH));
  }
  gfx::RestoreDC(dc, -1);
  EndPaint(window, paint);
}

LRESULT EditProc(HWND window, unsigned message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) {
    States().Drop(window);
    return DefWindowProc(window, message, wParam, lParam);
  }
  EditState& state = States().Get(window);
  switch (message) {
    case WM_CREATE: {
      // The text given at creation is kept by the core until now.
      std::string text(static_cast<std::size_t>(DefWindowProc(window, WM_GETTEXTLENGTH, 0, 0)),
                       '\0');
      text.resize(static_cast<std::size_t>(DefWindowProc(window, WM_GETTEXT, text.size() + 1,
                                                         reinterpret_cast<LPARAM>(text.data()))));
      state.editor.SetText(ApplyCase(window, text));
      state.created = true;
      return 0;
    }
    case WM_SETTEXT: {
      const std::string text = ApplyCase(window, std::string(TextArgument(lParam)));
      const bool same = text == state.editor.text();
      state.editor.SetText(text);
      state.scroll = 0;
      state.undo.reset();  // the program's text cannot be undone
      state.run = EditRun::kNone;
      if (same) {
        InvalidateRect(window, nullptr, true);
      } else {
        Changed(window, state, true);
      }
      return 1;
    }
    case WM_GETTEXT:
      return CopyTextOut(state.editor.text(), wParam, lParam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(state.editor.text().size());
    case WM_SETFONT:
      state.font = FontArgument(wParam);
      if (lParam) InvalidateRect(window, nullptr, true);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL;
    case WM_SETFOCUS:
      state.focused = true;
      InvalidateRect(window, nullptr, true);
      return 0;
    case WM_KILLFOCUS:
      if (GetMenuOwner() == window) EndMenu();
      state.focused = false;
      InvalidateRect(window, nullptr, true);
      return 0;
    case WM_ENABLE:
      InvalidateRect(window, nullptr, true);
      return 0;
    case WM_KEYDOWN:
      OnKeyDown(window, state, wParam);
      return 0;
    case WM_CHAR:
      OnChar(window, state, wParam);
      return 0;
    case WM_LBUTTONDOWN: {
      if (GetFocus() != window) SetFocus(window);
      const RECT area = TextArea(window);
      const int offset = GET_X_LPARAM(lParam) - area.left + state.scroll;
      state.editor.MoveTo(PositionAt(window, state, offset), (wParam & MK_SHIFT) != 0);
      state.dragging = true;
      SetCapture(window);
      SelectionMoved(window, state);
      return 0;
    }
    case WM_LBUTTONDBLCLK: {
      const RECT area = TextArea(window);
      const int offset = GET_X_LPARAM(lParam) - area.left + state.scroll;
      state.editor.SelectWordAt(PositionAt(window, state, offset));
      SelectionMoved(window, state);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (state.dragging) {
        const RECT area = TextArea(window);
        const int offset = GET_X_LPARAM(lParam) - area.left + state.scroll;
        state.editor.MoveTo(PositionAt(window, state, offset), true);
        SelectionMoved(window, state);
      }
      return 0;
    case WM_LBUTTONUP:
      if (state.dragging) {
        state.dragging = false;
        if (GetCapture() == window) ReleaseCapture();
      }
      return 0;
    case WM_CAPTURECHANGED:
      state.dragging = false;
      return 0;
    case EM_GETSEL: {
      const auto start = static_cast<std::uint32_t>(state.editor.selectionStart());
      const auto end = static_cast<std::uint32_t>(state.editor.selectionEnd());
      if (auto* out = reinterpret_cast<std::uint32_t*>(wParam)) *out = start;
      if (auto* out = reinterpret_cast<std::uint32_t*>(lParam)) *out = end;
      return MAKELPARAM(static_cast<int>(start), static_cast<int>(end));
    }
    case EM_SETSEL:
      state.editor.SetSelection(SignedArgument(wParam), SignedArgument(lParam));
      SelectionMoved(window, state);
      return 0;
    case EM_REPLACESEL: {
      // wParam: whether the replacement can be undone.
      const std::string text = ApplyCase(window, std::string(TextArgument(lParam)));
      if (Edit(window, state, EditRun::kNone,
               [&](LineEditor& editor) { return editor.Replace(text); }) &&
          !wParam) {
        state.undo.reset();
      }
      return 0;
    }
    case EM_LIMITTEXT:
      state.limit = wParam == 0 ? 0x7FFFFFFE : static_cast<std::size_t>(wParam);
      return 0;
    case EM_SETREADONLY: {
      const std::uint32_t style = Style(window);
      SetWindowLong(window, GWL_STYLE, wParam ? (style | ES_READONLY) : (style & ~ES_READONLY));
      InvalidateRect(window, nullptr, true);
      return 1;
    }
    case WM_ERASEBKGND:
      return 1;  // the paint fills everything
    case WM_PAINT:
      Paint(window, state);
      return 0;
    case WM_DESTROY:
      if (GetMenuOwner() == window) EndMenu();
      return DefWindowProc(window, message, wParam, lParam);
    default: {
      LRESULT result = 0;
      if (OnEditingMessage(window, state, message, wParam, lParam, result)) return result;
      return DefWindowProc(window, message, wParam, lParam);
    }
  }
}

}  // namespace

void RegisterEditClass() {
  RegisterClass({"EDIT", CS_DBLCLKS, EditProc});
}

}  // namespace pw::win::native

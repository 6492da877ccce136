// The native "COMBOBOX" class in its drop-down style: an edit part (a child "EDIT" window) with a
// button at the right that drops a list of strings down below the control. The list is a popup
// window of its own class; it opens from the button, F4 or Alt+Down, closes on Enter, Escape, a
// choice or a click elsewhere, and the arrow keys step through the items with the list open or
// closed.
//
// The parent hears only of what the user does: CBN_SELCHANGE for a selection made with the mouse
// or the keys, CBN_EDITCHANGE for text typed into the edit part, and CBN_DROPDOWN and CBN_CLOSEUP
// around the list. Text, items and selections set by the program raise nothing.

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "platform/gfx/Gdi.h"
#include "platform/gfx/Text.h"
#include "platform/win/Messages.h"
#include "platform/win/NativeClasses.h"
#include "platform/win/NativeSupport.h"
#include "platform/win/Window.h"

namespace pw::win::native {
namespace {

constexpr int kEditId = 1001;
constexpr int kBorder = 2;  // the sunken edge around the control
constexpr int kDefaultVisibleItems = 8;

struct ComboState {
  std::vector<std::string> items;
  int selected = -1;
  int hot = -1;  // the item highlighted in the open list
  int top = 0;   // the first item the open list shows
  bool dropped = false;
  bool buttonDown = false;
  bool closing = false;
  int quiet = 0;  // while above zero, changes of the edit part are the program's own
  int itemHeight = 0;
  HWND edit = nullptr;
  HWND list = nullptr;
  WindowProc editProc;  // the edit part's procedure before ours
  gfx::HFONT font = nullptr;
};

StateTable<ComboState>& States() {
  static StateTable<ComboState> table;
  return table;
}

// The combo box a drop-down list belongs to.
std::map<HWND, HWND>& ListOwners() {
  static std::map<HWND, HWND> owners;
  return owners;
}

std::uint32_t Style(HWND window) {
  return static_cast<std::uint32_t>(GetWindowLong(window, GWL_STYLE));
}

gfx::HFONT FontOf(const ComboState& state) {
  return state.font ? state.font : DefaultControlFont();
}

int ItemHeight(const ComboState& state) {
  if (state.itemHeight > 0) return state.itemHeight;
  const gfx::TEXTMETRIC metrics = [&] {
    HDC dc = gfx::CreateCompatibleDC(nullptr);
    gfx::SelectObject(dc, FontOf(state));
    gfx::TEXTMETRIC result;
    gfx::GetTextMetrics(dc, result);
    gfx::DeleteDC(dc);
    return result;
  }();
  return std::max(1, metrics.height + 2);
}

int ButtonWidth() {
  return std::max(12, gfx::GetSystemMetrics(gfx::SM_CXVSCROLL));
}

RECT ButtonRect(HWND window) {
  RECT client;
  GetClientRect(window, client);
  return RECT{std::max(client.left + kBorder, client.right - kBorder - ButtonWidth()),
              client.top + kBorder, client.right - kBorder, client.bottom - kBorder};
}

RECT EditRect(HWND window) {
  RECT client;
  GetClientRect(window, client);
  const RECT button = ButtonRect(window);
  return RECT{client.left + kBorder + 1, client.top + kBorder + 1, button.left - 1,
              client.bottom - kBorder - 1};
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) !=
        std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  }
  return true;
}

bool LessIgnoringCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) <
           std::tolower(static_cast<unsigned char>(y));
  });
}

// The first item after `after` (wrapping round, -1: from the start) that begins with `prefix`.
int FindPrefix(const ComboState& state, int after, std::string_view prefix) {
  const int count = static_cast<int>(state.items.size());
  if (count == 0) return CB_ERR;
  if (after < -1 || after >= count) after = -1;
  for (int step = 1; step <= count; ++step) {
    const int index = (after + step) % count;
    if (StartsWithIgnoringCase(state.items[static_cast<std::size_t>(index)], prefix)) return index;
  }
  return CB_ERR;
}

std::string EditText(const ComboState& state) {
  return state.edit ? GetWindowText(state.edit) : std::string();
}

// Sets the edit part's text as the program's own change: the parent hears nothing.
void SetEditText(ComboState& state, std::string_view text, bool selectAll) {
  if (!state.edit) return;
  ++state.quiet;
  const std::string copy(text);
  SendMessage(state.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()));
  if (selectAll) SendMessage(state.edit, EM_SETSEL, 0, static_cast<LPARAM>(-1));
  --state.quiet;
}

void RedrawList(const ComboState& state) {
  if (state.list) InvalidateRect(state.list, nullptr, true);
}

int Count(const ComboState& state) {
  return static_cast<int>(state.items.size());
}
int VisibleRows(const ComboState& state) {
  return std::clamp(Count(state), 1, kDefaultVisibleItems);
}
// A list longer than it shows has a scroll bar at its right.
bool Scrolls(const ComboState& state) {
  return Count(state) > kDefaultVisibleItems;
}

void ScrollTo(ComboState& state, int top) {
  top = std::clamp(top, 0, std::max(0, Count(state) - VisibleRows(state)));
  if (top == state.top) return;
  state.top = top;
  RedrawList(state);
}

// Scrolls the open list so that the highlighted item shows.
void ShowHot(ComboState& state) {
  int top = std::min(state.top, std::max(0, Count(state) - VisibleRows(state)));
  if (state.hot >= 0) {
    if (state.hot < top) top = state.hot;
    if (state.hot >= top + VisibleRows(state)) top = state.hot - VisibleRows(state) + 1;
  }
  ScrollTo(state, top);
}

// Selects an item (or nothing) and shows it in the edit part.
void Select(ComboState& state, int index) {
  const int count = static_cast<int>(state.items.size());
  if (index < 0 || index >= count) {
    state.selected = -1;
    state.hot = -1;
    SetEditText(state, "", false);
  } else {
    state.selected = index;
    state.hot = index;
    SetEditText(state, state.items[static_cast<std::size_t>(index)], true);
  }
  ShowHot(state);
  RedrawList(state);
}

// A selection the user made: shown, and reported when it changed.
void UserSelect(HWND combo, ComboState& state, int index) {
  if (index < 0 || index >= static_cast<int>(state.items.size())) return;
  const bool changed = index != state.selected;
  Select(state, index);
  if (changed) Notify(combo, CBN_SELCHANGE);
}

void PlaceList(HWND combo, ComboState& state) {
  RECT bounds;
  GetWindowRect(combo, bounds);
  const int height = VisibleRows(state) * ItemHeight(state) + 2;
  SetWindowPos(state.list, HWND_TOP, bounds.left, bounds.bottom, bounds.Width(), height,
               SWP_NOACTIVATE);
}

void CloseList(HWND combo, ComboState& state) {
  if (!state.dropped || state.closing) return;
  state.closing = true;
  state.dropped = false;
  state.buttonDown = false;
  if (state.list) {
    if (GetCapture() == state.list) ReleaseCapture();
    ShowWindow(state.list, SW_HIDE);
  }
  state.closing = false;
  InvalidateRect(combo, nullptr, true);
  Notify(combo, CBN_CLOSEUP);
}

void OpenList(HWND combo, ComboState& state) {
  if (state.dropped || !IsWindowEnabled(combo)) return;
  Notify(combo, CBN_DROPDOWN);
  ComboState* still = States().Find(combo);
  if (!still || !IsWindow(combo)) return;
  if (!state.list) {
    state.list = CreateWindowEx(WS_EX_TOPMOST, kComboListClass, "", WS_POPUP, 0, 0, 1, 1, combo);
    if (!state.list) return;
    ListOwners()[state.list] = combo;
  }
  state.dropped = true;
  state.hot = state.selected;
  state.top = 0;
  ShowHot(state);
  PlaceList(combo, state);
  ShowWindow(state.list, SW_SHOWNA);
  SetCapture(state.list);
  InvalidateRect(combo, nullptr, true);
  RedrawList(state);
}

void ToggleList(HWND combo, ComboState& state) {
  if (state.dropped) {
    CloseList(combo, state);
  } else {
    OpenList(combo, state);
  }
}

// Keys for the combo box, from its edit part or itself. True when the key was used.
bool HandleKey(HWND combo, ComboState& state, unsigned message, WPARAM key) {
  const int count = static_cast<int>(state.items.size());
  if (message == WM_SYSKEYDOWN) {
    if (key == VK_DOWN || key == VK_UP) {
      ToggleList(combo, state);
      return true;
    }
    return false;
  }
  if (message != WM_KEYDOWN) return false;
  switch (key) {
    case VK_F4:
      ToggleList(combo, state);
      return true;
    case VK_DOWN:
    case VK_UP: {
      if (count == 0) return true;
      int index;
      if (state.selected < 0) {
        index = 0;
      } else if (key == VK_DOWN) {
        index = std::min(state.selected + 1, count - 1);
      } else {
        index = std::max(state.selected - 1, 0);
      }
      UserSelect(combo, state, index);
      return true;
    }
    case VK_RETURN:
      // Enter takes the item the pointer highlights in the open list.
      if (!state.dropped) return false;
      if (state.hot >= 0 && state.hot != state.selected) {
        UserSelect(combo, state, state.hot);
        if (!States().Find(combo)) return true;
      }
      CloseList(combo, state);
      return true;
    case VK_ESCAPE:
      if (!state.dropped) return false;
      state.hot = state.selected;
      CloseList(combo, state);
      return true;
    default:
      return false;
  }
}

// The edit part's text changed: the user's typing unless the combo box itself set it.
void EditChanged(HWND combo, ComboState& state) {
  if (state.quiet > 0) return;
  const std::string text = EditText(state);
  int index = -1;
  if (state.dropped && !text.empty()) index = FindPrefix(state, -1, text);
  state.selected = index;
  state.hot = index;
  ShowHot(state);
  RedrawList(state);
  Notify(combo, CBN_EDITCHANGE);
}

// Our procedure in front of the edit part's: the keys that belong to the combo box.
LRESULT EditPartProc(HWND combo, HWND edit, unsigned message, WPARAM wParam, LPARAM lParam) {
  ComboState* state = States().Find(combo);
  if (!state) return DefWindowProc(edit, message, wParam, lParam);
  const WindowProc previous = state->editProc;
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (HandleKey(combo, *state, message, wParam)) return 0;
      break;
    case WM_CHAR:
      if (wParam == VK_RETURN || wParam == VK_ESCAPE || wParam == VK_TAB) return 0;
      break;
    case WM_KILLFOCUS:
      if (reinterpret_cast<HWND>(wParam) != combo) CloseList(combo, *state);
      break;
    default:
      break;
  }
  return CallWindowProc(previous, edit, message, wParam, lParam);
}

void Paint(HWND combo, ComboState& state) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(combo, paint);
  if (!dc) return;
  RECT client;
  GetClientRect(combo, client);
  const bool enabled = IsWindowEnabled(combo);
  RECT inside = client;
  gfx::DrawEdge(dc, inside, gfx::EDGE_SUNKEN, gfx::BF_RECT | gfx::BF_ADJUST);
  gfx::SetBkColor(dc, gfx::GetSysColor(enabled ? gfx::COLOR_WINDOW : gfx::COLOR_BTNFACE));
  gfx::FillRect(
      dc, inside,
      ParentColorBrush(combo, WM_CTLCOLOREDIT, dc,
                       gfx::GetSysColorBrush(enabled ? gfx::COLOR_WINDOW : gfx::COLOR_BTNFACE)));
  RECT button = ButtonRect(combo);
  unsigned flags = gfx::DFCS_SCROLLCOMBOBOX;
  if (state.buttonDown) flags |= gfx::DFCS_PUSHED | gfx::DFCS_FLAT;
  if (!enabled) flags |= gfx::DFCS_INACTIVE;
  gfx::DrawFrameControl(dc, button, gfx::DFC_SCROLL, flags);
  EndPaint(combo, paint);
}

LRESULT ComboProc(HWND combo, unsigned message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) {
    States().Drop(combo);
    return DefWindowProc(combo, message, wParam, lParam);
  }
  ComboState& state = States().Get(combo);
  switch (message) {
    case WM_CREATE: {
      std::string text(static_cast<std::size_t>(DefWindowProc(combo, WM_GETTEXTLENGTH, 0, 0)),
                       '\0');
      text.resize(static_cast<std::size_t>(DefWindowProc(combo, WM_GETTEXT, text.size() + 1,
                                                         reinterpret_cast<LPARAM>(text.data()))));
      std::uint32_t editStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
      if (Style(combo) & 0x2000) editStyle |= ES_UPPERCASE;  // CBS_UPPERCASE
      if (Style(combo) & 0x4000) editStyle |= ES_LOWERCASE;  // CBS_LOWERCASE
      if (!IsWindowEnabled(combo)) editStyle |= WS_DISABLED;
      const RECT area = EditRect(combo);
      ++state.quiet;
      state.edit = CreateWindowEx(0, "EDIT", text, editStyle, area.left, area.top, area.Width(),
                                  area.Height(), combo, kEditId);
      --state.quiet;
      if (!state.edit) return -1;
      state.editProc =
          SetWindowProc(state.edit, [combo](HWND edit, unsigned m, WPARAM w, LPARAM l) -> LRESULT {
            return EditPartProc(combo, edit, m, w, l);
          });
      return 0;
    }
    case WM_DESTROY:
      if (state.list) {
        ListOwners().erase(state.list);
        if (GetCapture() == state.list) ReleaseCapture();
        HWND list = state.list;
        state.list = nullptr;
        state.dropped = false;
        DestroyWindow(list);
      }
      return DefWindowProc(combo, message, wParam, lParam);
    case WM_SIZE:
      if (state.edit) {
        const RECT area = EditRect(combo);
        MoveWindow(state.edit, area.left, area.top, area.Width(), area.Height(), true);
      }
      if (state.dropped) PlaceList(combo, state);
      return DefWindowProc(combo, message, wParam, lParam);
    case WM_SETTEXT:
      SetEditText(state, TextArgument(lParam), false);
      return 1;
    case WM_GETTEXT:
      return state.edit ? SendMessage(state.edit, WM_GETTEXT, wParam, lParam) : 0;
    case WM_GETTEXTLENGTH:
      return state.edit ? SendMessage(state.edit, WM_GETTEXTLENGTH, 0, 0) : 0;
    case WM_SETFONT:
      state.font = FontArgument(wParam);
      if (state.edit) SendMessage(state.edit, WM_SETFONT, wParam, lParam);
      if (lParam) InvalidateRect(combo, nullptr, true);
      RedrawList(state);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      // The edit part's colours are the combo box's: its parent decides them.
      if (HWND owner = GetParent(combo)) return SendMessage(owner, message, wParam, lParam);
      return 0;
    case WM_SETFOCUS:
      // The focus given to the combo box itself (the keyboard's way in) selects the whole text,
      // so typing replaces it; a click into the edit part places the caret instead.
      if (state.edit) {
        SetFocus(state.edit);
        if (GetFocus() == state.edit)
          SendMessage(state.edit, EM_SETSEL, 0, static_cast<LPARAM>(-1));
      }
      return 0;
    case WM_ENABLE:
      if (state.edit) EnableWindow(state.edit, wParam != 0);
      if (!wParam) CloseList(combo, state);
      InvalidateRect(combo, nullptr, true);
      return 0;
    case WM_COMMAND:
      if (state.edit && reinterpret_cast<HWND>(lParam) == state.edit &&
          static_cast<unsigned>(HIWORD(wParam)) == EN_CHANGE) {
        EditChanged(combo, state);
      }
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (HandleKey(combo, state, message, wParam)) return 0;
      return DefWindowProc(combo, message, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      if (state.edit && GetFocus() != state.edit) SetFocus(state.edit);
      if (!IsWindow(combo)) return 0;
      const bool wasDropped = state.dropped;
      if (wasDropped) {
        CloseList(combo, state);
      } else if (ButtonRect(combo).Contains(MousePoint(lParam))) {
        state.buttonDown = true;
        OpenList(combo, state);
      }
      return 0;
    }
    case WM_LBUTTONUP:
      if (state.buttonDown && !state.dropped) {
        state.buttonDown = false;
        InvalidateRect(combo, nullptr, true);
      }
      return 0;
    case CB_ADDSTRING: {
      const std::string text(TextArgument(lParam));
      std::size_t at = state.items.size();
      if (Style(combo) & CBS_SORT) {
        at = static_cast<std::size_t>(
            std::upper_bound(
                state.items.begin(), state.items.end(), text,
                [](const std::string& a, const std::string& b) { return LessIgnoringCase(a, b); }) -
            state.items.begin());
      }
      state.items.insert(state.items.begin() + static_cast<std::ptrdiff_t>(at), text);
      if (state.selected >= static_cast<int>(at)) ++state.selected;
      state.hot = state.selected;
      if (state.dropped) PlaceList(combo, state);
      RedrawList(state);
      return static_cast<LRESULT>(at);
    }
    case CB_INSERTSTRING: {
      const int index = SignedArgument(wParam);
      const int count = static_cast<int>(state.items.size());
      if (index > count) return CB_ERR;
      const int at = index < 0 ? count : index;
      state.items.insert(state.items.begin() + at, std::string(TextArgument(lParam)));
      if (state.selected >= at) ++state.selected;
      state.hot = state.selected;
      if (state.dropped) PlaceList(combo, state);
      RedrawList(state);
      return at;
    }
    case CB_DELETESTRING: {
      const int index = SignedArgument(wParam);
      if (index < 0 || index >= static_cast<int>(state.items.size())) return CB_ERR;
      state.items.erase(state.items.begin() + index);
      if (state.selected == index) {
        state.selected = -1;
      } else if (state.selected > index) {
        --state.selected;
      }
      state.hot = state.selected;
      if (state.dropped) PlaceList(combo, state);
      RedrawList(state);
      return static_cast<LRESULT>(state.items.size());
    }
    case CB_RESETCONTENT:
      state.items.clear();
      state.selected = -1;
      state.hot = -1;
      state.top = 0;
      SetEditText(state, "", false);
      if (state.dropped) PlaceList(combo, state);
      RedrawList(state);
      return 0;
    case CB_GETCOUNT:
      return static_cast<LRESULT>(state.items.size());
    case CB_GETCURSEL:
      return state.selected;
    case CB_SETCURSEL: {
      const int index = SignedArgument(wParam);
      Select(state, index);
      return state.selected == index ? index : CB_ERR;
    }
    case CB_GETLBTEXT: {
      const int index = SignedArgument(wParam);
      if (index < 0 || index >= static_cast<int>(state.items.size())) return CB_ERR;
      const std::string& item = state.items[static_cast<std::size_t>(index)];
      if (char* out = reinterpret_cast<char*>(lParam)) {
        std::copy(item.begin(), item.end(), out);
        out[item.size()] = '\0';
      }
      return static_cast<LRESULT>(item.size());
    }
    case CB_GETLBTEXTLEN: {
      const int index = SignedArgument(wParam);
      if (index < 0 || index >= static_cast<int>(state.items.size())) return CB_ERR;
      return static_cast<LRESULT>(state.items[static_cast<std::size_t>(index)].size());
    }
    case CB_FINDSTRING:
      return FindPrefix(state, SignedArgument(wParam), TextArgument(lParam));
    case CB_SHOWDROPDOWN:
      if (wParam) {
        OpenList(combo, state);
      } else {
        CloseList(combo, state);
      }
      return 1;
    case CB_GETDROPPEDSTATE:
      return state.dropped ? 1 : 0;
    case CB_SETITEMHEIGHT:
      if (SignedArgument(lParam) <= 0) return CB_ERR;
      if (SignedArgument(wParam) < 0) return 0;  // the field's own height follows the window
      state.itemHeight = SignedArgument(lParam);
      if (state.dropped) PlaceList(combo, state);
      RedrawList(state);
      return 0;
    case CB_GETEDITSEL:
      return state.edit ? SendMessage(state.edit, EM_GETSEL, wParam, lParam) : CB_ERR;
    case CB_SETEDITSEL:
      if (!state.edit) return CB_ERR;
      SendMessage(state.edit, EM_SETSEL,
                  static_cast<WPARAM>(
                      static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(lParam)))),
                  static_cast<LPARAM>(
                      static_cast<std::int16_t>(HIWORD(static_cast<std::uintptr_t>(lParam)))));
      return 1;
    case CB_LIMITTEXT:
      if (state.edit) SendMessage(state.edit, EM_LIMITTEXT, wParam, 0);
      return 1;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint(combo, state);
      return 0;
    default:
      return DefWindowProc(combo, message, wParam, lParam);
  }
}

// ---- The drop-down list

// The scroll bar of a long list, inside the list's one-pixel frame.
RECT ScrollBarRect(HWND list) {
  RECT client;
  GetClientRect(list, client);
  return RECT{client.right - 1 - ButtonWidth(), client.top + 1, client.right - 1,
              client.bottom - 1};
}

int ItemAt(HWND list, const ComboState& state, POINT point) {
  if (Scrolls(state) && point.x >= ScrollBarRect(list).left) return -1;
  if (point.y < 1) return -1;
  const int index = state.top + (point.y - 1) / ItemHeight(state);
  if (index >= Count(state) || index >= state.top + VisibleRows(state)) return -1;
  return index;
}

// A press on the scroll bar: the arrows step one item, the track above or below the thumb a
// page.
void ScrollBarPress(HWND list, ComboState& state, POINT point) {
  const RECT bar = ScrollBarRect(list);
  const int arrow = std::min(bar.Width(), bar.Height() / 2);
  const int rows = VisibleRows(state);
  if (point.y < bar.top + arrow) {
    ScrollTo(state, state.top - 1);
  } else if (point.y >= bar.bottom - arrow) {
    ScrollTo(state, state.top + 1);
  } else {
    const int track = bar.Height() - 2 * arrow;
    const int thumbTop = bar.top + arrow + track * state.top / std::max(1, Count(state));
    ScrollTo(state, point.y < thumbTop ? state.top - rows : state.top + rows);
  }
}

void PaintScrollBar(HDC dc, HWND list, const ComboState& state) {
  const RECT bar = ScrollBarRect(list);
  gfx::FillRect(dc, bar, gfx::GetSysColorBrush(gfx::COLOR_SCROLLBAR));
  const int arrow = std::min(bar.Width(), bar.Height() / 2);
  const int track = bar.Height() - 2 * arrow;
  const int count = std::max(1, Count(state));
  RECT up{bar.left, bar.top, bar.right, bar.top + arrow};
  RECT down{bar.left, bar.bottom - arrow, bar.right, bar.bottom};
  RECT thumb{bar.left, bar.top + arrow + track * state.top / count, bar.right,
             bar.top + arrow + track * (state.top + VisibleRows(state)) / count};
  for (RECT* box : {&up, &down, &thumb}) {
    RECT inside = *box;
    gfx::DrawFrameControl(dc, inside, gfx::DFC_BUTTON, gfx::DFCS_BUTTONPUSH);
  }
  // The arrows: small triangles pointing up and down.
  gfx::HGDIOBJ oldPen = gfx::SelectObject(dc, gfx::GetStockObject(gfx::BLACK_PEN));
  const int cx = bar.left + bar.Width() / 2;
  for (int row = 0; row < 4; ++row) {
    const int upY = up.top + arrow / 2 - 2 + row;
    gfx::MoveToEx(dc, cx - row, upY, nullptr);
    gfx::LineTo(dc, cx + row + 1, upY);
    const int downY = down.top + arrow / 2 + 1 - row;
    gfx::MoveToEx(dc, cx - row, downY, nullptr);
    gfx::LineTo(dc, cx + row + 1, downY);
  }
  gfx::SelectObject(dc, oldPen);
}

void PaintList(HWND list, ComboState& state) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(list, paint);
  if (!dc) return;
  RECT client;
  GetClientRect(list, client);
  gfx::FrameRect(dc, client, gfx::GetStockObject(gfx::BLACK_BRUSH));
  RECT inside = client.Inflate(-1, -1);
  if (Scrolls(state)) inside.right = ScrollBarRect(list).left;
  gfx::FillRect(dc, inside, gfx::GetSysColorBrush(gfx::COLOR_WINDOW));
  gfx::SaveDC(dc);
  gfx::IntersectClipRect(dc, inside.left, inside.top, inside.right, inside.bottom);
  gfx::SelectObject(dc, FontOf(state));
  gfx::SetBkMode(dc, gfx::TRANSPARENT);
  const int height = ItemHeight(state);
  for (int i = state.top; i < Count(state); ++i) {
    const int top = inside.top + (i - state.top) * height;
    if (top >= inside.bottom) break;
    RECT row{inside.left, top, inside.right, top + height};
    const bool highlighted = i == state.hot;
    if (highlighted) gfx::FillRect(dc, row, gfx::GetSysColorBrush(gfx::COLOR_HIGHLIGHT));
    gfx::SetTextColor(
        dc, gfx::GetSysColor(highlighted ? gfx::COLOR_HIGHLIGHTTEXT : gfx::COLOR_WINDOWTEXT));
    RECT text{row.left + 2, row.top, row.right - 2, row.bottom};
    gfx::DrawTextA(dc, state.items[static_cast<std::size_t>(i)], text,
                   gfx::DT_LEFT | gfx::DT_VCENTER | gfx::DT_SINGLELINE | gfx::DT_NOPREFIX);
  }
  gfx::RestoreDC(dc, -1);
  if (Scrolls(state)) PaintScrollBar(dc, list, state);
  EndPaint(list, paint);
}

LRESULT ListProc(HWND list, unsigned message, WPARAM wParam, LPARAM lParam) {
  auto owner = ListOwners().find(list);
  HWND combo = owner == ListOwners().end() ? nullptr : owner->second;
  ComboState* state = combo ? States().Find(combo) : nullptr;
  if (!state) return DefWindowProc(list, message, wParam, lParam);
  RECT client;
  GetClientRect(list, client);
  switch (message) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const POINT point = MousePoint(lParam);
      if (!client.Contains(point)) {
        // A press outside closes the list; on the combo box's own button it does no more.
        CloseList(combo, *state);
        return 0;
      }
      if (Scrolls(*state) && point.x >= ScrollBarRect(list).left) {
        ScrollBarPress(list, *state, point);
        return 0;
      }
      const int index = ItemAt(list, *state, point);
      if (index >= 0 && index != state->hot) {
        state->hot = index;
        RedrawList(*state);
      }
      return 0;
    }
    case WM_MOUSEMOVE: {
      const POINT point = MousePoint(lParam);
      if (!client.Contains(point)) return 0;
      const int index = ItemAt(list, *state, point);
      if (index >= 0 && index != state->hot) {
        state->hot = index;
        RedrawList(*state);
      }
      return 0;
    }
    case WM_LBUTTONUP: {
      if (state->buttonDown) {
        state->buttonDown = false;
        InvalidateRect(combo, nullptr, true);
      }
      const POINT point = MousePoint(lParam);
      if (!client.Contains(point)) return 0;
      const int index = ItemAt(list, *state, point);
      if (index < 0) return 0;
      UserSelect(combo, *state, index);
      if (States().Find(combo)) CloseList(combo, *state);
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (state->dropped && !state->closing) CloseList(combo, *state);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      PaintList(list, *state);
      return 0;
    default:
      return DefWindowProc(list, message, wParam, lParam);
  }
}

}  // namespace

void RegisterComboBoxClasses() {
  RegisterClass({"COMBOBOX", CS_DBLCLKS, ComboProc});  // false when it is there already
  RegisterClass({std::string(kComboListClass), 0, ListProc});
}

}  // namespace pw::win::native

namespace pw::win {

void RegisterNativeClasses() {
  // The core may ask for the classes while it looks a name up, also from inside RegisterClass.
  static bool busy = false;
  if (busy) return;
  busy = true;
  native::RegisterButtonClass();
  native::RegisterEditClass();
  native::RegisterComboBoxClasses();
  native::RegisterPopupMenuClass();
  busy = false;
}

}  // namespace pw::win

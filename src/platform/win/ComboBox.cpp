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

std::uint32_t Style(HWND window) {
  return static_cast<std::uint32_t>(GetWindowLong(window, GWL_STYLE));
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

// The scroll bar of a long list, inside the list's one-pixel frame.
RECT ScrollBarRect(HWND list) {
  RECT client;
  GetClientRect(list, client);
  return RECT{client.right - 1 - ButtonWidth(), client.top + 1, client.right - 1,
              client.bottom - 1};
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

// The drop-down list window's data: the combo box that made it.
struct ListPart final : WindowData {
  explicit ListPart(HWND owner) : combo(owner) {}
  HWND combo;
};

// A combo box window: its items, selection and parts, and one handler per message of the combo
// box and of its drop-down list.
class ComboBox final : public NativeWindow {
 public:
  using NativeWindow::NativeWindow;
  static MessageMap<ComboBox> Messages();
  static MessageMap<ComboBox> ListMessages();
  // Whether `list` is this combo box's drop-down list.
  bool Owns(HWND list) const { return list && list == list_; }
  // Our procedure in front of the edit part's.
  LRESULT OnEditPartMessage(HWND edit, unsigned message, WPARAM wParam, LPARAM lParam);

 private:
  // Window messages
  LRESULT OnCreate(WPARAM, LPARAM);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);
  LRESULT OnSize(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetText(WPARAM, LPARAM lParam);
  LRESULT OnGetText(WPARAM size, LPARAM buffer);
  LRESULT OnGetTextLength(WPARAM, LPARAM);
  LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
  LRESULT OnGetDlgCode(WPARAM, LPARAM) { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
  LRESULT OnCtlColorEdit(WPARAM dc, LPARAM control);
  LRESULT OnCtlColorStatic(WPARAM dc, LPARAM control);
  LRESULT OnSetFocus(WPARAM, LPARAM);
  LRESULT OnEnable(WPARAM enable, LPARAM);
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnKeyDown(WPARAM key, LPARAM lParam);
  LRESULT OnSysKeyDown(WPARAM key, LPARAM lParam);
  LRESULT OnLButtonDown(WPARAM, LPARAM lParam);
  LRESULT OnLButtonUp(WPARAM, LPARAM);
  LRESULT OnEraseBackground(WPARAM, LPARAM) { return 1; }
  LRESULT OnPaint(WPARAM, LPARAM);
  // Combo box messages
  LRESULT OnAddString(WPARAM, LPARAM text);
  LRESULT OnInsertString(WPARAM index, LPARAM text);
  LRESULT OnDeleteString(WPARAM index, LPARAM);
  LRESULT OnResetContent(WPARAM, LPARAM);
  LRESULT OnGetCount(WPARAM, LPARAM) { return Count(); }
  LRESULT OnGetCurSel(WPARAM, LPARAM) { return selected_; }
  LRESULT OnSetCurSel(WPARAM index, LPARAM);
  LRESULT OnGetLBText(WPARAM index, LPARAM buffer);
  LRESULT OnGetLBTextLen(WPARAM index, LPARAM);
  LRESULT OnFindString(WPARAM after, LPARAM prefix);
  LRESULT OnShowDropDown(WPARAM show, LPARAM);
  LRESULT OnGetDroppedState(WPARAM, LPARAM) { return dropped_ ? 1 : 0; }
  LRESULT OnSetItemHeight(WPARAM which, LPARAM height);
  LRESULT OnGetEditSel(WPARAM start, LPARAM end);
  LRESULT OnSetEditSel(WPARAM, LPARAM range);
  LRESULT OnLimitText(WPARAM limit, LPARAM);
  // The drop-down list's messages
  LRESULT OnListMouseActivate(WPARAM, LPARAM) { return MA_NOACTIVATE; }
  LRESULT OnListLButtonDown(WPARAM, LPARAM lParam);
  LRESULT OnListMouseMove(WPARAM, LPARAM lParam);
  LRESULT OnListLButtonUp(WPARAM, LPARAM lParam);
  LRESULT OnListCaptureChanged(WPARAM, LPARAM);
  LRESULT OnListEraseBackground(WPARAM, LPARAM) { return 1; }
  LRESULT OnListPaint(WPARAM, LPARAM);

  gfx::HFONT Font() const { return font_ ? font_ : DefaultControlFont(); }
  int ItemHeight() const;
  int Count() const { return static_cast<int>(items_.size()); }
  bool ValidIndex(int index) const { return index >= 0 && index < Count(); }
  int VisibleRows() const { return std::clamp(Count(), 1, kDefaultVisibleItems); }
  // A list longer than it shows has a scroll bar at its right.
  bool Scrolls() const { return Count() > kDefaultVisibleItems; }
  int FindPrefix(int after, std::string_view prefix) const;
  void SetEditText(std::string_view text, bool selectAll);
  void RedrawList() const;
  void ScrollTo(int top);
  void ShowHot();
  void Select(int index);
  void UserSelect(int index);
  void ItemsChanged();
  void PlaceList();
  void CloseList();
  void OpenList();
  void ToggleList();
  bool HandleKey(unsigned message, WPARAM key);
  bool StepSelection(WPARAM key);
  void EditChanged();
  LRESULT ForwardColor(unsigned message, WPARAM dc, LPARAM control);
  int ItemAt(POINT point) const;
  void HighlightAt(POINT point);
  void ScrollBarPress(POINT point);
  void PaintScrollBar(HDC dc) const;

  std::vector<std::string> items_;
  int selected_ = -1;
  int hot_ = -1;  // the item highlighted in the open list
  int top_ = 0;   // the first item the open list shows
  bool dropped_ = false;
  bool buttonDown_ = false;
  bool closing_ = false;
  int quiet_ = 0;  // while above zero, changes of the edit part are the program's own
  int itemHeight_ = 0;
  HWND edit_ = nullptr;
  HWND list_ = nullptr;
  WindowProc editProc_;  // the edit part's procedure before ours
  gfx::HFONT font_ = nullptr;
};

MessageMap<ComboBox> ComboBox::Messages() {
  static constexpr MessageHandler<ComboBox> kMap[] = {
      {WM_CREATE, &ComboBox::OnCreate},
      {WM_DESTROY, &ComboBox::OnDestroy},
      {WM_SIZE, &ComboBox::OnSize},
      {WM_SETTEXT, &ComboBox::OnSetText},
      {WM_GETTEXT, &ComboBox::OnGetText},
      {WM_GETTEXTLENGTH, &ComboBox::OnGetTextLength},
      {WM_SETFONT, &ComboBox::OnSetFont},
      {WM_GETDLGCODE, &ComboBox::OnGetDlgCode},
      {WM_CTLCOLOREDIT, &ComboBox::OnCtlColorEdit},
      {WM_CTLCOLORSTATIC, &ComboBox::OnCtlColorStatic},
      {WM_SETFOCUS, &ComboBox::OnSetFocus},
      {WM_ENABLE, &ComboBox::OnEnable},
      {WM_COMMAND, &ComboBox::OnCommand},
      {WM_KEYDOWN, &ComboBox::OnKeyDown},
      {WM_SYSKEYDOWN, &ComboBox::OnSysKeyDown},
      {WM_LBUTTONDOWN, &ComboBox::OnLButtonDown},
      {WM_LBUTTONDBLCLK, &ComboBox::OnLButtonDown},
      {WM_LBUTTONUP, &ComboBox::OnLButtonUp},
      {CB_ADDSTRING, &ComboBox::OnAddString},
      {CB_INSERTSTRING, &ComboBox::OnInsertString},
      {CB_DELETESTRING, &ComboBox::OnDeleteString},
      {CB_RESETCONTENT, &ComboBox::OnResetContent},
      {CB_GETCOUNT, &ComboBox::OnGetCount},
      {CB_GETCURSEL, &ComboBox::OnGetCurSel},
      {CB_SETCURSEL, &ComboBox::OnSetCurSel},
      {CB_GETLBTEXT, &ComboBox::OnGetLBText},
      {CB_GETLBTEXTLEN, &ComboBox::OnGetLBTextLen},
      {CB_FINDSTRING, &ComboBox::OnFindString},
      {CB_SHOWDROPDOWN, &ComboBox::OnShowDropDown},
      {CB_GETDROPPEDSTATE, &ComboBox::OnGetDroppedState},
      {CB_SETITEMHEIGHT, &ComboBox::OnSetItemHeight},
      {CB_GETEDITSEL, &ComboBox::OnGetEditSel},
      {CB_SETEDITSEL, &ComboBox::OnSetEditSel},
      {CB_LIMITTEXT, &ComboBox::OnLimitText},
      {WM_ERASEBKGND, &ComboBox::OnEraseBackground},
      {WM_PAINT, &ComboBox::OnPaint},
  };
  return kMap;
}

MessageMap<ComboBox> ComboBox::ListMessages() {
  static constexpr MessageHandler<ComboBox> kMap[] = {
      {WM_MOUSEACTIVATE, &ComboBox::OnListMouseActivate},
      {WM_LBUTTONDOWN, &ComboBox::OnListLButtonDown},
      {WM_LBUTTONDBLCLK, &ComboBox::OnListLButtonDown},
      {WM_MOUSEMOVE, &ComboBox::OnListMouseMove},
      {WM_LBUTTONUP, &ComboBox::OnListLButtonUp},
      {WM_CAPTURECHANGED, &ComboBox::OnListCaptureChanged},
      {WM_ERASEBKGND, &ComboBox::OnListEraseBackground},
      {WM_PAINT, &ComboBox::OnListPaint},
  };
  return kMap;
}

// ---- Items, selection and the edit part

int ComboBox::ItemHeight() const {
  if (itemHeight_ > 0) return itemHeight_;
  HDC dc = gfx::CreateCompatibleDC(nullptr);
  gfx::SelectObject(dc, Font());
  gfx::TEXTMETRIC metrics;
  gfx::GetTextMetrics(dc, metrics);
  gfx::DeleteDC(dc);
  return std::max(1, metrics.height + 2);
}

// The first item after `after` (wrapping round, -1: from the start) that begins with `prefix`.
int ComboBox::FindPrefix(int after, std::string_view prefix) const {
  const int count = Count();
  if (count == 0) return CB_ERR;
  if (after < -1 || after >= count) after = -1;
  for (int step = 1; step <= count; ++step) {
    const int index = (after + step) % count;
    if (StartsWithIgnoringCase(items_[static_cast<std::size_t>(index)], prefix)) return index;
  }
  return CB_ERR;
}

// Sets the edit part's text as the program's own change: the parent hears nothing.
void ComboBox::SetEditText(std::string_view text, bool selectAll) {
  if (!edit_) return;
  ++quiet_;
  const std::string copy(text);
  SendMessage(edit_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()));
  if (selectAll) SendMessage(edit_, EM_SETSEL, 0, static_cast<LPARAM>(-1));
  --quiet_;
}

void ComboBox::RedrawList() const {
  if (list_) InvalidateRect(list_, nullptr, true);
}

void ComboBox::ScrollTo(int top) {
  top = std::clamp(top, 0, std::max(0, Count() - VisibleRows()));
  if (top == top_) return;
  top_ = top;
  RedrawList();
}

// Scrolls the open list so that the highlighted item shows.
void ComboBox::ShowHot() {
  int top = std::min(top_, std::max(0, Count() - VisibleRows()));
  if (hot_ >= 0) {
    if (hot_ < top) top = hot_;
    if (hot_ >= top + VisibleRows()) top = hot_ - VisibleRows() + 1;
  }
  ScrollTo(top);
}

// Selects an item (or nothing) and shows it in the edit part.
void ComboBox::Select(int index) {
  if (!ValidIndex(index)) {
    selected_ = -1;
    hot_ = -1;
    SetEditText("", false);
  } else {
    selected_ = index;
    hot_ = index;
    SetEditText(items_[static_cast<std::size_t>(index)], true);
  }
  ShowHot();
  RedrawList();
}

// A selection the user made: shown, and reported when it changed.
void ComboBox::UserSelect(int index) {
  if (!ValidIndex(index)) return;
  const bool changed = index != selected_;
  Select(index);
  if (changed) Notify(window(), CBN_SELCHANGE);
}

// After the items changed: the open list follows.
void ComboBox::ItemsChanged() {
  hot_ = selected_;
  if (dropped_) PlaceList();
  RedrawList();
}

// The edit part's text changed: the user's typing unless the combo box itself set it.
void ComboBox::EditChanged() {
  if (quiet_ > 0) return;
  const std::string text = edit_ ? GetWindowText(edit_) : std::string();
  int index = -1;
  if (dropped_ && !text.empty()) index = FindPrefix(-1, text);
  selected_ = index;
  hot_ = index;
  ShowHot();
  RedrawList();
  Notify(window(), CBN_EDITCHANGE);
}

// ---- Opening and closing the list

void ComboBox::PlaceList() {
  RECT bounds;
  GetWindowRect(window(), bounds);
  const int height = VisibleRows() * ItemHeight() + 2;
  SetWindowPos(list_, HWND_TOP, bounds.left, bounds.bottom, bounds.Width(), height, SWP_NOACTIVATE);
}

void ComboBox::CloseList() {
  if (!dropped_ || closing_) return;
  closing_ = true;
  dropped_ = false;
  buttonDown_ = false;
  if (list_) {
    if (GetCapture() == list_) ReleaseCapture();
    ShowWindow(list_, SW_HIDE);
  }
  closing_ = false;
  InvalidateRect(window(), nullptr, true);
  Notify(window(), CBN_CLOSEUP);
}

void ComboBox::OpenList() {
  if (dropped_ || !IsWindowEnabled(window())) return;
  Notify(window(), CBN_DROPDOWN);
  if (!IsWindow(window())) return;
  if (!list_) {
    list_ = CreateWindowEx(WS_EX_TOPMOST, kComboListClass, "", WS_POPUP, 0, 0, 1, 1, window());
    if (!list_) return;
    SetWindowData(list_, std::make_unique<ListPart>(window()));
  }
  dropped_ = true;
  hot_ = selected_;
  top_ = 0;
  ShowHot();
  PlaceList();
  ShowWindow(list_, SW_SHOWNA);
  SetCapture(list_);
  InvalidateRect(window(), nullptr, true);
  RedrawList();
}

void ComboBox::ToggleList() {
  if (dropped_) {
    CloseList();
  } else {
    OpenList();
  }
}

// ---- Keys

// Keys for the combo box, from its edit part or itself. True when the key was used.
bool ComboBox::HandleKey(unsigned message, WPARAM key) {
  if (message == WM_SYSKEYDOWN) {
    if (key != VK_DOWN && key != VK_UP) return false;
    ToggleList();
    return true;
  }
  if (message != WM_KEYDOWN) return false;
  switch (key) {
    case VK_F4:
      ToggleList();
      return true;
    case VK_DOWN:
    case VK_UP:
      return StepSelection(key);
    case VK_RETURN:
      // Enter takes the item the pointer highlights in the open list.
      if (!dropped_) return false;
      if (hot_ >= 0 && hot_ != selected_) {
        UserSelect(hot_);
        if (!IsWindow(window())) return true;
      }
      CloseList();
      return true;
    case VK_ESCAPE:
      if (!dropped_) return false;
      hot_ = selected_;
      CloseList();
      return true;
    default:
      return false;
  }
}

// Up and Down select the item above or below, with the list open or closed.
bool ComboBox::StepSelection(WPARAM key) {
  const int count = Count();
  if (count == 0) return true;
  int index;
  if (selected_ < 0) {
    index = 0;
  } else if (key == VK_DOWN) {
    index = std::min(selected_ + 1, count - 1);
  } else {
    index = std::max(selected_ - 1, 0);
  }
  UserSelect(index);
  return true;
}

LRESULT ComboBox::OnEditPartMessage(HWND edit, unsigned message, WPARAM wParam, LPARAM lParam) {
  const WindowProc previous = editProc_;
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (HandleKey(message, wParam)) return 0;
      break;
    case WM_CHAR:
      if (wParam == VK_RETURN || wParam == VK_ESCAPE || wParam == VK_TAB) return 0;
      break;
    case WM_KILLFOCUS:
      if (HWND::FromValue(wParam) != window()) CloseList();
      break;
    default:
      break;
  }
  return CallWindowProc(previous, edit, message, wParam, lParam);
}

LRESULT ComboBox::OnKeyDown(WPARAM key, LPARAM lParam) {
  if (HandleKey(WM_KEYDOWN, key)) return 0;
  return Default(WM_KEYDOWN, key, lParam);
}

LRESULT ComboBox::OnSysKeyDown(WPARAM key, LPARAM lParam) {
  if (HandleKey(WM_SYSKEYDOWN, key)) return 0;
  return Default(WM_SYSKEYDOWN, key, lParam);
}

// ---- Window messages

LRESULT ComboBox::OnCreate(WPARAM, LPARAM) {
  std::string text(static_cast<std::size_t>(Default(WM_GETTEXTLENGTH, 0, 0)), '\0');
  text.resize(static_cast<std::size_t>(
      Default(WM_GETTEXT, text.size() + 1, reinterpret_cast<LPARAM>(text.data()))));
  std::uint32_t editStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
  if (Style(window()) & 0x2000) editStyle |= ES_UPPERCASE;  // CBS_UPPERCASE
  if (Style(window()) & 0x4000) editStyle |= ES_LOWERCASE;  // CBS_LOWERCASE
  if (!IsWindowEnabled(window())) editStyle |= WS_DISABLED;
  const RECT area = EditRect(window());
  ++quiet_;
  edit_ = CreateWindowEx(0, "EDIT", text, editStyle, area.left, area.top, area.Width(),
                         area.Height(), window(), kEditId);
  --quiet_;
  if (!edit_) return -1;
  editProc_ = SetWindowProc(
      edit_, [combo = window()](HWND edit, unsigned m, WPARAM w, LPARAM l) -> LRESULT {
        ComboBox* box = FindData<ComboBox>(combo);
        return box ? box->OnEditPartMessage(edit, m, w, l) : DefWindowProc(edit, m, w, l);
      });
  return 0;
}

LRESULT ComboBox::OnDestroy(WPARAM wParam, LPARAM lParam) {
  if (list_) {
    if (GetCapture() == list_) ReleaseCapture();
    HWND list = list_;
    list_ = nullptr;
    dropped_ = false;
    DestroyWindow(list);
  }
  return Default(WM_DESTROY, wParam, lParam);
}

LRESULT ComboBox::OnSize(WPARAM wParam, LPARAM lParam) {
  if (edit_) {
    const RECT area = EditRect(window());
    MoveWindow(edit_, area.left, area.top, area.Width(), area.Height(), true);
  }
  if (dropped_) PlaceList();
  return Default(WM_SIZE, wParam, lParam);
}

LRESULT ComboBox::OnSetText(WPARAM, LPARAM lParam) {
  SetEditText(TextArgument(lParam), false);
  return 1;
}

LRESULT ComboBox::OnGetText(WPARAM size, LPARAM buffer) {
  return edit_ ? SendMessage(edit_, WM_GETTEXT, size, buffer) : 0;
}

LRESULT ComboBox::OnGetTextLength(WPARAM, LPARAM) {
  return edit_ ? SendMessage(edit_, WM_GETTEXTLENGTH, 0, 0) : 0;
}

LRESULT ComboBox::OnSetFont(WPARAM wParam, LPARAM lParam) {
  font_ = FontArgument(wParam);
  if (edit_) SendMessage(edit_, WM_SETFONT, wParam, lParam);
  if (lParam) InvalidateRect(window(), nullptr, true);
  RedrawList();
  return 0;
}

// The edit part's colours are the combo box's: its parent decides them.
LRESULT ComboBox::ForwardColor(unsigned message, WPARAM dc, LPARAM control) {
  if (HWND owner = GetParent(window())) return SendMessage(owner, message, dc, control);
  return 0;
}
LRESULT ComboBox::OnCtlColorEdit(WPARAM dc, LPARAM control) {
  return ForwardColor(WM_CTLCOLOREDIT, dc, control);
}
LRESULT ComboBox::OnCtlColorStatic(WPARAM dc, LPARAM control) {
  return ForwardColor(WM_CTLCOLORSTATIC, dc, control);
}

// The focus given to the combo box itself (the keyboard's way in) selects the whole text, so
// typing replaces it; a click into the edit part places the caret instead.
LRESULT ComboBox::OnSetFocus(WPARAM, LPARAM) {
  if (edit_) {
    SetFocus(edit_);
    if (GetFocus() == edit_) SendMessage(edit_, EM_SETSEL, 0, static_cast<LPARAM>(-1));
  }
  return 0;
}

LRESULT ComboBox::OnEnable(WPARAM enable, LPARAM) {
  if (edit_) EnableWindow(edit_, enable != 0);
  if (!enable) CloseList();
  InvalidateRect(window(), nullptr, true);
  return 0;
}

LRESULT ComboBox::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (edit_ && HWND::FromValue(lParam) == edit_ &&
      static_cast<unsigned>(HIWORD(wParam)) == EN_CHANGE) {
    EditChanged();
  }
  return 0;
}

LRESULT ComboBox::OnLButtonDown(WPARAM, LPARAM lParam) {
  if (edit_ && GetFocus() != edit_) SetFocus(edit_);
  if (!IsWindow(window())) return 0;
  if (dropped_) {
    CloseList();
  } else if (ButtonRect(window()).Contains(MousePoint(lParam))) {
    buttonDown_ = true;
    OpenList();
  }
  return 0;
}

LRESULT ComboBox::OnLButtonUp(WPARAM, LPARAM) {
  if (buttonDown_ && !dropped_) {
    buttonDown_ = false;
    InvalidateRect(window(), nullptr, true);
  }
  return 0;
}

LRESULT ComboBox::OnPaint(WPARAM, LPARAM) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window(), paint);
  if (!dc) return 0;
  RECT client;
  GetClientRect(window(), client);
  const bool enabled = IsWindowEnabled(window());
  RECT inside = client;
  gfx::DrawEdge(dc, inside, gfx::EDGE_SUNKEN, gfx::BF_RECT | gfx::BF_ADJUST);
  gfx::SetBkColor(dc, gfx::GetSysColor(enabled ? gfx::COLOR_WINDOW : gfx::COLOR_BTNFACE));
  gfx::FillRect(
      dc, inside,
      ParentColorBrush(window(), WM_CTLCOLOREDIT, dc,
                       gfx::GetSysColorBrush(enabled ? gfx::COLOR_WINDOW : gfx::COLOR_BTNFACE)));
  RECT button = ButtonRect(window());
  unsigned flags = gfx::DFCS_SCROLLCOMBOBOX;
  if (buttonDown_) flags |= gfx::DFCS_PUSHED | gfx::DFCS_FLAT;
  if (!enabled) flags |= gfx::DFCS_INACTIVE;
  gfx::DrawFrameControl(dc, button, gfx::DFC_SCROLL, flags);
  EndPaint(window(), paint);
  return 0;
}

// ---- Combo box messages

LRESULT ComboBox::OnAddString(WPARAM, LPARAM lParam) {
  const std::string text(TextArgument(lParam));
  std::size_t at = items_.size();
  if (Style(window()) & CBS_SORT) {
    at = static_cast<std::size_t>(std::upper_bound(items_.begin(), items_.end(), text,
                                                   [](const std::string& a, const std::string& b) {
                                                     return LessIgnoringCase(a, b);
                                                   }) -
                                  items_.begin());
  }
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), text);
  if (selected_ >= static_cast<int>(at)) ++selected_;
  ItemsChanged();
  return static_cast<LRESULT>(at);
}

LRESULT ComboBox::OnInsertString(WPARAM wParam, LPARAM lParam) {
  const int index = SignedArgument(wParam);
  const int count = Count();
  if (index > count) return CB_ERR;
  const int at = index < 0 ? count : index;
  items_.insert(items_.begin() + at, std::string(TextArgument(lParam)));
  if (selected_ >= at) ++selected_;
  ItemsChanged();
  return at;
}

LRESULT ComboBox::OnDeleteString(WPARAM wParam, LPARAM) {
  const int index = SignedArgument(wParam);
  if (!ValidIndex(index)) return CB_ERR;
  items_.erase(items_.begin() + index);
  if (selected_ == index) {
    selected_ = -1;
  } else if (selected_ > index) {
    --selected_;
  }
  ItemsChanged();
  return Count();
}

LRESULT ComboBox::OnResetContent(WPARAM, LPARAM) {
  items_.clear();
  selected_ = -1;
  hot_ = -1;
  top_ = 0;
  SetEditText("", false);
  if (dropped_) PlaceList();
  RedrawList();
  return 0;
}

LRESULT ComboBox::OnSetCurSel(WPARAM wParam, LPARAM) {
  const int index = SignedArgument(wParam);
  Select(index);
  return selected_ == index ? index : CB_ERR;
}

LRESULT ComboBox::OnGetLBText(WPARAM wParam, LPARAM buffer) {
  const int index = SignedArgument(wParam);
  if (!ValidIndex(index)) return CB_ERR;
  const std::string& item = items_[static_cast<std::size_t>(index)];
  if (char* out = reinterpret_cast<char*>(buffer)) {
    std::copy(item.begin(), item.end(), out);
    out[item.size()] = '\0';
  }
  return static_cast<LRESULT>(item.size());
}

LRESULT ComboBox::OnGetLBTextLen(WPARAM wParam, LPARAM) {
  const int index = SignedArgument(wParam);
  if (!ValidIndex(index)) return CB_ERR;
  return static_cast<LRESULT>(items_[static_cast<std::size_t>(index)].size());
}

LRESULT ComboBox::OnFindString(WPARAM after, LPARAM prefix) {
  return FindPrefix(SignedArgument(after), TextArgument(prefix));
}

LRESULT ComboBox::OnShowDropDown(WPARAM show, LPARAM) {
  if (show) {
    OpenList();
  } else {
    CloseList();
  }
  return 1;
}

LRESULT ComboBox::OnSetItemHeight(WPARAM which, LPARAM height) {
  if (SignedArgument(height) <= 0) return CB_ERR;
  if (SignedArgument(which) < 0) return 0;  // the field's own height follows the window
  itemHeight_ = SignedArgument(height);
  if (dropped_) PlaceList();
  RedrawList();
  return 0;
}

LRESULT ComboBox::OnGetEditSel(WPARAM start, LPARAM end) {
  return edit_ ? SendMessage(edit_, EM_GETSEL, start, end) : CB_ERR;
}

// lParam holds the start and the end as signed 16-bit halves.
LRESULT ComboBox::OnSetEditSel(WPARAM, LPARAM range) {
  if (!edit_) return CB_ERR;
  const auto halves = static_cast<std::uintptr_t>(range);
  SendMessage(edit_, EM_SETSEL, static_cast<WPARAM>(static_cast<std::int16_t>(LOWORD(halves))),
              static_cast<LPARAM>(static_cast<std::int16_t>(HIWORD(halves))));
  return 1;
}

LRESULT ComboBox::OnLimitText(WPARAM limit, LPARAM) {
  if (edit_) SendMessage(edit_, EM_LIMITTEXT, limit, 0);
  return 1;
}

// ---- The drop-down list

int ComboBox::ItemAt(POINT point) const {
  if (Scrolls() && point.x >= ScrollBarRect(list_).left) return -1;
  if (point.y < 1) return -1;
  const int index = top_ + (point.y - 1) / ItemHeight();
  if (index >= Count() || index >= top_ + VisibleRows()) return -1;
  return index;
}

// The pointer highlights the item under it.
void ComboBox::HighlightAt(POINT point) {
  const int index = ItemAt(point);
  if (index >= 0 && index != hot_) {
    hot_ = index;
    RedrawList();
  }
}

// A press on the scroll bar: the arrows step one item, the track above or below the thumb a
// page.
void ComboBox::ScrollBarPress(POINT point) {
  const RECT bar = ScrollBarRect(list_);
  const int arrow = std::min(bar.Width(), bar.Height() / 2);
  const int rows = VisibleRows();
  if (point.y < bar.top + arrow) {
    ScrollTo(top_ - 1);
  } else if (point.y >= bar.bottom - arrow) {
    ScrollTo(top_ + 1);
  } else {
    const int track = bar.Height() - 2 * arrow;
    const int thumbTop = bar.top + arrow + track * top_ / std::max(1, Count());
    ScrollTo(point.y < thumbTop ? top_ - rows : top_ + rows);
  }
}

LRESULT ComboBox::OnListLButtonDown(WPARAM, LPARAM lParam) {
  RECT client;
  GetClientRect(list_, client);
  const POINT point = MousePoint(lParam);
  if (!client.Contains(point)) {
    // A press outside closes the list; on the combo box's own button it does no more.
    CloseList();
  } else if (Scrolls() && point.x >= ScrollBarRect(list_).left) {
    ScrollBarPress(point);
  } else {
    HighlightAt(point);
  }
  return 0;
}

LRESULT ComboBox::OnListMouseMove(WPARAM, LPARAM lParam) {
  RECT client;
  GetClientRect(list_, client);
  const POINT point = MousePoint(lParam);
  if (client.Contains(point)) HighlightAt(point);
  return 0;
}

LRESULT ComboBox::OnListLButtonUp(WPARAM, LPARAM lParam) {
  if (buttonDown_) {
    buttonDown_ = false;
    InvalidateRect(window(), nullptr, true);
  }
  RECT client;
  GetClientRect(list_, client);
  const POINT point = MousePoint(lParam);
  if (!client.Contains(point)) return 0;
  const int index = ItemAt(point);
  if (index < 0) return 0;
  UserSelect(index);
  if (IsWindow(window())) CloseList();
  return 0;
}

LRESULT ComboBox::OnListCaptureChanged(WPARAM, LPARAM) {
  if (dropped_ && !closing_) CloseList();
  return 0;
}

void ComboBox::PaintScrollBar(HDC dc) const {
  const RECT bar = ScrollBarRect(list_);
  gfx::FillRect(dc, bar, gfx::GetSysColorBrush(gfx::COLOR_SCROLLBAR));
  const int arrow = std::min(bar.Width(), bar.Height() / 2);
  const int track = bar.Height() - 2 * arrow;
  const int count = std::max(1, Count());
  RECT up{bar.left, bar.top, bar.right, bar.top + arrow};
  RECT down{bar.left, bar.bottom - arrow, bar.right, bar.bottom};
  RECT thumb{bar.left, bar.top + arrow + track * top_ / count, bar.right,
             bar.top + arrow + track * (top_ + VisibleRows()) / count};
  for (RECT* box : {&up, &down, &thumb}) {
    RECT inside = *box;
    gfx::DrawFrameControl(dc, inside, gfx::DFC_BUTTON, gfx::DFCS_BUTTONPUSH);
  }
  // The arrows: small triangles pointing up and down.
  gfx::HGDIOBJ oldPen = gfx::SelectObject(dc, gfx::GetStockPen(gfx::BLACK_PEN));
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

LRESULT ComboBox::OnListPaint(WPARAM, LPARAM) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(list_, paint);
  if (!dc) return 0;
  RECT client;
  GetClientRect(list_, client);
  gfx::FrameRect(dc, client, gfx::GetStockBrush(gfx::BLACK_BRUSH));
  RECT inside = client.Inflate(-1, -1);
  if (Scrolls()) inside.right = ScrollBarRect(list_).left;
  gfx::FillRect(dc, inside, gfx::GetSysColorBrush(gfx::COLOR_WINDOW));
  gfx::SaveDC(dc);
  gfx::IntersectClipRect(dc, inside.left, inside.top, inside.right, inside.bottom);
  gfx::SelectObject(dc, Font());
  gfx::SetBkMode(dc, gfx::TRANSPARENT);
  const int height = ItemHeight();
  for (int i = top_; i < Count(); ++i) {
    const int top = inside.top + (i - top_) * height;
    if (top >= inside.bottom) break;
    RECT row{inside.left, top, inside.right, top + height};
    const bool highlighted = i == hot_;
    if (highlighted) gfx::FillRect(dc, row, gfx::GetSysColorBrush(gfx::COLOR_HIGHLIGHT));
    gfx::SetTextColor(
        dc, gfx::GetSysColor(highlighted ? gfx::COLOR_HIGHLIGHTTEXT : gfx::COLOR_WINDOWTEXT));
    RECT text{row.left + 2, row.top, row.right - 2, row.bottom};
    gfx::DrawTextA(dc, items_[static_cast<std::size_t>(i)], text,
                   gfx::DT_LEFT | gfx::DT_VCENTER | gfx::DT_SINGLELINE | gfx::DT_NOPREFIX);
  }
  gfx::RestoreDC(dc, -1);
  if (Scrolls()) PaintScrollBar(dc);
  EndPaint(list_, paint);
  return 0;
}

// The drop-down list's procedure: its messages go to the combo box that made it, while that
// holds it.
LRESULT ListProc(HWND list, unsigned message, WPARAM wParam, LPARAM lParam) {
  const auto* part = FindData<ListPart>(list);
  ComboBox* box = part ? FindData<ComboBox>(part->combo) : nullptr;
  if (!box || !box->Owns(list)) return DefWindowProc(list, message, wParam, lParam);
  return Dispatch(*box, ComboBox::ListMessages(), list, message, wParam, lParam);
}

}  // namespace

void RegisterComboBoxClasses() {
  RegisterClass({"COMBOBOX", CS_DBLCLKS, ControlProc<ComboBox>});  // false when it is there already
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

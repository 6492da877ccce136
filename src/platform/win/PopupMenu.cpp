// Pop-up menus: layout, painting, mouse and keys. One menu is open at a time; its window is made
// when it opens, holds the menu's state, and is destroyed when it closes.

#include "platform/win/PopupMenu.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <optional>
#include <utility>

#include "platform/gfx/Gdi.h"
#include "platform/gfx/Text.h"
#include "platform/win/Messages.h"
#include "platform/win/NativeClasses.h"
#include "platform/win/NativeSupport.h"

namespace pw::win {
namespace {

using native::Dispatch;
using native::FindData;
using native::MessageHandler;
using native::MessageMap;
using native::MousePoint;
using native::NativeWindow;

constexpr int kBorder = 3;        // the raised edge and a pixel of menu colour
constexpr int kCheckColumn = 17;  // left of the text, where check marks would go
constexpr int kRightMargin = 17;  // right of the text, where submenu arrows would go
constexpr int kMinItemHeight = 17;
constexpr int kSeparatorHeight = 9;

// The menu font: Tahoma at 8 points, as the system's menus use.
gfx::HFONT MenuFont() {
  const gfx::HFONT font = [] {
    gfx::LOGFONT request;
    request.height = -11;
    request.faceName = "Tahoma";
    return gfx::SharedFont(request);
  }();
  return font;
}

bool IsSeparator(const MenuItem& item) {
  return item.text.empty();
}
bool Selectable(const MenuItem& item) {
  return !IsSeparator(item) && item.enabled;
}

// The character "&" marks, lower-cased; 0 when none.
char Mnemonic(std::string_view text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&')
      return static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
    ++i;
  }
  return 0;
}

struct MenuLayout {
  std::vector<RECT> rows;  // client coordinates
  SIZE size;               // of the client area
};

// Lays the items out from the top.
MenuLayout Layout(const std::vector<MenuItem>& items) {
  HDC dc = gfx::CreateCompatibleDC(nullptr);
  gfx::SelectObject(dc, MenuFont());
  gfx::TEXTMETRIC metrics;
  gfx::GetTextMetrics(dc, metrics);
  const int itemHeight = std::max(kMinItemHeight, metrics.height + 4);
  int widest = 0;
  for (const MenuItem& item : items) {
    if (IsSeparator(item)) continue;
    RECT box{0, 0, 0, 0};
    gfx::DrawTextA(dc, item.text, box, gfx::DT_LEFT | gfx::DT_SINGLELINE | gfx::DT_CALCRECT);
    widest = std::max(widest, box.Width());
  }
  gfx::DeleteDC(dc);
  const int width = 2 * kBorder + kCheckColumn + widest + kRightMargin;
  MenuLayout layout;
  int y = kBorder;
  for (const MenuItem& item : items) {
    const int height = IsSeparator(item) ? kSeparatorHeight : itemHeight;
    layout.rows.push_back(RECT{kBorder, y, width - kBorder, y + height});
    y += height;
  }
  layout.size = SIZE{width, y + kBorder};
  return layout;
}

// An open menu's window: the items, their rows and the highlight, and one handler per message.
class MenuWindow final : public NativeWindow {
 public:
  MenuWindow(HWND window, HWND owner, std::vector<MenuItem> items, std::vector<RECT> rows)
      : NativeWindow(window), owner_(owner), items_(std::move(items)), rows_(std::move(rows)) {}
  static MessageMap<MenuWindow> Messages();

  HWND owner() const { return owner_; }
  const std::vector<MenuItem>& items() const { return items_; }
  const std::vector<RECT>& rows() const { return rows_; }
  int hot() const { return hot_; }
  bool closing() const { return closing_; }
  // The next selectable item from the highlighted one in a direction, wrapping round.
  void Step(int direction);
  // Closes the menu; sends the owner the chosen item's id, when there is one.
  void Close(std::optional<unsigned> choice);

 private:
  LRESULT OnMouseActivate(WPARAM, LPARAM) { return MA_NOACTIVATE; }
  LRESULT OnMouseMove(WPARAM, LPARAM lParam);
  LRESULT OnButtonDown(WPARAM, LPARAM lParam);
  LRESULT OnButtonUp(WPARAM, LPARAM lParam);
  LRESULT OnKeyDown(WPARAM key, LPARAM);
  LRESULT OnSysKeyDown(WPARAM, LPARAM);
  LRESULT OnChar(WPARAM code, LPARAM);
  LRESULT OnCaptureChanged(WPARAM, LPARAM);
  LRESULT OnEraseBackground(WPARAM, LPARAM) { return 1; }
  LRESULT OnPaint(WPARAM, LPARAM);

  bool InClient(POINT point) const;
  int ItemAt(POINT point) const;
  void Highlight(int index);
  void Choose(int index);
  void PaintItem(HDC dc, std::size_t index) const;

  HWND owner_;
  std::vector<MenuItem> items_;
  std::vector<RECT> rows_;
  int hot_ = -1;
  bool closing_ = false;
};

MessageMap<MenuWindow> MenuWindow::Messages() {
  static constexpr MessageHandler<MenuWindow> kMap[] = {
      {WM_MOUSEACTIVATE, &MenuWindow::OnMouseActivate},
      {WM_MOUSEMOVE, &MenuWindow::OnMouseMove},
      {WM_LBUTTONDOWN, &MenuWindow::OnButtonDown},
      {WM_LBUTTONDBLCLK, &MenuWindow::OnButtonDown},
      {WM_RBUTTONDOWN, &MenuWindow::OnButtonDown},
      {WM_LBUTTONUP, &MenuWindow::OnButtonUp},
      {WM_RBUTTONUP, &MenuWindow::OnButtonUp},
      {WM_KEYDOWN, &MenuWindow::OnKeyDown},
      {WM_SYSKEYDOWN, &MenuWindow::OnSysKeyDown},
      {WM_CHAR, &MenuWindow::OnChar},
      {WM_CAPTURECHANGED, &MenuWindow::OnCaptureChanged},
      {WM_ERASEBKGND, &MenuWindow::OnEraseBackground},
      {WM_PAINT, &MenuWindow::OnPaint},
  };
  return kMap;
}

// The open menu: the menu window among the top-level windows that is not closing (one menu is
// open at a time), or null.
MenuWindow* OpenMenu() {
  for (HWND window : GetTopLevelWindows()) {
    MenuWindow* menu = FindData<MenuWindow>(window);
    if (menu && !menu->closing()) return menu;
  }
  return nullptr;
}

// A menu window has its object from the moment TrackPopupMenu made it; a closing menu handles
// nothing more.
LRESULT MenuProc(HWND window, unsigned message, WPARAM wParam, LPARAM lParam) {
  MenuWindow* menu = FindData<MenuWindow>(window);
  if (!menu || menu->closing()) return DefWindowProc(window, message, wParam, lParam);
  return Dispatch(*menu, MenuWindow::Messages(), window, message, wParam, lParam);
}

// ---- Highlight and choice

bool MenuWindow::InClient(POINT point) const {
  RECT client;
  GetClientRect(window(), client);
  return client.Contains(point);
}

// The selectable item under a client point, -1 when none.
int MenuWindow::ItemAt(POINT point) const {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].Contains(point)) return Selectable(items_[i]) ? static_cast<int>(i) : -1;
  }
  return -1;
}

void MenuWindow::Highlight(int index) {
  if (index == hot_) return;
  hot_ = index;
  InvalidateRect(window(), nullptr, false);
}

void MenuWindow::Step(int direction) {
  const int count = static_cast<int>(items_.size());
  int index = hot_;
  for (int tried = 0; tried < count; ++tried) {
    index = index < 0 ? (direction > 0 ? 0 : count - 1) : (index + direction + count) % count;
    if (Selectable(items_[static_cast<std::size_t>(index)])) {
      Highlight(index);
      return;
    }
  }
}

void MenuWindow::Close(std::optional<unsigned> choice) {
  if (closing_) return;
  closing_ = true;
  const HWND menu = window();
  const HWND owner = owner_;
  if (GetKeyboardGrab() == menu) SetKeyboardGrab(nullptr);
  if (GetCapture() == menu) ReleaseCapture();
  DestroyWindow(menu);  // nothing of this object is used after it
  if (choice && IsWindow(owner)) {
    SendMessage(owner, WM_COMMAND, MAKEWPARAM(static_cast<int>(*choice), 0), 0);
  }
}

void MenuWindow::Choose(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  const MenuItem& item = items_[static_cast<std::size_t>(index)];
  if (Selectable(item)) Close(item.id);
}

// ---- Mouse and keys

LRESULT MenuWindow::OnMouseMove(WPARAM, LPARAM lParam) {
  const POINT point = MousePoint(lParam);
  Highlight(InClient(point) ? ItemAt(point) : -1);
  return 0;
}

// A press outside closes the menu and goes no further.
LRESULT MenuWindow::OnButtonDown(WPARAM, LPARAM lParam) {
  if (!InClient(MousePoint(lParam))) Close(std::nullopt);
  return 0;
}

LRESULT MenuWindow::OnButtonUp(WPARAM, LPARAM lParam) {
  const POINT point = MousePoint(lParam);
  if (InClient(point)) Choose(ItemAt(point));
  return 0;
}

LRESULT MenuWindow::OnKeyDown(WPARAM key, LPARAM) {
  switch (key) {
    case VK_UP:
      Step(-1);
      break;
    case VK_DOWN:
      Step(1);
      break;
    case VK_HOME:
      hot_ = -1;
      Step(1);
      break;
    case VK_END:
      hot_ = -1;
      Step(-1);
      break;
    case VK_RETURN:
      if (hot_ >= 0) {
        Choose(hot_);
      } else {
        Close(std::nullopt);
      }
      break;
    case VK_ESCAPE:
      Close(std::nullopt);
      break;
    default:
      break;
  }
  return 0;
}

LRESULT MenuWindow::OnSysKeyDown(WPARAM, LPARAM) {
  Close(std::nullopt);
  return 0;
}

// An item's mnemonic chooses it.
LRESULT MenuWindow::OnChar(WPARAM code, LPARAM) {
  if (code < 0x20 || code > 0x7E) return 0;
  const char typed = static_cast<char>(std::tolower(static_cast<int>(code)));
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (Selectable(items_[i]) && Mnemonic(items_[i].text) == typed) {
      Choose(static_cast<int>(i));
      break;
    }
  }
  return 0;
}

LRESULT MenuWindow::OnCaptureChanged(WPARAM, LPARAM) {
  Close(std::nullopt);
  return 0;
}

// ---- Painting

void MenuWindow::PaintItem(HDC dc, std::size_t index) const {
  constexpr unsigned kFlags = gfx::DT_LEFT | gfx::DT_VCENTER | gfx::DT_SINGLELINE;
  const MenuItem& item = items_[index];
  const RECT row = rows_[index];
  if (IsSeparator(item)) {
    // An etched line across the middle.
    const int y = row.top + row.Height() / 2 - 1;
    RECT dark{row.left + 1, y, row.right - 1, y + 1};
    RECT light{row.left + 1, y + 1, row.right - 1, y + 2};
    gfx::FillRect(dc, dark, gfx::GetSysColorBrush(gfx::COLOR_BTNSHADOW));
    gfx::FillRect(dc, light, gfx::GetSysColorBrush(gfx::COLOR_BTNHIGHLIGHT));
    return;
  }
  RECT text{row.left + kCheckColumn, row.top, row.right - kRightMargin, row.bottom};
  if (static_cast<int>(index) == hot_) {
    gfx::FillRect(dc, row, gfx::GetSysColorBrush(gfx::COLOR_HIGHLIGHT));
    gfx::SetTextColor(dc, gfx::GetSysColor(gfx::COLOR_HIGHLIGHTTEXT));
  } else if (!item.enabled) {
    // Disabled items are embossed: a light copy below right of the grey text.
    RECT shifted = text.Offset(1, 1);
    gfx::SetTextColor(dc, gfx::GetSysColor(gfx::COLOR_BTNHIGHLIGHT));
    gfx::DrawTextA(dc, item.text, shifted, kFlags);
    gfx::SetTextColor(dc, gfx::GetSysColor(gfx::COLOR_BTNSHADOW));
  } else {
    gfx::SetTextColor(dc, gfx::GetSysColor(gfx::COLOR_MENUTEXT));
  }
  gfx::DrawTextA(dc, item.text, text, kFlags);
}

LRESULT MenuWindow::OnPaint(WPARAM, LPARAM) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window(), paint);
  if (!dc) return 0;
  RECT client;
  GetClientRect(window(), client);
  gfx::FillRect(dc, client, gfx::GetSysColorBrush(gfx::COLOR_MENU));
  RECT edge = client;
  gfx::DrawEdge(dc, edge, gfx::EDGE_RAISED, gfx::BF_RECT);
  gfx::SelectObject(dc, MenuFont());
  gfx::SetBkMode(dc, gfx::TRANSPARENT);
  for (std::size_t i = 0; i < items_.size(); ++i) PaintItem(dc, i);
  EndPaint(window(), paint);
  return 0;
}

}  // namespace

namespace native {

void RegisterPopupMenuClass() {
  RegisterClass({std::string(kPopupMenuClass), 0, MenuProc});
}

}  // namespace native

HWND TrackPopupMenu(const std::vector<MenuItem>& items, POINT screen, HWND owner,
                    bool highlightFirst) {
  EndMenu();
  if (items.empty() || !IsWindow(owner)) return nullptr;
  MenuLayout layout = Layout(items);
  const SIZE size = layout.size;
  // Kept on the screen: to the left of or above the point where it would run over the edge.
  const int screenWidth = gfx::GetSystemMetrics(gfx::SM_CXSCREEN);
  const int screenHeight = gfx::GetSystemMetrics(gfx::SM_CYSCREEN);
  int x = screen.x;
  int y = screen.y;
  if (x + size.cx > screenWidth && x - size.cx >= 0) x -= size.cx;
  if (y + size.cy > screenHeight && y - size.cy >= 0) y -= size.cy;
  HWND window =
      CreateWindowEx(WS_EX_TOPMOST, kPopupMenuClass, "", WS_POPUP, x, y, size.cx, size.cy, owner);
  if (!window) return nullptr;
  auto* menu = static_cast<MenuWindow*>(SetWindowData(
      window, std::make_unique<MenuWindow>(window, owner, items, std::move(layout.rows))));
  if (!menu) {
    DestroyWindow(window);
    return nullptr;
  }
  if (highlightFirst) menu->Step(1);
  ShowWindow(window, SW_SHOWNA);
  SetCapture(window);
  SetKeyboardGrab(window);
  return window;
}

HWND GetOpenMenu() {
  const MenuWindow* menu = OpenMenu();
  return menu ? menu->window() : nullptr;
}

HWND GetMenuOwner() {
  const MenuWindow* menu = OpenMenu();
  return menu ? menu->owner() : nullptr;
}

std::vector<MenuItem> GetMenuItems() {
  const MenuWindow* menu = OpenMenu();
  return menu ? menu->items() : std::vector<MenuItem>{};
}

int GetMenuHighlight() {
  const MenuWindow* menu = OpenMenu();
  return menu ? menu->hot() : -1;
}

bool GetMenuItemRect(int index, RECT& screenRect) {
  const MenuWindow* menu = OpenMenu();
  if (!menu || index < 0 || index >= static_cast<int>(menu->rows().size())) return false;
  const RECT row = menu->rows()[static_cast<std::size_t>(index)];
  POINT topLeft{row.left, row.top};
  ClientToScreen(menu->window(), topLeft);
  screenRect = RECT{topLeft.x, topLeft.y, topLeft.x + row.Width(), topLeft.y + row.Height()};
  return true;
}

void EndMenu() {
  if (MenuWindow* menu = OpenMenu()) menu->Close(std::nullopt);
}

}  // namespace pw::win

// Pop-up menus: layout, painting, mouse and keys. One menu is open at a time; its window is made
// when it opens and destroyed when it closes.

#include "platform/win/PopupMenu.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <utility>

#include "platform/gfx/Gdi.h"
#include "platform/gfx/Text.h"
#include "platform/win/Messages.h"
#include "platform/win/NativeClasses.h"
#include "platform/win/NativeSupport.h"

namespace pw::win {
namespace {

using native::MousePoint;
using native::PointIn;

constexpr int kBorder = 3;        // the raised edge and a pixel of menu colour
constexpr int kCheckColumn = 17;  // left of the text, where check marks would go
constexpr int kRightMargin = 17;  // right of the text, where submenu arrows would go
constexpr int kMinItemHeight = 17;
constexpr int kSeparatorHeight = 9;

struct OpenMenu {
  HWND window = nullptr;
  HWND owner = nullptr;
  std::vector<MenuItem> items;
  std::vector<RECT> rows;  // client coordinates
  int hot = -1;
  bool closing = false;
};

std::optional<OpenMenu>& Menu() {
  static std::optional<OpenMenu> menu;
  return menu;
}

OpenMenu* MenuOf(HWND window) {
  auto& menu = Menu();
  return menu && menu->window == window ? &*menu : nullptr;
}

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

// Lays the items out from the top; returns the client size.
SIZE Layout(OpenMenu& menu) {
  HDC dc = gfx::CreateCompatibleDC(nullptr);
  gfx::SelectObject(dc, MenuFont());
  gfx::TEXTMETRIC metrics;
  gfx::GetTextMetrics(dc, metrics);
  const int itemHeight = std::max(kMinItemHeight, metrics.height + 4);
  int widest = 0;
  for (const MenuItem& item : menu.items) {
    if (IsSeparator(item)) continue;
    RECT box{0, 0, 0, 0};
    gfx::DrawTextA(dc, item.text, box, gfx::DT_LEFT | gfx::DT_SINGLELINE | gfx::DT_CALCRECT);
    widest = std::max(widest, box.Width());
  }
  gfx::DeleteDC(dc);
  const int width = 2 * kBorder + kCheckColumn + widest + kRightMargin;
  int y = kBorder;
  menu.rows.clear();
  for (const MenuItem& item : menu.items) {
    const int height = IsSeparator(item) ? kSeparatorHeight : itemHeight;
    menu.rows.push_back(RECT{kBorder, y, width - kBorder, y + height});
    y += height;
  }
  return SIZE{width, y + kBorder};
}

// The selectable item under a client point, -1 when none.
int ItemAt(const OpenMenu& menu, POINT point) {
  for (std::size_t i = 0; i < menu.rows.size(); ++i) {
    if (PointIn(menu.rows[i], point)) return Selectable(menu.items[i]) ? static_cast<int>(i) : -1;
  }
  return -1;
}

void Highlight(OpenMenu& menu, int index) {
  if (index == menu.hot) return;
  menu.hot = index;
  InvalidateRect(menu.window, nullptr, false);
}

// The next selectable item from the highlighted one in a direction, wrapping round.
void Step(OpenMenu& menu, int direction) {
  const int count = static_cast<int>(menu.items.size());
  int index = menu.hot;
  for (int tried = 0; tried < count; ++tried) {
    index = index < 0 ? (direction > 0 ? 0 : count - 1) : (index + direction + count) % count;
    if (Selectable(menu.items[static_cast<std::size_t>(index)])) {
      Highlight(menu, index);
      return;
    }
  }
}

// Closes the open menu; sends the owner the chosen item's id, when there is one.
void Close(std::optional<unsigned> choice) {
  auto& menu = Menu();
  if (!menu || menu->closing) return;
  menu->closing = true;
  const HWND window = menu->window;
  const HWND owner = menu->owner;
  if (GetKeyboardGrab() == window) SetKeyboardGrab(nullptr);
  if (GetCapture() == window) ReleaseCapture();
  menu.reset();
  DestroyWindow(window);
  if (choice && IsWindow(owner)) {
    SendMessage(owner, WM_COMMAND, MAKEWPARAM(static_cast<int>(*choice), 0), 0);
  }
}

void Choose(const OpenMenu& menu, int index) {
  if (index < 0 || index >= static_cast<int>(menu.items.size())) return;
  const MenuItem& item = menu.items[static_cast<std::size_t>(index)];
  if (Selectable(item)) Close(item.id);
}

void Paint(HWND window, const OpenMenu& menu) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, paint);
  if (!dc) return;
  RECT client;
  GetClientRect(window, client);
  gfx::FillRect(dc, client, gfx::GetSysColorBrush(gfx::COLOR_MENU));
  RECT edge = client;
  gfx::DrawEdge(dc, edge, gfx::EDGE_RAISED, gfx::BF_RECT);
  gfx::SelectObject(dc, MenuFont());
  gfx::SetBkMode(dc, gfx::TRANSPARENT);
  constexpr unsigned kFlags = gfx::DT_LEFT | gfx::DT_VCENTER | gfx::DT_SINGLELINE;
  for (std::size_t i = 0; i < menu.items.size(); ++i) {
    const MenuItem& item = menu.items[i];
    const RECT row = menu.rows[i];
    if (IsSeparator(item)) {
      // An etched line across the middle.
      const int y = row.top + row.Height() / 2 - 1;
      RECT dark{row.left + 1, y, row.right - 1, y + 1};
      RECT light{row.left + 1, y + 1, row.right - 1, y + 2};
      gfx::FillRect(dc, dark, gfx::GetSysColorBrush(gfx::COLOR_BTNSHADOW));
      gfx::FillRect(dc, light, gfx::GetSysColorBrush(gfx::COLOR_BTNHIGHLIGHT));
      continue;
    }
    RECT text{row.left + kCheckColumn, row.top, row.right - kRightMargin, row.bottom};
    if (static_cast<int>(i) == menu.hot) {
      gfx::FillRect(dc, row, gfx::GetSysColorBrush(gfx::COLOR_HIGHLIGHT));
      gfx::SetTextColor(dc, gfx::GetSysColor(gfx::COLOR_HIGHLIGHTTEXT));
    } else if (!item.enabled) {
      // Disabled items are embossed: a light copy below right of the grey text.
      RECT shifted{text.left + 1, text.top + 1, text.right + 1, text.bottom + 1};
      gfx::SetTextColor(dc, gfx::GetSysColor(gfx::COLOR_BTNHIGHLIGHT));
      gfx::DrawTextA(dc, item.text, shifted, kFlags);
      gfx::SetTextColor(dc, gfx::GetSysColor(gfx::COLOR_BTNSHADOW));
    } else {
      gfx::SetTextColor(dc, gfx::GetSysColor(gfx::COLOR_MENUTEXT));
    }
    gfx::DrawTextA(dc, item.text, text, kFlags);
  }
  EndPaint(window, paint);
}

bool OnKey(OpenMenu& menu, WPARAM key) {
  switch (key) {
    case VK_UP:
      Step(menu, -1);
      return true;
    case VK_DOWN:
      Step(menu, 1);
      return true;
    case VK_HOME:
      menu.hot = -1;
      Step(menu, 1);
      return true;
    case VK_END:
      menu.hot = -1;
      Step(menu, -1);
      return true;
    case VK_RETURN:
      if (menu.hot >= 0) {
        Choose(menu, menu.hot);
      } else {
        Close(std::nullopt);
      }
      return true;
    case VK_ESCAPE:
      Close(std::nullopt);
      return true;
    default:
      return false;
  }
}

void OnChar(const OpenMenu& menu, WPARAM code) {
  if (code < 0x20 || code > 0x7E) return;
  const char typed = static_cast<char>(std::tolower(static_cast<int>(code)));
  for (std::size_t i = 0; i < menu.items.size(); ++i) {
    if (Selectable(menu.items[i]) && Mnemonic(menu.items[i].text) == typed) {
      Choose(menu, static_cast<int>(i));
      return;
    }
  }
}

LRESULT MenuProc(HWND window, unsigned message, WPARAM wParam, LPARAM lParam) {
  OpenMenu* menu = MenuOf(window);
  if (!menu) return DefWindowProc(window, message, wParam, lParam);
  RECT client;
  GetClientRect(window, client);
  switch (message) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_MOUSEMOVE: {
      const POINT point = MousePoint(lParam);
      Highlight(*menu, PointIn(client, point) ? ItemAt(*menu, point) : -1);
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
      // A press outside closes the menu and goes no further.
      if (!PointIn(client, MousePoint(lParam))) Close(std::nullopt);
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
      const POINT point = MousePoint(lParam);
      if (PointIn(client, point)) Choose(*menu, ItemAt(*menu, point));
      return 0;
    }
    case WM_KEYDOWN:
      OnKey(*menu, wParam);
      return 0;
    case WM_SYSKEYDOWN:
      Close(std::nullopt);
      return 0;
    case WM_CHAR:
      OnChar(*menu, wParam);
      return 0;
    case WM_CAPTURECHANGED:
      if (!menu->closing) Close(std::nullopt);
      return 0;
    case WM_NCDESTROY:
      if (!menu->closing) Menu().reset();
      return DefWindowProc(window, message, wParam, lParam);
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint(window, *menu);
      return 0;
    default:
      return DefWindowProc(window, message, wParam, lParam);
  }
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
  OpenMenu opening;
  opening.owner = owner;
  opening.items = items;
  const SIZE size = Layout(opening);
  // Kept on the screen: to the left of or above the point where it would run over the edge.
  const int screenWidth = gfx::GetSystemMetrics(gfx::SM_CXSCREEN);
  const int screenHeight = gfx::GetSystemMetrics(gfx::SM_CYSCREEN);
  int x = screen.x;
  int y = screen.y;
  if (x + size.cx > screenWidth && x - size.cx >= 0) x -= size.cx;
  if (y + size.cy > screenHeight && y - size.cy >= 0) y -= size.cy;
  Menu() = std::move(opening);
  HWND window =
      CreateWindowEx(WS_EX_TOPMOST, kPopupMenuClass, "", WS_POPUP, x, y, size.cx, size.cy, owner);
  if (!window) {
    Menu().reset();
    return nullptr;
  }
  OpenMenu& menu = *Menu();
  menu.window = window;
  if (highlightFirst) Step(menu, 1);
  ShowWindow(window, SW_SHOWNA);
  SetCapture(window);
  SetKeyboardGrab(window);
  return window;
}

HWND GetOpenMenu() {
  const auto& menu = Menu();
  return menu ? menu->window : nullptr;
}

HWND GetMenuOwner() {
  const auto& menu = Menu();
  return menu ? menu->owner : nullptr;
}

std::vector<MenuItem> GetMenuItems() {
  const auto& menu = Menu();
  return menu ? menu->items : std::vector<MenuItem>{};
}

int GetMenuHighlight() {
  const auto& menu = Menu();
  return menu ? menu->hot : -1;
}

bool GetMenuItemRect(int index, RECT& screenRect) {
  const auto& menu = Menu();
  if (!menu || index < 0 || index >= static_cast<int>(menu->rows.size())) return false;
  const RECT row = menu->rows[static_cast<std::size_t>(index)];
  POINT topLeft{row.left, row.top};
  ClientToScreen(menu->window, topLeft);
  screenRect = RECT{topLeft.x, topLeft.y, topLeft.x + row.Width(), topLeft.y + row.Height()};
  return true;
}

void EndMenu() {
  Close(std::nullopt);
}

}  // namespace pw::win

#pragma once
// Pop-up menus (the edit box's context menu): a top-level pop-up window of its own class, painted
// in the system's menu look. While a menu is open it holds the mouse capture and the keyboard
// grab, and the window it was opened for keeps the focus and the activation.
//
// The pointer highlights the enabled item under it; releasing either button on an enabled item
// chooses it. Up and Down (and Home and End) move the highlight over the enabled items, Return
// chooses the highlighted one, an item's mnemonic chooses it at once. Escape, any Alt key, a press
// outside the menu or the loss of the capture close it without a choice.

#include <string>
#include <vector>

#include "platform/win/Window.h"

namespace pw::win {

struct MenuItem {
  // "&" marks the next character as the mnemonic, "&&" shows one "&"; empty: a separator.
  std::string text;
  unsigned id = 0;
  bool enabled = true;
};

// The pop-up menu's window class.
inline constexpr const char* kPopupMenuClass = "#32768";

// Opens a menu with its top-left corner at a screen point (moved to the other side of the point
// where it would leave the screen), closing any menu already open. The chosen item's id comes to
// `owner` after the menu has closed, as WM_COMMAND with wParam (id, 0) and lParam 0.
// `highlightFirst` starts with the first enabled item highlighted (a menu opened from the
// keyboard). Returns the menu's window, or null when there is nothing to show.
HWND TrackPopupMenu(const std::vector<MenuItem>& items, POINT screen, HWND owner,
                    bool highlightFirst = false);
// The open menu, null when none is; the window it was opened for.
HWND GetOpenMenu();
HWND GetMenuOwner();
// The open menu's items (none when no menu is open).
std::vector<MenuItem> GetMenuItems();
// The highlighted item of the open menu, -1 when none.
int GetMenuHighlight();
// An item's rectangle on the screen; false when the menu is not open or has no such item.
bool GetMenuItemRect(int index, RECT& screenRect);
// Closes the open menu without a choice.
void EndMenu();

}  // namespace pw::win

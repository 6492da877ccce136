#pragma once
// The native control classes of the windowing stand-in: "BUTTON" (push, default push, owner-drawn
// and radio buttons), "EDIT" (single line) and "COMBOBOX" (the drop-down style: an edit part with
// a list that drops down below it), plus the drop-down list's own popup class and the pop-up
// menu's class (PopupMenu.h).
//
// RegisterNativeClasses registers them all; it may be called any number of times, and the window
// core calls it before it looks a class name up.

#include <cstdint>

#include "platform/win/Window.h"

namespace pw::win {

void RegisterNativeClasses();

// The popup class of a combo box's drop-down list.
inline constexpr const char* kComboListClass = "ComboLBox";

// A command notification's wParam: the control's id and the notification code.
constexpr WPARAM MAKEWPARAM(int low, int high) {
  return static_cast<WPARAM>(static_cast<std::uint32_t>((low & 0xFFFF) | ((high & 0xFFFF) << 16)));
}

// WM_DRAWITEM: wParam is the control's id, lParam points to this structure, valid during the
// call. The device context is the control's, already clipped to it.
struct DRAWITEMSTRUCT {
  unsigned CtlType = 0;     // ODT_BUTTON
  unsigned CtlID = 0;       // the control's id
  unsigned itemID = 0;      // 0 for a button
  unsigned itemAction = 0;  // ODA_DRAWENTIRE, ODA_SELECT, ODA_FOCUS
  unsigned itemState = 0;   // ODS_SELECTED, ODS_FOCUS, ODS_DISABLED
  HWND hwndItem = nullptr;
  HDC hDC = nullptr;
  RECT rcItem;  // the control's client rectangle
  std::uintptr_t itemData = 0;
};

// Button check states and BM_GETSTATE bits.
inline constexpr unsigned BST_UNCHECKED = 0x0;
inline constexpr unsigned BST_CHECKED = 0x1;
inline constexpr unsigned BST_PUSHED = 0x4;
inline constexpr unsigned BST_FOCUS = 0x8;

// WM_MOUSEACTIVATE answers.
inline constexpr int MA_ACTIVATE = 1;
inline constexpr int MA_NOACTIVATE = 3;

}  // namespace pw::win

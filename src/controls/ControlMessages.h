#pragma once
// The framework's own messages between its controls: control messages (CM_*) sent through a
// windowed control's window procedure, so that what a handler raises is caught by that control's
// guard, and control notifications (CN_*): a native notification or key message passed on to the
// control it concerns, numbered as the message plus CN_BASE.

namespace pw {

inline constexpr unsigned CM_BASE = 0xB000;
inline constexpr unsigned CM_ACTIVATE = CM_BASE + 0;    // the window became the focused one
inline constexpr unsigned CM_DEACTIVATE = CM_BASE + 1;  // it no longer is
inline constexpr unsigned CM_ENTER = CM_BASE + 2;       // the control entered the focus chain
inline constexpr unsigned CM_EXIT = CM_BASE + 3;        // it left the focus chain
// lParam: the control that took the focus (TWinControl*).
inline constexpr unsigned CM_FOCUSCHANGED = CM_BASE + 4;
// wParam: a key (Enter, Escape) offered to the window's buttons; non-zero when one used it.
inline constexpr unsigned CM_DIALOGKEY = CM_BASE + 5;
// Posted by a window to itself to be destroyed once its handlers have returned.
inline constexpr unsigned CM_RELEASE = CM_BASE + 6;

inline constexpr unsigned CN_BASE = 0xBC00;
inline constexpr unsigned CN_COMMAND = CN_BASE + 0x0111;   // + WM_COMMAND
inline constexpr unsigned CN_DRAWITEM = CN_BASE + 0x002B;  // + WM_DRAWITEM
inline constexpr unsigned CN_KEYDOWN = CN_BASE + 0x0100;   // + WM_KEYDOWN
inline constexpr unsigned CN_CHAR = CN_BASE + 0x0102;      // + WM_CHAR
inline constexpr unsigned CN_SYSKEYDOWN = CN_BASE + 0x0104;
inline constexpr unsigned CN_CTLCOLOREDIT = CN_BASE + 0x0133;
inline constexpr unsigned CN_CTLCOLORBTN = CN_BASE + 0x0135;
inline constexpr unsigned CN_CTLCOLORSTATIC = CN_BASE + 0x0138;

}  // namespace pw

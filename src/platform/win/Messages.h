#pragma once
// Message numbers, notification codes and styles of the windowing stand-in, with the numeric
// values the framework relies on.

#include <cstdint>

namespace pw::win {

// Window messages. Texts travel as in the classic interface: WM_SETTEXT's lParam is a
// `const char*` to null-terminated narrow text; WM_GETTEXT's wParam is the buffer size (with the
// terminator), its lParam a `char*` buffer, and it returns the number of characters copied;
// WM_GETTEXTLENGTH returns the length. WM_WINDOWPOSCHANGING / WM_WINDOWPOSCHANGED carry a
// `WINDOWPOS*` (Window.h) in lParam. WM_ERASEBKGND's wParam is the HDC.
inline constexpr unsigned WM_NULL = 0x0000;
inline constexpr unsigned WM_CREATE = 0x0001;
inline constexpr unsigned WM_DESTROY = 0x0002;
inline constexpr unsigned WM_MOVE = 0x0003;
inline constexpr unsigned WM_SIZE = 0x0005;
inline constexpr unsigned WM_ACTIVATE = 0x0006;
inline constexpr unsigned WM_SETFOCUS = 0x0007;
inline constexpr unsigned WM_KILLFOCUS = 0x0008;
inline constexpr unsigned WM_ENABLE = 0x000A;
inline constexpr unsigned WM_SETREDRAW = 0x000B;
inline constexpr unsigned WM_SETTEXT = 0x000C;
inline constexpr unsigned WM_GETTEXT = 0x000D;
inline constexpr unsigned WM_GETTEXTLENGTH = 0x000E;
inline constexpr unsigned WM_PAINT = 0x000F;
inline constexpr unsigned WM_CLOSE = 0x0010;
inline constexpr unsigned WM_QUIT = 0x0012;
inline constexpr unsigned WM_ERASEBKGND = 0x0014;
inline constexpr unsigned WM_SHOWWINDOW = 0x0018;
inline constexpr unsigned WM_WININICHANGE = 0x001A;
inline constexpr unsigned WM_ACTIVATEAPP = 0x001C;
inline constexpr unsigned WM_CANCELMODE = 0x001F;
inline constexpr unsigned WM_SETCURSOR = 0x0020;
inline constexpr unsigned WM_MOUSEACTIVATE = 0x0021;
inline constexpr unsigned WM_DRAWITEM = 0x002B;
inline constexpr unsigned WM_SETFONT = 0x0030;
inline constexpr unsigned WM_WINDOWPOSCHANGING = 0x0046;
inline constexpr unsigned WM_WINDOWPOSCHANGED = 0x0047;
// wParam: the window clicked; lParam: the pointer's screen position, or -1 (both halves 0xFFFF)
// when the keyboard asked for the menu.
inline constexpr unsigned WM_CONTEXTMENU = 0x007B;
inline constexpr unsigned WM_NCDESTROY = 0x0082;
inline constexpr unsigned WM_GETDLGCODE = 0x0087;
inline constexpr unsigned WM_KEYDOWN = 0x0100;
inline constexpr unsigned WM_KEYUP = 0x0101;
inline constexpr unsigned WM_CHAR = 0x0102;
inline constexpr unsigned WM_SYSKEYDOWN = 0x0104;
inline constexpr unsigned WM_SYSKEYUP = 0x0105;
inline constexpr unsigned WM_SYSCHAR = 0x0106;
inline constexpr unsigned WM_COMMAND = 0x0111;
inline constexpr unsigned WM_SYSCOMMAND = 0x0112;
inline constexpr unsigned WM_TIMER = 0x0113;
inline constexpr unsigned WM_CTLCOLOREDIT = 0x0133;
inline constexpr unsigned WM_CTLCOLORBTN = 0x0135;
inline constexpr unsigned WM_CTLCOLORSTATIC = 0x0138;
inline constexpr unsigned WM_MOUSEMOVE = 0x0200;
inline constexpr unsigned WM_LBUTTONDOWN = 0x0201;
inline constexpr unsigned WM_LBUTTONUP = 0x0202;
inline constexpr unsigned WM_LBUTTONDBLCLK = 0x0203;
inline constexpr unsigned WM_RBUTTONDOWN = 0x0204;
inline constexpr unsigned WM_RBUTTONUP = 0x0205;
inline constexpr unsigned WM_CAPTURECHANGED = 0x0215;
// Clipboard and undo commands of edit controls.
inline constexpr unsigned WM_CUT = 0x0300;
inline constexpr unsigned WM_COPY = 0x0301;
inline constexpr unsigned WM_PASTE = 0x0302;
inline constexpr unsigned WM_CLEAR = 0x0303;
inline constexpr unsigned WM_UNDO = 0x0304;
inline constexpr unsigned WM_USER = 0x0400;

// Edit control.
inline constexpr unsigned EM_GETSEL = 0x00B0;
inline constexpr unsigned EM_SETSEL = 0x00B1;
inline constexpr unsigned EM_REPLACESEL = 0x00C2;
inline constexpr unsigned EM_LIMITTEXT = 0x00C5;
inline constexpr unsigned EM_CANUNDO = 0x00C6;
inline constexpr unsigned EM_UNDO = 0x00C7;
inline constexpr unsigned EM_EMPTYUNDOBUFFER = 0x00CD;
inline constexpr unsigned EM_SETREADONLY = 0x00CF;
inline constexpr unsigned EN_CHANGE = 0x0300;

// Button control.
inline constexpr unsigned BM_GETCHECK = 0x00F0;
inline constexpr unsigned BM_SETCHECK = 0x00F1;
inline constexpr unsigned BM_GETSTATE = 0x00F2;
inline constexpr unsigned BM_SETSTATE = 0x00F3;
inline constexpr unsigned BM_CLICK = 0x00F5;
inline constexpr unsigned BN_CLICKED = 0;
inline constexpr unsigned BN_DOUBLECLICKED = 5;

// Combo box.
inline constexpr unsigned CB_GETEDITSEL = 0x0140;
inline constexpr unsigned CB_LIMITTEXT = 0x0141;
inline constexpr unsigned CB_SETEDITSEL = 0x0142;
inline constexpr unsigned CB_ADDSTRING = 0x0143;
inline constexpr unsigned CB_DELETESTRING = 0x0144;
inline constexpr unsigned CB_GETCOUNT = 0x0146;
inline constexpr unsigned CB_GETCURSEL = 0x0147;
inline constexpr unsigned CB_GETLBTEXT = 0x0148;
inline constexpr unsigned CB_GETLBTEXTLEN = 0x0149;
inline constexpr unsigned CB_INSERTSTRING = 0x014A;
inline constexpr unsigned CB_RESETCONTENT = 0x014B;
inline constexpr unsigned CB_FINDSTRING = 0x014C;
inline constexpr unsigned CB_SETCURSEL = 0x014E;
inline constexpr unsigned CB_SHOWDROPDOWN = 0x014F;
inline constexpr unsigned CB_SETITEMHEIGHT = 0x0153;
inline constexpr unsigned CB_GETDROPPEDSTATE = 0x0157;
inline constexpr int CB_ERR = -1;
inline constexpr unsigned CBN_SELCHANGE = 1;
inline constexpr unsigned CBN_DROPDOWN = 7;
inline constexpr unsigned CBN_EDITCHANGE = 5;
inline constexpr unsigned CBN_CLOSEUP = 8;

// Dialog codes (WM_GETDLGCODE).
inline constexpr unsigned DLGC_WANTARROWS = 0x0001;
inline constexpr unsigned DLGC_WANTTAB = 0x0002;
inline constexpr unsigned DLGC_WANTALLKEYS = 0x0004;
inline constexpr unsigned DLGC_HASSETSEL = 0x0008;
inline constexpr unsigned DLGC_WANTCHARS = 0x0080;
inline constexpr unsigned DLGC_BUTTON = 0x2000;

// WM_ACTIVATE.
inline constexpr unsigned WA_INACTIVE = 0;
inline constexpr unsigned WA_ACTIVE = 1;
inline constexpr unsigned WA_CLICKACTIVE = 2;

// Owner drawing (WM_DRAWITEM).
inline constexpr unsigned ODT_BUTTON = 4;
inline constexpr unsigned ODA_DRAWENTIRE = 1;
inline constexpr unsigned ODA_SELECT = 2;
inline constexpr unsigned ODA_FOCUS = 4;
inline constexpr unsigned ODS_SELECTED = 0x0001;
inline constexpr unsigned ODS_DISABLED = 0x0004;
inline constexpr unsigned ODS_FOCUS = 0x0010;

// Window styles.
inline constexpr std::uint32_t WS_OVERLAPPED = 0x00000000;
inline constexpr std::uint32_t WS_POPUP = 0x80000000;
inline constexpr std::uint32_t WS_CHILD = 0x40000000;
inline constexpr std::uint32_t WS_MINIMIZE = 0x20000000;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000;
inline constexpr std::uint32_t WS_DISABLED = 0x08000000;
inline constexpr std::uint32_t WS_CLIPSIBLINGS = 0x04000000;
inline constexpr std::uint32_t WS_CLIPCHILDREN = 0x02000000;
inline constexpr std::uint32_t WS_CAPTION = 0x00C00000;
inline constexpr std::uint32_t WS_BORDER = 0x00800000;
inline constexpr std::uint32_t WS_DLGFRAME = 0x00400000;
inline constexpr std::uint32_t WS_VSCROLL = 0x00200000;
inline constexpr std::uint32_t WS_HSCROLL = 0x00100000;
inline constexpr std::uint32_t WS_SYSMENU = 0x00080000;
inline constexpr std::uint32_t WS_THICKFRAME = 0x00040000;
inline constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000;
inline constexpr std::uint32_t WS_MAXIMIZEBOX = 0x00010000;
inline constexpr std::uint32_t WS_TABSTOP = 0x00010000;
inline constexpr std::uint32_t WS_EX_DLGMODALFRAME = 0x00000001;
inline constexpr std::uint32_t WS_EX_TOPMOST = 0x00000008;
inline constexpr std::uint32_t WS_EX_CLIENTEDGE = 0x00000200;

// Button styles.
inline constexpr std::uint32_t BS_PUSHBUTTON = 0x0;
inline constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x1;
inline constexpr std::uint32_t BS_RADIOBUTTON = 0x4;
inline constexpr std::uint32_t BS_AUTORADIOBUTTON = 0x9;
inline constexpr std::uint32_t BS_OWNERDRAW = 0xB;
inline constexpr std::uint32_t BS_LEFTTEXT = 0x20;
// Edit styles.
inline constexpr std::uint32_t ES_UPPERCASE = 0x8;
inline constexpr std::uint32_t ES_LOWERCASE = 0x10;
inline constexpr std::uint32_t ES_PASSWORD = 0x20;
inline constexpr std::uint32_t ES_AUTOVSCROLL = 0x40;
inline constexpr std::uint32_t ES_AUTOHSCROLL = 0x80;
inline constexpr std::uint32_t ES_NOHIDESEL = 0x100;
inline constexpr std::uint32_t ES_OEMCONVERT = 0x400;
inline constexpr std::uint32_t ES_READONLY = 0x800;
// Combo box styles.
inline constexpr std::uint32_t CBS_SIMPLE = 0x1;
inline constexpr std::uint32_t CBS_DROPDOWN = 0x2;
inline constexpr std::uint32_t CBS_DROPDOWNLIST = 0x3;
inline constexpr std::uint32_t CBS_AUTOHSCROLL = 0x40;
inline constexpr std::uint32_t CBS_SORT = 0x100;
inline constexpr std::uint32_t CBS_HASSTRINGS = 0x200;

// SetWindowPos flags.
inline constexpr unsigned SWP_NOSIZE = 0x0001;
inline constexpr unsigned SWP_NOMOVE = 0x0002;
inline constexpr unsigned SWP_NOZORDER = 0x0004;
inline constexpr unsigned SWP_NOREDRAW = 0x0008;
inline constexpr unsigned SWP_NOACTIVATE = 0x0010;
inline constexpr unsigned SWP_FRAMECHANGED = 0x0020;
inline constexpr unsigned SWP_SHOWWINDOW = 0x0040;
inline constexpr unsigned SWP_HIDEWINDOW = 0x0080;
// Set in WM_WINDOWPOSCHANGED when the client area kept its size / position.
inline constexpr unsigned SWP_NOCLIENTSIZE = 0x0800;
inline constexpr unsigned SWP_NOCLIENTMOVE = 0x1000;

// ShowWindow commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_SHOWMAXIMIZED = 3;
inline constexpr int SW_SHOWNOACTIVATE = 4;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_MINIMIZE = 6;
inline constexpr int SW_SHOWMINNOACTIVE = 7;
inline constexpr int SW_SHOWNA = 8;
inline constexpr int SW_RESTORE = 9;

// RedrawWindow / InvalidateRect.
inline constexpr unsigned RDW_INVALIDATE = 0x0001;
inline constexpr unsigned RDW_ERASE = 0x0004;
inline constexpr unsigned RDW_ALLCHILDREN = 0x0080;
inline constexpr unsigned RDW_UPDATENOW = 0x0100;
inline constexpr unsigned RDW_FRAME = 0x0400;

// Virtual keys.
inline constexpr unsigned VK_BACK = 0x08;
inline constexpr unsigned VK_TAB = 0x09;
inline constexpr unsigned VK_RETURN = 0x0D;
inline constexpr unsigned VK_SHIFT = 0x10;
inline constexpr unsigned VK_CONTROL = 0x11;
inline constexpr unsigned VK_MENU = 0x12;  // Alt
inline constexpr unsigned VK_ESCAPE = 0x1B;
inline constexpr unsigned VK_SPACE = 0x20;
inline constexpr unsigned VK_END = 0x23;
inline constexpr unsigned VK_HOME = 0x24;
inline constexpr unsigned VK_LEFT = 0x25;
inline constexpr unsigned VK_UP = 0x26;
inline constexpr unsigned VK_RIGHT = 0x27;
inline constexpr unsigned VK_DOWN = 0x28;
inline constexpr unsigned VK_INSERT = 0x2D;
inline constexpr unsigned VK_DELETE = 0x2E;
inline constexpr unsigned VK_APPS = 0x5D;  // the Menu key
inline constexpr unsigned VK_F4 = 0x73;
inline constexpr unsigned VK_F10 = 0x79;

// Mouse key state (wParam of mouse messages).
inline constexpr unsigned MK_LBUTTON = 0x0001;
inline constexpr unsigned MK_RBUTTON = 0x0002;
inline constexpr unsigned MK_SHIFT = 0x0004;
inline constexpr unsigned MK_CONTROL = 0x0008;

// System commands.
inline constexpr unsigned SC_CLOSE = 0xF060;

// WM_MOUSEACTIVATE answers (MA_ACTIVATE 1 and MA_NOACTIVATE 3 are in NativeClasses.h) and
// hit-test codes (its lParam: hit-test code, mouse message).
inline constexpr int MA_ACTIVATEANDEAT = 2;
inline constexpr int MA_NOACTIVATEANDEAT = 4;
inline constexpr int HTCLIENT = 1;
inline constexpr int HTCAPTION = 2;

// WM_SIZE wParam.
inline constexpr unsigned SIZE_RESTORED = 0;

// Mouse buttons as virtual keys (GetKeyState).
inline constexpr unsigned VK_LBUTTON = 0x01;
inline constexpr unsigned VK_RBUTTON = 0x02;

// Message box.
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONWARNING = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_TASKMODAL = 0x2000;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

}  // namespace pw::win

// pw-demo: one real top-level window with an edit box, a combo box, a radio button and an
// owner-drawn OK button, on the display backend ChooseBackend picks. Every notification the
// window receives is printed to standard output as one line:
//
//   EN_CHANGE <edit text>            CBN_SELCHANGE <index>         BN_CLICKED <id>
//   CBN_DROPDOWN / CBN_CLOSEUP       CBN_EDITCHANGE <text>         MESSAGEBOX <result>
//
// Clicking the OK button with no combo box item chosen shows an error message box (caption
// "pw-demo") and goes on. With an item chosen it prints
//
//   RESULT edit=<edit text> combo=<index>
//
// and the program ends with exit code 0. Closing the window also ends it with 0, without RESULT.
// Texts are printed in UTF-8.

#include <cstdio>
#include <string>

#include "platform/backend/ChooseBackend.h"
#include "platform/gfx/Text.h"
#include "platform/sys/CodePage.h"
#include "platform/win/NativeClasses.h"
#include "platform/win/PlatformContext.h"
#include "platform/win/Window.h"

namespace {

using namespace pw::win;
namespace gfx = pw::gfx;

constexpr int kEditId = 101;
constexpr int kComboId = 102;
constexpr int kRadioId = 103;
constexpr int kOkId = 104;

constexpr const char* kClassName = "PwDemoWindow";
constexpr int kClientWidth = 320;
constexpr int kClientHeight = 200;

void Print(const std::string& line) {
  std::fputs(line.c_str(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

std::string Utf8Text(HWND window) {
  return pw::sys::WideToUtf8(pw::sys::NarrowToWide(GetWindowText(window)));
}

// A child of `parent` by its id.
HWND GetDlgItemById(HWND parent, int id) {
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetWindowLong(child, GWL_ID) == id) return child;
  }
  return nullptr;
}

void DrawOkButton(const DRAWITEMSTRUCT& item) {
  RECT frame = item.rcItem;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  gfx::DrawFrameControl(item.hDC, frame, gfx::DFC_BUTTON,
                        gfx::DFCS_BUTTONPUSH | (pushed ? gfx::DFCS_PUSHED : 0u));
  RECT caption = item.rcItem;
  if (pushed) caption = {caption.left + 1, caption.top + 1, caption.right + 1, caption.bottom + 1};
  gfx::SetBkMode(item.hDC, gfx::TRANSPARENT);
  gfx::SetTextColor(item.hDC, gfx::GetSysColor(gfx::COLOR_BTNTEXT));
  gfx::DrawTextA(item.hDC, "OK", caption, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
  if ((item.itemState & ODS_FOCUS) != 0) {
    RECT focus{item.rcItem.left + 4, item.rcItem.top + 4, item.rcItem.right - 4,
               item.rcItem.bottom - 4};
    gfx::DrawFocusRect(item.hDC, focus);
  }
}

void OnCommand(HWND window, int id, int code) {
  HWND edit = GetDlgItemById(window, kEditId);
  HWND combo = GetDlgItemById(window, kComboId);
  if (id == kEditId && code == static_cast<int>(EN_CHANGE)) {
    Print("EN_CHANGE " + Utf8Text(edit));
  } else if (id == kComboId) {
    if (code == static_cast<int>(CBN_SELCHANGE)) {
      Print("CBN_SELCHANGE " + std::to_string(SendMessage(combo, CB_GETCURSEL)));
    } else if (code == static_cast<int>(CBN_DROPDOWN)) {
      Print("CBN_DROPDOWN");
    } else if (code == static_cast<int>(CBN_CLOSEUP)) {
      Print("CBN_CLOSEUP");
    } else if (code == static_cast<int>(CBN_EDITCHANGE)) {
      Print("CBN_EDITCHANGE " + Utf8Text(combo));
    }
  } else if ((id == kRadioId || id == kOkId) && code == static_cast<int>(BN_CLICKED)) {
    Print("BN_CLICKED " + std::to_string(id));
    if (id != kOkId) return;
    const auto index = SendMessage(combo, CB_GETCURSEL);
    if (index < 0) {
      const int answer =
          MessageBox(window, "Choose a profile first", "pw-demo", MB_OK | MB_ICONERROR);
      Print("MESSAGEBOX " + std::to_string(answer));
      return;
    }
    Print("RESULT edit=" + Utf8Text(edit) + " combo=" + std::to_string(index));
    DestroyWindow(window);
  }
}

LRESULT DemoProc(HWND window, unsigned message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(window, LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_DRAWITEM:
      if (wParam == kOkId) {
        DrawOkButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return 1;
      }
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProc(window, message, wParam, lParam);
}

}  // namespace

int main() {
  ChosenBackend chosen = ChooseBackend();
  Print("BACKEND " + std::string(BackendName(chosen.kind)));
  const PlatformContext platform(std::move(chosen.backend));

  WindowClass windowClass;
  windowClass.name = kClassName;
  windowClass.proc = DemoProc;
  windowClass.background = gfx::GetSysColorBrush(gfx::COLOR_BTNFACE);
  RegisterClass(windowClass);

  const std::uint32_t style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  const RECT insets = FrameInsets(style, 0);
  HWND window = CreateWindowEx(0, kClassName, "Demo", style, 100, 100,
                               kClientWidth + insets.left + insets.right,
                               kClientHeight + insets.top + insets.bottom, nullptr);
  if (window == nullptr) {
    std::fputs("pw-demo: cannot create the window\n", stderr);
    return 1;
  }

  const std::uint32_t child = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  HWND edit = CreateWindowEx(WS_EX_CLIENTEDGE, "EDIT", "", child | ES_AUTOHSCROLL, 16, 16, 200, 21,
                             window, kEditId);
  HWND combo =
      CreateWindowEx(0, "COMBOBOX", "", child | CBS_DROPDOWN, 16, 52, 200, 21, window, kComboId);
  for (const char* item : {"L 20x3", "L 25x3", "U 30x15"}) {
    SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  CreateWindowEx(0, "BUTTON", "Metric", child | BS_AUTORADIOBUTTON, 16, 90, 120, 17, window,
                 kRadioId);
  CreateWindowEx(0, "BUTTON", "OK", child | BS_OWNERDRAW, 16, 150, 75, 25, window, kOkId);

  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  SetFocus(edit);

  MSG msg;
  while (GetMessage(msg, nullptr, 0, 0)) {
    TranslateMessage(msg);
    DispatchMessage(msg);
  }
  return static_cast<int>(msg.wParam);
}

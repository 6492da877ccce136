#include "controls/Application.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "controls/ControlMessages.h"
#include "controls/WinControl.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/Module.h"
#include "platform/win/Backend.h"

namespace pw {

const TClassInfo TApplication::classInfo{"TApplication", &TComponent::classInfo};

std::string TitleFromModuleName(std::string_view path) {
  const auto slash = path.find_last_of("/\\");
  std::string title(slash == std::string_view::npos ? path : path.substr(slash + 1));
  title = title.substr(0, title.find('.'));
  for (std::size_t i = 1; i < title.size(); ++i) {
    title[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(title[i])));
  }
  return title;
}

std::string ErrorBoxText(std::string_view message) {
  std::string text(message);
  if (text.empty()) return text;
  // The last character, from its lead byte, compared as a string with ".": only the lead byte
  // can decide.
  std::size_t last = text.size() - 1;
  if (sys::CodePage() == sys::kCodePageUtf8) {
    while (last > 0 && (static_cast<unsigned char>(text[last]) & 0xC0) == 0x80) --last;
  }
  if (static_cast<unsigned char>(text[last]) > static_cast<unsigned char>('.')) text += '.';
  return text;
}

TApplication::TApplication(TComponent* owner)
    : TComponent(owner), title_(TitleFromModuleName(sys::ModuleFileName())) {}

bool TApplication::PreprocessKey(const win::MSG& msg) {
  if (msg.message < win::WM_KEYDOWN || msg.message > 0x0108) return false;
  win::HWND target = win::GetCapture();
  if (target == nullptr) {
    for (win::HWND window = msg.window; window != nullptr; window = win::GetParent(window)) {
      if (TWinControl::FindControl(window) != nullptr) {
        target = window;
        break;
      }
      if (!(win::GetWindowLong(window, win::GWL_STYLE) & win::WS_CHILD)) break;
    }
    if (target == nullptr) target = msg.window;
  }
  if (target == nullptr) return false;
  return win::SendMessage(target, CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}

bool TApplication::ProcessMessage() {
  win::MSG msg;
  if (!win::PeekMessage(msg, nullptr, 0, 0, win::PM_REMOVE)) return false;
  if (msg.message == win::WM_QUIT) {
    quitRequested_ = true;
    return true;
  }
  if (!PreprocessKey(msg)) {
    win::TranslateMessage(msg);
    win::DispatchMessage(msg);
  }
  return true;
}

void TApplication::ProcessMessages() {
  while (ProcessMessage()) {
  }
}

void TApplication::HandleMessage() {
  if (!ProcessMessage()) win::WaitMessage();
}

void TApplication::ReportHandlerException(TObject* /*sender*/) {
  if (win::HWND capture = win::GetCapture()) win::SendMessage(capture, win::WM_CANCELMODE);
  try {
    throw;
  } catch (const EAbort&) {
  } catch (const Exception& error) {
    ShowErrorBox(error);
  } catch (const std::exception& error) {
    AppMessageBox(ErrorBoxText(error.what()), "Application Error",
                  win::MB_OK | win::MB_ICONERROR | win::MB_TASKMODAL);
  }
}

void TApplication::ShowErrorBox(const Exception& error) {
  AppMessageBox(ErrorBoxText(error.Message()), title_, win::MB_OK | win::MB_ICONERROR);
}

int TApplication::AppMessageBox(std::string_view text, std::string_view caption, unsigned flags) {
  win::HWND active = win::GetActiveWindow();
  std::vector<win::HWND> disabled;
  for (win::HWND window : win::GetTopLevelWindows()) {
    if (win::IsWindowVisible(window) && win::IsWindowEnabled(window)) {
      win::EnableWindow(window, false);
      disabled.push_back(window);
    }
  }
  // The box takes the activation while it shows; the window gets it back afterwards, and with
  // it the focus on its active control.
  if (active != nullptr && win::GetActiveWindow() == active) win::SetActiveWindow(nullptr);
  const int result = win::MessageBox(active, text, caption, flags);
  for (win::HWND window : disabled) {
    if (win::IsWindow(window)) win::EnableWindow(window, true);
  }
  if (active != nullptr && win::IsWindow(active)) win::SetActiveWindow(active);
  return result;
}

TApplication& Application() {
  static TApplication application(nullptr);
  return application;
}

}  // namespace pw

#include "controls/Application.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "controls/ControlMessages.h"
#include "controls/WinControl.h"
#include "convert/Messages.h"
#include "convert/NumberText.h"
#include "platform/gfx/Png.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/ContextStore.h"
#include "platform/sys/Module.h"
#include "platform/sys/Resources.h"
#include "platform/win/Backend.h"

namespace pw {

const TClassInfo TApplication::classInfo{"TApplication", &TComponent::classInfo};

std::string ModuleNameFromPath(std::string_view path) {
  // The file system names files in UTF-8; the name is narrow text of the process code page.
  const std::string name = sys::WideToNarrow(sys::Utf8ToWide(path));
  const auto slash = name.find_last_of("/\\");
  return slash == std::string::npos ? name : name.substr(slash + 1);
}

std::string TitleFromModuleName(std::string_view path) {
  std::string title = ModuleNameFromPath(path);
  title = title.substr(0, title.find('.'));
  // Every character after the first goes through the system's lower-casing.
  const std::u16string wide = sys::NarrowToWide(title);
  if (wide.empty()) return title;
  std::size_t first = 0;
  sys::NextCodePoint(wide, first);
  return sys::WideToNarrow(wide.substr(0, first) +
                           sys::LowerCase(std::u16string_view(wide).substr(first)));
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

namespace {

constexpr const char* kWindowClass = "TApplication";
// Show or hide without moving, sizing, reordering or activating.
constexpr unsigned kShowFlags = 0x57;
constexpr unsigned kHideFlags = 0x97;

// The application window hears of changed regional settings: the decimal separator is read again.
win::LRESULT ApplicationWindowProc(win::HWND window, unsigned message, win::WPARAM wParam,
                                   win::LPARAM lParam) {
  if (message == win::WM_WININICHANGE) ReadDecimalSeparator();
  return win::DefWindowProc(window, message, wParam, lParam);
}

}  // namespace

std::string ApplicationErrorText(const std::exception& error) {
  const std::string moduleName = ModuleNameFromPath(sys::ModuleFileName());
  std::uintptr_t offset = 0;
  if (const auto* raised = dynamic_cast<const Exception*>(&error)) {
    Dl_info info{};
    if (raised->Address() != nullptr && dladdr(raised->Address(), &info) != 0) {
      offset = reinterpret_cast<std::uintptr_t>(raised->Address()) -
               reinterpret_cast<std::uintptr_t>(info.dli_fbase);
    }
  }
  char address[32];
  std::snprintf(address, sizeof address, "%08lX", static_cast<unsigned long>(offset));
  const std::string message = error.what();
  const char* stop = !message.empty() && message.back() != '.' ? "." : "";
  return "Exception " + ExceptionClassName(error) + " in module " + moduleName + " at " + address +
         ".\n" + message + stop;
}

void ShowApplicationError(const std::exception& error) {
  win::MessageBox(nullptr, ApplicationErrorText(error), "Application Error",
                  win::MB_OK | win::MB_ICONERROR | win::MB_TASKMODAL);
}

TApplication::TApplication(TComponent* owner)
    : TComponent(owner), title_(TitleFromModuleName(sys::ModuleFileName())) {}

// The windowing system may be gone when the process ends: the window and the icon go with
// ShutDown.
TApplication::~TApplication() {
  DestroyComponents();
}

const std::vector<gfx::HBITMAP>& TApplication::Icon() {
  if (!iconLoaded_) {
    iconLoaded_ = true;
    if (auto bytes = sys::FindResource("MAINICON", sys::ResourceType::GroupIcon)) {
      icon_ = gfx::DecodeIconFile(*bytes);
    }
  }
  return icon_;
}

std::string TApplication::Title() const {
  return handle_ != nullptr ? win::GetWindowText(handle_).substr(0, 255) : title_;
}

void TApplication::SetTitle(std::string_view title) {
  title_ = title;
  if (handle_ != nullptr) win::SetWindowText(handle_, title);
}

win::HWND TApplication::Handle() {
  if (handle_ != nullptr) return handle_;
  if (!win::IsClassRegistered(kWindowClass) &&
      !win::RegisterClass({kWindowClass, 0, ApplicationWindowProc, nullptr})) {
    throw EOutOfResources("Error creating window class");
  }
  const int x = gfx::GetSystemMetrics(gfx::SM_CXSCREEN) / 2;
  const int y = gfx::GetSystemMetrics(gfx::SM_CYSCREEN) / 2;
  handle_ = win::CreateWindowEx(0, kWindowClass, title_, 0x84CA0000u, x, y, 0, 0, nullptr);
  if (handle_ == nullptr) throw EOutOfResources(LoadMessage(MessageId::WindowCreateError));
  win::SetWindowIcon(handle_, Icon());
  return handle_;
}

void TApplication::UpdateVisible() {
  if (handle_ == nullptr) return;
  bool anyVisible = false;
  for (int i = 0; i < ComponentCount(); ++i) {
    if (auto* form = dynamic_cast<TCustomForm*>(Components(i));
        form != nullptr && form->Visible()) {
      anyVisible = true;
    }
  }
  // Only while the window is as the rule left it: someone else may have shown or hidden it.
  const bool actual = (win::GetWindowLong(handle_, win::GWL_STYLE) & win::WS_VISIBLE) != 0;
  if (actual != shownByRule_ || anyVisible == shownByRule_) return;
  win::SetWindowPos(handle_, nullptr, 0, 0, 0, 0, anyVisible ? kShowFlags : kHideFlags);
  shownByRule_ = anyVisible;
}

void TApplication::Prepare() {
  if (prepareHook_) prepareHook_();
}

void TApplication::FormCreated(TCustomForm* form) {
  if (primaryForm_ == nullptr && dynamic_cast<TForm*>(form) != nullptr) {
    form->HandleNeeded();
    primaryForm_ = form;
  }
}

void TApplication::RunLoop() {
  loopActive_ = true;
  if (primaryForm_ != nullptr) {
    if (showPrimaryForm_) primaryForm_->SetVisible(true);
    do {
      try {
        HandleMessage();
      } catch (...) {
        ReportHandlerException(this);
      }
    } while (!quitRequested_);
  }
  loopActive_ = false;
}

void TApplication::Quit() {
  win::PostQuitMessage(0);
}

void TApplication::ShutDown() {
  for (int i = 0; i < ComponentCount(); ++i) {
    if (auto* form = dynamic_cast<TCustomForm*>(Components(i));
        form != nullptr && form->Visible()) {
      if (form->HandleAllocated()) win::ShowWindow(form->Handle(), win::SW_HIDE);
    }
  }
  DestroyComponents();
  primaryForm_ = nullptr;
  if (handle_ != nullptr) win::DestroyWindow(std::exchange(handle_, nullptr));
  for (gfx::HBITMAP image : std::exchange(icon_, {})) gfx::DeleteObject(image);
  iconLoaded_ = false;
}

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

namespace {
struct ApplicationObject {
  TApplication application{nullptr};
};
}  // namespace

TApplication& Application() {
  return sys::ContextLocal<ApplicationObject>().application;
}

}  // namespace pw

#pragma once
// TApplication: the application object: its title and hidden window (the owner of every form
// window), the forms it owns with the main window among them, the message loop with the keyboard
// preprocessing of the framework's controls, the report of an exception raised by a handler (an
// error box), quitting and the shutdown that destroys the forms, last created first.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/CustomForm.h"
#include "convert/Exceptions.h"
#include "forms/Component.h"
#include "platform/win/Window.h"

namespace pw {

class TApplication : public TComponent {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  // The title comes from the executable's name.
  explicit TApplication(TComponent* owner);

  ~TApplication() override;

  // The title; once the application window exists, its text.
  std::string Title() const;
  void SetTitle(std::string_view title);
  // The hidden application window, created on first use.
  win::HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  // Shows the application window while at least one form is visible, hides it when none is.
  void UpdateVisible();
  // The images (one per size, as the icon resource "MAINICON" lists them) of the icon of the
  // application's windows; none without that resource.
  const std::vector<gfx::HBITMAP>& Icon();

  // Runs the start-up hook, if one is installed.
  void Prepare();
  void SetPrepareHook(std::function<void()> hook) { prepareHook_ = std::move(hook); }

  // Creates a form of class T owned by the application, the reference naming it from before its
  // construction; on failure the form is freed, the reference cleared and the error goes on. The
  // first form created becomes the main window.
  template <class T>
  void MakeForm(T*& reference);
  TCustomForm* PrimaryForm() const { return primaryForm_; }
  bool ShowPrimaryForm() const { return showPrimaryForm_; }
  void SetShowPrimaryForm(bool show) { showPrimaryForm_ = show; }

  // Shows the main window and handles messages until the quit message arrives; an exception
  // escaping a message is reported and the loop goes on.
  void RunLoop();
  bool LoopActive() const { return loopActive_; }
  // Posts the quit message (exit code 0).
  void Quit();
  // The end of the program: the forms' windows are hidden and the forms destroyed, last created
  // first; then the application window and the icon go.
  void ShutDown();

  // Handles one queued message, if there is one: the quit message sets QuitRequested; a key
  // message is first offered to the framework control it concerns (Tab, arrows, Enter and Escape
  // move the focus or press a button); the rest is translated and dispatched. False when the
  // queue was empty.
  bool ProcessMessage();
  // Handles every queued message.
  void ProcessMessages();
  // Handles one message, waiting for one when none is queued.
  void HandleMessage();
  bool QuitRequested() const { return quitRequested_; }

  // Reports the exception being handled (called inside a catch block): an EAbort is dropped, an
  // Exception shown in an error box, anything else in the system's error box.
  void ReportHandlerException(TObject* sender);
  // The error box of an exception: its message with a full stop added after a last character
  // that sorts after ".", the title as caption, the error icon.
  void ShowErrorBox(const Exception& error);
  // The application's modal message box: every other window is disabled while it shows, and the
  // active window is active again afterwards.
  int AppMessageBox(std::string_view text, std::string_view caption, unsigned flags);

 private:
  bool PreprocessKey(const win::MSG& msg);
  void FormCreated(TCustomForm* form);

  std::string title_;
  win::HWND handle_ = nullptr;
  std::vector<gfx::HBITMAP> icon_;
  bool iconLoaded_ = false;
  bool shownByRule_ = false;  // the visibility the rule last gave the window
  bool quitRequested_ = false;
  bool loopActive_ = false;
  bool showPrimaryForm_ = true;
  TCustomForm* primaryForm_ = nullptr;
  std::function<void()> prepareHook_;
};

// The report of an exception that no handler caught: the "Application Error" box's text,
// "Exception %s in module %s at %p.\n%s%s".
std::string ApplicationErrorText(const std::exception& error);
// Shows that box (task-modal, error icon).
void ShowApplicationError(const std::exception& error);

// The file name of an executable path, in the process code page (the path is UTF-8).
std::string ModuleNameFromPath(std::string_view path);
// The title for an executable path: the file name up to its first ".", lower case after the
// first character (C:\Apps\PROFILE.EXE gives Profile).
std::string TitleFromModuleName(std::string_view path);

// The full-stop rule of error boxes.
std::string ErrorBoxText(std::string_view message);

// The application object, created with the controls layer's initialisation.
TApplication& Application();

template <class T>
void TApplication::MakeForm(T*& reference) {
  T* form = pw::MakeForm<T>(this, reference);
  FormCreated(form);
}

}  // namespace pw

#pragma once
// TApplication: the application object: its title, the message loop's single steps with the
// keyboard preprocessing of the framework's controls, and the report of an exception raised by a
// handler (an error box). The hidden application window, the main window and the loop's start
// and end are the start-up's concern and build on this.

#include <string>
#include <string_view>

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

  const std::string& Title() const { return title_; }
  void SetTitle(std::string_view title) { title_ = title; }

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

  std::string title_;
  bool quitRequested_ = false;
};

// The title for an executable path: the file name up to its first ".", lower case after the
// first character (C:\Apps\PROFILE.EXE gives Profile).
std::string TitleFromModuleName(std::string_view path);

// The full-stop rule of error boxes.
std::string ErrorBoxText(std::string_view message);

// The application object, created with the controls layer's initialisation.
TApplication& Application();

}  // namespace pw

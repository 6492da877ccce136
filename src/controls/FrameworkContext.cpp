#include "controls/FrameworkContext.h"

#include "controls/Application.h"
#include "controls/ControlTypes.h"
#include "controls/CustomForm.h"
#include "controls/HandlerErrors.h"
#include "controls/Screen.h"
#include "controls/WideLabel.h"
#include "controls/WinControl.h"
#include "forms/FormLoader.h"
#include "graphics/Colors.h"

namespace pw {

FrameworkContext::FrameworkContext(std::unique_ptr<win::Backend> backend)
    : platform_(std::move(backend)), store_(std::make_unique<sys::ContextStore>()) {
  RegisterGraphicsIdentifiers();
  RegisterControlsIdentifiers();
  MiddleEast();  // fixed from the locale before any window is made
  // What forms and controls leave their traces in, made before the application so that they
  // go after it.
  GlobalComponents();
  TWinControl::FindControl(nullptr);
  TWideCompanions::Instance();
  Screen();
  // Made last, so that it goes first: its forms still find the registries as they go.
  TApplication& application = Application();
  SetHandlerExceptionReport(
      [&application](TObject* sender) { application.ReportHandlerException(sender); });
  SetMessagePump([&application] {
    application.HandleMessage();
    return !application.QuitRequested();
  });
}

FrameworkContext::~FrameworkContext() {
  store_.reset();
}

}  // namespace pw

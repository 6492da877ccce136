#include "app/Program.h"

#include <exception>

#include "app/CalculatorForm.h"
#include "app/ShowcaseForm.h"
#include "controls/Application.h"
#include "convert/NumberText.h"

namespace pw {

int RunProgram() {
  int exitCode = 0;
  try {
    // Module start-up: number settings, then the screen and the application object.
    ReadDecimalSeparator();
    TApplication& application = Application();
    application.Prepare();
    application.MakeForm(Form1);
    application.MakeForm(Form3);
    application.RunLoop();
  } catch (const std::exception& error) {
    ShowApplicationError(error);
    exitCode = 1;
  }
  // Shutdown: the showcase window goes first, then the calculator.
  Application().ShutDown();
  Form3 = nullptr;
  Form1 = nullptr;
  return exitCode;
}

}  // namespace pw

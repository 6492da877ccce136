// The program: creates the calculator window and the showcase window from their embedded form
// descriptions. The controls are not yet bound to native windows and the application's message
// loop is not part of this build yet, so it reports what it built and ends.

#include <cstdio>
#include <memory>

#include "app/CalculatorForm.h"
#include "app/ShowcaseForm.h"
#include "convert/Exceptions.h"
#include "convert/NumberText.h"

int main() {
  using namespace pw;
  ReadDecimalSeparator();
  InitializeControls();
  try {
    std::unique_ptr<TForm1> calculator(MakeForm<TForm1>(nullptr, Form1));
    std::unique_ptr<TForm3> showcase(MakeForm<TForm3>(nullptr, Form3));
    std::printf(
        "profile-weight: built \"%s\" (%d controls, %s selected) and \"%s\" (%d controls).\n",
        calculator->Caption().c_str(), calculator->ComponentCount(),
        calculator->ComboBox1->Text().c_str(), showcase->Caption().c_str(),
        showcase->ComponentCount());
    std::puts(
        "profile-weight: the windows are not shown by this build yet; run tools/test to exercise "
        "both windows, or build/bin/pw-demo for the windowing stand-in on a display.");
    showcase.reset();
    calculator.reset();
  } catch (const Exception& e) {
    std::fprintf(stderr, "profile-weight: %s\n", e.Message().c_str());
    return 1;
  }
  return 0;
}

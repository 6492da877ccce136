#pragma once
// The two windows with the controls their handlers use, built in code in their stream order and
// bound to the handlers by name. Each function sets the global window reference.

#include <memory>

#include "app/CalculatorForm.h"
#include "app/ShowcaseForm.h"

namespace pw::testing {

// Creates Form1 and runs its OnCreate, as at start-up.
std::unique_ptr<TForm1> BuildCalculatorWindow();

// Creates Form3 in its initial state: counter "0", slide 1's texts in the displays.
std::unique_ptr<TForm3> BuildShowcaseWindow();

}  // namespace pw::testing

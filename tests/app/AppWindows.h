#pragma once
// The two windows, created from their embedded form descriptions as at start-up. Each function
// sets the global window reference.

#include <memory>

#include "app/CalculatorForm.h"
#include "app/ShowcaseForm.h"

namespace pw::testing {

// Creates Form1 (its OnCreate included) with the calculator's module state reset.
std::unique_ptr<TForm1> MakeCalculatorWindow();

// Creates Form3 in its initial state.
std::unique_ptr<TForm3> MakeShowcaseWindow();

}  // namespace pw::testing

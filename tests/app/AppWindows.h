#pragma once
// The two windows, created from their embedded form descriptions as at start-up. Each function
// sets the global window reference.

#include <array>
#include <memory>

#include "app/CalculatorForm.h"
#include "app/ShowcaseForm.h"

namespace pw::testing {

// Creates Form1 (its OnCreate included) with the calculator's module state reset.
std::unique_ptr<TForm1> MakeCalculatorWindow();

// Creates Form3 in its initial state.
std::unique_ptr<TForm3> MakeShowcaseWindow();

// A profile family's controls on the calculator: its icon, its radio button, its drawing.
struct FamilyControls {
  TImage* icon;
  TRadioButton* button;
  TImage* drawing;
  int family;
};
// The four families in an order that changes the family at every step (starting from IPB).
std::array<FamilyControls, 4> CalculatorFamilies(TForm1& form);

}  // namespace pw::testing

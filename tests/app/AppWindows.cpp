#include "app/AppWindows.h"

namespace pw::testing {

std::unique_ptr<TForm1> MakeCalculatorWindow() {
  Calculator = {};
  return std::unique_ptr<TForm1>(MakeForm<TForm1>(nullptr, Form1));
}

std::unique_ptr<TForm3> MakeShowcaseWindow() {
  return std::unique_ptr<TForm3>(MakeForm<TForm3>(nullptr, Form3));
}

std::array<FamilyControls, 4> CalculatorFamilies(TForm1& form) {
  return {{
      {form.Image2, form.RadioButton2, form.Image5, 2},
      {form.Image3, form.RadioButton3, form.Image7, 3},
      {form.Image4, form.RadioButton4, form.Image8, 4},
      {form.Image1, form.RadioButton1, form.Image6, 1},
  }};
}

}  // namespace pw::testing

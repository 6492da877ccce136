#include "app/AppWindows.h"

namespace pw::testing {

std::unique_ptr<TForm1> MakeCalculatorWindow() {
  Calculator = {};
  return std::unique_ptr<TForm1>(MakeForm<TForm1>(nullptr, Form1));
}

std::unique_ptr<TForm3> MakeShowcaseWindow() {
  return std::unique_ptr<TForm3>(MakeForm<TForm3>(nullptr, Form3));
}

}  // namespace pw::testing

// How fast the windows answer a click, on the headless backend: from the press of "Calc." to the
// repainted result, and from a click on the next-slide button to the repainted slide. Each
// iteration delivers the mouse steps and handles everything they cause, the paints included.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "app/CalculatorForm.h"
#include "app/ShowcaseForm.h"
#include "controls/FrameworkContext.h"
#include "support/TestContext.h"
#include "support/UserInput.h"

namespace {

using pw::testing::UserInput;

void BM_CalcClickToRepaintedResult(benchmark::State& state) {
  const pw::testing::TestContext<pw::FrameworkContext> context;
  std::unique_ptr<pw::TForm1> form(pw::MakeForm<pw::TForm1>(nullptr, pw::Form1));
  form->SetVisible(true);
  UserInput::Settle();
  int length = 0;
  for (auto _ : state) {
    // A new length in the focused box each time, so that every click changes the result.
    state.PauseTiming();
    UserInput::Click(*form->Edit1);
    form->Edit1->SetText(std::to_string(1000 + length++ % 50));
    UserInput::Backend().Advance(1000);
    UserInput::Settle();
    state.ResumeTiming();
    UserInput::Click(*form->BitBtn1);
  }
  state.SetLabel(form->Label7->Caption());
}

void BM_NextClickToRepaintedSlide(benchmark::State& state) {
  const pw::testing::TestContext<pw::FrameworkContext> context;
  std::unique_ptr<pw::TForm3> form(pw::MakeForm<pw::TForm3>(nullptr, pw::Form3));
  form->SetVisible(true);
  UserInput::Settle();
  for (auto _ : state) {
    state.PauseTiming();
    UserInput::Backend().Advance(1000);  // not a double click
    state.ResumeTiming();
    UserInput::Click(*form->BitBtn1);
  }
  state.SetLabel("slide " + form->Edit1->Text());
}

BENCHMARK(BM_CalcClickToRepaintedResult)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NextClickToRepaintedSlide)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

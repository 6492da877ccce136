// Reading and instantiating the two windows from their embedded descriptions, before any native
// window exists or anything is painted.

#include <benchmark/benchmark.h>

#include <memory>

#include "app/CalculatorForm.h"
#include "app/ShowcaseForm.h"
#include "controls/FrameworkContext.h"
#include "platform/backend/HeadlessBackend.h"

namespace {

template <class Form>
void BM_MakeForm(benchmark::State& state, Form*& reference) {
  const pw::FrameworkContext context(std::make_unique<pw::win::HeadlessBackend>());
  for (auto _ : state) {
    std::unique_ptr<Form> form(pw::MakeForm<Form>(nullptr, reference));
    benchmark::DoNotOptimize(form.get());
  }
}

void BM_MakeCalculatorWindow(benchmark::State& state) {
  BM_MakeForm(state, pw::Form1);
}
void BM_MakeShowcaseWindow(benchmark::State& state) {
  BM_MakeForm(state, pw::Form3);
}

BENCHMARK(BM_MakeCalculatorWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MakeShowcaseWindow)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

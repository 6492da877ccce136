// Conversion speed against the C library on the same values.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "convert/NumberText.h"

namespace {

// Edit-box texts; the C library gets the same numbers without the blanks it would reject.
const std::vector<std::string> kTexts = {"6000",       " 12.5 ", "0.882", "1000", "2.5E3",
                                         "123456.789", " 42 ",   "20.4",  "0.05", "1.5e-3"};
const std::vector<std::string> kCTexts = {"6000",       "12.5", "0.882", "1000", "2.5E3",
                                          "123456.789", "42",   "20.4",  "0.05", "1.5e-3"};

const std::vector<pw::Extended> kValues = {122.4L, 8.82L,  0.05L, 1234.56L, 20.4L * 6000 / 1000,
                                           0,      -3.48L, 9.96L, 56.7L,    312.25L};

void BM_ParseExtended(benchmark::State& state) {
  pw::SetDecimalSeparator('.');
  for (auto _ : state) {
    for (const auto& text : kTexts) benchmark::DoNotOptimize(pw::ParseExtended(text));
  }
  state.SetItemsProcessed(state.iterations() * kTexts.size());
}
BENCHMARK(BM_ParseExtended);

void BM_strtold(benchmark::State& state) {
  for (auto _ : state) {
    for (const auto& text : kCTexts) benchmark::DoNotOptimize(std::strtold(text.c_str(), nullptr));
  }
  state.SetItemsProcessed(state.iterations() * kCTexts.size());
}
BENCHMARK(BM_strtold);

void BM_FormatExtended(benchmark::State& state) {
  for (auto _ : state) {
    for (pw::Extended x : kValues) benchmark::DoNotOptimize(pw::FormatExtended(x, 4, 1));
  }
  state.SetItemsProcessed(state.iterations() * kValues.size());
}
BENCHMARK(BM_FormatExtended);

void BM_snprintf(benchmark::State& state) {
  char buffer[64];
  for (auto _ : state) {
    for (pw::Extended x : kValues) {
      benchmark::DoNotOptimize(std::snprintf(buffer, sizeof buffer, "%4.1Lf", x));
      benchmark::DoNotOptimize(std::string(buffer));
    }
  }
  state.SetItemsProcessed(state.iterations() * kValues.size());
}
BENCHMARK(BM_snprintf);

}  // namespace

BENCHMARK_MAIN();

// Text speed: what a label costs to measure and to paint, with the fonts the two windows use.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "platform/gfx/Gdi.h"
#include "platform/gfx/Text.h"

namespace {

using namespace pw::gfx;

LOGFONT Request(const char* face, int height, bool bold) {
  LOGFONT font;
  font.faceName = face;
  font.height = height;
  font.weight = bold ? FW_BOLD : FW_NORMAL;
  return font;
}

const LOGFONT kResultFont = Request("Times New Roman", -15, true);
const LOGFONT kTitleFont = Request("Titr", -16, true);
const LOGFONT kWindowFont = Request("MS Sans Serif", -11, false);
const std::u16string kResult = u"122.4 kg";
const std::u16string kTitle = u"طراحي نوار نقاله";

// A window-sized 32-bit surface in a memory context with one font selected, as a paint has it.
class Surface {
 public:
  explicit Surface(const LOGFONT& font) {
    bitmap_ = CreateDIBSection(600, 400, nullptr);
    dc_ = CreateCompatibleDC(nullptr);
    oldBitmap_ = SelectObject(dc_, bitmap_);
    font_ = CreateFontIndirect(font);
    oldFont_ = SelectObject(dc_, font_);
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, RGB(255, 255, 255));
  }
  ~Surface() {
    SelectObject(dc_, oldFont_);
    SelectObject(dc_, oldBitmap_);
    DeleteDC(dc_);
    DeleteObject(font_);
    DeleteObject(bitmap_);
  }
  HDC dc() const { return dc_; }

 private:
  HBITMAP bitmap_;
  HDC dc_;
  HFONT font_;
  HGDIOBJ oldBitmap_;
  HGDIOBJ oldFont_;
};

// A label's auto-size: DT_CALCRECT with the label's flags.
void BM_MeasureResultLabel(benchmark::State& state) {
  Surface surface(kResultFont);
  for (auto _ : state) {
    RECT rect{0, 0, 0, 0};
    benchmark::DoNotOptimize(DrawTextW(surface.dc(), kResult, rect, DT_EXPANDTABS | DT_CALCRECT));
  }
}
BENCHMARK(BM_MeasureResultLabel);

void BM_MeasurePersianTitle(benchmark::State& state) {
  Surface surface(kTitleFont);
  for (auto _ : state) {
    RECT rect{0, 0, 0, 0};
    benchmark::DoNotOptimize(
        DrawTextW(surface.dc(), kTitle, rect, DT_EXPANDTABS | DT_CALCRECT | DT_RTLREADING));
  }
}
BENCHMARK(BM_MeasurePersianTitle);

// A label's paint: transparent text at its place.
void BM_DrawResultLabel(benchmark::State& state) {
  Surface surface(kResultFont);
  for (auto _ : state) {
    RECT rect{140, 260, 196, 276};
    benchmark::DoNotOptimize(DrawTextW(surface.dc(), kResult, rect, DT_EXPANDTABS | DT_LEFT));
  }
}
BENCHMARK(BM_DrawResultLabel);

void BM_DrawPersianTitle(benchmark::State& state) {
  Surface surface(kTitleFont);
  for (auto _ : state) {
    RECT rect{300, 20, 397, 49};
    benchmark::DoNotOptimize(
        DrawTextW(surface.dc(), kTitle, rect, DT_EXPANDTABS | DT_LEFT | DT_RTLREADING));
  }
}
BENCHMARK(BM_DrawPersianTitle);

// The window font's "0", which a window measures once while it is read.
void BM_TextExtentOfZero(benchmark::State& state) {
  Surface surface(kWindowFont);
  for (auto _ : state) {
    SIZE size;
    benchmark::DoNotOptimize(GetTextExtentPoint32A(surface.dc(), "0", size));
  }
}
BENCHMARK(BM_TextExtentOfZero);

// A new result every time: shaping and layout without the cache's help.
void BM_MeasureNewResults(benchmark::State& state) {
  int n = 0;
  for (auto _ : state) {
    const std::string digits = std::to_string(100000 + (n++ % 900000));
    std::u16string text(digits.begin(), digits.end());
    text += u".4 kg";
    benchmark::DoNotOptimize(MeasureText(kResultFont, text, DT_EXPANDTABS));
  }
}
BENCHMARK(BM_MeasureNewResults);

void BM_MeasureNewPersianTitles(benchmark::State& state) {
  int n = 0;
  for (auto _ : state) {
    std::u16string text = kTitle;
    text.append(static_cast<std::size_t>(1 + n++ % 200), u' ');
    benchmark::DoNotOptimize(MeasureText(kTitleFont, text, DT_EXPANDTABS | DT_RTLREADING));
  }
}
BENCHMARK(BM_MeasureNewPersianTitles);

// Font objects made and deleted as controls change fonts; resolution is shared.
void BM_CreateSelectDeleteFont(benchmark::State& state) {
  Surface surface(kWindowFont);
  for (auto _ : state) {
    HFONT font = CreateFontIndirect(kResultFont);
    HGDIOBJ old = SelectObject(surface.dc(), font);
    TEXTMETRIC tm;
    benchmark::DoNotOptimize(GetTextMetrics(surface.dc(), tm));
    SelectObject(surface.dc(), old);
    DeleteObject(font);
  }
}
BENCHMARK(BM_CreateSelectDeleteFont);

}  // namespace

int main(int argc, char** argv) {
  // The first measurement sets up fontconfig and the font map; it happens once per process.
  const auto start = std::chrono::steady_clock::now();
  const SIZE zero = MeasureText(kWindowFont, u"0");
  const auto ready = std::chrono::steady_clock::now();
  const SIZE title = MeasureText(kTitleFont, kTitle);
  const auto done = std::chrono::steady_clock::now();
  const auto ms = [](auto from, auto to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
  };
  std::printf("first measurement (font set-up): %.1f ms; \"0\" is %d x %d\n", ms(start, ready),
              zero.cx, zero.cy);
  std::printf("first Persian title (another font): %.1f ms; %d x %d\n", ms(ready, done), title.cx,
              title.cy);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

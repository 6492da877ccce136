// Blit speed on the sizes the two windows draw: the showcase picture (684 x 459) reduced to its
// enlarged and thumbnail sizes, and a transparent 509 x 50 title picture. Items are destination
// pixels.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "platform/gfx/Gdi.h"

namespace {

using namespace pw::gfx;

// A 32-bit bottom-up section, as the picture reader makes them, in its own memory context.
struct Surface {
  Surface(int width, int height) : width(width), height(height) {
    void* bits = nullptr;
    bitmap = CreateDIBSection(width, height, &bits);
    dc = CreateCompatibleDC(nullptr);
    previous = SelectObject(dc, bitmap);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int i = 0; i < width * height; ++i) {
      pixels[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0x00FFFFFF;
    }
  }
  ~Surface() {
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
  int width, height;
  HBITMAP bitmap;
  HDC dc;
  HGDIOBJ previous;
};

void BM_StretchColorOnColor(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
  Surface picture(684, 459), target(width, height);
  SetStretchBltMode(target.dc, COLORONCOLOR);
  for (auto _ : state) {
    StretchBlt(target.dc, 0, 0, width, height, picture.dc, 0, 0, 684, 459, SRCCOPY);
  }
  state.SetItemsProcessed(state.iterations() * width * height);
}
BENCHMARK(BM_StretchColorOnColor)->Args({425, 313})->Args({49, 41});

void BM_StretchHalftone(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
  Surface picture(684, 459), target(width, height);
  SetStretchBltMode(target.dc, HALFTONE);
  for (auto _ : state) {
    StretchBlt(target.dc, 0, 0, width, height, picture.dc, 0, 0, 684, 459, SRCCOPY);
  }
  state.SetItemsProcessed(state.iterations() * width * height);
}
BENCHMARK(BM_StretchHalftone)->Args({425, 313})->Args({49, 41});

void BM_CopyUnscaled(benchmark::State& state) {
  Surface picture(684, 459), target(590, 391);
  for (auto _ : state) BitBlt(target.dc, 0, 0, 684, 459, picture.dc, 0, 0, SRCCOPY);
  state.SetItemsProcessed(state.iterations() * 590 * 391);
}
BENCHMARK(BM_CopyUnscaled);

// The transparent title picture: white background, the rest drawn.
struct Transparent {
  static constexpr int kWidth = 509;
  static constexpr int kHeight = 50;
  Transparent() : picture(kWidth, kHeight), mask(CreateBitmap(kWidth, kHeight, 1, 1, nullptr)) {
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        if ((x / 9 + y / 7) % 2) SetPixel(picture.dc, x, y, RGB(255, 255, 255));
      }
    }
    maskDc = CreateCompatibleDC(nullptr);
    previous = SelectObject(maskDc, mask);
    BuildMask();
  }
  ~Transparent() {
    SelectObject(maskDc, previous);
    DeleteDC(maskDc);
    DeleteObject(mask);
  }
  void BuildMask() {
    SetBkColor(picture.dc, RGB(255, 255, 255));
    BitBlt(maskDc, 0, 0, kWidth, kHeight, picture.dc, 0, 0, SRCCOPY);
  }
  // Mask to a work bitmap, source erased through it, mask AND and work XOR onto the target.
  void FourBlits(HDC target, int width, int height) {
    HDC work = CreateCompatibleDC(nullptr);
    HBITMAP workBitmap = CreateCompatibleBitmap(picture.dc, kWidth, kHeight);
    HGDIOBJ old = SelectObject(work, workBitmap);
    BitBlt(work, 0, 0, kWidth, kHeight, maskDc, 0, 0, SRCCOPY);
    BitBlt(work, 0, 0, kWidth, kHeight, picture.dc, 0, 0, SRCERASE);
    SetTextColor(target, RGB(0, 0, 0));
    SetBkColor(target, RGB(255, 255, 255));
    StretchBlt(target, 0, 0, width, height, maskDc, 0, 0, kWidth, kHeight, SRCAND);
    StretchBlt(target, 0, 0, width, height, work, 0, 0, kWidth, kHeight, SRCINVERT);
    SelectObject(work, old);
    DeleteObject(workBitmap);
    DeleteDC(work);
  }

  Surface picture;
  HBITMAP mask;
  HDC maskDc;
  HGDIOBJ previous;
};

void BM_TransparentBuildMask(benchmark::State& state) {
  Transparent t;
  for (auto _ : state) t.BuildMask();
  state.SetItemsProcessed(state.iterations() * Transparent::kWidth * Transparent::kHeight);
}
BENCHMARK(BM_TransparentBuildMask);

void BM_TransparentMaskBlt(benchmark::State& state) {
  Transparent t;
  Surface target(Transparent::kWidth, Transparent::kHeight);
  for (auto _ : state) {
    MaskBlt(target.dc, 0, 0, Transparent::kWidth, Transparent::kHeight, t.picture.dc, 0, 0, t.mask,
            0, 0, MAKEROP4(DSTCOPY, SRCCOPY));
  }
  state.SetItemsProcessed(state.iterations() * Transparent::kWidth * Transparent::kHeight);
}
BENCHMARK(BM_TransparentMaskBlt);

void BM_TransparentFourBlits(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
  Transparent t;
  Surface target(width, height);
  SetStretchBltMode(target.dc, COLORONCOLOR);
  for (auto _ : state) t.FourBlits(target.dc, width, height);
  state.SetItemsProcessed(state.iterations() * width * height);
}
BENCHMARK(BM_TransparentFourBlits)->Args({509, 50})->Args({254, 25})->Args({1018, 100});

}  // namespace

BENCHMARK_MAIN();

// Scaling surfaces onto the window at the desktop's scale: pixel replication at integer scales,
// smooth filtering otherwise, placement with clipping, and only the part asked for.

#include "platform/backend/SurfaceScaler.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace pw::win {
namespace {

class Pixels {
 public:
  Pixels(int width, int height, std::uint32_t fill = 0)
      : width_(width), height_(height), data_(static_cast<std::size_t>(width) * height, fill) {}
  PixelRows Rows() {
    return {reinterpret_cast<std::uint8_t*>(data_.data()), width_ * 4, width_, height_};
  }
  // The same memory read bottom row first, as a bottom-up section stores it.
  PixelRows BottomUpRows() {
    return {reinterpret_cast<std::uint8_t*>(data_.data()) + (height_ - 1) * width_ * 4, -width_ * 4,
            width_, height_};
  }
  std::uint32_t& At(int x, int y) { return data_[static_cast<std::size_t>(y) * width_ + x]; }

 private:
  int width_, height_;
  std::vector<std::uint32_t> data_;
};

// Every pixel different: x in blue, y in green.
std::uint32_t Code(int x, int y) {
  return static_cast<std::uint32_t>(x | y << 8);
}

TEST(SurfaceScaler, IntegerScalesReplicateEveryPixelAndMakeItOpaque) {
  Pixels source(5, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) source.At(x, y) = Code(x, y);
  }
  for (int factor : {1, 2, 3}) {
    Pixels target(5 * factor, 3 * factor);
    const gfx::RECT written =
        ScaleArea(source.Rows(), {0, 0, 5, 3}, target.Rows(), {0, 0, 5 * factor, 3 * factor});
    EXPECT_EQ(written, (gfx::RECT{0, 0, 5 * factor, 3 * factor}));
    for (int y = 0; y < 3 * factor; ++y) {
      for (int x = 0; x < 5 * factor; ++x) {
        ASSERT_EQ(target.At(x, y), Code(x / factor, y / factor) | 0xFF000000u)
            << factor << ": " << x << "," << y;
      }
    }
  }
}

TEST(SurfaceScaler, OnlyThePartShowingTheAreaIsWrittenInRowOrderOfEitherLayout) {
  Pixels source(6, 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 6; ++x) source.At(x, y) = Code(x, y);
  }
  Pixels target(12, 8, 0x12345678);
  // Read as bottom-up, the source's rows come in reverse order.
  const gfx::RECT written =
      ScaleArea(source.BottomUpRows(), {1, 1, 3, 2}, target.Rows(), {0, 0, 12, 8});
  EXPECT_EQ(written, (gfx::RECT{2, 2, 6, 4}));
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 12; ++x) {
      const bool inside = x >= 2 && x < 6 && y >= 2 && y < 4;
      ASSERT_EQ(target.At(x, y), inside ? Code(x / 2, 3 - y / 2) | 0xFF000000u : 0x12345678u)
          << x << "," << y;
    }
  }
}

TEST(SurfaceScaler, PlacementOffsetsAndTheTargetClips) {
  Pixels source(4, 4, 0x00FF00);
  Pixels target(10, 10);
  // Placed at (6, -2), doubled: only the part inside the target is written.
  const gfx::RECT written = ScaleArea(source.Rows(), {0, 0, 4, 4}, target.Rows(), {6, -2, 14, 6});
  EXPECT_EQ(written, (gfx::RECT{6, 0, 10, 6}));
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) {
      ASSERT_EQ(target.At(x, y), x >= 6 && y < 6 ? 0xFF00FF00u : 0u) << x << "," << y;
    }
  }
  // Wholly outside: nothing.
  EXPECT_TRUE(ScaleArea(source.Rows(), {0, 0, 4, 4}, target.Rows(), {20, 0, 28, 8}).Empty());
  EXPECT_TRUE(ScaleArea(source.Rows(), {4, 0, 9, 4}, target.Rows(), {0, 0, 8, 8}).Empty());
}

TEST(SurfaceScaler, OtherScalesFilterSmoothlyBetweenNeighbours) {
  // A black half and a white half: scaled by 1.5, flat parts stay flat and the edge blends.
  Pixels source(8, 2);
  for (int y = 0; y < 2; ++y) {
    for (int x = 4; x < 8; ++x) source.At(x, y) = 0xFFFFFF;
  }
  Pixels target(12, 3);
  const gfx::RECT written = ScaleArea(source.Rows(), {0, 0, 8, 2}, target.Rows(), {0, 0, 12, 3});
  EXPECT_EQ(written, (gfx::RECT{0, 0, 12, 3}));
  for (int y = 0; y < 3; ++y) {
    EXPECT_EQ(target.At(0, y), 0xFF000000u);
    EXPECT_EQ(target.At(11, y), 0xFFFFFFFFu);
    int greys = 0;
    for (int x = 1; x < 12; ++x) {
      const std::uint32_t blue = target.At(x, y) & 0xFF, before = target.At(x - 1, y) & 0xFF;
      ASSERT_GE(blue, before) << x;                                  // never darker going right
      ASSERT_EQ(target.At(x, y) & 0xFFFFFF, blue * 0x010101u) << x;  // stays grey
      greys += blue != 0 && blue != 255;
    }
    EXPECT_GE(greys, 1) << y;
  }
  // A part of it: the covered target pixels and their neighbours only.
  Pixels partial(12, 3, 0x12345678);
  const gfx::RECT some = ScaleArea(source.Rows(), {2, 0, 4, 1}, partial.Rows(), {0, 0, 12, 3});
  EXPECT_EQ(some, (gfx::RECT{2, 0, 7, 3}));
  EXPECT_EQ(partial.At(0, 0), 0x12345678u);
  EXPECT_EQ(partial.At(8, 0), 0x12345678u);
}

}  // namespace
}  // namespace pw::win

#include <gtest/gtest.h>

#include "platform/gfx/Types.h"

namespace pw::gfx {
namespace {

TEST(Rect, ContainsTheTopLeftEdgesButNotTheBottomRight) {
  constexpr RECT r{10, 20, 30, 40};
  EXPECT_TRUE(r.Contains({10, 20}));
  EXPECT_TRUE(r.Contains({29, 39}));
  EXPECT_FALSE(r.Contains({30, 25}));
  EXPECT_FALSE(r.Contains({15, 40}));
  EXPECT_FALSE(r.Contains({9, 25}));
  EXPECT_FALSE(RECT{}.Contains({0, 0}));
  EXPECT_FALSE((RECT{5, 5, 2, 9}.Contains({3, 6})));  // inverted: empty
}

TEST(Rect, OffsetAndInflateMoveTheEdges) {
  constexpr RECT r{10, 20, 30, 40};
  EXPECT_EQ(r.Offset(-10, 5), (RECT{0, 25, 20, 45}));
  EXPECT_EQ(r.Inflate(2, 3), (RECT{8, 17, 32, 43}));
  EXPECT_EQ(r.Inflate(-4, -4), (RECT{14, 24, 26, 36}));
  EXPECT_TRUE(r.Inflate(-10, 0).Empty());
  EXPECT_EQ((POINT{3, 4}.Offset(-3, 6)), (POINT{0, 10}));
}

TEST(Rect, IntersectGivesTheCommonPartOrTheNullRectangle) {
  constexpr RECT a{0, 0, 10, 10};
  EXPECT_EQ(a.Intersect({5, -5, 20, 5}), (RECT{5, 0, 10, 5}));
  EXPECT_EQ(a.Intersect({2, 2, 4, 4}), (RECT{2, 2, 4, 4}));
  // Touching edges share nothing; any empty result is (0, 0, 0, 0).
  EXPECT_EQ(a.Intersect({10, 0, 20, 10}), RECT{});
  EXPECT_EQ(a.Intersect({20, 20, 30, 30}), RECT{});
  EXPECT_EQ(a.Intersect({3, 3, 3, 8}), RECT{});
}

TEST(Rect, UnionBoundsBothAndIgnoresEmptyOnes) {
  constexpr RECT a{0, 0, 10, 10};
  EXPECT_EQ(a.Union({20, -5, 25, 5}), (RECT{0, -5, 25, 10}));
  EXPECT_EQ(a.Union({50, 50, 50, 60}), a);
  EXPECT_EQ((RECT{50, 50, 40, 60}.Union(a)), a);
  EXPECT_EQ(RECT{}.Union(RECT{}), RECT{});
}

}  // namespace
}  // namespace pw::gfx

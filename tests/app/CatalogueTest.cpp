#include "app/catalogue/Catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace pw::catalogue {
namespace {

ExtendedBits Bits(int family, int index) {
  return BitsOf(*UnitWeight(family, index));
}

TEST(Catalogue, WeightsAreTheNearestExtendedValuesNotDoubles) {
  EXPECT_EQ(Bits(1, 0), (ExtendedBits{0x3FFE, 0xE1CAC083126E978DULL}));  // 0.882
  EXPECT_EQ(Bits(1, 2), (ExtendedBits{0x3FFF, 0xB99999999999999AULL}));  // 1.45
  EXPECT_EQ(Bits(4, 0), (ExtendedBits{0x4003, 0xA333333333333333ULL}));  // 20.4
  EXPECT_EQ(*UnitWeight(4, 23), 314.0L);
  EXPECT_NE(*UnitWeight(1, 0), static_cast<Extended>(0.882));
  // Every weight has at most three decimals, so it must be exactly the one rounded quotient of
  // its thousandths by 1000, the nearest extended value to the decimal.
  for (int family = 1; family <= kFamilyCount; ++family) {
    for (const ProfileSize& size : Family(family).sizes) {
      const Extended thousandths = std::nearbyint(size.unitWeight * 1000);
      EXPECT_EQ(BitsOf(size.unitWeight), BitsOf(thousandths / 1000)) << size.designation;
    }
  }
}

TEST(Catalogue, FamiliesHaveTheirSizesInListOrder) {
  const struct {
    int family;
    const char* prefix;
    std::size_t count;
    const char* first;
    const char* last;
    Extended firstWeight;
  } expected[] = {
      {1, "L", 44, "L 20x3", "L 250x35", 0.882L},
      {2, "U", 24, "U 30x15", "U 400", 1.74L},
      {3, "I", 20, "I 80", "I 550", 5.94L},
      {4, "IPB", 24, "IPB 100", "IPB 1000", 20.4L},
  };
  for (const auto& e : expected) {
    const ProfileFamily& family = Family(e.family);
    EXPECT_EQ(family.prefix, e.prefix);
    ASSERT_EQ(family.sizes.size(), e.count);
    EXPECT_EQ(family.sizes.front().designation, e.first);
    EXPECT_EQ(family.sizes.back().designation, e.last);
    EXPECT_EQ(family.sizes.front().unitWeight, e.firstWeight);
    std::set<std::string_view> unique;
    for (const ProfileSize& size : family.sizes) {
      EXPECT_EQ(size.designation.substr(0, family.prefix.size() + 1), std::string(e.prefix) + " ");
      EXPECT_GT(size.unitWeight, 0);
      unique.insert(size.designation);
    }
    EXPECT_EQ(unique.size(), e.count) << "designations are unique within family " << e.family;
  }
  EXPECT_THROW(Family(0), std::out_of_range);
  EXPECT_THROW(Family(5), std::out_of_range);
}

TEST(Catalogue, ListsFollowDesignationsNotWeights) {
  const auto& angles = Family(1).sizes;
  EXPECT_EQ(angles[8].designation, "L 45x4.5");
  EXPECT_EQ(angles[8].unitWeight, angles[9].unitWeight);    // 3.06, "L 50x4"
  EXPECT_EQ(angles[24].unitWeight, angles[26].unitWeight);  // 12.2: "L 90x9", "L 100x8"
  EXPECT_GT(angles[14].unitWeight, angles[15].unitWeight);  // "L 60x8" 7.09 before "L 65x7"
  const auto& channels = Family(2).sizes;
  EXPECT_EQ(channels[1].designation, "U 30");
  EXPECT_EQ(channels[2].designation, "U 40x20");
  EXPECT_LT(channels[6].unitWeight, channels[5].unitWeight);  // "U 60" lighter than "U 50"
}

TEST(Catalogue, IndicesOutsideTheListYieldNoWeight) {
  EXPECT_FALSE(UnitWeight(1, -1));
  EXPECT_FALSE(UnitWeight(1, 44));
  EXPECT_TRUE(UnitWeight(1, 43));
  EXPECT_FALSE(UnitWeight(3, 20));
  EXPECT_EQ(*UnitWeight(3, 19), 166.0L);
  EXPECT_EQ(*UnitWeight(2, 23), 71.8L);
}

}  // namespace
}  // namespace pw::catalogue

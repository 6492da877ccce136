#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>

#include "convert/NumberText.h"

namespace pw {
namespace {

using Limits = std::numeric_limits<Extended>;

struct Formatted {
  Extended x;
  int width, decimals;
  std::string text;
};

TEST(FormatExtended, FixedScientificAndNonFiniteForms) {
  const Formatted cases[] = {
      {0, 4, 1, " 0.0"},
      {-0.0L, 4, 1, "-0.0"},
      {8.82L, 4, 1, " 8.8"},
      {-3.48L, 4, 1, "-3.5"},
      {20.4L * 6000 / 1000, 4, 1, "122.4"},
      {9.96L, 4, 1, "10.0"},
      {99.96L, 4, 1, "100.0"},
      {0.96L, 4, 1, " 1.0"},
      {1234.56L, 4, 1, "1234.6"},
      {0.05L, 4, 1, " 0.1"},
      {0.15L, 4, 1, " 0.2"},
      {-0.01L, 4, 1, "-0.0"},
      {2.5L, 4, 0, "   3"},
      {1.5L, -5, 1, "1.5"},
      {1.2e36L, 4, 1, "12" + std::string(35, '0') + ".0"},
      {1.7e36L, 4, 1, " 1.7E+0036"},
      {8.82e36L, 4, 1, " 8.8E+0036"},
      {1.25L, 10, -1, " 1.3E+0000"},
      {12.5L, 10, -1, " 1.2E+0001"},
      {0, 10, -1, " 0.0E+0000"},
      {-1.25L, 0, -1, "-1.3E+0000"},
      {-0.0L, 12, -1, "-0.000E+0000"},
      {1.0L / 3, 30, -1, "     3.33333333333333333E-0001"},
      {Limits::denorm_min(), 10, -1, " 3.6E-4951"},
      {Limits::max(), 10, 2, " 1.1E+4932"},  // 1.19: the rounded digit is dropped
      {Limits::infinity(), 4, 1, "+Inf"},
      {-Limits::infinity(), 6, -1, "  -Inf"},
      {Limits::quiet_NaN(), 4, 1, " Nan"},
      {FromBits({0x7FFF, 0x8000000000000001}), 0, 1, "+Inf"}};  // the upper half decides
  for (const auto& c : cases) {
    EXPECT_EQ(FormatExtended(c.x, c.width, c.decimals), c.text)
        << static_cast<double>(c.x) << " width " << c.width << " decimals " << c.decimals;
  }
}

TEST(FormatExtended, CapsWidthAndDecimals) {
  EXPECT_EQ(FormatExtended(1.5L, 1000, 1), std::string(252, ' ') + "1.5");
  EXPECT_EQ(FormatExtended(1.5L, 0, 1000), "1.5" + std::string(215, '0'));
  EXPECT_EQ(FormatExtended(-1.2e36L, 300, 300).size(), 255u);
  EXPECT_EQ(FormatExtended(1.0L / 3, 1000, -1),
            std::string(230, ' ') + "3.33333333333333333E-0001");
}

TEST(GenerateDigits, RoundsTiesToEvenThenHalfUp) {
  // 2^-18 and 3 * 2^-18 times 10^17 end exactly in .5.
  EXPECT_EQ(GenerateDigits(1.0L / 262144, 18), "0000000381469726562");
  EXPECT_EQ(GenerateDigits(3.0L / 262144, 18), "0000001144409179688");
  EXPECT_EQ(GenerateDigits(9.96L, 2), "100");
  EXPECT_EQ(GenerateDigits(19.96L, 2), "200");
  EXPECT_EQ(GenerateDigits(1.5L, 20), "015" + std::string(18, '0'));
}

TEST(NormalizeDecimal, ScalesIntoOneToSixteen) {
  const std::tuple<Extended, Extended, int> cases[] = {
      {0, 0, 0}, {15.5L, 15.5L, 0}, {16, 1.6L, 1}, {0.5L, 5, -1}, {1e36L, 10, 35}, {2e-5L, 2, -5}};
  for (const auto& [x, y, k] : cases) {
    const NormalizedDecimal n = NormalizeDecimal(x);
    EXPECT_EQ(n.k, k) << static_cast<double>(x);
    EXPECT_NEAR(static_cast<double>(n.y), static_cast<double>(y), 1e-15) << static_cast<double>(x);
  }
  EXPECT_EQ(NormalizeDecimal(Limits::denorm_min()).k, -4951);
}

}  // namespace
}  // namespace pw

#include <gtest/gtest.h>

#include <cfenv>
#include <cstdint>
#include <random>
#include <string>

#include "convert/Exceptions.h"
#include "convert/FloatEnvironment.h"
#include "convert/NumberText.h"

namespace pw {
namespace {

class ScanExtendedTest : public testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator('.'); }
  void TearDown() override {
    SetDecimalSeparator(saved_);
    SetFloatControlWord(kDefaultControlWord);
  }

 private:
  char saved_ = DecimalSeparator();
};

void ExpectScan(std::string_view text, Extended expected) {
  const auto scanned = ScanExtended(text);
  ASSERT_TRUE(scanned.has_value()) << text;
  EXPECT_EQ(BitsOf(*scanned), BitsOf(expected)) << text;
}

TEST_F(ScanExtendedTest, AcceptedTextsGiveTheNearestValueBitForBit) {
  const std::pair<std::string_view, Extended> cases[] = {
      {"6000", 6000},    {" 12.5 ", 12.5L}, {".5", 0.5L},    {"5.", 5},
      {".", 0},          {"-.", -0.0L},     {"+7", 7},       {"1e", 1},
      {"5e+", 5},        {"2.5E3", 2500},   {"25e-1", 2.5L}, {"20.4", 20.4L},
      {"0.882", 0.882L}, {"-3.48", -3.48L}, {"1e-4999", 0},  {{"1.5\0x", 5}, 1.5L}};
  for (const auto& [text, value] : cases) ExpectScan(text, value);
  EXPECT_EQ(BitsOf(ParseExtended("0.882")), (ExtendedBits{0x3FFE, 0xE1CAC083126E978D}));
  EXPECT_NEAR(static_cast<double>(*ScanExtended("1e500") / 1e500L), 1.0, 1e-15);
  EXPECT_TRUE(ScanExtended("1e0499").has_value());
}

TEST_F(ScanExtendedTest, RejectsMalformedAndOutOfRangeTexts) {
  for (std::string_view text : {"+", "-", "", "   ", "1,5", "12a", "0x10", "1 000", "e5", "1e+-5",
                                "1.5.", "$10", "1e5000", "1e4999", "-1e4999"}) {
    EXPECT_FALSE(ScanExtended(text).has_value()) << text;
  }
  SetDecimalSeparator(',');
  EXPECT_EQ(ScanExtended("1,5"), 1.5L);
  EXPECT_FALSE(ScanExtended("1.5").has_value());
}

// Each digit is one rounded multiplication and one rounded addition, then one scaling.
Extended Reference(std::string_view digits, int exponent) {
  Extended acc = 0;
  for (char c : digits) {
    acc = acc * 10;
    acc = acc + (c - '0');
  }
  return ScaleByPowerOfTen(acc, exponent);
}

TEST_F(ScanExtendedTest, MatchesDigitByDigitExtendedArithmetic) {
  for (std::string_view digits :
       {"18446744073709551615", "18446744073709551616", "18446744073709551617",
        "36893488147419103235", "123456789012345678901234567890"}) {
    ExpectScan(digits, Reference(digits, 0));
  }
  ExpectScan("1234567890.12345678901234567890", Reference("123456789012345678901234567890", -20));
  // Mantissas below 2^64 are scaled in integers: ties at the 65th bit, extremes, random values.
  ExpectScan("3689348814741910325e1", Reference("3689348814741910325", 1));
  ExpectScan("3689348814741910327e1", Reference("3689348814741910327", 1));
  ExpectScan("18446744073709551615e19", Reference("18446744073709551615", 19));
  ExpectScan("18446744073709551615e-18", Reference("18446744073709551615", -18));
  std::mt19937_64 random(20240611);
  for (int i = 0; i < 4000; ++i) {
    const std::string digits = std::to_string(random() >> (random() % 64));
    const int n = static_cast<int>(random() % 38) - 18;
    ExpectScan(digits + "e" + std::to_string(n), Reference(digits, n));
  }
}

TEST_F(ScanExtendedTest, RestoresTheControlWordWithX87FlagsCleared) {
  volatile Extended three = 3;
  for (std::string_view text : {"0.882", "1e-30", "1e4999", "12a"}) {
    SetFloatControlWord(0x1272);
    std::feclearexcept(FE_ALL_EXCEPT);
    volatile Extended third = 1 / three;  // leaves the inexact flag up
    static_cast<void>(third);
    ScanExtended(text);
    EXPECT_EQ(FloatControlWord(), 0x1272) << text;
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0) << text;
  }
  std::feraiseexcept(FE_OVERFLOW | FE_INVALID);  // earlier faults do not fail a scan
  EXPECT_EQ(ScanExtended("6000"), 6000.0L);
}

TEST_F(ScanExtendedTest, ParseRaisesConvertErrorQuotingTheWholeText) {
  EXPECT_EQ(ParseExtended(" 6000 "), 6000.0L);
  for (std::string_view text : {"12a", " 1 000 ", "1e4999"}) {
    try {
      ParseExtended(text);
      ADD_FAILURE() << "no exception for " << text;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "'" + std::string(text) + "' is not a valid floating point value");
    }
  }
}

}  // namespace
}  // namespace pw

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "app/cli/DecimalText.h"
#include "app/cli/Designations.h"
#include "convert/NumberText.h"

namespace pw::cli {
namespace {

TEST(ExactDecimal, WritesEveryDigitOfTheExtendedValue) {
  EXPECT_EQ(ExactDecimal(20.4L), "20.39999999999999999965305530480463858111761510372161865234375");
  EXPECT_EQ(ExactDecimal(0.882L),
            "0.8819999999999999999830864461092261308294837363064289093017578125");
  EXPECT_EQ(ExactDecimal(6000), "6000");
  EXPECT_EQ(ExactDecimal(-0.5L), "-0.5");
  EXPECT_EQ(ExactDecimal(0.0L), "0");
  EXPECT_EQ(ExactDecimal(-0.0L), "-0");
  EXPECT_EQ(ExactDecimal(1e19L), "10000000000000000000");
  // 2^64 and 2^-70 need more than one machine word either way.
  EXPECT_EQ(ExactDecimal(18446744073709551616.0L), "18446744073709551616");
  EXPECT_EQ(ExactDecimal(0x1p-70L),
            "0.0000000000000000000008470329472543003390683225006796419620513916015625");
  // The ends of the range: the largest value has 4933 integer digits, the smallest denormal
  // 16445 decimals ending in 5.
  const std::string largest = ExactDecimal(std::numeric_limits<Extended>::max());
  EXPECT_EQ(largest.size(), 4933u);
  EXPECT_EQ(largest.substr(0, 6), "118973");
  const std::string smallest = ExactDecimal(std::numeric_limits<Extended>::denorm_min());
  EXPECT_EQ(smallest.size(), 2u + 16445u);
  EXPECT_EQ(smallest.back(), '5');
  EXPECT_EQ(ExactDecimal(std::numeric_limits<Extended>::infinity()), "inf");
}

TEST(ShortestDecimal, CatalogueWeightsReadAsTheirTables) {
  const std::pair<std::string_view, std::string_view> samples[] = {
      {"L 20x3", "0.882"}, {"L 25x4", "1.45"},  {"IPB 100", "20.4"},
      {"L 100x10", "15"},  {"L 250x28", "104"}, {"IPB 1000", "314"},
  };
  for (const auto& [designation, text] : samples) {
    EXPECT_EQ(ShortestDecimal(FindDesignation(designation)->unitWeight), text);
  }
  SetDecimalSeparator('.');
  for (const CatalogueEntry& entry : CatalogueEntries()) {
    const std::string text = ShortestDecimal(entry.unitWeight);
    EXPECT_LE(text.size(), 5u) << entry.designation;
    EXPECT_EQ(ParseExtended(text), entry.unitWeight) << entry.designation;
  }
}

// The significant digits of a decimal text and its exponent: the value is 0.DIGITS x 10^exponent.
std::pair<std::string, int> SignificantDigits(const std::string& text) {
  std::string digits;
  int exponent = 0;
  bool point = false;
  for (char c : text.substr(0, text.find('e'))) {
    if (c == '.') point = true;
    if (c < '0' || c > '9') continue;
    if (digits.empty() && c == '0') {
      if (point) --exponent;
      continue;
    }
    digits += c;
    if (!point) ++exponent;
  }
  if (text.find('e') != std::string::npos) exponent += std::stoi(text.substr(text.find('e') + 1));
  digits.resize(digits.find_last_not_of('0') + 1);
  return {digits, exponent};
}

// Values as the scanner makes them from texts people type: the shortest text reads back, is no
// longer than the text typed, and one digit fewer, rounded either way, does not read back.
TEST(ShortestDecimal, ReadsBackAndNothingShorterDoes) {
  SetDecimalSeparator('.');
  std::mt19937_64 random(18);
  for (int i = 0; i < 5000; ++i) {
    std::string typed = std::to_string(random() % 10'000'000'000'000'000'000ull);
    typed.resize(1 + random() % typed.size());
    typed += "e" + std::to_string(static_cast<int>(random() % 30) - 15);
    const Extended x = *ScanExtended(typed);
    const std::string text = ShortestDecimal(x);
    const auto back = ScanExtended(text);
    ASSERT_TRUE(back.has_value()) << text;
    ASSERT_EQ(BitsOf(*back), BitsOf(x)) << typed << " gives " << text;
    auto [digits, exponent] = SignificantDigits(text);
    EXPECT_LE(digits.size(), SignificantDigits(typed).first.size()) << typed << " gives " << text;
    if (digits.size() < 2) continue;
    std::string shorter = digits.substr(0, digits.size() - 1);
    const int scale = exponent - static_cast<int>(shorter.size());
    for (int adjust = 0; adjust < 2; ++adjust) {
      if (adjust == 1) {  // one unit up in the last place
        std::size_t k = shorter.size();
        while (k > 0 && shorter[k - 1] == '9') shorter[--k] = '0';
        if (k == 0) break;
        ++shorter[k - 1];
      }
      const std::string candidate = shorter + "e" + std::to_string(scale);
      const auto value = ScanExtended(candidate);
      EXPECT_FALSE(value && BitsOf(*value) == BitsOf(x)) << text << " vs " << candidate;
    }
  }
}

// Any bits at all: a text that reads back, or, for a value no text reaches, every digit.
TEST(ShortestDecimal, AnyValueReadsBackOrIsExact) {
  SetDecimalSeparator('.');
  std::mt19937_64 random(18);
  for (int i = 0; i < 2000; ++i) {
    const auto exponent = static_cast<std::uint16_t>(0x3FFF - 200 + random() % 400);
    const Extended x = FromBits({exponent, random() | (1ull << 63)});
    const std::string text = ShortestDecimal(x);
    const auto back = ScanExtended(text);
    if (!back || BitsOf(*back) != BitsOf(x)) {
      const auto [exactDigits, e1] = SignificantDigits(ExactDecimal(x));
      const auto [digits, e2] = SignificantDigits(text);
      EXPECT_EQ(digits, exactDigits) << text;
      EXPECT_EQ(e1, e2) << text;
    }
  }
}

TEST(ShortestDecimal, Notation) {
  EXPECT_EQ(ShortestDecimal(0.5L), "0.5");
  EXPECT_EQ(ShortestDecimal(-2500.5L), "-2500.5");
  EXPECT_EQ(ShortestDecimal(1e-7L), "0.0000001");
  EXPECT_EQ(ShortestDecimal(1.5e-8L), "1.5e-8");
  EXPECT_EQ(ShortestDecimal(1e20L), "100000000000000000000");
  EXPECT_EQ(ShortestDecimal(1.25e21L), "1.25e21");
  EXPECT_EQ(ShortestDecimal(-0.0L), "-0");
}

}  // namespace
}  // namespace pw::cli

#include <gtest/gtest.h>

#include <utility>

#include "convert/Exceptions.h"
#include "convert/NumberText.h"

namespace pw {
namespace {

constexpr std::int32_t kMin = -2147483647 - 1;

TEST(ScanInteger, AcceptsDecimalAndHexadecimalForms) {
  // clang-format off
  const std::pair<std::string_view, std::int32_t> cases[] = {
      {"42", 42}, {"   42", 42}, {"+42", 42}, {"042", 42}, {"-42", -42}, {"$1F", 31},
      {"x1F", 31}, {"0x1f", 31}, {"0X1F", 31}, {"0", 0}, {"-0", 0}, {"00", 0},
      {"$FFFFFFFF", -1}, {"$7fffffff", 2147483647}, {"$80000000", kMin},
      {"2147483647", 2147483647}, {"-2147483648", kMin}, {{"12\0003", 4}, 12}};
  // clang-format on
  for (const auto& [text, value] : cases) {
    const IntegerScan scan = ScanInteger(text);
    EXPECT_EQ(scan.errorPos, 0) << text;
    EXPECT_EQ(scan.value, value) << text;
  }
}

TEST(ScanInteger, ReportsThePositionOfTheFailure) {
  // clang-format off
  const std::pair<std::string_view, int> cases[] = {
      {"", 1}, {"   ", 4}, {"-", 2}, {"0x", 3}, {"$", 2}, {"42 ", 3}, {"4 2", 2}, {"0 ", 2},
      {"1.5", 2}, {"1e3", 2}, {"-$10", 2}, {"+x1", 2}, {"-0x10", 3}, {"$1G", 3},
      {"2147483648", 11}, {"-2147483649", 12}, {"4294967296", 10}, {"99999999999", 10},
      {"$100000000", 10}, {{"\0001", 2}, 1}};
  // clang-format on
  for (const auto& [text, position] : cases)
    EXPECT_EQ(ScanInteger(text).errorPos, position) << text;
}

TEST(ParseInteger, RaisesConvertErrorQuotingTheWholeText) {
  EXPECT_EQ(ParseInteger(" -17"), -17);
  try {
    ParseInteger(" 12a ");
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "' 12a ' is not a valid integer value");
  }
}

TEST(FormatInteger, WritesPlainDecimalDigits) {
  // clang-format off
  const std::pair<std::int32_t, std::string_view> cases[] = {
      {7, "7"}, {-15, "-15"}, {0, "0"}, {2147483647, "2147483647"}, {kMin, "-2147483648"}};
  // clang-format on
  for (const auto& [value, text] : cases) EXPECT_EQ(FormatInteger(value), text);
}

}  // namespace
}  // namespace pw

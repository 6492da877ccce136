// The desktop's scale as PW_SCALE and the X resource database give it.

#include "platform/backend/DesktopScale.h"

#include <gtest/gtest.h>

namespace pw::win {
namespace {

TEST(DesktopScale, OverrideIsAPositiveNumberWithinTheHonouredRange) {
  EXPECT_EQ(ParseScale("2"), 2.0);
  EXPECT_EQ(ParseScale("1.5"), 1.5);
  EXPECT_EQ(ParseScale(" 1.25 "), 1.25);
  EXPECT_EQ(ParseScale("1"), 1.0);
  EXPECT_EQ(ParseScale("8"), 8.0);
  for (const char* bad : {"", "0", "-2", "0.5", "9", "2x", "two", "nan", "inf", "1,5"}) {
    EXPECT_FALSE(ParseScale(bad).has_value()) << '"' << bad << '"';
  }
}

TEST(DesktopScale, XftDpiOverNinetySixFromTheResourceDatabase) {
  EXPECT_EQ(ScaleFromXResources("Xft.dpi:\t192\n"), 2.0);
  EXPECT_EQ(ScaleFromXResources("*customization:\t-color\nXft.dpi:\t144\nXft.hinting:\t1\n"), 1.5);
  EXPECT_EQ(ScaleFromXResources("Xft.dpi: 120"), 1.25);  // no final line break
  // The last definition counts; other resources that merely mention dpi do not.
  EXPECT_EQ(ScaleFromXResources("Xft.dpi:\t96\nXft.dpi:\t192\n"), 2.0);
  EXPECT_FALSE(ScaleFromXResources("Xft.dpix:\t192\nmy.Xft.dpi:\t192\n").has_value());
  // Absent, unreadable, or a scale below 1 or beyond the range: not a scale.
  EXPECT_FALSE(ScaleFromXResources("").has_value());
  EXPECT_FALSE(ScaleFromXResources("Xft.dpi:\tlarge\n").has_value());
  EXPECT_FALSE(ScaleFromXResources("Xft.dpi:\t72\n").has_value());
  EXPECT_FALSE(ScaleFromXResources("Xft.dpi:\t0\n").has_value());
  EXPECT_FALSE(ScaleFromXResources("Xft.dpi:\t9600\n").has_value());
  EXPECT_EQ(ScaleFromXResources("Xft.dpi:\t96\n"), 1.0);
}

}  // namespace
}  // namespace pw::win

// Narrow text in the process code page, UTF-8 and UTF-16.

#include "platform/sys/CodePage.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "support/CodePageScope.h"

namespace pw::sys {
namespace {

using pw::testing::CodePageScope;

TEST(CodePage, OnlyTheThreeKnownPagesCanBeSet) {
  CodePageScope scope(kCodePageWestern);
  EXPECT_EQ(CodePage(), kCodePageWestern);
  EXPECT_THROW(SetCodePage(437), std::invalid_argument);
  EXPECT_EQ(CodePage(), kCodePageWestern);
}

TEST(CodePage, Utf8BothWays) {
  const std::string utf8 = "A\xC3\xBC\xE2\x82\xAC\xD8\xB7\xF0\x9F\x98\x80";  // A ü € ط 😀
  const std::u16string wide = u"A\u00FC\u20AC\u0637\U0001F600";
  EXPECT_EQ(Utf8ToWide(utf8), wide);
  EXPECT_EQ(WideToUtf8(wide), utf8);
}

TEST(CodePage, MalformedUtf8AndLoneSurrogatesBecomeReplacementCharacters) {
  // Overlong form, lone continuation byte, cut sequence, encoded surrogate, beyond U+10FFFF.
  EXPECT_EQ(Utf8ToWide("\xC0\x80"), u"\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToWide("a\x80"
                       "b"),
            u"a\uFFFDb");
  EXPECT_EQ(Utf8ToWide("\xE2\x82"), u"\uFFFD");
  EXPECT_EQ(Utf8ToWide("\xE2\x82z"), u"\uFFFDz");
  EXPECT_EQ(Utf8ToWide("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToWide("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(WideToUtf8(std::u16string(1, u'\xD800') + u"x"), "\xEF\xBF\xBDx");
  EXPECT_EQ(WideToUtf8(u"x" + std::u16string(1, u'\xDC00')), "x\xEF\xBF\xBD");
}

// The characters of SDL text input and of the session runner's "type" command.
TEST(CodePage, Utf8CodePoints) {
  EXPECT_EQ(Utf8ToCodePoints("aZ"), U"aZ");
  EXPECT_EQ(Utf8ToCodePoints("\xC3\xA9"), U"\u00E9");
  EXPECT_EQ(Utf8ToCodePoints("\xD9\x81\xDB\x8C"), U"\u0641\u06CC");
  EXPECT_EQ(Utf8ToCodePoints("\xE2\x82\xAC!"), U"\u20AC!");
  EXPECT_EQ(Utf8ToCodePoints("\xF0\x9F\x98\x80"), U"\U0001F600");
  EXPECT_TRUE(Utf8ToCodePoints("").empty());
  // Malformed sequences as in Utf8ToWide: a lone continuation byte, a sequence cut short by a
  // letter or by the end, an overlong form of "/", an encoded surrogate, beyond U+10FFFF, a byte
  // that never starts a sequence.
  EXPECT_EQ(Utf8ToCodePoints("\x80x"), U"\uFFFDx");
  EXPECT_EQ(Utf8ToCodePoints("\xE2\x82y"), U"\uFFFDy");
  EXPECT_EQ(Utf8ToCodePoints("\xC3"), U"\uFFFD");
  EXPECT_EQ(Utf8ToCodePoints("\xC0\xAF"), U"\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToCodePoints("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToCodePoints("\xF4\x90\x80\x80"), U"\uFFFD\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToCodePoints("\xFFz"), U"\uFFFDz");
}

TEST(CodePage, CodePointsOfUtf16) {
  const std::u16string text =
      u"a\U0001F600" + std::u16string(1, u'\xDC00') + u"\u20AC" + std::u16string(1, u'\xD83D');
  std::u32string read;
  for (std::size_t i = 0; i < text.size();) read.push_back(NextCodePoint(text, i));
  // A pair is one code point; unpaired surrogates, in the middle or at the end, their own.
  EXPECT_EQ(read, std::u32string(U"a\U0001F600") + char32_t{0xDC00} + U"\u20AC" + char32_t{0xD83D});

  EXPECT_EQ(CodePointToWide(U'x'), u"x");
  EXPECT_EQ(CodePointToWide(0xFFFF), std::u16string(1, u'\xFFFF'));
  EXPECT_EQ(CodePointToWide(0x10000), u"\U00010000");
  EXPECT_EQ(CodePointToWide(0x10FFFF), u"\U0010FFFF");
  EXPECT_EQ(CodePointToWide(0x110000), u"?");
}

TEST(CodePage, WesternPage) {
  CodePageScope scope(kCodePageWestern);
  EXPECT_EQ(NarrowToWide("caf\xE9 \x80\x9F\x81"), u"caf\u00E9 \u20AC\u0178\u0081");
  EXPECT_EQ(WideToNarrow(u"caf\u00E9 \u20AC\u0178\u0081"), "caf\xE9 \x80\x9F\x81");
  // One question mark per character the page lacks, surrogate pairs included.
  EXPECT_EQ(WideToNarrow(u"\u0637\u0627 \U0001F600!"), "?? ?!");
}

TEST(CodePage, ArabicPage) {
  CodePageScope scope(kCodePageArabic);
  // alef, beh, peh, keheh, gaf, Arabic yeh, and the Farsi yeh it lacks.
  EXPECT_EQ(WideToNarrow(u"\u0627\u0628\u067E\u06A9\u06AF\u064A\u06CC"),
            "\xC7\xC8\x81\x98\x90\xED?");
  EXPECT_EQ(NarrowToWide("\xC7\xC8\x81\x98\x90\xED"), u"\u0627\u0628\u067E\u06A9\u06AF\u064A");
  EXPECT_EQ(WideToNarrow(u"\u00E1\u00E0"), "?\xE0");
  // Every byte comes back as itself.
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(WideToNarrow(NarrowToWide(all)), all);
}

TEST(CodePage, Utf8PageIsUtf8) {
  CodePageScope scope(kCodePageUtf8);
  EXPECT_EQ(NarrowToWide("\xD8\xB7"), u"\u0637");
  EXPECT_EQ(WideToNarrow(u"\u06CC"), "\xDB\x8C");
}

}  // namespace
}  // namespace pw::sys

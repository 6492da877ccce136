#include "platform/backend/SdlKeys.h"

#include <gtest/gtest.h>

#include "platform/win/Messages.h"

namespace pw::win {
namespace {

TEST(SdlKeys, LettersAndDigitsBecomeTheirUpperCaseCodes) {
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_a), 'A');
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_m), 'M');
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_z), 'Z');
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_0), '0');
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_9), '9');
}

TEST(SdlKeys, EditingAndNavigationKeys) {
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_TAB), VK_TAB);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_RETURN), VK_RETURN);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_ENTER), VK_RETURN);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_ESCAPE), VK_ESCAPE);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_SPACE), VK_SPACE);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_BACKSPACE), VK_BACK);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_DELETE), VK_DELETE);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_HOME), VK_HOME);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_END), VK_END);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_LEFT), VK_LEFT);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_RIGHT), VK_RIGHT);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_UP), VK_UP);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_DOWN), VK_DOWN);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_F4), VK_F4);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_INSERT), VK_INSERT);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_F10), VK_F10);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_APPLICATION), VK_APPS);
}

TEST(SdlKeys, BothModifierKeysOfAKindGiveOneCode) {
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_LSHIFT), VK_SHIFT);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_RSHIFT), VK_SHIFT);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_LCTRL), VK_CONTROL);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_RCTRL), VK_CONTROL);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_LALT), VK_MENU);
  EXPECT_EQ(VirtualKeyFromSdl(SDLK_RALT), VK_MENU);
}

TEST(SdlKeys, KeysWithoutUseGiveNothing) {
  EXPECT_FALSE(VirtualKeyFromSdl(SDLK_F5).has_value());
  EXPECT_FALSE(VirtualKeyFromSdl(SDLK_CAPSLOCK).has_value());
  EXPECT_FALSE(VirtualKeyFromSdl(SDLK_PAGEUP).has_value());
}

TEST(DecodeUtf8, AsciiAndMultiByteSequences) {
  EXPECT_EQ(DecodeUtf8("aZ"), (std::vector<char32_t>{U'a', U'Z'}));
  EXPECT_EQ(DecodeUtf8("\xC3\xA9"), (std::vector<char32_t>{0xE9}));
  EXPECT_EQ(DecodeUtf8("\xD9\x81\xDB\x8C"), (std::vector<char32_t>{0x641, 0x6CC}));
  EXPECT_EQ(DecodeUtf8("\xE2\x82\xAC!"), (std::vector<char32_t>{0x20AC, U'!'}));
  EXPECT_EQ(DecodeUtf8("\xF0\x9F\x98\x80"), (std::vector<char32_t>{0x1F600}));
  EXPECT_TRUE(DecodeUtf8("").empty());
}

TEST(DecodeUtf8, MalformedSequencesBecomeReplacementCharacters) {
  constexpr char32_t kBad = 0xFFFD;
  // A lone continuation byte, then a letter that survives.
  EXPECT_EQ(DecodeUtf8("\x80x"), (std::vector<char32_t>{kBad, U'x'}));
  // A sequence cut short by a letter.
  EXPECT_EQ(DecodeUtf8("\xE2\x82y"), (std::vector<char32_t>{kBad, U'y'}));
  // Cut short by the end.
  EXPECT_EQ(DecodeUtf8("\xC3"), (std::vector<char32_t>{kBad}));
  // An overlong form of "/" and an encoded surrogate.
  EXPECT_EQ(DecodeUtf8("\xC0\xAF"), (std::vector<char32_t>{kBad}));
  EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), (std::vector<char32_t>{kBad}));
  // Beyond U+10FFFF, and a byte that never starts a sequence.
  EXPECT_EQ(DecodeUtf8("\xF4\x90\x80\x80"), (std::vector<char32_t>{kBad}));
  EXPECT_EQ(DecodeUtf8("\xFFz"), (std::vector<char32_t>{kBad, U'z'}));
}

}  // namespace
}  // namespace pw::win

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

}  // namespace
}  // namespace pw::win

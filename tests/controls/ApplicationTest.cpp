#include <gtest/gtest.h>

#include <string>

#include "controls/Application.h"
#include "controls/CustomForm.h"
#include "controls/FrameworkContext.h"
#include "controls/Screen.h"
#include "convert/Exceptions.h"
#include "convert/NumberText.h"
#include "forms/FormLoader.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/sys/CodePage.h"

namespace pw {
namespace {

TEST(ApplicationTitle, IsTheExecutablesNameUpToItsFirstDotInLowerCaseAfterTheFirstLetter) {
  EXPECT_EQ(TitleFromModuleName("C:\\Apps\\PROFILE.EXE"), "Profile");
  EXPECT_EQ(TitleFromModuleName("/opt/pw/my.tool.exe"), "my");
  EXPECT_EQ(TitleFromModuleName("Tools.beta.exe"), "Tools");
  EXPECT_EQ(TitleFromModuleName("/usr/bin/profile-weight"), "profile-weight");
  EXPECT_EQ(TitleFromModuleName(""), "");
}

// The file name comes in UTF-8 and the title is narrow text in the process code page, lower-cased
// beyond ASCII.
TEST(ApplicationTitle, LowerCasesEveryCharacterAfterTheFirstInTheProcessCodePage) {
  const int codePage = sys::CodePage();
  sys::SetCodePage(sys::kCodePageUtf8);
  EXPECT_EQ(TitleFromModuleName("/opt/PR\u00DCFUNG.EXE"), "Pr\u00FCfung");
  EXPECT_EQ(TitleFromModuleName("/opt/\u00C9COLE.EXE"), "\u00C9cole");
  EXPECT_EQ(TitleFromModuleName("/opt/\u0394\u0399\u0391.exe"), "\u0394\u03B9\u03B1");
  sys::SetCodePage(sys::kCodePageWestern);
  EXPECT_EQ(TitleFromModuleName("/opt/PR\u00DCFUNG.EXE"),
            "Pr\xFC"
            "fung");
  EXPECT_EQ(TitleFromModuleName("/opt/\u00C9COLE.EXE"),
            "\xC9"
            "cole");
  EXPECT_EQ(TitleFromModuleName("/opt/\u0394\u0399\u0391.exe"), "???");
  // The error box names the module in the same code page.
  EXPECT_EQ(ModuleNameFromPath("/opt/PR\u00DCFUNG.EXE"),
            "PR\xDC"
            "FUNG.EXE");
  sys::SetCodePage(codePage);
}

TEST(ErrorBoxes, AddAFullStopOnlyAfterACharacterThatSortsAfterIt) {
  EXPECT_EQ(ErrorBoxText("abc"), "abc.");
  EXPECT_EQ(ErrorBoxText("'12a' is not a valid floating point value"),
            "'12a' is not a valid floating point value.");
  EXPECT_EQ(ErrorBoxText("abc."), "abc.");
  EXPECT_EQ(ErrorBoxText("abc!"), "abc!");
  EXPECT_EQ(ErrorBoxText("abc)"), "abc)");
  EXPECT_EQ(ErrorBoxText("abc,"), "abc,");
  EXPECT_EQ(ErrorBoxText("abc "), "abc ");
  EXPECT_EQ(ErrorBoxText("abc?"), "abc?.");
  EXPECT_EQ(ErrorBoxText("12"), "12.");
  EXPECT_EQ(ErrorBoxText(""), "");
  // A multi-byte last character is judged by its lead byte.
  const int codePage = sys::CodePage();
  sys::SetCodePage(sys::kCodePageUtf8);
  EXPECT_EQ(ErrorBoxText("\xd8\xa7"), "\xd8\xa7.");
  sys::SetCodePage(codePage);
}

TEST(ApplicationWindow, RereadsTheDecimalSeparatorWhenTheSettingsChange) {
  ReadDecimalSeparator();
  const char regional = DecimalSeparator();
  SetDecimalSeparator(regional == ',' ? ';' : ',');
  win::SendMessage(Application().Handle(), win::WM_WININICHANGE);
  EXPECT_EQ(DecimalSeparator(), regional);
}

TEST(ApplicationErrors, NameTheClassTheModuleAndTheMessage) {
  try {
    throw EConvertError("'x' is not a valid integer value");
  } catch (const std::exception& error) {
    const std::string text = ApplicationErrorText(error);
    EXPECT_EQ(text.rfind("Exception EConvertError in module ", 0), 0u) << text;
    EXPECT_NE(text.find(" at "), std::string::npos);
    EXPECT_EQ(text.substr(text.find(".\n") + 2), "'x' is not a valid integer value.");
  }
  try {
    throw EAbort("done.");
  } catch (const std::exception& error) {
    const std::string text = ApplicationErrorText(error);
    EXPECT_EQ(text.substr(text.size() - 6), "\ndone.") << "no second full stop";
  }
}

}  // namespace
}  // namespace pw

namespace pw {
namespace {

// A run of the framework inside another starts with its own application, screen and windows,
// and takes its forms with it when it goes.
TEST(FrameworkContext, AnInnerRunHasItsOwnApplicationScreenAndForms) {
  TForm outerForm(nullptr);
  outerForm.HandleNeeded();
  TApplication* const outerApplication = &Application();
  ASSERT_EQ(Screen().Forms().size(), 1u);
  {
    FrameworkContext inner(std::make_unique<win::HeadlessBackend>());
    EXPECT_NE(&Application(), outerApplication);
    EXPECT_TRUE(Screen().Forms().empty());
    EXPECT_TRUE(GlobalComponents().empty());
    EXPECT_FALSE(win::IsWindow(outerForm.Handle()));
    auto* innerForm = new TForm(&Application());  // owned by the inner application
    innerForm->HandleNeeded();
    ASSERT_EQ(Screen().Forms().size(), 1u);
  }
  EXPECT_EQ(&Application(), outerApplication);
  ASSERT_EQ(Screen().Forms().size(), 1u);
  EXPECT_EQ(Screen().Forms()[0], &outerForm);
  EXPECT_TRUE(win::IsWindow(outerForm.Handle()));
}

}  // namespace
}  // namespace pw

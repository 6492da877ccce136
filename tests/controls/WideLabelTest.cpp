// Labels with UTF-16 captions: kept under every code page with the narrow caption behind them,
// repainted when only characters the code page lacks change, read from form streams with the
// copies streams carry beside them, their companions, and the middle-east rule.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ShownForm.h"
#include "controls/WideLabel.h"
#include "formc/FormWriter.h"
#include "forms/FilerErrors.h"
#include "forms/FormLoader.h"
#include "platform/sys/CodePage.h"
#include "support/CodePageScope.h"

namespace pw {
namespace {

// "tarh" with a Farsi yeh (which code page 1256 lacks), a blank and "x".
const std::u16string kPersian = u"\u0637\u0631\u0627\u062D\u06CC x";
const std::u16string kSalam = u"\u0633\u0644\u0627\u0645";
const std::u16string kMarhab = u"\u0645\u0631\u062D\u0628";

using pw::testing::CodePageScope;

class CountingLabel : public TWideLabel {
 public:
  using TWideLabel::TWideLabel;
  int changes = 0;

 protected:
  void TextChanged() override {
    ++changes;
    TWideLabel::TextChanged();
  }
};

using WideLabels = testing::ShownForm;
using testing::Extent;
using testing::kHighlight;
using testing::kInk;
using testing::kShadow;
using testing::MiddleEastScope;

TEST_F(WideLabels, CaptionsSurviveEveryCodePageWithTheNarrowCaptionBehind) {
  const std::vector<std::pair<int, std::string>> cases = {
      {sys::kCodePageWestern, "????? x"},
      {sys::kCodePageArabic, "\xD8\xD1\xC7\xCD? x"},
      {sys::kCodePageUtf8, sys::WideToUtf8(kPersian)},
  };
  for (const auto& [codePage, narrow] : cases) {
    CodePageScope scope(codePage);
    auto* label = Add<TWideLabel>(10, 10, 65, 17);
    label->SetCaption(kPersian);
    EXPECT_EQ(label->Caption(), kPersian) << codePage;
    EXPECT_EQ(label->TControl::Caption(), narrow) << codePage;
    EXPECT_EQ(label->Width(), Extent(*label, kPersian).cx) << "measured from the wide text";
  }

  // A narrow caption written behind the wide one is taken over at the next read.
  auto* label = Add<TWideLabel>(10, 40, 65, 17);
  label->SetCaption(u"wide");
  static_cast<TControl*>(label)->SetCaption("abc");
  EXPECT_EQ(label->Caption(), u"abc");
  EXPECT_EQ(label->Width(), Extent(*label, u"abc").cx);
}

TEST_F(WideLabels, OnlyACaptionThatChangesRepaintsEvenWhenItsNarrowFormStays) {
  CodePageScope western(sys::kCodePageWestern);
  auto* label = new CountingLabel(form_.get());
  label->SetParent(form_.get());
  label->SetCaption(kSalam);
  Show();
  const auto pending = [this] {
    gfx::RECT rect;
    return win::GetUpdateRect(form_->Handle(), rect);
  };
  label->changes = 0;
  label->SetCaption(kSalam);
  EXPECT_EQ(label->changes, 0);
  EXPECT_FALSE(pending()) << "the same text repaints nothing";

  ASSERT_NE(Extent(*label, kSalam).cx, Extent(*label, kMarhab).cx);
  label->SetCaption(kMarhab);  // "????" both
  EXPECT_EQ(label->changes, 2) << "cleared, then set";
  EXPECT_TRUE(pending());
  EXPECT_EQ(label->Caption(), kMarhab);
  EXPECT_EQ(label->Width(), Extent(*label, kMarhab).cx);
}

// A window class with one wide label, for reading streams.
class TWideForm : public TForm {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }
  using TForm::TForm;
  TWideLabel* WideLabel1 = nullptr;
};
constexpr TFieldInfo kWideFormFields[] = {PublishedField<&TWideForm::WideLabel1>("WideLabel1")};
const TClassInfo TWideForm::classInfo{"TWideForm", &TForm::classInfo, {}, kWideFormFields};

std::unique_ptr<TWideForm> ReadWithLabel(
    const std::vector<std::pair<std::string, std::string>>& properties) {
  formc::TFormWriter w;
  w.WriteSignature();
  w.WriteShortText("TWideForm");
  w.WriteShortText("WideForm");
  w.WriteListEnd();
  w.WriteShortText("TWideLabel");
  w.WriteShortText("WideLabel1");
  for (const auto& [name, value] : properties) {
    w.WriteShortText(name);
    w.WriteString(value);
  }
  w.WriteListEnd();
  w.WriteListEnd();
  w.WriteListEnd();
  auto form = std::make_unique<TWideForm>(nullptr);
  TReadOnlyMemoryStream bytes(w.Bytes());
  ReadFormRoot(bytes, *form);
  return form;
}

TEST_F(WideLabels, StreamCopiesOfTheCaptionAreReadAndDropped) {
  auto form = ReadWithLabel({{"Caption", "x"},
                             {"Caption_UTF7", "+AGE-"},
                             {"captionw", "y"},
                             {"Hint", "h"},
                             {"Hint_UTF7", "+AGI-"},
                             {"HintW", "z"}});
  EXPECT_EQ(form->WideLabel1->Caption(), u"x");
  EXPECT_EQ(form->WideLabel1->Hint(), u"h");
  EXPECT_EQ(form->WideLabel1->Width(), Extent(*form->WideLabel1, u"x").cx)
      << "sized when reading ends";
  // Only wide-text properties have the copies.
  EXPECT_THROW(ReadWithLabel({{"Alignment_UTF7", "x"}}), EReadError);
  EXPECT_THROW(ReadWithLabel({{"Caption_UTF8", "x"}}), EReadError);
}

TEST_F(WideLabels, CompanionsComeWithTheFirstSetAndGoWithTheirControl) {
  CodePageScope western(sys::kCodePageWestern);  // the captions need their companions
  TWideCompanions& companions = TWideCompanions::Instance();
  const std::size_t before = companions.Count();
  const auto caption = [](int n) { return u"\u0633 " + std::u16string(1, char16_t(u'a' + n)); };
  std::vector<std::unique_ptr<TWideLabel>> labels;
  for (int i = 0; i < 20; ++i) labels.push_back(std::make_unique<TWideLabel>(nullptr));
  for (const auto& label : labels) EXPECT_EQ(label->Caption(), u"");
  EXPECT_EQ(companions.Count(), before) << "reading creates none";
  for (int i = 0; i < 20; ++i) labels[i * 7 % 20]->SetCaption(caption(i * 7 % 20));
  EXPECT_EQ(companions.Count(), before + 20);
  for (int i = 0; i < 20; i += 2) labels[i].reset();
  EXPECT_EQ(companions.Count(), before + 10);
  for (int i = 1; i < 20; i += 2) {
    EXPECT_EQ(labels[i]->Caption(), caption(i));
    ASSERT_NE(companions.Find(*labels[i]), nullptr);
    EXPECT_EQ(companions.Find(*labels[i])->control, labels[i].get());
  }
  labels.clear();
  EXPECT_EQ(companions.Count(), before);

  // Without a Unicode platform only the narrow caption is kept.
  SetUnicodePlatform(false);
  TWideLabel narrow(nullptr);
  narrow.SetCaption(u"\u0633 a");
  SetUnicodePlatform(true);
  EXPECT_EQ(companions.Count(), before);
  EXPECT_EQ(narrow.Caption(), u"? a");
}

TEST_F(WideLabels, RightToLeftAndDisabledDrawing) {
  auto* label = Add<TWideLabel>(100, 10, 65, 17);
  label->SetBiDiMode(TBiDiMode::bdRightToLeft);
  {
    MiddleEastScope middleEast(true);
    label->SetCaption(kSalam);
    const int right = label->Left() + label->Width();
    label->SetCaption(kPersian);
    EXPECT_EQ(label->Left() + label->Width(), right) << "keeps its right edge";
  }

  // Disabled: highlight one pixel right of and below the shadow; nothing in the font colour.
  label->SetAutoSize(false);
  label->SetBounds(100, 10, 150, 40);  // room for the marks of the Persian letters
  label->SetColor(0x00E0E0);
  label->SetEnabled(false);
  Show();
  const gfx::RECT area = label->BoundsRect();
  EXPECT_TRUE(BoxOf(area, kInk).Empty());
  const gfx::RECT shadow = BoxOf(area, kShadow);
  const gfx::RECT light = BoxOf(area, kHighlight);
  ASSERT_FALSE(shadow.Empty());
  EXPECT_EQ(light.right, shadow.right + 1);
  EXPECT_EQ(light.bottom, shadow.bottom + 1);
}

TEST(MiddleEastRule, WesternLanguagesNeverAndOthersByTheirCodePage) {
  EXPECT_FALSE(MiddleEastFor("en", sys::kCodePageArabic));
  EXPECT_FALSE(MiddleEastFor("", sys::kCodePageArabic));
  EXPECT_FALSE(MiddleEastFor("nb", sys::kCodePageArabic));
  EXPECT_TRUE(MiddleEastFor("fa", sys::kCodePageArabic));
  EXPECT_TRUE(MiddleEastFor("ar", sys::kCodePageArabic));
  EXPECT_FALSE(MiddleEastFor("fa", sys::kCodePageWestern)) << "no right-to-left characters";
  EXPECT_FALSE(MiddleEastFor("fa", sys::kCodePageUtf8)) << "a code page with lead bytes";
}

}  // namespace
}  // namespace pw

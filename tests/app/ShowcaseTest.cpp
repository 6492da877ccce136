#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "app/AppWindows.h"
#include "convert/Exceptions.h"

namespace pw {
namespace {

struct Bounds {
  int left, top, width, height;
  bool operator==(const Bounds&) const = default;
};
Bounds BoundsOf(const TControl* c) {
  return {c->Left(), c->Top(), c->Width(), c->Height()};
}
constexpr Bounds kSlideArea{8, 8, 425, 313};

// Titles as code points, blanks exactly as they stand.
const std::array<std::u16string, 10> kTitles = {
    u"\u0637\u0631\u0627\u062D\u064A\u0020\u0646\u0648\u0627\u0631\u0020\u0646\u0642\u0627\u0644"
    u"\u0647",
    u"\u0637\u0631\u0627\u062D\u064A\u0020\u0645\u0627\u0631\u067E\u064A\u0686\u0647\u0627",
    u"\u0637\u0631\u0627\u062D\u064A\u0020\u0628\u0627\u06A9\u062A\u0020\u0627\u0644\u0648\u0627"
    u"\u062A\u0648\u0631\u0020",
    u"\u0637\u0631\u0627\u062D\u064A\u0020\u0646\u0642\u0627\u0644\u0647\u0020\u0632\u0646\u062C"
    u"\u064A\u0631\u064A\u0020",
    u"\u0637\u0631\u0627\u062D\u064A\u0020\u0645\u062E\u0627\u0632\u0646\u0020\u0645\u0648\u0627"
    u"\u062F\u0020",
    u"\u0637\u0631\u0627\u062D\u064A\u0020\u062F\u0627\u06A9\u062A\u064A\u0646\u06AF",
    u"\u0637\u0631\u0627\u062D\u064A\u0020\u0633\u0627\u0632\u0647",
    u"\u062A\u062F\u0631\u064A\u0633\u0020\u0020\u0631\u0648\u0627\u0646\u06A9\u0627\u0631\u064A"
    u"\u0020",
    u"\u0628\u0627\u0632\u0631\u0633\u064A\u0020\u062C\u0648\u0634",
    u"\u0637\u0631\u0627\u062D\u064A\u0020\u0633\u0647\u0020\u0628\u0639\u062F\u06CC",
};
const std::array<std::u16string, 10> kSubtitles = {
    u"( Belt conveyor )", u"( Screw Conveyor )", u"( Bucket elevator )", u"( Drag Chain )",
    u"( Bin silo )",      u"( Ducting )",        u"( Steel Structure )", u"( Lubrication )",
    u"VT_RTi_UT_MT",      u"( 3D Drawing )",
};

class Showcase : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = testing::MakeShowcaseWindow();
    TForm3* f = form_.get();
    images_ = {f->Image1, f->Image3, f->Image4, f->Image5,  f->Image6,
               f->Image7, f->Image8, f->Image9, f->Image10, f->Image11};
    for (TImage* image : images_) thumbnails_.push_back(BoundsOf(image));
    // Record every counter text the change event sees.
    auto handler = f->Edit1->OnChange;
    f->Edit1->OnChange = [this, handler](TObject* sender) {
      seen_.push_back(form_->Edit1->Text());
      handler(sender);
    };
  }

  std::string Counter() const { return form_->Edit1->Text(); }
  TImage* Image(int slide) const { return images_[static_cast<std::size_t>(slide - 1)]; }
  const TControl* Front() const { return form_->GraphicChildren().back(); }

  // Slide n is on top of the slide area with its texts in the displays.
  void ExpectShowing(int n) {
    SCOPED_TRACE("slide " + std::to_string(n));
    EXPECT_EQ(Counter(), std::to_string(n));
    EXPECT_EQ(BoundsOf(Image(n)), kSlideArea);
    EXPECT_EQ(Front(), Image(n));
    EXPECT_EQ(form_->WideLabel1->Caption(), kTitles[static_cast<std::size_t>(n - 1)]);
    EXPECT_EQ(form_->WideLabel3->Caption(), kSubtitles[static_cast<std::size_t>(n - 1)]);
  }
  // Only the given slides have left their thumbnail places.
  void ExpectEnlarged(std::vector<int> slides) {
    for (int n = 1; n <= 10; ++n) {
      const bool enlarged = std::find(slides.begin(), slides.end(), n) != slides.end();
      EXPECT_EQ(BoundsOf(Image(n)), enlarged ? kSlideArea : thumbnails_[n - 1]) << "slide " << n;
    }
  }

  std::unique_ptr<TForm3> form_;
  std::vector<TImage*> images_;
  std::vector<Bounds> thumbnails_;
  std::vector<std::string> seen_;
};

TEST_F(Showcase, NextAtTheFirstOpeningShowsSlideOne) {
  EXPECT_EQ(Counter(), "0");
  EXPECT_EQ(form_->WideLabel1->Caption(), kTitles[0]);
  form_->BitBtn1->Click();
  ExpectShowing(1);
  ExpectEnlarged({1});
  EXPECT_EQ(seen_, (std::vector<std::string>{"1"}));
}

TEST_F(Showcase, PreviousAtTheFirstOpeningWrapsToSlideTen) {
  form_->BitBtn2->Click();
  ExpectShowing(10);
  ExpectEnlarged({10});  // the passing "-1" showed nothing
  EXPECT_EQ(seen_, (std::vector<std::string>{"-1", "10"}));
}

TEST_F(Showcase, NextAndPreviousWrapAround) {
  form_->BitBtn1->Click();
  for (int n = 2; n <= 10; ++n) {
    form_->BitBtn1->Click();
    ExpectShowing(n);
  }
  seen_.clear();
  form_->BitBtn1->Click();  // 10 -> "11" -> "1"
  ExpectShowing(1);
  EXPECT_EQ(seen_, (std::vector<std::string>{"11", "1"}));

  seen_.clear();
  form_->BitBtn2->Click();  // 1 -> "0" -> "10"
  ExpectShowing(10);
  EXPECT_EQ(seen_, (std::vector<std::string>{"0", "10"}));
  for (int n = 9; n >= 1; --n) {
    form_->BitBtn2->Click();
    ExpectShowing(n);
  }
  ExpectEnlarged({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
}

TEST_F(Showcase, ThumbnailClickShowsItsSlide) {
  form_->Image8->Click();  // slide 7
  ExpectShowing(7);
  ExpectEnlarged({7});
  EXPECT_EQ(seen_, (std::vector<std::string>{"7"}));

  // The enlarged current slide: shown once more, without a counter change.
  seen_.clear();
  form_->Image8->Click();
  ExpectShowing(7);
  EXPECT_TRUE(seen_.empty());
}

TEST_F(Showcase, EveryThumbnailHasItsOwnSlide) {
  for (int n = 1; n <= 10; ++n) {
    Image(n)->Click();
    ExpectShowing(n);
  }
}

TEST_F(Showcase, ShowingASlideAgainBringsItBackToTheFront) {
  form_->Image4->Click();  // slide 3
  form_->Image6->Click();  // slide 5
  EXPECT_EQ(Front(), form_->Image6);
  form_->BitBtn2->Click();  // 4
  form_->BitBtn2->Click();  // 3
  ExpectShowing(3);
  const auto& order = form_->GraphicChildren();
  EXPECT_LT(std::find(order.begin(), order.end(), form_->Image6),
            std::find(order.begin(), order.end(), form_->Image4));
  ExpectEnlarged({3, 4, 5});
}

TEST_F(Showcase, TitlesKeepTheirExactText) {
  form_->Image9->Click();  // slide 8: a doubled and a trailing blank
  EXPECT_EQ(form_->WideLabel1->Caption().size(), 16u);
  ExpectShowing(8);
  form_->BitBtn1->Click();
  EXPECT_EQ(form_->WideLabel3->Caption(), u"VT_RTi_UT_MT");
}

TEST_F(Showcase, ABadCounterTextChangesNothing) {
  form_->BitBtn1->Click();
  form_->Edit1->OnChange = nullptr;
  form_->Edit1->SetText("x");
  seen_.clear();
  try {
    form_->BitBtn1->Click();
    FAIL() << "no conversion error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'x' is not a valid integer value");
  }
  EXPECT_EQ(Counter(), "x");
  EXPECT_EQ(form_->WideLabel1->Caption(), kTitles[0]);
}

}  // namespace
}  // namespace pw

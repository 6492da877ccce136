#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/AppWindows.h"
#include "convert/NumberText.h"
#include "support/UserInput.h"

namespace pw {
namespace {

using testing::UserInput;

struct Bounds {
  int left, top, width, height;
  bool operator==(const Bounds&) const = default;
};
Bounds BoundsOf(const TControl& c) {
  return {c.Left(), c.Top(), c.Width(), c.Height()};
}
constexpr Bounds kSlideArea{8, 8, 425, 313};

// A slide: its image, and the labels its title and subtitle are copied from.
struct Slide {
  TImage* image;
  TWideLabel* title;
  TWideLabel* subtitle;
};
std::array<Slide, 10> SlidesOf(TForm3& f) {
  return {{{f.Image1, f.WideLabel16, f.WideLabel17},
           {f.Image3, f.WideLabel13, f.WideLabel12},
           {f.Image4, f.WideLabel14, f.WideLabel18},
           {f.Image5, f.WideLabel19, f.WideLabel20},
           {f.Image6, f.WideLabel21, f.WideLabel22},
           {f.Image7, f.WideLabel23, f.WideLabel24},
           {f.Image8, f.WideLabel25, f.WideLabel26},
           {f.Image9, f.WideLabel27, f.WideLabel28},
           {f.Image10, f.WideLabel29, f.WideLabel30},
           {f.Image11, f.WideLabel31, f.WideLabel32}}};
}

// Slide n is on top of the slide area, the counter names it and the displays show its texts.
void ExpectShowing(TForm3& f, int n) {
  SCOPED_TRACE("slide " + std::to_string(n));
  const Slide slide = SlidesOf(f)[static_cast<std::size_t>(n - 1)];
  EXPECT_EQ(f.Edit1->Text(), std::to_string(n));
  EXPECT_EQ(BoundsOf(*slide.image), kSlideArea);
  EXPECT_EQ(f.GraphicChildren().back(), slide.image);
  EXPECT_EQ(f.WideLabel1->Caption(), slide.title->Caption());
  EXPECT_EQ(f.WideLabel3->Caption(), slide.subtitle->Caption());
}

// The showcase window shown on its own, not modally.
class ShowcaseInput : public ::testing::Test {
 protected:
  void SetUp() override { Open(); }
  void Open() {
    form_.reset();
    form_ = testing::MakeShowcaseWindow();
    form_->SetVisible(true);
    UserInput::Settle();
    UserInput::Backend().Advance(kPauseMs);
  }
  // A press, then a pause long enough that the next press is not a double click.
  void Next() {
    UserInput::Click(*form_->BitBtn1);
    UserInput::Backend().Advance(kPauseMs);
  }
  void Previous() {
    UserInput::Click(*form_->BitBtn2);
    UserInput::Backend().Advance(kPauseMs);
  }
  static constexpr std::uint32_t kPauseMs = 1000;

  UserInput input_;
  std::unique_ptr<TForm3> form_;
};

TEST_F(ShowcaseInput, NextAndPreviousStepThroughTheSlidesAndWrapAround) {
  EXPECT_EQ(form_->Edit1->Text(), "0");
  EXPECT_EQ(form_->WideLabel1->Caption(), form_->WideLabel16->Caption());
  Previous();  // at the first opening: the last slide, and only that one enlarged
  ExpectShowing(*form_, 10);
  for (const Slide& s : SlidesOf(*form_)) {
    EXPECT_EQ(BoundsOf(*s.image) == kSlideArea, s.image == form_->Image11);
  }
  for (int n = 1; n <= 10; ++n) {
    Next();
    ExpectShowing(*form_, n);
  }
  Next();
  ExpectShowing(*form_, 1);
  Previous();
  ExpectShowing(*form_, 10);
  Previous();
  ExpectShowing(*form_, 9);
  EXPECT_EQ(form_->WideLabel3->Caption(), u"VT_RTi_UT_MT");
  EXPECT_FALSE(form_->Edit1->Visible());
  EXPECT_TRUE(input_.boxes.empty());
}

TEST_F(ShowcaseInput, AQuickSecondPressStepsAgain) {
  UserInput::Click(*form_->BitBtn1);
  UserInput::Click(*form_->BitBtn1);  // a double click: two presses
  ExpectShowing(*form_, 2);
  UserInput::Click(*form_->BitBtn1);
  ExpectShowing(*form_, 3);
}

TEST_F(ShowcaseInput, EachThumbnailShowsItsSlide) {
  for (int n = 1; n <= 10; ++n) {
    if (n > 1) Open();
    const Slide slide = SlidesOf(*form_)[static_cast<std::size_t>(n - 1)];
    UserInput::Click(*slide.image);
    ExpectShowing(*form_, n);
    for (const Slide& other : SlidesOf(*form_)) {
      EXPECT_EQ(BoundsOf(*other.image).width, other.image == slide.image ? 425 : 49);
    }
  }
}

TEST_F(ShowcaseInput, TheShownSlideCoversTheThumbnails) {
  // Captions and the background take no clicks.
  UserInput::Click(*form_->WideLabel25);
  UserInput::Click(*form_->Image2, 450, 260);
  EXPECT_EQ(form_->Edit1->Text(), "0");

  const gfx::POINT slide3 = UserInput::WindowPoint(*form_->Image4);
  UserInput::Click(*form_->Image8);  // slide 7
  ExpectShowing(*form_, 7);
  EXPECT_EQ(form_->WideLabel3->Caption(), u"( Steel Structure )");
  // Where slide 3's thumbnail was, the click reaches the slide on top.
  UserInput::ClickAt(*form_, slide3);
  ExpectShowing(*form_, 7);
  EXPECT_EQ(BoundsOf(*form_->Image4), (Bounds{8, 120, 49, 41}));
}

TEST_F(ShowcaseInput, TabMovesBetweenTheArrowButtonsWhichTheKeysPress) {
  Next();
  ASSERT_EQ(form_->ActiveControl(), form_->BitBtn1);
  UserInput::Key(win::VK_TAB);
  EXPECT_EQ(form_->ActiveControl(), form_->BitBtn2);
  UserInput::Key(win::VK_TAB);
  EXPECT_EQ(form_->ActiveControl(), form_->BitBtn1) << "the hidden counter takes no focus";
  UserInput::Key(win::VK_SPACE);
  ExpectShowing(*form_, 2);
  UserInput::Key(win::VK_TAB, true);
  EXPECT_EQ(form_->ActiveControl(), form_->BitBtn2);
  UserInput::Key(win::VK_RETURN);
  ExpectShowing(*form_, 1);
  UserInput::Key(win::VK_RETURN);
  ExpectShowing(*form_, 10);
}

// The title area (title, subtitle) as last painted, and as a full repaint of the same state
// paints it.
std::vector<gfx::COLORREF> TitleArea(TForm3& form) {
  std::vector<gfx::COLORREF> pixels;
  for (int y = 0; y < form.Bevel1->Top(); ++y) {
    for (int x = form.Bevel1->Left() - 20; x < form.ClientWidth(); ++x) {
      pixels.push_back(UserInput::Pixel(form.Handle(), x, y));
    }
  }
  return pixels;
}
void ExpectTitleAreaFullyRepainted(TForm3& form) {
  const std::vector<gfx::COLORREF> shown = TitleArea(form);
  win::InvalidateRect(form.Handle(), nullptr, true);
  UserInput::Settle();
  const std::vector<gfx::COLORREF> fresh = TitleArea(form);
  ASSERT_EQ(shown.size(), fresh.size());
  std::size_t differing = 0;
  for (std::size_t i = 0; i < shown.size(); ++i) differing += shown[i] != fresh[i] ? 1 : 0;
  EXPECT_EQ(differing, 0u) << "pixels differ from a full repaint";
}

TEST_F(ShowcaseInput, TitleChangesRepaintLikeAFullPaint) {
  UserInput::Click(*form_->Image4);  // the title widens
  {
    SCOPED_TRACE("thumbnail of slide 3");
    ExpectTitleAreaFullyRepainted(*form_);
  }
  for (int step = 1; step <= 10; ++step) {  // 3 to 10, then round to 3
    Next();
    SCOPED_TRACE("next to " + form_->Edit1->Text());
    ExpectTitleAreaFullyRepainted(*form_);
  }
  for (int step = 1; step <= 10; ++step) {  // back round to 3
    Previous();
    SCOPED_TRACE("previous to " + form_->Edit1->Text());
    ExpectTitleAreaFullyRepainted(*form_);
  }
}

// The calculator's showcase button: the showcase runs modally over the disabled calculator.
class ShowcaseFromTheCalculator : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDecimalSeparator('.');
    calculator_ = testing::MakeCalculatorWindow();
    showcase_ = testing::MakeShowcaseWindow();
    calculator_->SetVisible(true);
    UserInput::Settle();
    UserInput::Backend().Advance(1000);  // no click of an earlier test makes a double click
    // Each time the modal loop waits for input, the next step gives it.
    UserInput::Backend().SetIdleHandler([this] {
      if (!showcase_->Modal()) return false;
      if (next_ < steps_.size()) {
        steps_[next_++]();
      } else {
        ADD_FAILURE() << "the showcase window is still open";
        UserInput::Backend().InjectClose(showcase_->Handle());
      }
      return true;
    });
  }
  void TearDown() override {
    UserInput::Backend().SetIdleHandler(nullptr);
    showcase_.reset();
    calculator_.reset();
  }

  // A click given to the modal loop: injected, handled when the loop takes it.
  static void InjectClick(TControl& control) {
    TCustomForm& form = *control.ParentForm();
    const gfx::POINT point = UserInput::WindowPoint(control);
    for (unsigned message : {win::WM_MOUSEMOVE, win::WM_LBUTTONDOWN, win::WM_LBUTTONUP}) {
      UserInput::Backend().InjectMouse(message, form.Handle(), point);
    }
  }
  // Opens the showcase with the calculator's button and runs the steps inside it.
  void OpenShowcase(std::vector<std::function<void()>> steps) {
    steps_ = std::move(steps);
    next_ = 0;
    UserInput::Click(*calculator_->BitBtn2);
    EXPECT_EQ(next_, steps_.size());
  }

  UserInput input_;
  std::unique_ptr<TForm1> calculator_;
  std::unique_ptr<TForm3> showcase_;
  std::vector<std::function<void()>> steps_;
  std::size_t next_ = 0;
};

// A press on a thumbnail, Alt+F4 while the button is down, then the release: the window under the
// press has gone, so nothing is clicked.
TEST_F(ShowcaseFromTheCalculator, NoClickAfterTheWindowUnderThePressHasGone) {
  TForm3& show = *showcase_;
  const gfx::POINT slide3 = UserInput::WindowPoint(*show.Image4);
  OpenShowcase({
      [&] {
        UserInput::Backend().InjectMouse(win::WM_MOUSEMOVE, show.Handle(), slide3);
        UserInput::Backend().InjectMouse(win::WM_LBUTTONDOWN, show.Handle(), slide3);
        UserInput::Backend().InjectKey(win::VK_MENU, true);
        UserInput::Backend().InjectKey(win::VK_F4, true);
        UserInput::Backend().InjectKey(win::VK_F4, false);
        UserInput::Backend().InjectKey(win::VK_MENU, false);
      },
  });
  ASSERT_FALSE(show.Visible());
  EXPECT_EQ(win::GetCapture(), nullptr);
  UserInput::Mouse(win::WM_LBUTTONUP, show, slide3);
  EXPECT_EQ(show.Edit1->Text(), "0");
  EXPECT_TRUE(input_.boxes.empty());
  OpenShowcase({
      [&] {
        EXPECT_EQ(show.Edit1->Text(), "0") << "the thumbnails, as before";
        UserInput::Backend().InjectClose(show.Handle());
      },
  });
}

TEST_F(ShowcaseFromTheCalculator, RunsModallyAndReopensOnTheSlideLeft) {
  TForm1& calc = *calculator_;
  TForm3& show = *showcase_;
  // A click meant for the calculator, at a place the showcase window does not cover.
  gfx::POINT familyU = UserInput::WindowPoint(*calc.RadioButton2);
  win::ClientToScreen(calc.Handle(), familyU);
  gfx::RECT showcaseRect;
  win::GetWindowRect(show.Handle(), showcaseRect);
  ASSERT_LT(familyU.x, showcaseRect.left);
  UserInput::Click(*calc.Edit2);
  ASSERT_TRUE(calc.Active());

  OpenShowcase({
      [&] {
        EXPECT_TRUE(show.Visible());
        EXPECT_TRUE(show.Active());
        EXPECT_FALSE(win::IsWindowEnabled(calc.Handle()));
        EXPECT_FALSE(win::IsWindowEnabled(calc.Handle()));
        InjectClick(*calc.RadioButton2);  // ignored: the calculator waits
        InjectClick(*show.BitBtn1);       // next
      },
      [&] {
        ExpectShowing(show, 1);
        EXPECT_TRUE(calc.RadioButton1->Checked());
        UserInput::Backend().InjectClose(show.Handle());
      },
  });
  EXPECT_FALSE(show.Visible());
  EXPECT_FALSE(show.Modal());
  EXPECT_EQ(show.ModalResult(), 2);
  EXPECT_TRUE(win::IsWindowEnabled(calc.Handle()));
  EXPECT_TRUE(win::IsWindowEnabled(calc.Handle()));
  EXPECT_TRUE(calc.Active()) << "the calculator is active again";
  EXPECT_EQ(win::GetActiveWindow(), calc.Handle());
  // The keyboard is the calculator's again, its focus where it was: on the showcase button.
  EXPECT_EQ(calc.ActiveControl(), calc.BitBtn2);
  UserInput::Key(win::VK_TAB);
  EXPECT_EQ(calc.ActiveControl(), calc.RadioButton1);

  OpenShowcase({
      [&] {
        ExpectShowing(show, 1);  // as it was left
        InjectClick(*show.BitBtn2);
      },
      [&] {
        ExpectShowing(show, 10);
        UserInput::Backend().InjectClose(show.Handle());
      },
  });
  ExpectShowing(show, 10);
  EXPECT_FALSE(show.Visible());

  // The calculator is usable again, with its state unchanged.
  EXPECT_EQ(calc.Label7->Caption(), "******");
  EXPECT_EQ(calc.ComboBox1->Text(), "L 20x3");
  UserInput::Click(*calc.RadioButton2);
  EXPECT_TRUE(calc.RadioButton2->Checked());
  EXPECT_TRUE(input_.boxes.empty());
}

}  // namespace
}  // namespace pw

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/AppWindows.h"
#include "app/catalogue/Catalogue.h"
#include "convert/NumberText.h"
#include "support/UserInput.h"

namespace pw {
namespace {

using testing::UserInput;

// The calculator window on screen, used with the mouse and the keyboard only.
class CalculatorInput : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDecimalSeparator('.');
    form_ = testing::MakeCalculatorWindow();
    form_->SetVisible(true);
    UserInput::Settle();
  }
  void TearDown() override { form_.reset(); }

  void TypeInto(TWinControl& box, std::string_view text) {
    UserInput::Click(box);
    UserInput::Key(win::VK_END);
    for (int i = 0; i < 20; ++i) UserInput::Key(win::VK_BACK);
    UserInput::Type(text);
  }
  std::string Calc() {
    UserInput::Click(*form_->BitBtn1);
    return form_->Label7->Caption();
  }
  std::string Focused() const {
    return form_->ActiveControl() != nullptr ? form_->ActiveControl()->Name() : "(none)";
  }
  // The names of the controls that take the focus, one Tab (or Shift+Tab) after another.
  std::vector<std::string> TabWalk(int steps, bool backwards) {
    std::vector<std::string> names;
    for (int i = 0; i < steps; ++i) {
      UserInput::Key(win::VK_TAB, backwards);
      names.push_back(Focused());
      // The native focus is in the same control (for the combo box: in its edit part).
      win::HWND focus = win::GetFocus();
      TWinControl* active = form_->ActiveControl();
      EXPECT_TRUE(active && (focus == active->Handle() || win::IsChild(active->Handle(), focus)));
    }
    return names;
  }
  // Drops the size list down with its button and clicks the given row of the open list.
  void PickFromList(int row) {
    TComboBox& combo = *form_->ComboBox1;
    UserInput::Click(combo, combo.Width() - 5);
    ASSERT_TRUE(combo.DroppedDown());
    gfx::POINT below = UserInput::WindowPoint(combo, combo.Width() / 2, combo.Height() + 2);
    win::ClientToScreen(form_->Handle(), below);
    win::HWND list = win::WindowFromPoint(below);
    ASSERT_NE(list, nullptr);
    gfx::RECT bounds;
    win::GetWindowRect(list, bounds);
    const int rows = std::min(combo.Items().Count(), combo.DropDownCount());
    const int itemHeight = (bounds.Height() - 2) / rows;
    gfx::POINT point{bounds.left + bounds.Width() / 3,
                     bounds.top + 1 + row * itemHeight + itemHeight / 2};
    win::ScreenToClient(form_->Handle(), point);
    UserInput::ClickAt(*form_, point);
    EXPECT_FALSE(combo.DroppedDown());
  }

  UserInput input_;
  std::unique_ptr<TForm1> form_;
};

TEST_F(CalculatorInput, EachFamilyByItsIconAndByItsRadioButton) {
  const auto families = testing::CalculatorFamilies(*form_);
  for (bool byIcon : {true, false}) {
    for (const auto& f : families) {
      SCOPED_TRACE((byIcon ? "icon of family " : "radio button of family ") +
                   std::to_string(f.family));
      UserInput::Click(byIcon ? static_cast<TControl&>(*f.icon) : *f.button);
      for (TRadioButton* other :
           {form_->RadioButton1, form_->RadioButton2, form_->RadioButton3, form_->RadioButton4}) {
        EXPECT_EQ(other->Checked(), other == f.button) << other->Name();
      }
      const auto& sizes = catalogue::Family(f.family).sizes;
      EXPECT_EQ(form_->ComboBox1->Items().Count(), static_cast<int>(sizes.size()));
      EXPECT_EQ(form_->ComboBox1->ItemIndex(), 0);
      EXPECT_EQ(form_->ComboBox1->Text(), sizes[0].designation);
      EXPECT_EQ(Calculator.UnitWeight, sizes[0].unitWeight);
      const auto& order = form_->GraphicChildren();
      EXPECT_EQ(order.rbegin()[1], f.drawing);
      EXPECT_EQ(order.back(), form_->Label8);
    }
  }
  EXPECT_TRUE(input_.boxes.empty());
}

TEST_F(CalculatorInput, TypedLengthAndQuantityAreStoredWhenCalcIsClicked) {
  TypeInto(*form_->Edit1, "1000");
  TypeInto(*form_->Edit2, "10");
  EXPECT_EQ(Calc(), " 8.8 kg");  // the quantity box is left for the button first
  EXPECT_EQ(Calculator.ProfileLength, 1000);
  EXPECT_EQ(Calculator.Quantity, 10);
  EXPECT_EQ(Focused(), "BitBtn1");

  UserInput::Click(*form_->Image4);  // IPB, 20.4 kg/m
  TypeInto(*form_->Edit2, "1");
  TypeInto(*form_->Edit1, "6000");
  EXPECT_EQ(Calc(), "122.4 kg");
  EXPECT_TRUE(input_.boxes.empty());
}

TEST_F(CalculatorInput, ALengthTypedThenOnlyAnIconClickedIsNotStored) {
  TypeInto(*form_->Edit1, "2000");
  UserInput::Click(*form_->Image2);  // U, 1.74 kg/m
  EXPECT_TRUE(form_->RadioButton2->Checked());
  EXPECT_EQ(Calculator.ProfileLength, 0);
  EXPECT_EQ(Focused(), "Edit1") << "an image takes no focus";
  EXPECT_EQ(form_->Edit1->Text(), "2000");
  EXPECT_EQ(Calc(), " 3.5 kg");  // leaving the box now stores it
  EXPECT_EQ(Calculator.ProfileLength, 2000);
}

TEST_F(CalculatorInput, ABadLengthIsReportedAndThePreviousOneCalculated) {
  TypeInto(*form_->Edit1, "1000");
  ASSERT_EQ(Calc(), " 0.9 kg");
  UserInput::Click(*form_->ComboBox1);
  for (int i = 0; i < 6; ++i) UserInput::Key(win::VK_DOWN);
  ASSERT_EQ(form_->ComboBox1->Text(), "L 40x4");  // 2.42 kg/m
  TypeInto(*form_->Edit1, "12a");
  UserInput::Click(*form_->BitBtn1);
  ASSERT_EQ(input_.boxes.size(), 1u);
  EXPECT_EQ(input_.boxes[0].text, "'12a' is not a valid floating point value.");
  EXPECT_EQ(input_.boxes[0].caption, Application().Title());
  EXPECT_EQ(input_.boxes[0].flags, 0x10u);
  EXPECT_EQ(Calculator.ProfileLength, 1000);
  EXPECT_EQ(form_->Edit1->Text(), "12a");
  // The focus went on to the button, whose click calculated with the last good length.
  EXPECT_EQ(Focused(), "BitBtn1");
  EXPECT_EQ(form_->Label7->Caption(), " 2.4 kg");
  EXPECT_TRUE(form_->Enabled());

  // The bad text is parsed again each time the box is left.
  UserInput::Click(*form_->Edit1);
  UserInput::Click(*form_->Edit2);
  ASSERT_EQ(input_.boxes.size(), 2u);
  EXPECT_EQ(input_.boxes[1].text, input_.boxes[0].text);
  EXPECT_EQ(Calculator.ProfileLength, 1000);
}

TEST_F(CalculatorInput, SizesChosenWithTheMouseTheArrowsAndByTyping) {
  UserInput::Click(*form_->Image2);  // U
  PickFromList(6);
  EXPECT_EQ(form_->ComboBox1->Text(), "U 60");
  EXPECT_EQ(form_->ComboBox1->ItemIndex(), 6);
  EXPECT_EQ(Calculator.UnitWeight, 5.07L);
  EXPECT_EQ(Focused(), "ComboBox1");

  UserInput::Key(win::VK_DOWN);
  UserInput::Key(win::VK_DOWN);
  EXPECT_EQ(form_->ComboBox1->Text(), "U 80");
  EXPECT_EQ(Calculator.UnitWeight, 8.64L);
  UserInput::Key(win::VK_UP);
  EXPECT_EQ(form_->ComboBox1->Text(), "U 65");
  EXPECT_EQ(Calculator.UnitWeight, 7.09L);

  // Typing completes to the first size that begins with the text.
  UserInput::Type("U 1");
  EXPECT_EQ(form_->ComboBox1->Text(), "U 100");
  EXPECT_EQ(form_->ComboBox1->ItemIndex(), 9);
  EXPECT_EQ(Calculator.UnitWeight, 10.6L);
  UserInput::Type("2");
  EXPECT_EQ(form_->ComboBox1->Text(), "U 120");
  EXPECT_EQ(Calculator.UnitWeight, 13.4L);
  UserInput::Type("\b");  // nothing selected: the weight stays
  EXPECT_EQ(form_->ComboBox1->Text(), "U 12");
  EXPECT_EQ(form_->ComboBox1->ItemIndex(), -1);
  EXPECT_EQ(Calculator.UnitWeight, 13.4L);

  TypeInto(*form_->Edit1, "1000");
  EXPECT_EQ(Calc(), "13.4 kg");

  // The list of another family.
  UserInput::Click(*form_->Image3);  // I, back at "I 80"
  PickFromList(2);
  EXPECT_EQ(form_->ComboBox1->Text(), "I 120");
  EXPECT_EQ(Calculator.UnitWeight, 11.1L);
  EXPECT_TRUE(input_.boxes.empty());
}

// The drop-down selects its whole text when the keyboard brings the focus, so typed text replaces
// it and completes afresh.
TEST_F(CalculatorInput, TypingASizeAgainAfterTabbingBackReplacesTheText) {
  UserInput::Click(*form_->Edit1);
  UserInput::Key(win::VK_TAB, true);
  ASSERT_EQ(Focused(), "ComboBox1");
  UserInput::Type("L 25x4");
  EXPECT_EQ(form_->ComboBox1->Text(), "L 25x4");
  EXPECT_EQ(form_->ComboBox1->ItemIndex(), 2);
  UserInput::Key(win::VK_TAB);
  UserInput::Key(win::VK_TAB, true);
  ASSERT_EQ(Focused(), "ComboBox1");
  UserInput::Type("L 30x3");
  EXPECT_EQ(form_->ComboBox1->Text(), "L 30x3");
  EXPECT_EQ(form_->ComboBox1->ItemIndex(), 3);
  UserInput::Backend().Advance(1000);  // the next click on the length box is no double click
  TypeInto(*form_->Edit1, "1000");
  EXPECT_EQ(Calc(), " 1.4 kg");
}

TEST_F(CalculatorInput, TheSelectedFamilysIconAndRadioButtonChangeNothing) {
  UserInput::Click(*form_->ComboBox1);
  UserInput::Key(win::VK_DOWN);
  UserInput::Key(win::VK_DOWN);  // "L 25x4"
  ASSERT_EQ(Calculator.UnitWeight, 1.45L);
  UserInput::Click(*form_->Image1);
  UserInput::Click(*form_->RadioButton1);
  EXPECT_EQ(form_->ComboBox1->ItemIndex(), 2);
  EXPECT_EQ(form_->ComboBox1->Text(), "L 25x4");
  EXPECT_EQ(form_->ComboBox1->Items().Count(), 44);
  EXPECT_EQ(Calculator.UnitWeight, 1.45L);
  EXPECT_TRUE(form_->RadioButton1->Checked());
  EXPECT_EQ(form_->GraphicChildren().back(), form_->Label8);
}

TEST_F(CalculatorInput, TabVisitsTheCheckedRadioButtonOnly) {
  using Names = std::vector<std::string>;
  UserInput::Click(*form_->Edit2);
  ASSERT_EQ(Focused(), "Edit2");
  EXPECT_EQ(TabWalk(6, false),
            (Names{"BitBtn1", "BitBtn2", "RadioButton1", "ComboBox1", "Edit1", "Edit2"}));
  EXPECT_EQ(TabWalk(6, true),
            (Names{"Edit1", "ComboBox1", "RadioButton1", "BitBtn2", "BitBtn1", "Edit2"}));

  // IPB's radio button comes after "Calc.", not after the other radio buttons.
  UserInput::Click(*form_->Image4);
  ASSERT_EQ(Focused(), "Edit2");
  EXPECT_EQ(TabWalk(6, false),
            (Names{"BitBtn1", "RadioButton4", "BitBtn2", "ComboBox1", "Edit1", "Edit2"}));
  EXPECT_EQ(TabWalk(6, true),
            (Names{"Edit1", "ComboBox1", "BitBtn2", "RadioButton4", "BitBtn1", "Edit2"}));

  UserInput::Click(*form_->RadioButton2);
  ASSERT_EQ(Focused(), "RadioButton2");
  EXPECT_EQ(TabWalk(6, false),
            (Names{"ComboBox1", "Edit1", "Edit2", "BitBtn1", "BitBtn2", "RadioButton2"}));
  EXPECT_EQ(TabWalk(6, true),
            (Names{"BitBtn2", "BitBtn1", "Edit2", "Edit1", "ComboBox1", "RadioButton2"}));
  // Only the focus moved: no family changed, nothing was calculated.
  EXPECT_TRUE(form_->RadioButton2->Checked());
  EXPECT_FALSE(form_->RadioButton4->Checked());
  EXPECT_EQ(form_->Label7->Caption(), "******");
  EXPECT_TRUE(input_.boxes.empty());
}

}  // namespace
}  // namespace pw

#include <gtest/gtest.h>

#include "app/AppWindows.h"
#include "app/catalogue/Catalogue.h"
#include "convert/Exceptions.h"
#include "convert/NumberText.h"

namespace pw {
namespace {

class Calculator_ : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDecimalSeparator('.');
    form_ = testing::MakeCalculatorWindow();
  }
  void TearDown() override { SetDecimalSeparator('.'); }

  // Types into a box and leaves it.
  void EnterLength(const char* text) {
    form_->Edit1->SetText(text);
    Raise(form_->Edit1->OnExit, form_->Edit1);
  }
  void EnterQuantity(const char* text) {
    form_->Edit2->SetText(text);
    Raise(form_->Edit2->OnExit, form_->Edit2);
  }
  std::string Calc() {
    form_->BitBtn1->Click();
    return form_->Label7->Caption();
  }
  // The user picks a size in the drop-down.
  void SelectSize(int index) {
    form_->ComboBox1->SetItemIndex(index);
    Raise(form_->ComboBox1->OnChange, form_->ComboBox1);
  }
  const std::vector<TControl*>& PaintOrder() const { return form_->GraphicChildren(); }

  std::unique_ptr<TForm1> form_;
};

TEST_F(Calculator_, StartsWithTheFirstAngleSelected) {
  EXPECT_TRUE(form_->RadioButton1->Checked());
  EXPECT_FALSE(form_->RadioButton2->Checked());
  EXPECT_EQ(form_->ComboBox1->Items().Count(), 44);
  EXPECT_EQ(form_->ComboBox1->ItemIndex(), 0);
  EXPECT_EQ(form_->ComboBox1->Text(), "L 20x3");
  EXPECT_EQ(BitsOf(Calculator.UnitWeight), (ExtendedBits{0x3FFE, 0xE1CAC083126E978DULL}));
  EXPECT_EQ(Calculator.ProfileLength, 0);
  EXPECT_EQ(Calculator.Quantity, 1);
  EXPECT_EQ(form_->Label7->Caption(), "******");
  ASSERT_GE(PaintOrder().size(), 2u);
  EXPECT_EQ(PaintOrder().rbegin()[1], form_->Image6);
  EXPECT_EQ(PaintOrder().back(), form_->Label8);
  EXPECT_EQ(Calc(), " 0.0 kg");
}

TEST_F(Calculator_, ComputesAndFormatsTheMass) {
  EnterLength("1000");
  EnterQuantity("10");
  EXPECT_EQ(Calc(), " 8.8 kg");
  EXPECT_EQ(Calculator.ResultText, " 8.8");

  form_->Image4->Click();  // IPB
  EnterLength("6000");
  EnterQuantity("1");
  EXPECT_EQ(Calc(), "122.4 kg");
  EnterLength("60515");
  EXPECT_EQ(Calc(), "1234.5 kg");  // the width adds blanks, never cuts

  form_->RadioButton1->SetChecked(true);
  EnterLength("1E40");
  EXPECT_EQ(Calc(), " 8.8E+0036 kg");
}

TEST_F(Calculator_, NegativeInputsGiveSignedMasses) {
  EnterQuantity("-3");
  EXPECT_EQ(Calc(), "-0.0 kg");  // 0 length times a negative quantity is negative zero

  form_->RadioButton2->SetChecked(true);  // "U 30x15", 1.74
  EnterLength("1000");
  EnterQuantity("-2");
  EXPECT_EQ(Calc(), "-3.5 kg");
}

TEST_F(Calculator_, BadLengthOrQuantityKeepsTheStoredValue) {
  EnterLength("2500");
  try {
    EnterLength("12a");
    FAIL() << "no conversion error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'12a' is not a valid floating point value");
  }
  EXPECT_EQ(Calculator.ProfileLength, 2500);
  EXPECT_EQ(form_->Edit1->Text(), "12a");

  try {
    EnterQuantity("2.5");
    FAIL() << "no conversion error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'2.5' is not a valid integer value");
  }
  EXPECT_EQ(Calculator.Quantity, 1);
  EnterQuantity("$10");
  EXPECT_EQ(Calculator.Quantity, 16);
  EnterQuantity("0x10");
  EXPECT_EQ(Calculator.Quantity, 16);
  EXPECT_THROW(EnterQuantity(" 7 "), EConvertError);
}

TEST_F(Calculator_, LengthFollowsTheRegionalDecimalSeparator) {
  SetDecimalSeparator(',');
  EXPECT_THROW(EnterLength("2.5"), EConvertError);
  EnterLength("2,5");
  EXPECT_EQ(Calculator.ProfileLength, 2.5L);
}

TEST_F(Calculator_, OverflowKeepsTheLastResult) {
  form_->Image4->Click();
  EnterLength("6000");
  ASSERT_EQ(Calc(), "122.4 kg");
  const Extended mass = Calculator.TotalMass;
  EnterLength("1e4931");  // 20.4 x 10^4931 is beyond the extended range
  try {
    form_->BitBtn1->Click();
    FAIL() << "no overflow";
  } catch (const EOverflow& e) {
    EXPECT_EQ(e.Message(), "Floating point overflow");
  }
  EXPECT_EQ(Calculator.TotalMass, mass);
  EXPECT_EQ(Calculator.ResultText, "122.4");
  EXPECT_EQ(form_->Label7->Caption(), "122.4 kg");
  // The next calculation works again.
  EnterLength("1000");
  EXPECT_EQ(Calc(), "20.4 kg");
}

TEST_F(Calculator_, OverflowFaultsBeforeAZeroQuantityCanMakeItInvalid) {
  form_->Image4->Click();
  EnterLength("6000");
  ASSERT_EQ(Calc(), "122.4 kg");
  EnterLength("1e4932");
  EnterQuantity("0");
  try {
    form_->BitBtn1->Click();
    FAIL() << "no exception";
  } catch (const EMathError& e) {
    EXPECT_NE(dynamic_cast<const EOverflow*>(&e), nullptr) << e.Message();
    EXPECT_EQ(e.Message(), "Floating point overflow");
  }
  EXPECT_EQ(Calculator.ResultText, "122.4");
  EXPECT_EQ(form_->Label7->Caption(), "122.4 kg");
}

TEST_F(Calculator_, ChoosingAFamilyFillsItsSizesAndTakesTheFirstWeight) {
  int changes = 0;
  auto handler = form_->ComboBox1->OnChange;
  form_->ComboBox1->OnChange = [&](TObject* sender) {
    ++changes;
    handler(sender);
  };
  EnterLength("3000");
  EnterQuantity("4");
  const auto families = testing::CalculatorFamilies(*form_);
  for (const auto& f : families) {
    f.icon->Click();
    const auto& sizes = catalogue::Family(f.family).sizes;
    EXPECT_TRUE(f.button->Checked());
    for (TRadioButton* other :
         {form_->RadioButton1, form_->RadioButton2, form_->RadioButton3, form_->RadioButton4}) {
      EXPECT_EQ(other->Checked(), other == f.button);
    }
    ASSERT_EQ(form_->ComboBox1->Items().Count(), static_cast<int>(sizes.size()));
    EXPECT_EQ(form_->ComboBox1->Items().Strings(1), sizes[1].designation);
    EXPECT_EQ(form_->ComboBox1->Text(), sizes[0].designation);
    EXPECT_EQ(Calculator.UnitWeight, sizes[0].unitWeight);
    EXPECT_EQ(PaintOrder().rbegin()[1], f.drawing);
    EXPECT_EQ(PaintOrder().back(), form_->Label8);
    EXPECT_EQ(Calculator.ProfileLength, 3000);  // kept across families
    EXPECT_EQ(Calculator.Quantity, 4);
  }
  EXPECT_EQ(changes, 0) << "filling and selecting entry 0 raise no change event";
}

TEST_F(Calculator_, ChoosingASizeLooksUpItsWeight) {
  form_->RadioButton2->SetChecked(true);
  SelectSize(6);
  EXPECT_EQ(Calculator.UnitWeight, 5.07L);  // "U 60"
  SelectSize(-1);                           // nothing selected: the weight stays
  EXPECT_EQ(Calculator.UnitWeight, 5.07L);
  SelectSize(0);
  EXPECT_EQ(Calculator.UnitWeight, 1.74L);

  form_->RadioButton2->SetChecked(false);  // no family checked: nothing changes
  SelectSize(3);
  EXPECT_EQ(Calculator.UnitWeight, 1.74L);
}

TEST_F(Calculator_, TheSelectedFamilysIconChangesNothing) {
  SelectSize(5);  // "L 35x4"
  ASSERT_EQ(Calculator.UnitWeight, 2.09L);
  form_->Image7->BringToFront();
  form_->Image1->Click();
  EXPECT_EQ(form_->ComboBox1->ItemIndex(), 5);
  EXPECT_EQ(form_->ComboBox1->Text(), "L 35x4");
  EXPECT_EQ(Calculator.UnitWeight, 2.09L);
  // The drawing still comes to the front, with the length mark above it.
  EXPECT_EQ(PaintOrder().rbegin()[1], form_->Image6);
  EXPECT_EQ(PaintOrder().back(), form_->Label8);
}

TEST_F(Calculator_, TheShowcaseRunsModallyAndKeepsItsState) {
  auto showcase = testing::MakeShowcaseWindow();
  form_->SetVisible(true);
  int messages = 0;
  // Each run of the modal loop: the user presses next, then closes the window.
  MessagePump applicationPump = SetMessagePump([&] {
    ++messages;
    EXPECT_TRUE(Form3->Visible());
    EXPECT_TRUE(Form3->Modal());
    EXPECT_FALSE(win::IsWindowEnabled(form_->Handle())) << "the calculator waits for the showcase";
    Form3->BitBtn1->Click();
    Form3->RequestClose();
    return true;
  });
  form_->BitBtn2->Click();
  EXPECT_EQ(messages, 1);
  EXPECT_FALSE(Form3->Visible());
  EXPECT_FALSE(Form3->Modal());
  EXPECT_EQ(Form3->ModalResult(), 2);
  EXPECT_TRUE(win::IsWindowEnabled(form_->Handle()));
  form_->BitBtn2->Click();
  EXPECT_EQ(Form3->Edit1->Text(), "2") << "the same window, on the slide it was left at";
  EXPECT_EQ(form_->Label7->Caption(), "******") << "the calculator's state is unchanged";

  Form3->SetVisible(true);
  EXPECT_THROW(Form3->RunModal(), EInvalidOperation);
  SetMessagePump(std::move(applicationPump));
}

}  // namespace
}  // namespace pw

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "app/AppWindows.h"
#include "app/catalogue/Catalogue.h"
#include "cli/CommandRun.h"
#include "controls/Application.h"
#include "convert/Exceptions.h"
#include "convert/NumberText.h"
#include "support/UserInput.h"

namespace pw {
namespace {

// The window, driven as in its own tests: a family, a size, the two boxes left, "Calc.".
class WindowAgreement : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDecimalSeparator('.');
    form_ = testing::MakeCalculatorWindow();
  }
  void TearDown() override { SetDecimalSeparator('.'); }

  // The result caption, or the text of the error box the window shows.
  std::string WindowResult(int family, int index, const std::string& length,
                           const std::string& quantity) {
    TRadioButton* const buttons[] = {form_->RadioButton1, form_->RadioButton2, form_->RadioButton3,
                                     form_->RadioButton4};
    try {
      buttons[family - 1]->SetChecked(true);
      form_->ComboBox1->SetItemIndex(index);
      Raise(form_->ComboBox1->OnChange, form_->ComboBox1);
      form_->Edit1->SetText(length);
      Raise(form_->Edit1->OnExit, form_->Edit1);
      form_->Edit2->SetText(quantity);
      Raise(form_->Edit2->OnExit, form_->Edit2);
      form_->BitBtn1->Click();
    } catch (const Exception& error) {
      return "error: " + ErrorBoxText(error.Message());
    }
    return form_->Label7->Caption();
  }

  static std::string CommandResult(std::string_view designation, const std::string& length,
                                   const std::string& quantity) {
    const auto run = testing::RunCommand({"weigh", std::string(designation), length, quantity});
    if (run.code == 0) {
      EXPECT_TRUE(run.err.empty()) << run.err;
      EXPECT_TRUE(run.out.ends_with('\n'));
      return run.out.substr(0, run.out.size() - 1);
    }
    EXPECT_EQ(run.code, 2);
    EXPECT_TRUE(run.out.empty()) << "nothing on standard output after an error";
    const std::string prefix = "profile-weight: ";
    EXPECT_TRUE(run.err.starts_with(prefix) && run.err.ends_with('\n')) << run.err;
    return "error: " + run.err.substr(prefix.size(), run.err.size() - prefix.size() - 1);
  }

  std::unique_ptr<TForm1> form_;
};

// Lengths and quantities as people type them, good and bad, over every size.
TEST_F(WindowAgreement, EverySizeWithSeededLengthsAndQuantities) {
  std::mt19937 random(18);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  auto length = [&]() -> std::string {
    switch (pick(10)) {
      case 0:
        return std::to_string(pick(1000)) + "." + std::to_string(pick(1000));
      case 1:
        return std::to_string(pick(90) + 1) + "e" + std::to_string(pick(60) - 10);
      case 2:
        return "-" + std::to_string(pick(5000));
      case 3:
        return " " + std::to_string(pick(20000)) + ".5 ";
      case 4:
        return "1e" + std::to_string(4925 + pick(10));  // near and past the extended range
      case 5:
        return std::to_string(pick(100)) + (pick(2) ? "a" : ",5");  // not a length here
      case 6:
        return "." + std::to_string(pick(100000));
      default:
        return std::to_string(pick(12000));
    }
  };
  auto quantity = [&]() -> std::string {
    switch (pick(8)) {
      case 0:
        return "$" + std::to_string(pick(100));
      case 1:
        return "0x1" + std::to_string(pick(10));
      case 2:
        return std::to_string(-pick(5));
      case 3:
        return pick(2) ? "2.5" : "2147483648";  // not a quantity
      case 4:
        return "0";
      default:
        return std::to_string(pick(200) + 1);
    }
  };
  int compared = 0;
  int errors = 0;
  for (int family = 1; family <= catalogue::kFamilyCount; ++family) {
    const auto sizes = catalogue::Family(family).sizes;
    for (int index = 0; index < static_cast<int>(sizes.size()); ++index) {
      for (int round = 0; round < 6; ++round) {
        const std::string l = length();
        const std::string q = quantity();
        const std::string window = WindowResult(family, index, l, q);
        ASSERT_EQ(CommandResult(sizes[static_cast<std::size_t>(index)].designation, l, q), window)
            << sizes[static_cast<std::size_t>(index)].designation << " / " << l << " / " << q;
        ++compared;
        errors += window.starts_with("error: ");
        // The window keeps a bad entry in its box; a fresh window for the next round.
        if (window.starts_with("error: ")) form_ = testing::MakeCalculatorWindow();
      }
    }
  }
  EXPECT_EQ(compared, 112 * 6);
  EXPECT_GT(errors, 60) << "the messages are compared too";
}

TEST_F(WindowAgreement, MessagesOfTheWindowAndTheCommand) {
  // The examples of the window's own tests, and the overflow that a zero quantity would turn
  // into an invalid operation if it were checked only at the end.
  const struct {
    int family, index;
    const char *length, *quantity, *expected;
  } cases[] = {
      {4, 0, "6000", "1", "122.4 kg"},
      {1, 0, "1000", "10", " 8.8 kg"},
      {2, 0, "1000", "-2", "-3.5 kg"},
      {1, 0, "0", "-3", "-0.0 kg"},
      {1, 0, "1E40", "1", " 8.8E+0036 kg"},
      {1, 0, "12a", "1", "error: '12a' is not a valid floating point value."},
      {1, 0, "1000", "2.5", "error: '2.5' is not a valid integer value."},
      {1, 0, "1000", " 7 ", "error: ' 7 ' is not a valid integer value."},
      {1, 0, "", "1", "error: '' is not a valid floating point value."},
      {4, 0, "1e4931", "1", "error: Floating point overflow."},
      {4, 0, "1e4932", "0", "error: Floating point overflow."},
      {4, 23, "1e4930", "2147483647", "error: Floating point overflow."},
  };
  for (const auto& c : cases) {
    form_ = testing::MakeCalculatorWindow();
    const auto designation = catalogue::Family(c.family).sizes[c.index].designation;
    EXPECT_EQ(WindowResult(c.family, c.index, c.length, c.quantity), c.expected) << c.length;
    EXPECT_EQ(CommandResult(designation, c.length, c.quantity), c.expected) << c.length;
  }
}

TEST_F(WindowAgreement, TheRegionalDecimalSeparator) {
  SetDecimalSeparator(',');
  EXPECT_EQ(WindowResult(4, 0, "2,5", "1000"), "51.0 kg");
  EXPECT_EQ(CommandResult("IPB 100", "2,5", "1000"), "51.0 kg");
  form_ = testing::MakeCalculatorWindow();
  EXPECT_EQ(WindowResult(4, 0, "2.5", "1000"), "error: '2.5' is not a valid floating point value.");
  EXPECT_EQ(CommandResult("IPB 100", "2.5", "1000"),
            "error: '2.5' is not a valid floating point value.");
  // --decimal overrides the locale for the one command.
  SetDecimalSeparator('.');
  EXPECT_EQ(testing::RunCommand({"weigh", "--decimal", ",", "IPB 100", "2,5", "1000"}).out,
            "51.0 kg\n");
  EXPECT_EQ(DecimalSeparator(), '.');
}

// The window on screen, used with the mouse and the keyboard only, against the command: the
// result label, or the text of the error box the user sees.
class WindowByHand : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDecimalSeparator('.');
    form_ = testing::MakeCalculatorWindow();
    form_->SetVisible(true);
    testing::UserInput::Settle();
    testing::UserInput::Backend().Advance(1000);
  }
  void TearDown() override { form_.reset(); }

  static void TypeInto(TWinControl& box, std::string_view text) {
    testing::UserInput::Click(box);
    testing::UserInput::Key(win::VK_END);
    for (int i = 0; i < 24; ++i) testing::UserInput::Key(win::VK_BACK);
    testing::UserInput::Type(text);
  }

  testing::UserInput input_;
  std::unique_ptr<TForm1> form_;
};

TEST_F(WindowByHand, SeededEntriesGiveTheCommandsAnswers) {
  using testing::UserInput;
  std::mt19937 random(1818);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  const char* const lengths[] = {"6000", "2500.5", " 125 ", "3.5E3", "-40", "12a", "1e4931", ".5"};
  const char* const quantities[] = {"1", "10", "$1F", "0", "-2", "2.5", "7 "};
  TImage* const icons[] = {form_->Image1, form_->Image2, form_->Image3, form_->Image4};
  int results = 0;
  for (int round = 0; round < 16; ++round) {
    // A different family each time, so its list starts at its first size.
    const int family = (round + 1) % 4 + 1;
    const auto sizes = catalogue::Family(family).sizes;
    const int index = pick(static_cast<int>(sizes.size()));
    const std::string length = lengths[pick(8)];
    const std::string quantity = quantities[pick(7)];
    input_.boxes.clear();
    UserInput::Click(*icons[family - 1]);
    UserInput::Click(*form_->ComboBox1);
    for (int i = 0; i < index; ++i) UserInput::Key(win::VK_DOWN);
    ASSERT_EQ(form_->ComboBox1->ItemIndex(), index);
    TypeInto(*form_->Edit1, length);
    TypeInto(*form_->Edit2, quantity);
    UserInput::Click(*form_->BitBtn1);

    const auto run = testing::RunCommand(
        {"weigh", std::string(sizes[static_cast<std::size_t>(index)].designation), length,
         quantity});
    const std::string context = std::string(sizes[static_cast<std::size_t>(index)].designation) +
                                " / " + length + " / " + quantity;
    if (input_.boxes.empty()) {
      EXPECT_EQ(run.code, 0) << context;
      EXPECT_EQ(run.out, form_->Label7->Caption() + "\n") << context;
      ++results;
    } else {
      EXPECT_EQ(run.code, 2) << context;
      EXPECT_EQ(run.err, "profile-weight: " + input_.boxes[0].text + "\n") << context;
    }
  }
  EXPECT_GT(results, 3);
  EXPECT_LT(results, 14) << "error boxes are compared too";
}

}  // namespace
}  // namespace pw

// Radio buttons, edit boxes and combo boxes on a shown window: the program's assignments and the
// user's mouse clicks, keys and typed characters, and the events each of them raises.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "controls/ComboBox.h"
#include "controls/CustomForm.h"
#include "controls/Edit.h"
#include "controls/RadioButton.h"
#include "platform/win/NativeClasses.h"
#include "support/UserInput.h"

namespace pw {
namespace {

using testing::UserInput;
using Log = std::vector<std::string>;

class StandardControlsInput : public ::testing::Test {
 protected:
  template <class T>
  T* Add(const char* name, int left, int top) {
    auto* control = new T(form_.get());
    control->SetName(name);
    control->SetParent(form_.get());
    control->SetLeft(left);
    control->SetTop(top);
    return control;
  }
  void Show() {
    form_->SetVisible(true);
    UserInput::Settle();
  }
  // Keeps the next press on the same control from counting as a double click.
  static void Pause() { UserInput::Backend().Advance(1000); }

  static unsigned CheckState(TRadioButton& radio) {
    return static_cast<unsigned>(win::SendMessage(radio.Handle(), win::BM_GETCHECK));
  }

  static TStringList Profiles() {
    TStringList list;
    for (const char* item : {"L 20x3", "L 25x3", "IPB 100", "IPE 80"}) list.Add(item);
    return list;
  }
  // Logs the combo box's clicks and changes with its index (and text) at the time.
  void Watch(TComboBox* combo) {
    combo->OnClick = [this, combo](TObject* sender) {
      EXPECT_EQ(sender, combo);
      log_.push_back("click " + std::to_string(combo->ItemIndex()));
    };
    combo->OnChange = [this, combo](TObject* sender) {
      EXPECT_EQ(sender, combo);
      log_.push_back("change " + std::to_string(combo->ItemIndex()) + " " + combo->Text());
    };
  }
  static std::pair<std::uint32_t, std::uint32_t> EditSelection(TComboBox& combo) {
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    win::SendMessage(combo.Handle(), win::CB_GETEDITSEL, reinterpret_cast<win::WPARAM>(&start),
                     reinterpret_cast<win::LPARAM>(&end));
    return {start, end};
  }
  // Opens the list with the button at the combo box's right edge.
  static void DropDown(TComboBox& combo) {
    Pause();
    UserInput::Click(combo, combo.Width() - 6);
    ASSERT_TRUE(combo.DroppedDown());
  }
  // Clicks an item of the open list.
  static void ChooseFromList(TComboBox& combo, int index) {
    win::HWND list = nullptr;
    for (win::HWND window : UserInput::Backend().Windows()) {
      if (win::GetClassName(window) == win::kComboListClass && win::IsWindowVisible(window)) {
        list = window;
      }
    }
    ASSERT_NE(list, nullptr) << "the list is open";
    win::RECT client;
    win::GetClientRect(list, client);
    const int rows = std::min(combo.Items().Count(), combo.DropDownCount());
    const int itemHeight = (client.Height() - 2) / rows;
    const gfx::POINT point{client.Width() / 2, 1 + index * itemHeight + itemHeight / 2};
    for (unsigned message : {win::WM_MOUSEMOVE, win::WM_LBUTTONDOWN, win::WM_LBUTTONUP}) {
      UserInput::Backend().InjectMouse(message, list, point);
      UserInput::Settle();
    }
  }

  UserInput input_;
  std::unique_ptr<TForm> form_ = std::make_unique<TForm>(nullptr);
  Log log_;
};

TEST_F(StandardControlsInput, RadioButtonsCheckOnePerParentAndClickOnce) {
  auto* first = Add<TEdit>("First", 8, 8);
  auto* r1 = Add<TRadioButton>("R1", 8, 40);
  auto* r2 = Add<TRadioButton>("R2", 8, 60);
  auto* r3 = Add<TRadioButton>("R3", 8, 80);
  auto* last = Add<TEdit>("Last", 8, 110);
  TForm other(nullptr);
  auto* elsewhere = new TRadioButton(&other);
  elsewhere->SetName("Elsewhere");
  elsewhere->SetParent(&other);
  for (TRadioButton* radio : {r1, r2, r3, elsewhere}) {
    radio->OnClick = [this, radio, r1, r2, r3](TObject* sender) {
      EXPECT_EQ(sender, radio);
      log_.push_back(radio->Name() + " " + std::to_string(r1->Checked()) +
                     std::to_string(r2->Checked()) + std::to_string(r3->Checked()));
    };
  }
  first->OnExit = [this](TObject*) { log_.push_back("First exit"); };

  // The program's assignments, before there are native windows.
  elsewhere->SetChecked(true);
  r1->SetChecked(true);
  r1->SetChecked(true);
  r3->SetChecked(true);
  EXPECT_EQ(log_, (Log{"Elsewhere 000", "R1 100", "R3 001"}));
  EXPECT_TRUE(elsewhere->Checked()) << "a radio button of another parent stays checked";
  log_.clear();
  r3->SetChecked(false);
  EXPECT_TRUE(log_.empty()) << "unchecking raises nothing, even with none left checked";
  EXPECT_FALSE(r1->Checked() || r2->Checked() || r3->Checked());
  r2->SetChecked(true);
  EXPECT_EQ(log_, (Log{"R2 010"}));
  EXPECT_TRUE(r2->TabStop());
  EXPECT_FALSE(r1->TabStop() || r3->TabStop()) << "only the checked button is a tab stop";

  Show();
  EXPECT_EQ(CheckState(*r1), win::BST_UNCHECKED);
  EXPECT_EQ(CheckState(*r2), win::BST_CHECKED) << "a new native button gets the stored state";
  EXPECT_EQ(CheckState(*r3), win::BST_UNCHECKED);

  // Tab reaches the checked button only, and focusing it clicks nothing.
  log_.clear();
  UserInput::Click(*first);
  ASSERT_TRUE(first->Focused());
  UserInput::Key(win::VK_TAB);
  EXPECT_TRUE(r2->Focused());
  UserInput::Key(win::VK_TAB);
  EXPECT_TRUE(last->Focused());
  UserInput::Key(win::VK_TAB, true);
  EXPECT_TRUE(r2->Focused());
  UserInput::Key(win::VK_TAB, true);
  EXPECT_TRUE(first->Focused());
  EXPECT_EQ(log_, (Log{"First exit"}));

  // A mouse click on an unchecked button: the edit box is left first, then one click.
  log_.clear();
  UserInput::Click(*r3);
  EXPECT_EQ(log_, (Log{"First exit", "R3 001"}));
  EXPECT_TRUE(r3->Focused());
  EXPECT_EQ(CheckState(*r3), win::BST_CHECKED);
  EXPECT_EQ(CheckState(*r2), win::BST_UNCHECKED);
  EXPECT_TRUE(r3->TabStop());
  EXPECT_FALSE(r2->TabStop());
  Pause();
  UserInput::Click(*r3);
  EXPECT_EQ(log_, (Log{"First exit", "R3 001"})) << "clicking the checked button again";

  // The program unchecks: the native button follows.
  r3->SetChecked(false);
  EXPECT_EQ(CheckState(*r3), win::BST_UNCHECKED);
  r1->SetChecked(true);
  EXPECT_EQ(CheckState(*r1), win::BST_CHECKED);
  EXPECT_EQ(log_, (Log{"First exit", "R3 001", "R1 100"}));

  // When leaving the edit box sends the focus back to it, the press is dropped: no click.
  UserInput::Click(*first);
  log_.clear();
  bool refuse = true;
  first->OnExit = [&](TObject*) {
    log_.push_back("First exit");
    if (std::exchange(refuse, false)) first->SetFocus();
  };
  Pause();
  UserInput::Click(*r2);
  EXPECT_EQ(log_, (Log{"First exit"}));
  EXPECT_TRUE(first->Focused());
  EXPECT_FALSE(r2->Checked());
  EXPECT_EQ(CheckState(*r2), win::BST_UNCHECKED);
  EXPECT_TRUE(r1->Checked());
  EXPECT_TRUE(input_.boxes.empty());
}

TEST_F(StandardControlsInput, EditBoxesRaiseOneChangePerChangeOfTheirText) {
  auto* edit = Add<TEdit>("Edit1", 8, 8);
  auto* counter = Add<TEdit>("Counter", 8, 40);
  counter->SetVisible(false);
  counter->SetReadOnly(true);
  counter->SetText("1");
  edit->OnChange = [this, edit](TObject* sender) {
    EXPECT_EQ(sender, edit);
    log_.push_back(edit->Text());
  };
  bool assigning = false;
  counter->OnChange = [&](TObject*) {
    EXPECT_TRUE(assigning) << "the change runs inside the assignment";
    log_.push_back("counter " + counter->Text());
  };
  edit->SetText("12");
  edit->SetText("12");
  EXPECT_FALSE(edit->HandleAllocated());
  EXPECT_EQ(log_, (Log{"12"})) << "without a native window";

  Show();
  ASSERT_TRUE(edit->HandleAllocated());
  EXPECT_FALSE(counter->HandleAllocated()) << "a hidden edit box gets no native window";
  EXPECT_EQ(win::GetWindowText(edit->Handle()), "12");
  EXPECT_EQ(log_, (Log{"12"})) << "restoring the text into the new window raises nothing";
  EXPECT_EQ(edit->Height(), 21) << "the default font's text height plus the border";

  edit->SetText("3");
  edit->SetText("3");
  EXPECT_EQ(log_, (Log{"12", "3"})) << "with a native window";

  log_.clear();
  assigning = true;
  counter->SetText("2");
  counter->SetText("2");
  assigning = false;
  EXPECT_EQ(log_, (Log{"counter 2"})) << "a hidden read-only box still takes assignments";

  // Typing: one change per character.
  log_.clear();
  UserInput::Click(*edit);
  UserInput::Key(win::VK_END);
  UserInput::Type("45");
  UserInput::Key(win::VK_BACK);
  EXPECT_EQ(log_, (Log{"34", "345", "34"}));

  // Read-only stops typing, not assignments.
  log_.clear();
  edit->SetReadOnly(true);
  UserInput::Type("6");
  UserInput::Key(win::VK_BACK);
  EXPECT_EQ(edit->Text(), "34");
  EXPECT_TRUE(log_.empty());
  edit->SetText("7");
  EXPECT_EQ(log_, (Log{"7"}));
  edit->SetReadOnly(false);
  UserInput::Key(win::VK_END);
  UserInput::Type("8");
  EXPECT_EQ(log_, (Log{"7", "78"}));
}

TEST_F(StandardControlsInput, ComboBoxTakesItemsAndIndexFromTheProgramSilently) {
  auto* combo = Add<TComboBox>("ComboBox1", 8, 8);
  auto* loaded = Add<TComboBox>("Loaded", 8, 40);
  combo->SetText("ComboBox1");
  Watch(combo);
  Watch(loaded);

  // Read from a form description: the index comes before the items and is applied at the end.
  loaded->SetLoading(true);
  loaded->SetItemIndex(2);
  loaded->SetItems(Profiles());
  loaded->FinishLoading();
  EXPECT_EQ(loaded->ItemIndex(), 2);
  EXPECT_EQ(loaded->Text(), "IPB 100");

  Show();
  combo->SetItems(Profiles());
  EXPECT_EQ(combo->Text(), "ComboBox1") << "new items keep the edit text";
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(combo->Items().Count(), 4);
  EXPECT_EQ(combo->Items().Strings(3), "IPE 80") << "the source order";
  combo->SetItemIndex(0);
  EXPECT_EQ(combo->Text(), "L 20x3");
  EXPECT_EQ(combo->ItemIndex(), 0);
  EXPECT_EQ(combo->Items().Strings(-1), "");
  EXPECT_EQ(combo->Items().Strings(4), "");

  // An item longer than an item can be reads back cut to 4095 characters.
  std::string longItem(5000, 'w');
  longItem[4094] = 'e';
  TStringList list;
  list.Add("short");
  list.Add(longItem);
  combo->SetItems(list);
  EXPECT_EQ(combo->Text(), "L 20x3");
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(combo->Items().Strings(1), longItem.substr(0, 4095));
  EXPECT_EQ(combo->Items().Strings(0), "short");
  EXPECT_TRUE(log_.empty());
}

TEST_F(StandardControlsInput, ComboBoxSelectionsByMouseAndArrowKeys) {
  auto* combo = Add<TComboBox>("ComboBox1", 8, 8);
  Watch(combo);
  Show();
  combo->SetItems(Profiles());

  DropDown(*combo);
  ChooseFromList(*combo, 1);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->Text(), "L 25x3");
  EXPECT_EQ(log_, (Log{"click 1", "change 1 L 25x3"}));

  log_.clear();
  UserInput::Key(win::VK_DOWN);
  UserInput::Key(win::VK_UP);
  UserInput::Key(win::VK_UP);
  UserInput::Key(win::VK_UP);  // already the first: no selection
  EXPECT_EQ(log_, (Log{"click 2", "change 2 IPB 100", "click 1", "change 1 L 25x3", "click 0",
                       "change 0 L 20x3"}));

  // With OnSelect assigned a selection raises it instead of OnChange.
  log_.clear();
  combo->OnSelect = [this, combo](TObject* sender) {
    EXPECT_EQ(sender, combo);
    log_.push_back("select " + std::to_string(combo->ItemIndex()) + " " + combo->Text());
  };
  UserInput::Key(win::VK_DOWN);
  DropDown(*combo);
  ChooseFromList(*combo, 3);
  EXPECT_EQ(log_, (Log{"click 1", "select 1 L 25x3", "click 3", "select 3 IPE 80"}));
  EXPECT_TRUE(input_.boxes.empty());
}

TEST_F(StandardControlsInput, ComboBoxTypingCompletesItems) {
  auto* combo = Add<TComboBox>("ComboBox1", 8, 8);
  Watch(combo);
  Show();
  combo->SetItems(Profiles());
  combo->SetText("");
  UserInput::Click(*combo, 10);
  ASSERT_EQ(form_->ActiveControl(), combo);
  ASSERT_TRUE(win::IsChild(combo->Handle(), win::GetFocus())) << "the edit part has the focus";
  ASSERT_TRUE(log_.empty());

  using Selection = std::pair<std::uint32_t, std::uint32_t>;
  UserInput::Type("i");
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(combo->Text(), "iPB 100") << "the typed text followed by the rest of the item";
  EXPECT_EQ(EditSelection(*combo), (Selection{1, 7})) << "the completed part is selected";
  UserInput::Type("p");
  EXPECT_EQ(combo->Text(), "ipB 100");
  EXPECT_EQ(EditSelection(*combo), (Selection{2, 7}));
  EXPECT_EQ(log_, (Log{"click 2", "change 2 iPB 100"})) << "the same item again: no event";
  UserInput::Type("e");
  EXPECT_EQ(combo->Text(), "ipe 80");
  EXPECT_EQ(combo->ItemIndex(), 3);

  // No item begins with the text: the edit part takes the key.
  log_.clear();
  UserInput::Type("x");
  EXPECT_EQ(combo->Text(), "ipex");
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(log_, (Log{"change -1 ipex"}));

  // Backspace always changes, and leaves no item selected.
  log_.clear();
  UserInput::Key(win::VK_BACK);
  EXPECT_EQ(combo->Text(), "ipe");
  UserInput::Type(" ");
  EXPECT_EQ(combo->Text(), "ipe 80");
  EXPECT_EQ(combo->ItemIndex(), 3);
  UserInput::Key(win::VK_BACK);  // deletes the selected completion
  EXPECT_EQ(combo->Text(), "ipe ");
  EXPECT_EQ(combo->ItemIndex(), -1);
  UserInput::Type("8");
  UserInput::Key(win::VK_BACK);
  EXPECT_EQ(combo->Text(), "ipe 8");
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(log_, (Log{"change -1 ipe", "click 3", "change 3 ipe 80", "change -1 ipe ", "click 3",
                       "change 3 ipe 80", "change -1 ipe 8"}));
  EXPECT_TRUE(input_.boxes.empty());
}

TEST_F(StandardControlsInput, ListOnlyComboBoxSearchesTheCharactersTypedInQuickSuccession) {
  auto* combo = Add<TComboBox>("ComboBox1", 8, 8);
  combo->SetStyle(TComboBoxStyle::csDropDownList);
  Watch(combo);
  Show();
  combo->SetItems(Profiles());
  UserInput::Click(*combo, 10);
  ASSERT_EQ(form_->ActiveControl(), combo);
  ASSERT_TRUE(win::IsChild(combo->Handle(), win::GetFocus())) << "the edit part has the focus";

  UserInput::Type("i");
  EXPECT_EQ(combo->ItemIndex(), 2);
  UserInput::Backend().Advance(499);
  UserInput::Type("p");
  EXPECT_EQ(combo->ItemIndex(), 2);
  UserInput::Backend().Advance(499);
  UserInput::Type("e");
  EXPECT_EQ(combo->ItemIndex(), 3) << "\"ipe\" is one search";
  UserInput::Backend().Advance(500);
  UserInput::Type("l");
  EXPECT_EQ(combo->ItemIndex(), 0) << "after a pause a new search begins";
  UserInput::Type(" 25");
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(log_, (Log{"click 2", "change 2 iPB 100", "click 3", "change 3 ipe 80", "click 0",
                       "change 0 l 20x3", "click 1", "change 1 l 25x3"}));
}

}  // namespace
}  // namespace pw

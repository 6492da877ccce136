#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/ComboBox.h"
#include "controls/CustomForm.h"
#include "controls/Edit.h"
#include "controls/RadioButton.h"

namespace pw {
namespace {

class StandardControls : public ::testing::Test {
 protected:
  template <class T>
  T* Add(TWinControl* parent, const char* name) {
    auto* control = new T(form_.get());
    control->SetName(name);
    control->SetParent(parent);
    return control;
  }
  std::unique_ptr<TForm> form_ = std::make_unique<TForm>(nullptr);
  std::vector<std::string> events_;
};

TEST_F(StandardControls, CheckingARadioButtonUnchecksItsSiblingsThenClicks) {
  auto* r1 = Add<TRadioButton>(form_.get(), "R1");
  auto* r2 = Add<TRadioButton>(form_.get(), "R2");
  auto* r3 = Add<TRadioButton>(form_.get(), "R3");
  auto* panel = Add<TForm>(form_.get(), "Panel");
  auto* elsewhere = Add<TRadioButton>(panel, "Elsewhere");
  for (TRadioButton* r : {r1, r2, r3, elsewhere}) {
    r->OnClick = [this, r, r1, r2, r3](TObject* sender) {
      EXPECT_EQ(sender, r);
      events_.push_back(r->Name() + " " + std::to_string(r1->Checked()) +
                        std::to_string(r2->Checked()) + std::to_string(r3->Checked()));
    };
  }
  elsewhere->SetChecked(true);
  r1->SetChecked(true);
  r3->SetChecked(true);
  r3->SetChecked(true);   // already checked: no click
  r3->SetChecked(false);  // unchecking: no click, even with none left checked
  EXPECT_EQ(events_, (std::vector<std::string>{"Elsewhere 000", "R1 100", "R3 001"}));
  EXPECT_TRUE(elsewhere->Checked()) << "other parents are other groups";
  EXPECT_FALSE(r3->TabStop());

  r2->SetChecked(true);
  EXPECT_TRUE(r2->TabStop()) << "the checked button is the group's tab stop";
  EXPECT_FALSE(r1->TabStop());
  events_.clear();
  r1->SetClicksDisabled(true);
  r1->SetChecked(true);
  EXPECT_TRUE(events_.empty());
  EXPECT_FALSE(r2->Checked());
}

TEST_F(StandardControls, EditRaisesOneChangePerDifferentText) {
  auto* edit = Add<TEdit>(form_.get(), "Counter");
  edit->SetVisible(false);
  edit->SetReadOnly(true);
  edit->SetText("1");
  edit->OnChange = [&](TObject*) { events_.push_back(edit->Text()); };
  edit->SetText("2");  // read-only stops typing, not assignments
  edit->SetText("2");
  edit->SetText("");
  EXPECT_EQ(events_, (std::vector<std::string>{"2", ""}));
}

TEST_F(StandardControls, ComboAssignmentsRaiseNoChange) {
  auto* combo = Add<TComboBox>(form_.get(), "ComboBox1");
  combo->SetText("ComboBox1");
  combo->OnChange = [&](TObject*) { events_.push_back("change"); };
  TStringList list;
  list.Add("L 20x3");
  list.Add("L 25x3");
  combo->SetItems(list);
  EXPECT_EQ(combo->Text(), "ComboBox1") << "new items keep the edit text";
  EXPECT_EQ(combo->ItemIndex(), -1);
  combo->SetItemIndex(1);
  EXPECT_EQ(combo->Text(), "L 25x3");
  combo->SetItemIndex(0);
  EXPECT_EQ(combo->Text(), "L 20x3");
  EXPECT_EQ(combo->Items().Strings(-1), "");
  EXPECT_EQ(combo->Items().Strings(2), "");
  combo->SetItemIndex(7);
  EXPECT_EQ(combo->ItemIndex(), -1);
  combo->SetItems(list);
  EXPECT_EQ(combo->Items().Count(), 2) << "assigning replaces, never appends";
  EXPECT_TRUE(events_.empty());
}

}  // namespace
}  // namespace pw

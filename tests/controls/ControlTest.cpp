#include <gtest/gtest.h>

#include <memory>

#include "controls/CustomForm.h"
#include "controls/Edit.h"
#include "controls/Image.h"
#include "controls/Label.h"

namespace pw {
namespace {

class Controls : public ::testing::Test {
 protected:
  template <class T>
  T* Add(const char* name) {
    auto* control = new T(form_.get());
    control->SetName(name);
    control->SetParent(form_.get());
    return control;
  }
  std::unique_ptr<TForm> form_ = std::make_unique<TForm>(nullptr);
};

TEST_F(Controls, GraphicAndWindowedChildrenKeepTheirOwnOrders) {
  auto* image1 = Add<TImage>("Image1");
  auto* edit1 = Add<TEdit>("Edit1");
  auto* image2 = Add<TImage>("Image2");
  auto* edit2 = Add<TEdit>("Edit2");
  auto* label = Add<TLabel>("Label1");
  EXPECT_EQ(form_->GraphicChildren(), (std::vector<TControl*>{image1, image2, label}));
  EXPECT_EQ(form_->WindowedChildren(), (std::vector<TWinControl*>{edit1, edit2}));
  EXPECT_EQ(form_->ControlCount(), 5);
  EXPECT_EQ(form_->Controls(3), edit1);

  image1->BringToFront();
  EXPECT_EQ(form_->GraphicChildren(), (std::vector<TControl*>{image2, label, image1}));
  image1->BringToFront();  // already in front
  EXPECT_EQ(form_->GraphicChildren(), (std::vector<TControl*>{image2, label, image1}));
  label->SendToBack();
  EXPECT_EQ(form_->GraphicChildren(), (std::vector<TControl*>{label, image2, image1}));
  edit1->BringToFront();
  EXPECT_EQ(form_->WindowedChildren(), (std::vector<TWinControl*>{edit2, edit1}));
  EXPECT_EQ(edit1->TabOrder(), 0) << "the z-order leaves the tab order alone";

  delete image2;
  EXPECT_EQ(form_->GraphicChildren(), (std::vector<TControl*>{label, image1}));
  TImage orphan(nullptr);
  orphan.BringToFront();  // no parent: nothing happens
  EXPECT_EQ(orphan.Parent(), nullptr);
}

TEST_F(Controls, TabOrderIsThePositionInTheParentsTabList) {
  auto* a = Add<TEdit>("A");
  auto* b = Add<TEdit>("B");
  auto* c = Add<TEdit>("C");
  EXPECT_EQ(c->TabOrder(), 2);
  c->SetTabOrder(0);
  EXPECT_EQ(form_->TabList(), (std::vector<TWinControl*>{c, a, b}));
  a->SetTabOrder(-5);
  EXPECT_EQ(form_->TabList(), (std::vector<TWinControl*>{a, c, b}));
  a->SetTabOrder(99);
  EXPECT_EQ(form_->TabList(), (std::vector<TWinControl*>{c, b, a}));
  b->SetParent(nullptr);
  EXPECT_EQ(form_->TabList(), (std::vector<TWinControl*>{c, a}));
  EXPECT_EQ(b->TabOrder(), -1);
  b->SetParent(form_.get());
  EXPECT_EQ(b->TabOrder(), 2);
}

TEST_F(Controls, SettingBoundsChangesOnlyThatSide) {
  auto* image = Add<TImage>("Image1");
  EXPECT_EQ(image->Width(), 105);
  image->SetBounds(8, 64, 49, 41);
  image->SetTop(8);
  image->SetWidth(425);
  EXPECT_EQ(image->Left(), 8);
  EXPECT_EQ(image->Top(), 8);
  EXPECT_EQ(image->Width(), 425);
  EXPECT_EQ(image->Height(), 41);
}

TEST_F(Controls, FreeingAParentLeavesItsChildrenToTheirOwner) {
  auto* edit = Add<TEdit>("Edit1");
  auto* panel = Add<TForm>("Panel");
  edit->SetParent(panel);
  delete panel;
  EXPECT_EQ(edit->Parent(), nullptr);
  EXPECT_EQ(form_->FindComponent("Edit1"), edit);
  EXPECT_EQ(form_->ControlCount(), 0);
}

}  // namespace
}  // namespace pw

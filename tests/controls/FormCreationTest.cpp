#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "controls/CustomForm.h"
#include "controls/Edit.h"
#include "formc/FormWriter.h"
#include "forms/Reader.h"
#include "platform/sys/EmbeddedResources.h"
#include "platform/win/Window.h"

// Windows made by MakeForm from descriptions embedded as resources: when OnCreate runs, and a
// description that shows its window.

namespace pw {
namespace {

using formc::TFormWriter;

// Counts its OnCreate runs and notes what it found there.
class TCreateForm : public TForm {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }
  using TForm::TForm;

  TEdit* Edit1 = nullptr;

  void FormCreate(TObject*) {
    ++creates;
    visibleAtCreate = Visible();
    edit1AtCreate = Edit1 != nullptr ? Edit1->Text() : "(none)";
  }

  int creates = 0;
  bool visibleAtCreate = true;
  std::string edit1AtCreate;
};

constexpr TFieldInfo kFields[] = {
    PublishedField<&TCreateForm::Edit1>("Edit1"),
};
constexpr TMethodInfo kMethods[] = {
    PublishedMethod<&TCreateForm::FormCreate>("FormCreate"),
};
const TClassInfo TCreateForm::classInfo{"TCreateForm", &TForm::classInfo, {}, kFields, kMethods};

// One class per description; the resource of each is named after it.
template <const char* Name, class Parent = TCreateForm>
class TDescribedForm : public Parent {
 public:
  static constexpr TClassInfo classInfo{Name, &Parent::classInfo};
  const TClassInfo& ClassInfo() const override { return classInfo; }
  using Parent::Parent;
};

constexpr char kOldOrder[] = "TOldOrderForm";
constexpr char kNewOrder[] = "TNewOrderForm";
constexpr char kUnstatedOrder[] = "TUnstatedOrderForm";
constexpr char kBaseLayer[] = "TBaseLayerForm";
constexpr char kOldOrderLayer[] = "TOldOrderLayerForm";
constexpr char kNewOrderLayer[] = "TNewOrderLayerForm";
constexpr char kShown[] = "TShownForm";
constexpr char kShownOldOrder[] = "TShownOldOrderForm";
using TOldOrderForm = TDescribedForm<kOldOrder>;
using TNewOrderForm = TDescribedForm<kNewOrder>;
using TUnstatedOrderForm = TDescribedForm<kUnstatedOrder>;
using TBaseLayerForm = TDescribedForm<kBaseLayer>;
using TOldOrderLayerForm = TDescribedForm<kOldOrderLayer, TBaseLayerForm>;
using TNewOrderLayerForm = TDescribedForm<kNewOrderLayer, TBaseLayerForm>;
using TShownForm = TDescribedForm<kShown>;
using TShownOldOrderForm = TDescribedForm<kShownOldOrder>;

void Bool(TFormWriter& w, std::string_view name, bool value) {
  w.WriteShortText(name);
  w.WriteBool(value);
}
void Ident(TFormWriter& w, std::string_view name, std::string_view value) {
  w.WriteShortText(name);
  w.WriteIdent(value);
}

// A description: the root's properties, then an edit box (inherited: only its text).
std::vector<std::uint8_t> Description(std::string_view className, std::optional<bool> oldOrder,
                                      const std::function<void(TFormWriter&)>& more,
                                      bool inherited = false) {
  TFormWriter w;
  w.WriteSignature();
  if (inherited) w.WritePrefix(kFlagInherited);
  w.WriteShortText(className);
  w.WriteShortText("CreateForm");
  if (!inherited) Ident(w, "OnCreate", "FormCreate");
  if (oldOrder) Bool(w, "OldCreateOrder", *oldOrder);
  more(w);
  w.WriteListEnd();
  if (inherited) w.WritePrefix(kFlagInherited);
  w.WriteShortText("TEdit");
  w.WriteShortText("Edit1");
  w.WriteShortText("Text");
  w.WriteString(inherited ? "layer 2" : "layer 1");
  w.WriteListEnd();
  w.WriteListEnd();
  w.WriteListEnd();
  return w.Bytes();
}

struct StoredResource {
  std::string name;
  std::vector<std::uint8_t> bytes;
  std::uint64_t size = 0;
};

std::vector<StoredResource> BuildResources() {
  const auto none = [](TFormWriter&) {};
  const auto visible = [](TFormWriter& w) { Bool(w, "Visible", true); };
  std::vector<StoredResource> stored = {
      {"TOLDORDERFORM", Description("TOldOrderForm", true, none)},
      {"TNEWORDERFORM", Description("TNewOrderForm", false, none)},
      {"TUNSTATEDORDERFORM", Description("TUnstatedOrderForm", std::nullopt, none)},
      {"TBASELAYERFORM", Description("TBaseLayerForm", false, none)},
      {"TOLDORDERLAYERFORM", Description("TOldOrderLayerForm", std::nullopt, none, true)},
      {"TNEWORDERLAYERFORM", Description("TNewOrderLayerForm", false, none, true)},
      {"TSHOWNFORM", Description("TShownForm", false, visible)},
      {"TSHOWNOLDORDERFORM", Description("TShownOldOrderForm", std::nullopt, visible)},
  };
  for (StoredResource& r : stored) r.size = r.bytes.size();
  return stored;
}

// MakeForm, with a reference of its own.
template <class Form>
std::unique_ptr<Form> Make() {
  Form* reference = nullptr;
  std::unique_ptr<Form> form(MakeForm<Form>(nullptr, reference));
  EXPECT_EQ(reference, form.get());
  return form;
}

class FormCreation : public ::testing::Test {};

TEST_F(FormCreation, OnCreateRunsOnceInEitherOrderAfterEveryLayerIsRead) {
  {
    auto form = Make<TOldOrderForm>();
    EXPECT_TRUE(form->OldCreateOrder());
    EXPECT_EQ(form->creates, 1);
    EXPECT_EQ(form->edit1AtCreate, "layer 1");
  }
  {
    auto form = Make<TNewOrderForm>();
    EXPECT_FALSE(form->OldCreateOrder());
    EXPECT_EQ(form->creates, 1);
  }
  {
    auto form = Make<TUnstatedOrderForm>();
    EXPECT_TRUE(form->OldCreateOrder()) << "a description that does not say gets the old order";
    EXPECT_EQ(form->creates, 1);
    EXPECT_FALSE(form->visibleAtCreate);
  }
  // Two layers: the ancestor's description, then the class's own, which finds the ancestor's
  // edit box and sets its text.
  for (bool oldOrder : {true, false}) {
    SCOPED_TRACE(oldOrder ? "old order" : "new order");
    std::unique_ptr<TCreateForm> form;
    if (oldOrder) {
      form = Make<TOldOrderLayerForm>();
    } else {
      form = Make<TNewOrderLayerForm>();
    }
    EXPECT_EQ(form->OldCreateOrder(), oldOrder);
    EXPECT_EQ(form->creates, 1);
    EXPECT_EQ(form->edit1AtCreate, "layer 2");
    EXPECT_EQ(form->ComponentCount(), 1);
  }
}

TEST_F(FormCreation, ADescriptionThatSetsVisibleShowsTheWindowWhenConstructionEnds) {
  for (bool oldOrder : {true, false}) {
    SCOPED_TRACE(oldOrder ? "old order" : "new order");
    std::unique_ptr<TCreateForm> form;
    if (oldOrder) {
      form = Make<TShownOldOrderForm>();
    } else {
      form = Make<TShownForm>();
    }
    EXPECT_EQ(form->creates, 1);
    EXPECT_FALSE(form->visibleAtCreate) << "the window is still hidden in OnCreate";
    EXPECT_TRUE(form->Visible());
    ASSERT_TRUE(form->HandleAllocated());
    EXPECT_TRUE(win::IsWindowVisible(form->Handle()));
    EXPECT_TRUE(win::IsWindowVisible(form->Edit1->Handle()));
    form->SetVisible(false);
    EXPECT_FALSE(win::IsWindowVisible(form->Handle()));
    form->SetVisible(true);
    EXPECT_TRUE(win::IsWindowVisible(form->Handle()));
  }
}

}  // namespace
}  // namespace pw

// This test program's embedded resources: the descriptions above.
namespace pw::sys::detail {

std::span<const EmbeddedResource> EmbeddedResources() {
  static const std::vector<pw::StoredResource> stored = pw::BuildResources();
  static const std::vector<EmbeddedResource> table = [] {
    std::vector<EmbeddedResource> entries;
    for (const pw::StoredResource& r : stored) {
      entries.push_back({r.name.c_str(), ResourceType::RcData, r.bytes.data(), &r.size});
    }
    return entries;
  }();
  return table;
}

}  // namespace pw::sys::detail

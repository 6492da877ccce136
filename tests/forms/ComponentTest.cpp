#include "forms/Component.h"

#include "forms/FilerErrors.h"
#include "forms/TypeInfo.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace pw {
namespace {

// Records its name in `log` when freed.
class Logged : public TComponent {
 public:
  Logged(TComponent* owner, std::string name, std::vector<std::string>& log)
      : TComponent(owner), log_(log) {
    SetName(std::move(name));
  }
  ~Logged() override { log_.push_back(Name()); }

 private:
  std::vector<std::string>& log_;
};

TEST(Component, OwnerFreesWhatItOwnsLastCreatedFirst) {
  std::vector<std::string> log;
  {
    Logged owner(nullptr, "Owner", log);
    new Logged(&owner, "A", log);
    auto* b = new Logged(&owner, "B", log);
    new Logged(b, "B1", log);
    new Logged(&owner, "C", log);
    EXPECT_EQ(owner.ComponentCount(), 3);
  }
  // Each destructor logs before its base frees the components it owns.
  EXPECT_EQ(log, (std::vector<std::string>{"Owner", "C", "B", "B1", "A"}));
}

TEST(Component, FreedComponentLeavesItsOwner) {
  std::vector<std::string> log;
  Logged owner(nullptr, "Owner", log);
  auto* a = new Logged(&owner, "Edit1", log);
  new Logged(&owner, "Edit2", log);
  delete a;
  ASSERT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(owner.Components(0)->Name(), "Edit2");
  EXPECT_EQ(owner.FindComponent("EDIT2"), owner.Components(0));
  EXPECT_EQ(owner.FindComponent("Edit1"), nullptr);
  EXPECT_EQ(owner.FindComponent("Edit"), nullptr);
}

// An owner with a published field, as window classes have.
class TOwnerWithField : public TComponent {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }
  using TComponent::TComponent;
  TComponent* Edit1 = nullptr;
};
constexpr TFieldInfo kOwnerFields[] = {PublishedField<&TOwnerWithField::Edit1>("Edit1")};
const TClassInfo TOwnerWithField::classInfo{
    "TOwnerWithField", &TComponent::classInfo, {}, kOwnerFields};

TEST(Component, NamingChecksTheNameAndKeepsTheOwnersField) {
  TOwnerWithField owner(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  a->SetName("edit1");
  EXPECT_EQ(owner.Edit1, a) << "fields are matched without regard to case";
  a->SetName("Edit1");  // a change of case only
  EXPECT_EQ(a->Name(), "Edit1");
  try {
    b->SetName("EDIT1");
    FAIL() << "duplicate accepted";
  } catch (const EComponentError& e) {
    EXPECT_EQ(e.Message(), "A component named EDIT1 already exists");
  }
  for (const char* bad : {"1Edit", "Edit 1", "Edit-1", "Ä"}) {
    try {
      b->SetName(bad);
      FAIL() << bad;
    } catch (const EComponentError& e) {
      EXPECT_EQ(e.Message(), std::string("''") + bad + "'' is not a valid component name");
    }
  }
  b->SetName("_Edit_2");
  a->SetName("Other");
  EXPECT_EQ(owner.Edit1, nullptr) << "renaming clears the old field";
  b->SetName("Edit1");
  EXPECT_EQ(owner.Edit1, b);
  delete b;
  EXPECT_EQ(owner.Edit1, nullptr) << "freeing clears the field";
  a->SetName("");
  EXPECT_EQ(a->Name(), "");
}

}  // namespace
}  // namespace pw

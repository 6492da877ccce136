#include "controls/Component.h"

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

}  // namespace
}  // namespace pw

#include "platform/sys/ContextStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pw::sys {
namespace {

std::vector<std::string> gone;  // names of the objects destroyed, in order

struct First {
  int value = 0;
  ~First() { gone.push_back("first"); }
};
struct Second {
  ~Second() {
    gone.push_back("second");
    // Asks for an object already gone: it is made anew and goes too.
    ContextLocal<First>().value = 1;
  }
};

TEST(ContextStore, EachRunHasItsOwnObjectsAndTheInnerHidesTheOuter) {
  ContextLocal<First>().value = 7;
  EXPECT_EQ(&ContextLocal<First>(), &ContextLocal<First>());
  {
    ContextStore inner;
    EXPECT_EQ(&ContextStore::Current(), &inner);
    EXPECT_EQ(ContextLocal<First>().value, 0);
    ContextLocal<First>().value = 3;
  }
  EXPECT_EQ(ContextLocal<First>().value, 7);
}

TEST(ContextStore, ObjectsGoInTheReverseOrderOfTheirMakingAndMayStillAskForOthers) {
  gone.clear();
  {
    ContextStore store;
    ContextLocal<Second>();
    ContextLocal<First>();
  }
  EXPECT_EQ(gone, (std::vector<std::string>{"first", "second", "first"}));
}

}  // namespace
}  // namespace pw::sys

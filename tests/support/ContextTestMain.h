#pragma once
// The main of a test executable whose tests each get a context of their own (TestContext.h, or
// a plain store or graphics context for the layers below the windowing stand-in).

#include <gtest/gtest.h>

#include <optional>

namespace pw::testing {

template <typename Context>
class FreshContextPerTest : public ::testing::EmptyTestEventListener {
 public:
  void OnTestStart(const ::testing::TestInfo&) override { context_.emplace(); }
  void OnTestEnd(const ::testing::TestInfo&) override { context_.reset(); }

 private:
  std::optional<Context> context_;
};

template <typename Context>
int RunTestsWithFreshContexts(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshContextPerTest<Context>);
  return RUN_ALL_TESTS();
}

}  // namespace pw::testing

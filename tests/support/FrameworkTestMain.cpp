// Each test with a fresh framework context (and platform context) on a headless backend.
#include "controls/FrameworkContext.h"
#include "support/ContextTestMain.h"
#include "support/TestContext.h"

int main(int argc, char** argv) {
  using Context = pw::testing::TestContext<pw::FrameworkContext>;
  return pw::testing::RunTestsWithFreshContexts<Context>(argc, argv);
}

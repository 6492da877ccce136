// Each test with a fresh platform context on a headless backend.
#include "platform/win/PlatformContext.h"
#include "support/ContextTestMain.h"
#include "support/TestContext.h"

int main(int argc, char** argv) {
  using Context = pw::testing::TestContext<pw::win::PlatformContext>;
  return pw::testing::RunTestsWithFreshContexts<Context>(argc, argv);
}

// Each test with a fresh graphics context.
#include "platform/gfx/GdiContext.h"
#include "support/ContextTestMain.h"

int main(int argc, char** argv) {
  return pw::testing::RunTestsWithFreshContexts<pw::gfx::GdiContext>(argc, argv);
}

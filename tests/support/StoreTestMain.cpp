// Each test with a fresh store of per-run state (registries, caches).
#include "platform/sys/ContextStore.h"
#include "support/ContextTestMain.h"

int main(int argc, char** argv) {
  return pw::testing::RunTestsWithFreshContexts<pw::sys::ContextStore>(argc, argv);
}

#pragma once
// A fresh run of the toolkit for each test: the test executables' main (ContextTestMain.h)
// makes one before each test and drops it after, so that nothing one test leaves behind (windows,
// graphics objects, registered classes, the application's state, the headless clock) reaches
// the next.

#include <memory>
#include <utility>

#include "platform/backend/HeadlessBackend.h"

namespace pw::testing {

inline win::HeadlessBackend*& CurrentHeadless() {
  static win::HeadlessBackend* backend = nullptr;
  return backend;
}

// The headless backend of the current test's context.
inline win::HeadlessBackend& Headless() {
  return *CurrentHeadless();
}

// A context of type Context (win::PlatformContext or pw::FrameworkContext) on a headless backend
// of its own, current while it lives.
template <typename Context>
class TestContext {
 public:
  TestContext() : outer_(CurrentHeadless()) {
    auto backend = std::make_unique<win::HeadlessBackend>();
    CurrentHeadless() = backend.get();
    context_ = std::make_unique<Context>(std::move(backend));
  }
  ~TestContext() {
    context_.reset();
    CurrentHeadless() = outer_;
  }
  TestContext(const TestContext&) = delete;
  TestContext& operator=(const TestContext&) = delete;

 private:
  win::HeadlessBackend* outer_;
  std::unique_ptr<Context> context_;
};

}  // namespace pw::testing

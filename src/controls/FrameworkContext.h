#pragma once
// One run of the framework: a platform context (win/PlatformContext.h) and, inside it, the
// application and screen objects, the class and component registries, the message pump, the
// handler-exception report and the framework's caches. While it is alive every framework call
// works on it; when it goes, its application's forms go first, then everything else.
//
// Every program, tool and fuzz target starts by making one; tests make a fresh one per test.

#include <memory>

#include "platform/sys/ContextStore.h"
#include "platform/win/Backend.h"
#include "platform/win/PlatformContext.h"

namespace pw {

class FrameworkContext {
 public:
  // The backend as the factory (platform/backend/ChooseBackend.h) makes it.
  explicit FrameworkContext(std::unique_ptr<win::Backend> backend);
  ~FrameworkContext();
  FrameworkContext(const FrameworkContext&) = delete;
  FrameworkContext& operator=(const FrameworkContext&) = delete;

 private:
  win::PlatformContext platform_;
  std::unique_ptr<sys::ContextStore> store_;
};

}  // namespace pw

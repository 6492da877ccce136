#include "platform/backend/ChooseBackend.h"

#include <cstdlib>
#include <string_view>

#include "platform/backend/HeadlessBackend.h"
#include "platform/backend/SdlBackend.h"

namespace pw::win {
namespace {

bool EnvironmentSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

}  // namespace

std::unique_ptr<Backend> CreateBackend(BackendKind kind) {
  if (kind == BackendKind::kSdl) return CreateSdlBackend();
  return std::make_unique<HeadlessBackend>();
}

ChosenBackend ChooseBackend() {
  const char* forced = std::getenv("PW_BACKEND");
  const bool headless = (forced != nullptr && std::string_view(forced) == "headless") ||
                        (!EnvironmentSet("DISPLAY") && !EnvironmentSet("WAYLAND_DISPLAY"));
  if (!headless) {
    if (auto backend = CreateBackend(BackendKind::kSdl))
      return {BackendKind::kSdl, std::move(backend)};
  }
  return {BackendKind::kHeadless, CreateBackend(BackendKind::kHeadless)};
}

std::string_view BackendName(BackendKind kind) {
  return kind == BackendKind::kSdl ? "sdl" : "headless";
}

}  // namespace pw::win

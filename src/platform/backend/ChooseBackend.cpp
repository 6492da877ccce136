#include "platform/backend/ChooseBackend.h"

#include <cstdlib>
#include <string_view>

#include "platform/backend/SdlBackend.h"

namespace pw::win {
namespace {

bool EnvironmentSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

}  // namespace

BackendKind ChooseBackend() {
  const char* forced = std::getenv("PW_BACKEND");
  if (forced != nullptr && std::string_view(forced) == "headless") return BackendKind::kHeadless;
  if (!EnvironmentSet("DISPLAY") && !EnvironmentSet("WAYLAND_DISPLAY")) {
    return BackendKind::kHeadless;
  }
  auto backend = CreateSdlBackend();
  if (!backend) return BackendKind::kHeadless;
  SetBackend(std::move(backend));
  return BackendKind::kSdl;
}

std::string_view BackendName(BackendKind kind) {
  return kind == BackendKind::kSdl ? "sdl" : "headless";
}

}  // namespace pw::win

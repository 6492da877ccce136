#include "platform/backend/ChooseBackend.h"

#include <cstdlib>
#include <string_view>

#include "platform/backend/SdlBackend.h"
#include "platform/win/HeadlessBackend.h"

namespace pw::win {
namespace {

bool EnvironmentSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

}  // namespace

ChosenBackend ChooseBackend() {
  const char* forced = std::getenv("PW_BACKEND");
  if (forced != nullptr && std::string_view(forced) == "headless") {
    return {BackendKind::kHeadless, std::make_unique<HeadlessBackend>()};
  }
  if (!EnvironmentSet("DISPLAY") && !EnvironmentSet("WAYLAND_DISPLAY")) {
    return {BackendKind::kHeadless, std::make_unique<HeadlessBackend>()};
  }
  auto backend = CreateSdlBackend();
  if (!backend) return {BackendKind::kHeadless, std::make_unique<HeadlessBackend>()};
  return {BackendKind::kSdl, std::move(backend)};
}

std::string_view BackendName(BackendKind kind) {
  return kind == BackendKind::kSdl ? "sdl" : "headless";
}

}  // namespace pw::win

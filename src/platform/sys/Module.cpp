#include "platform/sys/Module.h"

#include <filesystem>
#include <system_error>

namespace pw::sys {

std::string ModuleFileName() {
  std::error_code error;
  std::string path = std::filesystem::read_symlink("/proc/self/exe", error).string();
  if (error) return {};
  if (path.size() > 255) path.resize(255);
  return path;
}

}  // namespace pw::sys

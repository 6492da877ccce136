#include "platform/sys/Resources.h"

#include "platform/sys/EmbeddedResources.h"

namespace pw::sys {

namespace detail {

// An executable without pw_form_resources has no resources; that library's table replaces this
// one (its object files are always part of the link, so the linker cannot drop them).
[[gnu::weak]] std::span<const EmbeddedResource> EmbeddedResources() {
  return {};
}

}  // namespace detail

namespace {

char AsciiUpper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  return true;
}

}  // namespace

std::optional<std::span<const std::uint8_t>> FindResource(std::string_view name,
                                                          ResourceType type) {
  for (const detail::EmbeddedResource& resource : detail::EmbeddedResources())
    if (resource.type == type && SameName(resource.name, name))
      return std::span<const std::uint8_t>(resource.data, *resource.size);
  return std::nullopt;
}

}  // namespace pw::sys

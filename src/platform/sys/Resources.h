#pragma once
// Resources embedded in the executable at build time, found by type and name.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace pw::sys {

enum class ResourceType : std::uint16_t {
  RcData = 10,     // raw data: the form streams
  GroupIcon = 14,  // the application icon (a PNG image here)
};

// The bytes of the resource; names compared without regard to ASCII case.
std::optional<std::span<const std::uint8_t>> FindResource(std::string_view name, ResourceType type);

}  // namespace pw::sys

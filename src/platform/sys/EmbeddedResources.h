#pragma once
// The table of resources embedded in the executable. It is generated at build time and compiled
// into the object library pw_form_resources, which every executable that looks resources up links
// directly; FindResource reads it. Without that library the table is empty.

#include <cstdint>
#include <span>

#include "platform/sys/Resources.h"

namespace pw::sys::detail {

struct EmbeddedResource {
  const char* name;
  ResourceType type;
  const std::uint8_t* data;
  const std::uint64_t* size;  // stored beside the data when it is assembled
};

std::span<const EmbeddedResource> EmbeddedResources();

}  // namespace pw::sys::detail

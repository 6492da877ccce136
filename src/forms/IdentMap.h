#pragma once
// Tables of named integer constants (colours, character sets, cursors) and the lookup functions
// the integer-constant registry takes.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "forms/Text.h"

namespace pw {

struct TIdentMapEntry {
  std::string_view ident;
  std::int32_t value;
};

// Identifier to value, ASCII case ignored; `Table` returns the table.
template <std::span<const TIdentMapEntry> (*Table)()>
std::optional<std::int32_t> IdentToIntIn(std::string_view ident) {
  for (const TIdentMapEntry& entry : Table()) {
    if (SameText(entry.ident, ident)) return entry.value;
  }
  return std::nullopt;
}

// Value to its first identifier.
template <std::span<const TIdentMapEntry> (*Table)()>
std::optional<std::string_view> IntToIdentIn(std::int32_t value) {
  for (const TIdentMapEntry& entry : Table()) {
    if (entry.value == value) return entry.ident;
  }
  return std::nullopt;
}

}  // namespace pw

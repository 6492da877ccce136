#pragma once
// The profile catalogue: four families of rolled steel sections, each an ordered list of sizes
// with their designations and unit weights in kg/m.

#include <optional>
#include <span>
#include <string_view>

#include "convert/Extended.h"

namespace pw::catalogue {

struct ProfileSize {
  std::string_view designation;
  Extended unitWeight;  // kg/m
};

struct ProfileFamily {
  std::string_view prefix;
  std::span<const ProfileSize> sizes;
};

inline constexpr int kFamilyCount = 4;

// Family 1 (L), 2 (U), 3 (I) or 4 (IPB).
const ProfileFamily& Family(int family);

// The unit weight of a size; none for an index outside the family's list (including -1).
std::optional<Extended> UnitWeight(int family, int index);

}  // namespace pw::catalogue

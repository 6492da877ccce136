#pragma once
// Comparisons of identifiers: ASCII letters without regard to case, other bytes exactly.

#include <string_view>

namespace pw {

bool SameText(std::string_view a, std::string_view b);

}  // namespace pw

#pragma once
// The scale the desktop asks programs to draw at (2 on a 200 % desktop). The framework keeps its
// 96-pixel-per-inch layout; the backend presents it scaled. PW_SCALE overrides what the desktop
// says.

#include <optional>
#include <string_view>

namespace pw::win {

// Scales outside this range are not honoured.
inline constexpr double kMinScale = 1.0;
inline constexpr double kMaxScale = 8.0;

// A scale written as a positive decimal number ("2", "1.5"); nothing when it is not one or lies
// outside the honoured range.
std::optional<double> ParseScale(std::string_view text);

// Xft.dpi / 96 from the text of an X resource database ("Xft.dpi:\t192" gives 2); nothing without
// that resource or when it gives a scale outside the honoured range.
std::optional<double> ScaleFromXResources(std::string_view resources);

// The override from the environment (PW_SCALE), if set and valid.
std::optional<double> ScaleOverride();

}  // namespace pw::win

#include "platform/backend/DesktopScale.h"

#include <charconv>
#include <cstdlib>
#include <string>

namespace pw::win {
namespace {

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

std::optional<double> Number(std::string_view text) {
  text = Trim(text);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return {};
  return value;
}

std::optional<double> InRange(std::optional<double> scale) {
  if (!scale || !(*scale >= kMinScale && *scale <= kMaxScale)) return {};
  return scale;
}

}  // namespace

std::optional<double> ParseScale(std::string_view text) {
  return InRange(Number(text));
}

std::optional<double> ScaleFromXResources(std::string_view resources) {
  // One resource per line: "name:\tvalue". The last definition counts, as in the database.
  std::optional<double> scale;
  while (!resources.empty()) {
    const auto end = resources.find('\n');
    const std::string_view line = resources.substr(0, end);
    resources = end == std::string_view::npos ? std::string_view() : resources.substr(end + 1);
    const auto colon = line.find(':');
    if (colon == std::string_view::npos || Trim(line.substr(0, colon)) != "Xft.dpi") continue;
    if (auto dpi = Number(line.substr(colon + 1)); dpi && *dpi > 0) scale = *dpi / 96.0;
  }
  return InRange(scale);
}

std::optional<double> ScaleOverride() {
  const char* value = std::getenv("PW_SCALE");
  return value != nullptr ? ParseScale(value) : std::nullopt;
}

}  // namespace pw::win

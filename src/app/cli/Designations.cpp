#include "app/cli/Designations.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

#include "app/catalogue/Catalogue.h"

namespace pw::cli {

namespace {

// Designations are short; a longer text is compared by its start only.
constexpr std::size_t kComparedLength = 32;

// Lower case, blanks removed.
std::string Key(std::string_view text) {
  std::string key;
  key.reserve(text.size());
  for (char c : text) {
    if (c == ' ') continue;
    key.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
  }
  return key;
}

const std::unordered_map<std::string, std::size_t>& EntriesByKey() {
  static const auto byKey = [] {
    std::unordered_map<std::string, std::size_t> map;
    const auto& entries = CatalogueEntries();
    for (std::size_t i = 0; i < entries.size(); ++i) map.emplace(Key(entries[i].designation), i);
    return map;
  }();
  return byKey;
}

std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  std::iota(row.begin(), row.end(), std::size_t{0});
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

const std::vector<CatalogueEntry>& CatalogueEntries() {
  static const auto entries = [] {
    std::vector<CatalogueEntry> list;
    for (int family = 1; family <= catalogue::kFamilyCount; ++family) {
      const auto sizes = catalogue::Family(family).sizes;
      for (std::size_t i = 0; i < sizes.size(); ++i) {
        list.push_back({family, static_cast<int>(i), sizes[i].designation, sizes[i].unitWeight});
      }
    }
    return list;
  }();
  return entries;
}

const CatalogueEntry* FindDesignation(std::string_view text) {
  std::string key;
  for (char c : text) {
    if (c == ' ') continue;
    // Longer than every designation's key: no need to read on.
    if (key.size() == kComparedLength) return nullptr;
    key.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
  }
  const auto& byKey = EntriesByKey();
  const auto found = byKey.find(key);
  return found == byKey.end() ? nullptr : &CatalogueEntries()[found->second];
}

std::vector<std::string_view> ClosestDesignations(std::string_view text, std::size_t count) {
  std::string key = Key(text.substr(0, std::min(text.size(), kComparedLength * 4)));
  if (key.size() > kComparedLength) key.resize(kComparedLength);
  const auto& entries = CatalogueEntries();
  std::vector<std::pair<std::size_t, std::size_t>> ranked;  // distance, catalogue position
  for (std::size_t i = 0; i < entries.size(); ++i) {
    ranked.emplace_back(EditDistance(key, Key(entries[i].designation)), i);
  }
  count = std::min(count, ranked.size());
  std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(count),
                    ranked.end());
  std::vector<std::string_view> closest;
  for (std::size_t i = 0; i < count; ++i) closest.push_back(entries[ranked[i].second].designation);
  return closest;
}

std::string UnknownDesignationMessage(std::string_view text) {
  if (text.find_first_not_of(' ') == std::string_view::npos) return "No profile designation";
  // A text far longer than any designation is shown by its start.
  constexpr std::size_t kShown = 40;
  std::string shown(text.substr(0, kShown));
  if (text.size() > kShown) shown += "...";
  std::string message = "'" + shown + "' is not in the catalogue; closest: ";
  const auto closest = ClosestDesignations(text, 3);
  for (std::size_t i = 0; i < closest.size(); ++i) {
    if (i > 0) message += ", ";
    message += closest[i];
  }
  return message;
}

}  // namespace pw::cli

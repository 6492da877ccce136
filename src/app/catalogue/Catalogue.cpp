#include "app/catalogue/Catalogue.h"

#include <array>
#include <stdexcept>

namespace pw::catalogue {

namespace {

// Weights are extended literals: each is the nearest extended value to its decimal.
constexpr ProfileSize kAngles[] = {
    {"L 20x3", 0.882L},  {"L 25x3", 1.12L},   {"L 25x4", 1.45L},    {"L 30x3", 1.36L},
    {"L 30x4", 1.78L},   {"L 35x4", 2.09L},   {"L 40x4", 2.42L},    {"L 40x5", 2.97L},
    {"L 45x4.5", 3.06L}, {"L 50x4", 3.06L},   {"L 50x5", 3.77L},    {"L 50x6", 4.47L},
    {"L 60x5", 4.57L},   {"L 60x6", 5.42L},   {"L 60x8", 7.09L},    {"L 65x7", 6.83L},
    {"L 70x6", 6.38L},   {"L 70x7", 7.38L},   {"L 75x6", 6.85L},    {"L 75x8", 8.99L},
    {"L 80x8", 9.63L},   {"L 80x10", 11.9L},  {"L 90x7", 9.61L},    {"L 90x8", 10.9L},
    {"L 90x9", 12.2L},   {"L 90x10", 13.4L},  {"L 100x8", 12.2L},   {"L 100x10", 15.0L},
    {"L 100x12", 17.8L}, {"L 120x10", 18.2L}, {"L 120x12", 21.6L},  {"L 130x12", 23.6L},
    {"L 150x10", 23.0L}, {"L 150x12", 27.3L}, {"L 150x15", 33.8L},  {"L 160x15", 36.2L},
    {"L 180x16", 43.5L}, {"L 180x18", 48.6L}, {"L 200x16", 48.5L},  {"L 200x18", 54.3L},
    {"L 200x20", 59.9L}, {"L 200x24", 71.1L}, {"L 250x28", 104.0L}, {"L 250x35", 128.0L},
};

constexpr ProfileSize kChannels[] = {
    {"U 30x15", 1.74L}, {"U 30", 4.27L},  {"U 40x20", 2.28L}, {"U 40", 4.87L},  {"U 50x25", 3.86L},
    {"U 50", 5.59L},    {"U 60", 5.07L},  {"U 65", 7.09L},    {"U 80", 8.64L},  {"U 100", 10.6L},
    {"U 120", 13.4L},   {"U 140", 16.0L}, {"U 160", 18.8L},   {"U 180", 22.0L}, {"U 200", 25.3L},
    {"U 220", 29.4L},   {"U 240", 33.2L}, {"U 260", 37.9L},   {"U 280", 41.8L}, {"U 300", 46.2L},
    {"U 320", 59.5L},   {"U 350", 60.6L}, {"U 380", 63.1L},   {"U 400", 71.8L},
};

constexpr ProfileSize kBeams[] = {
    {"I 80", 5.94L},  {"I 100", 8.34L}, {"I 120", 11.1L},  {"I 140", 14.3L},  {"I 160", 17.9L},
    {"I 180", 21.9L}, {"I 200", 26.2L}, {"I 220", 31.1L},  {"I 240", 36.2L},  {"I 260", 41.9L},
    {"I 280", 47.9L}, {"I 300", 54.2L}, {"I 320", 61.0L},  {"I 340", 68.0L},  {"I 360", 76.1L},
    {"I 380", 84.0L}, {"I 400", 92.4L}, {"I 450", 115.0L}, {"I 500", 141.0L}, {"I 550", 166.0L},
};

constexpr ProfileSize kWideFlangeBeams[] = {
    {"IPB 100", 20.4L},  {"IPB 120", 26.7L},  {"IPB 140", 33.7L},  {"IPB 160", 42.6L},
    {"IPB 180", 51.2L},  {"IPB 200", 61.3L},  {"IPB 220", 71.5L},  {"IPB 240", 83.2L},
    {"IPB 260", 93.0L},  {"IPB 280", 103.0L}, {"IPB 300", 117.0L}, {"IPB 320", 127.0L},
    {"IPB 340", 134.0L}, {"IPB 360", 142.0L}, {"IPB 400", 155.0L}, {"IPB 450", 171.0L},
    {"IPB 500", 187.0L}, {"IPB 550", 199.0L}, {"IPB 600", 212.0L}, {"IPB 650", 225.0L},
    {"IPB 700", 241.0L}, {"IPB 800", 262.0L}, {"IPB 900", 291.0L}, {"IPB 1000", 314.0L},
};

constexpr std::array<ProfileFamily, kFamilyCount> kFamilies = {{
    {"L", kAngles},
    {"U", kChannels},
    {"I", kBeams},
    {"IPB", kWideFlangeBeams},
}};

}  // namespace

const ProfileFamily& Family(int family) {
  if (family < 1 || family > kFamilyCount) throw std::out_of_range("no such profile family");
  return kFamilies[static_cast<std::size_t>(family - 1)];
}

std::optional<Extended> UnitWeight(int family, int index) {
  const auto sizes = Family(family).sizes;
  if (index < 0 || static_cast<std::size_t>(index) >= sizes.size()) return std::nullopt;
  return sizes[static_cast<std::size_t>(index)].unitWeight;
}

}  // namespace pw::catalogue

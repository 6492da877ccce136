#include "platform/backend/SurfaceScaler.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace pw::win {
namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

// Where a target pixel's centre falls between two source pixels, in 1/256ths.
struct Tap {
  int first;
  int second;
  std::uint32_t weight;  // of the second
};

Tap TapFor(int targetIndex, double factor, int sourceSize) {
  const double position = (targetIndex + 0.5) / factor - 0.5;
  const double floor = std::floor(position);
  int first = static_cast<int>(floor);
  auto weight = static_cast<std::uint32_t>(std::lround((position - floor) * 256));
  if (weight >= 256) ++first, weight = 0;
  if (first < 0) first = 0, weight = 0;
  if (first >= sourceSize - 1) first = sourceSize - 1, weight = 0;
  return {first, std::min(first + 1, sourceSize - 1), weight};
}

std::uint32_t Blend(std::uint32_t a, std::uint32_t b, std::uint32_t weight) {
  const std::uint32_t keep = 256 - weight;
  const std::uint32_t redBlue = ((a & 0xFF00FFu) * keep + (b & 0xFF00FFu) * weight) >> 8;
  const std::uint32_t green = ((a & 0x00FF00u) * keep + (b & 0x00FF00u) * weight) >> 8;
  return (redBlue & 0xFF00FFu) | (green & 0x00FF00u);
}

// `out` in target pixels; `at` is where the source's top-left pixel goes.
void Replicate(const PixelRows& source, const gfx::RECT& out, gfx::POINT at, int factor,
               const PixelRows& target) {
  if (factor == 1) {
    for (int y = out.top; y < out.bottom; ++y) {
      const std::uint32_t* from = source.Row(y - at.y) + (out.left - at.x);
      std::uint32_t* to = target.Row(y) + out.left;
      for (int x = 0; x < out.Width(); ++x) to[x] = from[x] | kOpaque;
    }
    return;
  }
  for (int y = out.top; y < out.bottom; ++y) {
    std::uint32_t* to = target.Row(y);
    if ((y - at.y) % factor != 0 && y > out.top) {
      std::copy_n(target.Row(y - 1) + out.left, out.Width(), to + out.left);
      continue;
    }
    const std::uint32_t* from = source.Row((y - at.y) / factor);
    for (int x = out.left; x < out.right; ++x) to[x] = from[(x - at.x) / factor] | kOpaque;
  }
}

void Filter(const PixelRows& source, const gfx::RECT& out, gfx::POINT at, double factorX,
            double factorY, const PixelRows& target) {
  std::vector<Tap> columns;
  columns.reserve(static_cast<std::size_t>(out.Width()));
  for (int x = out.left; x < out.right; ++x) {
    columns.push_back(TapFor(x - at.x, factorX, source.width));
  }
  for (int y = out.top; y < out.bottom; ++y) {
    const Tap row = TapFor(y - at.y, factorY, source.height);
    const std::uint32_t* upper = source.Row(row.first);
    const std::uint32_t* lower = source.Row(row.second);
    std::uint32_t* to = target.Row(y) + out.left;
    for (const Tap& column : columns) {
      const std::uint32_t top = Blend(upper[column.first], upper[column.second], column.weight);
      const std::uint32_t bottom = Blend(lower[column.first], lower[column.second], column.weight);
      *to++ = Blend(top, bottom, row.weight) | kOpaque;
    }
  }
}

}  // namespace

gfx::RECT ScaleArea(const PixelRows& source, gfx::RECT area, const PixelRows& target,
                    const gfx::RECT& placement) {
  if (source.width <= 0 || source.height <= 0 || placement.Empty()) return {};
  area.left = std::max(area.left, 0);
  area.top = std::max(area.top, 0);
  area.right = std::min(area.right, source.width);
  area.bottom = std::min(area.bottom, source.height);
  if (area.Empty()) return {};

  const double factorX = static_cast<double>(placement.Width()) / source.width;
  const double factorY = static_cast<double>(placement.Height()) / source.height;
  const int factor = placement.Width() / source.width;
  const bool integer =
      placement.Width() == source.width * factor && placement.Height() == source.height * factor;
  // A filtered pixel also draws on its neighbours: one more pixel all round.
  const int margin = integer ? 0 : 1;
  gfx::RECT out{placement.left + static_cast<int>(std::floor(area.left * factorX)) - margin,
                placement.top + static_cast<int>(std::floor(area.top * factorY)) - margin,
                placement.left + static_cast<int>(std::ceil(area.right * factorX)) + margin,
                placement.top + static_cast<int>(std::ceil(area.bottom * factorY)) + margin};
  out.left = std::max({out.left, placement.left, 0});
  out.top = std::max({out.top, placement.top, 0});
  out.right = std::min({out.right, placement.right, target.width});
  out.bottom = std::min({out.bottom, placement.bottom, target.height});
  if (out.Empty()) return {};
  const gfx::POINT at{placement.left, placement.top};
  if (integer) {
    Replicate(source, out, at, factor, target);
  } else {
    Filter(source, out, at, factorX, factorY, target);
  }
  return out;
}

}  // namespace pw::win

// Blits: BitBlt, StretchBlt, MaskBlt and PatBlt with ternary raster operations.
//
// Every blit runs through one plan: the destination rectangle in device coordinates, and for
// each axis the source position (or block of positions, or weighted taps for halftone) behind
// each destination position. Destination positions whose source lies outside the source bitmap
// or the mask are dropped, then the rest is drawn piece by piece over the destination's visible
// parts. Values are 32-bit pixels on colour surfaces and all-zero / all-one words on monochrome
// ones, so one set of raster operations serves both; colour-to-monochrome and
// monochrome-to-colour conversions happen when source values are fetched.

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gfx/GdiObjects.h"
#include "platform/gfx/Raster.h"

namespace pw::gfx {
namespace {

constexpr std::uint8_t RopIndex(std::uint32_t rop) {
  return static_cast<std::uint8_t>(rop >> 16);
}
constexpr bool UsesSource(std::uint8_t r) {
  return (((r >> 2) ^ r) & 0x33) != 0;
}
constexpr bool UsesPattern(std::uint8_t r) {
  return (((r >> 4) ^ r) & 0x0F) != 0;
}

// The raster operations with a fast form; the rest are evaluated from their truth table.
struct OpSource {
  std::uint32_t operator()(std::uint32_t, std::uint32_t s, std::uint32_t) const { return s; }
};
struct OpDest {
  std::uint32_t operator()(std::uint32_t, std::uint32_t, std::uint32_t d) const { return d; }
};
struct OpAnd {
  std::uint32_t operator()(std::uint32_t, std::uint32_t s, std::uint32_t d) const { return s & d; }
};
struct OpOr {
  std::uint32_t operator()(std::uint32_t, std::uint32_t s, std::uint32_t d) const { return s | d; }
};
struct OpXor {
  std::uint32_t operator()(std::uint32_t, std::uint32_t s, std::uint32_t d) const { return s ^ d; }
};
struct OpDestAndNotSource {  // DSna
  std::uint32_t operator()(std::uint32_t, std::uint32_t s, std::uint32_t d) const { return d & ~s; }
};
struct OpSourceAndNotDest {  // SRCERASE
  std::uint32_t operator()(std::uint32_t, std::uint32_t s, std::uint32_t d) const { return s & ~d; }
};
struct OpPattern {
  std::uint32_t operator()(std::uint32_t p, std::uint32_t, std::uint32_t) const { return p; }
};
struct OpGeneric {
  std::uint8_t rop;
  // Bit i of the operation's index is the result for pattern, source, destination bits
  // (i >> 2, i >> 1, i) & 1; evaluated on all 32 bits at once.
  std::uint32_t operator()(std::uint32_t p, std::uint32_t s, std::uint32_t d) const {
    std::uint32_t result = 0;
    for (int i = 0; i < 8; ++i) {
      if ((rop >> i) & 1) result |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    }
    return result;
  }
};

template <class Visit>
void WithRop(std::uint8_t rop, Visit&& visit) {
  switch (rop) {
    case 0xCC:
      return visit(OpSource{});
    case 0xAA:
      return visit(OpDest{});
    case 0x88:
      return visit(OpAnd{});
    case 0xEE:
      return visit(OpOr{});
    case 0x66:
      return visit(OpXor{});
    case 0x22:
      return visit(OpDestAndNotSource{});
    case 0x44:
      return visit(OpSourceAndNotDest{});
    case 0xF0:
      return visit(OpPattern{});
    default:
      return visit(OpGeneric{rop});
  }
}

// ---- Axes: which source positions feed each destination position

enum class Sampling { Nearest, Combine, Average };

struct Tap {
  int source;
  std::uint32_t weight;
};

struct Axis {
  std::vector<int> pick;         // Nearest: source position of each destination position
  std::vector<int> first, last;  // Combine: source block [first, last)
  std::vector<Tap> taps;         // Average: weighted source positions ...
  std::vector<int> tapStart;     // ... of destination position i: [tapStart[i], tapStart[i + 1])
  int begin = 0, end = 0;        // destination positions whose source is inside
};

// `count` destination positions drawn from `sourceCount` source positions starting at `start`
// (reversed when `mirror`), of which [0, limit) exist. Rows and columns are picked with the
// integer step sourceCount / count: position i takes source i * sourceCount / count.
Axis MakeAxis(int count, int start, int sourceCount, bool mirror, int limit, Sampling sampling) {
  Axis axis;
  const auto inside = [&](int s) { return s >= 0 && s < limit; };
  const auto sourceOf = [&](std::int64_t k) {
    return static_cast<int>(mirror ? start + sourceCount - 1 - k : start + k);
  };
  int begin = count, end = 0;
  const auto mark = [&](int i, bool valid) {
    if (valid) {
      begin = std::min(begin, i);
      end = i + 1;
    }
  };
  if (sampling == Sampling::Nearest) {
    axis.pick.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
      const int s = sourceOf(static_cast<std::int64_t>(i) * sourceCount / count);
      axis.pick[static_cast<std::size_t>(i)] = s;
      mark(i, inside(s));
    }
  } else if (sampling == Sampling::Combine) {
    axis.first.resize(static_cast<std::size_t>(count));
    axis.last.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
      const std::int64_t lo = static_cast<std::int64_t>(i) * sourceCount / count;
      const std::int64_t hi =
          std::max(lo + 1, static_cast<std::int64_t>(i + 1) * sourceCount / count);
      int a = mirror ? sourceOf(hi - 1) : sourceOf(lo);
      int b = (mirror ? sourceOf(lo) : sourceOf(hi - 1)) + 1;
      a = std::max(a, 0);
      b = std::min(b, limit);
      axis.first[static_cast<std::size_t>(i)] = a;
      axis.last[static_cast<std::size_t>(i)] = b;
      mark(i, a < b);
    }
  } else {
    // Destination position i covers [i * sourceCount, (i + 1) * sourceCount) in units where a
    // source position is `count` long; each source position weighs by its overlap.
    axis.tapStart.reserve(static_cast<std::size_t>(count) + 1);
    for (int i = 0; i < count; ++i) {
      axis.tapStart.push_back(static_cast<int>(axis.taps.size()));
      const std::int64_t lo = static_cast<std::int64_t>(i) * sourceCount;
      const std::int64_t hi = lo + sourceCount;
      bool any = false;
      for (std::int64_t k = lo / count; k * count < hi; ++k) {
        const std::int64_t overlap = std::min(hi, (k + 1) * count) - std::max(lo, k * count);
        const int s = sourceOf(k);
        if (overlap > 0 && inside(s)) {
          axis.taps.push_back({s, static_cast<std::uint32_t>(overlap)});
          any = true;
        }
      }
      mark(i, any);
    }
    axis.tapStart.push_back(static_cast<int>(axis.taps.size()));
  }
  axis.begin = begin;
  axis.end = std::max(end, begin);
  return axis;
}

// ---- Source values

struct SourceReader {
  const Bitmap* bitmap = nullptr;
  bool monoSource = false;
  bool monoDest = false;
  std::uint32_t zero = 0, one = 0;  // monochrome source: values of 0 and 1 bits
  std::uint32_t background = 0;     // colour to monochrome: this pixel becomes 1

  std::uint32_t At(const std::uint8_t* row, int x) const {
    if (monoSource) return ((row[x >> 3] >> (7 - (x & 7))) & 1) ? one : zero;
    const std::uint32_t pixel = reinterpret_cast<const std::uint32_t*>(row)[x];
    if (monoDest) return (pixel & 0xFFFFFF) == background ? 0xFFFFFFFFu : 0u;
    return pixel;
  }
};

struct Plan {
  Bitmap* dest = nullptr;
  const DeviceContext* dc = nullptr;
  RECT area;  // destination, device coordinates
  bool useSource = false;
  SourceReader source;
  Sampling sampling = Sampling::Nearest;
  bool identity = false;  // same size, not mirrored: source x = x + dx, y = y + dy
  int dx = 0, dy = 0;
  POINT mapStart;  // device position of the first destination position of the axes
  Axis columns, rows;
  std::uint32_t pattern = 0;
  std::uint8_t fore = 0xCC, back = 0xCC;
  const Bitmap* mask = nullptr;
  int maskDx = 0, maskDy = 0;  // mask position = destination position + maskD
};

// Fills `out` with the source values of destination columns [x0, x1) of destination row y.
void SourceRow(const Plan& plan, int y, int x0, int x1, std::uint32_t* out) {
  const SourceReader& src = plan.source;
  const int n = x1 - x0;
  if (plan.identity) {
    const std::uint8_t* row = src.bitmap->Row(y + plan.dy);
    for (int i = 0; i < n; ++i) out[i] = src.At(row, x0 + i + plan.dx);
    return;
  }
  const int ry = y - plan.mapStart.y;
  const int cx = x0 - plan.mapStart.x;
  switch (plan.sampling) {
    case Sampling::Nearest: {
      const std::uint8_t* row = src.bitmap->Row(plan.rows.pick[static_cast<std::size_t>(ry)]);
      const int* pick = plan.columns.pick.data() + cx;
      for (int i = 0; i < n; ++i) out[i] = src.At(row, pick[i]);
      return;
    }
    case Sampling::Combine: {
      // Eliminated rows and columns are kept by AND (black on white) or OR (white on black).
      const bool keepBlack = plan.dc->state.stretchMode == BLACKONWHITE;
      const std::uint32_t start = keepBlack ? 0xFFFFFFFFu : 0u;
      std::fill(out, out + n, start);
      const int y0 = plan.rows.first[static_cast<std::size_t>(ry)];
      const int y1 = plan.rows.last[static_cast<std::size_t>(ry)];
      for (int sy = y0; sy < y1; ++sy) {
        const std::uint8_t* row = src.bitmap->Row(sy);
        for (int i = 0; i < n; ++i) {
          const auto c = static_cast<std::size_t>(cx + i);
          std::uint32_t v = out[i];
          for (int sx = plan.columns.first[c]; sx < plan.columns.last[c]; ++sx) {
            v = keepBlack ? v & src.At(row, sx) : v | src.At(row, sx);
          }
          out[i] = v;
        }
      }
      return;
    }
    case Sampling::Average: {
      std::vector<std::uint64_t> sums(static_cast<std::size_t>(n) * 3);
      const Axis& rows = plan.rows;
      const Axis& columns = plan.columns;
      std::uint64_t rowWeight = 0;
      for (int t = rows.tapStart[static_cast<std::size_t>(ry)];
           t < rows.tapStart[static_cast<std::size_t>(ry) + 1]; ++t) {
        const Tap& rowTap = rows.taps[static_cast<std::size_t>(t)];
        rowWeight += rowTap.weight;
        const std::uint8_t* row = src.bitmap->Row(rowTap.source);
        for (int i = 0; i < n; ++i) {
          const auto c = static_cast<std::size_t>(cx + i);
          std::uint64_t b = 0, g = 0, r = 0;
          for (int u = columns.tapStart[c]; u < columns.tapStart[c + 1]; ++u) {
            const Tap& tap = columns.taps[static_cast<std::size_t>(u)];
            const std::uint32_t v = src.At(row, tap.source);
            b += std::uint64_t{v & 0xFF} * tap.weight;
            g += std::uint64_t{(v >> 8) & 0xFF} * tap.weight;
            r += std::uint64_t{(v >> 16) & 0xFF} * tap.weight;
          }
          sums[static_cast<std::size_t>(i) * 3] += b * rowTap.weight;
          sums[static_cast<std::size_t>(i) * 3 + 1] += g * rowTap.weight;
          sums[static_cast<std::size_t>(i) * 3 + 2] += r * rowTap.weight;
        }
      }
      for (int i = 0; i < n; ++i) {
        const auto c = static_cast<std::size_t>(cx + i);
        std::uint64_t columnWeight = 0;
        for (int u = columns.tapStart[c]; u < columns.tapStart[c + 1]; ++u) {
          columnWeight += columns.taps[static_cast<std::size_t>(u)].weight;
        }
        const std::uint64_t total = columnWeight * rowWeight;
        const auto channel = [&](int k) {
          return static_cast<std::uint32_t>(
              (sums[static_cast<std::size_t>(i) * 3 + static_cast<std::size_t>(k)] + total / 2) /
              total);
        };
        out[i] = channel(0) | (channel(1) << 8) | (channel(2) << 16);
      }
      return;
    }
  }
}

template <class Fore, class Back>
void MaskedRow(Fore fore, Back back, std::uint32_t p, const std::uint32_t* s, std::uint32_t* d,
               const Bitmap& mask, int maskX, int maskY, int n) {
  const std::uint8_t* bits = mask.Row(maskY);
  for (int i = 0; i < n; ++i) {
    const int x = maskX + i;
    const bool set = (bits[x >> 3] >> (7 - (x & 7))) & 1;
    d[i] = set ? fore(p, s[i], d[i]) : back(p, s[i], d[i]);
  }
}

// The general path: source values and destination values gathered into rows, combined, and
// written back.
void DrawPiece(const Plan& plan, const RECT& piece) {
  const int n = piece.Width();
  std::vector<std::uint32_t> sourceValues(static_cast<std::size_t>(n));
  std::vector<std::uint32_t> destValues;
  const bool monoDest = plan.dest->bitsPerPixel == 1;
  if (monoDest) destValues.resize(static_cast<std::size_t>(n));
  const bool direct = plan.useSource && plan.identity && !monoDest && !plan.source.monoSource;
  for (int y = piece.top; y < piece.bottom; ++y) {
    const std::uint32_t* s = sourceValues.data();
    if (direct) {
      s = plan.source.bitmap->Pixels32(y + plan.dy) + piece.left + plan.dx;
    } else if (plan.useSource) {
      SourceRow(plan, y, piece.left, piece.right, sourceValues.data());
    }
    std::uint32_t* d;
    if (monoDest) {
      for (int i = 0; i < n; ++i) destValues[i] = plan.dest->Bit(piece.left + i, y) ? ~0u : 0u;
      d = destValues.data();
    } else {
      d = plan.dest->Pixels32(y) + piece.left;
    }
    if (plan.mask) {
      WithRop(plan.fore, [&](auto fore) {
        WithRop(plan.back, [&](auto back) {
          MaskedRow(fore, back, plan.pattern, s, d, *plan.mask, piece.left + plan.maskDx,
                    y + plan.maskDy, n);
        });
      });
    } else {
      RopRow(plan.fore, plan.pattern, s, d, n);
    }
    if (monoDest) {
      for (int i = 0; i < n; ++i) plan.dest->SetBit(piece.left + i, y, destValues[i] & 1);
    }
  }
}

// Unstretched blits between a colour and a monochrome bitmap, as masks are built and applied.
bool DrawPieceMono(const Plan& plan, const RECT& piece) {
  const SourceReader& src = plan.source;
  if (!plan.identity || plan.fore != 0xCC || src.monoSource == src.monoDest) return false;
  for (int y = piece.top; y < piece.bottom; ++y) {
    if (src.monoDest) {
      const std::uint32_t* s = src.bitmap->Pixels32(y + plan.dy) + plan.dx;
      std::uint8_t* d = plan.dest->Row(y);
      for (int x = piece.left; x < piece.right; ++x) {
        const auto bit = static_cast<std::uint8_t>(0x80 >> (x & 7));
        if ((s[x] & 0xFFFFFF) == src.background) {
          d[x >> 3] = static_cast<std::uint8_t>(d[x >> 3] | bit);
        } else {
          d[x >> 3] = static_cast<std::uint8_t>(d[x >> 3] & ~bit);
        }
      }
    } else {
      const std::uint8_t* s = src.bitmap->Row(y + plan.dy);
      std::uint32_t* d = plan.dest->Pixels32(y);
      for (int x = piece.left; x < piece.right; ++x) {
        const int sx = x + plan.dx;
        d[x] = ((s[sx >> 3] >> (7 - (sx & 7))) & 1) ? src.one : src.zero;
      }
    }
  }
  return true;
}

// Colour to colour blits without gathering: unstretched ones straight from the source rows,
// stretched copies by the column map, repeated rows copied whole.
bool DrawPieceFast(const Plan& plan, const RECT& piece) {
  if (!plan.useSource || plan.mask) return false;
  if (plan.dest->bitsPerPixel != 32 || plan.source.bitmap->bitsPerPixel != 32) {
    return DrawPieceMono(plan, piece);
  }
  const int n = piece.Width();
  if (plan.identity && plan.fore != 0xCC) {
    for (int y = piece.top; y < piece.bottom; ++y) {
      const std::uint32_t* s = plan.source.bitmap->Pixels32(y + plan.dy) + piece.left + plan.dx;
      RopRow(plan.fore, plan.pattern, s, plan.dest->Pixels32(y) + piece.left, n);
    }
    return true;
  }
  if (plan.fore != 0xCC) return false;
  if (plan.identity) {
    for (int y = piece.top; y < piece.bottom; ++y) {
      const std::uint32_t* s = plan.source.bitmap->Pixels32(y + plan.dy) + piece.left + plan.dx;
      std::memmove(plan.dest->Pixels32(y) + piece.left, s, static_cast<std::size_t>(n) * 4);
    }
    return true;
  }
  if (plan.sampling != Sampling::Nearest) return false;
  const int* pick = plan.columns.pick.data() + (piece.left - plan.mapStart.x);
  int previousSource = -1;
  const std::uint32_t* previousRow = nullptr;
  for (int y = piece.top; y < piece.bottom; ++y) {
    const int sy = plan.rows.pick[static_cast<std::size_t>(y - plan.mapStart.y)];
    std::uint32_t* d = plan.dest->Pixels32(y) + piece.left;
    if (sy == previousSource && previousRow) {
      std::memcpy(d, previousRow, static_cast<std::size_t>(n) * 4);  // a repeated row
    } else {
      const std::uint32_t* s = plan.source.bitmap->Pixels32(sy);
      for (int i = 0; i < n; ++i) d[i] = s[pick[i]];
    }
    previousSource = sy;
    previousRow = d;
  }
  return true;
}

void Run(const Plan& plan) {
  if (plan.area.Empty()) return;
  plan.dc->ForEachVisible(plan.area, [&](const RECT& piece) {
    if (!DrawPieceFast(plan, piece)) DrawPiece(plan, piece);
  });
}

// The first pixel covered by a rectangle whose extents may be negative: from (x, y) a negative
// width covers x + width + 1 .. x, as mirrored copies are usually given.
POINT TopLeft(const RECT& r) {
  return {r.right < r.left ? r.right + 1 : r.left, r.bottom < r.top ? r.bottom + 1 : r.top};
}

struct Request {
  DeviceContext* dst = nullptr;
  RECT dest;  // logical; right < left or bottom < top mirrors
  DeviceContext* src = nullptr;
  RECT source;  // logical; may be mirrored likewise
  const Bitmap* mask = nullptr;
  POINT maskAt;
  std::uint8_t fore = 0xCC, back = 0xCC;
};

// Longer than most: the plan (source, pattern, mask, clipping, stretching) is set up in one
// place so that every raster operation takes the same path to the pixels.
bool Blit(const Request& request) {
  DeviceContext* dst = request.dst;
  Bitmap* dest = dst ? dst->Target() : nullptr;
  if (!dest) return false;
  const bool needSource = UsesSource(request.fore) || (request.mask && UsesSource(request.back));
  const bool needPattern = UsesPattern(request.fore) || (request.mask && UsesPattern(request.back));
  Plan plan;
  plan.dest = dest;
  plan.dc = dst;
  plan.fore = request.fore;
  plan.back = request.back;
  if (needPattern) {
    const Brush* brush = dst->state.brush;
    if (!brush || brush->style == BS_NULL) return true;  // a hollow brush paints nothing
    plan.pattern = ValueOf(*dest, brush->color);
  }

  const RECT& d = request.dest;
  const int width = std::abs(d.right - d.left), height = std::abs(d.bottom - d.top);
  if (width == 0 || height == 0) return true;
  const POINT at = dst->ToDevice(TopLeft(d));
  RECT area{at.x, at.y, at.x + width, at.y + height};

  // Source bitmap, copied first when it is the destination itself (overlapping blits).
  std::unique_ptr<Bitmap> copy;
  if (needSource) {
    if (!request.src || !request.src->Target()) return false;
    const Bitmap* source = request.src->Target();
    if (source == dest) {
      copy = std::make_unique<Bitmap>(source->width, source->height, source->bitsPerPixel, true);
      for (int y = 0; y < source->height; ++y) {
        std::memcpy(copy->Row(y), source->Row(y), static_cast<std::size_t>(source->stride));
      }
      source = copy.get();
    }
    plan.useSource = true;
    SourceReader& reader = plan.source;
    reader.bitmap = source;
    reader.monoSource = source->bitsPerPixel == 1;
    reader.monoDest = dest->bitsPerPixel == 1;
    if (reader.monoSource) {
      // Monochrome sources: 0 bits take the destination's text colour, 1 bits its background.
      reader.zero = ValueOf(*dest, dst->state.textColor);
      reader.one = ValueOf(*dest, dst->state.bkColor);
      if (reader.monoDest) reader.zero = 0, reader.one = 0xFFFFFFFFu;
    } else if (reader.monoDest) {
      // Colour to monochrome: the source context's background colour becomes 1.
      reader.background = PixelOf(request.src->state.bkColor);
    }

    const RECT& s = request.source;
    const int sourceWidth = std::abs(s.right - s.left), sourceHeight = std::abs(s.bottom - s.top);
    if (sourceWidth == 0 || sourceHeight == 0) return true;
    const POINT from = request.src->ToDevice(TopLeft(s));
    const bool mirrorX = (d.right < d.left) != (s.right < s.left);
    const bool mirrorY = (d.bottom < d.top) != (s.bottom < s.top);
    if (sourceWidth == width && sourceHeight == height && !mirrorX && !mirrorY) {
      plan.identity = true;
      plan.dx = from.x - area.left;
      plan.dy = from.y - area.top;
      area =
          area.Intersect({-plan.dx, -plan.dy, source->width - plan.dx, source->height - plan.dy});
    } else {
      const int mode = dst->state.stretchMode;
      const bool shrinks = sourceWidth > width || sourceHeight > height;
      if (mode == HALFTONE && dest->bitsPerPixel == 32) {
        plan.sampling = Sampling::Average;
      } else if ((mode == BLACKONWHITE || mode == WHITEONBLACK) && shrinks) {
        plan.sampling = Sampling::Combine;
      }
      plan.mapStart = {area.left, area.top};
      plan.columns = MakeAxis(width, from.x, sourceWidth, mirrorX, source->width, plan.sampling);
      plan.rows = MakeAxis(height, from.y, sourceHeight, mirrorY, source->height, plan.sampling);
      area = area.Intersect({area.left + plan.columns.begin, area.top + plan.rows.begin,
                             area.left + plan.columns.end, area.top + plan.rows.end});
    }
  }

  if (request.mask) {
    if (request.mask->bitsPerPixel != 1) return false;
    plan.mask = request.mask;
    plan.maskDx = request.maskAt.x - at.x;
    plan.maskDy = request.maskAt.y - at.y;
    area = area.Intersect({-plan.maskDx, -plan.maskDy, request.mask->width - plan.maskDx,
                           request.mask->height - plan.maskDy});
  }
  plan.area = area;
  Run(plan);
  return true;
}

}  // namespace

void RopRow(std::uint8_t rop, std::uint32_t pattern, const std::uint32_t* source,
            std::uint32_t* dest, int count) {
  WithRop(rop, [&](auto op) {
    for (int i = 0; i < count; ++i) dest[i] = op(pattern, source[i], dest[i]);
  });
}

void FillBitmapRect(Bitmap& bitmap, const RECT& rect, std::uint32_t value) {
  if (rect.Empty()) return;
  if (bitmap.bitsPerPixel == 1) {
    for (int y = rect.top; y < rect.bottom; ++y) {
      for (int x = rect.left; x < rect.right; ++x) bitmap.SetBit(x, y, value & 1);
    }
    return;
  }
  for (int y = rect.top; y < rect.bottom; ++y) {
    std::uint32_t* row = bitmap.Pixels32(y);
    std::fill(row + rect.left, row + rect.right, value);
  }
}

void FillDeviceRect(const DeviceContext& dc, const RECT& area, COLORREF color) {
  Bitmap* target = dc.Target();
  if (!target) return;
  const std::uint32_t value = ValueOf(*target, color);
  dc.ForEachVisible(area, [&](const RECT& piece) { FillBitmapRect(*target, piece, value); });
}

bool BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
            std::uint32_t rop) {
  if (width <= 0 || height <= 0) return AsDc(dst) != nullptr;
  Request request;
  request.dst = AsDc(dst);
  request.dest = {x, y, x + width, y + height};
  request.src = AsDc(src);
  request.source = {srcX, srcY, srcX + width, srcY + height};
  request.fore = request.back = RopIndex(rop);
  return Blit(request);
}

bool StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                int srcWidth, int srcHeight, std::uint32_t rop) {
  Request request;
  request.dst = AsDc(dst);
  request.dest = {x, y, x + width, y + height};
  request.src = AsDc(src);
  request.source = {srcX, srcY, srcX + srcWidth, srcY + srcHeight};
  request.fore = request.back = RopIndex(rop);
  return Blit(request);
}

bool MaskBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
             HBITMAP mask, int maskX, int maskY, std::uint32_t rop4) {
  if (width <= 0 || height <= 0) return AsDc(dst) != nullptr;
  Request request;
  request.dst = AsDc(dst);
  request.dest = {x, y, x + width, y + height};
  request.src = AsDc(src);
  request.source = {srcX, srcY, srcX + width, srcY + height};
  request.fore = RopIndex(rop4);
  request.back = static_cast<std::uint8_t>(rop4 >> 24);
  if (mask) {
    request.mask = AsBitmap(mask);
    if (!request.mask) return false;
    request.maskAt = {maskX, maskY};
  } else {
    request.back = request.fore;
  }
  return Blit(request);
}

bool PatBlt(HDC dc, int x, int y, int width, int height, std::uint32_t rop) {
  const std::uint8_t index = RopIndex(rop);
  if (UsesSource(index)) return false;
  Request request;
  request.dst = AsDc(dc);
  request.dest = {std::min(x, x + width), std::min(y, y + height), std::max(x, x + width),
                  std::max(y, y + height)};
  request.fore = request.back = index;
  return Blit(request);
}

}  // namespace pw::gfx

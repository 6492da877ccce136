// Device contexts: memory and window contexts, their objects, saved states, origin and clip.

#include <algorithm>
#include <climits>
#include <utility>

#include "platform/gfx/GdiObjects.h"
#include "platform/gfx/Raster.h"

namespace pw::gfx {
namespace {

// Stands for "everywhere" when a clip region is first cut from.
constexpr int kFar = 1 << 28;
constexpr RECT kEverywhere{-kFar, -kFar, kFar, kFar};

HandleTable<DeviceContext>& Contexts() {
  return Tables().contexts;
}

HGDIOBJ HandleOf(const GdiObject* object) {
  return object ? object->handle : nullptr;
}

void RetainState(const DcState& state) {
  Retain(state.bitmap);
  Retain(state.pen);
  Retain(state.brush);
  Retain(state.font);
}

void ReleaseState(const DcState& state) {
  Release(state.bitmap);
  Release(state.pen);
  Release(state.brush);
  Release(state.font);
}

HDC AddContext(std::unique_ptr<DeviceContext> dc) {
  dc->state.pen = AsPen(GetStockPen(BLACK_PEN));
  dc->state.brush = AsBrush(GetStockBrush(WHITE_BRUSH));
  RetainState(dc->state);
  const auto [slot, generation] = Contexts().Add(std::move(dc));
  return {slot, generation};
}

// The parts of `from` outside `hole`: at most four rectangles.
void Subtract(const RECT& from, const RECT& hole, std::vector<RECT>& out) {
  const RECT cut = from.Intersect(hole);
  if (cut.Empty()) {
    out.push_back(from);
    return;
  }
  if (from.top < cut.top) out.push_back({from.left, from.top, from.right, cut.top});
  if (cut.bottom < from.bottom) out.push_back({from.left, cut.bottom, from.right, from.bottom});
  if (from.left < cut.left) out.push_back({from.left, cut.top, cut.left, cut.bottom});
  if (cut.right < from.right) out.push_back({cut.right, cut.top, from.right, cut.bottom});
}

int RegionKind(const std::vector<RECT>& rects) {
  if (rects.empty()) return NULLREGION;
  return rects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

RECT Normalized(int left, int top, int right, int bottom) {
  return {std::min(left, right), std::min(top, bottom), std::max(left, right),
          std::max(top, bottom)};
}

}  // namespace

DeviceContext* AsDc(HDC dc) {
  return Contexts().Find(dc.Slot(), dc.Generation());
}

void DeviceContext::ForEachVisible(const RECT& area,
                                   const std::function<void(const RECT&)>& visit) const {
  const Bitmap* target = Target();
  if (!target) return;
  const RECT inside = area.Intersect({0, 0, target->width, target->height});
  if (inside.Empty()) return;
  const auto visitClipped = [&](const RECT& part) {
    if (!state.clip) {
      visit(part);
      return;
    }
    for (const RECT& clip : *state.clip) {
      const RECT piece = part.Intersect(clip);
      if (!piece.Empty()) visit(piece);
    }
  };
  if (memory) {
    visitClipped(inside);
    return;
  }
  for (const RECT& limit : limits) {
    const RECT part = inside.Intersect(limit);
    if (!part.Empty()) visitClipped(part);
  }
}

HDC CreateCompatibleDC(HDC dc) {
  if (dc && !AsDc(dc)) return nullptr;
  auto context = std::make_unique<DeviceContext>();
  context->memory = true;
  context->state.bitmap = AsBitmap(GetStockObject(DEFAULT_BITMAP));
  return AddContext(std::move(context));
}

HDC CreateSurfaceDC(HBITMAP surface, POINT origin, std::span<const RECT> limits) {
  Bitmap* bitmap = AsBitmap(surface);
  if (!bitmap || bitmap->bitsPerPixel != 32) return nullptr;
  auto context = std::make_unique<DeviceContext>();
  context->memory = false;
  context->surface = bitmap;
  context->dcOrigin = origin;
  context->limits.assign(limits.begin(), limits.end());
  Retain(bitmap);
  return AddContext(std::move(context));
}

bool DeleteDC(HDC dc) {
  DeviceContext* context = AsDc(dc);
  if (!context) return false;
  ReleaseState(context->state);
  for (const DcState& saved : context->saved) ReleaseState(saved);
  Release(context->surface);
  Contexts().Free(dc.Slot());
  return true;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  DeviceContext* context = AsDc(dc);
  if (!context) return nullptr;
  DcState& state = context->state;
  GdiObject* previous = nullptr;
  if (Bitmap* bitmap = AsBitmap(object)) {
    if (!context->memory) return nullptr;
    previous = state.bitmap;
    state.bitmap = bitmap;
  } else if (Pen* pen = AsPen(object)) {
    previous = state.pen;
    state.pen = pen;
  } else if (Brush* brush = AsBrush(object)) {
    previous = state.brush;
    state.brush = brush;
  } else if (Font* font = AsFont(object)) {
    previous = state.font;
    state.font = font;
  } else {
    return nullptr;
  }
  Retain(AsObject(object));
  // A context without a font of its own stands for the system font.
  HGDIOBJ result = previous ? previous->handle : GetStockFont(SYSTEM_FONT);
  Release(previous);
  return result;
}

HGDIOBJ GetCurrentObject(HDC dc, int kind) {
  const DeviceContext* context = AsDc(dc);
  if (!context) return nullptr;
  switch (kind) {
    case OBJ_PEN:
      return HandleOf(context->state.pen);
    case OBJ_BRUSH:
      return HandleOf(context->state.brush);
    case OBJ_FONT:
      return context->state.font ? context->state.font->handle : GetStockFont(SYSTEM_FONT);
    case OBJ_BITMAP:
      return HandleOf(context->memory ? context->state.bitmap : context->surface);
    default:
      return nullptr;
  }
}

int SaveDC(HDC dc) {
  DeviceContext* context = AsDc(dc);
  if (!context) return 0;
  context->saved.push_back(context->state);
  RetainState(context->state);
  return static_cast<int>(context->saved.size());
}

bool RestoreDC(HDC dc, int saved) {
  DeviceContext* context = AsDc(dc);
  if (!context) return false;
  const int count = static_cast<int>(context->saved.size());
  const int level = saved < 0 ? count + 1 + saved : saved;
  if (level < 1 || level > count) return false;
  while (static_cast<int>(context->saved.size()) > level) {
    ReleaseState(context->saved.back());
    context->saved.pop_back();
  }
  ReleaseState(context->state);
  context->state = std::move(context->saved.back());
  context->saved.pop_back();
  return true;
}

POINT SetViewportOrg(HDC dc, POINT origin) {
  DeviceContext* context = AsDc(dc);
  if (!context) return {};
  return std::exchange(context->state.origin, origin);
}

POINT GetViewportOrg(HDC dc) {
  const DeviceContext* context = AsDc(dc);
  return context ? context->state.origin : POINT{};
}

POINT OffsetViewportOrg(HDC dc, int dx, int dy) {
  DeviceContext* context = AsDc(dc);
  if (!context) return {};
  const POINT previous = context->state.origin;
  context->state.origin = {previous.x + dx, previous.y + dy};
  return previous;
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
  DeviceContext* context = AsDc(dc);
  if (!context) return ERROR_REGION;
  const RECT area = context->ToDevice(Normalized(left, top, right, bottom));
  std::vector<RECT> result;
  for (const RECT& clip : context->state.clip.value_or(std::vector<RECT>{kEverywhere})) {
    const RECT piece = clip.Intersect(area);
    if (!piece.Empty()) result.push_back(piece);
  }
  context->state.clip = std::move(result);
  return RegionKind(*context->state.clip);
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
  DeviceContext* context = AsDc(dc);
  if (!context) return ERROR_REGION;
  const RECT hole = context->ToDevice(Normalized(left, top, right, bottom));
  std::vector<RECT> result;
  for (const RECT& clip : context->state.clip.value_or(std::vector<RECT>{kEverywhere})) {
    Subtract(clip, hole, result);
  }
  context->state.clip = std::move(result);
  return RegionKind(*context->state.clip);
}

int ResetClip(HDC dc) {
  DeviceContext* context = AsDc(dc);
  if (!context) return ERROR_REGION;
  context->state.clip.reset();
  return SIMPLEREGION;
}

int GetClipBox(HDC dc, RECT& box) {
  const DeviceContext* context = AsDc(dc);
  box = {};
  if (!context) return ERROR_REGION;
  RECT bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  int pieces = 0;
  context->ForEachVisible(kEverywhere, [&](const RECT& piece) {
    bounds = {std::min(bounds.left, piece.left), std::min(bounds.top, piece.top),
              std::max(bounds.right, piece.right), std::max(bounds.bottom, piece.bottom)};
    ++pieces;
  });
  if (pieces == 0) return NULLREGION;
  const POINT offset = context->Offset();
  box = {bounds.left - offset.x, bounds.top - offset.y, bounds.right - offset.x,
         bounds.bottom - offset.y};
  return pieces == 1 ? SIMPLEREGION : COMPLEXREGION;
}

bool RectVisible(HDC dc, const RECT& rect) {
  const DeviceContext* context = AsDc(dc);
  if (!context) return false;
  bool visible = false;
  context->ForEachVisible(context->ToDevice(rect), [&](const RECT&) { visible = true; });
  return visible;
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
  DeviceContext* context = AsDc(dc);
  return context ? std::exchange(context->state.textColor, color & 0xFFFFFF) : CLR_INVALID;
}
COLORREF GetTextColor(HDC dc) {
  const DeviceContext* context = AsDc(dc);
  return context ? context->state.textColor : CLR_INVALID;
}
COLORREF SetBkColor(HDC dc, COLORREF color) {
  DeviceContext* context = AsDc(dc);
  return context ? std::exchange(context->state.bkColor, color & 0xFFFFFF) : CLR_INVALID;
}
COLORREF GetBkColor(HDC dc) {
  const DeviceContext* context = AsDc(dc);
  return context ? context->state.bkColor : CLR_INVALID;
}
int SetBkMode(HDC dc, int mode) {
  DeviceContext* context = AsDc(dc);
  if (!context || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  return std::exchange(context->state.bkMode, mode);
}
int GetBkMode(HDC dc) {
  const DeviceContext* context = AsDc(dc);
  return context ? context->state.bkMode : 0;
}
int SetStretchBltMode(HDC dc, int mode) {
  DeviceContext* context = AsDc(dc);
  if (!context || mode < BLACKONWHITE || mode > HALFTONE) return 0;
  return std::exchange(context->state.stretchMode, mode);
}
int GetStretchBltMode(HDC dc) {
  const DeviceContext* context = AsDc(dc);
  return context ? context->state.stretchMode : 0;
}

// Every context reports the screen: 32 bits per pixel at 96 pixels per inch.
int GetDeviceCaps(HDC, int index) {
  switch (index) {
    case HORZRES:
      return GetSystemMetrics(SM_CXSCREEN);
    case VERTRES:
      return GetSystemMetrics(SM_CYSCREEN);
    case BITSPIXEL:
      return 32;
    case PLANES:
      return 1;
    case LOGPIXELSX:
    case LOGPIXELSY:
      return 96;
    default:
      return 0;
  }
}

COLORREF GetPixel(HDC dc, int x, int y) {
  const DeviceContext* context = AsDc(dc);
  if (!context) return CLR_INVALID;
  const POINT p = context->ToDevice(POINT{x, y});
  COLORREF result = CLR_INVALID;
  context->ForEachVisible({p.x, p.y, p.x + 1, p.y + 1}, [&](const RECT&) {
    const Bitmap& target = *context->Target();
    result = target.bitsPerPixel == 1 ? (target.Bit(p.x, p.y) ? RGB(255, 255, 255) : 0)
                                      : ColorOf(target.Pixels32(p.y)[p.x]);
  });
  return result;
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) {
  const DeviceContext* context = AsDc(dc);
  if (!context) return CLR_INVALID;
  const POINT p = context->ToDevice(POINT{x, y});
  COLORREF result = CLR_INVALID;
  context->ForEachVisible({p.x, p.y, p.x + 1, p.y + 1}, [&](const RECT& piece) {
    Bitmap& target = *context->Target();
    FillBitmapRect(target, piece, ValueOf(target, color));
    result =
        target.bitsPerPixel == 1 ? (MonoBit(color) ? RGB(255, 255, 255) : 0) : (color & 0xFFFFFF);
  });
  return result;
}

}  // namespace pw::gfx

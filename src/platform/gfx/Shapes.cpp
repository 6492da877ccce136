// Lines, rectangles, focus rectangles, edges and the classic frame controls.

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "platform/gfx/GdiObjects.h"
#include "platform/gfx/Raster.h"

namespace pw::gfx {
namespace {

// Fills a logical rectangle with a colour, through the context's origin and clip.
void Fill(const DeviceContext& dc, const RECT& rect, COLORREF color) {
  if (!rect.Empty()) FillDeviceRect(dc, dc.ToDevice(rect), color);
}

void Dot(const DeviceContext& dc, int x, int y, COLORREF color) {
  Fill(dc, {x, y, x + 1, y + 1}, color);
}

// Inverts every other pixel of a device rectangle: those whose x + y is even.
void InvertCheckered(const DeviceContext& dc, const RECT& area) {
  Bitmap* target = dc.Target();
  if (!target || area.Empty()) return;
  dc.ForEachVisible(area, [&](const RECT& piece) {
    for (int y = piece.top; y < piece.bottom; ++y) {
      for (int x = piece.left + ((piece.left + y) & 1); x < piece.right; x += 2) {
        if (target->bitsPerPixel == 1) {
          target->SetBit(x, y, !target->Bit(x, y));
        } else {
          target->Pixels32(y)[x] ^= 0x00FFFFFF;
        }
      }
    }
  });
}

// ---- Edges

struct EdgeColors {
  COLORREF topLeft;
  COLORREF bottomRight;
};

// One-pixel border along the chosen sides; the bottom and right lines own the corners they
// share with the top and left ones.
void Border(const DeviceContext& dc, RECT& rect, EdgeColors colors, unsigned sides) {
  if (rect.Empty()) return;
  const int right = rect.right - ((sides & BF_RIGHT) ? 1 : 0);
  const int bottom = rect.bottom - ((sides & BF_BOTTOM) ? 1 : 0);
  if (sides & BF_TOP) Fill(dc, {rect.left, rect.top, right, rect.top + 1}, colors.topLeft);
  if (sides & BF_LEFT) Fill(dc, {rect.left, rect.top, rect.left + 1, bottom}, colors.topLeft);
  if (sides & BF_BOTTOM) {
    Fill(dc, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, colors.bottomRight);
  }
  if (sides & BF_RIGHT) {
    Fill(dc, {rect.right - 1, rect.top, rect.right, rect.bottom}, colors.bottomRight);
  }
  if (sides & BF_LEFT) ++rect.left;
  if (sides & BF_TOP) ++rect.top;
  if (sides & BF_RIGHT) --rect.right;
  if (sides & BF_BOTTOM) --rect.bottom;
}

// Outer border: raised light / dark shadow, sunken shadow / highlight. Inner border: raised
// highlight / shadow, sunken dark shadow / light. Soft edges swap the two top-left colours.
void Edge(const DeviceContext& dc, RECT& rect, unsigned edge, unsigned flags) {
  const bool soft = flags & BF_SOFT;
  const unsigned sides = flags & BF_RECT;
  RECT inside = rect;
  if (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER)) {
    const bool raised = edge & BDR_RAISEDOUTER;
    const int topLeft = raised ? (soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT)
                               : (soft ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW);
    const int bottomRight = raised ? COLOR_3DDKSHADOW : COLOR_BTNHIGHLIGHT;
    Border(dc, inside, {GetSysColor(topLeft), GetSysColor(bottomRight)}, sides);
  }
  if (edge & (BDR_RAISEDINNER | BDR_SUNKENINNER)) {
    const bool raised = edge & BDR_RAISEDINNER;
    const int topLeft = raised ? (soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT)
                               : (soft ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW);
    const int bottomRight = raised ? COLOR_BTNSHADOW : COLOR_3DLIGHT;
    Border(dc, inside, {GetSysColor(topLeft), GetSysColor(bottomRight)}, sides);
  }
  if (flags & BF_MIDDLE) Fill(dc, inside, GetSysColor(COLOR_BTNFACE));
  if (flags & BF_ADJUST) rect = inside;
}

// ---- Frame controls

// The classic radio button, 12 x 12 in a 13 x 13 cell: 'o' outer ring, 'i' inner ring,
// 'w' inside, '.' untouched.
constexpr std::array<const char*, 12> kRadio = {
    "....oooo....", "..ooiiiioo..", ".oiiwwwwiio.", ".oiwwwwwwio.", "oiwwwwwwwwio", "oiwwwwwwwwio",
    "oiwwwwwwwwio", "oiwwwwwwwwio", ".oiwwwwwwio.", ".oiiwwwwiio.", "..ooiiiioo..", "....oooo....",
};
constexpr std::array<const char*, 4> kRadioDot = {".XX.", "XXXX", "XXXX", ".XX."};

void Radio(const DeviceContext& dc, const RECT& rect, unsigned state) {
  const int left = rect.left + std::max(0, (rect.Width() - 13) / 2);
  const int top = rect.top + std::max(0, (rect.Height() - 13) / 2);
  const bool dim = state & (DFCS_INACTIVE | DFCS_PUSHED);
  const COLORREF inside = GetSysColor(dim ? COLOR_BTNFACE : COLOR_WINDOW);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 12; ++x) {
      const char kind = kRadio[static_cast<std::size_t>(y)][x];
      if (kind == '.') continue;
      // The top-left arcs end on the diagonal from the top-right to the bottom-left corner.
      const bool topLeft = x + y < 11 || (x + y == 11 && x > y);
      COLORREF color = inside;
      if (kind == 'o') color = GetSysColor(topLeft ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
      if (kind == 'i') color = GetSysColor(topLeft ? COLOR_3DDKSHADOW : COLOR_3DLIGHT);
      Dot(dc, left + x, top + y, color);
    }
  }
  if (!(state & DFCS_CHECKED)) return;
  const COLORREF dot = GetSysColor((state & DFCS_INACTIVE) ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) {
      if (kRadioDot[static_cast<std::size_t>(y)][x] == 'X') Dot(dc, left + 4 + x, top + 4 + y, dot);
    }
  }
}

// A down-pointing triangle of rows 7, 5, 3, 1 pixels wide from (left, top).
void DownTriangle(const DeviceContext& dc, int left, int top, COLORREF color) {
  for (int row = 0; row < 4; ++row) {
    Fill(dc, {left + row, top + row, left + 7 - row, top + row + 1}, color);
  }
}

void ComboButton(const DeviceContext& dc, const RECT& rect, unsigned state) {
  RECT inside = rect;
  int shift = 0;
  if (state & DFCS_PUSHED) {
    // Pressed: a flat shadow frame, the arrow one pixel right and down.
    Border(dc, inside, {GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNSHADOW)}, BF_RECT);
    Fill(dc, inside, GetSysColor(COLOR_BTNFACE));
    shift = 1;
  } else {
    Edge(dc, inside, EDGE_RAISED, BF_RECT | BF_MIDDLE);
  }
  const int left = rect.left + (rect.Width() - 7) / 2 + shift;
  const int top = rect.top + (rect.Height() - 4) / 2 + shift;
  if (state & DFCS_INACTIVE) {
    DownTriangle(dc, left + 1, top + 1, GetSysColor(COLOR_BTNHIGHLIGHT));
    DownTriangle(dc, left, top, GetSysColor(COLOR_BTNSHADOW));
  } else {
    DownTriangle(dc, left, top, GetSysColor(COLOR_BTNTEXT));
  }
}

}  // namespace

bool MoveToEx(HDC dc, int x, int y, POINT* previous) {
  DeviceContext* context = AsDc(dc);
  if (!context) return false;
  if (previous) *previous = context->state.position;
  context->state.position = {x, y};
  return true;
}

bool LineTo(HDC dc, int x, int y) {
  DeviceContext* context = AsDc(dc);
  if (!context) return false;
  const POINT from = context->ToDevice(context->state.position);
  const POINT to = context->ToDevice(POINT{x, y});
  context->state.position = {x, y};
  const Pen* pen = context->state.pen;
  Bitmap* target = context->Target();
  if (!pen || pen->style == PS_NULL || !target) return true;

  // Bresenham from `from` towards `to`, which is not drawn.
  std::vector<POINT> points;
  const int dx = std::abs(to.x - from.x), dy = -std::abs(to.y - from.y);
  const int sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
  points.reserve(static_cast<std::size_t>(std::max(dx, -dy)));
  int error = dx + dy;
  for (POINT p = from; p.x != to.x || p.y != to.y;) {
    points.push_back(p);
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      p.x += sx;
    }
    if (twice <= dx) {
      error += dx;
      p.y += sy;
    }
  }
  if (points.empty()) return true;
  const RECT bounds{std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x) + 1,
                    std::max(from.y, to.y) + 1};
  const std::uint32_t value = ValueOf(*target, pen->color);
  context->ForEachVisible(bounds, [&](const RECT& piece) {
    for (const POINT& p : points) {
      if (piece.Contains(p)) {
        FillBitmapRect(*target, {p.x, p.y, p.x + 1, p.y + 1}, value);
      }
    }
  });
  return true;
}

bool Polyline(HDC dc, std::span<const POINT> points) {
  DeviceContext* context = AsDc(dc);
  if (!context || points.size() < 2) return false;
  // The current position is neither used nor changed.
  const POINT saved = context->state.position;
  context->state.position = points[0];
  for (std::size_t i = 1; i < points.size(); ++i) LineTo(dc, points[i].x, points[i].y);
  context->state.position = saved;
  return true;
}

bool Rectangle(HDC dc, int left, int top, int right, int bottom) {
  DeviceContext* context = AsDc(dc);
  if (!context) return false;
  const RECT r{std::min(left, right), std::min(top, bottom), std::max(left, right),
               std::max(top, bottom)};
  const Pen* pen = context->state.pen;
  const Brush* brush = context->state.brush;
  const bool outline = pen && pen->style != PS_NULL;
  // Without a pen the filled area loses its right column and bottom row.
  const RECT inside = outline ? r.Inflate(-1, -1) : RECT{r.left, r.top, r.right - 1, r.bottom - 1};
  if (brush && brush->style != BS_NULL) Fill(*context, inside, brush->color);
  if (outline) {
    RECT frame = r;
    Border(*context, frame, {pen->color, pen->color}, BF_RECT);
  }
  return true;
}

int FillRect(HDC dc, const RECT& rect, HBRUSH brush) {
  const DeviceContext* context = AsDc(dc);
  const Brush* b = AsBrush(brush);
  if (!context || !b) return 0;
  if (b->style != BS_NULL) Fill(*context, rect, b->color);
  return 1;
}

int FrameRect(HDC dc, const RECT& rect, HBRUSH brush) {
  const DeviceContext* context = AsDc(dc);
  const Brush* b = AsBrush(brush);
  if (!context || !b) return 0;
  if (b->style == BS_NULL || rect.Empty()) return 1;
  RECT frame = rect;
  Border(*context, frame, {b->color, b->color}, BF_RECT);
  return 1;
}

bool DrawFocusRect(HDC dc, const RECT& rect) {
  const DeviceContext* context = AsDc(dc);
  if (!context) return false;
  if (rect.Empty()) return true;
  const RECT r = context->ToDevice(rect);
  // Each pixel of the frame once, so that a second call restores them all.
  InvertCheckered(*context, {r.left, r.top, r.right, r.top + 1});
  if (r.bottom - 1 > r.top) InvertCheckered(*context, {r.left, r.bottom - 1, r.right, r.bottom});
  InvertCheckered(*context, {r.left, r.top + 1, r.left + 1, r.bottom - 1});
  if (r.right - 1 > r.left) {
    InvertCheckered(*context, {r.right - 1, r.top + 1, r.right, r.bottom - 1});
  }
  return true;
}

bool DrawEdge(HDC dc, RECT& rect, unsigned edge, unsigned flags) {
  const DeviceContext* context = AsDc(dc);
  if (!context) return false;
  Edge(*context, rect, edge, flags);
  return true;
}

bool DrawFrameControl(HDC dc, RECT& rect, unsigned type, unsigned state) {
  const DeviceContext* context = AsDc(dc);
  if (!context) return false;
  if (type == DFC_BUTTON && (state & DFCS_BUTTONPUSH)) {
    // Raised, or sunken while pushed; the frame is two pixels on every side.
    RECT inside = rect;
    const unsigned edge = (state & DFCS_PUSHED) ? EDGE_SUNKEN : EDGE_RAISED;
    Edge(*context, inside, edge, BF_RECT | BF_SOFT | BF_MIDDLE | BF_ADJUST);
    if (state & DFCS_ADJUSTRECT) rect = inside;
    return true;
  }
  if (type == DFC_BUTTON && (state & 0x1F) == DFCS_BUTTONRADIO) {
    Radio(*context, rect, state);
    return true;
  }
  if (type == DFC_SCROLL && (state & 0x1F) == DFCS_SCROLLCOMBOBOX) {
    ComboButton(*context, rect, state);
    return true;
  }
  return false;
}

}  // namespace pw::gfx

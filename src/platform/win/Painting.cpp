// Invalidation, update regions and painting. Each top-level window owns a 32-bit surface of its
// client size; child windows draw into the part of it they cover, always clipped to what is not
// covered by siblings above them or by their own children.

#include <algorithm>

#include "platform/win/WindowObjects.h"

namespace pw::win {

// ---- Rectangle lists

void Subtract(std::vector<RECT>& rects, const RECT& cut) {
  if (cut.Empty()) return;
  std::vector<RECT> out;
  out.reserve(rects.size() + 4);
  for (const RECT& r : rects) {
    const RECT i = r.Intersect(cut);
    if (i.Empty()) {
      out.push_back(r);
      continue;
    }
    // Bands above and below the cut, then the parts left and right of it.
    if (r.top < i.top) out.push_back({r.left, r.top, r.right, i.top});
    if (i.bottom < r.bottom) out.push_back({r.left, i.bottom, r.right, r.bottom});
    if (r.left < i.left) out.push_back({r.left, i.top, i.left, i.bottom});
    if (i.right < r.right) out.push_back({i.right, i.top, r.right, i.bottom});
  }
  rects = std::move(out);
}

RECT Bounds(const std::vector<RECT>& rects) {
  RECT b;
  for (const RECT& r : rects) b = b.Union(r);
  return b;
}

namespace {

// Client area of `window` on the top-level surface.
RECT SurfaceClient(HWND window) {
  const POINT o = SurfaceOrigin(window);
  const RECT c = ClientRect(*window);
  return {o.x, o.y, o.x + c.Width(), o.y + c.Height()};
}

// Adds the part of `r` not yet in the update list, so that the list stays disjoint: a paint
// visits each of its pixels once, which matters to drawing that blends or inverts. The list is
// kept short: past a handful of rectangles it becomes their bounding box.
void AddUpdate(Window& w, const RECT& r) {
  if (r.Empty()) return;
  std::vector<RECT> added{r};
  for (const RECT& existing : w.update) Subtract(added, existing);
  w.update.insert(w.update.end(), added.begin(), added.end());
  if (w.update.size() > 8) w.update = {Bounds(w.update)};
}

bool HasUpdate(const Window& w) {
  return std::any_of(w.update.begin(), w.update.end(), [](const RECT& r) { return !r.Empty(); });
}

// The part of the update region that will be drawn, on the surface.
std::vector<RECT> PaintLimits(HWND window, const std::vector<RECT>& update) {
  std::vector<RECT> visible = VisibleClientArea(window);
  const POINT o = SurfaceOrigin(window);
  std::vector<RECT> limits;
  for (const RECT& v : visible)
    for (const RECT& u : update) {
      const RECT i = v.Intersect(u.Offset(o.x, o.y));
      if (!i.Empty()) limits.push_back(i);
    }
  return limits;
}

HWND FindIn(HWND window, HWND filter, bool inFilter) {
  if (!(window->style & WS_VISIBLE)) return nullptr;
  inFilter = inFilter || window == filter;
  if (inFilter && HasUpdate(*window)) return window;
  for (HWND child : window->children)
    if (HWND found = FindIn(child, filter, inFilter)) return found;
  return nullptr;
}

void UpdateTree(HWND window) {
  if (!Live(window) || !(window->style & WS_VISIBLE)) return;
  if (HasUpdate(*window)) SendMessage(window, WM_PAINT);
  if (!Live(window)) return;
  for (HWND child : std::vector<HWND>(window->children)) UpdateTree(child);
}

}  // namespace

// ---- Visible areas

std::vector<RECT> VisibleClientArea(HWND window) {
  if (!VisibleChain(window, false)) return {};
  HWND root = GetAncestorRoot(window);
  if (!root->surface) return {};
  std::vector<RECT> area{SurfaceClient(window)};
  for (HWND w = window; w->IsChildWindow() && w->parent; w = w->parent) {
    HWND parent = w->parent;
    const RECT parentClient = SurfaceClient(parent);
    for (RECT& r : area) r = r.Intersect(parentClient);
    std::erase_if(area, [](const RECT& r) { return r.Empty(); });
    const POINT po = SurfaceOrigin(parent);
    for (HWND sibling : parent->children) {
      if (sibling == w) break;
      if (sibling->style & WS_VISIBLE) Subtract(area, sibling->rect.Offset(po.x, po.y));
    }
  }
  const POINT o = SurfaceOrigin(window);
  for (HWND child : window->children)
    if (child->style & WS_VISIBLE) Subtract(area, child->rect.Offset(o.x, o.y));
  return area;
}

// ---- Invalidation

void InvalidateArea(HWND window, const RECT& rect, bool erase, bool children) {
  if (!Live(window) || !VisibleChain(window, true)) return;
  const RECT client = ClientRect(*window);
  const RECT r = rect.Intersect({0, 0, client.Width(), client.Height()});
  if (r.Empty()) return;
  AddUpdate(*window, r);
  window->erase = window->erase || erase;
  if (!children) return;
  for (HWND child : window->children) {
    if (!(child->style & WS_VISIBLE)) continue;
    const RECT inChild = r.Intersect(child->rect).Offset(-child->rect.left, -child->rect.top);
    if (!inChild.Empty()) InvalidateArea(child, inChild, erase, true);
  }
}

bool InvalidateRect(HWND window, const RECT* rect, bool erase) {
  if (!Live(window)) return false;
  const RECT client = ClientRect(*window);
  InvalidateArea(window, rect ? *rect : RECT{0, 0, client.Width(), client.Height()}, erase, false);
  return true;
}

bool ValidateRect(HWND window, const RECT* rect) {
  if (!Live(window)) return false;
  if (!rect) {
    window->update.clear();
  } else {
    Subtract(window->update, *rect);
  }
  if (window->update.empty()) window->erase = false;
  return true;
}

bool GetUpdateRect(HWND window, RECT& rect) {
  if (!Live(window)) return false;
  rect = Bounds(window->update);
  return !rect.Empty();
}

bool UpdateWindow(HWND window) {
  if (!Live(window)) return false;
  UpdateTree(window);
  FlushPresents();
  return true;
}

bool RedrawWindow(HWND window, const RECT* rect, unsigned flags) {
  if (!Live(window)) return false;
  if (flags & RDW_INVALIDATE) {
    const RECT client = ClientRect(*window);
    InvalidateArea(window, rect ? *rect : RECT{0, 0, client.Width(), client.Height()},
                   (flags & RDW_ERASE) != 0, (flags & RDW_ALLCHILDREN) != 0);
  }
  if (flags & RDW_UPDATENOW) UpdateWindow(window);
  return true;
}

HWND FindPaintWindow(HWND filter) {
  for (HWND top : State().topLevels)
    if (HWND found = FindIn(top, filter, filter == nullptr)) return found;
  return nullptr;
}

// ---- Painting

HDC BeginPaint(HWND window, PAINTSTRUCT& paint) {
  paint = {};
  if (!Live(window)) return nullptr;
  const std::vector<RECT> update = std::move(window->update);
  const bool erase = window->erase;
  window->update.clear();
  window->erase = false;
  HWND root = GetAncestorRoot(window);
  const std::vector<RECT> limits = PaintLimits(window, update);
  paint.paint = Bounds(update);
  paint.dc = root->surface ? gfx::CreateSurfaceDC(root->surface, SurfaceOrigin(window), limits)
                           : gfx::CreateCompatibleDC(nullptr);
  paint.erase = erase;
  if (erase && paint.dc) paint.erase = SendMessage(window, WM_ERASEBKGND, paint.dc.Value()) == 0;
  if (Live(window)) MarkDirty(window, limits);
  return paint.dc;
}

bool EndPaint(HWND, const PAINTSTRUCT& paint) {
  if (paint.dc) gfx::DeleteDC(paint.dc);
  return true;
}

HDC GetDC(HWND window) {
  if (!window) return gfx::CreateCompatibleDC(nullptr);
  if (!Live(window)) return nullptr;
  HWND root = GetAncestorRoot(window);
  if (!root->surface) return gfx::CreateCompatibleDC(nullptr);
  const std::vector<RECT> limits = VisibleClientArea(window);
  MarkDirty(window, limits);
  return gfx::CreateSurfaceDC(root->surface, SurfaceOrigin(window), limits);
}

int ReleaseDC(HWND, HDC dc) {
  return gfx::DeleteDC(dc) ? 1 : 0;
}

// ---- Surfaces and presentation

void ResizeSurface(HWND topLevel) {
  const RECT client = ClientRect(*topLevel);
  const int width = client.Width();
  const int height = client.Height();
  gfx::HBITMAP old = topLevel->surface;
  topLevel->surface = nullptr;
  if (width > 0 && height > 0) {
    void* bits = nullptr;
    topLevel->surface = gfx::CreateDIBSection(width, -height, &bits);
    if (old) {
      HDC to = gfx::CreateCompatibleDC(nullptr);
      HDC from = gfx::CreateCompatibleDC(nullptr);
      gfx::HGDIOBJ keepTo = gfx::SelectObject(to, topLevel->surface);
      gfx::HGDIOBJ keepFrom = gfx::SelectObject(from, old);
      gfx::BitBlt(to, 0, 0, width, height, from, 0, 0, gfx::SRCCOPY);
      gfx::SelectObject(to, keepTo);
      gfx::SelectObject(from, keepFrom);
      gfx::DeleteDC(to);
      gfx::DeleteDC(from);
    }
  }
  if (old) gfx::DeleteObject(old);
  topLevel->dirty = {};
}

void MarkDirty(HWND window, const std::vector<RECT>& surfaceRects) {
  HWND root = GetAncestorRoot(window);
  if (root) root->dirty = root->dirty.Union(Bounds(surfaceRects));
}

void FlushPresents() {
  auto& s = State();
  for (HWND top : std::vector<HWND>(s.topLevels)) {
    if (!Live(top) || top->dirty.Empty() || !top->surface) continue;
    const RECT dirty = top->dirty;
    top->dirty = {};
    s.backend->Present(top, top->surface, dirty);
  }
}

gfx::HBITMAP GetWindowSurface(HWND topLevel) {
  return Live(topLevel) ? GetAncestorRoot(topLevel)->surface : nullptr;
}

}  // namespace pw::win

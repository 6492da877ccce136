// The handle table and the GDI objects: bitmaps, pens, brushes and the stock objects.

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/gfx/GdiObjects.h"
#include "platform/gfx/Raster.h"

namespace pw::gfx {
namespace {

// Largest pixel memory of one bitmap; anything bigger is refused as a failed creation.
constexpr std::int64_t kMaxBitmapBytes = std::int64_t{1} << 28;

GdiObject* Lookup(HGDIOBJ object) {
  return Tables().objects.Find(object.Slot(), object.Generation());
}

int StrideOf(int width, int bitsPerPixel) {
  return bitsPerPixel == 1 ? (width + 31) / 32 * 4 : width * 4;
}

bool SizeAllowed(int width, int height, int bitsPerPixel) {
  if (width <= 0 || height <= 0) return false;
  // Counted in 64 bits: the stride of a very wide bitmap does not fit in an int.
  const std::int64_t w = width;
  const std::int64_t stride = bitsPerPixel == 1 ? (w + 31) / 32 * 4 : w * 4;
  return stride * height <= kMaxBitmapBytes;
}

HGDIOBJ MakeStock(std::unique_ptr<GdiObject> object) {
  object->stock = true;
  return AddObject(std::move(object));
}

HGDIOBJ CreateStock(int which) {
  switch (which) {
    case WHITE_BRUSH:
      return MakeStock(std::make_unique<Brush>(BS_SOLID, RGB(255, 255, 255)));
    case LTGRAY_BRUSH:
      return MakeStock(std::make_unique<Brush>(BS_SOLID, RGB(192, 192, 192)));
    case GRAY_BRUSH:
      return MakeStock(std::make_unique<Brush>(BS_SOLID, RGB(128, 128, 128)));
    case DKGRAY_BRUSH:
      return MakeStock(std::make_unique<Brush>(BS_SOLID, RGB(64, 64, 64)));
    case BLACK_BRUSH:
      return MakeStock(std::make_unique<Brush>(BS_SOLID, RGB(0, 0, 0)));
    case NULL_BRUSH:
      return MakeStock(std::make_unique<Brush>(BS_NULL, RGB(0, 0, 0)));
    case WHITE_PEN:
      return MakeStock(std::make_unique<Pen>(PS_SOLID, 1, RGB(255, 255, 255)));
    case BLACK_PEN:
      return MakeStock(std::make_unique<Pen>(PS_SOLID, 1, RGB(0, 0, 0)));
    case NULL_PEN:
      return MakeStock(std::make_unique<Pen>(PS_NULL, 1, RGB(0, 0, 0)));
    case SYSTEM_FONT: {
      LOGFONT font;
      font.height = 16;
      font.weight = FW_BOLD;
      font.faceName = "System";
      return MakeStock(std::make_unique<Font>(std::move(font)));
    }
    case DEFAULT_GUI_FONT: {
      LOGFONT font;
      font.height = -11;
      font.faceName = "MS Sans Serif";
      return MakeStock(std::make_unique<Font>(std::move(font)));
    }
    case DEFAULT_BITMAP:
      return MakeStock(std::make_unique<Bitmap>(1, 1, 1, true));
    default:
      return nullptr;
  }
}

}  // namespace

Bitmap::Bitmap(int width, int height, int bitsPerPixel, bool topDown)
    : GdiObject(ObjectKind::Bitmap),
      width(width),
      height(height),
      bitsPerPixel(bitsPerPixel),
      topDown(topDown),
      stride(StrideOf(width, bitsPerPixel)),
      memory(new std::uint8_t[static_cast<std::size_t>(stride) * height]()) {}

HGDIOBJ AddObject(std::unique_ptr<GdiObject> object) {
  GdiObject* added = object.get();
  const auto [slot, generation] = Tables().objects.Add(std::move(object));
  added->handle = {slot, generation};
  return added->handle;
}

void FreeObject(GdiObject* object) {
  Tables().objects.Free(object->handle.Slot());
}

template <GdiKind K>
GdiHandle<K> CastTo(HGDIOBJ object, ObjectKind kind) {
  const GdiObject* found = Lookup(object);
  if (!found || found->kind != kind) return nullptr;
  return {object.Slot(), object.Generation()};
}

template <>
HBITMAP GdiCast<HBITMAP>(HGDIOBJ object) {
  return CastTo<GdiKind::Bitmap>(object, ObjectKind::Bitmap);
}
template <>
HPEN GdiCast<HPEN>(HGDIOBJ object) {
  return CastTo<GdiKind::Pen>(object, ObjectKind::Pen);
}
template <>
HBRUSH GdiCast<HBRUSH>(HGDIOBJ object) {
  return CastTo<GdiKind::Brush>(object, ObjectKind::Brush);
}
template <>
HFONT GdiCast<HFONT>(HGDIOBJ object) {
  return CastTo<GdiKind::Font>(object, ObjectKind::Font);
}

void Retain(GdiObject* object) {
  if (object) ++object->selectedCount;
}

void Release(GdiObject* object) {
  if (!object) return;
  if (--object->selectedCount == 0 && object->deletePending) FreeObject(object);
}

GdiObject* AsObject(HGDIOBJ object) {
  return Lookup(object);
}

Bitmap* AsBitmap(HGDIOBJ object) {
  GdiObject* found = Lookup(object);
  return found && found->kind == ObjectKind::Bitmap ? static_cast<Bitmap*>(found) : nullptr;
}
Pen* AsPen(HGDIOBJ object) {
  GdiObject* found = Lookup(object);
  return found && found->kind == ObjectKind::Pen ? static_cast<Pen*>(found) : nullptr;
}
Brush* AsBrush(HGDIOBJ object) {
  GdiObject* found = Lookup(object);
  return found && found->kind == ObjectKind::Brush ? static_cast<Brush*>(found) : nullptr;
}
Font* AsFont(HGDIOBJ object) {
  GdiObject* found = Lookup(object);
  return found && found->kind == ObjectKind::Font ? static_cast<Font*>(found) : nullptr;
}

HBITMAP CreateDIBSection(int width, int height, void** bits) {
  if (bits) *bits = nullptr;
  const bool topDown = height < 0;
  const int rows = topDown ? -height : height;
  if (!SizeAllowed(width, rows, 32)) return nullptr;
  auto bitmap = std::make_unique<Bitmap>(width, rows, 32, topDown);
  if (bits) *bits = bitmap->memory.get();
  return Typed<HBITMAP>(AddObject(std::move(bitmap)));
}

HBITMAP CreateBitmap(int width, int height, int planes, int bitsPerPixel, const void* bits) {
  if (planes != 1 || (bitsPerPixel != 1 && bitsPerPixel != 32)) return nullptr;
  if (!SizeAllowed(width, height, bitsPerPixel)) return nullptr;
  auto bitmap = std::make_unique<Bitmap>(width, height, bitsPerPixel, true);
  if (bits) {
    // Device-dependent rows are padded to 16 bits.
    const int rowBytes = (width * bitsPerPixel + 15) / 16 * 2;
    const auto* from = static_cast<const std::uint8_t*>(bits);
    for (int y = 0; y < height; ++y) {
      std::memcpy(bitmap->Row(y), from + static_cast<std::ptrdiff_t>(y) * rowBytes,
                  std::min(rowBytes, bitmap->stride));
    }
  }
  return Typed<HBITMAP>(AddObject(std::move(bitmap)));
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
  if (width < 0 || height < 0) return nullptr;
  if (width == 0 || height == 0) return CreateBitmap(1, 1, 1, 1, nullptr);
  const DeviceContext* context = dc ? AsDc(dc) : nullptr;
  const Bitmap* target = context ? context->Target() : nullptr;
  const int bitsPerPixel = target && target->bitsPerPixel == 1 ? 1 : 32;
  return CreateBitmap(width, height, 1, bitsPerPixel, nullptr);
}

bool GetBitmapInfo(HBITMAP bitmap, BitmapInfo& info) {
  Bitmap* b = AsBitmap(bitmap);
  if (!b) return false;
  info = {b->width, b->height, b->bitsPerPixel, b->topDown, b->stride, b->memory.get()};
  return true;
}

HPEN CreatePen(int style, int width, COLORREF color) {
  if (style != PS_SOLID && style != PS_NULL) style = PS_SOLID;
  return Typed<HPEN>(AddObject(std::make_unique<Pen>(style, std::max(width, 1), color & 0xFFFFFF)));
}

HBRUSH CreateSolidBrush(COLORREF color) {
  return Typed<HBRUSH>(AddObject(std::make_unique<Brush>(BS_SOLID, color & 0xFFFFFF)));
}

HGDIOBJ GetStockObject(int which) {
  if (which < 0 || which > DEFAULT_BITMAP) return nullptr;
  HGDIOBJ& slot = Tables().stock[static_cast<std::size_t>(which)];
  if (!slot) slot = CreateStock(which);
  return slot;
}

HBRUSH GetStockBrush(int which) {
  return GdiCast<HBRUSH>(GetStockObject(which));
}
HPEN GetStockPen(int which) {
  return GdiCast<HPEN>(GetStockObject(which));
}
HFONT GetStockFont(int which) {
  return GdiCast<HFONT>(GetStockObject(which));
}

bool DeleteObject(HGDIOBJ object) {
  GdiObject* found = Lookup(object);
  if (!found) return false;
  if (found->stock) return true;
  if (found->selectedCount > 0) {
    found->deletePending = true;
    return true;
  }
  FreeObject(found);
  return true;
}

}  // namespace pw::gfx

// Image lists of equal-sized images with masks.

#include "platform/gfx/ImageList.h"

#include <memory>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/gfx/GdiObjects.h"
#include "platform/gfx/Raster.h"

namespace pw::gfx {

struct ImageList {
  struct Image {
    std::vector<std::uint32_t> pixels;  // cx * cy, rows from the top
    std::vector<bool> masked;           // cx * cy: true where the image is transparent
  };
  int cx = 0;
  int cy = 0;
  bool hasMask = false;
  COLORREF background = CLR_NONE;
  std::vector<Image> images;
};

namespace {

std::unordered_map<const ImageList*, std::unique_ptr<ImageList>>& Lists() {
  static auto* const lists = new std::unordered_map<const ImageList*, std::unique_ptr<ImageList>>;
  return *lists;
}

ImageList* Find(HIMAGELIST list) {
  if (!list) return nullptr;
  const auto it = Lists().find(list);
  return it == Lists().end() ? nullptr : it->second.get();
}

// Colour of a bitmap pixel, black outside it; monochrome bitmaps are black and white.
COLORREF ColorAt(const Bitmap& bitmap, int x, int y) {
  if (x < 0 || y < 0 || x >= bitmap.width || y >= bitmap.height) return 0;
  if (bitmap.bitsPerPixel == 1) return bitmap.Bit(x, y) ? RGB(255, 255, 255) : 0;
  return ColorOf(bitmap.Pixels32(y)[x]);
}

// Cell `cell` of the strip `image`; the mask from `mask` (set where it is white) or from the
// pixels of `maskColor` (which become black), or none.
ImageList::Image Cut(const ImageList& list, const Bitmap& image, int cell, const Bitmap* mask,
                     std::optional<COLORREF> maskColor) {
  ImageList::Image result;
  const auto size = static_cast<std::size_t>(list.cx) * static_cast<std::size_t>(list.cy);
  result.pixels.resize(size);
  result.masked.resize(size);
  for (int y = 0; y < list.cy; ++y) {
    for (int x = 0; x < list.cx; ++x) {
      const int sx = cell * list.cx + x;
      COLORREF color = ColorAt(image, sx, y);
      bool masked = false;
      if (maskColor) {
        masked = color == *maskColor;
        if (masked) color = 0;
      } else if (mask) {
        masked = ColorAt(*mask, sx, y) != 0;
      }
      const auto i = static_cast<std::size_t>(y) * static_cast<std::size_t>(list.cx) +
                     static_cast<std::size_t>(x);
      result.pixels[i] = PixelOf(color);
      result.masked[i] = list.hasMask && masked;
    }
  }
  return result;
}

int AddImages(HIMAGELIST handle, HBITMAP image, HBITMAP mask, std::optional<COLORREF> color) {
  ImageList* list = Find(handle);
  const Bitmap* bitmap = AsBitmap(image);
  const Bitmap* maskBitmap = mask ? AsBitmap(mask) : nullptr;
  if (!list || !bitmap || (mask && !maskBitmap)) return -1;
  const int first = static_cast<int>(list->images.size());
  const int cells = std::max(1, bitmap->width / list->cx);
  for (int cell = 0; cell < cells; ++cell) {
    list->images.push_back(Cut(*list, *bitmap, cell, maskBitmap, color));
  }
  return first;
}

}  // namespace

HIMAGELIST ImageList_Create(int cx, int cy, unsigned flags, int initial, int) {
  if (cx <= 0 || cy <= 0 || cx > 4096 || cy > 4096) return nullptr;
  auto list = std::make_unique<ImageList>();
  list->cx = cx;
  list->cy = cy;
  list->hasMask = flags & ILC_MASK;
  list->images.reserve(static_cast<std::size_t>(std::max(initial, 0)));
  ImageList* handle = list.get();
  Lists().emplace(handle, std::move(list));
  return handle;
}

bool ImageList_Destroy(HIMAGELIST list) {
  return list && Lists().erase(list) == 1;
}

int ImageList_GetImageCount(HIMAGELIST list) {
  const ImageList* found = Find(list);
  return found ? static_cast<int>(found->images.size()) : 0;
}

bool ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy) {
  const ImageList* found = Find(list);
  if (!found) return false;
  if (cx) *cx = found->cx;
  if (cy) *cy = found->cy;
  return true;
}

int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask) {
  return AddImages(list, image, mask, std::nullopt);
}

int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF maskColor) {
  return AddImages(list, image, nullptr, maskColor & 0xFFFFFF);
}

bool ImageList_Replace(HIMAGELIST list, int index, HBITMAP image, HBITMAP mask) {
  ImageList* found = Find(list);
  const Bitmap* bitmap = AsBitmap(image);
  const Bitmap* maskBitmap = mask ? AsBitmap(mask) : nullptr;
  if (!found || !bitmap || (mask && !maskBitmap)) return false;
  if (index < 0 || index >= static_cast<int>(found->images.size())) return false;
  found->images[static_cast<std::size_t>(index)] =
      Cut(*found, *bitmap, 0, maskBitmap, std::nullopt);
  return true;
}

bool ImageList_Remove(HIMAGELIST list, int index) {
  ImageList* found = Find(list);
  if (!found) return false;
  if (index == -1) {
    found->images.clear();
    return true;
  }
  if (index < 0 || index >= static_cast<int>(found->images.size())) return false;
  found->images.erase(found->images.begin() + index);
  return true;
}

COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF color) {
  ImageList* found = Find(list);
  if (!found) return CLR_NONE;
  return std::exchange(found->background, color == CLR_NONE ? CLR_NONE : color & 0xFFFFFF);
}

COLORREF ImageList_GetBkColor(HIMAGELIST list) {
  const ImageList* found = Find(list);
  return found ? found->background : CLR_NONE;
}

bool ImageList_DrawEx(HIMAGELIST list, int index, HDC dc, int x, int y, int dx, int dy,
                      COLORREF background, COLORREF, unsigned style) {
  const ImageList* found = Find(list);
  const DeviceContext* context = AsDc(dc);
  if (!found || !context || index < 0 || index >= static_cast<int>(found->images.size())) {
    return false;
  }
  Bitmap* target = context->Target();
  if (!target) return false;
  const ImageList::Image& image = found->images[static_cast<std::size_t>(index)];
  const int width = dx > 0 ? std::min(dx, found->cx) : found->cx;
  const int height = dy > 0 ? std::min(dy, found->cy) : found->cy;
  if (background == CLR_DEFAULT) background = found->background;
  const bool transparent = (style & ILD_TRANSPARENT) || background == CLR_NONE;
  const std::uint32_t backgroundValue = transparent ? 0 : ValueOf(*target, background);
  const POINT at = context->ToDevice(POINT{x, y});
  context->ForEachVisible({at.x, at.y, at.x + width, at.y + height}, [&](const RECT& piece) {
    for (int py = piece.top; py < piece.bottom; ++py) {
      const auto row = static_cast<std::size_t>(py - at.y) * static_cast<std::size_t>(found->cx);
      for (int px = piece.left; px < piece.right; ++px) {
        const std::size_t i = row + static_cast<std::size_t>(px - at.x);
        std::uint32_t value;
        if (image.masked[i]) {
          if (transparent) continue;
          value = backgroundValue;
        } else {
          value = target->bitsPerPixel == 1 ? ValueOf(*target, ColorOf(image.pixels[i]))
                                            : image.pixels[i];
        }
        FillBitmapRect(*target, {px, py, px + 1, py + 1}, value);
      }
    }
  });
  return true;
}

bool ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, unsigned style) {
  return ImageList_DrawEx(list, index, dc, x, y, 0, 0, CLR_DEFAULT, CLR_DEFAULT, style);
}

}  // namespace pw::gfx

#pragma once
// The objects behind the graphics handles, shared by the parts of the graphics stand-in; not for
// use outside src/platform/gfx.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "platform/gfx/Gdi.h"
#include "platform/gfx/Types.h"

namespace pw::gfx {

enum class ObjectKind { Bitmap, Pen, Brush, Font };

struct GdiObject {
  explicit GdiObject(ObjectKind kind) : kind(kind) {}
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  virtual ~GdiObject() = default;

  const ObjectKind kind;
  HGDIOBJ handle;  // given by the table
  bool stock = false;
  int selectedCount = 0;       // context states (current or saved) that hold it
  bool deletePending = false;  // deleted while selected: freed when the last context lets go
};

// Hands a new object to the handle table, which owns it from then on; returns its handle.
HGDIOBJ AddObject(std::unique_ptr<GdiObject> object);
// The handle of an object whose kind the caller knows, as a handle of that kind.
template <typename Handle>
constexpr Handle Typed(HGDIOBJ object) {
  return {object.Slot(), object.Generation()};
}
// Frees the object; its slot takes a new generation.
void FreeObject(GdiObject* object);
// Selection bookkeeping: a context state that takes or drops an object. Dropping the last hold
// of an object whose deletion was asked for frees it.
void Retain(GdiObject* object);
void Release(GdiObject* object);

// Pixel storage: 32 bits per pixel (blue, green, red, unused) or 1 bit per pixel.
struct Bitmap : GdiObject {
  Bitmap(int width, int height, int bitsPerPixel, bool topDown);

  int width;
  int height;
  int bitsPerPixel;  // 1 or 32
  bool topDown;
  int stride;  // bytes per row in memory, a multiple of 4
  std::unique_ptr<std::uint8_t[]> memory;

  // Row y counted from the top of the picture, whatever the memory order.
  std::uint8_t* Row(int y) {
    return memory.get() + static_cast<std::ptrdiff_t>(MemoryRow(y)) * stride;
  }
  const std::uint8_t* Row(int y) const {
    return memory.get() + static_cast<std::ptrdiff_t>(MemoryRow(y)) * stride;
  }
  std::uint32_t* Pixels32(int y) { return reinterpret_cast<std::uint32_t*>(Row(y)); }
  const std::uint32_t* Pixels32(int y) const {
    return reinterpret_cast<const std::uint32_t*>(Row(y));
  }
  bool Bit(int x, int y) const { return (Row(y)[x >> 3] >> (7 - (x & 7))) & 1; }
  void SetBit(int x, int y, bool value) {
    std::uint8_t& byte = Row(y)[x >> 3];
    const auto bit = static_cast<std::uint8_t>(0x80 >> (x & 7));
    byte = value ? static_cast<std::uint8_t>(byte | bit) : static_cast<std::uint8_t>(byte & ~bit);
  }

 private:
  int MemoryRow(int y) const { return topDown ? y : height - 1 - y; }
};

// A 32-bit pixel value from a colour (0x00RRGGBB in memory order blue, green, red) and back.
constexpr std::uint32_t PixelOf(COLORREF c) {
  return static_cast<std::uint32_t>(GetBValue(c) | (GetGValue(c) << 8) | (GetRValue(c) << 16));
}
constexpr COLORREF ColorOf(std::uint32_t pixel) {
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

struct Pen : GdiObject {
  Pen(int style, int width, COLORREF color)
      : GdiObject(ObjectKind::Pen), style(style), width(width), color(color) {}
  int style;
  int width;
  COLORREF color;
};

struct Brush : GdiObject {
  Brush(int style, COLORREF color) : GdiObject(ObjectKind::Brush), style(style), color(color) {}
  int style;  // BS_SOLID or BS_NULL
  COLORREF color;
};

// A font as requested; the text part resolves it to a face (Text.cpp owns `resolved`).
struct FontResolution;
struct Font : GdiObject {
  explicit Font(LOGFONT request);
  ~Font() override;
  LOGFONT request;
  std::unique_ptr<FontResolution> resolved;
};

// The drawing state a context saves and restores.
struct DcState {
  POINT origin;                           // position of logical (0, 0) from the context's origin
  std::optional<std::vector<RECT>> clip;  // device rectangles, disjoint; none: no own clip
  Bitmap* bitmap = nullptr;               // memory contexts: the selected bitmap
  Pen* pen = nullptr;
  Brush* brush = nullptr;
  Font* font = nullptr;
  COLORREF textColor = RGB(0, 0, 0);
  COLORREF bkColor = RGB(255, 255, 255);
  int bkMode = OPAQUE;
  int stretchMode = BLACKONWHITE;
  POINT position;  // current position of MoveToEx / LineTo, logical
};

struct DeviceContext {
  DcState state;
  std::vector<DcState> saved;
  bool memory = true;         // a memory context draws on its selected bitmap
  Bitmap* surface = nullptr;  // a window context draws here
  POINT dcOrigin;             // window context: the window's position on the surface
  std::vector<RECT> limits;   // window context: its visible part, device coordinates

  // The bitmap drawn on (a memory context starts with the stock 1 x 1 monochrome bitmap).
  Bitmap* Target() const { return memory ? state.bitmap : surface; }
  // Device offset of logical (0, 0).
  POINT Offset() const { return {dcOrigin.x + state.origin.x, dcOrigin.y + state.origin.y}; }
  POINT ToDevice(POINT p) const {
    const POINT o = Offset();
    return p.Offset(o.x, o.y);
  }
  RECT ToDevice(const RECT& r) const {
    const POINT o = Offset();
    return r.Offset(o.x, o.y);
  }
  // Calls `visit` with each part of the device rectangle `area` that may be drawn: inside the
  // target, the limits and the clip region.
  void ForEachVisible(const RECT& area, const std::function<void(const RECT&)>& visit) const;
};

// The context behind a handle, or null when it is not a live context.
DeviceContext* AsDc(HDC dc);

// The object behind a handle, or null when it is not a live object (of that kind).
GdiObject* AsObject(HGDIOBJ object);
Bitmap* AsBitmap(HGDIOBJ object);
Pen* AsPen(HGDIOBJ object);
Brush* AsBrush(HGDIOBJ object);
Font* AsFont(HGDIOBJ object);

// System colour indexes (COLOR_*) there are brushes for.
inline constexpr std::size_t kSysColorCount = 31;

// The handle tables of one graphics context (GdiContext.h).
// A slot of a handle table: the entry while it lives; freeing it moves the generation on.
template <typename Entry>
struct HandleSlot {
  std::unique_ptr<Entry> entry;
  std::uint32_t generation = 1;
};

template <typename Entry>
struct HandleTable {
  std::vector<HandleSlot<Entry>> slots;
  std::vector<std::uint32_t> freeSlots;
  std::size_t live = 0;

  // Takes the entry; returns its slot and generation.
  std::pair<std::uint32_t, std::uint32_t> Add(std::unique_ptr<Entry> entry) {
    std::uint32_t index;
    if (freeSlots.empty()) {
      index = static_cast<std::uint32_t>(slots.size());
      slots.emplace_back();
    } else {
      index = freeSlots.back();
      freeSlots.pop_back();
    }
    slots[index].entry = std::move(entry);
    ++live;
    return {index, slots[index].generation};
  }
  Entry* Find(std::uint32_t slot, std::uint32_t generation) const {
    if (generation == 0 || slot >= slots.size() || slots[slot].generation != generation)
      return nullptr;
    return slots[slot].entry.get();
  }
  void Free(std::uint32_t slot) {
    std::unique_ptr<Entry> entry = std::move(slots[slot].entry);
    if (!entry) return;
    if (++slots[slot].generation == 0) slots[slot].generation = 1;
    freeSlots.push_back(slot);
    --live;
    entry.reset();
  }
  // Frees every entry, the last made first.
  void Clear() {
    for (std::size_t i = slots.size(); i-- > 0;) Free(static_cast<std::uint32_t>(i));
  }
};

struct GdiTables {
  HandleTable<DeviceContext> contexts;
  HandleTable<GdiObject> objects;
  std::array<HGDIOBJ, DEFAULT_BITMAP + 1> stock{};
  std::array<HBRUSH, kSysColorCount> sysColorBrushes{};
};
// The tables of the innermost graphics context alive.
GdiTables& Tables();

}  // namespace pw::gfx

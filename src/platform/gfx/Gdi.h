#pragma once
// Our stand-in for the graphics interface: GDI objects behind handles, device contexts, blits,
// lines, frames and system colours. Text and fonts are in Text.h, image lists in ImageList.h.
//
// Coordinates given to a device context are logical: the context's origin is added to reach the
// device (its surface), and every drawing is clipped to the context's clip region. Pixels are
// 32-bit blue, green, red, unused, as a device-independent section holds them; monochrome bitmaps
// hold 1 bit per pixel, most significant bit first, rows padded to 32 bits.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

#include "platform/gfx/Types.h"

namespace pw::gfx {

// What a graphics handle names: any GDI object, one kind of them, or a device context.
enum class GdiKind : std::uint8_t { Object, Bitmap, Pen, Brush, Font, Dc };

// A graphics handle: a slot of its table (objects or device contexts) and the generation the
// slot had when the object was made; deleting the object ends the generation, so its handle
// never reaches a later object in that slot. The null handle names nothing. A bitmap, pen,
// brush or font handle is also an HGDIOBJ; an HGDIOBJ becomes one of them only through
// GdiCast, which checks the kind.
template <GdiKind K>
class GdiHandle {
 public:
  constexpr GdiHandle() = default;
  constexpr GdiHandle(std::nullptr_t) {}
  constexpr GdiHandle(std::uint32_t slot, std::uint32_t generation)
      : slot_(slot), generation_(generation) {}
  template <GdiKind From>
  requires(K == GdiKind::Object && From != GdiKind::Object &&
           From != GdiKind::Dc) constexpr GdiHandle(GdiHandle<From> typed)
      : slot_(typed.Slot()), generation_(typed.Generation()) {}

  constexpr std::uint32_t Slot() const { return slot_; }
  constexpr std::uint32_t Generation() const { return generation_; }
  constexpr explicit operator bool() const { return generation_ != 0; }
  friend constexpr bool operator==(GdiHandle, GdiHandle) = default;
  friend constexpr auto operator<=>(GdiHandle, GdiHandle) = default;

  // The handle as a message parameter carries it, and back.
  constexpr std::uintptr_t Value() const {
    return static_cast<std::uintptr_t>(generation_) << 32 | slot_;
  }
  static constexpr GdiHandle FromValue(std::uintptr_t value) {
    return {static_cast<std::uint32_t>(value), static_cast<std::uint32_t>(value >> 32)};
  }
  static constexpr GdiHandle FromValue(std::intptr_t value) {
    return FromValue(static_cast<std::uintptr_t>(value));
  }

 private:
  std::uint32_t slot_ = 0;
  std::uint32_t generation_ = 0;  // 0: the null handle; live slots count from 1
};

using HGDIOBJ = GdiHandle<GdiKind::Object>;
using HBITMAP = GdiHandle<GdiKind::Bitmap>;
using HPEN = GdiHandle<GdiKind::Pen>;
using HBRUSH = GdiHandle<GdiKind::Brush>;
using HFONT = GdiHandle<GdiKind::Font>;
using HDC = GdiHandle<GdiKind::Dc>;

// The object as a handle of its kind; null when it is not a live object of that kind.
template <typename Handle>
Handle GdiCast(HGDIOBJ object);
template <>
HBITMAP GdiCast<HBITMAP>(HGDIOBJ object);
template <>
HPEN GdiCast<HPEN>(HGDIOBJ object);
template <>
HBRUSH GdiCast<HBRUSH>(HGDIOBJ object);
template <>
HFONT GdiCast<HFONT>(HGDIOBJ object);

// ---- Bitmaps

// A 32-bit device-independent section of |height| rows, top-down when height < 0, bottom-up
// otherwise; *bits receives the pixel memory (rows of width * 4 bytes, in memory order).
HBITMAP CreateDIBSection(int width, int height, void** bits);
// A monochrome bitmap (planes 1, bits per pixel 1), or a 32-bit one; `bits` (optional) holds
// the rows, each padded to 16 bits as device-dependent bitmaps are.
HBITMAP CreateBitmap(int width, int height, int planes, int bitsPerPixel, const void* bits);
// A bitmap in the format of the context's surface (32 bits, or 1 for a memory context that
// holds a monochrome bitmap); its pixels start black.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);

struct BitmapInfo {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;  // 1 or 32
  bool topDown = true;
  int stride = 0;  // bytes from one row to the next in memory order
  void* bits = nullptr;
};
bool GetBitmapInfo(HBITMAP bitmap, BitmapInfo& info);

// ---- Pens, brushes, stock objects

HPEN CreatePen(int style, int width, COLORREF color);
HBRUSH CreateSolidBrush(COLORREF color);
HGDIOBJ GetStockObject(int which);
// A stock object of that kind; null when `which` names none of it.
HBRUSH GetStockBrush(int which);
HPEN GetStockPen(int which);
HFONT GetStockFont(int which);
// A solid brush shared by everyone who asks for that colour, owned by the current graphics
// context (GdiContext.h) and gone with it; DeleteObject leaves it alone.
HBRUSH SharedSolidBrush(COLORREF color);
// Frees a pen, brush, font or bitmap; stock objects are kept, and an object still selected into
// a context (or held by a saved state) is freed when the last one lets go of it. False for an
// invalid handle.
bool DeleteObject(HGDIOBJ object);

// ---- Device contexts

// A memory context, compatible with `dc` (or the screen when null), holding a 1 x 1 monochrome
// bitmap until another is selected.
HDC CreateCompatibleDC(HDC dc);
bool DeleteDC(HDC dc);
// Selects a bitmap (memory contexts only), pen, brush or font; returns the previous one.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
HGDIOBJ GetCurrentObject(HDC dc, int kind);  // kind: OBJ_PEN, OBJ_BRUSH, OBJ_FONT, OBJ_BITMAP
inline constexpr int OBJ_PEN = 1;
inline constexpr int OBJ_BRUSH = 2;
inline constexpr int OBJ_FONT = 6;
inline constexpr int OBJ_BITMAP = 7;

// The context state (origin, clip, objects, colours, modes, current position) is pushed; a
// restore with -1 pops the latest, with n > 0 goes back to the state saved as number n.
int SaveDC(HDC dc);
bool RestoreDC(HDC dc, int saved);

// The logical point (0, 0) lies at `origin`, counted from the context's own origin: the
// surface's top-left corner for a memory context, the window's for a window context.
POINT SetViewportOrg(HDC dc, POINT origin);
POINT GetViewportOrg(HDC dc);
POINT OffsetViewportOrg(HDC dc, int dx, int dy);

// Clip region results.
inline constexpr int ERROR_REGION = 0;
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;
inline constexpr int COMPLEXREGION = 3;
// Rectangles in logical coordinates.
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
// Drops the context's own clip region (the surface or window limits stay).
int ResetClip(HDC dc);
// The smallest rectangle around the clip region, logical coordinates.
int GetClipBox(HDC dc, RECT& box);
// Whether any part of the logical rectangle is inside the clip region.
bool RectVisible(HDC dc, const RECT& rect);

COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
int SetStretchBltMode(HDC dc, int mode);
int GetStretchBltMode(HDC dc);
int GetDeviceCaps(HDC dc, int index);

// One pixel, logical coordinates; CLR_INVALID outside the visible part.
COLORREF GetPixel(HDC dc, int x, int y);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);

// ---- Blits (logical coordinates; clipped to the source, the destination and its clip region)

bool BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
            std::uint32_t rop);
// COLORONCOLOR deletes or repeats rows and columns (never blends); HALFTONE averages.
bool StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                int srcWidth, int srcHeight, std::uint32_t rop);
// Per pixel: the foreground operation where the monochrome mask has a 1 bit, the background one
// where it has a 0 (MAKEROP4).
bool MaskBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
             HBITMAP mask, int maskX, int maskY, std::uint32_t rop4);
// The selected brush combined with the destination.
bool PatBlt(HDC dc, int x, int y, int width, int height, std::uint32_t rop);

// ---- Lines and shapes (the selected pen: one pixel wide; the selected brush fills)

bool MoveToEx(HDC dc, int x, int y, POINT* previous);
// From the current position up to, not including, (x, y), which becomes the current position.
bool LineTo(HDC dc, int x, int y);
// Each segment drawn as LineTo draws it: the last point is not drawn.
bool Polyline(HDC dc, std::span<const POINT> points);
// Outline with the pen on (left, top)..(right - 1, bottom - 1), inside filled with the brush.
bool Rectangle(HDC dc, int left, int top, int right, int bottom);
int FillRect(HDC dc, const RECT& rect, HBRUSH brush);
// A one-pixel frame with the brush.
int FrameRect(HDC dc, const RECT& rect, HBRUSH brush);
// A dotted frame, every other pixel inverted (drawing it twice restores the pixels).
bool DrawFocusRect(HDC dc, const RECT& rect);
// Classic three-dimensional frames of push buttons, radio buttons and the combo box's drop
// button; with DFCS_ADJUSTRECT the rectangle shrinks to the inside of a push button's frame.
bool DrawFrameControl(HDC dc, RECT& rect, unsigned type, unsigned state);
bool DrawEdge(HDC dc, RECT& rect, unsigned edge, unsigned flags);

// ---- System colours and metrics (a classic light-grey desktop)

COLORREF GetSysColor(int index);
HBRUSH GetSysColorBrush(int index);
inline constexpr int COLOR_SCROLLBAR = 0;
inline constexpr int COLOR_BACKGROUND = 1;
inline constexpr int COLOR_ACTIVECAPTION = 2;
inline constexpr int COLOR_INACTIVECAPTION = 3;
inline constexpr int COLOR_MENU = 4;
inline constexpr int COLOR_WINDOW = 5;
inline constexpr int COLOR_WINDOWFRAME = 6;
inline constexpr int COLOR_MENUTEXT = 7;
inline constexpr int COLOR_WINDOWTEXT = 8;
inline constexpr int COLOR_HIGHLIGHT = 13;
inline constexpr int COLOR_HIGHLIGHTTEXT = 14;
inline constexpr int COLOR_BTNFACE = 15;
inline constexpr int COLOR_BTNSHADOW = 16;
inline constexpr int COLOR_GRAYTEXT = 17;
inline constexpr int COLOR_BTNTEXT = 18;
inline constexpr int COLOR_BTNHIGHLIGHT = 20;
inline constexpr int COLOR_3DDKSHADOW = 21;
inline constexpr int COLOR_3DLIGHT = 22;
inline constexpr int COLOR_INFOTEXT = 23;
inline constexpr int COLOR_INFOBK = 24;
inline constexpr int COLOR_GRADIENTACTIVECAPTION = 27;
inline constexpr int COLOR_GRADIENTINACTIVECAPTION = 28;

int GetSystemMetrics(int index);
inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
inline constexpr int SM_CXVSCROLL = 2;
inline constexpr int SM_CYHSCROLL = 3;
inline constexpr int SM_CYMENU = 15;
inline constexpr int SM_CYVSCROLL = 20;
inline constexpr int SM_CXHSCROLL = 21;
inline constexpr int SM_CXDOUBLECLK = 36;
inline constexpr int SM_CYDOUBLECLK = 37;
inline constexpr int SM_CXDRAG = 68;
inline constexpr int SM_CYDRAG = 69;
inline constexpr int SM_CXBORDER = 5;
inline constexpr int SM_CYBORDER = 6;
inline constexpr int SM_CXDLGFRAME = 7;
inline constexpr int SM_CYDLGFRAME = 8;
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;
inline constexpr int SM_CYCAPTION = 4;
inline constexpr int SM_CXFRAME = 32;
inline constexpr int SM_CYFRAME = 33;
inline constexpr int SM_CXSMICON = 49;
inline constexpr int SM_CYSMICON = 50;
inline constexpr int SM_CXEDGE = 45;
inline constexpr int SM_CYEDGE = 46;
inline constexpr int SM_MIDEASTENABLED = 74;

// ---- Window contexts (for the windowing layer)

// A context drawing onto `surface` (a 32-bit bitmap that stays owned by the caller), with the
// logical origin at `origin` and every drawing limited to `limits` (device coordinates), as the
// windowing layer gives a window's context its visible part of the top-level surface.
HDC CreateSurfaceDC(HBITMAP surface, POINT origin, std::span<const RECT> limits);

}  // namespace pw::gfx

template <pw::gfx::GdiKind K>
struct std::hash<pw::gfx::GdiHandle<K>> {
  std::size_t operator()(pw::gfx::GdiHandle<K> handle) const noexcept {
    return std::hash<std::uintptr_t>()(handle.Value());
  }
};

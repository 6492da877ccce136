#pragma once
// The graphics interface's plain types and constants, with the numeric values the framework uses.

#include <algorithm>
#include <cstdint>
#include <string>

namespace pw::gfx {

using COLORREF = std::uint32_t;  // 0x00BBGGRR
constexpr COLORREF RGB(int r, int g, int b) {
  return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) {
  return c & 0xFF;
}
constexpr int GetGValue(COLORREF c) {
  return (c >> 8) & 0xFF;
}
constexpr int GetBValue(COLORREF c) {
  return (c >> 16) & 0xFF;
}

struct POINT {
  int x = 0;
  int y = 0;
  constexpr POINT Offset(int dx, int dy) const { return {x + dx, y + dy}; }
  bool operator==(const POINT&) const = default;
};
struct SIZE {
  int cx = 0;
  int cy = 0;
  bool operator==(const SIZE&) const = default;
};
// Right and bottom are exclusive. The operations return new rectangles; none changes this one.
struct RECT {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool Empty() const { return right <= left || bottom <= top; }
  constexpr bool Contains(POINT p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
  constexpr RECT Offset(int dx, int dy) const {
    return {left + dx, top + dy, right + dx, bottom + dy};
  }
  // Wider by dx on the left and on the right, taller by dy above and below; negative shrinks.
  constexpr RECT Inflate(int dx, int dy) const {
    return {left - dx, top - dy, right + dx, bottom + dy};
  }
  // The common part; (0, 0, 0, 0) when the two do not meet.
  constexpr RECT Intersect(const RECT& other) const {
    const RECT r{std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
                 std::min(bottom, other.bottom)};
    return r.Empty() ? RECT{} : r;
  }
  // The smallest rectangle holding both; an empty one adds nothing.
  constexpr RECT Union(const RECT& other) const {
    if (Empty()) return other;
    if (other.Empty()) return *this;
    return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
            std::max(bottom, other.bottom)};
  }
  bool operator==(const RECT&) const = default;
};

// Raster operations (ternary: pattern, source, destination).
inline constexpr std::uint32_t SRCCOPY = 0x00CC0020;
inline constexpr std::uint32_t SRCPAINT = 0x00EE0086;   // S | D
inline constexpr std::uint32_t SRCAND = 0x008800C6;     // S & D
inline constexpr std::uint32_t SRCINVERT = 0x00660046;  // S ^ D
inline constexpr std::uint32_t SRCERASE = 0x00440328;   // S & ~D
inline constexpr std::uint32_t NOTSRCCOPY = 0x00330008;
inline constexpr std::uint32_t NOTSRCERASE = 0x001100A6;
inline constexpr std::uint32_t MERGECOPY = 0x00C000CA;
inline constexpr std::uint32_t MERGEPAINT = 0x00BB0226;
inline constexpr std::uint32_t PATCOPY = 0x00F00021;
inline constexpr std::uint32_t PATPAINT = 0x00FB0A09;
inline constexpr std::uint32_t PATINVERT = 0x005A0049;
inline constexpr std::uint32_t DSTINVERT = 0x00550009;
inline constexpr std::uint32_t BLACKNESS = 0x00000042;
inline constexpr std::uint32_t WHITENESS = 0x00FF0062;
inline constexpr std::uint32_t DSna = 0x00220326;  // D & ~S: erase the destination through a mask
inline constexpr std::uint32_t DSTCOPY = 0x00AA0029;  // D: leaves the destination as it is
// A MaskBlt operation: foreground (mask bit 1) and background (mask bit 0) ternary operations.
constexpr std::uint32_t MAKEROP4(std::uint32_t fore, std::uint32_t back) {
  return ((back << 8) & 0xFF000000u) | fore;
}

// Background modes and stretch modes.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;
inline constexpr int BLACKONWHITE = 1;
inline constexpr int WHITEONBLACK = 2;
inline constexpr int COLORONCOLOR = 3;
inline constexpr int HALFTONE = 4;

// Pens and brushes.
inline constexpr int PS_SOLID = 0;
inline constexpr int PS_NULL = 5;
inline constexpr int BS_SOLID = 0;
inline constexpr int BS_NULL = 1;  // hollow

// Stock objects.
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int LTGRAY_BRUSH = 1;
inline constexpr int GRAY_BRUSH = 2;
inline constexpr int DKGRAY_BRUSH = 3;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int WHITE_PEN = 6;
inline constexpr int BLACK_PEN = 7;
inline constexpr int NULL_PEN = 8;
inline constexpr int SYSTEM_FONT = 13;
inline constexpr int DEFAULT_GUI_FONT = 17;
inline constexpr int DEFAULT_BITMAP = 21;  // the 1 x 1 monochrome bitmap of a new memory context

// Device capabilities.
inline constexpr int HORZRES = 8;
inline constexpr int VERTRES = 10;
inline constexpr int BITSPIXEL = 12;
inline constexpr int PLANES = 14;
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;

// Frame controls.
inline constexpr unsigned DFC_BUTTON = 4;
inline constexpr unsigned DFC_SCROLL = 3;
inline constexpr unsigned DFCS_BUTTONPUSH = 0x0010;
inline constexpr unsigned DFCS_BUTTONRADIO = 0x0004;
inline constexpr unsigned DFCS_SCROLLCOMBOBOX = 0x0005;
inline constexpr unsigned DFCS_ADJUSTRECT = 0x2000;
inline constexpr unsigned DFCS_INACTIVE = 0x0100;
inline constexpr unsigned DFCS_PUSHED = 0x0200;
inline constexpr unsigned DFCS_CHECKED = 0x0400;
inline constexpr unsigned DFCS_FLAT = 0x4000;

// Edges (DrawEdge).
inline constexpr unsigned BDR_RAISEDOUTER = 0x0001;
inline constexpr unsigned BDR_SUNKENOUTER = 0x0002;
inline constexpr unsigned BDR_RAISEDINNER = 0x0004;
inline constexpr unsigned BDR_SUNKENINNER = 0x0008;
inline constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
inline constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
inline constexpr unsigned BF_LEFT = 0x0001;
inline constexpr unsigned BF_TOP = 0x0002;
inline constexpr unsigned BF_RIGHT = 0x0004;
inline constexpr unsigned BF_BOTTOM = 0x0008;
inline constexpr unsigned BF_RECT = 0x000F;
inline constexpr unsigned BF_MIDDLE = 0x0800;  // fills the inside with the button face
inline constexpr unsigned BF_SOFT = 0x1000;    // outer and inner top-left colours swapped
inline constexpr unsigned BF_ADJUST = 0x2000;

// DrawText flags.
inline constexpr unsigned DT_TOP = 0x0;
inline constexpr unsigned DT_LEFT = 0x0;
inline constexpr unsigned DT_CENTER = 0x1;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4;
inline constexpr unsigned DT_BOTTOM = 0x8;
inline constexpr unsigned DT_WORDBREAK = 0x10;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_EXPANDTABS = 0x40;
inline constexpr unsigned DT_NOCLIP = 0x100;
inline constexpr unsigned DT_CALCRECT = 0x400;
inline constexpr unsigned DT_NOPREFIX = 0x800;
inline constexpr unsigned DT_RTLREADING = 0x20000;

// Font request.
inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_BOLD = 700;
inline constexpr int DEFAULT_PITCH = 0;
inline constexpr int FIXED_PITCH = 1;
inline constexpr int VARIABLE_PITCH = 2;
struct LOGFONT {
  int height = 0;  // negative: character height; positive: cell height; 0: default
  int width = 0;
  int escapement = 0;
  int orientation = 0;
  int weight = FW_NORMAL;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int charSet = 1;
  int pitchAndFamily = DEFAULT_PITCH;
  std::string faceName;  // UTF-8
};
struct TEXTMETRIC {
  int height = 0;  // ascent + descent
  int ascent = 0;
  int descent = 0;
  int internalLeading = 0;
  int externalLeading = 0;
  int aveCharWidth = 0;
  int maxCharWidth = 0;
  int weight = FW_NORMAL;
};

// Image lists.
inline constexpr unsigned ILC_MASK = 0x0001;
inline constexpr unsigned ILC_COLOR32 = 0x0020;
inline constexpr unsigned ILD_NORMAL = 0x0000;
inline constexpr unsigned ILD_TRANSPARENT = 0x0001;
inline constexpr COLORREF CLR_NONE = 0xFFFFFFFF;
inline constexpr COLORREF CLR_DEFAULT = 0xFF000000;
inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

}  // namespace pw::gfx

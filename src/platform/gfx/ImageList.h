#pragma once
// Image lists: images of one cell size, each with an optional monochrome mask, drawn with a
// background colour where the mask is set (bitmap-button glyphs use them).

#include "platform/gfx/Gdi.h"

namespace pw::gfx {

struct ImageList;
using HIMAGELIST = ImageList*;

// A list of cx x cy images; ILC_MASK gives each image a mask. The colour depth flags are
// accepted and ignored: images are held as 32-bit pixels.
HIMAGELIST ImageList_Create(int cx, int cy, unsigned flags, int initial, int grow);
bool ImageList_Destroy(HIMAGELIST list);
int ImageList_GetImageCount(HIMAGELIST list);
bool ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy);

// Adds the images of a bitmap (a strip of cells of the list's size, left to right) with their
// mask (1 bits transparent; none: all opaque); returns the index of the first, or -1.
int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask);
// As ImageList_Add with a mask made of the pixels of `maskColor`, which become black in the
// image.
int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF maskColor);
// Replaces image `index` with the first cell of `image` and `mask`.
bool ImageList_Replace(HIMAGELIST list, int index, HBITMAP image, HBITMAP mask);
// Removes image `index`, or all images when index is -1.
bool ImageList_Remove(HIMAGELIST list, int index);

// The list's background colour for drawing with CLR_DEFAULT; CLR_NONE at first.
COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF color);
COLORREF ImageList_GetBkColor(HIMAGELIST list);

// Draws image `index` at (x, y), its top-left dx x dy part (0: the whole width or height).
// ILD_NORMAL: masked pixels show `background` (CLR_DEFAULT: the list's background colour;
// CLR_NONE: the destination stays); ILD_TRANSPARENT: masked pixels always leave the
// destination. `foreground` (blending) is not used.
bool ImageList_DrawEx(HIMAGELIST list, int index, HDC dc, int x, int y, int dx, int dy,
                      COLORREF background, COLORREF foreground, unsigned style);
bool ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, unsigned style);

}  // namespace pw::gfx

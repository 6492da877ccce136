#pragma once
// The calculator window's pictures, each drawn by a file of its own.

#include <cairo.h>

#include <vector>

#include "pictures/calculator/Section.h"
#include "pictures/kit/PictureFiles.h"

namespace pw::pictures {

// P1: the panel behind the family row, the inputs and the drawings.
Raster BackgroundPanel();
// P2 to P5: a length of the family's section in perspective, its length and one size
// dimensioned; the size is measured across the bottom (horizontal) or up the left side.
Raster FamilyDrawing(int width, int height, const std::vector<Corner>& corners, double sectionWidth,
                     double sectionHeight, bool horizontalMeasure, const char* letter);
// P6 to P9: a family's cross-section as an icon.
Raster FamilyIcon(const std::vector<Corner>& corners, double sectionWidth, double sectionHeight,
                  int visibleWidth, int visibleHeight);
// P10: the logo.
Raster Logo();
// P11: the maker's name.
Raster NameBanner();
// G1, G2: the glyphs of the two bitmap buttons.
Raster CalculateGlyph();
Raster ShowcaseGlyph();
// The application icon at a size in pixels.
void DrawAppIcon(cairo_t* cr, int size);

}  // namespace pw::pictures

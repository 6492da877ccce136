#pragma once
// The showcase window's pictures, each drawn by a file of its own.

#include <cairo.h>

#include <optional>
#include <vector>

#include "pictures/kit/Colour.h"
#include "pictures/kit/PictureFiles.h"

namespace pw::pictures {

// Image2: the window's background, dark teal with faint diagonal bands and a fine grain.
Raster DrawBackground();
// Image12: the footer banner, lettered on navy (the transparent colour).
Raster DrawFooterBanner();
// Image13: the side list of industries, lettered on navy.
Raster DrawIndustryList();
// BitBtn1 (up) and BitBtn2 (down): a green round button face with a white arrow.
Raster DrawArrowGlyph(bool up);

// One step in drawing a slide.
using Step = void (*)(cairo_t* cr);

// A slide as data: its size, the colour it is painted first (none: left clear), the entry in
// Sheets.json of the drawing sheet it is drawn on (none for a rendered view), and the steps that
// draw it, in order.
struct Slide {
  int width, height;
  std::optional<Colour> paper;
  const char* sheet;
  std::vector<Step> steps;
};

Raster DrawSlide(const Slide& slide);

// General arrangement and detail drawings, then rendered views.
extern const Slide kBeltConveyor;    // Image1
extern const Slide kScrewConveyor;   // Image3
extern const Slide kBucketElevator;  // Image4
extern const Slide kDragChain;       // Image5
extern const Slide kSilo;            // Image6
extern const Slide kDuctingDetails;  // Image7
extern const Slide kSteelFrame;      // Image8
extern const Slide kTrainingRoom;    // Image9
extern const Slide kPlantPiping;     // Image10
extern const Slide kPlantModel;      // Image11

}  // namespace pw::pictures

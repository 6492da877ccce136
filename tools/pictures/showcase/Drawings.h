#pragma once
// The showcase window's pictures, each drawn by a file of its own.

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

// The slides: general arrangement and detail drawings, then rendered views.
Raster DrawBeltConveyor();    // Image1
Raster DrawScrewConveyor();   // Image3
Raster DrawBucketElevator();  // Image4
Raster DrawDragChain();       // Image5
Raster DrawSilo();            // Image6
Raster DrawDuctingDetails();  // Image7
Raster DrawSteelFrame();      // Image8
Raster DrawTrainingRoom();    // Image9
Raster DrawPlantPiping();     // Image10
Raster DrawPlantModel();      // Image11

}  // namespace pw::pictures

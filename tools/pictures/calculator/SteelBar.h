#pragma once
// Steel in perspective: a length of rolled section seen from its near end, and the lettered
// dimensions of the family drawings.

#include <cairo.h>

#include "pictures/calculator/Section.h"
#include "pictures/kit/Geometry.h"

namespace pw::pictures {

// One-point perspective: the far end of a bar is its near end scaled towards the vanishing point.
struct Perspective {
  Point vanish;
  double farScale;
  Point Far(Point p) const { return vanish + (p - vanish) * farScale; }
};

// A bar of the given section: the visible long faces from the back forwards, each shaded by the
// way it faces the light and darkening towards the far end, then the near end face.
void DrawBar(cairo_t* cr, const Outline& section, const Perspective& view);

// A dimension: extension lines from the two marked points in the given direction, and between
// them, at the given distance, a dimension line with an arrowhead at each end. A letter naming
// the dimension interrupts the line at its middle, in the face and colour of the window's own
// length mark.
void LetteredDimension(cairo_t* cr, Point from, Point to, Point direction, double distance,
                       const char* letter = nullptr);

}  // namespace pw::pictures

#pragma once
// Parts that recur on the general arrangement drawings.

#include <cairo.h>

#include "pictures/kit/Geometry.h"

namespace pw::pictures {

// A short column with a base plate on the ground line and its pedestal below, dashed.
void Column(cairo_t* cr, double x, double top, double ground, double width = 3.0);

// An electric motor seen from the side: body with cooling fins, fan cowl at one end, terminal
// box on top.
void DrawMotorSide(cairo_t* cr, double x, double y, double w, double h, bool fanLeft);

// The end flange of a chute whose mouth runs from e0 to e1: a strip three pixels deep standing
// out past both ends, on the side of the mouth's normal (side 1) or away from it (side -1).
void ChuteFlange(cairo_t* cr, P e0, P e1, double side);

}  // namespace pw::pictures

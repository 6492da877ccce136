#pragma once
// Parts that recur on the general arrangement drawings.

#include <cairo.h>

namespace pw::pictures {

// A short column with a base plate on the ground line and its pedestal below, dashed.
void Column(cairo_t* cr, double x, double top, double ground, double width = 3.0);

// An electric motor seen from the side: body with cooling fins, fan cowl at one end, terminal
// box on top.
void DrawMotorSide(cairo_t* cr, double x, double y, double w, double h, bool fanLeft);

}  // namespace pw::pictures

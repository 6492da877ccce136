#pragma once
// Rolled steel sections: outlines of angles, channels and I-sections with rounded roots and toes,
// drawn with the origin at the top left of their bounding box.

#include <vector>

#include "pictures/kit/Geometry.h"

namespace pw::pictures {

// A corner of a section outline, rounded with the given radius (0: sharp).
struct Corner {
  double x, y, radius;
};

// A closed outline, clockwise on screen (y down), each vertex marked sharp where the outline
// turns at a corner and smooth along a rounding.
struct Outline {
  std::vector<Point> points;
  std::vector<bool> sharp;
};

// The outline through the corners, moved by the offset, each rounding made of short straight
// steps.
Outline MakeOutline(const std::vector<Corner>& corners, Point offset);

// Equal angle: one leg up on the left, one along the bottom.
std::vector<Corner> AngleSection(double leg, double t, double root, double toe);
// Channel standing open at the top; the inner faces of the flanges taper outwards.
std::vector<Corner> ChannelSection(double width, double height, double web, double flange,
                                   double root, double toe);
// I-section standing upright: flanges across the top and the bottom, web vertical.
std::vector<Corner> UprightISection(double depth, double breadth, double web, double flange,
                                    double root, double taper);
// The same section turned on its side: web horizontal, flanges vertical on the left and right.
std::vector<Corner> SideISection(double depth, double breadth, double web, double flange,
                                 double root, double taper);

}  // namespace pw::pictures

#pragma once
// Drafting: the pens of a drawing office, lines and outlines, dimensions, centre lines and the
// symbols of general arrangement drawings (levels, section cuts, view arrows, item balloons).

#include <cairo.h>

#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

#include "pictures/kit/Colour.h"
#include "pictures/kit/Geometry.h"
#include "pictures/kit/Lettering.h"

namespace pw::pictures {

inline constexpr Colour kInk = Rgb255(18, 18, 22);
inline constexpr Colour kPaper = Rgb255(255, 255, 255);
inline constexpr Colour kCentreInk = Rgb255(190, 30, 30);
inline constexpr Colour kDimensionInk = Rgb255(20, 70, 160);
inline constexpr Colour kHatchInk = Rgb255(110, 110, 115);
inline constexpr Colour kFrameInk = Rgb255(30, 30, 30);

inline constexpr Font kDimensionFont{kCondensed, 5.6};
inline constexpr Font kNoteFont{kCondensed, 5.2};
inline constexpr Font kLabelFont{kCondensed, 6.0};
inline constexpr Font kTinyFont{kCondensed, 3.8};

enum class Pen { Outline, Heavy, Thin, Hidden, Centre, Dimension, Hatch, Phantom };

// Takes up the pen: its ink, width and dash pattern.
void Use(cairo_t* cr, Pen pen);

// Lines and outlines, stroked with the current pen (Path only adds to the path).
void Line(cairo_t* cr, double x1, double y1, double x2, double y2);
void Line(cairo_t* cr, P a, P b);
void Path(cairo_t* cr, std::initializer_list<P> points, bool closed = false);
void Path(cairo_t* cr, const std::vector<P>& points, bool closed = false);
// A new closed path through the points.
void Polygon(cairo_t* cr, const std::vector<P>& points);
void Polyline(cairo_t* cr, std::initializer_list<P> points, bool closed = false);
void Box(cairo_t* cr, double x, double y, double w, double h);
// A rectangle filled with paper (hiding what lies behind it) and outlined.
void SolidBox(cairo_t* cr, double x, double y, double w, double h, Colour fill = kPaper);
// Fills the current path (with paper, by default: hiding what lies behind it) and strokes it with
// the pen.
void FillAndStroke(cairo_t* cr, Colour fill = kPaper);
void FillBox(cairo_t* cr, double x, double y, double w, double h, Colour c);
void Circle(cairo_t* cr, double cx, double cy, double r);
void SolidCircle(cairo_t* cr, double cx, double cy, double r, Colour fill = kPaper);
void Dot(cairo_t* cr, double cx, double cy, double r);
// A rectangle with rounded corners as a closed sub-path.
void RoundedRectangle(cairo_t* cr, double x, double y, double w, double h, double r);
// Fills the current path with a linear gradient from `from` to `to` through the colour stops
// (offset, colour); the path is kept for a stroke when keepPath is set.
void FillLinear(cairo_t* cr, P from, P to, std::initializer_list<std::pair<double, Colour>> stops,
                bool keepPath = true);
// Section lining of the current path at 45 degrees (or the given angle); the path is consumed.
void Hatch(cairo_t* cr, double spacing = 3.0, double angle = 45.0);
// A filled arrowhead with its tip at `tip`, pointing along `direction`.
void Arrowhead(cairo_t* cr, P tip, P direction, double length = 4.5, double width = 1.5);

// An aligned dimension from a to b, its line `offset` pixels to the left of a->b (above a
// left-to-right dimension), with extension lines, arrowheads and the value.
void Dimension(cairo_t* cr, P a, P b, double offset, std::string_view value);
void HDimension(cairo_t* cr, double x1, double x2, double y, double lineY, std::string_view v);
void VDimension(cairo_t* cr, double y1, double y2, double x, double lineX, std::string_view v);
// A centre line from a to b, overshooting both ends a little.
void CentreLine(cairo_t* cr, P a, P b, double overshoot = 4);
void CentreCross(cairo_t* cr, double cx, double cy, double r);

// A level mark: an open triangle standing on a short line, with the elevation beside it.
void Level(cairo_t* cr, double x, double y, std::string_view text, bool right = true);
// A cutting plane from a to b: heavy ends, a chain line between, arrows to the viewing side and
// the letters.
void SectionCut(cairo_t* cr, P a, P b, P view, std::string_view letter);
// A view or detail marker: an arrow to the detail and its letter.
void ViewArrow(cairo_t* cr, P tail, P tip, std::string_view letter);
// An item balloon at `at` with a leader to the part at `target`.
void Balloon(cairo_t* cr, P at, P target, int item);
// Item balloons numbered from `first`, each at its place with a leader to its part: (at, target).
void Balloons(cairo_t* cr, std::initializer_list<std::pair<P, P>> leaders, int first = 1);
// The name of a view, underlined, with its scale under it.
void ViewTitle(cairo_t* cr, double x, double y, std::string_view name, std::string_view scale);
// A ground line with short hatch strokes under it.
void Ground(cairo_t* cr, double x1, double x2, double y);
// A break line across a member: a straight line with a zigzag in the middle.
void BreakLine(cairo_t* cr, P a, P b);
// A bolt head or nut seen side on.
void HexSide(cairo_t* cr, double x, double y, double w, double h);

}  // namespace pw::pictures

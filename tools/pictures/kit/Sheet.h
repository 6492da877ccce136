#pragma once
// The drawing sheet: the border with its zones, the title block, the parts list standing on it,
// notes, the revision table and small tables of characteristics.

#include <cairo.h>

#include <initializer_list>
#include <utility>

#include "pictures/kit/Colour.h"
#include "pictures/kit/Geometry.h"

namespace pw::pictures {

// Paints the sheet white and draws its border; returns the inner frame.
Rect DrawSheet(cairo_t* cr, double width, double height);

// The first-angle projection symbol: a truncated cone seen from the side and from its end.
void ProjectionSymbol(cairo_t* cr, double x, double y);

// The NORVEX mark: an I-section in a square.
void NorvexMark(cairo_t* cr, double x, double y, double size, Colour ink, Colour paper);

struct TitleBlock {
  const char* title;
  const char* subtitle;
  const char* number;
  const char* scale;
  const char* date;
  const char* sheet;
  const char* revision;
  const char* weight;
};

inline constexpr double kTitleWidth = 190;
inline constexpr double kTitleHeight = 56;

// The title block in the lower right corner of the frame.
void DrawTitleBlock(cairo_t* cr, double right, double bottom, const TitleBlock& t);

struct PartsRow {
  const char* description;
  const char* quantity;
  const char* material;
};

// The parts list standing on the title block, numbered from the bottom; returns its top.
double DrawPartsList(cairo_t* cr, double right, double bottom, std::initializer_list<PartsRow> rows,
                     double rowHeight = 7.4);

// Numbered notes under a heading.
void DrawNotes(cairo_t* cr, double x, double y, std::initializer_list<const char*> lines,
               double maxWidth = 186);

struct Revision {
  const char* rev;
  const char* description;
  const char* date;
  const char* by;
};

// The revision table hanging from the top of the frame.
void DrawRevisions(cairo_t* cr, double right, double top, std::initializer_list<Revision> rows);

// A small table of characteristics: name and value per row.
void DrawDataTable(cairo_t* cr, double x, double y, double w, const char* heading,
                   std::initializer_list<std::pair<const char*, const char*>> rows);

}  // namespace pw::pictures

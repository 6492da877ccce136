#pragma once
// The drawing sheet: the border with its zones, the title block, the parts list standing on it,
// notes, the revision table and small tables of characteristics.

#include <cairo.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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
  std::string title, subtitle, number, scale, date, sheet, revision, weight;
};

inline constexpr double kTitleWidth = 190;
inline constexpr double kTitleHeight = 56;

// The title block in the lower right corner of the frame.
void DrawTitleBlock(cairo_t* cr, double right, double bottom, const TitleBlock& t);

struct PartsRow {
  std::string description, quantity, material;
};

// The parts list standing on the title block, numbered from the bottom; returns its top.
double DrawPartsList(cairo_t* cr, double right, double bottom, const std::vector<PartsRow>& rows,
                     double rowHeight = 7.4);

// Numbered notes under a heading.
void DrawNotes(cairo_t* cr, double x, double y, const std::vector<std::string>& lines,
               double maxWidth = 186);

struct Revision {
  std::string rev, description, date, by;
};

// The revision table hanging from the given top at the right of the frame.
void DrawRevisions(cairo_t* cr, double right, double top, const std::vector<Revision>& rows);

struct DataTable {
  std::string heading;
  P at;
  double width;
  std::vector<std::pair<std::string, std::string>> rows;  // name and value
};

// A small table of characteristics: name and value per row.
void DrawDataTable(cairo_t* cr, const DataTable& table);

// A schedule above the title block: a heading, a header row and the rows, each cell at its
// column's offset from the left edge.
struct Schedule {
  std::string heading;
  double top;
  std::vector<double> columns;
  std::vector<std::vector<std::string>> rows;  // the first is the header
};

void DrawSchedule(cairo_t* cr, double right, const Schedule& schedule);

// Everything written on a sheet besides the drawing, as one drawing's entry in a register.
struct SheetTexts {
  TitleBlock title;
  std::vector<Revision> revisions;
  std::optional<double> revisionsTop;  // the frame's top when not given
  std::vector<PartsRow> parts;
  std::vector<std::string> notes;
  std::optional<P> notesAt;  // else above the parts list by notesAboveParts
  double notesAboveParts = 0;
  double notesWidth = 186;
  std::optional<DataTable> dataTable;
  std::optional<Schedule> schedule;
};

// The entry of a drawing in a register of sheets written in JSON: an object with one member per
// drawing.
SheetTexts ParseSheetTexts(std::string_view registerJson, std::string_view drawing);

// The sheet's tables, notes and title block, inside the frame.
void DrawSheetTexts(cairo_t* cr, const Rect& frame, const SheetTexts& texts);

}  // namespace pw::pictures

#include "pictures/kit/Sheet.h"

#include <string>

#include "pictures/kit/Drafting.h"
#include "pictures/kit/Lettering.h"

namespace pw::pictures {

Rect DrawSheet(cairo_t* cr, double width, double height) {
  Use(cr, kPaper);
  cairo_paint(cr);
  const double margin = 10;
  Rect f{margin, margin, width - margin, height - margin};
  Use(cr, kFrameInk);
  cairo_set_line_width(cr, 0.5);
  Box(cr, 3.5, 3.5, width - 7, height - 7);
  cairo_set_line_width(cr, 1.5);
  Box(cr, f.left, f.top, f.right - f.left, f.bottom - f.top);
  // Zones: numbers across, letters down, with a tick between neighbours.
  const int columns = width > 560 ? 8 : 6;
  const int rows = 6;
  cairo_set_line_width(cr, 0.5);
  const Font zone{kCondensed, 4.6};
  for (int i = 0; i < columns; ++i) {
    const double x0 = f.left + (f.right - f.left) * i / columns;
    const double x1 = f.left + (f.right - f.left) * (i + 1) / columns;
    if (i > 0) {
      Line(cr, x0, 3.5, x0, f.top);
      Line(cr, x0, f.bottom, x0, height - 3.5);
    }
    const std::string n = std::to_string(i + 1);
    Text(cr, n, zone, (x0 + x1) / 2, 8.6, Align::Centre);
    Text(cr, n, zone, (x0 + x1) / 2, height - 5.0, Align::Centre);
  }
  for (int j = 0; j < rows; ++j) {
    const double y0 = f.top + (f.bottom - f.top) * j / rows;
    const double y1 = f.top + (f.bottom - f.top) * (j + 1) / rows;
    if (j > 0) {
      Line(cr, 3.5, y0, f.left, y0);
      Line(cr, f.right, y0, width - 3.5, y0);
    }
    const std::string letter(1, static_cast<char>('A' + j));
    Text(cr, letter, zone, 6.8, (y0 + y1) / 2 + 1.7, Align::Centre);
    Text(cr, letter, zone, width - 6.8, (y0 + y1) / 2 + 1.7, Align::Centre);
  }
  // Centring marks.
  cairo_set_line_width(cr, 1.2);
  Line(cr, width / 2, f.top, width / 2, f.top + 5);
  Line(cr, width / 2, f.bottom, width / 2, f.bottom - 5);
  Line(cr, f.left, height / 2, f.left + 5, height / 2);
  Line(cr, f.right, height / 2, f.right - 5, height / 2);
  return f;
}

// The first-angle projection symbol: a truncated cone seen from the side and from its end.
void ProjectionSymbol(cairo_t* cr, double x, double y) {
  cairo_save(cr);
  Use(cr, kInk);
  cairo_set_line_width(cr, 0.5);
  Polyline(cr, {{x, y - 2.5}, {x + 9, y - 4.5}, {x + 9, y + 4.5}, {x, y + 2.5}}, true);
  Circle(cr, x + 17, y, 4.5);
  Circle(cr, x + 17, y, 2.5);
  cairo_restore(cr);
  CentreLine(cr, {x - 1, y}, {x + 22, y}, 1);
}

// The NORVEX mark: an I-section in a square and the name.
void NorvexMark(cairo_t* cr, double x, double y, double size, Colour ink, Colour paper) {
  cairo_save(cr);
  Use(cr, ink);
  cairo_rectangle(cr, x, y, size, size);
  cairo_fill(cr);
  Use(cr, paper);
  const double s = size / 10;
  cairo_rectangle(cr, x + 2 * s, y + 2 * s, 6 * s, 1.3 * s);
  cairo_rectangle(cr, x + 2 * s, y + 6.7 * s, 6 * s, 1.3 * s);
  cairo_rectangle(cr, x + 4.4 * s, y + 3 * s, 1.2 * s, 4 * s);
  cairo_fill(cr);
  cairo_restore(cr);
}

void DrawTitleBlock(cairo_t* cr, double right, double bottom, const TitleBlock& t) {
  cairo_save(cr);
  const double x = right - kTitleWidth, y = bottom - kTitleHeight;
  Use(cr, kPaper);
  cairo_rectangle(cr, x, y, kTitleWidth, kTitleHeight);
  cairo_fill(cr);
  Use(cr, kFrameInk);
  cairo_set_line_width(cr, 1.2);
  Box(cr, x, y, kTitleWidth, kTitleHeight);
  cairo_set_line_width(cr, 0.5);
  const double split = x + 58;  // company | title
  Line(cr, split, y, split, bottom);
  // Company.
  NorvexMark(cr, x + 4, y + 4, 14, Rgb255(20, 50, 110), kPaper);
  Use(cr, Rgb255(20, 50, 110));
  Text(cr, "NORVEX", Font{kSans, 9.5, true}, x + 21, y + 13.5, Align::Left, 34);
  Use(cr, kInk);
  Text(cr, "ENGINEERING CO.", Font{kCondensed, 4.4, true}, x + 21, y + 18.6, Align::Left, 35);
  Line(cr, x, y + 22, split, y + 22);
  // Signatures.
  const char* roles[] = {"DRAWN", "CHECKED", "APPROVED"};
  const char* names[] = {"A. KARIMI", "M. SADEGHI", "A. BABAEI"};
  for (int i = 0; i < 3; ++i) {
    const double ry = y + 22 + 11.33 * i;
    if (i > 0) Line(cr, x, ry, split, ry);
    Text(cr, roles[i], kTinyFont, x + 2, ry + 4.2);
    Text(cr, names[i], Font{kCondensed, 5.0}, x + 2, ry + 9.8);
    Text(cr, t.date, Font{kCondensed, 4.2}, split - 1.5, ry + 9.8, Align::Right);
  }
  Line(cr, x + 32, y + 22, x + 32, bottom);
  // Title.
  Line(cr, split, y + 24, right, y + 24);
  Text(cr, "TITLE", kTinyFont, split + 2, y + 4.5);
  Text(cr, t.title, Font{kSans, 6.8, true}, split + 66, y + 13.0, Align::Centre, 126);
  Text(cr, t.subtitle, Font{kSans, 5.6}, split + 66, y + 20.5, Align::Centre, 126);
  // Number, revision, sheet.
  const double row2 = y + 24, row3 = y + 38;
  Line(cr, split, row3, right, row3);
  Line(cr, split + 84, row2, split + 84, bottom);
  Line(cr, split + 104, row2, split + 104, bottom);
  Text(cr, "DRAWING No.", kTinyFont, split + 2, row2 + 4.2);
  Text(cr, t.number, Font{kSans, 6.4, true}, split + 42, row2 + 11.6, Align::Centre, 80);
  Text(cr, "REV.", kTinyFont, split + 86, row2 + 4.2);
  Text(cr, t.revision, Font{kSans, 7.5, true}, split + 94, row2 + 12.0, Align::Centre);
  Text(cr, "SHEET", kTinyFont, split + 106, row2 + 4.2);
  Text(cr, t.sheet, Font{kCondensed, 5.8}, split + 118, row2 + 11.6, Align::Centre);
  // Scale, size, projection.
  Line(cr, split + 40, row3, split + 40, bottom);
  Text(cr, "SCALE", kTinyFont, split + 2, row3 + 4.2);
  Text(cr, t.scale, Font{kCondensed, 6.0, true}, split + 20, row3 + 13.8, Align::Centre);
  Text(cr, "PROJECTION", kTinyFont, split + 42, row3 + 4.2);
  ProjectionSymbol(cr, split + 52, row3 + 11);
  Text(cr, "SIZE", kTinyFont, split + 86, row3 + 4.2);
  Text(cr, "A2", Font{kCondensed, 6.0, true}, split + 94, row3 + 13.8, Align::Centre);
  Text(cr, "WEIGHT", kTinyFont, split + 106, row3 + 4.2);
  Text(cr, t.weight, Font{kCondensed, 5.4}, split + 118, row3 + 13.4, Align::Centre, 24);
  cairo_restore(cr);
}

namespace {

// A cell of a table row: the offset from the table's left edge, the alignment there and the
// widest the text may be (0: any width).
struct Column {
  double offset;
  Align align;
  double maxWidth;
};

void TableRow(cairo_t* cr, double x, double baseline, std::initializer_list<Column> columns,
              std::initializer_list<std::string_view> cells, const Font& font) {
  auto cell = cells.begin();
  for (const Column& c : columns)
    Text(cr, *cell++, font, x + c.offset, baseline, c.align, c.maxWidth);
}

constexpr Colour kHeadingShade = Rgb255(232, 232, 236);

}  // namespace

double DrawPartsList(cairo_t* cr, double right, double bottom, const std::vector<PartsRow>& rows,
                     double rowHeight) {
  cairo_save(cr);
  const double x = right - kTitleWidth;
  const double count = static_cast<double>(rows.size()) + 1;
  const double top = bottom - count * rowHeight;
  Use(cr, kPaper);
  cairo_rectangle(cr, x, top, kTitleWidth, bottom - top);
  cairo_fill(cr);
  Use(cr, kFrameInk);
  cairo_set_line_width(cr, 1.0);
  Box(cr, x, top, kTitleWidth, bottom - top);
  cairo_set_line_width(cr, 0.4);
  const double rules[] = {x + 14, x + 120, x + 142};
  for (double c : rules) Line(cr, c, top, c, bottom);
  const auto columns = {Column{7, Align::Centre, 0}, Column{16, Align::Left, 102},
                        Column{131, Align::Centre, 20}, Column{144, Align::Left, 44}};
  int item = static_cast<int>(rows.size());
  double y = top;
  for (const PartsRow& row : rows) {
    Line(cr, x, y + rowHeight, right, y + rowHeight);
    TableRow(cr, x, y + rowHeight - 1.8, columns,
             {std::to_string(item--), row.description, row.quantity, row.material},
             Font{kCondensed, 4.9});
    y += rowHeight;
  }
  FillBox(cr, x, y, kTitleWidth, rowHeight, kHeadingShade);
  Use(cr, kFrameInk);
  for (double c : rules) Line(cr, c, y, c, bottom);
  TableRow(cr, x, y + rowHeight - 1.9, columns, {"ITEM", "DESCRIPTION", "QTY", "MATERIAL"},
           Font{kCondensed, 4.6, true});
  cairo_set_line_width(cr, 1.0);
  Line(cr, x, y, right, y);
  cairo_restore(cr);
  return top;
}

void DrawNotes(cairo_t* cr, double x, double y, const std::vector<std::string>& lines,
               double maxWidth) {
  cairo_save(cr);
  Use(cr, kInk);
  Text(cr, "NOTES:", Font{kSans, 5.8, true}, x, y);
  double ly = y + 7.5;
  int n = 1;
  for (const std::string& line : lines) {
    Text(cr, std::to_string(n++) + ".", kNoteFont, x + 1, ly);
    Text(cr, line, kNoteFont, x + 8, ly, Align::Left, maxWidth - 8);
    ly += 6.6;
  }
  cairo_restore(cr);
}

void DrawRevisions(cairo_t* cr, double right, double top, const std::vector<Revision>& rows) {
  cairo_save(cr);
  const double w = 170, h = 7.2;
  const double x = right - w;
  const double bottom = top + h * (static_cast<double>(rows.size()) + 1);
  Use(cr, kFrameInk);
  cairo_set_line_width(cr, 0.9);
  Box(cr, x, top, w, bottom - top);
  cairo_set_line_width(cr, 0.4);
  for (double c : {x + 14, x + 110, x + 145}) Line(cr, c, top, c, bottom);
  const auto columns = {Column{7, Align::Centre, 0}, Column{16, Align::Left, 92},
                        Column{127, Align::Centre, 0}, Column{157, Align::Centre, 0}};
  TableRow(cr, x, top + h - 1.9, columns, {"REV", "DESCRIPTION", "DATE", "BY"},
           Font{kCondensed, 4.6, true});
  double y = top + h;
  for (const Revision& r : rows) {
    Line(cr, x, y, right, y);
    TableRow(cr, x, y + h - 1.8, columns, {r.rev, r.description, r.date, r.by},
             Font{kCondensed, 4.8});
    y += h;
  }
  cairo_restore(cr);
}

void DrawDataTable(cairo_t* cr, const DataTable& table) {
  const double x = table.at.x, y = table.at.y, w = table.width;
  cairo_save(cr);
  const double h = 7.0;
  const double bottom = y + h * (static_cast<double>(table.rows.size()) + 1);
  FillBox(cr, x, y, w, h, kHeadingShade);
  Use(cr, kFrameInk);
  cairo_set_line_width(cr, 0.9);
  Box(cr, x, y, w, bottom - y);
  cairo_set_line_width(cr, 0.4);
  Text(cr, table.heading, Font{kCondensed, 5.0, true}, x + w / 2, y + h - 1.8, Align::Centre);
  double ry = y + h;
  const double split = x + w * 0.52;
  Line(cr, split, ry, split, bottom);
  const Font font{kCondensed, 4.8};
  for (const auto& [name, value] : table.rows) {
    Line(cr, x, ry, x + w, ry);
    Text(cr, name, font, x + 2, ry + h - 1.8, Align::Left, split - x - 3);
    Text(cr, value, font, split + 2, ry + h - 1.8, Align::Left, x + w - split - 3);
    ry += h;
  }
  cairo_restore(cr);
}

void DrawSchedule(cairo_t* cr, double right, const Schedule& schedule) {
  const double x = right - kTitleWidth, y = schedule.top, h = 7.2;
  const double count = static_cast<double>(schedule.rows.size());
  Use(cr, kInk);
  Text(cr, schedule.heading, Font{kSans, 5.8, true}, x, y - 3);
  FillBox(cr, x, y, kTitleWidth, h, kHeadingShade);
  Use(cr, kFrameInk);
  cairo_set_line_width(cr, 0.9);
  Box(cr, x, y, kTitleWidth, h * count);
  cairo_set_line_width(cr, 0.4);
  for (std::size_t c = 1; c < schedule.columns.size(); ++c)
    Line(cr, x + schedule.columns[c] - 2, y, x + schedule.columns[c] - 2, y + h * count);
  for (std::size_t r = 0; r < schedule.rows.size(); ++r) {
    if (r > 0) Line(cr, x, y + h * r, x + kTitleWidth, y + h * r);
    for (std::size_t c = 0; c < schedule.columns.size(); ++c)
      Text(cr, schedule.rows[r][c], Font{kCondensed, 4.8, r == 0}, x + schedule.columns[c],
           y + h * (r + 1) - 1.8, Align::Left, 80);
  }
}

void DrawSheetTexts(cairo_t* cr, const Rect& frame, const SheetTexts& texts) {
  if (texts.dataTable) DrawDataTable(cr, *texts.dataTable);
  if (texts.schedule) DrawSchedule(cr, frame.right, *texts.schedule);
  if (texts.notesAt)
    DrawNotes(cr, texts.notesAt->x, texts.notesAt->y, texts.notes, texts.notesWidth);
  DrawRevisions(cr, frame.right, texts.revisionsTop.value_or(frame.top), texts.revisions);
  DrawTitleBlock(cr, frame.right, frame.bottom, texts.title);
  if (texts.parts.empty()) return;
  const double partsTop = DrawPartsList(cr, frame.right, frame.bottom - kTitleHeight, texts.parts);
  if (!texts.notesAt)
    DrawNotes(cr, frame.right - kTitleWidth + 2, partsTop - texts.notesAboveParts, texts.notes,
              texts.notesWidth);
}

}  // namespace pw::pictures

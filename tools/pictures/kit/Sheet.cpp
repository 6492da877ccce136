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

// The parts list standing on the title block, numbered from the bottom; returns its top.
double DrawPartsList(cairo_t* cr, double right, double bottom, std::initializer_list<PartsRow> rows,
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
  const double columns[] = {x + 14, x + 120, x + 142};
  for (double c : columns) Line(cr, c, top, c, bottom);
  const Font font{kCondensed, 4.9};
  const Font heading{kCondensed, 4.6, true};
  int item = static_cast<int>(rows.size());
  double y = top;
  for (const PartsRow& row : rows) {
    Line(cr, x, y + rowHeight, right, y + rowHeight);
    const double base = y + rowHeight - 1.8;
    Text(cr, std::to_string(item--), font, x + 7, base, Align::Centre);
    Text(cr, row.description, font, x + 16, base, Align::Left, 102);
    Text(cr, row.quantity, font, x + 131, base, Align::Centre, 20);
    Text(cr, row.material, font, x + 144, base, Align::Left, 44);
    y += rowHeight;
  }
  FillBox(cr, x, y, kTitleWidth, rowHeight, Rgb255(232, 232, 236));
  Use(cr, kFrameInk);
  for (double c : columns) Line(cr, c, y, c, bottom);
  const double base = y + rowHeight - 1.9;
  Text(cr, "ITEM", heading, x + 7, base, Align::Centre);
  Text(cr, "DESCRIPTION", heading, x + 16, base);
  Text(cr, "QTY", heading, x + 131, base, Align::Centre);
  Text(cr, "MATERIAL", heading, x + 144, base);
  cairo_set_line_width(cr, 1.0);
  Line(cr, x, y, right, y);
  cairo_restore(cr);
  return top;
}

void DrawNotes(cairo_t* cr, double x, double y, std::initializer_list<const char*> lines,
               double maxWidth) {
  cairo_save(cr);
  Use(cr, kInk);
  Text(cr, "NOTES:", Font{kSans, 5.8, true}, x, y);
  double ly = y + 7.5;
  int n = 1;
  for (const char* line : lines) {
    Text(cr, std::to_string(n++) + ".", kNoteFont, x + 1, ly);
    Text(cr, line, kNoteFont, x + 8, ly, Align::Left, maxWidth - 8);
    ly += 6.6;
  }
  cairo_restore(cr);
}

void DrawRevisions(cairo_t* cr, double right, double top, std::initializer_list<Revision> rows) {
  cairo_save(cr);
  const double w = 170, h = 7.2;
  const double x = right - w;
  const double bottom = top + h * (static_cast<double>(rows.size()) + 1);
  Use(cr, kFrameInk);
  cairo_set_line_width(cr, 0.9);
  Box(cr, x, top, w, bottom - top);
  cairo_set_line_width(cr, 0.4);
  const double columns[] = {x + 14, x + 110, x + 145};
  for (double c : columns) Line(cr, c, top, c, bottom);
  const Font font{kCondensed, 4.8};
  const Font heading{kCondensed, 4.6, true};
  Text(cr, "REV", heading, x + 7, top + h - 1.9, Align::Centre);
  Text(cr, "DESCRIPTION", heading, x + 16, top + h - 1.9);
  Text(cr, "DATE", heading, x + 127, top + h - 1.9, Align::Centre);
  Text(cr, "BY", heading, x + 157, top + h - 1.9, Align::Centre);
  double y = top + h;
  for (const Revision& r : rows) {
    Line(cr, x, y, right, y);
    Text(cr, r.rev, font, x + 7, y + h - 1.8, Align::Centre);
    Text(cr, r.description, font, x + 16, y + h - 1.8, Align::Left, 92);
    Text(cr, r.date, font, x + 127, y + h - 1.8, Align::Centre);
    Text(cr, r.by, font, x + 157, y + h - 1.8, Align::Centre);
    y += h;
  }
  cairo_restore(cr);
}

// A small table of characteristics: name and value per row.
void DrawDataTable(cairo_t* cr, double x, double y, double w, const char* heading,
                   std::initializer_list<std::pair<const char*, const char*>> rows) {
  cairo_save(cr);
  const double h = 7.0;
  const double bottom = y + h * (static_cast<double>(rows.size()) + 1);
  FillBox(cr, x, y, w, h, Rgb255(232, 232, 236));
  Use(cr, kFrameInk);
  cairo_set_line_width(cr, 0.9);
  Box(cr, x, y, w, bottom - y);
  cairo_set_line_width(cr, 0.4);
  Text(cr, heading, Font{kCondensed, 5.0, true}, x + w / 2, y + h - 1.8, Align::Centre);
  double ry = y + h;
  const double split = x + w * 0.52;
  Line(cr, split, ry, split, bottom);
  const Font font{kCondensed, 4.8};
  for (const auto& [name, value] : rows) {
    Line(cr, x, ry, x + w, ry);
    Text(cr, name, font, x + 2, ry + h - 1.8, Align::Left, split - x - 3);
    Text(cr, value, font, split + 2, ry + h - 1.8, Align::Left, x + w - split - 3);
    ry += h;
  }
  cairo_restore(cr);
}

}  // namespace pw::pictures

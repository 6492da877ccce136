// Reading a drawing's entry from the register of sheets.

#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>

#include "pictures/kit/Sheet.h"

namespace pw::pictures {
namespace {

using Json = nlohmann::json;

P PointOf(const Json& pair) {
  return {pair.at(0).get<double>(), pair.at(1).get<double>()};
}

TitleBlock TitleOf(const Json& t) {
  return {t.at("title"), t.at("subtitle"), t.at("number"),   t.at("scale"),
          t.at("date"),  t.at("sheet"),    t.at("revision"), t.at("weight")};
}

void ReadNotes(const Json& notes, SheetTexts& texts) {
  texts.notes = notes.at("lines").get<std::vector<std::string>>();
  if (notes.contains("at")) texts.notesAt = PointOf(notes.at("at"));
  texts.notesAboveParts = notes.value("aboveParts", 0.0);
  texts.notesWidth = notes.value("width", texts.notesWidth);
}

}  // namespace

SheetTexts ParseSheetTexts(std::string_view registerJson, std::string_view drawing) {
  const Json sheets = Json::parse(registerJson);
  const auto entry = sheets.find(std::string(drawing));
  if (entry == sheets.end())
    throw std::runtime_error("no sheet texts for the drawing " + std::string(drawing));
  const Json& e = *entry;
  SheetTexts texts;
  texts.title = TitleOf(e.at("title"));
  for (const Json& r : e.at("revisions")) texts.revisions.push_back({r[0], r[1], r[2], r[3]});
  if (e.contains("revisionsTop")) texts.revisionsTop = e.at("revisionsTop").get<double>();
  if (e.contains("parts"))
    for (const Json& r : e.at("parts")) texts.parts.push_back({r[0], r[1], r[2]});
  ReadNotes(e.at("notes"), texts);
  if (e.contains("dataTable")) {
    const Json& t = e.at("dataTable");
    DataTable table{t.at("heading"), PointOf(t.at("at")), t.at("width").get<double>(), {}};
    for (const Json& r : t.at("rows")) table.rows.emplace_back(r[0], r[1]);
    texts.dataTable = std::move(table);
  }
  if (e.contains("schedule")) {
    const Json& s = e.at("schedule");
    texts.schedule = Schedule{s.at("heading"), s.at("top").get<double>(),
                              s.at("columns").get<std::vector<double>>(),
                              s.at("rows").get<std::vector<std::vector<std::string>>>()};
  }
  return texts;
}

}  // namespace pw::pictures

#pragma once
// The texts of the showcase's drawing sheets (title blocks, revisions, parts lists, notes and
// tables), kept as data in Sheets.json and compiled into the tool.

#include <string_view>

#include "pictures/kit/Sheet.h"

namespace pw::pictures {

// The register as it stands in Sheets.json.
extern const std::string_view kSheetRegister;

// The entry of one drawing, by the name of the file that draws it.
inline SheetTexts SheetTextsOf(std::string_view drawing) {
  return ParseSheetTexts(kSheetRegister, drawing);
}

}  // namespace pw::pictures

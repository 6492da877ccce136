#include "controls/ControlTypes.h"

#include <array>
#include <span>

#include "forms/IdentMap.h"

namespace pw {

namespace {

constexpr std::array<std::string_view, 7> kAlignNames = {
    "alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"};
constexpr std::array<std::string_view, 4> kBiDiModeNames = {
    "bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"};
constexpr std::array<std::string_view, 3> kAlignmentNames = {"taLeftJustify", "taRightJustify",
                                                             "taCenter"};
constexpr std::array<std::string_view, 6> kFormBorderStyleNames = {
    "bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"};
constexpr std::array<std::string_view, 4> kBorderIconNames = {"biSystemMenu", "biMinimize",
                                                              "biMaximize", "biHelp"};
constexpr std::array<std::string_view, 7> kBevelShapeNames = {
    "bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer"};
constexpr std::array<std::string_view, 2> kBevelStyleNames = {"bsLowered", "bsRaised"};
constexpr std::array<std::string_view, 4> kButtonLayoutNames = {"blGlyphLeft", "blGlyphRight",
                                                                "blGlyphTop", "blGlyphBottom"};
constexpr std::array<std::string_view, 11> kBitBtnKindNames = {
    "bkCustom", "bkOK",    "bkCancel", "bkHelp",   "bkYes", "bkNo",
    "bkClose",  "bkAbort", "bkRetry",  "bkIgnore", "bkAll"};
constexpr std::array<std::string_view, 5> kComboBoxStyleNames = {
    "csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"};
constexpr std::array<std::string_view, 3> kTextLayoutNames = {"tlTop", "tlCenter", "tlBottom"};

constexpr TIdentMapEntry kCursors[] = {
    {"crDefault", 0},   {"crArrow", -2},      {"crCross", -3},      {"crIBeam", -4},
    {"crSizeNESW", -6}, {"crSizeNS", -7},     {"crSizeNWSE", -8},   {"crSizeWE", -9},
    {"crUpArrow", -10}, {"crHourGlass", -11}, {"crDrag", -12},      {"crNoDrop", -13},
    {"crHSplit", -14},  {"crVSplit", -15},    {"crMultiDrag", -16}, {"crSQLWait", -17},
    {"crNo", -18},      {"crAppStart", -19},  {"crHelp", -20},      {"crHandPoint", -21},
    {"crSizeAll", -22}, {"crSize", -22},
};
static_assert(std::size(kCursors) == 22);
std::span<const TIdentMapEntry> Cursors() {
  return kCursors;
}

}  // namespace

const TEnumType kAlignType{"TAlign", kAlignNames};
const TEnumType kBiDiModeType{"TBiDiMode", kBiDiModeNames};
const TEnumType kAlignmentType{"TAlignment", kAlignmentNames};
const TEnumType kFormBorderStyleType{"TFormBorderStyle", kFormBorderStyleNames};
const TEnumType kBorderIconType{"TBorderIcon", kBorderIconNames};
const TEnumType kBevelShapeType{"TBevelShape", kBevelShapeNames};
const TEnumType kBevelStyleType{"TBevelStyle", kBevelStyleNames};
const TEnumType kButtonLayoutType{"TButtonLayout", kButtonLayoutNames};
const TEnumType kBitBtnKindType{"TBitBtnKind", kBitBtnKindNames};
const TEnumType kComboBoxStyleType{"TComboBoxStyle", kComboBoxStyleNames};
const TEnumType kTextLayoutType{"TTextLayout", kTextLayoutNames};

void RegisterControlsIdentifiers() {
  RegisterIntegerConsts(kCursorType, IdentToIntIn<Cursors>, IntToIdentIn<Cursors>);
}

}  // namespace pw

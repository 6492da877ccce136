#pragma once
// Enumeration types of the controls' published properties.

#include "forms/TypeInfo.h"

namespace pw {

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
extern const TEnumType kAlignType;

enum class TBiDiMode {
  bdLeftToRight,
  bdRightToLeft,
  bdRightToLeftNoAlign,
  bdRightToLeftReadingOnly
};
extern const TEnumType kBiDiModeType;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
extern const TEnumType kAlignmentType;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
extern const TEnumType kFormBorderStyleType;

enum class TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
extern const TEnumType kBorderIconType;

enum class TBevelShape {
  bsBox,
  bsFrame,
  bsTopLine,
  bsBottomLine,
  bsLeftLine,
  bsRightLine,
  bsSpacer
};
extern const TEnumType kBevelShapeType;

enum class TBevelStyle { bsLowered, bsRaised };
extern const TEnumType kBevelStyleType;

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
extern const TEnumType kButtonLayoutType;

enum class TBitBtnKind {
  bkCustom,
  bkOK,
  bkCancel,
  bkHelp,
  bkYes,
  bkNo,
  bkClose,
  bkAbort,
  bkRetry,
  bkIgnore,
  bkAll
};
extern const TEnumType kBitBtnKindType;

enum class TComboBoxStyle {
  csDropDown,
  csSimple,
  csDropDownList,
  csOwnerDrawFixed,
  csOwnerDrawVariable
};
extern const TEnumType kComboBoxStyleType;

enum class TTextLayout { tlTop, tlCenter, tlBottom };
extern const TEnumType kTextLayoutType;

// Registers the cursor identifier table with the integer-constant registry.
void RegisterControlsIdentifiers();

}  // namespace pw

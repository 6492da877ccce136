#include "graphics/Colors.h"

#include <span>

#include "forms/IdentMap.h"
#include "forms/TypeInfo.h"

namespace pw {

namespace {

constexpr std::int32_t Sys(int index) {
  return kSystemColorFlag | index;
}

constexpr TIdentMapEntry kColors[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clScrollBar", Sys(0)},
    {"clBackground", Sys(1)},
    {"clActiveCaption", Sys(2)},
    {"clInactiveCaption", Sys(3)},
    {"clMenu", Sys(4)},
    {"clWindow", Sys(5)},
    {"clWindowFrame", Sys(6)},
    {"clMenuText", Sys(7)},
    {"clWindowText", Sys(8)},
    {"clCaptionText", Sys(9)},
    {"clActiveBorder", Sys(10)},
    {"clInactiveBorder", Sys(11)},
    {"clAppWorkSpace", Sys(12)},
    {"clHighlight", Sys(13)},
    {"clHighlightText", Sys(14)},
    {"clBtnFace", Sys(15)},
    {"clBtnShadow", Sys(16)},
    {"clGrayText", Sys(17)},
    {"clBtnText", Sys(18)},
    {"clInactiveCaptionText", Sys(19)},
    {"clBtnHighlight", Sys(20)},
    {"cl3DDkShadow", Sys(21)},
    {"cl3DLight", Sys(22)},
    {"clInfoText", Sys(23)},
    {"clInfoBk", Sys(24)},
    {"clGradientActiveCaption", Sys(27)},
    {"clGradientInactiveCaption", Sys(28)},
    {"clNone", clNone},
    {"clDefault", clDefault},
};
static_assert(std::size(kColors) == 49);

constexpr TIdentMapEntry kCharsets[] = {
    {"ANSI_CHARSET", 0},     {"DEFAULT_CHARSET", 1},      {"SYMBOL_CHARSET", 2},
    {"MAC_CHARSET", 77},     {"SHIFTJIS_CHARSET", 128},   {"HANGEUL_CHARSET", 129},
    {"JOHAB_CHARSET", 130},  {"GB2312_CHARSET", 134},     {"CHINESEBIG5_CHARSET", 136},
    {"GREEK_CHARSET", 161},  {"TURKISH_CHARSET", 162},    {"HEBREW_CHARSET", 177},
    {"ARABIC_CHARSET", 178}, {"BALTIC_CHARSET", 186},     {"RUSSIAN_CHARSET", 204},
    {"THAI_CHARSET", 222},   {"EASTEUROPE_CHARSET", 238}, {"OEM_CHARSET", 255},
};
static_assert(std::size(kCharsets) == 18);

std::span<const TIdentMapEntry> Colors() {
  return kColors;
}
std::span<const TIdentMapEntry> Charsets() {
  return kCharsets;
}

}  // namespace

void RegisterGraphicsIdentifiers() {
  RegisterIntegerConsts(kColorType, IdentToIntIn<Colors>, IntToIdentIn<Colors>);
  RegisterIntegerConsts(kCharsetType, IdentToIntIn<Charsets>, IntToIdentIn<Charsets>);
}

}  // namespace pw

namespace pw {

gfx::COLORREF ColorToRGB(TColor color) {
  if (color < 0) return gfx::GetSysColor(color & 0xFF);
  return static_cast<gfx::COLORREF>(color) & 0xFFFFFF;
}

gfx::HBRUSH ColorBrush(TColor color) {
  return gfx::SharedSolidBrush(ColorToRGB(color));
}

}  // namespace pw

#pragma once
// TColor: an RGB value 0x00BBGGRR or, with the top bit set, a system colour looked up when drawn.

#include <cstdint>

#include "platform/gfx/Gdi.h"

namespace pw {

using TColor = std::int32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;
inline constexpr TColor kSystemColorFlag = static_cast<TColor>(0x80000000u);
inline constexpr TColor clWindow = kSystemColorFlag | 5;
inline constexpr TColor clWindowFrame = kSystemColorFlag | 6;
inline constexpr TColor clWindowText = kSystemColorFlag | 8;
inline constexpr TColor clBtnFace = kSystemColorFlag | 15;
inline constexpr TColor clBtnShadow = kSystemColorFlag | 16;
inline constexpr TColor clBtnHighlight = kSystemColorFlag | 20;

// Character sets of fonts.
inline constexpr std::uint8_t DEFAULT_CHARSET = 1;
inline constexpr std::uint8_t ARABIC_CHARSET = 178;

// The RGB value of a colour: a system colour is looked up now.
gfx::COLORREF ColorToRGB(TColor color);
// A solid brush of the colour's current RGB value, shared and kept for the process's life.
gfx::HBRUSH ColorBrush(TColor color);

// Registers the colour and character-set identifier tables with the integer-constant registry.
void RegisterGraphicsIdentifiers();

}  // namespace pw

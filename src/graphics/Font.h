#pragma once
// TFont: face name, signed pixel height, style, character set and colour of a control's text.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "forms/Persistent.h"
#include "graphics/Colors.h"
#include "platform/gfx/Types.h"

namespace pw {

struct TEnumType;

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = std::uint32_t;  // bits by TFontStyle
constexpr TFontStyles FontStyleBit(TFontStyle style) {
  return 1u << static_cast<int>(style);
}
extern const TEnumType kFontStyleType;

enum class TFontPitch { fpDefault, fpVariable, fpFixed };
extern const TEnumType kFontPitchType;

class TFont : public TPersistent {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }

  // The framework's default: "MS Sans Serif" at 8 points on a 96 pixels-per-inch screen.
  TFont();

  const std::string& Name() const { return name_; }
  void SetName(std::string_view name);
  // Negative: character height without internal leading; positive: cell height.
  std::int32_t Height() const { return height_; }
  void SetHeight(std::int32_t height);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  std::int32_t Charset() const { return charset_; }
  void SetCharset(std::int32_t charset);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch pitch);

  // The request for the graphics interface: height unchanged, weight 700 with fsBold else 400,
  // the style flags, character set and pitch; "Default" stands for "MS Sans Serif".
  gfx::LOGFONT LogFont() const;
  // The system font object for these attributes, created on first use and shared by every font
  // with the same request; it lives as long as the process.
  gfx::HFONT Handle() const;

  // Copies every attribute of `other`; one change notification when anything differs.
  void Assign(const TFont& other);
  bool operator==(const TFont& other) const;

  // Told after every change.
  std::function<void()> OnChange;

 private:
  void Changed();

  std::string name_ = "MS Sans Serif";
  std::int32_t height_ = -11;
  TFontStyles style_ = 0;
  std::int32_t charset_ = DEFAULT_CHARSET;
  TColor color_ = clWindowText;
  TFontPitch pitch_ = TFontPitch::fpDefault;
};

}  // namespace pw

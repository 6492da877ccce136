#include "graphics/Font.h"

#include <array>
#include <tuple>

#include "forms/TypeInfo.h"
#include "platform/gfx/Text.h"

namespace pw {

namespace {

constexpr std::array<std::string_view, 4> kFontStyleNames = {"fsBold", "fsItalic", "fsUnderline",
                                                             "fsStrikeOut"};
constexpr std::array<std::string_view, 3> kFontPitchNames = {"fpDefault", "fpVariable", "fpFixed"};

// Sets a field and announces the change, unless the value is already there.
template <class T, class V>
void Update(T& field, V&& value, const std::function<void()>& changed) {
  if (field == value) return;
  field = std::forward<V>(value);
  changed();
}

}  // namespace

const TEnumType kFontStyleType{"TFontStyle", kFontStyleNames};
const TEnumType kFontPitchType{"TFontPitch", kFontPitchNames};

namespace {
constexpr TPropInfo kFontProperties[] = {
    IntegerProperty<&TFont::Charset, &TFont::SetCharset>("Charset", kCharsetType),
    IntegerProperty<&TFont::Color, &TFont::SetColor>("Color", kColorType),
    IntegerProperty<&TFont::Height, &TFont::SetHeight>("Height"),
    StringProperty<&TFont::SetName>("Name"),
    EnumProperty<&TFont::Pitch, &TFont::SetPitch>("Pitch", kFontPitchType),
    SetProperty<&TFont::Style, &TFont::SetStyle>("Style", kFontStyleType),
};
}  // namespace

const TClassInfo TFont::classInfo{"TFont", &TPersistent::classInfo, kFontProperties};

TFont::TFont() = default;

void TFont::Changed() {
  if (OnChange) OnChange();
}

void TFont::SetName(std::string_view name) {
  if (name == name_) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(std::int32_t height) {
  Update(height_, height, [this] { Changed(); });
}
void TFont::SetStyle(TFontStyles style) {
  Update(style_, style, [this] { Changed(); });
}
void TFont::SetCharset(std::int32_t charset) {
  Update(charset_, charset, [this] { Changed(); });
}
void TFont::SetColor(TColor color) {
  Update(color_, color, [this] { Changed(); });
}
void TFont::SetPitch(TFontPitch pitch) {
  Update(pitch_, pitch, [this] { Changed(); });
}

gfx::LOGFONT TFont::LogFont() const {
  gfx::LOGFONT request;
  request.height = height_;
  request.weight = (style_ & FontStyleBit(TFontStyle::fsBold)) != 0 ? gfx::FW_BOLD : gfx::FW_NORMAL;
  request.italic = (style_ & FontStyleBit(TFontStyle::fsItalic)) != 0;
  request.underline = (style_ & FontStyleBit(TFontStyle::fsUnderline)) != 0;
  request.strikeOut = (style_ & FontStyleBit(TFontStyle::fsStrikeOut)) != 0;
  request.charSet = charset_;
  request.pitchAndFamily = pitch_ == TFontPitch::fpFixed      ? gfx::FIXED_PITCH
                           : pitch_ == TFontPitch::fpVariable ? gfx::VARIABLE_PITCH
                                                              : gfx::DEFAULT_PITCH;
  request.faceName = name_ == "Default" ? "MS Sans Serif" : name_;
  return request;
}

bool TFont::operator==(const TFont& other) const {
  return name_ == other.name_ && height_ == other.height_ && style_ == other.style_ &&
         charset_ == other.charset_ && color_ == other.color_ && pitch_ == other.pitch_;
}

void TFont::Assign(const TFont& other) {
  if (*this == other) return;
  name_ = other.name_;
  height_ = other.height_;
  style_ = other.style_;
  charset_ = other.charset_;
  color_ = other.color_;
  pitch_ = other.pitch_;
  Changed();
}

}  // namespace pw

namespace pw {

gfx::HFONT TFont::Handle() const {
  return gfx::SharedFont(LogFont());
}

}  // namespace pw

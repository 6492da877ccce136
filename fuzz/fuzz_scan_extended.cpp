// Edit-box text through ScanExtended, with "." and with "," as the decimal separator. The
// control word stays as it was; a NUL ends the text; ParseExtended agrees with the scan; the two
// separators read the same text alike once "." and "," are swapped; an accepted value formats
// to at most 255 characters (exactly the capped width when wider) that scan back with its sign.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "convert/Exceptions.h"
#include "convert/FloatEnvironment.h"
#include "convert/NumberText.h"

namespace {

using pw::fuzz::Require;

bool Same(const std::optional<pw::Extended>& a, const std::optional<pw::Extended>& b) {
  if (a.has_value() != b.has_value()) return false;
  return !a || std::memcmp(&*a, &*b, 10) == 0;  // the 80 bits, so -0 differs from 0
}

std::string SwapSeparators(std::string_view text) {
  std::string swapped(text);
  for (char& c : swapped) c = c == '.' ? ',' : c == ',' ? '.' : c;
  return swapped;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::uint16_t word = pw::FloatControlWord();

  pw::SetDecimalSeparator('.');
  const std::optional<pw::Extended> real = pw::ScanExtended(text);
  Require(pw::FloatControlWord() == word);
  Require(Same(real, pw::ScanExtended(text.substr(0, text.find('\0')))));
  try {
    const pw::Extended parsed = pw::ParseExtended(text);
    Require(Same(real, parsed));
  } catch (const pw::EConvertError&) {
    Require(!real);
  }

  pw::SetDecimalSeparator(',');
  Require(Same(real, pw::ScanExtended(SwapSeparators(text))));
  pw::SetDecimalSeparator('.');

  if (real) {
    for (const int decimals : {-1, 0, 1, 18, 216}) {
      for (const int width : {0, 4, 10, 26, 255}) {
        const std::string printed = pw::FormatExtended(*real, width, decimals);
        Require(printed.size() <= 255 && printed.size() >= static_cast<std::size_t>(width));
        const std::optional<pw::Extended> back = pw::ScanExtended(printed);
        Require(back.has_value() && std::signbit(*back) == std::signbit(*real));
      }
      Require(pw::FormatExtended(*real, 300, decimals).size() == 255);  // width capped at 255
    }
  }
  Require(pw::FloatControlWord() == word);
  return 0;
}

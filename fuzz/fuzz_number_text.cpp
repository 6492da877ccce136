// Edit-box text through the number scanners, and what they accept back through the formatters.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "convert/FloatEnvironment.h"
#include "convert/NumberText.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::uint16_t word = pw::FloatControlWord();

  const pw::IntegerScan integer = pw::ScanInteger(text);
  if (integer.errorPos == 0) {
    // A decimal integer prints back to text that scans to the same value.
    Require(pw::ScanInteger(pw::FormatInteger(integer.value)).value == integer.value);
  }

  if (auto real = pw::ScanExtended(text)) {
    for (int decimals : {-1, 0, 1, 216}) {
      Require(pw::FormatExtended(*real, 4, decimals).size() <= 255);
      Require(pw::FormatExtended(*real, 300, decimals).size() == 255);  // width capped at 255
    }
  }
  Require(pw::FloatControlWord() == word);
  return 0;
}

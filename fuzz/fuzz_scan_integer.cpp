// Edit-box text through ScanInteger. A NUL ends the text; ParseInteger agrees with the scan; an
// accepted value prints back to at most 11 characters that scan to the same value.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "convert/Exceptions.h"
#include "convert/NumberText.h"

using pw::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const pw::IntegerScan scan = pw::ScanInteger(text);

  const pw::IntegerScan beforeNul = pw::ScanInteger(text.substr(0, text.find('\0')));
  Require(scan.value == beforeNul.value && scan.errorPos == beforeNul.errorPos);

  bool parsed = true;
  try {
    Require(pw::ParseInteger(text) == scan.value);
  } catch (const pw::EConvertError&) {
    parsed = false;
  }
  Require(parsed == (scan.errorPos == 0));

  if (scan.errorPos == 0) {
    const std::string printed = pw::FormatInteger(scan.value);
    Require(printed.size() <= 11);
    const pw::IntegerScan again = pw::ScanInteger(printed);
    Require(again.errorPos == 0 && again.value == scan.value);
  }
  return 0;
}

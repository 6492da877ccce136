#pragma once
// Text <-> numbers: 32-bit integers and extended reals, with the syntax, rounding and field
// widths that users see. Texts end at their end or at the first NUL.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "convert/Extended.h"

namespace pw {

struct IntegerScan {
  std::int32_t value = 0;
  int errorPos = 0;  // 0: the whole text is a valid integer; else the 1-based failing position
};

IntegerScan ScanInteger(std::string_view text);
// Raises EConvertError "'%s' is not a valid integer value".
std::int32_t ParseInteger(std::string_view text);
std::string FormatInteger(std::int32_t value);

// Never raises; leaves the floating-point control word as it found it and the x87 exception
// flags cleared.
std::optional<Extended> ScanExtended(std::string_view text);
// Raises EConvertError "'%s' is not a valid floating point value".
Extended ParseExtended(std::string_view text);
// Fixed form for decimals >= 0, scientific form for decimals < 0; at most 255 characters.
std::string FormatExtended(Extended x, std::int32_t width, std::int32_t decimals);

// x times 10^n, one rounded multiplication (or division) per power-of-ten table.
Extended ScaleByPowerOfTen(Extended x, int n);

struct NormalizedDecimal {
  Extended y;  // in [1, 16), or 0
  int k;       // decimal exponent: the input is about y * 10^k
};
// For x >= 0.
NormalizedDecimal NormalizeDecimal(Extended x);

// Digits d0..dn of y (0 <= y < 20, n >= 1): d0 the tens digit, d1 the units, then the fraction;
// y rounded to 17 places, then the digit string rounded half up at place n.
std::string GenerateDigits(Extended y, int n);

// The process-wide decimal separator accepted by ScanExtended.
char DecimalSeparator();
void SetDecimalSeparator(char separator);
// Reads the separator from the locale (the start-up and settings-change path).
void ReadDecimalSeparator();

}  // namespace pw

#pragma once
// The calculator's arithmetic, shared by the "Calc." button and the command line: the mass of a
// batch of pieces, unit weight (kg/m) x length (mm) x quantity / 1000, and its result text.

#include <cstdint>
#include <string>
#include <string_view>

#include "convert/Extended.h"

namespace pw {

struct BatchMass {
  Extended kg = 0;
  std::string text;  // the result text without the unit: width 4, one decimal (" 8.8", "122.4")
};

// Each step is rounded in extended precision, in the fixed order weight x length, x quantity,
// / 1000, and checked against the floating-point environment as soon as it is done: with
// overflow enabled, the first product that overflows raises EOverflow before a later step could
// turn its infinity into an invalid operation. Raises EOverflow, EInvalidOp or EZeroDivide.
BatchMass WeighBatch(Extended unitWeight, Extended lengthMm, std::int32_t quantity);

// total + mass, rounded in extended precision and checked like the steps above (a sum of masses
// beyond the extended range raises EOverflow).
Extended AddMass(Extended total, Extended mass);

inline constexpr std::string_view kMassUnit = " kg";

// The result as the window shows it: the text followed by the unit ("122.4 kg").
std::string MassCaption(const BatchMass& mass);

}  // namespace pw

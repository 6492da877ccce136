#pragma once
// Decimal texts of extended values for the command line's output; always with "." as the
// decimal point, as every formatted number of the program.

#include <string>

#include "convert/Extended.h"

namespace pw::cli {

// Every digit of the value's exact decimal expansion (an extended value is a dyadic fraction,
// so the expansion ends): "122.400000000000000001387778780781445675529539585113525390625".
// Negative zero gives "-0"; non-finite values give "inf", "-inf" or "nan".
std::string ExactDecimal(Extended x);

// The shortest decimal that the program's own scanner reads back to exactly the same extended
// value ("0.882", "20.4", "6000"); plain positional notation for exponents from -7 to 20, else
// "d.ddde±x". Among texts of the same length the one nearest the value is preferred. Far from
// everyday sizes, where the scanner rounds more than once, a value that no text of up to 40
// digits reads back to is given by its exact expansion.
std::string ShortestDecimal(Extended x);

}  // namespace pw::cli

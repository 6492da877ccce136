#pragma once
// The floating-point environment. Hardware traps stay off; the control word is kept here and the
// status flags are read after each guarded computation, which raises EInvalidOp, EZeroDivide or
// EOverflow for a flag whose exception the control word enables.

#include <cstdint>

#include "convert/Extended.h"

namespace pw {

// Masks: bit 0 invalid operation, bit 2 division by zero, bit 3 overflow (set = masked).
inline constexpr std::uint16_t kDefaultControlWord = 0x1332;  // those three enabled
inline constexpr std::uint16_t kMaskedControlWord = 0x133F;   // everything masked

std::uint16_t FloatControlWord();
void SetFloatControlWord(std::uint16_t word);

void ClearFloatExceptions();
// Clears the flags of the x87 unit alone, which all extended arithmetic runs on; cheaper than
// ClearFloatExceptions, for code that does nothing but extended arithmetic.
void ClearExtendedExceptions();
// True when the invalid-operation or overflow flag is up.
bool InvalidOrOverflowRaised();
// Raises the exception of the first enabled flag that is up (invalid, then zero-divide, then
// overflow); all flags are cleared first.
void CheckFloatExceptions();

// Evaluates `compute` with the flags cleared, then checks them as above. The flags do not tell
// which operation raised them, so a computation whose faults must surface at the operation that
// caused them guards each operation on its own.
template <class Compute>
Extended Guarded(Compute&& compute) {
  ClearFloatExceptions();
  volatile Extended result = compute();
  CheckFloatExceptions();
  return result;
}

}  // namespace pw

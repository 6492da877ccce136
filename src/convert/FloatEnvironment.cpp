#include "convert/FloatEnvironment.h"

#include <cfenv>
#if defined(__x86_64__)
#include <xmmintrin.h>
#endif

#include "convert/Exceptions.h"
#include "convert/Messages.h"

namespace pw {

namespace {

// The control word belongs to the thread, as the processor's does.
thread_local std::uint16_t controlWord = kDefaultControlWord;

constexpr std::uint16_t kInvalidMask = 0x0001;
constexpr std::uint16_t kZeroDivideMask = 0x0004;
constexpr std::uint16_t kOverflowMask = 0x0008;

bool Enabled(std::uint16_t mask) {
  return (controlWord & mask) == 0;
}

// feclearexcept reloads the whole x87 environment, which costs several times more than the
// scanner's own work; clearing only the flags of both units is enough.
void ClearAllFlags() {
#if defined(__x86_64__)
  asm volatile("fnclex" ::: "memory");
  constexpr unsigned kSseFlags = 0x3F;
  const unsigned csr = _mm_getcsr();
  if ((csr & kSseFlags) != 0) _mm_setcsr(csr & ~kSseFlags);
#else
  std::feclearexcept(FE_ALL_EXCEPT);
#endif
}

}  // namespace

std::uint16_t FloatControlWord() {
  return controlWord;
}

void SetFloatControlWord(std::uint16_t word) {
  controlWord = word;
}

void ClearFloatExceptions() {
  // Testing is cheaper than clearing, and exact results raise nothing.
  if (std::fetestexcept(FE_ALL_EXCEPT) != 0) ClearAllFlags();
}

void ClearExtendedExceptions() {
#if defined(__x86_64__) || defined(__i386__)
  std::uint16_t status;
  asm volatile("fnstsw %0" : "=a"(status) : : "memory");
  constexpr std::uint16_t kX87Flags = 0x3F;
  if ((status & kX87Flags) != 0) asm volatile("fnclex" : : : "memory");
#else
  ClearFloatExceptions();
#endif
}

bool InvalidOrOverflowRaised() {
  return std::fetestexcept(FE_INVALID | FE_OVERFLOW) != 0;
}

void CheckFloatExceptions() {
  const int raised = std::fetestexcept(FE_ALL_EXCEPT);
  if (raised == 0) return;
  ClearAllFlags();
  if ((raised & FE_INVALID) != 0 && Enabled(kInvalidMask)) {
    throw EInvalidOp(LoadMessage(MessageId::InvalidOp));
  }
  if ((raised & FE_DIVBYZERO) != 0 && Enabled(kZeroDivideMask)) {
    throw EZeroDivide(LoadMessage(MessageId::ZeroDivide));
  }
  if ((raised & FE_OVERFLOW) != 0 && Enabled(kOverflowMask)) {
    throw EOverflow(LoadMessage(MessageId::Overflow));
  }
}

}  // namespace pw

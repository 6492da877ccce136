#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

#include "convert/Exceptions.h"
#include "convert/FloatEnvironment.h"
#include "convert/Messages.h"
#include "convert/NumberText.h"
#include "convert/TextScan.h"

namespace pw {

namespace {

// Masks every floating-point exception for its lifetime, then clears the flags and gives the
// caller its control word back, whichever way the scan ends.
class MaskedScope {
 public:
  MaskedScope() : saved_(FloatControlWord()) { SetFloatControlWord(kMaskedControlWord); }
  ~MaskedScope() {
    ClearExtendedExceptions();
    SetFloatControlWord(saved_);
  }
  MaskedScope(const MaskedScope&) = delete;
  MaskedScope& operator=(const MaskedScope&) = delete;

 private:
  std::uint16_t saved_;
};

constexpr int kExponentBias = 16383;
constexpr std::uint64_t kTopBit = std::uint64_t{1} << 63;

constexpr std::array<std::uint64_t, 20> kIntegerPowersOfTen = [] {
  std::array<std::uint64_t, 20> powers{};
  std::uint64_t power = 1;
  for (auto& p : powers) {
    p = power;
    power *= 10;
  }
  return powers;
}();

// The extended value significand * 2^(exponent - 63) for a significand with its top bit set.
Extended Assemble(std::uint64_t significand, int exponent) {
  return FromBits({static_cast<std::uint16_t>(kExponentBias + exponent), significand});
}

// whole * 10^n rounded once to nearest even, as the single multiplication or division by an
// exact power of ten in ScaleByPowerOfTen gives it, but in integer arithmetic: an inexact x87
// operation after the flags were cleared costs more than the whole scan. Empty for the n it
// does not cover.
std::optional<Extended> ScaledInteger(std::uint64_t whole, int n) {
  if (whole == 0 || n == 0) return static_cast<Extended>(whole);  // exact
  if (n > 0 && n <= 19) {
    // Below 2^64 * 10^19 < 2^128: exact, then rounded to 64 bits.
    const unsigned __int128 product =
        static_cast<unsigned __int128>(whole) * kIntegerPowersOfTen[n];
    const auto high = static_cast<std::uint64_t>(product >> 64);
    if (high == 0) return static_cast<Extended>(whole * kIntegerPowersOfTen[n]);
    const int shift = 64 - std::countl_zero(high);
    std::uint64_t significand = static_cast<std::uint64_t>(product >> shift);
    const unsigned __int128 rest = product & ((static_cast<unsigned __int128>(1) << shift) - 1);
    const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
    int exponent = 63 + shift;
    if (rest > half || (rest == half && (significand & 1) != 0)) {
      if (++significand == 0) {
        significand = kTopBit;
        ++exponent;
      }
    }
    return Assemble(significand, exponent);
  }
  if (n < 0 && n >= -18) {
    // whole / d = (q + r / d) * 2^-scale with q holding exactly 64 bits.
    const std::uint64_t d = kIntegerPowersOfTen[-n];
    const int leading = std::countl_zero(whole);
    const int dividendShift = std::bit_width(d) - 1;  // keeps the quotient below 2^64
    const unsigned __int128 dividend = static_cast<unsigned __int128>(whole << leading)
                                       << dividendShift;
    std::uint64_t q = static_cast<std::uint64_t>(dividend / d);
    std::uint64_t r = static_cast<std::uint64_t>(dividend - static_cast<unsigned __int128>(q) * d);
    int scale = leading + dividendShift;
    if (q < kTopBit) {  // one more quotient bit; 2r < 2 * 10^18 fits
      r *= 2;
      q *= 2;
      if (r >= d) {
        r -= d;
        q += 1;
      }
      ++scale;
    }
    int exponent = 63 - scale;
    if (2 * r > d || (2 * r == d && (q & 1) != 0)) {
      if (++q == 0) {
        q = kTopBit;
        ++exponent;
      }
    }
    return Assemble(q, exponent);
  }
  return std::nullopt;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Exponent magnitude at which the exponent digits stop being read.
constexpr int kExponentStop = 500;
// Any decimal exponent at or beyond this scales to infinity or zero; counts are capped here.
constexpr int kExponentCap = 1 << 20;
// Largest accumulator that takes another digit without passing 2^64.
constexpr std::uint64_t kWholeLimit = (UINT64_MAX - 9) / 10;

}  // namespace

std::optional<Extended> ScanExtended(std::string_view text) {
  text = detail::TextBeforeNul(text);
  const std::size_t size = text.size();
  const char separator = DecimalSeparator();
  MaskedScope masked;

  std::size_t i = 0;
  while (i < size && text[i] == ' ') ++i;
  bool negative = false;
  if (i < size && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }

  // Digits accumulate as acc := acc * 10 + digit, each step rounded. Below 2^64 every step is
  // exact, so the integer accumulator gives the same bits until it would pass that bound.
  std::uint64_t whole = 0;
  bool inWhole = true;
  Extended acc = 0;
  auto addDigit = [&](int digit) {
    if (inWhole) {
      if (whole <= kWholeLimit) {
        whole = whole * 10 + static_cast<std::uint64_t>(digit);
        return;
      }
      acc = static_cast<Extended>(whole);
      inWhole = false;
    }
    acc *= 10;
    acc += digit;
  };

  const std::size_t mantissaStart = i;
  for (; i < size && IsDigit(text[i]); ++i) addDigit(text[i] - '0');
  int exponent = 0;
  if (i < size && text[i] == separator) {
    ++i;
    int fractionDigits = 0;
    for (; i < size && IsDigit(text[i]); ++i) {
      addDigit(text[i] - '0');
      fractionDigits = std::min(fractionDigits + 1, kExponentCap);
    }
    exponent = -fractionDigits;
  }
  if (i == mantissaStart) return std::nullopt;

  if (i < size && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    bool negativeExponent = false;
    if (i < size && (text[i] == '+' || text[i] == '-')) {
      negativeExponent = text[i] == '-';
      ++i;
    }
    int g = 0;
    for (; i < size && IsDigit(text[i]) && g < kExponentStop; ++i) g = g * 10 + (text[i] - '0');
    exponent += negativeExponent ? -g : g;
  }

  while (i < size && text[i] == ' ') ++i;
  if (i != size) return std::nullopt;

  std::optional<Extended> scaled;
  if (inWhole) {
    scaled = ScaledInteger(whole, exponent);
    acc = static_cast<Extended>(whole);
  }
  Extended result = scaled ? *scaled : ScaleByPowerOfTen(acc, exponent);
  if (negative) result = -result;
  // Only an overflow can raise the overflow or invalid flag here, and it leaves an infinity
  // behind: in the accumulator (which scaling may turn into zero) or in the result. Testing the
  // values rather than the flags keeps flags left up by earlier work from failing the scan.
  if (std::isinf(acc) || std::isinf(result)) return std::nullopt;
  return result;
}

Extended ParseExtended(std::string_view text) {
  if (auto value = ScanExtended(text)) return *value;
  throw EConvertError(LoadMessage(MessageId::InvalidFloat, {detail::TextBeforeNul(text)}));
}

}  // namespace pw

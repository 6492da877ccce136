#include "app/cli/DecimalText.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "convert/NumberText.h"

namespace pw::cli {

namespace {

constexpr int kExponentBias = 16383;
constexpr int kExponentAllOnes = 0x7FFF;
constexpr std::uint32_t kLimbBase = 1'000'000'000;  // nine decimal digits per limb

// An unsigned integer in base 10^9, least significant limb first.
class Decimal {
 public:
  explicit Decimal(std::uint64_t v) {
    limbs_.reserve(8);
    do {
      limbs_.push_back(static_cast<std::uint32_t>(v % kLimbBase));
      v /= kLimbBase;
    } while (v != 0);
  }

  // *this *= factor, for factor below 2^32.
  void Multiply(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (auto& limb : limbs_) {
      const std::uint64_t product = std::uint64_t{limb} * factor + carry;
      limb = static_cast<std::uint32_t>(product % kLimbBase);
      carry = product / kLimbBase;
    }
    while (carry != 0) {
      limbs_.push_back(static_cast<std::uint32_t>(carry % kLimbBase));
      carry /= kLimbBase;
    }
  }

  // *this *= base^power, with base^chunk below 2^32.
  void MultiplyByPower(std::uint32_t base, int chunk, int power) {
    std::uint32_t big = 1;
    for (int i = 0; i < chunk; ++i) big *= base;
    for (; power >= chunk; power -= chunk) Multiply(big);
    std::uint32_t rest = 1;
    for (int i = 0; i < power; ++i) rest *= base;
    if (rest != 1) Multiply(rest);
  }

  std::string Digits() const {
    std::string text(limbs_.size() * 9, '0');
    char* out = text.data();
    out = std::to_chars(out, out + 9, limbs_.back()).ptr;
    for (auto it = limbs_.rbegin() + 1; it != limbs_.rend(); ++it, out += 9) {
      std::uint32_t limb = *it;
      for (int i = 8; i >= 0; --i, limb /= 10) out[i] = static_cast<char>('0' + limb % 10);
    }
    text.resize(static_cast<std::size_t>(out - text.data()));
    return text;
  }

 private:
  std::vector<std::uint32_t> limbs_;
};

// The exact value of a finite non-zero magnitude as its decimal digits (no leading zeros) and
// the count of them that lie after the decimal point.
struct ExactDigits {
  std::string digits;
  int fractionDigits = 0;
};

ExactDigits ExactDigitsOf(ExtendedBits bits) {
  std::uint64_t significand = bits.significand;
  const int field = bits.signExponent & kExponentAllOnes;
  // The value is significand * 2^exponent; a denormal has the smallest normal exponent.
  int exponent = (field == 0 ? 1 : field) - kExponentBias - 63;
  const int zeros = std::countr_zero(significand);
  significand >>= zeros;
  exponent += zeros;
  Decimal value(significand);
  if (exponent >= 0) {
    value.MultiplyByPower(2, 31, exponent);
    return {value.Digits(), 0};
  }
  // significand / 2^k = significand * 5^k / 10^k.
  value.MultiplyByPower(5, 13, -exponent);
  return {value.Digits(), -exponent};
}

bool IsZero(const ExtendedBits& bits) {
  return (bits.signExponent & kExponentAllOnes) == 0 && bits.significand == 0;
}

// Special values, or empty for a finite non-zero one.
std::string SpecialText(const ExtendedBits& bits) {
  const bool negative = (bits.signExponent & 0x8000) != 0;
  if ((bits.signExponent & kExponentAllOnes) == kExponentAllOnes) {
    if ((bits.significand << 1) != 0) return "nan";
    return negative ? "-inf" : "inf";
  }
  if (IsZero(bits)) return negative ? "-0" : "0";
  return {};
}

// Significant digits d (no leading zero) of the value d[0].d[1..] x 10^exponent, written out:
// positional for exponents from -7 to 20, else "d.ddde±x".
std::string Positional(const std::string& digits, int exponent, bool scientific) {
  const int n = static_cast<int>(digits.size());
  std::string text;
  if (scientific || exponent > 20 || exponent < -7) {
    text += digits[0];
    if (n > 1) text += '.' + digits.substr(1);
    text += 'e';
    text += std::to_string(exponent);
  } else if (exponent >= n - 1) {
    text = digits + std::string(static_cast<std::size_t>(exponent - n + 1), '0');
  } else if (exponent >= 0) {
    text = digits.substr(0, exponent + 1) + '.' + digits.substr(exponent + 1);
  } else {
    text = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  }
  return text;
}

// The text of the digits that the scanner reads back to exactly these bits, if any. The scanner
// gives a long string of digits (such as the zeros of a large whole number) a different rounding
// from the same digits with an exponent, so the text is checked as it is written; when only the
// exponent form reads back, that is the text.
std::optional<std::string> ReadBackText(const std::string& digits, int exponent,
                                        const ExtendedBits& bits) {
  for (bool scientific : {false, true}) {
    std::string text = Positional(digits, exponent, scientific);
    // The scanner takes the process's decimal separator where the text has its point.
    std::string scanned = text;
    std::replace(scanned.begin(), scanned.end(), '.', DecimalSeparator());
    const auto value = ScanExtended(scanned);
    if (value && BitsOf(*value) == bits) return text;
  }
  return std::nullopt;
}

// The digit string plus one unit in its last place; false when it grows a digit (all nines).
bool Increment(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return true;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
  digits.pop_back();
  return false;
}

// Values of everyday size with a few decimals (lengths such as 2500.5) are found without the
// exact expansion: the integer nearest to x * 10^d, for the fewest decimals d that read back.
// The result is the same, as fewer decimals at the same size are fewer significant digits.
std::optional<std::string> FewDecimals(const ExtendedBits& bits) {
  constexpr int kMaxDecimals = 6;
  const Extended x = FromBits(bits);
  if (!(x >= 1e-3L && x < 1e15L)) return std::nullopt;
  Extended scale = 1;
  for (int d = 0; d <= kMaxDecimals; ++d, scale *= 10) {
    const Extended scaled = x * scale;
    if (scaled >= 1e18L) break;
    const auto m = static_cast<std::uint64_t>(std::llrint(scaled));
    // Only an integer within rounding of x * 10^d can read back to x.
    if (m == 0 || std::fabs(scaled - static_cast<Extended>(m)) > scaled * 0x1p-56L) continue;
    char text[24];
    const auto count =
        static_cast<std::size_t>(std::to_chars(text, text + sizeof text, m).ptr - text);
    std::string digits(text, count);
    digits.resize(digits.find_last_not_of('0') + 1);
    if (auto readBack = ReadBackText(digits, static_cast<int>(count) - 1 - d, bits)) {
      return readBack;
    }
  }
  return std::nullopt;
}

// Past this many significant digits the exact expansion is given as it is.
constexpr int kMaxShortDigits = 40;

}  // namespace

std::string ExactDecimal(Extended x) {
  const ExtendedBits bits = BitsOf(x);
  if (std::string special = SpecialText(bits); !special.empty()) return special;
  auto [digits, fraction] = ExactDigitsOf(bits);
  std::string text = (bits.signExponent & 0x8000) != 0 ? "-" : "";
  const int size = static_cast<int>(digits.size());
  if (fraction >= size) {
    text += "0.";
    text.append(static_cast<std::size_t>(fraction - size), '0');
    text += digits;
  } else {
    text.append(digits, 0, static_cast<std::size_t>(size - fraction));
    if (fraction > 0) {
      text += '.';
      text.append(digits, static_cast<std::size_t>(size - fraction));
    }
  }
  return text;
}

std::string ShortestDecimal(Extended x) {
  ExtendedBits bits = BitsOf(x);
  if (std::string special = SpecialText(bits); !special.empty()) return special;
  const std::string sign = (bits.signExponent & 0x8000) != 0 ? "-" : "";
  bits.signExponent &= kExponentAllOnes;
  if (auto quick = FewDecimals(bits)) return sign + *quick;
  const auto [exact, fraction] = ExactDigitsOf(bits);
  const int exactCount = static_cast<int>(exact.size());
  // The value is exact[0].exact[1..] x 10^exponent.
  const int exponent = exactCount - 1 - fraction;

  for (int n = 1; n < std::min(exactCount, kMaxShortDigits); ++n) {
    // The n-digit texts below and above the value; the nearer one (ties to even) is tried
    // first, the other in case the scanner does not round to nearest for it.
    const std::string below = exact.substr(0, static_cast<std::size_t>(n));
    std::string above = below;
    const int aboveExponent = Increment(above) ? exponent : exponent + 1;
    const char next = exact[static_cast<std::size_t>(n)];
    const bool restNonZero =
        exact.find_first_not_of('0', static_cast<std::size_t>(n) + 1) != std::string::npos;
    const bool aboveNearer =
        next > '5' || (next == '5' && (restNonZero || (below.back() - '0') % 2 != 0));
    const std::pair<std::string, int> candidates[] = {{below, exponent}, {above, aboveExponent}};
    for (int i = 0; i < 2; ++i) {
      auto [digits, digitsExponent] = candidates[aboveNearer ? 1 - i : i];
      digits.resize(digits.find_last_not_of('0') + 1);
      if (auto text = ReadBackText(digits, digitsExponent, bits)) return sign + *text;
    }
  }
  // The exact expansion itself.
  std::string digits = exact;
  digits.resize(digits.find_last_not_of('0') + 1);
  return sign + Positional(digits, exponent, false);
}

}  // namespace pw::cli

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>

#include "convert/NumberText.h"
#include "convert/TextScan.h"

namespace pw {

namespace {

constexpr int kExponentBias = 16383;
constexpr int kExponentAllOnes = 0x7FFF;
// Denormals are significand x 2^-16445.
constexpr int kDenormalScale = kExponentBias + 62;

constexpr std::uint64_t kTenTo9 = 1'000'000'000;
constexpr std::uint64_t kTenTo18 = kTenTo9 * kTenTo9;

constexpr int kMaxWidth = 255;
constexpr int kMaxDecimals = 216;
constexpr int kMaxFixedExponent = 35;

int ExponentField(const ExtendedBits& bits) {
  return bits.signExponent & kExponentAllOnes;
}

// The e with 2^e <= x < 2^(e+1), for finite non-zero x.
int BinaryExponent(const ExtendedBits& bits) {
  const int field = ExponentField(bits);
  if (field != 0) return field - kExponentBias;
  return std::bit_width(bits.significand) - 1 - kDenormalScale;
}

// Two characters per decimal pair, "00" to "99".
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (int i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// The nine decimal digits of v < 10^9, leading zeros included.
void WriteNineDigits(std::uint32_t v, char* out) {
  out[8] = static_cast<char>('0' + v % 10);
  v /= 10;
  for (int i = 6; i >= 0; i -= 2) {
    std::memcpy(out + i, &kDigitPairs[2 * (v % 100)], 2);
    v /= 100;
  }
}

// Right-aligns the body in a field of `width` characters.
std::string Padded(const char* body, std::size_t length, int width) {
  const std::size_t pad = width > 0 && static_cast<std::size_t>(width) > length
                              ? static_cast<std::size_t>(width) - length
                              : 0;
  std::string text;
  text.reserve(pad + length);
  text.append(pad, ' ');
  text.append(body, length);
  return text;
}

std::string FormatScientific(bool negative, NormalizedDecimal normalized, int width) {
  const int significant = std::clamp(width, 10, 26) - 8;
  char digits[19];
  detail::WriteDigits(normalized.y, significant, digits);
  const char* mantissa = digits + 1;
  int exponent = normalized.k;
  if (digits[0] != '0') {
    mantissa = digits;
    ++exponent;
  }
  char body[26];
  std::size_t length = 0;
  body[length++] = negative ? '-' : ' ';
  body[length++] = mantissa[0];
  body[length++] = '.';
  std::memcpy(body + length, mantissa + 1, significant - 1);
  length += significant - 1;
  body[length++] = 'E';
  body[length++] = exponent < 0 ? '-' : '+';
  int magnitude = std::abs(exponent);
  for (int i = 3; i >= 0; --i) {
    body[length + i] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  }
  length += 4;
  return Padded(body, length, width);
}

}  // namespace

void detail::WriteDigits(Extended y, int n, char* out) {
  // Rounded to an integer under the environment's rounding, which is to nearest even.
  std::uint64_t v = static_cast<std::uint64_t>(std::llrint(y * 1e17L));
  out[0] = '0';
  if (v >= kTenTo18) {
    v -= kTenTo18;
    out[0] = '1';
  }
  WriteNineDigits(static_cast<std::uint32_t>(v / kTenTo9), out + 1);
  WriteNineDigits(static_cast<std::uint32_t>(v % kTenTo9), out + 10);
  if (n >= 18) {
    std::memset(out + 19, '0', n - 18);
    return;
  }
  if (out[n + 1] < '5') return;
  int i = n;
  while (out[i] == '9') out[i--] = '0';
  ++out[i];
}

std::string GenerateDigits(Extended y, int n) {
  n = std::clamp(n, 1, detail::kMaxDigitCount);
  char digits[detail::kMaxDigitCount + 1];
  detail::WriteDigits(y, n, digits);
  return std::string(digits, n + 1);
}

NormalizedDecimal NormalizeDecimal(Extended x) {
  int k = 0;
  for (;;) {
    const ExtendedBits bits = BitsOf(x);
    if (ExponentField(bits) == kExponentAllOnes) break;  // not finite: nothing to scale
    if (ExponentField(bits) == 0 && bits.significand == 0) break;
    // floor(e * log10(2)): the high half of the signed 16 x 16 bit product.
    const int j = (BinaryExponent(bits) * 19728) >> 16;
    if (j == 0) break;
    k += j;
    x = ScaleByPowerOfTen(x, -j);
  }
  return {x, k};
}

std::string FormatExtended(Extended x, std::int32_t width, std::int32_t decimals) {
  width = std::min(width, kMaxWidth);
  ExtendedBits bits = BitsOf(x);
  const bool negative = (bits.signExponent & 0x8000) != 0;
  if (ExponentField(bits) == kExponentAllOnes) {
    const char* word =
        (bits.significand >> 32) == 0x80000000u ? (negative ? "-Inf" : "+Inf") : "Nan";
    return Padded(word, std::strlen(word), width);
  }
  bits.signExponent &= kExponentAllOnes;
  const Extended a = FromBits(bits);

  if (decimals < 0) return FormatScientific(negative, NormalizeDecimal(a), width);

  decimals = std::min(decimals, kMaxDecimals);
  NormalizedDecimal normalized{a, 0};
  if (a >= 10) {
    normalized = NormalizeDecimal(a);
    if (normalized.k > kMaxFixedExponent) return FormatScientific(negative, normalized, width);
  }
  const int integerDigits = normalized.k + 1;
  const int n = integerDigits + decimals;
  char digits[detail::kMaxDigitCount + 1];
  detail::WriteDigits(normalized.y, n, digits);

  char body[kMaxWidth + 1];
  std::size_t length = 0;
  if (negative) body[length++] = '-';
  const int first = digits[0] != '0' ? 0 : 1;
  std::memcpy(body + length, digits + first, integerDigits + 1 - first);
  length += integerDigits + 1 - first;
  if (decimals > 0) {
    body[length++] = '.';
    std::memcpy(body + length, digits + integerDigits + 1, decimals);
    length += decimals;
  }
  return Padded(body, length, width);
}

}  // namespace pw

#include <charconv>
#include <limits>

#include "convert/Exceptions.h"
#include "convert/Messages.h"
#include "convert/NumberText.h"
#include "convert/TextScan.h"

namespace pw {

namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// A failure at the 0-based index `index` (the text's size for running out of text).
IntegerScan FailAt(std::size_t index) {
  return {0, static_cast<int>(index + 1)};
}

}  // namespace

IntegerScan ScanInteger(std::string_view text) {
  text = detail::TextBeforeNul(text);
  const std::size_t size = text.size();
  if (size == 0) return FailAt(0);

  std::size_t i = 0;
  while (i < size && text[i] == ' ') ++i;

  bool negative = false;
  bool hex = false;
  if (i < size) {
    switch (text[i]) {
      case '-':
        negative = true;
        ++i;
        break;
      case '+':
        ++i;
        break;
      case '$':
      case 'x':
      case 'X':
        hex = true;
        ++i;
        break;
      case '0':
        if (i + 1 == size) return {0, 0};
        if (text[i + 1] == 'x' || text[i + 1] == 'X') {
          hex = true;
          i += 2;
        } else {
          i += 1;
        }
        break;
      default:
        break;
    }
  }
  if (i == size) return FailAt(size);  // at least one digit must follow

  std::uint32_t v = 0;
  if (hex) {
    for (; i < size; ++i) {
      const int digit = HexDigitValue(text[i]);
      if (digit < 0 || v > 0x0FFFFFFFu) return FailAt(i);
      v = v * 16 + static_cast<std::uint32_t>(digit);
    }
    return {static_cast<std::int32_t>(v), 0};
  }

  for (; i < size; ++i) {
    const auto digit = static_cast<std::uint32_t>(static_cast<unsigned char>(text[i]) - '0');
    if (digit > 9 || v > 214748364u) return FailAt(i);
    v = v * 10 + digit;
  }
  if (v > (negative ? 2147483648u : 2147483647u)) return FailAt(size);
  return {static_cast<std::int32_t>(negative ? 0u - v : v), 0};
}

std::int32_t ParseInteger(std::string_view text) {
  const IntegerScan scan = ScanInteger(text);
  if (scan.errorPos != 0) {
    throw EConvertError(LoadMessage(MessageId::InvalidInteger, {detail::TextBeforeNul(text)}));
  }
  return scan.value;
}

std::string FormatInteger(std::int32_t value) {
  char buffer[std::numeric_limits<std::int32_t>::digits10 + 3];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace pw

#include "formc/FormWriter.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <stdexcept>

namespace pw::formc {

namespace {

// Tags of the values written here.
enum Tag : std::uint8_t {
  kNull = 0,
  kList = 1,
  kInt8 = 2,
  kInt16 = 3,
  kInt32 = 4,
  kExtended = 5,
  kString = 6,
  kIdent = 7,
  kFalse = 8,
  kTrue = 9,
  kBytes = 10,
  kSet = 11,
  kLongString = 12,
  kNil = 13,
  kSingle = 15,
  kCurrency = 16,
  kDate = 17,
  kWideString = 18,
  kInt64 = 19,
  kUtf8String = 20,
};

constexpr std::size_t kShortTextMax = 255;

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::uint32_t Length32(std::size_t count) {
  if (count > std::numeric_limits<std::uint32_t>::max()) {
    throw std::length_error("form stream value longer than 4 GiB");
  }
  return static_cast<std::uint32_t>(count);
}

// Little-endian, whatever the host.
template <class T>
void PutLittleEndian(std::vector<std::uint8_t>& out, T value) {
  using U = std::make_unsigned_t<T>;
  auto bits = static_cast<U>(value);
  for (std::size_t i = 0; i < sizeof(T); ++i) {
    out.push_back(static_cast<std::uint8_t>(bits & 0xFF));
    bits = static_cast<U>(bits >> 8);
  }
}

}  // namespace

void TFormWriter::Put(const void* data, std::size_t count) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  bytes_.insert(bytes_.end(), bytes, bytes + count);
}

void TFormWriter::WriteSignature() {
  Put("TPF0", 4);
}

void TFormWriter::WritePrefix(std::uint8_t flags, std::int32_t childPosition) {
  flags &= 0x0F;
  if (flags == 0) return;
  PutByte(static_cast<std::uint8_t>(0xF0 | flags));
  if (flags & 0x02) WriteInteger(childPosition);
}

void TFormWriter::WriteShortText(std::string_view text) {
  text = text.substr(0, kShortTextMax);
  PutByte(static_cast<std::uint8_t>(text.size()));
  Put(text.data(), text.size());
}

void TFormWriter::WriteListStart() {
  PutByte(kList);
}
void TFormWriter::WriteListEnd() {
  PutByte(kNull);
}

void TFormWriter::WriteInteger(std::int64_t value) {
  if (value >= -128 && value <= 127) {
    PutByte(kInt8);
    PutLittleEndian(bytes_, static_cast<std::int8_t>(value));
  } else if (value >= -32768 && value <= 32767) {
    PutByte(kInt16);
    PutLittleEndian(bytes_, static_cast<std::int16_t>(value));
  } else if (value >= std::numeric_limits<std::int32_t>::min() &&
             value <= std::numeric_limits<std::int32_t>::max()) {
    PutByte(kInt32);
    PutLittleEndian(bytes_, static_cast<std::int32_t>(value));
  } else {
    PutByte(kInt64);
    PutLittleEndian(bytes_, value);
  }
}

void TFormWriter::WriteExtended(Extended value) {
  const ExtendedBits bits = BitsOf(value);
  PutByte(kExtended);
  PutLittleEndian(bytes_, bits.significand);
  PutLittleEndian(bytes_, bits.signExponent);
}

void TFormWriter::WriteSingle(float value) {
  PutByte(kSingle);
  PutLittleEndian(bytes_, std::bit_cast<std::uint32_t>(value));
}

void TFormWriter::WriteCurrency(std::int64_t amountTimes10000) {
  PutByte(kCurrency);
  PutLittleEndian(bytes_, amountTimes10000);
}

void TFormWriter::WriteDate(double value) {
  PutByte(kDate);
  PutLittleEndian(bytes_, std::bit_cast<std::uint64_t>(value));
}

void TFormWriter::WriteBool(bool value) {
  PutByte(value ? kTrue : kFalse);
}
void TFormWriter::WriteNil() {
  PutByte(kNil);
}
void TFormWriter::WriteNull() {
  PutByte(kNull);
}

void TFormWriter::WriteIdent(std::string_view ident) {
  if (ident == "False") return PutByte(kFalse);
  if (ident == "True") return PutByte(kTrue);
  if (ident == "nil") return PutByte(kNil);
  if (ident == "Null") return PutByte(kNull);
  PutByte(kIdent);
  WriteShortText(ident);
}

void TFormWriter::WriteString(std::string_view text) {
  if (!IsAscii(text)) {
    PutByte(kUtf8String);
    PutLittleEndian(bytes_, Length32(text.size()));
  } else if (text.size() <= kShortTextMax) {
    PutByte(kString);
    PutByte(static_cast<std::uint8_t>(text.size()));
  } else {
    PutByte(kLongString);
    PutLittleEndian(bytes_, Length32(text.size()));
  }
  Put(text.data(), text.size());
}

void TFormWriter::WriteWideString(std::u16string_view text) {
  PutByte(kWideString);
  PutLittleEndian(bytes_, Length32(text.size()));
  for (char16_t unit : text) PutLittleEndian(bytes_, static_cast<std::uint16_t>(unit));
}

void TFormWriter::WriteBytes(std::span<const std::uint8_t> bytes) {
  PutByte(kBytes);
  PutLittleEndian(bytes_, Length32(bytes.size()));
  Put(bytes.data(), bytes.size());
}

void TFormWriter::WriteSet(std::span<const std::string> members) {
  PutByte(kSet);
  for (const std::string& member : members) WriteShortText(member);
  PutByte(kNull);
}

}  // namespace pw::formc

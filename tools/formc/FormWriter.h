#pragma once
// Writes form streams in the canonical encoding: the narrowest integer tag, texts with non-ASCII
// characters as UTF-8 texts, long texts from 256 bytes on, short texts cut at 255 bytes.
// A build tool: the program only reads streams.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "convert/Extended.h"

namespace pw::formc {

class TFormWriter {
 public:
  void WriteSignature();  // "TPF0"
  // The prefix byte (0xF0 | flags) and, with the child-position flag, the position; nothing for
  // flags 0.
  void WritePrefix(std::uint8_t flags, std::int32_t childPosition = 0);
  void WriteShortText(std::string_view text);  // class, component and property names
  void WriteListStart();                       // TagList
  void WriteListEnd();                         // 0

  void WriteInteger(std::int64_t value);
  void WriteExtended(Extended value);
  void WriteSingle(float value);
  void WriteCurrency(std::int64_t amountTimes10000);
  void WriteDate(double value);
  void WriteBool(bool value);
  void WriteNil();
  void WriteNull();
  // Identifiers "False", "True", "nil" and "Null" (exactly so) are written as their tags.
  void WriteIdent(std::string_view ident);
  // `text` is UTF-8: ASCII texts as TagString or TagLongString, others as TagUtf8String.
  void WriteString(std::string_view text);
  void WriteWideString(std::u16string_view text);
  void WriteBytes(std::span<const std::uint8_t> bytes);
  void WriteSet(std::span<const std::string> members);

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  void Put(const void* data, std::size_t count);
  void PutByte(std::uint8_t byte) { bytes_.push_back(byte); }

  std::vector<std::uint8_t> bytes_;
};

}  // namespace pw::formc

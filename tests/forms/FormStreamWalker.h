#pragma once
// A small, independent walker over form streams for the tests: it splits a stream into records,
// properties and raw values by their tags, checking every length against the bytes there are.

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace pw::test {

struct WalkedValue {
  std::uint8_t tag = 0;
  std::int64_t integer = 0;             // integer tags
  std::string text;                     // texts and identifiers
  std::vector<std::string> members;     // sets
  std::span<const std::uint8_t> bytes;  // byte blocks
};

struct WalkedProperty {
  std::string name;
  WalkedValue value;
};

struct WalkedRecord {
  std::string className;
  std::string name;
  std::vector<WalkedProperty> properties;
  std::vector<WalkedRecord> children;

  const WalkedProperty* Find(const std::string& property) const {
    for (const auto& p : properties)
      if (p.name == property) return &p;
    return nullptr;
  }
  // The value of a property that must be there.
  const WalkedValue& Get(const std::string& property) const {
    if (const auto* p = Find(property)) return p->value;
    throw std::runtime_error(name + " has no " + property);
  }
  std::vector<std::string> PropertyNames() const {
    std::vector<std::string> names;
    for (const auto& p : properties) names.push_back(p.name);
    return names;
  }
};

class FormStreamWalker {
 public:
  explicit FormStreamWalker(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  // The signature and the root record; the position is then just after the root record.
  WalkedRecord WalkStream() {
    if (Take(4).size() != 4 || bytes_[0] != 'T' || bytes_[1] != 'P' || bytes_[2] != 'F' ||
        bytes_[3] != '0')
      throw std::runtime_error("no signature");
    return WalkRecord();
  }

  std::size_t Position() const { return position_; }

 private:
  std::span<const std::uint8_t> Take(std::size_t count) {
    if (count > bytes_.size() - position_) throw std::runtime_error("stream ends early");
    auto part = bytes_.subspan(position_, count);
    position_ += count;
    return part;
  }
  std::uint8_t Byte() { return Take(1)[0]; }
  std::uint8_t Peek() const {
    if (position_ >= bytes_.size()) throw std::runtime_error("stream ends early");
    return bytes_[position_];
  }
  std::uint64_t Unsigned(std::size_t count) {
    auto part = Take(count);
    std::uint64_t value = 0;
    for (std::size_t i = count; i-- > 0;) value = (value << 8) | part[i];
    return value;
  }
  std::int64_t Signed(std::size_t count) {
    const std::uint64_t raw = Unsigned(count);
    const unsigned shift = static_cast<unsigned>(64 - 8 * count);
    return static_cast<std::int64_t>(raw << shift) >> shift;
  }
  std::string ShortText() {
    const auto length = Byte();
    auto part = Take(length);
    return std::string(part.begin(), part.end());
  }

  WalkedRecord WalkRecord() {
    if (Peek() >= 0xF0) throw std::runtime_error("unexpected record prefix");
    WalkedRecord record;
    record.className = ShortText();
    record.name = ShortText();
    while (Peek() != 0) {
      WalkedProperty property;
      property.name = ShortText();
      property.value = WalkValue();
      record.properties.push_back(std::move(property));
    }
    Byte();
    while (Peek() != 0) record.children.push_back(WalkRecord());
    Byte();
    return record;
  }

  WalkedValue WalkValue() {
    WalkedValue value;
    value.tag = Byte();
    switch (value.tag) {
      case 2:
        value.integer = Signed(1);
        break;
      case 3:
        value.integer = Signed(2);
        break;
      case 4:
        value.integer = Signed(4);
        break;
      case 6:
      case 7:
        value.text = ShortText();
        break;
      case 8:
      case 9:
        break;
      case 10:
        value.bytes = Take(Unsigned(4));
        break;
      case 11:
        while (Peek() != 0) value.members.push_back(ShortText());
        Byte();
        break;
      case 12:
      case 20: {
        auto part = Take(Unsigned(4));
        value.text.assign(part.begin(), part.end());
        break;
      }
      default:
        // The two windows' streams use no other tag.
        throw std::runtime_error("unexpected tag " + std::to_string(value.tag));
    }
    return value;
  }

  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

}  // namespace pw::test

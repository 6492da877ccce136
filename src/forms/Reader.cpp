#include "forms/Reader.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <utility>

#include "convert/Messages.h"
#include "forms/Component.h"
#include "forms/FilerErrors.h"
#include "forms/Persistent.h"
#include "forms/Text.h"
#include "platform/sys/CodePage.h"

namespace pw {

namespace {

constexpr std::uint32_t kSignature = 0x30465054;  // "TPF0"
constexpr std::uint8_t kPrefixMin = 0xF0;
constexpr std::uint8_t kLastTag = static_cast<std::uint8_t>(ValueTag::Utf8String);

[[noreturn]] void Raise(MessageId id, std::initializer_list<std::string_view> args = {}) {
  throw EReadError(LoadMessage(id, args));
}
[[noreturn]] void RaiseInvalidValue() {
  Raise(MessageId::InvalidPropertyValue);
}

bool IsInt32Tag(ValueTag tag) {
  return tag == ValueTag::Int8 || tag == ValueTag::Int16 || tag == ValueTag::Int32;
}
bool IsIntegerTag(ValueTag tag) {
  return IsInt32Tag(tag) || tag == ValueTag::Int64;
}

// Whether the stream may set the property. An object property without a setter can still be
// read into while it holds an object (Font, Picture): the path or the value reaches that object.
bool IsReadOnly(TPersistent& instance, const TPropInfo& property) {
  switch (property.kind) {
    case TTypeKind::Integer:
    case TTypeKind::Enumeration:
    case TTypeKind::Set:
    case TTypeKind::Char:
    case TTypeKind::Int64:
      return property.setOrdinal == nullptr;
    case TTypeKind::Float:
      return property.setFloat == nullptr;
    case TTypeKind::String:
      return property.setString == nullptr;
    case TTypeKind::WideString:
      return property.setWideString == nullptr;
    case TTypeKind::Method:
      return property.setMethod == nullptr;
    case TTypeKind::Class:
      return property.setObject == nullptr &&
             (property.getObject == nullptr || property.getObject(&instance) == nullptr);
    case TTypeKind::Variant:
    case TTypeKind::Unsupported:
      return false;
  }
  return false;
}

// The component named in "Error reading ..." messages: its name, or its class name if unnamed.
std::string ComponentLabel(const TComponent* current, const TPersistent& instance) {
  if (current == nullptr) current = dynamic_cast<const TComponent*>(&instance);
  if (current == nullptr) return std::string(instance.ClassName());
  return current->Name().empty() ? std::string(current->ClassName()) : current->Name();
}

}  // namespace

// What the skipping machine is in the middle of; each frame ends at a 0 byte.
enum class TReader::SkipFrame : std::uint8_t {
  Values,    // the values of a list
  Items,     // the items of a collection
  Entries,   // property entries: a name and a value each
  Children,  // child component records
};

TReader::TReader(TStream& stream) : stream_(stream) {}

TReader::~TReader() {
  if (position_ < end_) {
    stream_.SetPosition(stream_.Position() - static_cast<std::int64_t>(end_ - position_));
  }
}

// ---- Buffered bytes

void TReader::FillBuffer() {
  position_ = 0;
  end_ = stream_.Read(buffer_.data(), buffer_.size());
  if (end_ == 0) Raise(MessageId::ReadError);
}

void TReader::Read(void* out, std::size_t count) {
  auto* dest = static_cast<std::uint8_t*>(out);
  while (count > 0) {
    if (position_ == end_) {
      if (count >= kBufferSize) {
        // Large blocks go straight from the stream, not through the buffer.
        const std::size_t n = stream_.Read(dest, count);
        if (n == 0) Raise(MessageId::ReadError);
        dest += n;
        count -= n;
        continue;
      }
      FillBuffer();
    }
    const std::size_t n = std::min(count, end_ - position_);
    std::memcpy(dest, buffer_.data() + position_, n);
    position_ += n;
    dest += n;
    count -= n;
  }
}

std::uint8_t TReader::ReadByte() {
  if (position_ == end_) FillBuffer();
  return buffer_[position_++];
}

std::uint8_t TReader::PeekByte() {
  if (position_ == end_) FillBuffer();
  return buffer_[position_];
}

std::int64_t TReader::Remaining() const {
  const std::int64_t inStream = std::max<std::int64_t>(stream_.Size() - stream_.Position(), 0);
  return static_cast<std::int64_t>(end_ - position_) + inStream;
}

void TReader::RequireAvailable(std::uint64_t count) {
  if (count > static_cast<std::uint64_t>(Remaining())) Raise(MessageId::ReadError);
}

void TReader::Skip(std::int64_t count) {
  const auto inBuffer = static_cast<std::int64_t>(end_ - position_);
  if (count <= inBuffer) {
    position_ += static_cast<std::size_t>(count);
    return;
  }
  count -= inBuffer;
  position_ = end_;
  const std::int64_t inStream = stream_.Size() - stream_.Position();
  if (count > inStream) {
    // Everything there is has been consumed, and more was needed.
    if (inStream > 0) stream_.SetPosition(stream_.Size());
    Raise(MessageId::ReadError);
  }
  stream_.SetPosition(stream_.Position() + count);
}

std::uint64_t TReader::ReadLittleEndian(std::size_t size) {
  std::uint8_t bytes[8];
  Read(bytes, size);
  std::uint64_t value = 0;
  for (std::size_t i = size; i-- > 0;) value = (value << 8) | bytes[i];
  return value;
}

// ---- Structure

void TReader::CheckSignature() {
  if (ReadLittleEndian(4) != kSignature) Raise(MessageId::InvalidStreamFormat);
}

FlagsPrefix TReader::ReadFlagsPrefix() {
  FlagsPrefix prefix;
  const std::uint8_t byte = PeekByte();
  if (byte >= kPrefixMin) {
    ReadByte();
    prefix.flags = byte & 0x0F;
    if (prefix.flags & kFlagChildPosition) prefix.childPosition = ReadInt32Value();
  }
  return prefix;
}

std::string TReader::ReadShortText() {
  std::string text(ReadByte(), '\0');
  Read(text.data(), text.size());
  return text;
}

ValueTag TReader::ReadTag() {
  const std::uint8_t byte = ReadByte();
  if (byte > kLastTag) RaiseInvalidValue();
  return static_cast<ValueTag>(byte);
}

ValueTag TReader::PeekTag() {
  const std::uint8_t byte = PeekByte();
  if (byte > kLastTag) RaiseInvalidValue();
  return static_cast<ValueTag>(byte);
}

bool TReader::AtListEnd() {
  return PeekByte() == 0;
}

void TReader::ExpectListStart() {
  const ValueTag tag = ReadTag();
  if (tag != ValueTag::List) {
    SkipValue(tag);
    RaiseInvalidValue();
  }
}

void TReader::ExpectListEnd() {
  const ValueTag tag = ReadTag();
  if (tag != ValueTag::Null) {
    SkipValue(tag);
    RaiseInvalidValue();
  }
}

// ---- Values

std::int64_t TReader::ReadIntegerPayload(ValueTag tag) {
  switch (tag) {
    case ValueTag::Int8:
      return static_cast<std::int8_t>(ReadByte());
    case ValueTag::Int16:
      return static_cast<std::int16_t>(ReadLittleEndian(2));
    case ValueTag::Int32:
      return static_cast<std::int32_t>(ReadLittleEndian(4));
    case ValueTag::Int64:
      return static_cast<std::int64_t>(ReadLittleEndian(8));
    default:
      RaiseInvalidValue();
  }
}

Extended TReader::ReadExtendedPayload() {
  ExtendedBits bits;
  bits.significand = ReadLittleEndian(8);
  bits.signExponent = static_cast<std::uint16_t>(ReadLittleEndian(2));
  return FromBits(bits);
}

std::string TReader::ReadLongPayload() {
  const std::uint32_t length = ReadLength();
  RequireAvailable(length);
  std::string text(length, '\0');
  Read(text.data(), text.size());
  return text;
}

std::u16string TReader::ReadWidePayload() {
  const std::uint32_t count = ReadLength();
  RequireAvailable(std::uint64_t{count} * 2);
  std::u16string text(count, u'\0');
  Read(text.data(), text.size() * 2);
  if constexpr (std::endian::native == std::endian::big) {
    for (char16_t& unit : text) unit = static_cast<char16_t>((unit >> 8) | (unit << 8));
  }
  return text;
}

std::vector<std::uint8_t> TReader::ReadBytesPayload() {
  const std::uint32_t length = ReadLength();
  RequireAvailable(length);
  std::vector<std::uint8_t> bytes(length);
  Read(bytes.data(), bytes.size());
  return bytes;
}

std::int32_t TReader::ReadInt32Value() {
  const ValueTag tag = ReadTag();
  if (!IsInt32Tag(tag)) RaiseInvalidValue();
  return static_cast<std::int32_t>(ReadIntegerPayload(tag));
}

std::int64_t TReader::ReadInt64Value() {
  const ValueTag tag = ReadTag();
  if (!IsIntegerTag(tag)) RaiseInvalidValue();
  return ReadIntegerPayload(tag);
}

Extended TReader::ReadReal() {
  const ValueTag tag = ReadTag();
  if (tag == ValueTag::Extended) return ReadExtendedPayload();
  if (!IsIntegerTag(tag)) RaiseInvalidValue();
  return static_cast<Extended>(ReadIntegerPayload(tag));
}

float TReader::ReadSingleValue() {
  const ValueTag tag = ReadTag();
  if (tag == ValueTag::Single) {
    return std::bit_cast<float>(static_cast<std::uint32_t>(ReadLittleEndian(4)));
  }
  if (!IsIntegerTag(tag)) RaiseInvalidValue();
  return static_cast<float>(ReadIntegerPayload(tag));
}

std::int64_t TReader::ReadCurrencyValue() {
  const ValueTag tag = ReadTag();
  if (tag == ValueTag::Currency) return static_cast<std::int64_t>(ReadLittleEndian(8));
  if (!IsIntegerTag(tag)) RaiseInvalidValue();
  std::int64_t amount = 0;
  // A 64-bit integer too large for the fixed-point range is no valid amount.
  if (__builtin_mul_overflow(ReadIntegerPayload(tag), std::int64_t{10000}, &amount)) {
    RaiseInvalidValue();
  }
  return amount;
}

double TReader::ReadDateValue() {
  const ValueTag tag = ReadTag();
  if (tag == ValueTag::Date) return std::bit_cast<double>(ReadLittleEndian(8));
  if (!IsIntegerTag(tag)) RaiseInvalidValue();
  return static_cast<double>(ReadIntegerPayload(tag));
}

bool TReader::ReadBool() {
  return ReadTag() == ValueTag::True;
}

std::string TReader::ReadText() {
  switch (ReadTag()) {
    case ValueTag::String:
      return ReadShortText();
    case ValueTag::LongString:
      return ReadLongPayload();
    case ValueTag::WideString:
      return sys::WideToNarrow(ReadWidePayload());
    case ValueTag::Utf8String:
      return sys::WideToNarrow(sys::Utf8ToWide(ReadLongPayload()));
    default:
      RaiseInvalidValue();
  }
}

std::u16string TReader::ReadWideText() {
  switch (ReadTag()) {
    case ValueTag::String:
      return sys::NarrowToWide(ReadShortText());
    case ValueTag::LongString:
      return sys::NarrowToWide(ReadLongPayload());
    case ValueTag::WideString:
      return ReadWidePayload();
    case ValueTag::Utf8String:
      return sys::Utf8ToWide(ReadLongPayload());
    default:
      RaiseInvalidValue();
  }
}

char TReader::ReadChar() {
  const std::string text = ReadText();
  if (text.size() > 1) RaiseInvalidValue();
  return text.empty() ? '\0' : text.front();
}

std::string TReader::ReadIdentifier() {
  switch (ReadTag()) {
    case ValueTag::Ident:
      return ReadShortText();
    case ValueTag::False:
      return "False";
    case ValueTag::True:
      return "True";
    case ValueTag::Nil:
      return "nil";
    case ValueTag::Null:
      return "Null";
    default:
      RaiseInvalidValue();
  }
}

std::uint32_t TReader::ReadSetValue(const TEnumType& element) {
  if (ReadTag() != ValueTag::Set) RaiseInvalidValue();
  std::uint32_t bits = 0;
  for (std::string member = ReadShortText(); !member.empty(); member = ReadShortText()) {
    const std::optional<int> ordinal = element.ValueOf(member);
    if (ordinal && *ordinal >= 0 && *ordinal < 32) bits |= std::uint32_t{1} << *ordinal;
  }
  return bits;
}

std::vector<std::uint8_t> TReader::ReadBytesValue() {
  if (ReadTag() != ValueTag::Bytes) RaiseInvalidValue();
  return ReadBytesPayload();
}

// ---- Skipping

void TReader::SkipPayload(ValueTag tag) {
  switch (tag) {
    case ValueTag::Null:
    case ValueTag::False:
    case ValueTag::True:
    case ValueTag::Nil:
      return;
    case ValueTag::Int8:
      return Skip(1);
    case ValueTag::Int16:
      return Skip(2);
    case ValueTag::Int32:
    case ValueTag::Single:
      return Skip(4);
    case ValueTag::Currency:
    case ValueTag::Date:
    case ValueTag::Int64:
      return Skip(8);
    case ValueTag::Extended:
      return Skip(10);
    case ValueTag::String:
    case ValueTag::Ident:
      return Skip(ReadByte());
    case ValueTag::Bytes:
    case ValueTag::LongString:
    case ValueTag::Utf8String:
      return Skip(ReadLength());
    case ValueTag::WideString:
      return Skip(std::int64_t{ReadLength()} * 2);
    case ValueTag::Set:
      for (std::uint8_t length = ReadByte(); length != 0; length = ReadByte()) Skip(length);
      return;
    case ValueTag::List:
    case ValueTag::Collection:
      return SkipValue(tag);
  }
}

void TReader::OpenValue(ValueTag tag, std::vector<SkipFrame>& frames) {
  if (tag == ValueTag::List) {
    frames.push_back(SkipFrame::Values);
  } else if (tag == ValueTag::Collection) {
    frames.push_back(SkipFrame::Items);
  } else {
    SkipPayload(tag);
  }
}

void TReader::RunSkip(std::vector<SkipFrame>& frames) {
  while (!frames.empty()) {
    if (AtListEnd()) {
      ReadByte();
      frames.pop_back();
      continue;
    }
    switch (frames.back()) {
      case SkipFrame::Values:
        OpenValue(ReadTag(), frames);
        break;
      case SkipFrame::Entries:
        Skip(ReadByte());
        OpenValue(ReadTag(), frames);
        break;
      case SkipFrame::Items: {
        // An item: its order value if one is there, the list tag, then property entries.
        const std::uint8_t next = PeekByte();
        if (next >= static_cast<std::uint8_t>(ValueTag::Int8) &&
            next <= static_cast<std::uint8_t>(ValueTag::Int32)) {
          SkipPayload(ReadTag());
        }
        ReadByte();
        frames.push_back(SkipFrame::Entries);
        break;
      }
      case SkipFrame::Children:
        ReadFlagsPrefix();
        Skip(ReadByte());
        Skip(ReadByte());
        frames.push_back(SkipFrame::Children);
        frames.push_back(SkipFrame::Entries);
        break;
    }
  }
}

void TReader::SkipValue(ValueTag tag) {
  if (tag != ValueTag::List && tag != ValueTag::Collection) return SkipPayload(tag);
  std::vector<SkipFrame> frames;
  OpenValue(tag, frames);
  RunSkip(frames);
}

void TReader::SkipTypedValue() {
  SkipValue(ReadTag());
}

void TReader::SkipComponentRecord(bool withHeader) {
  if (withHeader) {
    ReadFlagsPrefix();
    Skip(ReadByte());
    Skip(ReadByte());
  }
  std::vector<SkipFrame> frames{SkipFrame::Children, SkipFrame::Entries};
  RunSkip(frames);
}

// ---- Properties

void TReader::ReadProperties(TPersistent& instance) {
  while (!AtListEnd()) ReadProperty(instance);
  ReadByte();
}

void TReader::ReadProperty(TPersistent& instance) {
  std::string name;
  try {
    name = ReadShortText();
    ReadPropertyPath(instance, name);
  } catch (const Exception& error) {
    throw EReadError(LoadMessage(MessageId::ErrorReading,
                                 {ComponentLabel(current_, instance), ".", name, error.Message()}));
  }
}

void TReader::ReadPropertyPath(TPersistent& instance, std::string_view name) {
  TPersistent* object = &instance;
  for (std::size_t dot = name.find('.'); dot != std::string_view::npos; dot = name.find('.')) {
    const std::string_view segment = name.substr(0, dot);
    const TPropInfo* property = object->ClassInfo().FindProperty(segment);
    if (property == nullptr) {
      SkipTypedValue();
      Raise(MessageId::UnknownProperty, {segment});
    }
    TPersistent* held = property->kind == TTypeKind::Class && property->getObject != nullptr
                            ? property->getObject(object)
                            : nullptr;
    if (held == nullptr) {
      SkipTypedValue();
      Raise(MessageId::InvalidPropertyPath);
    }
    object = held;
    name.remove_prefix(dot + 1);
  }
  if (const TPropInfo* property = object->ClassInfo().FindProperty(name)) {
    AssignValue(*object, *property);
  } else if (!ReadDefinedProperty(*object, name)) {
    SkipTypedValue();
    Raise(MessageId::UnknownProperty, {name});
  }
}

bool TReader::ReadDefinedProperty(TPersistent& object, std::string_view name) {
  // Kept and put back, so that a read procedure may itself read property entries.
  std::string savedName = std::exchange(pendingName_, std::string(name));
  const bool savedPending = std::exchange(pending_, true);
  bool claimed = false;
  try {
    object.DeclareExtraProperties(*this);
    claimed = !pending_;
  } catch (...) {
    pendingName_ = std::move(savedName);
    pending_ = savedPending;
    throw;
  }
  pendingName_ = std::move(savedName);
  pending_ = savedPending;
  return claimed;
}

void TReader::DeclareProperty(std::string_view name, const std::function<void(TReader&)>& read) {
  if (!pending_ || !read || !SameText(name, pendingName_)) return;
  pending_ = false;
  read(*this);
}

void TReader::DeclareBytesProperty(std::string_view name,
                                   const std::function<void(TStream&)>& read) {
  if (!pending_ || !read || !SameText(name, pendingName_)) return;
  pending_ = false;
  const ValueTag tag = ReadTag();
  if (tag != ValueTag::Bytes) {
    SkipValue(tag);
    RaiseInvalidValue();
  }
  if (auto* memory = dynamic_cast<TReadOnlyMemoryStream*>(&stream_)) {
    // The description is in memory already (a resource): the property reads its bytes there.
    const std::uint32_t length = ReadLength();
    RequireAvailable(length);
    const auto at = static_cast<std::size_t>(stream_.Position()) - (end_ - position_);
    TReadOnlyMemoryStream data(memory->Bytes().subspan(at, length));
    Skip(length);
    read(data);
    return;
  }
  TMemoryStream data(ReadBytesPayload());
  read(data);
}

void TReader::AssignValue(TPersistent& instance, const TPropInfo& property) {
  if (IsReadOnly(instance, property)) Raise(MessageId::ReadOnlyProperty);
  TPersistent* target = &instance;
  switch (property.kind) {
    case TTypeKind::Integer: {
      std::int32_t value = 0;
      if (PeekTag() == ValueTag::Ident) {
        ReadTag();
        const std::string ident = ReadShortText();
        const IdentToInt toInt =
            property.integerType != nullptr ? FindIdentToInt(*property.integerType) : nullptr;
        const std::optional<std::int32_t> known =
            toInt != nullptr ? toInt(ident) : std::optional<std::int32_t>();
        if (!known) RaiseInvalidValue();
        value = *known;
      } else {
        value = ReadInt32Value();
      }
      return property.setOrdinal(target, value);
    }
    case TTypeKind::Enumeration: {
      const std::string ident = ReadIdentifier();
      const std::optional<int> ordinal =
          property.enumType != nullptr ? property.enumType->ValueOf(ident) : std::nullopt;
      if (!ordinal) RaiseInvalidValue();
      return property.setOrdinal(target, *ordinal);
    }
    case TTypeKind::Set:
      if (property.enumType == nullptr) RaiseInvalidValue();
      return property.setOrdinal(target, ReadSetValue(*property.enumType));
    case TTypeKind::Char:
      return property.setOrdinal(target, static_cast<unsigned char>(ReadChar()));
    case TTypeKind::Int64:
      return property.setOrdinal(target, ReadInt64Value());
    case TTypeKind::Float:
      return property.setFloat(target, ReadReal());
    case TTypeKind::String:
      return property.setString(target, ReadText());
    case TTypeKind::WideString:
      return property.setWideString(target, ReadWideText());
    case TTypeKind::Class: {
      const ValueTag tag = PeekTag();
      if (tag == ValueTag::Nil) {
        ReadTag();
      } else if (tag == ValueTag::Collection) {
        // No class of this framework is a collection: the items are passed over.
        SkipTypedValue();
      } else {
        fixups_.push_back(Fixup{target, &property, ReadIdentifier(), root_});
      }
      return;
    }
    case TTypeKind::Method: {
      if (PeekTag() == ValueTag::Nil) {
        ReadTag();
        return property.setMethod(target, TNotifyEvent());
      }
      const std::string name = ReadIdentifier();
      const TMethodInfo* method = root_ != nullptr ? root_->ClassInfo().FindMethod(name) : nullptr;
      if (method == nullptr) RaiseInvalidValue();
      return property.setMethod(target, method->bind(root_));
    }
    case TTypeKind::Variant:
      return ReadVariantValue();
    case TTypeKind::Unsupported:
      RaiseInvalidValue();
  }
}

// The framework keeps no variant values: a variant property's value is checked and passed over.
void TReader::ReadVariantValue() {
  const ValueTag tag = ReadTag();
  switch (tag) {
    case ValueTag::Null:
    case ValueTag::Nil:
    case ValueTag::Int8:
    case ValueTag::Int16:
    case ValueTag::Int32:
    case ValueTag::Extended:
    case ValueTag::String:
    case ValueTag::LongString:
    case ValueTag::False:
    case ValueTag::True:
    case ValueTag::Bytes:
    case ValueTag::Single:
    case ValueTag::Currency:
    case ValueTag::Date:
    case ValueTag::WideString:
    case ValueTag::Int64:
      return SkipPayload(tag);
    default:
      Raise(MessageId::ReadError);
  }
}

}  // namespace pw

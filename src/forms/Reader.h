#pragma once
// TReader: turns a form stream into typed values, component headers and property assignments.
//
// Stream layout: the signature "TPF0", then one component record (the root). A record is an
// optional flags prefix, the class name and component name as short texts, property entries up
// to a 0 byte, child records up to a 0 byte. A value is a tag byte and the payload the tag gives.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "convert/Extended.h"
#include "forms/Stream.h"
#include "forms/TypeInfo.h"

namespace pw {

class TPersistent;
class TComponent;

enum class ValueTag : std::uint8_t {
  Null = 0,
  List = 1,
  Int8 = 2,
  Int16 = 3,
  Int32 = 4,
  Extended = 5,
  String = 6,
  Ident = 7,
  False = 8,
  True = 9,
  Bytes = 10,
  Set = 11,
  LongString = 12,
  Nil = 13,
  Collection = 14,
  Single = 15,
  Currency = 16,
  Date = 17,
  WideString = 18,
  Int64 = 19,
  Utf8String = 20,
};

// Record flags of the prefix byte.
inline constexpr std::uint8_t kFlagInherited = 1;
inline constexpr std::uint8_t kFlagChildPosition = 2;
inline constexpr std::uint8_t kFlagInline = 4;

struct FlagsPrefix {
  std::uint8_t flags = 0;
  std::int32_t childPosition = -1;
};

// A component property whose value names a component; resolved when the root is read.
struct Fixup {
  TPersistent* instance;
  const TPropInfo* property;
  std::string name;
  TComponent* root;
};

class TReader {
 public:
  static constexpr std::size_t kBufferSize = 4096;

  explicit TReader(TStream& stream);
  // Positions the stream just after the last byte consumed.
  ~TReader();
  TReader(const TReader&) = delete;
  TReader& operator=(const TReader&) = delete;

  // Values. Every operation raises EReadError: "Stream read error" when the stream ends early,
  // "Invalid property value" for a tag the operation does not accept.
  void CheckSignature();  // "Invalid stream format"
  FlagsPrefix ReadFlagsPrefix();
  std::string ReadShortText();
  ValueTag ReadTag();
  ValueTag PeekTag();
  bool AtListEnd();  // the next byte is 0; not consumed
  void ExpectListStart();
  void ExpectListEnd();
  std::int32_t ReadInt32Value();
  std::int64_t ReadInt64Value();
  Extended ReadReal();
  float ReadSingleValue();
  std::int64_t ReadCurrencyValue();  // the amount times 10000
  double ReadDateValue();
  bool ReadBool();
  std::string ReadText();         // narrow, in the process code page
  std::u16string ReadWideText();  // UTF-16
  char ReadChar();
  std::string ReadIdentifier();  // also "False", "True", "nil", "Null"
  std::uint32_t ReadSetValue(const TEnumType& element);
  std::vector<std::uint8_t> ReadBytesValue();  // tag Bytes: 4-byte length, then the bytes
  void SkipTypedValue();
  void SkipComponentRecord(bool withHeader);

  // One property entry for `instance`: the (dotted) name and its value, assigned by the kind of
  // the published property or handed to a defined property. Any Exception raised on the way
  // becomes EReadError "Error reading <component>.<name>: <message>", with the name of
  // CurrentComponent() (its class name when the name is empty).
  void ReadProperty(TPersistent& instance);
  // Property entries up to the list end, then the 0.
  void ReadProperties(TPersistent& instance);

  // Called from TPersistent::DeclareExtraProperties while the reader asks for a pending name:
  // the first declaration matching it (ASCII case ignored) reads the value.
  void DeclareProperty(std::string_view name, const std::function<void(TReader&)>& read);
  void DeclareBytesProperty(std::string_view name, const std::function<void(TStream&)>& read);

  // Reading context, kept by the component-record reading of form instantiation.
  TComponent* Root() const { return root_; }
  void SetRoot(TComponent* root) { root_ = root; }
  TComponent* LookupRoot() const { return lookupRoot_; }
  void SetLookupRoot(TComponent* root) { lookupRoot_ = root; }
  TComponent* Owner() const { return owner_; }
  void SetOwner(TComponent* owner) { owner_ = owner; }
  TComponent* Parent() const { return parent_; }
  void SetParent(TComponent* parent) { parent_ = parent; }
  TComponent* CurrentComponent() const { return current_; }
  void SetCurrentComponent(TComponent* component) { current_ = component; }
  // Component references met while reading, resolved by form instantiation.
  std::vector<Fixup>& Fixups() { return fixups_; }
  // How many component records are being read, one inside the other.
  int RecordDepth() const { return recordDepth_; }
  void SetRecordDepth(int depth) { recordDepth_ = depth; }

 private:
  // Buffered bytes; "Stream read error" when the stream has no more.
  void Read(void* out, std::size_t count);
  std::uint8_t ReadByte();
  std::uint8_t PeekByte();
  void Skip(std::int64_t count);
  void FillBuffer();
  // Bytes left: the unread rest of the buffer and of the stream.
  std::int64_t Remaining() const;
  // "Stream read error" unless `count` more bytes are there; checked before allocating them.
  void RequireAvailable(std::uint64_t count);
  std::uint64_t ReadLittleEndian(std::size_t size);
  std::uint32_t ReadLength() { return static_cast<std::uint32_t>(ReadLittleEndian(4)); }

  // Payloads, the tag already read.
  std::int64_t ReadIntegerPayload(ValueTag tag);
  Extended ReadExtendedPayload();
  std::string ReadLongPayload();
  std::u16string ReadWidePayload();
  std::vector<std::uint8_t> ReadBytesPayload();

  // Skipping: the payload of a tag without nested values, and a machine for nested lists,
  // collections and component records that needs no recursion.
  enum class SkipFrame : std::uint8_t;
  void SkipPayload(ValueTag tag);
  void SkipValue(ValueTag tag);
  void OpenValue(ValueTag tag, std::vector<SkipFrame>& frames);
  void RunSkip(std::vector<SkipFrame>& frames);

  void ReadPropertyPath(TPersistent& instance, std::string_view name);
  bool ReadDefinedProperty(TPersistent& object, std::string_view name);
  void AssignValue(TPersistent& instance, const TPropInfo& property);
  void ReadVariantValue();

  TStream& stream_;
  std::array<std::uint8_t, kBufferSize> buffer_{};
  std::size_t position_ = 0;  // next byte in the buffer
  std::size_t end_ = 0;       // valid bytes in the buffer
  TComponent* root_ = nullptr;
  TComponent* lookupRoot_ = nullptr;
  TComponent* owner_ = nullptr;
  TComponent* parent_ = nullptr;
  TComponent* current_ = nullptr;
  std::string pendingName_;  // the defined property being looked for
  bool pending_ = false;     // true until a declaration claims it
  std::vector<Fixup> fixups_;
  int recordDepth_ = 0;
};

}  // namespace pw

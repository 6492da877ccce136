// Arbitrary bytes through the form reader: as a whole stream (header, then the root record passed
// over), as property entries of a small object, and through every typed read in turn. Any
// failure must be a pw::Exception; the stream position must stay within the bytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "convert/Exceptions.h"
#include "forms/Persistent.h"
#include "forms/Reader.h"
#include "forms/Stream.h"
#include "forms/TypeInfo.h"
#include "platform/sys/ContextStore.h"

namespace {

using pw::fuzz::Require;

constexpr std::array<std::string_view, 3> kShapeNames = {"stRect", "stCircle", "stLine"};
const pw::TEnumType kShapeType{"TShape", kShapeNames};

class TFuzzFont : public pw::TPersistent {
 public:
  static const pw::TClassInfo classInfo;
  const pw::TClassInfo& ClassInfo() const override { return classInfo; }
  std::int32_t Height() const { return height_; }
  void SetHeight(std::int32_t value) { height_ = value; }

 private:
  std::int32_t height_ = 0;
};
const pw::TPropInfo kFontProperties[] = {
    pw::IntegerProperty<&TFuzzFont::Height, &TFuzzFont::SetHeight>("Height"),
};
const pw::TClassInfo TFuzzFont::classInfo{"TFuzzFont", &pw::TPersistent::classInfo,
                                          kFontProperties};

class TFuzzObject : public pw::TPersistent {
 public:
  static const pw::TClassInfo classInfo;
  const pw::TClassInfo& ClassInfo() const override { return classInfo; }

  std::int32_t Left() const { return left_; }
  void SetLeft(std::int32_t value) { left_ = value; }
  int Shape() const { return shape_; }
  void SetShape(int value) { shape_ = value; }
  std::uint32_t Style() const { return style_; }
  void SetStyle(std::uint32_t value) { style_ = value; }
  void SetCaption(std::string_view value) { caption_ = value; }
  void SetHint(const std::u16string& value) { hint_ = value; }
  TFuzzFont* Font() { return &font_; }

  void DeclareExtraProperties(pw::TReader& reader) override {
    reader.DeclareProperty("TextHeight", [this](pw::TReader& r) { left_ = r.ReadInt32Value(); });
    reader.DeclareBytesProperty("Data", [this](pw::TStream& data) { dataSize_ = data.Size(); });
  }

  pw::TNotifyEvent onClick;

 private:
  std::int32_t left_ = 0;
  int shape_ = 0;
  std::uint32_t style_ = 0;
  std::string caption_;
  std::u16string hint_;
  TFuzzFont font_;
  std::int64_t dataSize_ = 0;
};

pw::TPropInfo Kind(std::string_view name, pw::TTypeKind kind) {
  return pw::TPropInfo{name, kind};
}

const pw::TPropInfo kObjectProperties[] = {
    pw::IntegerProperty<&TFuzzObject::Left, &TFuzzObject::SetLeft>("Left"),
    pw::EnumProperty<&TFuzzObject::Shape, &TFuzzObject::SetShape>("Shape", kShapeType),
    pw::BoolProperty<&TFuzzObject::Shape, &TFuzzObject::SetShape>("Visible"),
    pw::SetProperty<&TFuzzObject::Style, &TFuzzObject::SetStyle>("Style", kShapeType),
    pw::StringProperty<&TFuzzObject::SetCaption>("Caption"),
    pw::WideStringProperty<&TFuzzObject::SetHint>("Hint"),
    pw::ObjectProperty<&TFuzzObject::Font>("Font"),
    pw::EventProperty<&TFuzzObject::onClick>("OnClick"),
    Kind("Link", pw::TTypeKind::Class),
    Kind("Value", pw::TTypeKind::Variant),
    Kind("Bounds", pw::TTypeKind::Unsupported),
};
const pw::TClassInfo TFuzzObject::classInfo{"TFuzzObject", &pw::TPersistent::classInfo,
                                            kObjectProperties};

// Each typed read once, in turn, until the bytes run out.
void TypedReads(pw::TReader& reader) {
  static const std::array<void (*)(pw::TReader&), 20> kReads = {
      [](pw::TReader& r) { r.ReadInt32Value(); },
      [](pw::TReader& r) { r.ReadInt64Value(); },
      [](pw::TReader& r) { r.ReadReal(); },
      [](pw::TReader& r) { r.ReadSingleValue(); },
      [](pw::TReader& r) { r.ReadCurrencyValue(); },
      [](pw::TReader& r) { r.ReadDateValue(); },
      [](pw::TReader& r) { r.ReadBool(); },
      [](pw::TReader& r) { r.ReadText(); },
      [](pw::TReader& r) { r.ReadWideText(); },
      [](pw::TReader& r) { r.ReadChar(); },
      [](pw::TReader& r) { r.ReadIdentifier(); },
      [](pw::TReader& r) { r.ReadSetValue(kShapeType); },
      [](pw::TReader& r) { r.ReadBytesValue(); },
      [](pw::TReader& r) { r.SkipTypedValue(); },
      [](pw::TReader& r) { r.ExpectListStart(); },
      [](pw::TReader& r) { r.ExpectListEnd(); },
      [](pw::TReader& r) { r.ReadFlagsPrefix(); },
      [](pw::TReader& r) { r.ReadShortText(); },
      [](pw::TReader& r) { r.SkipComponentRecord(true); },
      [](pw::TReader& r) { r.PeekTag(); },
  };
  for (std::size_t i = 0; i < 2 * kReads.size(); ++i) {
    try {
      kReads[i % kReads.size()](reader);
    } catch (const pw::Exception&) {
      try {
        reader.AtListEnd();
      } catch (const pw::Exception&) {
        return;  // nothing left
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const pw::sys::ContextStore context;  // each input on its own, nothing kept for the next
  const std::span<const std::uint8_t> bytes(data, size);
  const auto end = static_cast<std::int64_t>(size);

  // A whole stream: header, root record, nothing after.
  pw::TReadOnlyMemoryStream whole(bytes);
  {
    pw::TReader reader(whole);
    try {
      reader.CheckSignature();
      reader.ReadFlagsPrefix();
      reader.ReadShortText();
      reader.ReadShortText();
      reader.SkipComponentRecord(false);
    } catch (const pw::Exception&) {
    }
  }
  Require(whole.Position() >= 0 && whole.Position() <= end);

  // Property entries of an object, one by one, past failed entries.
  pw::TReadOnlyMemoryStream entries(bytes);
  {
    pw::TReader reader(entries);
    TFuzzObject object;
    for (int i = 0; i < 64; ++i) {
      try {
        if (reader.AtListEnd()) break;
      } catch (const pw::Exception&) {
        break;  // nothing left
      }
      try {
        reader.ReadProperty(object);
      } catch (const pw::Exception&) {
      }
    }
    Require(reader.Fixups().size() <= size);
  }
  Require(entries.Position() >= 0 && entries.Position() <= end);

  pw::TReadOnlyMemoryStream typed(bytes);
  {
    pw::TReader reader(typed);
    TypedReads(reader);
  }
  Require(typed.Position() >= 0 && typed.Position() <= end);
  return 0;
}

// The form reader: typed values, errors, buffering, skipping and property entries.

#include "forms/Reader.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "FormStreamTestSupport.h"
#include "formc/FormWriter.h"
#include "forms/Component.h"
#include "forms/Text.h"

namespace pw {
namespace {

using formc::TFormWriter;
using test::Concat;
using test::Hex;
using test::ReadErrorOf;

constexpr std::string_view kReadError = "Stream read error";
constexpr std::string_view kInvalidValue = "Invalid property value";
constexpr std::size_t kBuffer = TReader::kBufferSize;

constexpr std::array<std::string_view, 4> kStyleNames = {"fsBold", "fsItalic", "fsUnderline",
                                                         "fsStrikeOut"};
const TEnumType kStyleType{"TFontStyle", kStyleNames};

// A memory stream that remembers the largest read asked of it.
class WatchedStream : public TMemoryStream {
 public:
  using TMemoryStream::TMemoryStream;
  std::size_t Read(void* buffer, std::size_t count) override {
    largestRequest = std::max(largestRequest, count);
    return TMemoryStream::Read(buffer, count);
  }
  std::size_t largestRequest = 0;
};

// A TagLongString value of `length` letters: 5 + length bytes.
std::vector<std::uint8_t> LongString(std::uint32_t length) {
  TFormWriter w;
  w.WriteString(std::string(length, 'x'));
  return w.Bytes();
}

TEST(ReaderValues, IntegersSignExtend) {
  TMemoryStream s(Hex("02 FF  03 FF FF  04 00 00 00 80  13 FE FF FF FF FF FF FF FF  03 00 80"));
  TReader r(s);
  EXPECT_EQ(r.ReadInt32Value(), -1);
  EXPECT_EQ(r.ReadInt32Value(), -1);
  EXPECT_EQ(r.ReadInt32Value(), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(r.ReadInt64Value(), -2);
  EXPECT_EQ(r.ReadInt64Value(), -32768);
}

TEST(ReaderValues, RealsBooleansAndIdentifiers) {
  TFormWriter w;
  w.WriteExtended(0.1L);
  w.WriteInteger(-7);
  w.WriteSingle(1.5f);
  w.WriteCurrency(123456);
  w.WriteInteger(12);
  w.WriteDate(45000.25);
  for (const char* ident : {"bsDialog", "False", "True", "nil", "Null"}) w.WriteIdent(ident);
  TMemoryStream s(Concat(w.Bytes(), Hex("09 08 02 09")));
  TReader r(s);
  EXPECT_EQ(BitsOf(r.ReadReal()), BitsOf(0.1L));
  EXPECT_EQ(r.ReadReal(), -7.0L);
  EXPECT_EQ(r.ReadSingleValue(), 1.5f);
  EXPECT_EQ(r.ReadCurrencyValue(), 123456);
  EXPECT_EQ(r.ReadCurrencyValue(), 120000);  // an integer amount, times 10000
  EXPECT_EQ(r.ReadDateValue(), 45000.25);
  for (const char* ident : {"bsDialog", "False", "True", "nil", "Null"}) {
    EXPECT_EQ(r.ReadIdentifier(), ident);
  }
  // ReadBool takes one tag byte: the Int8 tag gives false and leaves its payload, here 09.
  EXPECT_TRUE(r.ReadBool());
  EXPECT_FALSE(r.ReadBool());
  EXPECT_FALSE(r.ReadBool());
  EXPECT_TRUE(r.ReadBool());
}

TEST(ReaderValues, TextFormsFollowTheCodePage) {
  // "Ü", "ط" and the Farsi yeh, which neither single-byte page has.
  const std::string utf8 = "\xC3\x9C \xD8\xB7 \xDB\x8C";
  const std::u16string wide = u"\u00DC \u0637 \u06CC";
  const std::pair<int, std::string> pages[] = {{sys::kCodePageWestern, "\xDC ? ?"},
                                               {sys::kCodePageArabic, "? \xD8 ?"},
                                               {sys::kCodePageUtf8, utf8}};
  for (const auto& [page, narrow] : pages) {
    test::CodePageScope scope(page);
    TFormWriter w;
    w.WriteString(utf8);
    w.WriteWideString(wide);
    w.WriteString(utf8);
    w.WriteWideString(wide);
    TMemoryStream s(Concat(w.Bytes(), Hex("06 03 C7 20 98  0C 01 00 00 00 80")));
    TReader r(s);
    EXPECT_EQ(r.ReadText(), narrow) << page;
    EXPECT_EQ(r.ReadText(), narrow) << page;
    EXPECT_EQ(r.ReadWideText(), wide);
    EXPECT_EQ(r.ReadWideText(), wide);
    if (page == sys::kCodePageArabic) {
      EXPECT_EQ(r.ReadWideText(), u"\u0627 \u06A9");
      EXPECT_EQ(r.ReadWideText(), u"\u20AC");
    }
  }
}

// A reading operation that fails on `bytes` with `message`; `rest` is read after the failure.
struct Failure {
  const char* bytes;
  std::function<void(TReader&)> read;
  std::string_view message;
  std::function<void(TReader&)> rest = nullptr;
};

TEST(ReaderErrors, EachOperationRefusesWhatItDoesNotAccept) {
  const auto text = [](TReader& r) { EXPECT_EQ(r.ReadShortText(), "A"); };
  const Failure failures[] = {
      {"", [](TReader& r) { r.CheckSignature(); }, kReadError},
      {"54 50 46", [](TReader& r) { r.CheckSignature(); }, kReadError},
      {"54 50 46 31", [](TReader& r) { r.CheckSignature(); }, "Invalid stream format"},
      // A wrong tag is raised with the position right after the tag byte.
      {"06 01 41", [](TReader& r) { r.ReadInt32Value(); }, kInvalidValue, text},
      {"13 01 41", [](TReader& r) { r.ReadInt32Value(); }, kInvalidValue, text},
      {"06 01 41", [](TReader& r) { r.ReadReal(); }, kInvalidValue, text},
      {"06 01 41", [](TReader& r) { r.ReadIdentifier(); }, kInvalidValue, text},
      {"07 01 41", [](TReader& r) { r.ReadText(); }, kInvalidValue, text},
      {"07 01 41", [](TReader& r) { r.ReadSetValue(kStyleType); }, kInvalidValue, text},
      {"06 01 41", [](TReader& r) { r.ReadBytesValue(); }, kInvalidValue, text},
      {"06 02 41 42", [](TReader& r) { r.ReadChar(); }, kInvalidValue},
      {"15", [](TReader& r) { r.ReadTag(); }, kInvalidValue},
      {"15", [](TReader& r) { r.SkipTypedValue(); }, kInvalidValue},
      {"01 87 00", [](TReader& r) { r.SkipTypedValue(); }, kInvalidValue},
      // Wrong list markers: the offending value is passed over first.
      {"06 01 41 01", [](TReader& r) { r.ExpectListStart(); }, kInvalidValue,
       [](TReader& r) { r.ExpectListStart(); }},
      {"01 02 05 01 00 00 00", [](TReader& r) { r.ExpectListEnd(); }, kInvalidValue,
       [](TReader& r) { r.ExpectListEnd(); }},
  };
  for (const Failure& f : failures) {
    TMemoryStream s(Hex(f.bytes));
    TReader r(s);
    EXPECT_EQ(ReadErrorOf([&] { f.read(r); }), f.message) << f.bytes;
    if (f.rest) f.rest(r);
  }
}

TEST(ReaderStructure, FlagsPrefix) {
  TMemoryStream s(Hex("F3 03 2C 01  F4  F0  06 54 46 6F 72 6D 31"));
  TReader r(s);
  const FlagsPrefix inherited = r.ReadFlagsPrefix();
  EXPECT_EQ(inherited.flags, kFlagInherited | kFlagChildPosition);
  EXPECT_EQ(inherited.childPosition, 300);
  EXPECT_EQ(r.ReadFlagsPrefix().flags, kFlagInline);
  EXPECT_EQ(r.ReadFlagsPrefix().flags, 0);
  EXPECT_EQ(r.ReadFlagsPrefix().flags, 0);  // 06 is a class name's length, not a prefix
  EXPECT_EQ(r.ReadShortText(), "TForm1");
}

// One value of every tag, 0 to 20.
const std::vector<std::vector<std::uint8_t>>& OneOfEachTag() {
  static const std::vector<std::vector<std::uint8_t>> values = {
      Hex("00"), Hex("01 02 01 06 01 61 01 00 00"), Hex("02 FD"), Hex("03 D4 FE"),
      Hex("04 00 00 10 00"), Hex("05 00 00 00 00 00 00 00 A0 00 40"), Hex("06 03 61 62 63"),
      Hex("07 02 61 6C"), Hex("08"), Hex("09"), Hex("0A 03 00 00 00 01 02 03"),
      Hex("0B 06 66 73 42 6F 6C 64 00"), LongString(260), Hex("0D"),
      // A collection: an item with an order value and one without.
      Hex("0E 02 07 01 01 41 02 05 00 01 01 42 06 01 78 00 00"), Hex("0F 00 00 00 3F"),
      Hex("10 05 00 00 00 00 00 00 00"), Hex("11 00 00 00 00 00 00 F0 3F"),
      Hex("12 02 00 00 00 61 00 62 00"), Hex("13 00 00 00 00 00 01 00 00"),
      Hex("14 02 00 00 00 C3 9C")};
  return values;
}

TEST(ReaderSkip, EveryTagIsPassedOverExactly) {
  std::vector<std::uint8_t> bytes;
  for (const auto& value : OneOfEachTag()) bytes = Concat(bytes, value);
  TMemoryStream s(Concat(bytes, Hex("02 2A")));
  {
    TReader r(s);
    for (std::size_t i = 0; i < OneOfEachTag().size(); ++i) r.SkipTypedValue();
    EXPECT_EQ(r.ReadInt32Value(), 42);
  }
  EXPECT_EQ(s.Position(), s.Size());
}

TEST(ReaderSkip, ComponentRecordsAndDeepNesting) {
  TFormWriter w;
  w.WritePrefix(kFlagInherited | kFlagChildPosition, 300);
  w.WriteShortText("TPanel");
  w.WriteShortText("Panel1");
  w.WriteShortText("Glyph.Data");
  w.WriteBytes(std::vector<std::uint8_t>(5000, 0x00));  // zeros that are no list ends
  w.WriteListEnd();
  for (const char* child : {"Label1", "Label2"}) {
    w.WriteShortText("TLabel");
    w.WriteShortText(child);
    w.WriteShortText("Caption");
    w.WriteString(child);
    w.WriteListEnd();
    w.WritePrefix(kFlagInline);  // a grandchild without properties or children
    w.WriteShortText("TFrame");
    w.WriteShortText("Inner");
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
  }
  w.WriteListEnd();
  w.WriteInteger(42);
  TMemoryStream s(w.Bytes());
  TReader r(s);
  r.SkipComponentRecord(true);
  EXPECT_EQ(r.ReadInt32Value(), 42);

  // A million nested lists: skipping must not recurse.
  const std::size_t depth = 1'000'000;
  std::vector<std::uint8_t> nested(depth, 0x01);
  nested.resize(2 * depth, 0x00);
  TMemoryStream deep(Concat(nested, Hex("02 2A")));
  TReader d(deep);
  d.SkipTypedValue();
  EXPECT_EQ(d.ReadInt32Value(), 42);
}

TEST(ReaderErrors, EveryCutInsideAValueIsAStreamReadError) {
  for (const auto& value : OneOfEachTag()) {
    for (std::size_t cut = 1; cut < value.size(); ++cut) {
      TMemoryStream s(std::vector<std::uint8_t>(value.begin(), value.begin() + cut));
      TReader r(s);
      EXPECT_EQ(ReadErrorOf([&] { r.SkipTypedValue(); }), kReadError)
          << int{value[0]} << "/" << cut;
    }
  }
  // On the buffer boundary: a tag as byte 4096, and a payload half in the first buffer.
  for (const char* tail : {"04", "04 01 02", "0B 06 66 73"}) {
    const auto bytes = Concat(LongString(kBuffer - 5 - Hex(tail).size()), Hex(tail));
    ASSERT_EQ(bytes.size(), kBuffer);
    TMemoryStream s(bytes), again(bytes);
    TReader r(s), k(again);
    r.SkipTypedValue();
    k.SkipTypedValue();
    EXPECT_EQ(ReadErrorOf([&] { r.SkipTypedValue(); }), kReadError) << tail;
    EXPECT_EQ(ReadErrorOf([&] {
                if (bytes[kBuffer - Hex(tail).size()] == 0x04) {
                  k.ReadInt32Value();
                } else {
                  k.ReadSetValue(kStyleType);
                }
              }),
              kReadError)
        << tail;
  }
  TMemoryStream exact(LongString(kBuffer - 5));
  TReader r(exact);
  r.ReadText();
  EXPECT_EQ(ReadErrorOf([&] { r.AtListEnd(); }), kReadError);
}

TEST(ReaderErrors, LengthsPastTheEndFailBeforeAnythingIsAllocated) {
  // 64 MiB announced, 10 bytes there: the reader must not ask the stream for the 64 MiB.
  for (const char* header : {"0A", "0C", "12", "14"}) {
    WatchedStream s(Concat(Hex(std::string(header) + " 00 00 00 04"), Hex("41 41 41 41 41")));
    TReader r(s);
    const std::string message = ReadErrorOf([&] {
      if (std::string_view(header) == "0A") {
        r.ReadBytesValue();
      } else {
        r.ReadWideText();
      }
    });
    EXPECT_EQ(message, kReadError) << header;
    EXPECT_LE(s.largestRequest, kBuffer) << header;
  }
}

TEST(ReaderBuffer, DestroyedReaderGivesBackTheUnreadRest) {
  std::vector<std::uint8_t> payload(20000);
  for (std::size_t i = 0; i < payload.size(); ++i) payload[i] = static_cast<std::uint8_t>(i * 7);
  TFormWriter w;
  w.WriteSignature();
  w.WriteShortText("TForm1");
  const auto afterName = static_cast<std::int64_t>(w.Bytes().size());
  w.WriteBytes(payload);
  w.WriteBytes(std::vector<std::uint8_t>(9000, 0x5A));
  const auto afterSkip = static_cast<std::int64_t>(w.Bytes().size());
  w.WriteString(std::string(200, 'z'));
  WatchedStream s(w.Bytes());
  {
    TReader r(s);
    r.CheckSignature();
    EXPECT_EQ(r.ReadShortText(), "TForm1");
  }
  EXPECT_EQ(s.Position(), afterName);
  {
    TReader r(s);  // starts where the stream is
    EXPECT_EQ(r.ReadBytesValue(), payload);
    EXPECT_GT(s.largestRequest, kBuffer) << "a large block bypasses the buffer";
    r.SkipTypedValue();
    EXPECT_FALSE(r.AtListEnd());  // a look ahead consumes nothing
  }
  EXPECT_EQ(s.Position(), afterSkip);
}

// ---- Property entries

const TIntegerType kTestColorType{"TTestColor"};

std::optional<std::int32_t> TestColorToInt(std::string_view ident) {
  if (SameText(ident, "clBtnFace")) return static_cast<std::int32_t>(0x8000000Fu);
  return std::nullopt;
}

class TTestFont : public TPersistent {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }
  std::int32_t Height() const { return height; }
  void SetHeight(std::int32_t value) { height = value; }
  std::uint32_t Style() const { return style; }
  void SetStyle(std::uint32_t value) { style = value; }
  std::int32_t height = 0;
  std::uint32_t style = 0;
};
const TPropInfo kFontProperties[] = {
    IntegerProperty<&TTestFont::Height, &TTestFont::SetHeight>("Height"),
    SetProperty<&TTestFont::Style, &TTestFont::SetStyle>("Style", kStyleType),
};
const TClassInfo TTestFont::classInfo{"TTestFont", &TPersistent::classInfo, kFontProperties};

class TTestForm : public TComponent {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }
  using TComponent::TComponent;
  void ButtonClick(TObject* sender) { lastSender = sender; }
  TObject* lastSender = nullptr;
};
const TMethodInfo kFormMethods[] = {PublishedMethod<&TTestForm::ButtonClick>("ButtonClick")};
const TClassInfo TTestForm::classInfo{"TTestForm", &TComponent::classInfo, {}, {}, kFormMethods};

class TTestControl : public TComponent {
 public:
  static const TClassInfo classInfo;
  const TClassInfo& ClassInfo() const override { return classInfo; }
  using TComponent::TComponent;
  std::int32_t Left() const { return left; }
  void SetLeft(std::int32_t value) { left = value; }
  std::int32_t Color() const { return color; }
  void SetColor(std::int32_t value) { color = value; }
  bool Visible() const { return visible; }
  void SetVisible(bool value) { visible = value; }
  void SetCaption(std::string_view value) { caption = value; }
  void SetHint(const std::u16string& value) { hint = value; }
  TTestFont* Font() { return &font; }
  TTestFont* NoFont() { return nullptr; }

  void DeclareExtraProperties(TReader& reader) override {
    reader.DeclareProperty("PixelsPerInch", {});  // no read procedure: never claims the name
    reader.DeclareProperty("TextHeight", [this](TReader& r) { textHeight = r.ReadInt32Value(); });
    reader.DeclareProperty("TEXTHEIGHT", [this](TReader&) { textHeight = -1; });
    reader.DeclareBytesProperty("Blob", [this](TStream& data) {
      blobStart = data.Position();
      blob.resize(static_cast<std::size_t>(data.Size()));
      data.Read(blob.data(), blob.size());
    });
  }

  std::int32_t left = 0, color = 0, textHeight = 0;
  bool visible = true;
  std::string caption;
  std::u16string hint;
  TTestFont font;
  TNotifyEvent onClick;
  std::vector<std::uint8_t> blob;
  std::int64_t blobStart = -1;
};

TPropInfo Kind(std::string_view name, TTypeKind kind) {
  return TPropInfo{name, kind};
}
TPropInfo ReadOnly(TPropInfo info) {
  info.setOrdinal = nullptr;
  return info;
}
TPropInfo Link() {
  TPropInfo info{"Link", TTypeKind::Class};
  info.setObject = [](TPersistent*, TPersistent*) {};
  return info;
}

const TPropInfo kControlProperties[] = {
    IntegerProperty<&TTestControl::Left, &TTestControl::SetLeft>("Left"),
    IntegerProperty<&TTestControl::Color, &TTestControl::SetColor>("Color", kTestColorType),
    BoolProperty<&TTestControl::Visible, &TTestControl::SetVisible>("Visible"),
    StringProperty<&TTestControl::SetCaption>("Caption"),
    WideStringProperty<&TTestControl::SetHint>("Hint"),
    ObjectProperty<&TTestControl::Font>("Font"),
    ObjectProperty<&TTestControl::NoFont>("NoFont"),
    EventProperty<&TTestControl::onClick>("OnClick"),
    ReadOnly(IntegerProperty<&TTestControl::Left, &TTestControl::SetLeft>("Tag")),
    Link(),
    Kind("Value", TTypeKind::Variant),
    Kind("Bounds", TTypeKind::Unsupported),
};
const TClassInfo TTestControl::classInfo{"TTestControl", &TComponent::classInfo,
                                         kControlProperties};

class ReaderProperty : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterIntegerConsts(kTestColorType, TestColorToInt, nullptr);
    control = new TTestControl(&form);  // owned by the form
    control->SetName("Image1");
  }

  // A reader over what `w` holds, reading for the control of the form.
  TReader& Open() {
    reader.reset();
    stream = std::make_unique<TMemoryStream>(w.Bytes());
    reader = std::make_unique<TReader>(*stream);
    reader->SetRoot(&form);
    reader->SetCurrentComponent(control);
    return *reader;
  }
  void ReadAll() {
    w.WriteListEnd();
    Open().ReadProperties(*control);
  }

  TTestForm form{nullptr};
  TTestControl* control = nullptr;
  TFormWriter w;
  std::unique_ptr<TMemoryStream> stream;
  std::unique_ptr<TReader> reader;
};

TEST_F(ReaderProperty, AssignsByKindWithNamesAndIdentifiersInAnyCase) {
  const std::vector<std::string> style = {"FSUNDERLINE", "fsNope", "fsbold"};
  auto entry = [&](const char* name) -> TFormWriter& {
    w.WriteShortText(name);
    return w;
  };
  entry("LEFT").WriteInteger(-5);
  entry("color").WriteIdent("clbtnface");
  entry("Visible").WriteIdent("FALSE");
  entry("Caption").WriteString("Calc.");
  entry("Hint").WriteString("\xD8\xB7");
  entry("fOnT.hEiGhT").WriteInteger(-11);
  entry("Font.Style").WriteSet(style);
  entry("Value").WriteString(std::string(300, 'v'));
  entry("Value").WriteNil();
  entry("OnClick").WriteIdent("buttonCLICK");
  ReadAll();
  EXPECT_EQ(control->left, -5) << "Font.Height goes to the font, not to the control";
  EXPECT_EQ(control->color, static_cast<std::int32_t>(0x8000000Fu));
  EXPECT_FALSE(control->visible);
  EXPECT_EQ(control->caption, "Calc.");
  EXPECT_EQ(control->hint, u"\u0637");
  EXPECT_EQ(control->font.height, -11);
  EXPECT_EQ(control->font.style, 0b101u);
  ASSERT_TRUE(control->onClick);
  control->onClick(control);
  EXPECT_EQ(form.lastSender, control) << "the handler runs on the root";
  EXPECT_EQ(stream->Position(), stream->Size());
}

TEST_F(ReaderProperty, ErrorsNameTheComponentAndTheEntry) {
  struct Case {
    const char* name;
    std::function<void(TFormWriter&)> value;
    std::string message;
    bool skipsValue = false;  // the value is passed over before the error
  };
  const auto list = [](TFormWriter& x) {  // a nested value, passed over before some errors
    x.WriteListStart();
    x.WriteString("a");
    x.WriteListEnd();
  };
  const auto ident = [](const char* text) { return [=](TFormWriter& x) { x.WriteIdent(text); }; };
  const Case cases[] = {
      {"Color", ident("clNope"), "Invalid property value"},
      {"Left", ident("clBtnFace"), "Invalid property value"},  // Integer has no identifiers
      {"Visible", ident("Maybe"), "Invalid property value"},
      {"Visible", [](TFormWriter& x) { x.WriteInteger(1); }, "Invalid property value"},
      {"Font.Style", ident("fsBold"), "Invalid property value"},
      {"OnClick", ident("Image1Click"), "Invalid property value"},
      {"Bounds", [](TFormWriter& x) { x.WriteInteger(1); }, "Invalid property value"},
      {"Value", [](TFormWriter& x) { x.WriteString("\xC3\x9C"); }, "Stream read error"},
      {"Tag", [](TFormWriter& x) { x.WriteInteger(1); }, "Property is read-only"},
      {"Blob", list, "Invalid property value", true},
      {"Bogus", list, "Property Bogus does not exist", true},
      {"Bogus.Height", list, "Property Bogus does not exist", true},
      {"Font.Bogus", list, "Property Bogus does not exist", true},
      {"PixelsPerInch", list, "Property PixelsPerInch does not exist", true},
      {"Left.Height", list, "Invalid property path", true},
      {"NoFont.Height", list, "Invalid property path", true},
  };
  for (const Case& c : cases) {
    w = TFormWriter();
    w.WriteShortText(c.name);
    c.value(w);
    w.WriteShortText("Left");
    w.WriteInteger(9);
    control->left = 0;
    TReader& r = Open();
    EXPECT_EQ(ReadErrorOf([&] { r.ReadProperty(*control); }),
              "Error reading Image1." + std::string(c.name) + ": " + c.message);
    if (c.skipsValue) {
      r.ReadProperty(*control);  // the next entry follows
      EXPECT_EQ(control->left, 9) << c.name;
    }
  }
  // Unnamed: the class name; a stream ending inside the value is wrapped too.
  control->SetName("");
  w = TFormWriter();
  w.WriteShortText("Font.Height");
  w.WriteInteger(1000);
  reader.reset();
  stream = std::make_unique<TMemoryStream>(std::vector(w.Bytes().begin(), w.Bytes().end() - 1));
  TReader r(*stream);
  r.SetCurrentComponent(control);
  EXPECT_EQ(ReadErrorOf([&] { r.ReadProperty(*control); }),
            "Error reading TTestControl.Font.Height: Stream read error");
}

TEST_F(ReaderProperty, DefinedPropertiesFirstDeclarationClaims) {
  const std::vector<std::uint8_t> payload(5000, 0xAB);
  w.WriteShortText("textheight");
  w.WriteInteger(13);
  w.WriteShortText("BLOB");
  w.WriteBytes(payload);
  ReadAll();
  EXPECT_EQ(control->textHeight, 13);
  EXPECT_EQ(control->blob, payload);
  EXPECT_EQ(control->blobStart, 0);
}

TEST_F(ReaderProperty, ObjectReferencesBecomeFixupsAndCollectionsArePassedOver) {
  w.WriteShortText("Link");
  w.WriteNil();
  w.WriteShortText("Link");
  w.WriteIdent("Form3.Edit1");
  w.WriteShortText("Link");
  const auto bytes = Concat(w.Bytes(), OneOfEachTag()[14]);  // a collection
  control->onClick = [](TObject*) {};
  stream = std::make_unique<TMemoryStream>(Concat(bytes, Hex("07 4F 6E 43 6C 69 63 6B 0D 00")));
  TReader r(*stream);
  r.SetRoot(&form);
  r.ReadProperties(*control);
  ASSERT_EQ(r.Fixups().size(), 1u);
  const Fixup& fixup = r.Fixups().front();
  EXPECT_EQ(fixup.instance, control);
  EXPECT_EQ(fixup.property->name, "Link");
  EXPECT_EQ(fixup.name, "Form3.Edit1");
  EXPECT_EQ(fixup.root, &form);
  EXPECT_FALSE(control->onClick) << "nil clears the handler";
}

}  // namespace
}  // namespace pw

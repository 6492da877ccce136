// The canonical stream writer, and the calculator window's opening bytes written and read back.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormStreamTestSupport.h"
#include "formc/FormWriter.h"
#include "forms/Reader.h"

namespace pw {
namespace {

using formc::TFormWriter;
using test::Hex;

template <class Write>
std::vector<std::uint8_t> Written(Write write) {
  TFormWriter w;
  write(w);
  return w.Bytes();
}

TEST(FormWriter, IntegersTakeTheNarrowestTag) {
  struct Case {
    std::int64_t value;
    const char* bytes;
  };
  const Case cases[] = {
      {0, "02 00"},
      {-1, "02 FF"},
      {127, "02 7F"},
      {-128, "02 80"},
      {128, "03 80 00"},
      {-129, "03 7F FF"},
      {192, "03 C0 00"},
      {32767, "03 FF 7F"},
      {-32768, "03 00 80"},
      {32768, "04 00 80 00 00"},
      {-2147483648LL, "04 00 00 00 80"},
      {2147483647LL, "04 FF FF FF 7F"},
      {2147483648LL, "13 00 00 00 80 00 00 00 00"},
      {-2147483649LL, "13 FF FF FF 7F FF FF FF FF"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Written([&](TFormWriter& w) { w.WriteInteger(c.value); }), Hex(c.bytes)) << c.value;
  }
}

TEST(FormWriter, TextsByLengthAndContent) {
  EXPECT_EQ(Written([](TFormWriter& w) { w.WriteString("ab"); }), Hex("06 02 61 62"));
  const auto at255 = Written([](TFormWriter& w) { w.WriteString(std::string(255, 'a')); });
  EXPECT_EQ(at255.size(), 2u + 255);
  EXPECT_EQ(at255[0], 0x06);
  const auto at256 = Written([](TFormWriter& w) { w.WriteString(std::string(256, 'a')); });
  EXPECT_EQ(std::vector<std::uint8_t>(at256.begin(), at256.begin() + 5), Hex("0C 00 01 00 00"));
  EXPECT_EQ(at256.size(), 5u + 256);
  // Non-ASCII text: tag 20 and the UTF-8 bytes, however short.
  EXPECT_EQ(Written([](TFormWriter& w) { w.WriteString("\xD8\xB7"); }),
            Hex("14 02 00 00 00 D8 B7"));
  EXPECT_EQ(Written([](TFormWriter& w) { w.WriteWideString(u"A\u0637"); }),
            Hex("12 02 00 00 00 41 00 37 06"));
  // Short texts are cut at 255 bytes.
  const auto cut = Written([](TFormWriter& w) { w.WriteShortText(std::string(300, 'n')); });
  EXPECT_EQ(cut.size(), 256u);
  EXPECT_EQ(cut[0], 255);
}

TEST(FormWriter, OtherValuesAndPrefixes) {
  TFormWriter w;
  for (const char* ident : {"False", "True", "nil", "Null", "false"}) w.WriteIdent(ident);
  w.WriteExtended(1.0L);
  w.WriteSingle(-2.0f);
  w.WriteDate(1.0);
  w.WriteCurrency(-1);
  w.WritePrefix(0, 5);
  w.WritePrefix(kFlagInline);
  w.WritePrefix(kFlagChildPosition, 300);
  w.WriteBytes(std::vector<std::uint8_t>{7, 8});
  EXPECT_EQ(w.Bytes(), Hex("08 09 0D 00 07 05 66 61 6C 73 65"
                           "05 00 00 00 00 00 00 00 80 FF 3F  0F 00 00 00 C0"
                           "11 00 00 00 00 00 00 F0 3F  10 FF FF FF FF FF FF FF FF"
                           "F4  F2 03 2C 01  0A 02 00 00 00 07 08"));
}

constexpr std::uint32_t kPictureSize = 708546;

std::vector<std::uint8_t> WriteExample() {
  TFormWriter w;
  w.WriteSignature();
  w.WriteShortText("TForm1");
  w.WriteShortText("Form1");
  w.WriteShortText("Left");
  w.WriteInteger(192);
  w.WriteShortText("Top");
  w.WriteInteger(114);
  w.WriteShortText("BorderStyle");
  w.WriteIdent("bsDialog");
  w.WriteShortText("Caption");
  w.WriteString("Profile Weight");
  w.WriteShortText("ClientHeight");
  w.WriteInteger(455);
  w.WriteShortText("ClientWidth");
  w.WriteInteger(387);
  w.WriteShortText("Color");
  w.WriteIdent("clBtnFace");
  w.WriteShortText("Font.Charset");
  w.WriteIdent("DEFAULT_CHARSET");
  w.WriteShortText("Font.Style");
  w.WriteSet({});
  w.WriteShortText("OldCreateOrder");
  w.WriteBool(false);
  w.WriteShortText("OnCreate");
  w.WriteIdent("FormCreate");
  w.WriteShortText("TextHeight");
  w.WriteInteger(13);
  w.WriteListEnd();
  w.WriteShortText("TImage");
  w.WriteShortText("Image9");
  w.WriteShortText("Picture.Data");
  w.WriteBytes(std::vector<std::uint8_t>(kPictureSize, 0x42));
  w.WriteListEnd();
  w.WriteListEnd();
  w.WriteListEnd();
  return w.Bytes();
}

TEST(FormStreamExample, BytesOfTheCalculatorWindowsOpening) {
  const std::vector<std::uint8_t> expected = Hex(
      "54 50 46 30"
      "06 54 46 6F 72 6D 31"
      "05 46 6F 72 6D 31"
      "04 4C 65 66 74 03 C0 00"
      "03 54 6F 70 02 72"
      "0B 42 6F 72 64 65 72 53 74 79 6C 65 07 08 62 73 44 69 61 6C 6F 67"
      "07 43 61 70 74 69 6F 6E 06 0E 50 72 6F 66 69 6C 65 20 57 65 69 67 68 74"
      "0C 43 6C 69 65 6E 74 48 65 69 67 68 74 03 C7 01"
      "0B 43 6C 69 65 6E 74 57 69 64 74 68 03 83 01"
      "05 43 6F 6C 6F 72 07 09 63 6C 42 74 6E 46 61 63 65"
      "0C 46 6F 6E 74 2E 43 68 61 72 73 65 74 07 0F 44 45 46 41 55 4C 54 5F 43 48 41 52 53 45 54"
      "0A 46 6F 6E 74 2E 53 74 79 6C 65 0B 00"
      "0E 4F 6C 64 43 72 65 61 74 65 4F 72 64 65 72 08"
      "08 4F 6E 43 72 65 61 74 65 07 0A 46 6F 72 6D 43 72 65 61 74 65"
      "0A 54 65 78 74 48 65 69 67 68 74 02 0D"
      "00"
      "06 54 49 6D 61 67 65 06 49 6D 61 67 65 39"
      "0C 50 69 63 74 75 72 65 2E 44 61 74 61 0A C2 CF 0A 00");
  const std::vector<std::uint8_t> bytes = WriteExample();
  ASSERT_GT(bytes.size(), expected.size());
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + expected.size()), expected);
  EXPECT_EQ(bytes.size(), expected.size() + kPictureSize + 3);
  EXPECT_EQ(Hex("00 00 00"), std::vector<std::uint8_t>(bytes.end() - 3, bytes.end()));
}

TEST(FormStreamExample, ReadsBack) {
  const std::vector<std::uint8_t> bytes = WriteExample();
  TReadOnlyMemoryStream stream(bytes);
  {
    TReader r(stream);
    r.CheckSignature();
    EXPECT_EQ(r.ReadFlagsPrefix().flags, 0);
    EXPECT_EQ(r.ReadShortText(), "TForm1");
    EXPECT_EQ(r.ReadShortText(), "Form1");
    EXPECT_EQ(r.ReadShortText(), "Left");
    EXPECT_EQ(r.ReadInt32Value(), 192);
    std::vector<std::string> names;
    while (!r.AtListEnd()) {
      names.push_back(r.ReadShortText());
      r.SkipTypedValue();
    }
    EXPECT_EQ(names.size(), 11u);
    EXPECT_EQ(names.back(), "TextHeight");
    r.ExpectListEnd();
    EXPECT_EQ(r.ReadShortText(), "TImage");
    EXPECT_EQ(r.ReadShortText(), "Image9");
    EXPECT_EQ(r.ReadShortText(), "Picture.Data");
    EXPECT_EQ(r.ReadBytesValue().size(), kPictureSize);
    for (int end = 0; end < 3; ++end) r.ExpectListEnd();
  }
  EXPECT_EQ(stream.Position(), static_cast<std::int64_t>(bytes.size()));
}

}  // namespace
}  // namespace pw
